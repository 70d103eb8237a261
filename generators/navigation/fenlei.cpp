#include "generators/navigation/fenlei.h"

#include "core/platform.h"
#include "core/preview.h"
#include "core/registry.h"

#include <QGroupBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace generators {

namespace {

struct Row {
    int name, colour, link;
    const char* text;
    const char* textColour;
};

// One column: its heading fields and its five rows from top to bottom, with
// their design names and first values.
struct ColumnFields {
    int heading, headingColour;
    const char* title;
    const char* titleColour;
    Row rows[5];
};

const ColumnFields kColumns[6] = {
    {16,
     17,
     "所有分类",
     "#22CFF6",
     {{3, 1, 11, "按分类", "#222222"},
      {4, 2, 12, "按价格", "#694979"},
      {6, 9, 14, "按收藏", "#222222"},
      {5, 8, 13, "按新品", "#222222"},
      {7, 10, 15, "", "#222222"}}},
    {33,
     34,
     "新品上市",
     "#6AA147",
     {{18, 23, 28, "7月15日上新", "#222222"},
      {19, 24, 29, "10.25上新", "#22CFF6"},
      {21, 26, 31, "8.20上新", "#222222"},
      {20, 25, 30, "随便写点", "#694979"},
      {22, 27, 32, "", "#222222"}}},
    {50,
     51,
     "热销上装",
     "#694979",
     {{35, 40, 45, "T恤", "#222222"},
      {36, 41, 46, "针织衫/毛衣", "#694979"},
      {38, 43, 48, "背心马甲", "#222222"},
      {37, 42, 47, "", "#222222"},
      {39, 44, 49, "", "#222222"}}},
    {101,
     102,
     "夏装新款",
     "#22CFF6",
     {{86, 91, 96, "羽绒服", "#666"},
      {87, 92, 97, "大大大棉袄", "#666"},
      {89, 94, 99, "再来个", "#666"},
      {88, 93, 98, "", "#22CFF6"},
      {90, 95, 100, "", "#666"}}},
    {84,
     85,
     "裙装热卖",
     "#22CFF6",
     {{69, 74, 79, "打字愁人", "#666"},
      {70, 75, 80, "还有", "#694979"},
      {72, 77, 82, "不像打字", "#666"},
      {71, 76, 81, "最后了", "#666"},
      {73, 78, 83, "", "#666"}}},
    {67,
     68,
     "流行元素",
     "#22CFF6",
     {{52, 57, 62, "懒的要命", "#666"},
      {53, 58, 63, "哪吒多好", "#666"},
      {55, 60, 65, "三头和六臂", "#694979"},
      {54, 59, 64, "边抽烟边打字", "#666"},
      {56, 61, 66, "", "#666"}}},
};

QString edt(int number) {
    return QStringLiteral("edt%1").arg(number);
}

// The page written by "生成代码" and shown by "预览效果".
QString pagePath() {
    return core::workingPage(QStringLiteral("files.html"));
}

} // namespace

Tfrmfenlei::Tfrmfenlei()
    : core::Form(QStringLiteral("Tfrmfenlei"), QStringLiteral("首页横向分类")) {
    setClientSize(879, 631);
    const FenleiInput defaults;

    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("pgc1"));
    pages->setGeometry(0, 0, 879, 631);
    auto* params = new QWidget;
    params->setObjectName(QStringLiteral("ts1"));
    pages->addTab(params, QStringLiteral("横向分类   "));
    auto* reference = new QWidget;
    reference->setObjectName(QStringLiteral("ts2"));
    pages->addTab(reference, QStringLiteral("参照图    "));
    core::addPreviewPicture(reference, QRect(8, 8, 855, 580), QStringLiteral("首页横向分类"));
    auto* preview = new QWidget;
    preview->setObjectName(QStringLiteral("ts3"));
    pages->addTab(preview, QStringLiteral("预览      "));
    auto* browserHost = new QWidget(preview);
    browserHost->setObjectName(QStringLiteral("wb1"));
    auto* fill = new QVBoxLayout(preview);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(browserHost);

    QGroupBox* global =
        addGroup(params, QStringLiteral("grp1"), QRect(6, 4, 861, 56), QStringLiteral("全局参数 "));
    const QString presets[] = {QStringLiteral("绿色系"), QStringLiteral("粉色系"), QStringLiteral("蓝色系"),
                               QStringLiteral("灰色系"), QStringLiteral("红色系")};
    for (int i = 0; i < 5; ++i)
        addRadio(global, QStringLiteral("rb%1").arg(i + 1), QRect(12 + 76 * i, 22, 72, 24), presets[i]);
    addButton(global, QStringLiteral("btn3"), QRect(420, 18, 130, 30), QStringLiteral("生成代码"));
    addButton(global, QStringLiteral("btn4"), QRect(560, 18, 130, 30), QStringLiteral("预览效果"));
    addButton(global, QStringLiteral("btn1"), QRect(700, 18, 130, 30), QStringLiteral("复制代码"));

    const QString circled = QStringLiteral("①②③④⑤⑥");
    for (int c = 0; c < 6; ++c) {
        const ColumnFields& column = kColumns[c];
        const FenleiInput::Column& start = defaults.columns[c];
        QGroupBox* group = addGroup(params, QStringLiteral("grpcol%1").arg(c + 1),
                                    QRect(6 + 288 * (c % 3), 64 + 268 * (c / 3), 282, 262),
                                    QStringLiteral("第") + circled.mid(c, 1) + QStringLiteral("列从上到下"));
        addCaption(group, QRect(8, 24, 56, 22), QStringLiteral("分类名："));
        addEdit(group, edt(column.heading), QRect(64, 22, 100, 24), start.heading);
        addCaption(group, QRect(172, 24, 40, 22), QStringLiteral("底色："));
        addEdit(group, edt(column.headingColour), QRect(212, 22, 62, 24), start.headingColour);
        colorField(edt(column.headingColour));
        QGroupBox* names = addGroup(group, {}, QRect(6, 52, 96, 202), QStringLiteral("名称"));
        QGroupBox* colours = addGroup(group, {}, QRect(104, 52, 72, 202), QStringLiteral("文字色"));
        QGroupBox* links = addGroup(group, {}, QRect(178, 52, 98, 202), QStringLiteral("链接地址"));
        for (int r = 0; r < 5; ++r) {
            const Row& row = column.rows[r];
            const int y = 20 + 36 * r;
            addEdit(names, edt(row.name), QRect(6, y, 84, 24), start.names[r]);
            addEdit(colours, edt(row.colour), QRect(6, y, 60, 24), start.colours[r]);
            colorField(edt(row.colour));
            addEdit(links, edt(row.link), QRect(6, y, 86, 24), start.links[r]);
        }
    }

    addOutputMemo(QStringLiteral("mmo1"));

    const QString presetColours[] = {QStringLiteral("#69AF69"), QStringLiteral("#E58196"),
                                     QStringLiteral("#3C99A7"), QStringLiteral("#433D36"),
                                     QStringLiteral("#FF3939")};
    for (int i = 0; i < 5; ++i)
        on(QStringLiteral("rb%1Click").arg(i + 1), [this, colour = presetColours[i]] {
            for (const ColumnFields& column : kColumns)
                setText(edt(column.headingColour), colour);
        });
    on(QStringLiteral("btn3Click"), [this] {
        setText(QStringLiteral("mmo1"), fenleiSnippet(input()));
        core::makeFolderOf(pagePath());
        core::savePageLines(*this, QStringLiteral("mmo1"), pagePath());
        core::platform().information(this, QStringLiteral("代码已生成，可以点击预览或者复制代码！"));
    });
    on(QStringLiteral("btn4Click"), [this, pages, browserHost] {
        pages->setCurrentIndex(2);
        core::showPage(m_browser, browserHost, pagePath());
    });
    on(QStringLiteral("btn1Click"), [this] {
        if (!needOutput(QStringLiteral("mmo1"), QStringLiteral("请先点击生成代码，再复制代码！"))) return;
        copyOut(QStringLiteral("mmo1"), navigation::kCopiedShort);
    });
}

FenleiInput::FenleiInput() {
    for (const ColumnFields& column : kColumns) {
        Column start{QString::fromUtf8(column.title), QString::fromUtf8(column.titleColour), {}, {}, {}};
        for (const Row& row : column.rows) {
            start.names << QString::fromUtf8(row.text);
            start.colours << QString::fromUtf8(row.textColour);
            start.links << QStringLiteral("#");
        }
        columns << start;
    }
}

FenleiInput Tfrmfenlei::input() const {
    FenleiInput in;
    for (int c = 0; c < 6; ++c) {
        const ColumnFields& column = kColumns[c];
        FenleiInput::Column& typed = in.columns[c];
        typed.heading = text(edt(column.heading));
        typed.headingColour = text(edt(column.headingColour));
        for (int r = 0; r < 5; ++r) {
            typed.names[r] = text(edt(column.rows[r].name));
            typed.colours[r] = text(edt(column.rows[r].colour));
            typed.links[r] = text(edt(column.rows[r].link));
        }
    }
    return in;
}

QString fenleiSnippet(const FenleiInput& in) {
    QString out;
    for (const FenleiInput::Column& column : in.columns) {
        out += QStringLiteral("<div style=\"width:16%; float:left; height:180px; padding-left:0.6%;\"><div "
                              "style=\" height:30px; line-height:30px; background:") +
               column.headingColour + QStringLiteral(";text-align:center; color:#FFF; font-size:12px;\">") +
               column.heading + QStringLiteral("</div>");
        for (int r = 0; r < 5; ++r)
            out += QStringLiteral(
                       " <div style=\" height:30px; line-height:30px; text-align:center;font-size:12px;"
                       "\"><a href=\"") +
                   column.links.value(r) + QStringLiteral("\" target=\"_blank\"><span style=\"color:") +
                   column.colours.value(r) + QStringLiteral("; text-decoration:none\">") + column.names.value(r) +
                   QStringLiteral("</span></a></div>");
        out += QStringLiteral("</div>");
    }
    return out;
}

QINGWU_WINDOW(Tfrmfenlei, {.order = 690,
                           .tile = core::Tile{.page = u"tstuiyi1",
                                              .row = 2,
                                              .column = 2,
                                              .image = u"img25",
                                              .caption = u"首页横向分类"},
                           .preview = core::ShopPreview{.place = core::Place::Home},
                           .sample = [] { return fenleiSnippet(FenleiInput()); }})

} // namespace generators
