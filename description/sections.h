#pragma once

// The description assistant's sections built from their fields, without the
// window: each page's fields as the window holds them (the defaults are the
// window's start values) and the function that builds the section's HTML.
// Sections that tidy list fields, or write a size label, give a core::Built
// with those field updates in the window's order.

#include "core/snippet.h"
#include "core/text.h"
#include "description/samples.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace description {

// The total width W every section takes from `lblzongkuan` at start.
inline const QString kStartWidth = QStringLiteral("750");

// ---- Header sections ----

// 关联销售: four or three products in a row.
struct RelatedItemsInput {
    QString width = kStartWidth;
    int layout = -1;                              // rgleixing: 0 "图文4列", 1 "图文3列", -1 none
    QString totalHeight = QStringLiteral("0");    // lblzonggao; "0" while no layout is chosen
    QString imageWidth = QStringLiteral("0");     // lbltukuan
    QString imageHeight = QStringLiteral("0");    // lbltugao
    QString smallColour = QStringLiteral("#999"); // edtzise
    QString priceColour = QStringLiteral("#F30"); // edt23
    QString titles = QString(QStringLiteral("披肩中老年蝙蝠外套|\r\n")).repeated(4); // mmoone
    QString pictures = core::joinLines(samplePictures(1, 4, QStringLiteral("|")));   // mmotwo
    QString links = QStringLiteral("#|#|#|#\r\n");                                   // mmothree
    QString prices = QStringLiteral("59.00|\r\n68.00|\r\n59.00|\r\n63.00|\r\n");     // mmoguanlianjiage

    // Whether a layout was chosen since the last change of shop type.
    bool layoutChosen() const { return totalHeight != QLatin1String("0"); }
};

// The section, after the four lists are tidied. With no layout chosen the
// lists are tidied and nothing else is built.
core::Built relatedItemsHtml(const RelatedItemsInput& input);

// The size labels a layout choice writes (总高, 图宽, 图高) for the total width.
core::Built relatedItemsLayoutSizes(int layout, const QString& width);

// The layout name an added entry carries: "图文四列", "图文三列" or nothing.
QString relatedItemsLayoutName(int layout);

// 分隔条: a 40 px bar with a title block at the left and a text at the right.
struct DividerBarInput {
    QString width = kStartWidth;
    QString background = QStringLiteral("#F3F3F3");  // edt1
    QString highlight = QStringLiteral("#c0c0c0");   // edt24, the title block
    QString lineWidth = QStringLiteral("0");         // cbb2
    QString lineColour = QStringLiteral("#8080FF");  // edt2
    QString title = QStringLiteral("产品参数");      // edt3
    QString titleColour = QStringLiteral("#fff");    // edt4
    QString fontSize = QStringLiteral("16");         // cbb1
    QString right = QStringLiteral("欢迎光临本店");  // edt25
    QString rightColour = QStringLiteral("#808080"); // edt28
};

QString dividerBarHtml(const DividerBarInput& input);

// 优惠券: always three coupons.
struct CouponsInput {
    QString width = kStartWidth;
    QString background = QStringLiteral("#66F");      // edt5
    QString text = QStringLiteral("#FFF");            // edt6
    QString tab = QStringLiteral("#F60");             // edt7, the "领取" tab
    QString tabText = QStringLiteral("#FFF");         // edt8
    QString amounts = QStringLiteral("10|20|50\r\n"); // mmojine
    QString conditions = QStringLiteral("满100元使用|\r\n满200元使用|\r\n满300元使用|\r\n"); // mmoshuoming
    QString links = QStringLiteral("#|#|#\r\n");                                             // mmolianjie
};

core::Built couponsHtml(const CouponsInput& input);

// 搭配销售: two products and the package price.
struct ComboOfferInput {
    QString width = kStartWidth;
    bool tmall = false;                                    // shop type "天猫店"
    QString picture1 = samplePicture(1);                   // edt9
    QString title1 = QStringLiteral("华为荣耀，闪耀全城"); // edt10
    QString link1 = QStringLiteral("#");                   // edt11
    QString picture2 = samplePicture(1);                   // edt12
    QString title2 = QStringLiteral("华为荣耀，闪耀全城"); // edt13
    QString link2 = QStringLiteral("#");                   // edt14
    QString oldPrice = QStringLiteral("1696.0");           // edt15
    QString price = QStringLiteral("696.0");               // edt16
    QString button = QStringLiteral("#66F");               // edt17
    QString buttonText = QStringLiteral("#fff");           // edt18
    QString buyLink = QStringLiteral("#");                 // edt19
};

// Writes the image width (图宽, 220 or 230 by shop type) first.
core::Built comboOfferHtml(const ComboOfferInput& input);

// ---- Product information ----

// 产品参数: a picture at the left and one parameter a line at the right.
struct ParametersInput {
    QString width = kStartWidth;
    QString parameters = core::joinLines( // mmocanshu
        {QStringLiteral("CPU型号：苹果A7 "), QStringLiteral("屏幕尺寸：4.0英寸 "),
         QStringLiteral("运行内存：1GB "), QStringLiteral("屏幕分辨率：1136×640像素 "),
         QStringLiteral("机身容量：16GB "), QStringLiteral("操作系统：iOS 8.0 "),
         QStringLiteral("后置相机：800万像素")});
    QString picture = samplePicture(5); // edtcanshutu
};

QString parametersHtml(const ParametersInput& input);

// 产品尺码: the fixed chart, 750 px wide whatever the shop type; it has no
// fields. The lines as its hidden box holds them, and the section.
QStringList sizeChartLines();
QString sizeChartHtml();

// 产品展示: n pictures one under the other.
struct ProductDisplayInput {
    QString width = kStartWidth;
    QString count = QStringLiteral("5");                                  // cbb3
    QString pictures = core::joinLines(samplePictures(11, 5, QString())); // mmozhanshi
};

core::Built productDisplayHtml(const ProductDisplayInput& input);

// 产品细节: n pictures with a title and a description each, below the
// picture or laid over it.
struct ProductDetailsInput {
    QString width = kStartWidth;
    int style = 0;                                                  // rg2: 0 "图文列表", 1 "图文叠加"
    QString count = QStringLiteral("5");                            // cbb4
    QString titleColour = QStringLiteral("#f30");                   // edt20
    QString smallColour = QStringLiteral("#999");                   // edt21
    QString titles = barLines(QStringLiteral("高品质面料说明"), 5); // mmoxijiebiaoti
    QString descriptions =                                          // mmoxijieshuoming
        barLines(QStringLiteral("2016单鞋春款时尚蛋卷鞋浅口新品真皮豆豆鞋平底软底串珠水钻女鞋"), 5);
    QString pictures = core::joinLines(samplePictures(21, 5, QString())); // mmoxijietupian
    // The natural heights of the pictures the overlay blocks show, by
    // address, as the window measured them before the build.
    QHash<QString, int> heights = {};

    bool overlay() const { return style == 1; }
};

// In the overlay style, a picture whose height was not measured fails the
// build with "图片没有下载：" and its address.
core::Built productDetailsHtml(const ProductDetailsInput& input);

// What the window measures before it builds the details: in the overlay
// style, the lists tidied as the build tidies them (the snippet stays empty)
// and the pictures the blocks will ask for, as far as the list reaches.
struct PicturesToMeasure {
    core::Built tidied;
    QStringList pictures;
};
PicturesToMeasure productDetailsPictures(const ProductDetailsInput& input);

// ---- Auxiliary sections ----

// 分割样式: a centred title with an underline and a subtitle between dashes.
struct SectionTitleInput {
    QString width = kStartWidth;
    QString background = QStringLiteral("#FFF");                        // edtfengedise
    QString titleSize = QStringLiteral("48");                           // cbb5
    QString titleColour = QStringLiteral("#000");                       // edtfengebiaoti
    QString smallColour = QStringLiteral("#999");                       // edtfengexiaozi
    QString smallSize = QStringLiteral("14");                           // cbb6
    QString lineWidth = QStringLiteral("1");                            // cbb7
    QString lineColour = QStringLiteral("#999");                        // edtfengexian
    QString lineStyle = QStringLiteral("dashed");                       // cbb8
    QString title = QStringLiteral("精美细致 完美品质");                // edt26
    QString subtitle = QStringLiteral("Exquisite and perfect quality"); // edt27
};

QString sectionTitleHtml(const SectionTitleInput& input);

// 交流版块: the fixed notes table, 750 px wide whatever the shop type, its
// labels in the chosen colour.
struct BuyersNotesInput {
    QString labelColour = QStringLiteral("#F30"); // edt22
};

// The table as its hidden box holds it, its labels in the table's own colour.
QStringList buyersNotesLines();
QString buyersNotesHtml(const BuyersNotesInput& input);

// 自定义: the typed code in a 750 px table.
struct CustomHtmlInput {
    QString code = {}; // mmo34
};

QString customCodeHtml(const CustomHtmlInput& input);

// ---- The page ----

// A bar-separated list field tidied for a build: trimmed (the update writes
// it back) and split into its entries.
QStringList tidiedList(core::Built& built, const QString& control, const QString& text);

// The page "汇总" assembles: each entry's code followed by CR LF, in list order.
QString assembledPage(const QStringList& codes);

// A page as the assistant assembles it from a few sections with their start
// values: what the launcher's picture of the assistant shows.
QString samplePage();

} // namespace description
