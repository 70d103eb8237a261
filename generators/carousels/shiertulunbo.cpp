#include "generators/carousels/shiertulunbo.h"

#include "core/messages.h"
#include "core/preview.h"
#include "core/registry.h"
#include "core/text.h"
#include "generators/carousels/widgets.h"

#include <QGroupBox>
#include <QLabel>

namespace generators {

namespace {

const QString kWidget = QStringLiteral(
    "<div class=\"J_TWidget\"  data-widget-type=\"Carousel\"  \rdata-widget-config=\"{'effect': "
    "'scrollx',\r\r\n "
    "'navCls':'kavri_28_nav',\r\r\n 'contentCls':'kavri_28_cont',\r\n 'prevBtnCls': 'kavri_28_prev',\r\n "
    "'nextBtnCls': 'kavri_28_next',\r\n 'easing':'bounceOut','duration':'1',\r\r\n "
    "'autoplay':'true'\r\r\n}\">");

const QString kPrevious = QStringLiteral(
    "<div class=\"kavri_28_prev\" style=\"width:48px; height:48px; font-size:40px; font-family:Simhei; "
    "text-align:center; line-height:50px; float:left;position:relative; top:-220px; left:10px; "
    "filter:alpha(Opacity=70); opacity: 0.7; background-color:#000; color:#FFF;cursor:pointer;\"><</div>");
const QString kNext = QStringLiteral(
    "<div class=\"kavri_28_next\" style=\"width:48px; height:48px; font-size:40px; font-family:Simhei; "
    "text-align:center; line-height:50px; float:right;position:relative; top:-220px; "
    "right:10px;filter:alpha(Opacity=70); opacity: 0.7; background-color:#000; "
    "color:#FFF;cursor:pointer;\">></div>");

// Design names of picture k (1-based) of group g (1-based) and its link.
QString pictureField(int g, int k) {
    return QStringLiteral("edt%1").arg(8 * (g - 1) + 2 * k - 1);
}
QString linkField(int g, int k) {
    return QStringLiteral("edt%1").arg(8 * (g - 1) + 2 * k);
}

const QString kGroupNames[] = {QStringLiteral("第一组"), QStringLiteral("第二组"), QStringLiteral("第三组")};
const QString kPictureNames[] = {QStringLiteral("青梧美工第一张"), QStringLiteral("青梧美工第二张"),
                                 QStringLiteral("青梧美工第三张"), QStringLiteral("青梧美工第四张")};

} // namespace

Tfrmshiertulunbo::Tfrmshiertulunbo()
    : CarouselForm(QStringLiteral("Tfrmshiertulunbo"), QStringLiteral("十二图轮播功能，分三组显示")) {
    setClientSize(994, 663);
    const ShiertulunboInput defaults;
    core::addPreviewPicture(this, QRect(0, 0, 994, 130), QStringLiteral("十二图轮播功能，分三组显示"));

    for (int g = 1; g <= 3; ++g) {
        QGroupBox* group = addGroup(this, QStringLiteral("grp%1").arg(g),
                                    QRect(8 + 329 * (g - 1), 136, 321, 435), kGroupNames[g - 1]);
        for (int k = 1; k <= 4; ++k) {
            const int y = 24 + 52 * (k - 1);
            addCaption(group, QRect(8, y, 70, 22), QStringLiteral("图%1地址：").arg(k));
            addEdit(group, pictureField(g, k), QRect(78, y, 233, 24), defaults.pictures[4 * (g - 1) + k - 1]);
            addCaption(group, QRect(8, y + 25, 70, 22), QStringLiteral("链接%1：").arg(k));
            addEdit(group, linkField(g, k), QRect(78, y + 25, 233, 24), defaults.links[4 * (g - 1) + k - 1]);
        }
        addButton(group, QStringLiteral("btn%1").arg(g), QRect(8, 234, 303, 30),
                  QStringLiteral("提交") + kGroupNames[g - 1]);
        addMemo(group, QStringLiteral("mmo%1").arg(g), QRect(8, 270, 303, 155),
                core::textLines(defaults.slides[g - 1]));
    }

    QGroupBox* output =
        addGroup(this, QStringLiteral("grp4"), QRect(8, 577, 884, 78), QStringLiteral("输出"));
    addShopType(output, QRect(10, 28, 90, 24),
                {{QStringLiteral("lbl5"), QStringLiteral("950"), QStringLiteral("990")},
                 {QStringLiteral("lbl7"), QStringLiteral("230"), QStringLiteral("240")},
                 {QStringLiteral("lbl8"), QStringLiteral("230"), QStringLiteral("240")}});
    addCaption(output, QRect(116, 30, 70, 22), QStringLiteral("版块宽度："));
    addLabel(output, QStringLiteral("lbl5"), QRect(186, 30, 40, 22), defaults.width);
    addCaption(output, QRect(236, 30, 70, 22), QStringLiteral("版块高度："));
    addLabel(output, QStringLiteral("lbl6"), QRect(306, 30, 40, 22), QStringLiteral("360"));
    addCaption(output, QRect(356, 30, 70, 22), QStringLiteral("小图宽度："));
    addLabel(output, QStringLiteral("lbl7"), QRect(426, 30, 40, 22), defaults.pictureWidth);
    addCaption(output, QRect(476, 30, 70, 22), QStringLiteral("小图高度："));
    addLabel(output, QStringLiteral("lbl8"), QRect(546, 30, 40, 22), QStringLiteral("230"));
    QLabel* help = addLabel(output, QStringLiteral("lbl10"), QRect(610, 30, 40, 22), QStringLiteral("提示"));
    help->setCursor(Qt::PointingHandCursor);
    addButton(output, QStringLiteral("btn5"), QRect(660, 22, 210, 36), QStringLiteral("提取代码"));
    addButton(this, QStringLiteral("btn4"), QRect(900, 577, 86, 78), QStringLiteral("参照图"));

    addReferencePanel(QRect(8, 136, 978, 435), QStringLiteral("十二图轮播参照"),
                      QStringLiteral("一共三组，每组四张图，注意选择店铺类型后版块尺寸的变化哦！"),
                      QStringLiteral("btn4MouseMove"), QStringLiteral("grp4MouseMove"));
    addOutputMemo(QStringLiteral("mmo4"));
    addHolder(QStringLiteral("lbl9"), kWidget);

    for (int g = 1; g <= 3; ++g)
        on(QStringLiteral("btn%1Click").arg(g),
           [this, g] { setText(QStringLiteral("mmo%1").arg(g), shiertulunboSlide(input(), g - 1)); });
    on(QStringLiteral("btn5Click"),
       [this] { deliver(QStringLiteral("mmo4"), shiertulunboSnippet(input()), core::kCopiedForShop); });
    on(QStringLiteral("lbl10Click"), [this] {
        message(QStringLiteral(
                    "输入每一组相关参数后，点击提交该组数据，获得自动生成的代码，同是也支持每一组的自定义的"
                    "html代码，可以查看使用教程！"),
                QStringLiteral("提示信息框"));
    });
}

ShiertulunboInput::ShiertulunboInput()
    : links(12, QStringLiteral("#"))
    , slides(3) {
    for (int g = 1; g <= 3; ++g)
        for (int k = 1; k <= 4; ++k)
            pictures << widgets::samplePicture(QStringLiteral("slide-230x360-%1.jpg").arg(g));
}

ShiertulunboInput Tfrmshiertulunbo::input() const {
    ShiertulunboInput in;
    in.width = text(QStringLiteral("lbl5"));
    in.pictureWidth = text(QStringLiteral("lbl7"));
    for (int g = 1; g <= 3; ++g) {
        for (int k = 1; k <= 4; ++k) {
            in.pictures[4 * (g - 1) + k - 1] = text(pictureField(g, k));
            in.links[4 * (g - 1) + k - 1] = text(linkField(g, k));
        }
        in.slides[g - 1] = text(QStringLiteral("mmo%1").arg(g));
    }
    return in;
}

// Four pictures of the group side by side, 10 px apart.
QString shiertulunboSlide(const ShiertulunboInput& in, int group) {
    const QString& w = in.pictureWidth;
    QString out;
    for (int k = 1; k <= 4; ++k) {
        out += QStringLiteral("<div style=\"width:") + w + QStringLiteral("px; height:360px;float:left;") +
               (k == 1 ? QString() : QStringLiteral(" margin-left:10px;")) +
               QStringLiteral("background-color:#CCC\"><a href=\"") + in.links[4 * group + k - 1] +
               QStringLiteral("\" target=\"_blank\"><img src=\"") + in.pictures[4 * group + k - 1] +
               QStringLiteral("\" alt=\"") + kPictureNames[k - 1] + QStringLiteral("\" width=\"") + w +
               QStringLiteral("\" height=\"360\"/></a></div>");
    }
    return out;
}

QString shiertulunboSnippet(const ShiertulunboInput& in) {
    const QString& t = in.width;
    QString out =
        QStringLiteral("<div style=\"width:") + t + QStringLiteral("px; height:360px;overflow:hidden\" >");
    out += kWidget;
    out += QStringLiteral("<div style=\"width:") + t + QStringLiteral("px; height:360px;overflow:hidden\">");
    out += QStringLiteral("<ul class=\"kavri_28_cont\">");
    for (const QString& slide : in.slides)
        out += QStringLiteral("<li  style=\"width:") + t + QStringLiteral("px; height:360px\">") + slide +
               QStringLiteral("</li>");
    out += QStringLiteral("</ul></div>");
    out += kPrevious;
    out += kNext;
    out += QStringLiteral("</div></div>");
    return out;
}

QINGWU_WINDOW(
    Tfrmshiertulunbo,
    {.order = 480,
     .tile = core::Tile{.page = u"ts8", .row = 3, .column = 2, .image = u"img61", .caption = u"十二图轮播"},
     .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbb1"},
     // The three groups submitted, then the code taken.
     .sample = [] {
         ShiertulunboInput in;
         for (int g = 0; g < 3; ++g)
             in.slides[g] = shiertulunboSlide(in, g);
         return shiertulunboSnippet(in);
     }})

} // namespace generators
