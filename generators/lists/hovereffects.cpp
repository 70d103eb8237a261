#include "generators/lists/hovereffects.h"

#include "core/preview.h"

#include <QEvent>
#include <QFrame>
#include <QMouseEvent>
#include <QWidget>

namespace generators::hover {

const PopupHead kPopupHead{
    QStringLiteral(
        "<div class=\"J_TWidget hidden\" data-widget-type=\"Popup\" \r\ndata-widget-config=\"{ 'trigger':'."),
    QStringLiteral("',\r\n 'align':{ 'node':'."),
    QStringLiteral("',\r\n 'offset':[0,0], \r\n'points':['cc','cc'] }\r\n }\">")};

bool marketShop(const QString& comboText) {
    return comboText == QStringLiteral("集市店");
}

namespace {

class PointerMoveFilter : public QObject {
public:
    PointerMoveFilter(core::Form* form, QWidget* widget, QString handler)
        : QObject(widget)
        , m_form(form)
        , m_handler(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Enter) m_form->fire(m_handler);
        // A move over a child reaches the widget too when the child ignores it.
        if (event->type() == QEvent::MouseMove) {
            auto* widget = static_cast<QWidget*>(watched);
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (!widget->childAt(at)) m_form->fire(m_handler);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    core::Form* m_form;
    QString m_handler;
};

} // namespace

void onPointerMove(core::Form* form, QWidget* widget, const QString& handler) {
    widget->setMouseTracking(true);
    widget->installEventFilter(new PointerMoveFilter(form, widget, handler));
}

QString tilePictureField(int k) {
    return QStringLiteral("edt%1").arg(2 * k - 1);
}

QString tileLinkField(int k) {
    return QStringLiteral("edt%1").arg(2 * k);
}

void HoverForm::addShopCombo(QWidget* parent, const QRect& geometry) {
    addCombo(parent, QStringLiteral("cbb1"), geometry, {QStringLiteral("集市店"), QStringLiteral("天猫店")},
             QStringLiteral("集市店"));
}

void HoverForm::addSizeLabel(QWidget* parent, const QPoint& at, const QString& caption, const QString& name,
                             const QString& value, bool unit) {
    addCaption(parent, QRect(at, QSize(70, 22)), caption);
    addLabel(parent, name, QRect(at + QPoint(70, 0), QSize(32, 22)), value);
    if (unit) addCaption(parent, QRect(at + QPoint(102, 0), QSize(20, 22)), QStringLiteral("px"));
}

void HoverForm::addShopSizes(QWidget* parent, const QPoint& origin, int perRow,
                             const QList<ShopSize>& sizes) {
    for (qsizetype i = 0; i < sizes.size(); ++i)
        addSizeLabel(parent, origin + QPoint(110 * (i % perRow), 28 * (i / perRow)), sizes[i].caption,
                     sizes[i].label, sizes[i].market);
    followShopType(sizes);
}

void HoverForm::addHiddenShopSizes(const QList<ShopSize>& sizes) {
    for (const ShopSize& size : sizes)
        addHolder(size.label, size.market);
    followShopType(sizes);
}

void HoverForm::followShopType(const QList<ShopSize>& sizes) {
    m_shopSizes += sizes;
    if (hasHandler(QStringLiteral("cbb1Change"))) return;
    on(QStringLiteral("cbb1Change"), [this] {
        const bool market = marketShop(text(QStringLiteral("cbb1")));
        for (const ShopSize& size : m_shopSizes)
            setText(size.label, market ? size.market : size.other);
    });
}

void HoverForm::addPopupHolders(const QString& open, const QString& align, const QString& close,
                                const PopupHead& head) {
    addHolder(open, head.open);
    addHolder(align, head.align);
    addHolder(close, head.close);
}

void HoverForm::addReferencePanel(QWidget* button, QWidget* group, const QRect& geometry,
                                  const QString& caption) {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("pnl1"));
    panel->setFrameShape(QFrame::Box);
    panel->setAutoFillBackground(true);
    panel->setGeometry(geometry);
    core::addPreviewPicture(panel, QRect(QPoint(2, 2), geometry.size() - QSize(4, 4)), caption);
    panel->hide();
    const QString shown = button->objectName() + QStringLiteral("MouseMove");
    const QString hidden = group->objectName() + QStringLiteral("MouseMove");
    on(shown, [panel] {
        panel->show();
        panel->raise();
    });
    on(hidden, [panel] { panel->hide(); });
    onPointerMove(this, button, shown);
    onPointerMove(this, group, hidden);
}

void styleAsLink(QWidget* label) {
    label->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    label->setCursor(Qt::PointingHandCursor);
}

} // namespace generators::hover
