#pragma once

#include "core/form.h"

#include <QList>
#include <QString>

class QPoint;
class QRect;
class QWidget;

namespace generators::hover {

// A popup head in three parts, as a window holds it in three hidden labels.
struct PopupHead {
    QString open, align, close;
    // The head for the element of class `cls`: open + cls + align + cls + close.
    QString of(const QString& cls) const { return open + cls + align + cls + close; }
};

// The popup head with line breaks: the popup is triggered by the element of
// class c and centred on it.
extern const PopupHead kPopupHead;

// The shop type of a combo text: "集市店" is the ordinary shop, any other
// text counts as a Tmall shop.
bool marketShop(const QString& comboText);

// A label and its texts for the ordinary and the Tmall shop, with the caption
// shown before it.
struct ShopSize {
    QString label;
    QString market;
    QString other;
    QString caption;
};

// Runs the form's handler whenever the pointer moves over the widget.
void onPointerMove(core::Form* form, QWidget* widget, const QString& handler);

// Fields of tile k (1-based) in the windows that list picture and link in
// turn: the picture is edt 2k - 1, the link edt 2k.
QString tilePictureField(int k);
QString tileLinkField(int k);

// A generator of this family: sizes that follow the shop type, shown in labels.
class HoverForm : public core::Form {
    Q_OBJECT
protected:
    using core::Form::Form;
    // The shop-type combo box "cbb1": "集市店" or "天猫店", "集市店" at start.
    void addShopCombo(QWidget* parent, const QRect& geometry);
    // A caption with the size label `name` after it and, with `unit`, "px".
    void addSizeLabel(QWidget* parent, const QPoint& at, const QString& caption, const QString& name,
                      const QString& value, bool unit = false);
    // The size labels, laid out `perRow` to a row from `origin` and holding the
    // ordinary shop's sizes; "cbb1Change" writes the sizes of the shop type
    // chosen in cbb1.
    void addShopSizes(QWidget* parent, const QPoint& origin, int perRow, const QList<ShopSize>& sizes);
    // The same for sizes the window only keeps: hidden labels, never shown.
    // Both kinds may be added to one window; "cbb1Change" writes them all.
    void addHiddenShopSizes(const QList<ShopSize>& sizes);
    // The three hidden labels that hold a popup head.
    void addPopupHolders(const QString& open, const QString& align, const QString& close,
                         const PopupHead& head);
    // The hidden panel "pnl1" with a reference picture of the layout: shown
    // while the pointer moves over `button`, hidden again over `group`.
    void addReferencePanel(QWidget* button, QWidget* group, const QRect& geometry, const QString& caption);

private:
    void followShopType(const QList<ShopSize>& sizes);

    QList<ShopSize> m_shopSizes;
};

// A label drawn as a link (blue, underlined) that reacts to clicks.
void styleAsLink(QWidget* label);

} // namespace generators::hover
