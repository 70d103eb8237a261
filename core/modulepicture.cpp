#include "core/modulepicture.h"

#include "core/files.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>
#include <QWidget>

namespace core {

QString modulePictureFolder() {
    return filesFolder() + QStringLiteral("/tiles");
}

PictureFile readModulePicture(const QString& path) {
    PictureFile file;
    if (!QFileInfo::exists(path)) return file;
    QImageReader reader(path, "PNG");
    const QImage image = reader.read();
    if (image.isNull()) return file;
    file.picture = QPixmap::fromImage(image);
    const QRectF whole(QPointF(0, 0), QSizeF(image.size()));
    const QStringList numbers = image.text(QStringLiteral("Focus")).split(QLatin1Char(','));
    QRectF focus;
    if (numbers.size() == 4)
        focus = QRectF(numbers[0].toDouble(), numbers[1].toDouble(), numbers[2].toDouble(), numbers[3].toDouble());
    focus = focus.intersected(whole);
    file.focus = focus.width() >= 1 && focus.height() >= 1 ? focus : whole;
    return file;
}

qreal shownScale(const QRectF& focus, const QSizeF& box, qreal largest) {
    if (focus.width() <= 0 || focus.height() <= 0) return 1;
    return std::min(largest, std::max(box.width() / focus.width(), box.height() / focus.height()));
}

QRectF visiblePart(const QSizeF& size, const QRectF& focus, const QSizeF& box, qreal largest) {
    const QRectF whole(QPointF(0, 0), size);
    QRectF part = focus.intersected(whole);
    if (part.width() < 1 || part.height() < 1) part = whole;
    if (whole.isEmpty() || box.isEmpty()) return {};
    const qreal scale = shownScale(part, box, largest);
    const qreal width = std::min(box.width() / scale, size.width());
    const qreal height = std::min(box.height() / scale, size.height());
    const QPointF centre = part.center();
    const qreal left = std::clamp(centre.x() - width / 2, 0.0, size.width() - width);
    const qreal top = std::clamp(centre.y() - height / 2, 0.0, size.height() - height);
    return QRectF(left, top, width, height);
}

const QPixmap& ModulePicture::load(QWidget* owner, const QString& windowClass) {
    if (m_looked || windowClass.isEmpty()) return m_file.picture;
    m_looked = true;
    m_file = readModulePicture(modulePictureFolder() + QLatin1Char('/') + windowClass + QStringLiteral(".png"));
    if (!m_file.picture.isNull()) owner->setProperty("modulePicture", m_file.picture);
    return m_file.picture;
}

void ModulePicture::paint(QPainter& painter, const QRectF& box, qreal largest) {
    if (m_file.picture.isNull() || box.isEmpty()) return;
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize size = (box.size() * ratio).toSize();
    if (m_scaled.size() != size) {
        // The module as on a white page.
        m_scaled = QPixmap(size);
        m_scaled.fill(Qt::white);
        const QSizeF shown = box.size();
        const QRectF part = visiblePart(m_file.picture.size(), m_file.focus, shown, largest);
        if (!part.isEmpty()) {
            const qreal scale = shownScale(m_file.focus, shown, largest) * ratio;
            const QSize target = (part.size() * scale).toSize().expandedTo(QSize(1, 1));
            const QPixmap piece = m_file.picture.copy(part.toAlignedRect())
                                      .scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            QPainter onto(&m_scaled);
            onto.drawPixmap((size.width() - target.width()) / 2, (size.height() - target.height()) / 2, piece);
        }
        m_scaled.setDevicePixelRatio(ratio);
    }
    painter.drawPixmap(box.topLeft(), m_scaled);
}

CaptionedBox splitCaption(const QRectF& box, int smallest, int largest) {
    CaptionedBox split;
    split.pixelSize = std::clamp(static_cast<int>(box.height() / 5), smallest, std::max(smallest, largest));
    const qreal band = std::min<qreal>(box.height(), std::ceil(split.pixelSize * 1.6));
    split.picture = QRectF(box.left(), box.top(), box.width(), box.height() - band);
    split.band = QRectF(box.left(), box.bottom() - band, box.width(), band);
    return split;
}

qreal captionRoom(const CaptionedBox& box) {
    return box.band.width() - 8;
}

QFont captionFont(const CaptionedBox& box, const QString& caption, const QFont& font) {
    QFont bold = font;
    bold.setBold(true);
    int pixelSize = box.pixelSize;
    bold.setPixelSize(pixelSize);
    while (pixelSize > 9 && QFontMetricsF(bold).horizontalAdvance(caption) > captionRoom(box))
        bold.setPixelSize(--pixelSize);
    return bold;
}

void paintCaption(QPainter& painter, const CaptionedBox& box, const QString& caption, const QFont& font) {
    painter.fillRect(box.band, QColor(0x2b, 0x33, 0x3e));
    if (caption.isEmpty()) return;
    const QRectF room = box.band.adjusted(4, 0, -4, 0);
    const QFont bold = captionFont(box, caption, font);
    painter.setFont(bold);
    painter.setPen(Qt::white);
    const QString shown = QFontMetricsF(bold).elidedText(caption, Qt::ElideRight, room.width());
    painter.drawText(room, Qt::AlignCenter, shown);
}

} // namespace core
