#pragma once

#include "core/form.h"

#include <QStringList>

namespace generators {

// The fields of the footer with links and columns, as typed; the defaults are
// the window's.
struct DbdmInput {
    QString theme = QStringLiteral("#000"); // edt7
    // The four links: texts edt8, edt10, edt12, edt13; addresses edt9, edt11, edt14, edt15.
    QStringList linkTexts = {QStringLiteral("首页"), QStringLiteral("新品发布"), QStringLiteral("热销推荐"),
                             QStringLiteral("清仓热卖")};
    QStringList linkAddresses = QStringList(4, QStringLiteral("#"));
    // The four columns: titles edt1 to edt4, texts mmo1 to mmo4 as the memos hold them.
    QStringList titles = {QStringLiteral("温馨提示"), QStringLiteral("关于快递"), QStringLiteral("关于色差"),
                          QStringLiteral("关于退换货")};
    QStringList texts = {QStringLiteral("这里是温馨提示信息\r\n"), QStringLiteral("关于快递信息\r\n"),
                         QStringLiteral("关于色差信息\r\n"), QStringLiteral("关于退换货信息\r\n")};
    QString favouritePicture =
        QStringLiteral("https://img.alicdn.com/imgextra/i4/qingwu/dibu-shoucang-75x75.png"); // edt5
    QString backPicture = QStringLiteral("https://img.alicdn.com/imgextra/i4/qingwu/dibu-fanhui-75x75.png"); // edt6
    QString favouriteLink = QStringLiteral("#"); // edt16
    QString shopLink = QStringLiteral("#");      // edt17
};

// The footer: the link row, the four columns and the two picture buttons.
QString dbdmSnippet(const DbdmInput& input);

// The fields of the footer over an animated picture, as the window holds them;
// the defaults are the window's.
struct DonghuadibuInput {
    QString width = QStringLiteral("950");         // lbl2, set by the shop type
    QString highlight = QStringLiteral("#00A5C5"); // edt6, the three titles
    // Left, middle, right: titles edt1 to edt3, texts mmo1 to mmo3 as the memos hold them.
    QStringList titles = {QStringLiteral("发货时间"), QStringLiteral("关于快递"), QStringLiteral("关于退换货")};
    QStringList texts = {QStringLiteral("16点前下单当日发货，16点\r\n后下单次日发货。\r\n"),
                         QStringLiteral("默认发顺丰快递，港澳台地\r\n区不发货。\r\n"),
                         QStringLiteral("本店支持七天无理由退换货\r\n政策。\r\n")};
    QString favouriteLink = QStringLiteral("#"); // edt4
    QString background = QStringLiteral(
        "https://img.alicdn.com/L1/142/414097029/modules/tshop-um-lo-end/assets/images/a.gif"); // edt5
};

// The footer over its background picture.
QString donghuadibuSnippet(const DonghuadibuInput& input);

// A footer with four text links, four titled information columns and two
// picture buttons, in one theme colour.
class Tfrmdbdm : public core::Form {
    Q_OBJECT
public:
    Tfrmdbdm();

private:
    DbdmInput input() const;
};

// A footer drawn over an animated background picture: three titled texts, a
// back-to-top link and an invisible favourites area.
class TFrmdonghuadibu : public core::Form {
    Q_OBJECT
public:
    TFrmdonghuadibu();

private:
    DonghuadibuInput input() const;
};

} // namespace generators
