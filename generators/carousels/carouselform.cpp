#include "generators/carousels/carouselform.h"

#include "core/preview.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLineEdit>
#include <QMouseEvent>

namespace generators {

namespace {
const QString kMouseMove = QStringLiteral("MouseMove");
}

CarouselForm::CarouselForm(const QString& className, const QString& caption)
    : core::Form(className, caption) {}

QComboBox* CarouselForm::addShopType(QWidget* parent, const QRect& geometry,
                                     const QList<ShopTypeLabel>& labels) {
    const QString market = QStringLiteral("集市店");
    QComboBox* combo =
        addCombo(parent, QStringLiteral("cbb1"), geometry, {market, QStringLiteral("天猫店")}, market);
    on(QStringLiteral("cbb1Change"), [this, labels, market] {
        const bool ordinary = text(QStringLiteral("cbb1")) == market;
        for (const ShopTypeLabel& l : labels)
            setText(l.label, ordinary ? l.market : l.tmall);
    });
    return combo;
}

void CarouselForm::onMouseMove(const QString& handler, std::function<void()> action) {
    on(handler, std::move(action));
    const QString name = handler.chopped(kMouseMove.size());
    if (name == QLatin1String("Form")) {
        // Moves over the background only: controls keep their own moves.
        setMouseTracking(true);
        m_pointer.insert(this, handler);
        installEventFilter(this);
        return;
    }
    QWidget* target = control(name);
    target->setMouseTracking(true);
    m_pointer.insert(target, handler);
    target->installEventFilter(this);
}

QFrame* CarouselForm::addReferencePanel(const QRect& geometry, const QString& picture, const QString& note,
                                        const QString& showHandler, const QString& hideHandler) {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pnl1"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    panel->setGeometry(geometry);
    core::addPreviewPicture(panel, QRect(4, 4, geometry.width() - 8, geometry.height() - 40), picture);
    addCaption(panel, QRect(10, geometry.height() - 32, geometry.width() - 20, 24), note);
    panel->hide();
    onMouseMove(showHandler, [panel] {
        panel->show();
        panel->raise();
    });
    onMouseMove(hideHandler, [panel] { panel->hide(); });
    return panel;
}

void CarouselForm::addPictureRows(QWidget* parent, int count, const PictureRows& layout,
                                  const std::function<QString(int)>& picture,
                                  const std::function<QString(int)>& link, const QStringList& pictures,
                                  const QStringList& links) {
    for (int k = 1; k <= count; ++k) {
        const int y = layout.top + layout.step * (k - 1);
        const QString number = QStringLiteral("%1").arg(k, 2, 10, QLatin1Char('0'));
        addCaption(parent, QRect(layout.pictureLeft - 58, y, 56, 22), QStringLiteral("图片%1：").arg(number));
        addEdit(parent, picture(k), QRect(layout.pictureLeft, y, layout.pictureWidth, 24), pictures[k - 1]);
        addCaption(parent, QRect(layout.linkLeft - 58, y, 56, 22), QStringLiteral("链接%1：").arg(number));
        addEdit(parent, link(k), QRect(layout.linkLeft, y, layout.linkWidth, 24), links[k - 1]);
    }
}

void CarouselForm::clearEdits() {
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        if (!qobject_cast<QComboBox*>(edit->parentWidget())) edit->clear();
}

bool CarouselForm::eventFilter(QObject* watched, QEvent* event) {
    const auto found = m_pointer.constFind(watched);
    if (found != m_pointer.constEnd()) {
        if (watched == this) {
            // A move that a control passed on to the window is not over the background.
            if (event->type() == QEvent::MouseMove &&
                !childAt(static_cast<QMouseEvent*>(event)->position().toPoint()))
                dispatch(*found);
        } else if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
            dispatch(*found);
        }
    }
    return core::Form::eventFilter(watched, event);
}

} // namespace generators
