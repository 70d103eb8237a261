#include "generators/carousels/liutumingxing.h"

#include "core/preview.h"
#include "core/registry.h"
#include "generators/carousels/widgets.h"

#include <QGroupBox>

namespace generators {

namespace {

// The fields of group k (1-based) in order: large picture, thumbnail, link,
// title, price.
enum GroupField { Large, Thumbnail, Link, Title, Price };

QString groupField(int k, GroupField f) {
    return QStringLiteral("edt%1").arg(5 * (k - 1) + 1 + f);
}

// The input's list of a kind of group field.
QStringList& groupList(LiutumingxingInput& in, GroupField f) {
    QStringList* lists[] = {&in.pictures, &in.thumbnails, &in.links, &in.titles, &in.prices};
    return *lists[f];
}

// The carousel, held by lbl7.
const QString kWidget =
    widgets::carousel(QStringLiteral("kavri_120_cont2"), QStringLiteral("kavri_120_nav2"));

const QString kGroups[] = {QStringLiteral("第一组"), QStringLiteral("第二组"), QStringLiteral("第三组"),
                           QStringLiteral("第四组"), QStringLiteral("第五组"), QStringLiteral("第六组")};

} // namespace

Tfrmliutumingxing::Tfrmliutumingxing()
    : CarouselForm(QStringLiteral("Tfrmliutumingxing"), QStringLiteral("六图明星卡盘")) {
    setClientSize(1036, 558);
    LiutumingxingInput defaults;

    for (int k = 1; k <= 6; ++k) {
        const int column = (k - 1) % 3;
        const int row = (k - 1) / 3;
        QGroupBox* group = addGroup(this, QStringLiteral("grp%1").arg(k),
                                    QRect(8 + 342 * column, 8 + 226 * row, 334, 218), kGroups[k - 1]);
        const QString captions[] = {QStringLiteral("大图地址："), QStringLiteral("小图地址："),
                                    QStringLiteral("链接地址："), QStringLiteral("标题信息："),
                                    QStringLiteral("产品价格：")};
        for (int f = Large; f <= Price; ++f) {
            const int y = 24 + 38 * f;
            addCaption(group, QRect(8, y, 70, 22), captions[f]);
            addEdit(group, groupField(k, GroupField(f)), QRect(78, y, f == Thumbnail ? 208 : 246, 24),
                    groupList(defaults, GroupField(f))[k - 1]);
        }
        addButton(group, QStringLiteral("btn%1").arg(k), QRect(292, 24 + 38, 32, 24), QStringLiteral("复"));
    }

    addCaption(this, QRect(8, 470, 70, 22), QStringLiteral("店铺类型："));
    addShopType(this, QRect(78, 468, 90, 24),
                {{QStringLiteral("lbl9"), QStringLiteral("950"), QStringLiteral("990")},
                 {QStringLiteral("lbl10"), QStringLiteral("560"), QStringLiteral("600")}});
    addCaption(this, QRect(184, 470, 70, 22), QStringLiteral("按钮底色："));
    addEdit(this, QStringLiteral("edt31"), QRect(254, 468, 80, 24), defaults.buttonColour);
    addLabel(this, QStringLiteral("lbl11"), QRect(8, 506, 520, 22),
             QStringLiteral("小图尺寸：180x180，中间大图 集市店560宽 天猫店600宽"));
    addButton(this, QStringLiteral("btn8"), QRect(700, 462, 150, 80), QStringLiteral("查看参照"));
    addButton(this, QStringLiteral("btn7"), QRect(870, 462, 150, 80), QStringLiteral("提取代码"));

    addReferencePanel(QRect(8, 8, 1020, 444), QStringLiteral("六图明星卡盘参照"),
                      QStringLiteral("鼠标指向小图，大图会发生变化！"), QStringLiteral("btn8MouseMove"),
                      QStringLiteral("FormMouseMove"));
    // The widths and the output memo lie outside the client area.
    addHolder(QStringLiteral("lbl9"), defaults.width);
    addHolder(QStringLiteral("lbl10"), defaults.pictureWidth);
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});
    addHolder(QStringLiteral("lbl7"), kWidget);

    for (int k = 1; k <= 6; ++k)
        on(QStringLiteral("btn%1Click").arg(k), [this, k] {
            setText(groupField(k, Thumbnail), text(groupField(k, Large)));
            message(QStringLiteral("大图地址已经复制给小图！"));
        });
    on(QStringLiteral("btn7Click"), [this] {
        deliver(
            QStringLiteral("mmo1"), liutumingxingSnippet(input()),
            QStringLiteral(
                "代码已被复制，集市店天猫店正常安装即可，基础版需要借助基础版转专业版功能转化一下在安装！"));
    });
}

LiutumingxingInput::LiutumingxingInput()
    : links(6, QStringLiteral("#"))
    , titles(6, QStringLiteral("一句话简介概述该产品的描述信息"))
    , prices(6, QStringLiteral("RMB:89.00")) {
    for (int k = 1; k <= 6; ++k) {
        pictures << widgets::samplePicture(QStringLiteral("star-560x560-%1.jpg").arg(k));
        thumbnails << widgets::samplePicture(QStringLiteral("star-180x180-%1.jpg").arg(k));
    }
}

LiutumingxingInput Tfrmliutumingxing::input() const {
    LiutumingxingInput in;
    in.width = text(QStringLiteral("lbl9"));
    in.pictureWidth = text(QStringLiteral("lbl10"));
    in.buttonColour = text(QStringLiteral("edt31"));
    for (int k = 1; k <= 6; ++k)
        for (int f = Large; f <= Price; ++f)
            groupList(in, GroupField(f))[k - 1] = text(groupField(k, GroupField(f)));
    return in;
}

QString liutumingxingSnippet(const LiutumingxingInput& in) {
    const QString& t = in.width;
    const QString& m = in.pictureWidth;
    const QString& colour = in.buttonColour;

    QString out =
        QStringLiteral("<div style=\"width:") + t + QStringLiteral("px; height:560px; overflow:hidden\">");
    out += kWidget;

    // Thumbnails 1, 3, 5 at the left edge, 2, 4, 6 at the right edge.
    out += QStringLiteral("<div style=\"width:") + t +
           QStringLiteral("px; height:560px; overflow:hidden\"><div class=\"kavri_120_nav2\">");
    for (int k = 1; k <= 6; ++k)
        out += QStringLiteral("<div style=\" height:180px; width:50%; float:left; margin-bottom:10px;\"><div "
                              "style=\"float:") +
               (k % 2 == 1 ? QStringLiteral("left") : QStringLiteral("right")) +
               QStringLiteral("; width:180px; height:180px;\"><img src=\"") + in.thumbnails[k - 1] +
               QStringLiteral("\" alt=\"青梧美工\" width=\"180\" height=\"180\" /></div></div>");
    out += QStringLiteral("</div></div>");

    // The large picture is lifted over the thumbnails, 195 px from the left.
    out +=
        QStringLiteral("<div style=\"width:") + m +
        QStringLiteral("px; height:560px; position:relative; left:195px; top:-560px;overflow:hidden \"><div "
                       "class=\"kavri_120_cont2\">");
    for (int k = 1; k <= 6; ++k) {
        out += QStringLiteral("<a style=\"text-decoration:none; color:#FFF\" href=\"") + in.links[k - 1] +
               QStringLiteral("\" target=\"_blank\"><div style=\"width:") + m +
               QStringLiteral("px; height:560px;background-image:url(") + in.pictures[k - 1] +
               QStringLiteral(");font-family: Microsoft yahei;\"><div style=\"height:500px;\"></div>");
        out += QStringLiteral("<div style=\" float:left; width:") + m +
               QStringLiteral("px;height:60px; text-align:left;background-color:#000; font-size:16px; "
                              "line-height:25px; filter:alpha(Opacity=80); opacity: 0.8; color:#FFF\"><div  "
                              "style=\" float:left; line-height:60px; width:300px; padding-left:20px;\">") +
               in.titles[k - 1];
        out +=
            QStringLiteral("</div><div style=\"font-size:16px; width:100px;line-height:40px;  float:right; "
                           "background-color:") +
            colour +
            QStringLiteral(
                ";text-align:center; color:#fff; margin:10px;\">详情点击</div><div  style=\"float:right; "
                "line-height:60px; padding-right:15px;\">") +
            in.prices[k - 1] + QStringLiteral("</div></div></div></a>");
    }
    out += QStringLiteral("</div></div>");
    out += QStringLiteral("</div></div>");
    return out;
}

QINGWU_WINDOW(
    Tfrmliutumingxing,
    {.order = 450,
     .tile = core::Tile{.page = u"ts8", .row = 2, .column = 2, .image = u"img56", .caption = u"六图明星卡盘"},
     .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbb1"},
     .sample = [] { return liutumingxingSnippet(LiutumingxingInput()); }})

} // namespace generators
