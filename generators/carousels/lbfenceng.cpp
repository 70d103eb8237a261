#include "generators/carousels/lbfenceng.h"

#include "core/fit.h"
#include "core/handoff.h"
#include "core/preview.h"
#include "core/registry.h"
#include "core/text.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

namespace generators {

namespace {

const QString kSampleFront = QStringLiteral("https://img.alicdn.com/imgextra/i2/qingwu/front-950x450.png");
const QString kSampleBack = QStringLiteral("https://img.alicdn.com/imgextra/i3/qingwu/back-1920x450.jpg");

// Opening of the background carousel, without the closing of its configuration.
const QString kBackWidget =
    QStringLiteral(" <div class=\"J_TWidget\"  data-widget-type=\"Carousel\" data-widget-config=\"{'effect': "
                   "'scrollx','navCls':'kavri_710nav1',\r\n 'contentCls':'kavri_710cont1',\r\n 'prevBtnCls': "
                   "'kavri_710shang1',\r\n 'nextBtnCls': 'kavri_710xia1',\r\n 'duration':'1'");
// Opening of the foreground carousel; it names the same triggers.
const QString kFrontWidget = QStringLiteral(
    "<div class=\"J_TWidget\"  data-widget-type=\"Carousel\" data-widget-config=\"{'effect': "
    "'scrolly', 'navCls':'kavri_710nav1',\r\n'contentCls':'kavri_710cont2',\r\n 'duration':'1',\r\n "
    "'prevBtnCls': 'kavri_710shang1',\r\n 'nextBtnCls': 'kavri_710xia1'");
const QString kPlainClosing = QStringLiteral("}\">");
const QString kBouncingClosing = QStringLiteral(",\r\n'easing':'bounceOut'\r\n}\">");

const QString kNote = QStringLiteral("备注：前图PNG格式宽度950px以内                整体宽度：1920px       "
                                     "版块高度：                    px      滚动形式：");

} // namespace

TfrmLBfenceng::TfrmLBfenceng()
    : core::Form(QStringLiteral("TfrmLBfenceng"), QStringLiteral("分层主题轮播(天猫淘宝通用)")) {
    setClientSize(948, 640);
    const LBfencengInput defaults;
    core::addPreviewPicture(this, QRect(14, 8, 920, 265), QStringLiteral("1920 分层主题轮播"));

    // The height and motion fields sit in the blanks of the note.
    QGroupBox* output =
        addGroup(this, QStringLiteral("grp1"), QRect(14, 280, 920, 100), QStringLiteral("输出设置"));
    QLabel* note = addCaption(output, QRect(10, 30, 900, 24), kNote);
    // Measured in the design's units: the window grows with the font later.
    const QFontMetricsF metrics(note->font());
    const double unit = core::designScale(note->font());
    const int heightAt =
        10 +
        int(metrics.horizontalAdvance(kNote.left(kNote.indexOf(QStringLiteral("版块高度：")) + 5)) / unit);
    const int motionAt = 10 + int(metrics.horizontalAdvance(kNote) / unit);
    core::putInGaps(
        note,
        {addEdit(output, QStringLiteral("edt14"), QRect(heightAt + 2, 30, 60, 24), defaults.height),
         addCombo(output, QStringLiteral("cbb1"), QRect(motionAt + 2, 30, 96, 24),
                  {QStringLiteral("默认效果"), QStringLiteral("动态效果")}, QStringLiteral("默认效果"))});
    addButton(output, QStringLiteral("btn1"), QRect(560, 62, 160, 30), QStringLiteral("生成代码"));
    addButton(output, QStringLiteral("btn2"), QRect(740, 62, 160, 30), QStringLiteral("转化通栏"));

    QGroupBox* pictures =
        addGroup(this, QStringLiteral("grp2"), QRect(14, 388, 920, 244), QStringLiteral("图片参数"));
    const QStringList marks = {QStringLiteral("①"), QStringLiteral("②"), QStringLiteral("③")};
    for (int k = 0; k < 3; ++k) {
        const int x = 10 + 302 * k;
        addCaption(pictures, QRect(x, 26, 290, 20), marks[k] + QStringLiteral("前图（PNG格式）地址："));
        addEdit(pictures, QStringLiteral("edt%1").arg(1 + k), QRect(x, 46, 290, 24), defaults.fronts[k]);
        addCaption(pictures, QRect(x, 74, 290, 20), marks[k] + QStringLiteral("背景图地址："));
        addEdit(pictures, QStringLiteral("edt%1").arg(4 + k), QRect(x, 94, 290, 24), defaults.backs[k]);
        addCaption(pictures, QRect(x, 122, 290, 20), marks[k] + QStringLiteral("链接地址："));
        addEdit(pictures, QStringLiteral("edt%1").arg(7 + k), QRect(x, 142, 290, 24), defaults.links[k]);
        addCaption(pictures, QRect(x, 174, 110, 24), QStringLiteral("右下角主题名称："));
        addEdit(pictures, QStringLiteral("edt%1").arg(10 + k), QRect(x + 110, 174, 180, 24),
                defaults.names[k]);
    }
    addCaption(pictures, QRect(10, 208, 90, 24), QStringLiteral("方块背景色："));
    addEdit(pictures, QStringLiteral("edt13"), QRect(100, 208, 90, 24), QStringLiteral("#333"));

    addHolder(QStringLiteral("lbl7"), kBackWidget);
    addHolder(QStringLiteral("lbl8"), kFrontWidget);
    addHolder(QStringLiteral("lbl9"), defaults.bouncing ? kBouncingClosing : kPlainClosing);
    addHolder(QStringLiteral("lbl11"), kBouncingClosing);
    addHolder(QStringLiteral("lbl10"), defaults.lift);
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    on(QStringLiteral("cbb1Change"), [this] {
        const bool bouncing = text(QStringLiteral("cbb1")) == QStringLiteral("动态效果");
        setText(QStringLiteral("lbl9"), bouncing ? text(QStringLiteral("lbl11")) : kPlainClosing);
    });
    // The theme bar sits 5 px above the bottom edge: lifted by the height plus 40.
    on(QStringLiteral("edt14Change"), [this] {
        setText(QStringLiteral("lbl10"),
                QString::number(qint64(core::parseInt(text(QStringLiteral("edt14")))) + 40));
    });
    on(QStringLiteral("btn1Click"), [this] {
        deliver(
            QStringLiteral("mmo1"), lbfencengSnippet(input()),
            QStringLiteral(
                "代码已生成，点击后方的转化通栏，并设置好相关参数和店铺类型后就可以复制到店铺自定义了！"));
    });
    on(QStringLiteral("btn2Click"), [this] {
        if (!needOutput(QStringLiteral("mmo1"), core::generateFirst())) return;
        core::handToConverter({std::nullopt, QStringLiteral("1920"), text(QStringLiteral("edt14")),
                               text(QStringLiteral("mmo1"))});
    });
}

LBfencengInput::LBfencengInput()
    : fronts(3, kSampleFront)
    , backs(3, kSampleBack)
    , links(3, QStringLiteral("#"))
    , names(3, QStringLiteral("主题名称")) {}

LBfencengInput TfrmLBfenceng::input() const {
    LBfencengInput in;
    in.height = text(QStringLiteral("edt14"));
    in.lift = text(QStringLiteral("lbl10"));
    in.bouncing = text(QStringLiteral("lbl9")) == kBouncingClosing;
    for (int k = 0; k < 3; ++k) {
        in.fronts[k] = text(QStringLiteral("edt%1").arg(1 + k));
        in.backs[k] = text(QStringLiteral("edt%1").arg(4 + k));
        in.links[k] = text(QStringLiteral("edt%1").arg(7 + k));
        in.names[k] = text(QStringLiteral("edt%1").arg(10 + k));
    }
    return in;
}

QString lbfencengSnippet(const LBfencengInput& in) {
    const QString& h = in.height;
    const QString& lift = in.lift;
    const QString& closing = in.bouncing ? kBouncingClosing : kPlainClosing;
    const QString square =
        QStringLiteral("<div style=\"font-size:16px; line-height:35px; width:150px; "
                       "background-color:#333; text-align:center; float:right;filter:alpha("
                       "Opacity=80); opacity: 0.8;");

    QString out;
    out +=
        QStringLiteral("<div style=\" width:1920px; height:") + h + QStringLiteral("px; overflow:hidden\">");
    out += kBackWidget + closing;
    out +=
        QStringLiteral("<div style=\"width:1920px; height:") + h + QStringLiteral("px; overflow:hidden\">");
    out += QStringLiteral("<div  class=\"kavri_710cont1\">");
    for (int k = 1; k <= 3; ++k)
        out += QStringLiteral("<div style=\"width:1920px; height:") + h +
               QStringLiteral("px;background-image:url(") + in.backs[k - 1] + QStringLiteral(")\"></div>");
    out += QStringLiteral("</div></div>");
    out += kFrontWidget + closing;
    out += QStringLiteral("<div style=\"width:950px; height:") + h +
           QStringLiteral("px;font-family:Microsoft YaHei; position:relative; top:-") + h +
           QStringLiteral("px; overflow:hidden;margin-left:485px;\">");
    out += QStringLiteral("<div class=\"kavri_710cont2\">");
    for (int k = 1; k <= 3; ++k)
        out += QStringLiteral("<div style=\"\"><a style=\"color:#fff; text-decoration: none\" href=\"") +
               in.links[k - 1] + QStringLiteral("\"><img src=\"") + in.fronts[k - 1] +
               QStringLiteral("\" /></a></div>");
    out += QStringLiteral("</div></div>");
    out += QStringLiteral("<div style=\"height:35px; width:950px; position:relative; left:485px; top:-") +
           lift + QStringLiteral("px; color:#FFF\">");
    out += QStringLiteral("<div class=\"kavri_710nav1\" >");
    // Floated right, so the names read N1, N2, N3 on screen.
    out += square + QStringLiteral(" cursor:pointer;\">") + in.names[2] + QStringLiteral("</div>");
    out += square + QStringLiteral("margin-right:2px;cursor:pointer;\">") + in.names[1] +
           QStringLiteral("</div>");
    out += square + QStringLiteral("cursor:pointer;margin-right:2px;\">") + in.names[0] +
           QStringLiteral("</div>");
    out += QStringLiteral("</div></div></div></div></div>");
    return out;
}

QINGWU_WINDOW(TfrmLBfenceng, {.order = 190,
                              .tile = core::Tile{.page = u"ts11",
                                                 .row = 1,
                                                 .column = 1,
                                                 .image = u"img69",
                                                 .caption = u"分层主题轮播"},
                              .preview = core::ShopPreview{.place = core::Place::Wide},
                              .sample = [] { return lbfencengSnippet(LBfencengInput()); }})

} // namespace generators
