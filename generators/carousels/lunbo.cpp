#include "generators/carousels/lunbo.h"

#include "core/handoff.h"
#include "core/preview.h"
#include "core/registry.h"

#include <QComboBox>
#include <QLabel>

namespace generators {

namespace {

const QString kSamplePoster = QStringLiteral("https://img.alicdn.com/imgextra/i1/qingwu/poster-1920x400.jpg");
const QString kSampleShop = QStringLiteral("https://qingwu360.taobao.com/");

const QString kWidget = QStringLiteral(
    "<div class=\"J_TWidget\"  data-widget-type=\"Carousel\" data-widget-config=\"{'effect': 'scrollx',\r\n"
    " 'navCls':'kavri325_nav_1',\r\n 'contentCls':'kavri325_cont_1',\r\n 'duration':'1',\r\n "
    "'easing':'easeIn',\r\n"
    " 'autoplay':'true'\r\n }\">");

// Left edge of tab k (1-based) in a group of n tabs centred on 1920 px.
int tabLeft(int n, int k) {
    return 960 - 100 * n + 200 * (k - 1);
}

// How far tab k is lifted so that every tab sits on the bar.
int tabLift(int k) {
    return 30 + 30 * k;
}

} // namespace

Tfrmlunbo::Tfrmlunbo()
    : core::Form(QStringLiteral("Tfrmlunbo"), QStringLiteral("淘宝旺铺轮播标签海报")) {
    setClientSize(826, 666);
    const LunboInput defaults;
    core::addPreviewPicture(this, QRect(0, 0, 825, 281), QStringLiteral("1920 轮播标签海报"));

    QGroupBox* output =
        addGroup(this, QStringLiteral("grp1"), QRect(8, 288, 250, 370), QStringLiteral("输出参数"));
    addCombo(output, QStringLiteral("cbb2"), QRect(12, 28, 120, 24),
             {QStringLiteral("基础版"), QStringLiteral("专业版"), QStringLiteral("天猫版")},
             QStringLiteral("专业版"));
    addCaption(output, QRect(12, 68, 80, 22), QStringLiteral("选择张数："));
    addCombo(output, QStringLiteral("cbb1"), QRect(92, 66, 60, 24),
             {QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")}, QStringLiteral("2"));
    addCaption(output, QRect(12, 106, 50, 22), QStringLiteral("宽度："));
    addLabel(output, QStringLiteral("lbl1"), QRect(62, 106, 60, 22), QStringLiteral("1920"));
    addCaption(output, QRect(12, 144, 50, 22), QStringLiteral("高度："));
    addEdit(output, QStringLiteral("edt14"), QRect(62, 142, 70, 24), defaults.height);
    addCaption(output, QRect(136, 144, 30, 22), QStringLiteral("px"));
    addButton(output, QStringLiteral("btn2"), QRect(12, 200, 100, 32), QStringLiteral("清空"));
    addButton(output, QStringLiteral("btn1"), QRect(126, 200, 110, 32), QStringLiteral("生成代码"));
    addButton(output, QStringLiteral("btn3"), QRect(12, 250, 224, 40), QStringLiteral("转化通栏"));

    QGroupBox* pictures =
        addGroup(this, QStringLiteral("grp2"), QRect(266, 288, 552, 250), QStringLiteral("图片参数"));
    const QStringList rows = {QStringLiteral("第一张图："), QStringLiteral("第二张图："),
                              QStringLiteral("第三张图："), QStringLiteral("第四张图：")};
    for (int k = 0; k < 4; ++k) {
        const int y = 28 + 54 * k;
        addCaption(pictures, QRect(10, y, 70, 22), rows[k]);
        addEdit(pictures, QStringLiteral("edt%1").arg(3 * k + 1), QRect(80, y, 200, 24), defaults.pictures[k]);
        addCaption(pictures, QRect(286, y, 40, 22), QStringLiteral("链接："));
        addEdit(pictures, QStringLiteral("edt%1").arg(3 * k + 2), QRect(326, y, 216, 24), defaults.links[k]);
        addCaption(pictures, QRect(286, y + 26, 40, 22), QStringLiteral("标题："));
        addEdit(pictures, QStringLiteral("edt%1").arg(3 * k + 3), QRect(326, y + 26, 216, 24), defaults.titles[k]);
    }

    QGroupBox* tabs =
        addGroup(this, QStringLiteral("grp3"), QRect(266, 546, 552, 112), QStringLiteral("标题参数"));
    addCaption(tabs, QRect(10, 30, 70, 22), QStringLiteral("横条底色："));
    addEdit(tabs, QStringLiteral("edt15"), QRect(80, 28, 90, 24), defaults.barColour);
    addCaption(tabs, QRect(186, 30, 70, 22), QStringLiteral("标签底色："));
    addEdit(tabs, QStringLiteral("edt17"), QRect(256, 28, 90, 24), defaults.tabColour);
    addCaption(tabs, QRect(362, 30, 70, 22), QStringLiteral("文字颜色："));
    addEdit(tabs, QStringLiteral("edt18"), QRect(432, 28, 90, 24), QStringLiteral("#fff"));
    addCaption(tabs, QRect(10, 66, 520, 22), QStringLiteral("双击颜色框可以选色"));

    addHolder(QStringLiteral("lbl2"), kWidget);
    addOutputMemo(QStringLiteral("mmo1"));

    colorField(QStringLiteral("edt15"));
    colorField(QStringLiteral("edt17"));
    colorField(QStringLiteral("edt18"));

    on(QStringLiteral("btn1Click"), [this] {
        const QString count = text(QStringLiteral("cbb1"));
        if (count != QLatin1String("2") && count != QLatin1String("3") && count != QLatin1String("4")) {
            message(QStringLiteral("请在选择张数中选择2、3或4张，再生成代码！"));
            return;
        }
        setText(QStringLiteral("mmo1"), lunboSnippet(input(count.toInt())));
        message(QStringLiteral("代码已生成点击后面的转化通栏！"));
    });
    on(QStringLiteral("btn2Click"), [this] {
        for (int i = 1; i <= 12; ++i)
            setText(QStringLiteral("edt%1").arg(i), QString());
    });
    on(QStringLiteral("btn3Click"), [this] {
        if (!needOutput(QStringLiteral("mmo1"), core::generateFirst())) return;
        core::handToConverter({core::editionFromBasicFirst(text(QStringLiteral("cbb2"))),
                               QStringLiteral("1920"), text(QStringLiteral("edt14")),
                               text(QStringLiteral("mmo1"))});
    });
}

LunboInput::LunboInput()
    : pictures(4, kSamplePoster)
    , links(4, kSampleShop)
    , titles({QStringLiteral("岚舟设计工作室"), QStringLiteral("《青梧美工装修软件》"), QStringLiteral("《淘宝美工教程》"),
              QStringLiteral("《客官自定义吧》")}) {}

LunboInput Tfrmlunbo::input(int slides) const {
    LunboInput in;
    in.slides = slides;
    in.height = text(QStringLiteral("edt14"));
    in.barColour = text(QStringLiteral("edt15"));
    in.tabColour = text(QStringLiteral("edt17"));
    for (int k = 0; k < 4; ++k) {
        in.pictures[k] = text(QStringLiteral("edt%1").arg(3 * k + 1));
        in.links[k] = text(QStringLiteral("edt%1").arg(3 * k + 2));
        in.titles[k] = text(QStringLiteral("edt%1").arg(3 * k + 3));
    }
    return in;
}

QString lunboSnippet(const LunboInput& in) {
    const int n = in.slides;
    const QString& h = in.height;
    QString out;
    out +=
        QStringLiteral("<div style=\"width:1920px; height:") + h + QStringLiteral("px; overflow:hidden\" >");
    out += kWidget;
    out +=
        QStringLiteral("<div  style=\"width:1920px; height:") + h + QStringLiteral("px; overflow:hidden\" >");
    out += QStringLiteral("<div class=\"kavri325_cont_1\">");
    for (int k = 1; k <= n; ++k) {
        out += QStringLiteral("<div style=\"width:1920px; height:") + h +
               QStringLiteral("px; overflow:hidden\"><div style=\"width:1920px; height:") + h +
               QStringLiteral("px;\">");
        out += QStringLiteral("<a href=\"") + in.links[k - 1] +
               QStringLiteral("\" style=\"display:block;width:1920px;height:") + h +
               QStringLiteral("px;\" target=\"_blank\">");
        out += QStringLiteral("<img  src=\"") + in.pictures[k - 1] + QStringLiteral("\" /></a></div>");
        out += QStringLiteral("<div style=\"width:200px; height:30px; position:relative; top:-30px; left:") +
               QString::number(tabLeft(n, k)) + QStringLiteral("px; background-color:") + in.tabColour +
               QStringLiteral("; z-index:10\"></div></div>");
    }
    out += QStringLiteral("</div></div>");
    out += QStringLiteral("<div style=\"width:1920px; height:30px; position:relative; top:-30px; left:0px; "
                          "background-color:") +
           in.barColour + QStringLiteral("; z-index:5;filter:alpha(Opacity=50); opacity: 0.5;\"></div>");
    out += QStringLiteral("<div class=\"kavri325_nav_1\">");
    for (int k = 1; k <= n; ++k) {
        if (k == 1)
            out +=
                QStringLiteral("<div style=\"width:200px; height:30px; position:relative; top:-60px; left:") +
                QString::number(tabLeft(n, 1)) +
                QStringLiteral(
                    "px; z-index:20;color:#FFF; text-align:center; line-height:30px;cursor:pointer;\">");
        else
            out += QStringLiteral("<div style=\"width:200px; height:30px; position:relative; top:-") +
                   QString::number(tabLift(k)) + QStringLiteral("px;left:") + QString::number(tabLeft(n, k)) +
                   QStringLiteral(
                       "px; z-index:20;color:#FFF; text-align:center; line-height:30px;cursor:pointer;\">");
        out += in.titles[k - 1] + QStringLiteral("</div>");
    }
    out += QStringLiteral("</div></div></div>");
    return out;
}

QINGWU_WINDOW(Tfrmlunbo, {.order = 220,
                          .tile = core::Tile{.page = u"ts11",
                                             .row = 2,
                                             .column = 1,
                                             .image = u"img133",
                                             .caption = u"轮播标签海报"},
                          .preview = core::ShopPreview{.place = core::Place::Wide, .output = u"mmo1"},
                          .sample = [] { return lunboSnippet(LunboInput()); }})

} // namespace generators
