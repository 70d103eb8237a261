#include "generators/carousels/liangcelunbo.h"

#include "core/preview.h"
#include "core/registry.h"
#include "generators/carousels/widgets.h"

#include <QGroupBox>

namespace generators {

namespace {

// The "立即查看" button 100 px above the bottom of each picture.
const QString kButton = QStringLiteral(
    "<div style=\"width:100px; height:35px; border:#FFF 1px solid; text-align:center; line-height:35px; "
    "font-size:14px; position:relative; top:-100px; left:150px;color:#FFF;\">立即查看</div></div></a>");

// Design names of slide k (1-based): its label, left picture and link, right picture and link.
QString field(int k, int offset) {
    return QStringLiteral("edt%1").arg(5 * (k - 1) + 1 + offset);
}
QString labelField(int k) {
    return field(k, 0);
}
QString leftPicture(int k) {
    return field(k, 1);
}
QString leftLink(int k) {
    return field(k, 2);
}
QString rightPicture(int k) {
    return field(k, 3);
}
QString rightLink(int k) {
    return field(k, 4);
}

// One linked 400 x 500 picture floating to the side with its button.
QString picture(const QString& link, const QString& side, const QString& source) {
    return QStringLiteral("<a href=\"") + link +
           QStringLiteral(
               "\" target=\"_blank\" style=\"text-decoration:none;color:#FFF; \"><div style=\"width:400px; "
               "height:500px; float:") +
           side + QStringLiteral("\"><img src=\"") + source +
           QStringLiteral("\" width=\"400\" height=\"500\"/>") + kButton;
}

// The style of label k in the central column.
QString labelStyle(int k) {
    if (k == 1)
        return QStringLiteral(
            "text-align:center; height:60px; line-height:60px; font-size:20px;  padding-top:25px;");
    if (k == 2) return QStringLiteral("text-align:center; height:60px; line-height:60px; font-size:20px");
    return QStringLiteral("text-align:center; height:60px; line-height:60px; font-size:20px; ");
}

// The carousel, held by lbl22.
const QString kWidget = widgets::carousel(QStringLiteral("kavri_120_cont"), QStringLiteral("kavri_120_nav"));

} // namespace

Tfrmliangcelunbo::Tfrmliangcelunbo()
    : CarouselForm(QStringLiteral("Tfrmliangcelunbo"),
                   QStringLiteral("两侧轮播卡盘：集市店950px；天猫店：990px；")) {
    setClientSize(837, 628);
    const LiangcelunboInput defaults;
    core::addPreviewPicture(this, QRect(0, 0, 837, 120), QStringLiteral("两侧轮播卡盘"));

    const QString groupCaptions[] = {QStringLiteral("第一组"), QStringLiteral("第二组"),
                                     QStringLiteral("第三组"), QStringLiteral("第四组"),
                                     QStringLiteral("第五组")};
    for (int k = 1; k <= 5; ++k) {
        QGroupBox* group = addGroup(this, QStringLiteral("grp%1").arg(k),
                                    QRect(8, 126 + 82 * (k - 1), 821, 78), groupCaptions[k - 1]);
        addCaption(group, QRect(8, 22, 56, 22), QStringLiteral("标题名："));
        addEdit(group, labelField(k), QRect(64, 20, 90, 24), defaults.labels[k - 1]);
        addCaption(group, QRect(164, 22, 70, 22), QStringLiteral("左图地址："));
        addEdit(group, leftPicture(k), QRect(234, 20, 330, 24), defaults.leftPictures[k - 1]);
        addCaption(group, QRect(574, 22, 70, 22), QStringLiteral("左图链接："));
        addEdit(group, leftLink(k), QRect(644, 20, 167, 24), defaults.leftLinks[k - 1]);
        addCaption(group, QRect(164, 48, 70, 22), QStringLiteral("右图地址："));
        addEdit(group, rightPicture(k), QRect(234, 46, 330, 24), defaults.rightPictures[k - 1]);
        addCaption(group, QRect(574, 48, 70, 22), QStringLiteral("右图链接："));
        addEdit(group, rightLink(k), QRect(644, 46, 167, 24), defaults.rightLinks[k - 1]);
    }

    QGroupBox* output =
        addGroup(this, QStringLiteral("grp6"), QRect(8, 538, 725, 82), QStringLiteral("输出"));
    addCaption(output, QRect(10, 22, 70, 22), QStringLiteral("店铺类型："));
    addShopType(output, QRect(80, 20, 90, 24),
                {{QStringLiteral("lbl19"), QStringLiteral("150px"), QStringLiteral("190px")},
                 {QStringLiteral("lbl20"), QStringLiteral("40"), QStringLiteral("60")},
                 {QStringLiteral("lbl21"), QStringLiteral("950"), QStringLiteral("990")}});
    addCaption(output, QRect(184, 22, 70, 22), QStringLiteral("导航标题："));
    addEdit(output, QStringLiteral("edt26"), QRect(254, 20, 90, 24), defaults.heading);
    addCaption(output, QRect(358, 22, 70, 22), QStringLiteral("导航底色："));
    addEdit(output, QStringLiteral("edt27"), QRect(428, 20, 80, 24), defaults.headingColour);
    addCaption(output, QRect(10, 52, 70, 22), QStringLiteral("图片宽度："));
    addLabel(output, QStringLiteral("lbl17"), QRect(80, 52, 50, 22), QStringLiteral("400px"));
    addCaption(output, QRect(184, 52, 70, 22), QStringLiteral("图片高度："));
    addLabel(output, QStringLiteral("lbl18"), QRect(254, 52, 50, 22), QStringLiteral("500px"));
    addCaption(output, QRect(358, 52, 70, 22), QStringLiteral("导航宽度："));
    addLabel(output, QStringLiteral("lbl19"), QRect(428, 52, 50, 22), defaults.columnWidth);
    addButton(output, QStringLiteral("btn1"), QRect(560, 22, 150, 48), QStringLiteral("获取代码"));
    addButton(this, QStringLiteral("btn2"), QRect(741, 538, 88, 82), QStringLiteral("参照图"));

    addReferencePanel(QRect(8, 126, 821, 406), QStringLiteral("两侧轮播卡盘参照"),
                      QStringLiteral("说明：鼠标指向中间标签，两侧图片会发生变化！"),
                      QStringLiteral("btn2MouseMove"), QStringLiteral("grp6MouseMove"));
    // The heading offset and the total width lie behind the buttons.
    addHolder(QStringLiteral("lbl20"), defaults.headingOffset);
    addHolder(QStringLiteral("lbl21"), defaults.width);
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});
    addHolder(QStringLiteral("lbl22"), kWidget);

    on(QStringLiteral("btn1Click"), [this] {
        deliver(QStringLiteral("mmo1"), liangcelunboSnippet(input()),
                QStringLiteral(
                    "代码已被复制，集市店天猫店正常安装，如果您是基础版请配合基础版转专业版功能操作！"));
    });
}

LiangcelunboInput::LiangcelunboInput()
    : labels({QStringLiteral("- 优雅 -"), QStringLiteral("- 清新 -"), QStringLiteral("- 靓丽 -"),
              QStringLiteral("- 时尚 -"), QStringLiteral("- 魅力 -")})
    , leftLinks(5, QStringLiteral("#"))
    , rightLinks(5, QStringLiteral("#")) {
    for (int k = 1; k <= 5; ++k) {
        leftPictures << widgets::samplePicture(QStringLiteral("side-400x500-%1a.jpg").arg(k));
        rightPictures << widgets::samplePicture(QStringLiteral("side-400x500-%1b.jpg").arg(k));
    }
}

LiangcelunboInput Tfrmliangcelunbo::input() const {
    LiangcelunboInput in;
    in.width = text(QStringLiteral("lbl21"));
    in.columnWidth = text(QStringLiteral("lbl19"));
    in.headingOffset = text(QStringLiteral("lbl20"));
    in.heading = text(QStringLiteral("edt26"));
    in.headingColour = text(QStringLiteral("edt27"));
    for (int k = 1; k <= 5; ++k) {
        in.labels[k - 1] = text(labelField(k));
        in.leftPictures[k - 1] = text(leftPicture(k));
        in.leftLinks[k - 1] = text(leftLink(k));
        in.rightPictures[k - 1] = text(rightPicture(k));
        in.rightLinks[k - 1] = text(rightLink(k));
    }
    return in;
}

QString liangcelunboSnippet(const LiangcelunboInput& in) {
    const QString& t = in.width;
    const QString& m = in.columnWidth;
    const QString box = QStringLiteral("px; height:500px; overflow:hidden\">");

    QString out = QStringLiteral("<div style=\"width:") + t + box;
    out += kWidget;
    out += QStringLiteral("<div style=\"width:") + t + box + QStringLiteral("<div class=\"kavri_120_cont\">");
    for (int k = 1; k <= 5; ++k) {
        out += QStringLiteral("<div  style=\"width:") + t + box;
        out += picture(in.leftLinks[k - 1], QStringLiteral("left"), in.leftPictures[k - 1]);
        out += picture(in.rightLinks[k - 1], QStringLiteral("right"), in.rightPictures[k - 1]);
        out += QStringLiteral("</div>");
    }
    out += QStringLiteral("</div></div>");

    // The central column lies over the gap between the two pictures.
    out += QStringLiteral("<div style=\"width:") + m +
           QStringLiteral("; height:500px; position:relative; left:400px; top:-500px; "
                          "background-color:#FFF;font-family:Microsoft Yahei;color:#333;\">");
    out += QStringLiteral("<div style=\"width:") + m + QStringLiteral("; height:156px; background-color:") +
           in.headingColour +
           QStringLiteral(";\"><div style=\"font-size:36px;line-height:36px; position:relative; left:") +
           in.headingOffset + QStringLiteral("px;; top:40px; color:#FFF; width:100px;\">") + in.heading +
           QStringLiteral("</div></div>");
    out += QStringLiteral("<div class=\"kavri_120_nav\">");
    for (int k = 1; k <= 5; ++k)
        out += QStringLiteral("<div style=\"") + labelStyle(k) + QStringLiteral("\">") + in.labels[k - 1] +
               QStringLiteral("</div>");
    out += QStringLiteral("</div></div></div></div>");
    return out;
}

QINGWU_WINDOW(
    Tfrmliangcelunbo,
    {.order = 440,
     .tile = core::Tile{.page = u"ts8", .row = 1, .column = 3, .image = u"img55", .caption = u"两侧轮播卡盘"},
     .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbb1"},
     .sample = [] { return liangcelunboSnippet(LiangcelunboInput()); }})

} // namespace generators
