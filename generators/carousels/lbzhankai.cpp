#include "generators/carousels/lbzhankai.h"

#include "core/handoff.h"
#include "core/preview.h"
#include "core/registry.h"
#include "core/text.h"

#include <QLabel>
#include <array>

namespace generators {

namespace {

const QString kSamplePicture = QStringLiteral("https://img.alicdn.com/imgextra/i4/qingwu/slide-1920x500.jpg");

// The carousel widget, its 1920 x 500 box and the panel container, all opened.
const QString kCarousel = QStringLiteral("<div class=\"J_TWidget\"  data-widget-type=\"Carousel\"  "
                                         "\r\ndata-widget-config=\"{'effect': 'scrollx',\r\n "
                                         "'navCls':'kavri_713nav',\r\n 'contentCls':'kavri_713cont',\r\n "
                                         "'duration':'1',\r\n 'easing':'bounceOut',\r\n "
                                         "'autoplay':'true'\r\n }\">\r\n\r\n  <div style=\" width:1920px; "
                                         "height:500px;overflow:hidden\">\r\n    <div "
                                         "class=\"kavri_713cont\">");

// The three round buttons, then the closings of their wrapper, the widget and the outer box.
const QString kButtons = QStringLiteral(
    "\r\n\r\n  <div class=\"kavri_713nav\">\r\n  \r\n    <div style=\"cursor:pointer;border:0px "
    "solid;border-radius:50px;-moz-border-radius:50px; width:30px; line-height:30px; background-color:#f30; "
    "color:#FFF; float:left;\">1</div>\r\n    \r\n    <div style=\"border:0px "
    "solid;border-radius:50px;-moz-border-radius:50px; width:30px; line-height:30px; background-color:#f30; "
    "color:#FFF; float:left; margin-left:10px;cursor:pointer;\">2</div>\r\n    \r\n    <div "
    "style=\"border:0px "
    "solid;border-radius:50px;-moz-border-radius:50px; width:30px; line-height:30px; background-color:#f30; "
    "color:#FFF; float:left; margin-left:10px;cursor:pointer;\">3</div>\r\n    \r\n  </div>\r\n    \r\n  "
    "</div>\r\n\r\n\r\n</div>\r\n</div>");

const QString kAccordion =
    QStringLiteral("<!--手风琴-->     \r\n \r\n <div class=\"J_TWidget\"  data-widget-type=\"Accordion\"  "
                   "data-widget-config=\"{\r\n 'triggerType': 'mouse',\r\n'triggerCls':'kavri_713triger',\r\n"
                   "'panelCls':'kavri_713panel',\r\n'multiple':false\r\n }\">");

// Edition of each item of the shop-type group, in the converter's terms.
const std::array<core::Edition, 3> kEditions = {core::Edition::Professional, core::Edition::Tmall,
                                                core::Edition::Basic};

// The CSS opacity of a percentage: the items "70" ... "95" read "0.70" ... "0.95";
// a full "100" is opaque.
QString cssOpacity(const QString& percent) {
    return percent == QLatin1String("100") ? QStringLiteral("1") : QStringLiteral("0.") + percent;
}

} // namespace

TfrmLBzhankai::TfrmLBzhankai()
    : core::Form(QStringLiteral("TfrmLBzhankai"), QStringLiteral("左侧展开式轮播效果")) {
    setClientSize(867, 734);
    const LBzhankaiInput defaults;
    core::addPreviewPicture(this, QRect(17, 8, 833, 217), QStringLiteral("1920*500"));

    QGroupBox* output =
        addGroup(this, QStringLiteral("grp1"), QRect(17, 232, 833, 84), QStringLiteral("输出参数"));
    addRadioGroup(output, QStringLiteral("rg1"), QRect(10, 20, 230, 56), QStringLiteral("店铺类型"),
                  {QStringLiteral("专业版"), QStringLiteral("天猫版"), QStringLiteral("基础版")}, 0, 3);
    addCaption(output, QRect(252, 26, 70, 22), QStringLiteral("左侧底色："));
    addEdit(output, QStringLiteral("edtdise"), QRect(322, 24, 70, 24), defaults.background);
    addCaption(output, QRect(252, 52, 70, 22), QStringLiteral("文字颜色："));
    addEdit(output, QStringLiteral("edtyanse"), QRect(322, 50, 70, 24), defaults.textColour);
    addCaption(output, QRect(406, 26, 60, 22), QStringLiteral("透明度："));
    addCombo(output, QStringLiteral("cbb1"), QRect(466, 24, 70, 24),
             {QStringLiteral("70"), QStringLiteral("75"), QStringLiteral("80"), QStringLiteral("85"),
              QStringLiteral("90"), QStringLiteral("95"), QStringLiteral("100")},
             defaults.opacity);
    addButton(output, QStringLiteral("btn1"), QRect(560, 22, 120, 50), QStringLiteral("生成代码"));
    addButton(output, QStringLiteral("btn2"), QRect(696, 22, 120, 50), QStringLiteral("通栏转化"));

    for (int k = 1; k <= 5; ++k) {
        const QRect place =
            k <= 3 ? QRect(17 + 279 * (k - 1), 322, 271, 150) : QRect(17 + 279 * (k - 4), 478, 271, 150);
        QGroupBox* entry = addGroup(this, QStringLiteral("grpbiao%1").arg(k), place,
                                    QStringLiteral("左侧竖列标签%1").arg(k));
        addCaption(entry, QRect(8, 22, 50, 22), QStringLiteral("名称："));
        addEdit(entry, QStringLiteral("edtbiao%1").arg(k), QRect(58, 20, 203, 24), defaults.titles[k - 1]);
        addCaption(entry, QRect(8, 48, 200, 20), QStringLiteral("弹出自定义html："));
        addMemo(entry, QStringLiteral("mmohtml%1").arg(k), QRect(8, 68, 253, 74),
                core::textLines(defaults.panels[k - 1]));
    }

    QGroupBox* pictures =
        addGroup(this, QStringLiteral("grp2"), QRect(575, 478, 275, 224), QStringLiteral("轮播图片"));
    for (int k = 1; k <= 3; ++k) {
        const int y = 20 + 66 * (k - 1);
        addCaption(pictures, QRect(8, y, 80, 24), QStringLiteral("图片%1地址：").arg(k));
        addEdit(pictures, QStringLiteral("edttu%1").arg(k), QRect(88, y, 177, 24), defaults.pictures[k - 1]);
        addCaption(pictures, QRect(8, y + 28, 80, 24), QStringLiteral("图片%1链接：").arg(k));
        addEdit(pictures, QStringLiteral("edtlian%1").arg(k), QRect(88, y + 28, 177, 24),
                defaults.links[k - 1]);
    }
    addCaption(
        this, QRect(17, 706, 833, 22),
        QStringLiteral("可查看 免费资源 软件相关找到该版块的使用视频教程;自定义的html代码,范围220*246px"));

    addHolder(QStringLiteral("lbl10"), defaults.columnLeft);
    addHolder(QStringLiteral("lbl11"), defaults.buttonsLeft);
    addHolder(QStringLiteral("lbllunbodaima"), kCarousel);
    addHolder(QStringLiteral("lblzhongjian"), kButtons);
    addHolder(QStringLiteral("lblshoufengqin"), kAccordion);
    addOutputMemo(QStringLiteral("mmodaima"), {QStringLiteral("mmodaima")});

    colorField(QStringLiteral("edtdise"));
    colorField(QStringLiteral("edtyanse"));

    on(QStringLiteral("FormShow"), [this] {
        for (int k = 1; k <= 5; ++k)
            setText(QStringLiteral("mmohtml%1").arg(k), QString());
    });
    for (int k = 1; k <= 5; ++k) {
        const QString memo = QStringLiteral("mmohtml%1").arg(k);
        on(memo + QStringLiteral("DblClick"), [this, memo] { setText(memo, QString()); });
    }
    // Centre the shop's content column on the banner; the 110 px button group
    // ends at the column's right edge.
    on(QStringLiteral("rg1Click"), [this] {
        const bool tmall = control<core::RadioGroup>(QStringLiteral("rg1"))->itemIndex() == 1;
        setText(QStringLiteral("lbl10"), tmall ? QStringLiteral("465") : QStringLiteral("485"));
        setText(QStringLiteral("lbl11"), tmall ? QStringLiteral("1345") : QStringLiteral("1325"));
    });
    on(QStringLiteral("btn1Click"), [this] {
        setText(QStringLiteral("mmodaima"), lbzhankaiSnippet(input()));
        copyMemo(QStringLiteral("mmodaima"));
        message(QStringLiteral("代码已生成，点击通栏转化到相应版本吧！"));
    });
    on(QStringLiteral("btn2Click"), [this] {
        if (!needOutput(QStringLiteral("mmodaima"), core::generateFirst())) return;
        const int item = control<core::RadioGroup>(QStringLiteral("rg1"))->itemIndex();
        std::optional<core::Edition> edition;
        if (item >= 0 && item < int(kEditions.size())) edition = kEditions[item];
        core::handToConverter(
            {edition, QStringLiteral("1920"), QStringLiteral("500"), text(QStringLiteral("mmodaima"))});
    });
}

LBzhankaiInput::LBzhankaiInput()
    : pictures(3, kSamplePicture)
    , links(3, QStringLiteral("#"))
    , titles(5, QStringLiteral("新品发布"))
    , panels(5) {}

LBzhankaiInput TfrmLBzhankai::input() const {
    LBzhankaiInput in;
    in.background = text(QStringLiteral("edtdise"));
    in.textColour = text(QStringLiteral("edtyanse"));
    in.opacity = text(QStringLiteral("cbb1"));
    in.columnLeft = text(QStringLiteral("lbl10"));
    in.buttonsLeft = text(QStringLiteral("lbl11"));
    for (int k = 1; k <= 3; ++k) {
        in.pictures[k - 1] = text(QStringLiteral("edttu%1").arg(k));
        in.links[k - 1] = text(QStringLiteral("edtlian%1").arg(k));
    }
    for (int k = 1; k <= 5; ++k) {
        in.titles[k - 1] = text(QStringLiteral("edtbiao%1").arg(k));
        in.panels[k - 1] = text(QStringLiteral("mmohtml%1").arg(k));
    }
    return in;
}

QString lbzhankaiSnippet(const LBzhankaiInput& in) {
    const QString& opacity = in.opacity;
    const QString trigger = QStringLiteral("<div class=\"kavri_713triger\"  style=\"");
    const QString rule =
        QStringLiteral("line-height:50px;border-bottom:1px #CCCCCC dotted;cursor:pointer;\">");
    const QString closedPanel = QStringLiteral(
        "<div class=\"kavri_713panel\"  style=\"height:245px; border-bottom:1px #CCCCCC dotted; "
        "display:none\">");

    QString out;
    out += QStringLiteral("<div style=\" width:1920px; height:500px; overflow:hidden\">");
    out += kCarousel;
    for (int k = 1; k <= 3; ++k)
        out += QStringLiteral("<a href=\"") + in.links[k - 1] +
               QStringLiteral("\" target=\"_blank\"><img src=\"") + in.pictures[k - 1] +
               QStringLiteral("\" alt=\" 02.jpg\"/></a>");
    out += QStringLiteral("</div></div>");
    out += QStringLiteral("<div style=\"position:relative; top:-50px; left:") + in.buttonsLeft +
           QStringLiteral("px; width:110px; height:30px; text-align:center; font-family:Microsoft YaHei; "
                          "font-size:15px;\">");
    out += kButtons;
    out += QStringLiteral("<div style=\"position:relative; left:") + in.columnLeft +
           QStringLiteral("px; top:-500px;\">");
    out += QStringLiteral("<div style=\" width:220px; height:500px;  text-align:center;color:") +
           in.textColour + QStringLiteral(";background-color:") + in.background +
           QStringLiteral(";filter:alpha(Opacity=") + opacity + QStringLiteral("); opacity: ") +
           cssOpacity(opacity) +
           QStringLiteral("; border-left:0px #ccc dotted;border-right:0px #ccc dotted; font-size:15px;\">");
    out += kAccordion;
    // Only the first panel is open at first; the last title has no rule below it.
    out +=
        QStringLiteral("<div class=\"kavri_713triger\" style=\"") + rule + in.titles[0] +
        QStringLiteral("</div><div class=\"kavri_713panel\" style=\"height:245px; border-bottom:1px #CCCCCC "
                       "dotted\">") +
        in.panels[0] + QStringLiteral("</div>");
    out += trigger + QStringLiteral(" ") + rule + in.titles[1] + QStringLiteral("</div>") + closedPanel +
           in.panels[1] + QStringLiteral("</div>");
    for (int k = 3; k <= 4; ++k)
        out += trigger + rule + in.titles[k - 1] + QStringLiteral("</div>") + closedPanel + in.panels[k - 1] +
               QStringLiteral("</div>");
    out += trigger + QStringLiteral("line-height:50px;cursor:pointer;\">") + in.titles[4] +
           QStringLiteral("</div>") + closedPanel + in.panels[4] + QStringLiteral("</div>");
    out += QStringLiteral("</div></div></div><!--手风琴-->");
    return out;
}

QINGWU_WINDOW(TfrmLBzhankai, {.order = 200,
                              .tile = core::Tile{.page = u"ts11",
                                                 .row = 1,
                                                 .column = 2,
                                                 .image = u"img70",
                                                 .caption = u"左侧展开式轮播"},
                              .preview = core::ShopPreview{.place = core::Place::Wide},
                              .sample = [] { return lbzhankaiSnippet(LBzhankaiInput()); }})

} // namespace generators
