#include "generators/lists/danhang1.h"

#include "core/messages.h"
#include "core/preview.h"
#include "core/registry.h"
#include "core/text.h"
#include "generators/lists/productlists.h"

#include <QGroupBox>
#include <QLabel>

namespace generators {

namespace {

// The fields of one column.
struct Column {
    QString picture, link, tag, title, text;
};
const Column kLeft{QStringLiteral("edt1"), QStringLiteral("edt2"), QStringLiteral("edt3"),
                   QStringLiteral("edt4"), QStringLiteral("mmo1")};
const Column kRight{QStringLiteral("edt5"), QStringLiteral("edt6"), QStringLiteral("edt7"),
                    QStringLiteral("edt8"), QStringLiteral("mmo2")};

// The sample column: picture `number`.
Danhang1Column sampleColumn(int number) {
    return {QStringLiteral("https://gd2.alicdn.com/imgextra/qingwu/two-columns-%1.jpg").arg(number),
            QStringLiteral("#"), QStringLiteral("今日包邮"), QStringLiteral("香格里拉自由五日游"),
            core::joinLines({QStringLiteral("补充健康生活所需的维他命，补充生物类黄铜及抗氧"),
                             QStringLiteral("化剂成分，提供丰富维生素和矿物质全面营养")})};
}

} // namespace

Danhang1Input::Danhang1Input()
    : left(sampleColumn(1))
    , right(sampleColumn(2)) {}

Tfrmdanhang1::Tfrmdanhang1()
    : core::Form(QStringLiteral("Tfrmdanhang1"), QStringLiteral("单行左右图文混排")) {
    setClientSize(900, 640);
    const Danhang1Input defaults;
    auto* view = new QWidget(this);
    view->setObjectName(QStringLiteral("wb1"));
    view->setGeometry(0, 0, 900, 280);
    addMemo(this, QStringLiteral("mmo3"), QRect(8, 284, 438, 60));
    addMemo(this, QStringLiteral("mmo4"), QRect(454, 284, 438, 60));

    const struct {
        const char* group;
        QString caption;
        Column fields;
        const Danhang1Column& values;
        int x;
    } columns[] = {{"grp2", QStringLiteral("左图"), kLeft, defaults.left, 8},
                   {"grp3", QStringLiteral("右图"), kRight, defaults.right, 454}};
    for (const auto& c : columns) {
        QGroupBox* group = addGroup(this, QString::fromLatin1(c.group), QRect(c.x, 350, 438, 200), c.caption);
        const struct {
            QString caption, name, value;
        } rows[] = {{QStringLiteral("图片地址："), c.fields.picture, c.values.picture},
                    {QStringLiteral("图片链接："), c.fields.link, c.values.link},
                    {QStringLiteral("四字宣传："), c.fields.tag, c.values.tag},
                    {QStringLiteral("标题信息："), c.fields.title, c.values.title}};
        for (int i = 0; i < 4; ++i) {
            addCaption(group, QRect(10, 22 + 28 * i, 70, 22), rows[i].caption);
            addEdit(group, rows[i].name, QRect(80, 20 + 28 * i, 348, 24), rows[i].value);
        }
        addCaption(group, QRect(10, 136, 70, 22), QStringLiteral("小字标题："));
        addMemo(group, c.fields.text, QRect(80, 134, 348, 58), core::textLines(c.values.text));
    }

    QGroupBox* output =
        addGroup(this, QStringLiteral("grp1"), QRect(8, 556, 884, 76), QStringLiteral("输出"));
    addCaption(output, QRect(10, 22, 70, 22), QStringLiteral("标签底色："));
    addEdit(output, QStringLiteral("edt9"), QRect(80, 20, 70, 24), defaults.tagBackground);
    addCaption(output, QRect(160, 22, 70, 22), QStringLiteral("标签字色："));
    addEdit(output, QStringLiteral("edt10"), QRect(230, 20, 70, 24), defaults.tagColour);
    addCaption(output, QRect(310, 22, 70, 22), QStringLiteral("字体选择："));
    addCombo(output, QStringLiteral("cbb1"), QRect(380, 20, 140, 24),
             {QStringLiteral("Microsoft YaHei"), QStringLiteral("simsun"), QStringLiteral("simhei")},
             defaults.font);
    QLabel* help = addLabel(output, QStringLiteral("lbl4"), QRect(540, 22, 40, 22), QStringLiteral("帮助"));
    help->setCursor(Qt::PointingHandCursor);
    addButton(output, QStringLiteral("btn1"), QRect(640, 16, 110, 36), QStringLiteral("生成预览"));
    addButton(output, QStringLiteral("btn2"), QRect(760, 16, 110, 36), QStringLiteral("复制代码"));

    colorField(QStringLiteral("edt9"), [this](const QColor& colour) {
        core::paintField(control(QStringLiteral("edt9")), colour, false);
    });
    colorField(QStringLiteral("edt10"), [this](const QColor& colour) {
        core::paintField(control(QStringLiteral("edt10")), colour, false);
    });
    on(QStringLiteral("lbl4Click"),
       [this] { message(QStringLiteral("双击颜色框可调用色板，先生成预览，无误后点击复制代码！")); });
    on(QStringLiteral("btn1Click"), [this] {
        const QString code = danhang1Snippet(input());
        setText(QStringLiteral("mmo3"), code);
        setText(QStringLiteral("mmo4"),
                QStringLiteral(" <!doctype html><html><head><meta charset=\"gb2312\"></head><body>") + code +
                    QStringLiteral("</body></html>"));
        core::showPage(m_browser, control<QWidget>(QStringLiteral("wb1")),
                       lists::writePreviewPage(this, QStringLiteral("mmo4")));
    });
    on(QStringLiteral("btn2Click"), [this] {
        if (!needOutput(QStringLiteral("mmo3"), QStringLiteral("请先点击生成预览生成代码，再复制代码！")))
            return;
        copyOut(QStringLiteral("mmo3"), core::kCopiedForShop);
    });
}

Danhang1Input Tfrmdanhang1::input() const {
    Danhang1Input in;
    in.font = text(QStringLiteral("cbb1"));
    in.tagColour = text(QStringLiteral("edt10"));
    in.tagBackground = text(QStringLiteral("edt9"));
    for (auto [fields, column] : {std::pair{&kLeft, &in.left}, std::pair{&kRight, &in.right}})
        *column = {text(fields->picture), text(fields->link), text(fields->tag), text(fields->title),
                   text(fields->text)};
    return in;
}

QString danhang1Snippet(const Danhang1Input& in) {
    QString out;
    for (const Danhang1Column* c : {&in.left, &in.right}) {
        out += QStringLiteral(" <div style=\"width:49%; float:left; height:385px;") +
               (c == &in.right ? QStringLiteral("margin-left:2%;") : QString()) +
               QStringLiteral(" font-family:") + in.font + QStringLiteral("\"><a  href=\"") + c->link +
               QStringLiteral(
                   "\" target=\"_blank\"><div style=\"height:300px; overflow:hidden;margin-bottom:15px; "
                   "background-color:#999\"><img src=\" ") +
               c->picture + QStringLiteral("\" /></div></a>");
        out +=
            QStringLiteral("<div style=\"height:50px;font-size:18px; color:") + in.tagColour +
            QStringLiteral(";float:left; width:10%; background-color:") + in.tagBackground +
            QStringLiteral("; text-align:center; margin-right:5%; padding:10px; line-height:22px;\">") +
            c->tag +
            QStringLiteral("</div><div style=\"float:left; width:70%\"><div style=\" "
                           "height:30px;font-size:18px;color:#000\">") +
            c->title +
            QStringLiteral("</div><div style=\"line-height:20px;font-size:14px; color:#999; height:40px\">") +
            c->text + QStringLiteral("</div></div></div>");
    }
    return out;
}

QINGWU_WINDOW(
    Tfrmdanhang1,
    {.order = 590,
     .tile = core::Tile{.page = u"ts6", .row = 3, .column = 3, .image = u"img40", .caption = u"单行左右图文"},
     .preview = core::ShopPreview{.place = core::Place::Home},
     .sample = [] { return danhang1Snippet(Danhang1Input()); }})

} // namespace generators
