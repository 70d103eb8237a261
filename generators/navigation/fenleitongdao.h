#pragma once

#include "core/form.h"

#include <QList>
#include <QStringList>

namespace generators {

// The fields of the quick category channel, as the window holds them; the
// defaults are the window's.
struct FenleitongdaoInput {
    QString width = QStringLiteral("950");  // lbl17, the whole channel, set by the shop type
    QString middle = QStringLiteral("600"); // lbl18, the middle area
    QString shop = QStringLiteral("https://qingwu360.taobao.com"); // edt6, without a trailing "/"
    QString title = QStringLiteral("快速导航");     // edt1
    QString titleBack = QStringLiteral("#C00");     // edt2
    QString titleColour = QStringLiteral("#fff");   // edt3
    QString side = QStringLiteral("#d9d9d9");       // edt4, the left column and the top row
    QString textColour = QStringLiteral("#000");    // edt5, the block and every link
    QString picture = QStringLiteral("https://img.alicdn.com/imgextra/i3/qingwu/fenlei-200x240.jpg"); // edt7
    QString pictureLink = QStringLiteral("#");      // edt8
    // The three top links: (edt12, edt15), (edt42, edt58), (edt74, edt89).
    QStringList topNames = {QStringLiteral("按新品"), QStringLiteral("按销量"), QStringLiteral("按收藏")};
    QStringList topLinks = QStringList(3, QStringLiteral("#"));
    // The five groups, each a big name and seven links.
    struct Group {
        QString big;
        QStringList names, links;
    };
    QList<Group> groups;

    FenleitongdaoInput();
};

// The 280 px channel: left column, middle rows of links, search and picture.
QString fenleitongdaoSnippet(const FenleitongdaoInput& input);

// A 280 px quick category channel: big category names on the left, rows of
// category links in the middle, the shop search and a picture link on the
// right, as wide as the chosen shop type's home page.
class Tfrmfenleitongdao : public core::Form {
    Q_OBJECT
public:
    Tfrmfenleitongdao();

private:
    FenleitongdaoInput input() const;
};

} // namespace generators
