#include "generators/promotions/text.h"

#include "core/messages.h"
#include "core/platform.h"
#include "core/preview.h"
#include "core/registry.h"
#include "core/text.h"
#include "generators/promotions/pagewidgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace generators {

namespace {

// The value of a picked item, or nothing for a prompt or a typed text.
QString lookUp(const QString& item, const QStringList& items, const QStringList& values) {
    const qsizetype i = items.indexOf(item);
    return i < 0 ? QString() : values[i];
}

} // namespace

Tfrmtext::Tfrmtext()
    : core::Form(QStringLiteral("Tfrmtext"), QStringLiteral("文字滚动效果")) {
    setClientSize(472, 539);
    const TextInput defaults;
    m_style = defaults.borderStyle;
    m_direction = defaults.direction;

    auto* view = new QWidget(this);
    view->setObjectName(QStringLiteral("wb1"));
    view->setGeometry(0, 0, 472, 153);

    addCaption(this, QRect(12, 164, 70, 22), QStringLiteral("滚动形式："));
    addRadio(this, QStringLiteral("rb1"), QRect(82, 162, 60, 24), QStringLiteral("单向"), !defaults.twoWay);
    addRadio(this, QStringLiteral("rb2"), QRect(146, 162, 60, 24), QStringLiteral("双向"), defaults.twoWay);
    addCombo(this, QStringLiteral("cbb1"), QRect(212, 162, 120, 24),
             {QStringLiteral("从左向右"), QStringLiteral("从右向左"), QStringLiteral("从下向上"),
              QStringLiteral("从上向下")},
             QStringLiteral("从左向右"));
    QComboBox* pattern = addCombo(this, QStringLiteral("cbb6"), QRect(212, 162, 120, 24),
                                  {QStringLiteral("两边到中间"), QStringLiteral("中间到两边"),
                                   QStringLiteral("上下到中间"), QStringLiteral("中间到上下")},
                                  defaults.pattern);
    pattern->hide();
    addCombo(this, QStringLiteral("cbb5"), QRect(342, 162, 118, 24),
             {QStringLiteral("速度"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")},
             defaults.speed);

    addCaption(this, QRect(12, 198, 50, 22), QStringLiteral("字号："));
    addCombo(this, QStringLiteral("cbb2"), QRect(62, 196, 80, 24),
             {QStringLiteral("字号"), QStringLiteral("12px"), QStringLiteral("13px"), QStringLiteral("14px"),
              QStringLiteral("15px"), QStringLiteral("16px"), QStringLiteral("18px"), QStringLiteral("20px"),
              QStringLiteral("24px"), QStringLiteral("30px"), QStringLiteral("36px"), QStringLiteral("48px")},
             defaults.fontSize);
    addCaption(this, QRect(156, 198, 70, 22), QStringLiteral("文字颜色："));
    addEdit(this, QStringLiteral("edt1"), QRect(226, 196, 80, 24), defaults.textColour);
    addCaption(this, QRect(316, 198, 60, 22), QStringLiteral("背景色："));
    addEdit(this, QStringLiteral("edt3"), QRect(376, 196, 84, 24), defaults.background);
    addCaption(this, QRect(12, 232, 60, 22), QStringLiteral("边框色："));
    addEdit(this, QStringLiteral("edt4"), QRect(72, 230, 70, 24), defaults.border);
    addCaption(this, QRect(156, 232, 70, 22), QStringLiteral("滚动高度："));
    addEdit(this, QStringLiteral("edt2"), QRect(226, 230, 60, 24), defaults.height);
    addCaption(this, QRect(290, 232, 20, 22), QStringLiteral("px"));
    addCaption(this, QRect(12, 266, 70, 22), QStringLiteral("边框线粗："));
    addCombo(this, QStringLiteral("cbb3"), QRect(82, 264, 100, 24),
             {QStringLiteral("选择线粗"), QStringLiteral("0px"), QStringLiteral("1px"), QStringLiteral("2px"),
              QStringLiteral("3px"), QStringLiteral("4px"), QStringLiteral("5px")},
             defaults.borderWidth);
    addCaption(this, QRect(196, 266, 70, 22), QStringLiteral("边框类型："));
    addCombo(
        this, QStringLiteral("cbb4"), QRect(266, 264, 100, 24),
        {QStringLiteral("边框类型"), QStringLiteral("点线"), QStringLiteral("实线"), QStringLiteral("虚线")},
        QStringLiteral("点线"));
    QLabel* tip =
        addLabel(this, QStringLiteral("lbl18"), QRect(380, 266, 80, 22), QStringLiteral("温馨提示"));
    tip->setCursor(Qt::PointingHandCursor);

    QGroupBox* texts =
        addGroup(this, QStringLiteral("grp1"), QRect(12, 298, 448, 170), QStringLiteral("单向文字效果"));
    addCaption(texts, QRect(10, 26, 70, 22), QStringLiteral("文本一："));
    addEdit(texts, QStringLiteral("edt6"), QRect(80, 24, 356, 24), defaults.text1);
    addCaption(texts, QRect(10, 58, 70, 22), QStringLiteral("文本链接："));
    addEdit(texts, QStringLiteral("edt5"), QRect(80, 56, 356, 24), defaults.link1);
    m_secondText = {addCaption(texts, QRect(10, 98, 70, 22), QStringLiteral("文本二：")),
                    addEdit(texts, QStringLiteral("edt7"), QRect(80, 96, 356, 24), defaults.text2),
                    addCaption(texts, QRect(10, 130, 70, 22), QStringLiteral("文本链接：")),
                    addEdit(texts, QStringLiteral("edt8"), QRect(80, 128, 356, 24), defaults.link2)};
    showSecondText(false);

    addButton(this, QStringLiteral("btn1"), QRect(12, 482, 214, 42), QStringLiteral("调试"));
    addButton(this, QStringLiteral("btn2"), QRect(246, 482, 214, 42), QStringLiteral("复制代码"));
    addOutputMemo(QStringLiteral("mmo1"), {QStringLiteral("mmo1")});

    colorField(QStringLiteral("edt1"));
    colorField(QStringLiteral("edt3"));
    colorField(QStringLiteral("edt4"));
    on(QStringLiteral("rb1Click"), [this] {
        control<QWidget>(QStringLiteral("cbb1"))->show();
        control<QWidget>(QStringLiteral("cbb6"))->hide();
        showSecondText(false);
    });
    on(QStringLiteral("rb2Click"), [this] {
        control<QWidget>(QStringLiteral("cbb6"))->show();
        showSecondText(true);
        control<QWidget>(QStringLiteral("cbb1"))->hide();
    });
    on(QStringLiteral("FormShow"), [this] { showSecondText(false); });
    on(QStringLiteral("cbb4Change"), [this] {
        const QString style =
            lookUp(text(QStringLiteral("cbb4")),
                   {QStringLiteral("虚线"), QStringLiteral("实线"), QStringLiteral("点线")},
                   {QStringLiteral("dashed"), QStringLiteral("solid"), QStringLiteral("dotted")});
        if (!style.isEmpty()) m_style = style;
    });
    on(QStringLiteral("cbb1Change"), [this] {
        const QString direction = lookUp(
            text(QStringLiteral("cbb1")),
            {QStringLiteral("从左向右"), QStringLiteral("从右向左"), QStringLiteral("从下向上"),
             QStringLiteral("从上向下")},
            {QStringLiteral("right"), QStringLiteral("left"), QStringLiteral("up"), QStringLiteral("down")});
        if (!direction.isEmpty()) m_direction = direction;
    });
    on(QStringLiteral("lbl18Click"), [this] {
        message(QStringLiteral("双击颜色框可调出色板，单机后可自定义修改"), QStringLiteral("提示信息框"));
    });
    on(QStringLiteral("btn1Click"), [this] {
        const QString built = textSnippet(input());
        if (!built.isNull()) setText(QStringLiteral("mmo1"), built);
        const QString page = core::workingPage(QStringLiteral("files/文字调试.html"));
        core::savePageLines(*this, QStringLiteral("mmo1"), page);
        core::showPage(m_browser, control<QWidget>(QStringLiteral("wb1")), page);
    });
    on(QStringLiteral("btn2Click"), [this] {
        if (!needOutput(QStringLiteral("mmo1"), QStringLiteral("请先点击调试生成代码，再复制代码！"))) return;
        copyOut(QStringLiteral("mmo1"), core::kCopiedForShop);
    });
}

void Tfrmtext::showSecondText(bool shown) {
    for (QWidget* field : m_secondText)
        field->setVisible(shown);
}

TextInput Tfrmtext::input() const {
    TextInput in;
    in.twoWay = !control<QRadioButton>(QStringLiteral("rb1"))->isChecked();
    in.direction = m_direction;
    in.pattern = text(QStringLiteral("cbb6"));
    in.speed = text(QStringLiteral("cbb5"));
    in.fontSize = text(QStringLiteral("cbb2"));
    in.textColour = text(QStringLiteral("edt1"));
    in.background = text(QStringLiteral("edt3"));
    in.border = text(QStringLiteral("edt4"));
    in.height = text(QStringLiteral("edt2"));
    in.borderWidth = text(QStringLiteral("cbb3"));
    in.borderStyle = m_style;
    in.text1 = text(QStringLiteral("edt6"));
    in.link1 = text(QStringLiteral("edt5"));
    in.text2 = text(QStringLiteral("edt7"));
    in.link2 = text(QStringLiteral("edt8"));
    return in;
}

QString textSnippet(const TextInput& in) {
    const QString& h = in.height;
    const QString half = QString::number(core::parseInt(h) / 2);
    const QString& v = in.speed;
    const QString w = QStringLiteral("<div style=\"background:") + in.background +
                      QStringLiteral("; border:") + in.border + QStringLiteral(" ") + in.borderWidth +
                      QStringLiteral(" ") + in.borderStyle + QStringLiteral("; font-size:") + in.fontSize +
                      QStringLiteral(";line-height:") + h + QStringLiteral("px\">");
    const auto link = [&](const QString& address, const QString& words) {
        return QStringLiteral("<a style=\"text-decoration:none; color:") + in.textColour +
               QStringLiteral("\"  href=\"") + address + QStringLiteral("\"  target=\"_blank\" >") + words +
               QStringLiteral("</a>");
    };
    const QString a1 = link(in.link1, in.text1);
    const QString a2 = link(in.link2, in.text2);

    if (!in.twoWay)
        return w + QStringLiteral("<marquee height=") + h + QStringLiteral(" scrollAmount=") + v +
               QStringLiteral(" direction=") + in.direction + QStringLiteral(">") + a1 +
               QStringLiteral("</marquee></div>");

    const QString& pattern = in.pattern;
    if (pattern == QStringLiteral("两边到中间"))
        return w + QStringLiteral("<MARQUEE  height=") + h + QStringLiteral(" scrollAmount=") + v +
               QStringLiteral(" direction=right width=50%>") + a1 + QStringLiteral("</MARQUEE>") +
               QStringLiteral("<MARQUEE  height=") + h + QStringLiteral(" scrollAmount=") + v +
               QStringLiteral(" width=50%>") + a2 + QStringLiteral("</MARQUEE></div>");
    if (pattern == QStringLiteral("中间到两边"))
        return w + QStringLiteral("<MARQUEE height=") + h + QStringLiteral(" scrollAmount=") + v +
               QStringLiteral(" width=50%>") + a1 + QStringLiteral("</MARQUEE>") +
               QStringLiteral("<MARQUEE height=") + h + QStringLiteral("  scrollAmount=") + v +
               QStringLiteral(" width=50% direction=right>") + a2 + QStringLiteral("</MARQUEE>");
    // Up and down: each marquee takes half the height.
    const auto vertical = [&](const char* first, const char* second) {
        return w + QStringLiteral("<MARQUEE scrollAmount=") + v + QStringLiteral(" direction=") +
               QString::fromLatin1(first) + QStringLiteral(" height=") + half + QStringLiteral(">") + a1 +
               QStringLiteral("</MARQUEE>") + QStringLiteral("<MARQUEE scrollAmount=") + v +
               QStringLiteral(" direction=") + QString::fromLatin1(second) + QStringLiteral(" height=") +
               half + QStringLiteral(">") + a2 + QStringLiteral("</MARQUEE>");
    };
    if (pattern == QStringLiteral("上下到中间")) return vertical("down", "up");
    if (pattern == QStringLiteral("中间到上下")) return vertical("up", "down");
    return QString();
}

QINGWU_WINDOW(
    Tfrmtext,
    {.order = 110,
     .tile = core::Tile{.page = u"tsmg1", .row = 4, .column = 2, .image = u"img113", .caption = u"文字滚动"},
     .preview = core::ShopPreview{.place = core::Place::Home},
     // A notice strip: larger words in the shop's colours.
     .sample = [] {
         TextInput in;
         in.fontSize = QStringLiteral("20px");
         in.height = QStringLiteral("44");
         in.textColour = QStringLiteral("#c2410c");
         in.background = QStringLiteral("#fff4e0");
         in.border = QStringLiteral("#ff7a1a");
         in.borderWidth = QStringLiteral("2px");
         in.borderStyle = QStringLiteral("solid");
         return textSnippet(in);
     }})

} // namespace generators
