#include "generators/carousels/santulunbo.h"

#include "core/handoff.h"
#include "core/preview.h"
#include "core/registry.h"
#include "core/text.h"

#include <QGroupBox>

namespace generators {

namespace {

const QString kWidget = QStringLiteral(
    "<div class=\"J_TWidget\"  data-widget-type=\"Carousel\"  \r\ndata-widget-config=\"{'effect': "
    "'scrollx',\r\n "
    "'contentCls':'kavri_23_cont',\r\n 'prevBtnCls': 'kavri_23_shang',\r\n 'nextBtnCls': 'kavri_23_xia',\r\n "
    "'duration':'0.2',\r\n 'autoplay':'true'\r\n}\">");

QString samplePicture(int k) {
    return QStringLiteral("https://img.alicdn.com/imgextra/i1/qingwu/poster-950x450-%1.jpg").arg(k);
}

// Design names of picture k (1-based) and its link.
QString pictureField(int k) {
    return QStringLiteral("edt%1").arg(2 * k);
}
QString linkField(int k) {
    return QStringLiteral("edt%1").arg(2 * k + 1);
}

// The shade over a side picture, 70 % black.
QString shade(const QString& width, const QString& height, const QString& position) {
    return QStringLiteral("<div style=\"width:") + width + QStringLiteral("px; height:") + height +
           QStringLiteral("px; position:relative; ") + position +
           QStringLiteral("background-color:#000;filter:alpha(Opacity=70); opacity: 0.7;\"></div>");
}

} // namespace

Tfrmsantulunbo::Tfrmsantulunbo()
    : core::Form(QStringLiteral("Tfrmsantulunbo"), QStringLiteral("个性三图轮播")) {
    setClientSize(714, 525);
    const SantulunboInput defaults;
    core::addPreviewPicture(this, QRect(0, 0, 714, 200), QStringLiteral("个性三图轮播"));
    addCaption(this, QRect(70, 90, 60, 22), QStringLiteral("第三张"));
    addCaption(this, QRect(330, 90, 60, 22), QStringLiteral("第一张"));
    addCaption(this, QRect(590, 90, 60, 22), QStringLiteral("第二张"));

    QGroupBox* output =
        addGroup(this, QStringLiteral("grp1"), QRect(8, 206, 698, 96), QStringLiteral("输出参数"));
    addCombo(output, QStringLiteral("cbb1"), QRect(12, 26, 100, 24),
             {QStringLiteral("专业版"), QStringLiteral("天猫版"), QStringLiteral("基础版")},
             QStringLiteral("专业版"));
    addCaption(output, QRect(126, 28, 70, 22), QStringLiteral("海报宽度："));
    addLabel(output, QStringLiteral("lbl2"), QRect(196, 28, 40, 22), defaults.width);
    addCaption(output, QRect(246, 28, 70, 22), QStringLiteral("海报高度："));
    addEdit(output, QStringLiteral("edt1"), QRect(316, 26, 60, 24), defaults.height);
    addCaption(output, QRect(390, 28, 70, 22), QStringLiteral("转化宽度："));
    addLabel(output, QStringLiteral("lbl3"), QRect(460, 28, 50, 22), defaults.stripWidth);
    addButton(output, QStringLiteral("btn1"), QRect(520, 14, 80, 30), QStringLiteral("提取代码"));
    addButton(output, QStringLiteral("btn2"), QRect(606, 14, 80, 30), QStringLiteral("转化通栏"));
    addCaption(output, QRect(12, 64, 674, 22),
               QStringLiteral("提示：生成代码后，请到通栏版块进行相应店铺的转化，注意转化宽度！"));

    QGroupBox* pictures =
        addGroup(this, QStringLiteral("grp2"), QRect(8, 308, 698, 209), QStringLiteral("图片参数"));
    for (int k = 1; k <= 3; ++k) {
        const int y = 26 + 60 * (k - 1);
        addCaption(pictures, QRect(10, y, 80, 22), QStringLiteral("图片%1地址：").arg(k));
        addEdit(pictures, pictureField(k), QRect(90, y, 596, 24), defaults.pictures[k - 1]);
        addCaption(pictures, QRect(10, y + 26, 80, 22), QStringLiteral("链接%1地址：").arg(k));
        addEdit(pictures, linkField(k), QRect(90, y + 26, 596, 24), defaults.links[k - 1]);
    }

    // The output memo lies outside the client area.
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});
    addHolder(QStringLiteral("lbl7"), kWidget);

    on(QStringLiteral("cbb1Change"), [this] {
        // The strip holds three pictures of the shop's content width.
        const bool market = text(QStringLiteral("cbb1")) == QStringLiteral("集市店");
        setText(QStringLiteral("lbl2"), market ? QStringLiteral("950") : QStringLiteral("990"));
        setText(QStringLiteral("lbl3"), market ? QStringLiteral("2850") : QStringLiteral("2970"));
    });
    on(QStringLiteral("btn1Click"), [this] {
        deliver(QStringLiteral("mmo1"), santulunboSnippet(input()),
                QStringLiteral("代码已被复制，记得用通栏版块生成相应店铺的代码哦！"));
    });
    on(QStringLiteral("btn2Click"), [this] {
        if (!needOutput(QStringLiteral("mmo1"), core::generateFirst())) return;
        core::handToConverter({core::editionFromProfessionalFirst(text(QStringLiteral("cbb1"))),
                               text(QStringLiteral("lbl3")), text(QStringLiteral("edt1")),
                               text(QStringLiteral("mmo1"))});
    });
}

SantulunboInput::SantulunboInput()
    : links(3, QStringLiteral("#")) {
    for (int k = 1; k <= 3; ++k)
        pictures << samplePicture(k);
}

SantulunboInput Tfrmsantulunbo::input() const {
    SantulunboInput in;
    in.height = text(QStringLiteral("edt1"));
    in.width = text(QStringLiteral("lbl2"));
    in.stripWidth = text(QStringLiteral("lbl3"));
    for (int k = 1; k <= 3; ++k) {
        in.pictures[k - 1] = text(pictureField(k));
        in.links[k - 1] = text(linkField(k));
    }
    return in;
}

QString santulunboSnippet(const SantulunboInput& in) {
    const QString& h = in.height;
    const QString& t = in.width;
    const QString& s = in.stripWidth;
    const double height = core::parseFloat(h);
    const double width = core::parseFloat(t);
    const QString previousLift = core::formatFloat(core::finite(2 * height - 180, h));
    const QString nextLift = core::formatFloat(core::finite(2 * height - 100, h));
    const QString nextLeft = core::formatFloat(core::finite(2 * width - 40, t));
    const QString rightLeft = core::formatFloat(core::finite(2 * width, t));
    const QString rightLift = core::formatFloat(core::finite(2 * height + 160, h));

    // Slide k shows the previous picture, the current one (the only link) and the next one.
    auto picture = [&](int k) {
        return QStringLiteral("<img src=\"") + in.pictures[k - 1] +
               QStringLiteral("\" alt=\" 三联图海报%1\"/>").arg(k);
    };
    QString slides;
    for (int k = 1; k <= 3; ++k) {
        const int previous = k == 1 ? 3 : k - 1;
        const int next = k == 3 ? 1 : k + 1;
        slides += QStringLiteral("<li><div style=\"width:") + s + QStringLiteral("px; height:") + h +
                  QStringLiteral("px; overflow:hidden\">") + picture(previous) +
                  QStringLiteral("<a href=\"") + in.links[k - 1] + QStringLiteral("\" target=\"_blank\">") +
                  picture(k) + QStringLiteral("</a>") + picture(next) + QStringLiteral("</div></li>");
    }

    QString out = kWidget;
    out += QStringLiteral("<div style=\"width:") + s + QStringLiteral("px; height:") + h +
           QStringLiteral("px; overflow:hidden\"><ul class=\"kavri_23_cont\">");
    out += slides;
    out += QStringLiteral("</ul></div>");
    out += shade(t, h, QStringLiteral("top:-") + h + QStringLiteral("px;"));
    out += QStringLiteral("<div class=\"kavri_23_shang\" style=\"width:40px; height:80px; "
                          "position:relative;background-color:#000; color:#FFF; line-height:80px;top:-") +
           previousLift + QStringLiteral("px;left:") + t +
           QStringLiteral("px;font-family:Simhei; line-height:80px; text-align:center; "
                          "font-size:36px;cursor:pointer;\"><</div>");
    out += QStringLiteral(
               "<div class=\"kavri_23_xia\" style=\"width:40px; height:80px; position:relative; top:-") +
           nextLift + QStringLiteral("px;left:") + nextLeft +
           QStringLiteral("px; background-color:#000; color:#FFF;font-family:Simhei; line-height:80px; "
                          "text-align:center; font-size:36px;cursor:pointer;\">></div>");
    out += shade(t, h,
                 QStringLiteral("top:-") + rightLift + QStringLiteral("px; left:") + rightLeft +
                     QStringLiteral("px;"));
    out += QStringLiteral("</div>");
    return out;
}

QINGWU_WINDOW(Tfrmsantulunbo, {.order = 260,
                               .tile = core::Tile{.page = u"ts11",
                                                  .row = 3,
                                                  .column = 2,
                                                  .image = u"img138",
                                                  .caption = u"个性三图轮播"},
                               .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbb1"},
                               .sample = [] { return santulunboSnippet(SantulunboInput()); }})

} // namespace generators
