#pragma once

#include "core/form.h"
#include "generators/promotions/pagewidgets.h"

namespace generators {

// The fields of the share button, as typed; the defaults are the window's.
struct LikeInput {
    QString picture = pagewidgets::samplePicture(QStringLiteral("share-92x27.png")); // edt1
    QString width = QStringLiteral("92");                                            // edt2
    QString height = QStringLiteral("27");                                           // edt3
    QString slogan = QStringLiteral("亲，发现这个宝贝真心不错，分享一下吧！\r\n");   // mmo1
    QString item = QStringLiteral("520131415926");                                   // edt4, the item ID
};

// The marketplace's share widget for one item, drawn with the button picture.
QString likeSnippet(const LikeInput& input);

// A share button for one product.
class Tfrmlike : public core::Form {
    Q_OBJECT
public:
    Tfrmlike();

private:
    LikeInput input() const;
};

} // namespace generators
