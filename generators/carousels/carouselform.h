#pragma once

#include "core/form.h"

#include <QHash>
#include <QList>
#include <QStringList>

class QComboBox;
class QFrame;

namespace generators {

// A label that a shop-type combo rewrites: its text for an ordinary shop
// ("集市店") and for any other choice (a Tmall shop).
struct ShopTypeLabel {
    QString label;
    QString market;
    QString tmall;
};

// Where numbered picture rows lie on their group: the first row's top, the
// step between rows and the left edge and width of both fields.
struct PictureRows {
    int top, step;
    int pictureLeft, pictureWidth;
    int linkLeft, linkWidth;
};

// The base of the multi-image and card carousels: the shop-type combo with
// the labels it rewrites, pointer handlers and the reference panel.
class CarouselForm : public core::Form {
    Q_OBJECT
public:
    CarouselForm(const QString& className, const QString& caption);

protected:
    // The shop-type combo "cbb1" ("集市店" or "天猫店", "集市店" at first);
    // "cbb1Change" writes each label's text for the type chosen.
    QComboBox* addShopType(QWidget* parent, const QRect& geometry, const QList<ShopTypeLabel>& labels);

    // Registers a handler named after a control and "MouseMove": it runs when
    // the pointer enters or moves over that control ("Form": over the
    // window's own background).
    void onMouseMove(const QString& handler, std::function<void()> action);

    // The reference panel "pnl1" with a picture of the finished module and a
    // note, hidden at first; `showHandler` shows it and `hideHandler` hides it.
    QFrame* addReferencePanel(const QRect& geometry, const QString& picture, const QString& note,
                              const QString& showHandler, const QString& hideHandler);

    // Rows k = 1 … count captioned "图片01：" … and "链接01：" …: the field
    // picture(k) holding pictures[k - 1] and the field link(k) holding
    // links[k - 1].
    void addPictureRows(QWidget* parent, int count, const PictureRows& layout,
                        const std::function<QString(int)>& picture, const std::function<QString(int)>& link,
                        const QStringList& pictures, const QStringList& links);

    // Empties every single-line edit field of the window.
    void clearEdits();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<QObject*, QString> m_pointer;
};

} // namespace generators
