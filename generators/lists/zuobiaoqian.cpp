#include "generators/lists/zuobiaoqian.h"

#include "core/preview.h"
#include "core/registry.h"
#include "generators/lists/productlists.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>

namespace generators {

namespace {

// Picture and link field of picture i (1-based) of group g (1-based).
struct Slot {
    int picture, link;
};
Slot slot(int g, int i) {
    static const Slot fields[4][3] = {
        {{5, 6}, {7, 8}, {9, 10}},
        {{11, 12}, {15, 13}, {16, 14}},
        {{17, 18}, {21, 19}, {22, 20}},
        {{23, 24}, {27, 25}, {28, 26}},
    };
    return fields[g - 1][i - 1];
}

QString field(int number) {
    return QStringLiteral("edt%1").arg(number);
}

const QString kIndent = QString(36, QLatin1Char(' '));

// The carousel's head, held in the hidden label "lbl10".
QString carouselHead() {
    return QStringLiteral("<div class=\"J_TWidget\"  data-widget-type=\"Carousel\"  \r\n"
                          "data-widget-config=\"{'effect': 'scrollx',\r\n") +
           kIndent + QStringLiteral("'navCls':'kavri_124nav',\r\n") + kIndent +
           QStringLiteral("'contentCls':'kavri_124cont',\r\n") + kIndent +
           QStringLiteral("'autoplay':'true'\r\n") + QString(35, QLatin1Char(' ')) + QStringLiteral("}\">");
}

} // namespace

ZuobiaoqianInput::ZuobiaoqianInput()
    : groups(4, QStringLiteral("青梧美工")) {
    for (int g = 1; g <= 4; ++g)
        for (int i = 1; i <= 3; ++i) {
            pictures << lists::samplePicture(QStringLiteral("left-tab-%1-%2.jpg").arg(g).arg(i));
            links << QStringLiteral("#");
        }
}

Tfrmzuobiaoqian::Tfrmzuobiaoqian()
    : hover::HoverForm(QStringLiteral("Tfrmzuobiaoqian"), QStringLiteral("左侧标签卡盘")) {
    setClientSize(760, 470);
    const ZuobiaoqianInput defaults;
    core::addPreviewPicture(this, QRect(0, 0, 760, 100), QStringLiteral("左侧标签卡"));

    QGroupBox* settings =
        addGroup(this, QStringLiteral("grp2"), QRect(8, 108, 250, 180), QStringLiteral("参数设置"));
    addShopCombo(settings, QRect(10, 20, 90, 24));
    auto row = [&](QWidget* parent, int y, const QString& caption, const QString& name,
                   const QString& value) {
        addCaption(parent, QRect(10, y + 2, 70, 22), caption);
        addEdit(parent, name, QRect(80, y, 160, 24), value);
    };
    row(settings, 52, QStringLiteral("标题名称："), QStringLiteral("edt29"), defaults.title);
    row(settings, 82, QStringLiteral("标题底色："), QStringLiteral("edt30"), defaults.titleColour);
    row(settings, 112, QStringLiteral("轮播底色："), QStringLiteral("edt32"), defaults.blockColour);
    row(settings, 142, QStringLiteral("底色："), QStringLiteral("edt31"), defaults.columnColour);

    QGroupBox* names =
        addGroup(this, QStringLiteral("grp3"), QRect(8, 294, 250, 150), QStringLiteral("左侧分组名称"));
    const QString numbers[] = {QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"),
                               QStringLiteral("四")};
    for (int g = 1; g <= 4; ++g)
        row(names, 22 + 30 * (g - 1), QStringLiteral("分组") + numbers[g - 1] + QStringLiteral("："),
            field(g), defaults.groups[g - 1]);

    auto* pages = new QTabWidget(this);
    pages->setGeometry(266, 108, 486, 250);
    for (int g = 1; g <= 4; ++g) {
        auto* page = new QWidget;
        pages->addTab(page, QStringLiteral("    第") + numbers[g - 1] + QStringLiteral("组  "));
        for (int i = 1; i <= 3; ++i) {
            const int y = 10 + 66 * (i - 1);
            addCaption(page, QRect(10, y + 2, 50, 22), QStringLiteral("图片%1：").arg(i));
            addEdit(page, field(slot(g, i).picture), QRect(60, y, 410, 24),
                    defaults.pictures[3 * (g - 1) + i - 1]);
            addCaption(page, QRect(10, y + 30, 50, 22), QStringLiteral("链接%1：").arg(i));
            addEdit(page, field(slot(g, i).link), QRect(60, y + 28, 410, 24),
                    defaults.links[3 * (g - 1) + i - 1]);
        }
    }

    QGroupBox* output =
        addGroup(this, QStringLiteral("grp1"), QRect(266, 364, 486, 80), QStringLiteral("输出"));
    QWidget* reference =
        addButton(output, QStringLiteral("btn2"), QRect(20, 26, 120, 36), QStringLiteral("参照图"));
    addButton(output, QStringLiteral("btn1"), QRect(346, 26, 120, 36), QStringLiteral("复制提取"));
    addReferencePanel(reference, output, QRect(100, 40, 560, 320),
                      QStringLiteral("注意：图片中尺寸有误，应该是253*380px"));

    addHiddenShopSizes({{QStringLiteral("lbl13"), defaults.width, QStringLiteral("990"), QString()},
                        {QStringLiteral("lbl12"), defaults.columnWidth, QStringLiteral("191"), QString()}});
    addHolder(QStringLiteral("lbl10"), carouselHead());
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    colorField(QStringLiteral("edt30"));
    colorField(QStringLiteral("edt32"));
    colorField(QStringLiteral("edt31"));
    on(QStringLiteral("btn1Click"), [this] {
        deliver(QStringLiteral("mmo1"), zuobiaoqianSnippet(input()),
                QStringLiteral("代码已被复制，可以通过本软件的预览功能预览或者安装到店铺自定义！"));
    });
}

ZuobiaoqianInput Tfrmzuobiaoqian::input() const {
    ZuobiaoqianInput in;
    in.width = text(QStringLiteral("lbl13"));
    in.columnWidth = text(QStringLiteral("lbl12"));
    in.title = text(QStringLiteral("edt29"));
    in.titleColour = text(QStringLiteral("edt30"));
    in.blockColour = text(QStringLiteral("edt32"));
    in.columnColour = text(QStringLiteral("edt31"));
    for (int g = 1; g <= 4; ++g) {
        in.groups[g - 1] = text(field(g));
        for (int i = 1; i <= 3; ++i) {
            in.pictures[3 * (g - 1) + i - 1] = text(field(slot(g, i).picture));
            in.links[3 * (g - 1) + i - 1] = text(field(slot(g, i).link));
        }
    }
    return in;
}

QString zuobiaoqianSnippet(const ZuobiaoqianInput& in) {
    QString out = carouselHead();
    out += QStringLiteral("<div style=\"width:") + in.width +
           QStringLiteral("px; height:400px; background-color:") + in.blockColour + QStringLiteral("\">");
    out +=
        QStringLiteral("<div style=\"float:left; width:") + in.columnWidth +
        QStringLiteral("px;height:400px; text-align:center; font-size:14px; color:#FFF;background-color:") +
        in.columnColour + QStringLiteral("; \">") +
        QStringLiteral("<div style=\"height:100px; background-color:") + in.titleColour +
        QStringLiteral(";line-height:100px; font-family: Microsoft yahei; font-size:20px\">") +
        QStringLiteral("<strong>") + in.title + QStringLiteral("</strong>") + QStringLiteral("</div>") +
        QStringLiteral("<div style=\"height:20px;\"></div>");
    out += QStringLiteral("<div class=\"kavri_124nav\">");
    for (int g = 1; g <= 4; ++g)
        out += QStringLiteral("<div style=\"line-height:50px;cursor:pointer;\">") + in.groups[g - 1] +
               QStringLiteral("</div>");
    out += QStringLiteral("</div>");
    out += QStringLiteral("<div style=\"height:80px;\"></div>") + QStringLiteral("</div>");
    out += QStringLiteral("<div style=\"float:left; width:799px;height:400px;overflow:hidden\">") +
           QStringLiteral("<div class=\"kavri_124cont\">");
    for (int g = 1; g <= 4; ++g) {
        out += QStringLiteral("<div style=\"width:799px;height:400px;\">");
        for (int i = 1; i <= 3; ++i)
            out += QStringLiteral(
                       "<div style=\"float:left; width:253px;height:380px; margin:10px 0px 0px 10px\"> "
                       "<a href=\"") +
                   in.links[3 * (g - 1) + i - 1] + QStringLiteral("\" target=\"_blank\"><img src=\"") +
                   in.pictures[3 * (g - 1) + i - 1] +
                   QStringLiteral("\" alt=\" 253x380\" width=\"253\" height=\"380\"/></a></div>");
        out += QStringLiteral("</div>");
    }
    out += QStringLiteral("</div>") + QStringLiteral("</div>") + QStringLiteral("</div>") +
           QStringLiteral("</div>");
    return out;
}

QINGWU_WINDOW(
    Tfrmzuobiaoqian,
    {.order = 540,
     .tile = core::Tile{.page = u"ts8", .row = 2, .column = 1, .image = u"img57", .caption = u"左侧标签卡"},
     .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbb1"},
     .sample = [] { return zuobiaoqianSnippet(ZuobiaoqianInput()); }})

} // namespace generators
