#include "app/catalogue.h"

#include "core/registry.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <tuple>

namespace app {

const QVector<CatalogueSlot>& catalogue() {
    static const QVector<CatalogueSlot> table = [] {
        // The catalogue's pages in the order the launcher shows them.
        const QStringList pages = {"tsmg1", "tsmg2", "ts11", "ts7", "ts8", "ts6", "tstuiyi1", "tstuiyi2", "tstuijian"};
        QVector<CatalogueSlot> list;
        for (const core::WindowClass* windowClass : core::windowClasses()) {
            const std::optional<core::Tile>& tile = windowClass->info.tile;
            if (!tile) continue;
            list.append({QString::fromUtf16(tile->image), QString::fromUtf16(tile->page), tile->row, tile->column,
                         windowClass->name, QString::fromUtf16(tile->caption), tile->size});
        }
        std::stable_sort(list.begin(), list.end(), [&](const CatalogueSlot& a, const CatalogueSlot& b) {
            return std::tuple(pages.indexOf(a.page), a.row, a.column) <
                   std::tuple(pages.indexOf(b.page), b.row, b.column);
        });
        return list;
    }();
    return table;
}

Thumbnail::Thumbnail(const QString& caption, bool blank, QWidget* parent)
    : QLabel(caption, parent)
    , m_blank(blank) {
    setTextFormat(Qt::PlainText);
    if (blank) return;
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void Thumbnail::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        // The same release of the left button a click ends with.
        const QPointF centre = QRectF(rect()).center();
        QMouseEvent release(QEvent::MouseButtonRelease, centre, mapToGlobal(centre), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(this, &release);
        return;
    }
    QPoint direction;
    if (key == Qt::Key_Left) direction = QPoint(-1, 0);
    if (key == Qt::Key_Right) direction = QPoint(1, 0);
    if (key == Qt::Key_Up) direction = QPoint(0, -1);
    if (key == Qt::Key_Down) direction = QPoint(0, 1);
    if (direction.isNull() || !parentWidget()) {
        QLabel::keyPressEvent(event);
        return;
    }
    // The nearest tile of the page that lies in the arrow's direction.
    Thumbnail* nearest = nullptr;
    qint64 best = 0;
    const QPoint from = geometry().center();
    for (auto* other : parentWidget()->findChildren<Thumbnail*>(Qt::FindDirectChildrenOnly)) {
        if (other == this || other->focusPolicy() == Qt::NoFocus || !other->isEnabled()) continue;
        const QPoint step = other->geometry().center() - from;
        const int along = step.x() * direction.x() + step.y() * direction.y();
        if (along <= 0) continue;
        const int across = std::abs(step.x() * direction.y()) + std::abs(step.y() * direction.x());
        const qint64 distance = qint64(along) + 4 * qint64(across);
        if (!nearest || distance < best) {
            nearest = other;
            best = distance;
        }
    }
    if (nearest) nearest->setFocus(Qt::OtherFocusReason);
}

void Thumbnail::showEvent(QShowEvent* event) {
    QLabel::showEvent(event);
    if (m_blank) return;
    for (const CatalogueSlot& slot : catalogue())
        if (slot.image == objectName()) m_picture.load(this, slot.target);
}

void Thumbnail::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_blank) {
        p.setPen(QPen(QColor(0xdd, 0xdd, 0xdd), 1, Qt::DashLine));
        p.drawRoundedRect(box, 4, 4);
        return;
    }
    // The picture above, the caption in its own band below it.
    const core::CaptionedBox split = captionedBox();
    QPainterPath rounded;
    rounded.addRoundedRect(box, 4, 4);
    p.save();
    p.setClipPath(rounded);
    if (!m_picture.isNull()) {
        m_picture.paint(p, split.picture, 2);
    } else {
        // A window without a picture: a banner strip with a row of tiles under it.
        QLinearGradient fill(split.picture.topLeft(), split.picture.bottomLeft());
        fill.setColorAt(0, QColor(0x3a, 0x8e, 0xd8));
        fill.setColorAt(1, QColor(0x1f, 0x5f, 0xa8));
        p.fillRect(split.picture, fill);
        const QRectF area = split.picture;
        const qreal w = area.width(), h = area.height();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 90));
        p.drawRect(QRectF(area.left() + w * 0.06, area.top() + h * 0.12, w * 0.88, h * 0.4));
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRectF(area.left() + w * (0.06 + i * 0.225), area.top() + h * 0.6, w * 0.2, h * 0.28));
    }
    core::paintCaption(p, split, text(), font());
    p.restore();
    // The tile the keyboard is on shows a frame.
    if (hasFocus()) {
        p.setPen(QPen(QColor(0xff, 0x9a, 0x2e), 3));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(box.adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
    }
}

core::CaptionedBox Thumbnail::captionedBox() const {
    return core::splitCaption(QRectF(rect()), 12, 20);
}

} // namespace app
