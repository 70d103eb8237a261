#include "tools/images/redian.h"

#include "core/files.h"
#include "core/fit.h"
#include "core/messages.h"
#include "core/preview.h"
#include "core/registry.h"
#include "core/text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QWheelEvent>

namespace tools {

namespace {

// One grid layout: its tab, its buttons, its fields cell by cell and the
// rectangle of each cell in terms of the picture's size and the computed values
// (T is layout 1's split height).
struct Layout {
    QString caption;
    int rows;
    int columns;
    bool wideTop; // one full-width cell above the others
    int extract;
    int preview;
    QList<int> links;
    QList<int> rectangles;
    QStringList cells;
};

const QList<Layout>& layouts() {
    static const QList<Layout> all = {
        {QStringLiteral("2行（5图）"),
         2,
         4,
         true,
         2,
         6,
         {3, 4, 6, 5, 7},
         {8, 9, 10, 11, 12},
         {QStringLiteral("0,0,W,T"), QStringLiteral("0,T,B1,H"), QStringLiteral("B1,T,B2,H"),
          QStringLiteral("B2,T,B3,H"), QStringLiteral("B3,T,W,H")}},
        {QStringLiteral("单行四列"),
         1,
         4,
         false,
         7,
         8,
         {14, 18, 17, 16},
         {19, 20, 21, 22},
         {QStringLiteral("0,0,B1,H"), QStringLiteral("B1,0,B2,H"), QStringLiteral("B2,0,B3,H"),
          QStringLiteral("B3,0,W,H")}},
        {QStringLiteral("两行四列"),
         2,
         4,
         false,
         9,
         10,
         {15, 25, 24, 23, 33, 32, 31, 30},
         {26, 27, 28, 29, 37, 36, 35, 34},
         {QStringLiteral("0,0,B1,A"), QStringLiteral("B1,0,B2,A"), QStringLiteral("B2,0,B3,A"),
          QStringLiteral("B3,0,W,A"), QStringLiteral("0,A,B1,H"), QStringLiteral("B1,A,B2,H"),
          QStringLiteral("B2,A,B3,H"), QStringLiteral("B3,A,W,H")}},
        {QStringLiteral("三行四列"),
         3,
         4,
         false,
         11,
         12,
         {38, 41, 40, 39, 45, 44, 43, 42, 57, 56, 55, 54},
         {46, 47, 48, 49, 53, 52, 51, 50, 61, 60, 59, 58},
         {QStringLiteral("0,0,B1,C1"), QStringLiteral("B1,0,B2,C1"), QStringLiteral("B2,0,B3,C1"),
          QStringLiteral("B3,0,W,C1"), QStringLiteral("0,C1,B1,C2"), QStringLiteral("B1,C1,B2,C2"),
          QStringLiteral("B2,C1,B3,C2"), QStringLiteral("B3,C1,W,C2"), QStringLiteral("0,C2,B1,H"),
          QStringLiteral("B1,C2,B2,H"), QStringLiteral("B2,C2,B3,H"), QStringLiteral("B3,C2,W,H")}},
        {QStringLiteral("单行三列"),
         1,
         3,
         false,
         13,
         14,
         {62, 65, 64},
         {66, 67, 68},
         {QStringLiteral("0,0,D1,H"), QStringLiteral("D1,0,D2,H"), QStringLiteral("D2,0,W,H")}},
        {QStringLiteral("两行三列"),
         2,
         3,
         false,
         15,
         16,
         {63, 71, 70, 69, 75, 74},
         {76, 77, 78, 79, 83, 82},
         {QStringLiteral("0,0,D1,A"), QStringLiteral("D1,0,D2,A"), QStringLiteral("D2,0,W,A"),
          QStringLiteral("0,A,D1,H"), QStringLiteral("D1,A,D2,H"), QStringLiteral("D2,A,W,H")}},
    };
    return all;
}

QString edit(int number) {
    return QStringLiteral("edt%1").arg(number);
}

const QString kHint =
    QStringLiteral("提取代码后会在预览中显示最终效果，可以右键测试看下范围！\r\n\r\n左边四个坐标（0,"
                   "0,100,100）分别为：水平，垂直，宽度，高度");
const QString kHintBroken =
    QStringLiteral("提取代码后会在预览中显示最终效果，\r\n可以右键测试看下范围！\r\n\r\n左边四个坐"
                   "标（0,0,100,100）\r\n分别为：水平，垂直，宽度，高度");

const QString kIntro = QStringLiteral(
    "软件说明：\r\n\r\n当前版本：热点链接 V1.0 版 "
    "\r\n\r\n本软件能实现不在设计稿切片前提下，以热点形式加链接，大大节约了美工时间！"
    "样式不断更新中！~"
    "\r\n\r\n软件每一个样式均有，链接参数及热点参数，如果您不是美工请不要修改热点的相关参数！");

// A drawing of a layout's numbered grid.
QPixmap gridPicture(const Layout& layout, const QSize& size) {
    QPixmap picture(size);
    picture.fill(QColor(0xF4, 0xF4, 0xF4));
    QPainter painter(&picture);
    painter.setPen(QPen(QColor(0x33, 0x66, 0x99), 2));
    const QRectF area(4, 4, size.width() - 8, size.height() - 8);
    const double rowHeight = area.height() / layout.rows;
    const double columnWidth = area.width() / layout.columns;
    int number = 0;
    auto cell = [&](const QRectF& rect) {
        painter.drawRect(rect);
        painter.drawText(rect, Qt::AlignCenter, QString::number(++number));
    };
    for (int row = 0; row < layout.rows; ++row) {
        if (row == 0 && layout.wideTop) {
            cell(QRectF(area.left(), area.top(), area.width(), rowHeight));
            continue;
        }
        for (int column = 0; column < layout.columns; ++column)
            cell(QRectF(area.left() + column * columnWidth, area.top() + row * rowHeight, columnWidth,
                        rowHeight));
    }
    return picture;
}

// The four whole numbers of a rectangle "x1,y1,x2,y2", or nothing.
std::optional<QRect> rectangleOf(const QString& text) {
    const QStringList parts = text.split(u',');
    if (parts.size() != 4) return std::nullopt;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].trimmed().toInt(&ok);
        if (!ok) return std::nullopt;
    }
    if (v[2] <= v[0] || v[3] <= v[1]) return std::nullopt;
    return QRect(QPoint(v[0], v[1]), QPoint(v[2] - 1, v[3] - 1));
}

} // namespace

Tfrmredian::Tfrmredian()
    : Form(QStringLiteral("Tfrmredian"), QStringLiteral("一图多链接（热点单机版）")) {
    setClientSize(1200, 860);
    const RedianInput defaults;

    // Picture bar.
    addLabel(this, QStringLiteral("lbl19"), QRect(218, 10, 20, 22), QStringLiteral("0"));
    addCombo(this, QStringLiteral("cbb1"), QRect(240, 6, 110, 26),
             {QStringLiteral("990"), QStringLiteral("950"), QStringLiteral("790"), QStringLiteral("750")},
             defaults.width);
    addCaption(this, QRect(360, 10, 70, 22), QStringLiteral("图片地址："));
    addEdit(this, QStringLiteral("edt1"), QRect(430, 6, 330, 26), defaults.picture);
    QLabel* height =
        addCaption(this, QRect(770, 6, 180, 26), QStringLiteral("图片高度：                   px"));
    core::putInGaps(height, {addEdit(this, QStringLiteral("edt2"), QRect(838, 6, 70, 26), defaults.height)});
    addCombo(this, QStringLiteral("cbb2"), QRect(950, 6, 110, 26),
             {QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three"), QStringLiteral("four"),
              QStringLiteral("five"), QStringLiteral("six"), QStringLiteral("seven"), QStringLiteral("eight"),
              QStringLiteral("nine"), QStringLiteral("ten")},
             defaults.map);
    addButton(this, QStringLiteral("btn1"), QRect(1070, 4, 120, 30), QStringLiteral("提交图片"));

    // The thumbnail strip: two per row, the first opens the intro.
    m_strip = new QScrollArea(this);
    m_strip->setObjectName(QStringLiteral("scb1"));
    m_strip->setGeometry(0, 0, 210, 860);
    m_strip->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* thumbnails = new QWidget;
    thumbnails->setFixedSize(190, 8 * 150 + 10);
    for (int i = 0; i <= 6; ++i) {
        QLabel* thumbnail = addLabel(thumbnails, QStringLiteral("imgl%1").arg(i),
                                     QRect(5 + (i % 2) * 92, 10 + (i / 2) * 150, 88, 140), QString());
        thumbnail->setFrameShape(QFrame::Box);
        thumbnail->setAlignment(Qt::AlignCenter);
        thumbnail->setCursor(Qt::PointingHandCursor);
        if (i == 0)
            thumbnail->setText(QStringLiteral("首页\n\n软件说明"));
        else
            thumbnail->setPixmap(gridPicture(layouts()[i - 1], QSize(80, 130)));
    }
    m_strip->setWidget(thumbnails);
    m_strip->verticalScrollBar()->setSingleStep(30);

    auto* browserHost = new QWidget(this);
    browserHost->setObjectName(QStringLiteral("wb1"));
    browserHost->setGeometry(215, 40, 980, 400);

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("pgc1"));
    tabs->setGeometry(215, 446, 980, 408);

    auto* intro = new QWidget;
    intro->setObjectName(QStringLiteral("ts0"));
    QLabel* introText = addCaption(intro, QRect(20, 20, 900, 300), kIntro);
    introText->setWordWrap(true);
    introText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    tabs->addTab(intro, QStringLiteral("首页"));

    for (int n = 1; n <= 6; ++n) {
        const Layout& layout = layouts()[n - 1];
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("ts%1").arg(n));
        auto* picture = addCaption(page, QRect(10, 10, 300, 200), QString());
        picture->setPixmap(gridPicture(layout, QSize(300, 200)));
        QGroupBox* output = addGroup(page, QStringLiteral("grp%1").arg(n), QRect(10, 220, 300, 140),
                                     QStringLiteral("输出参数"));
        addButton(output, QStringLiteral("btn%1").arg(layout.extract), QRect(20, 40, 120, 50),
                  QStringLiteral("提取代码"));
        QPushButton* preview = addButton(output, QStringLiteral("btn%1").arg(layout.preview),
                                         QRect(160, 40, 120, 50), QStringLiteral("网页预览"));
        if (layout.preview != 6)
            connect(preview, &QPushButton::clicked, this, [this] { dispatch(QStringLiteral("btn6Click")); });

        auto* fields = new QTabWidget(page);
        fields->setObjectName(QStringLiteral("pgcfields%1").arg(n));
        fields->setGeometry(320, 10, 646, 250);
        auto fieldPage = [&](const QString& caption, const QList<int>& numbers) {
            auto* holder = new QWidget;
            for (int k = 0; k < numbers.size(); ++k) {
                const int x = 10 + (k / 6) * 315;
                const int y = 10 + (k % 6) * 34;
                addCaption(holder, QRect(x, y + 3, 40, 22), QStringLiteral("%1：").arg(k + 1));
                addEdit(holder, edit(numbers[k]), QRect(x + 40, y, 260, 26));
            }
            fields->addTab(holder, caption);
        };
        fieldPage(QStringLiteral("链接参数"), layout.links);
        fieldPage(QStringLiteral("热点参数"), layout.rectangles);

        QLabel* hint = addCaption(page, QRect(320, 266, 646, 100),
                                  n == 1   ? kHint + QStringLiteral("\r\n\r\n修改高度为：")
                                  : n == 4 ? kHintBroken
                                           : kHint);
        hint->setWordWrap(true);
        hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        hint->setStyleSheet(QStringLiteral("color:#666"));
        if (n == 1) addEdit(page, edit(13), QRect(420, 338, 80, 26));
        tabs->addTab(page, layout.caption);
    }
    tabs->setCurrentIndex(6);

    addOutputMemo(QStringLiteral("mmo1"));
    addOutputMemo(QStringLiteral("mmo2"));

    on(QStringLiteral("btn1Click"), [this] { submit(); });
    for (int n = 1; n <= 6; ++n)
        on(QStringLiteral("btn%1Click").arg(layouts()[n - 1].extract), [this, n] { extract(n); });
    on(QStringLiteral("btn6Click"), [] { core::platform().openDefault(hotspotPage()); });
    on(QStringLiteral("edt13Change"), [this] { fill(1); });
    on(QStringLiteral("cbb2Change"), [this] {
        message(QStringLiteral("同一页面使用多个热点图时请切换不同的MPA名！防止链接冲突！"),
                QStringLiteral("提示信息框"));
    });
    for (int i = 0; i <= 6; ++i)
        on(QStringLiteral("imgl%1Click").arg(i), [this, i, tabs] {
            tabs->setCurrentIndex(i);
            if (i > 0) setText(QStringLiteral("lbl19"), QString::number(i));
        });
    on(QStringLiteral("FormMouseWheel"), [this] {
        QScrollBar* bar = m_strip->verticalScrollBar();
        bar->setValue(bar->value() - m_wheelDelta / 120 * bar->singleStep());
    });
}

QString Tfrmredian::picturePage() {
    return core::filesFolder() + QStringLiteral("/images.html");
}

QString Tfrmredian::hotspotPage() {
    return core::filesFolder() + QStringLiteral("/热点.html");
}

void Tfrmredian::wheelEvent(QWheelEvent* event) {
    m_wheelDelta = event->angleDelta().y();
    dispatch(QStringLiteral("FormMouseWheel"));
    event->accept();
}

void Tfrmredian::submit() {
    const int h = core::parseInt(text(QStringLiteral("edt2")));
    const int w = core::parseInt(text(QStringLiteral("cbb1")));
    const int b1 = w / 4;
    const int c1 = h / 3;
    const int d1 = w / 3;
    m_computed = {
        {QStringLiteral("A"), QString::number(h / 2)},   {QStringLiteral("B1"), QString::number(b1)},
        {QStringLiteral("B2"), QString::number(2 * b1)}, {QStringLiteral("B3"), QString::number(3 * b1)},
        {QStringLiteral("C1"), QString::number(c1)},     {QStringLiteral("C2"), QString::number(2 * c1)},
        {QStringLiteral("D1"), QString::number(d1)},     {QStringLiteral("D2"), QString::number(2 * d1)}};

    setText(
        QStringLiteral("mmo1"),
        QStringLiteral("<style type=\"text/css\">body {margin-left: 0px;margin-top: 0px;}</style><body><img "
                       "src=\"") +
            text(QStringLiteral("edt1")) +
            QStringLiteral("\"  alt=\"青梧美工图片载入测试\"  border=\"0\"/></body>"));
    core::makeFolderOf(picturePage());
    core::savePageLines(*this, QStringLiteral("mmo1"), picturePage());
    showPage(picturePage());

    const int layout = text(QStringLiteral("lbl19")).toInt();
    if (layout == 1) setText(edit(13), m_computed.value(QStringLiteral("A")));
    if (layout >= 1 && layout <= 6) fill(layout);
}

QString Tfrmredian::value(const QString& token) const {
    if (token == QLatin1String("W")) return text(QStringLiteral("cbb1"));
    if (token == QLatin1String("H")) return text(QStringLiteral("edt2"));
    if (token == QLatin1String("T")) return text(edit(13));
    if (token == QLatin1String("0")) return token;
    return m_computed.value(token);
}

void Tfrmredian::fill(int layout) {
    const Layout& cells = layouts()[layout - 1];
    for (int k = 0; k < cells.cells.size(); ++k) {
        QStringList values;
        for (const QString& token : cells.cells[k].split(u','))
            values << value(token);
        setText(edit(cells.rectangles[k]), values.join(u','));
    }
}

RedianInput Tfrmredian::input(int layout) const {
    const Layout& cells = layouts()[layout - 1];
    RedianInput in;
    in.picture = text(QStringLiteral("edt1"));
    in.width = text(QStringLiteral("cbb1"));
    in.height = text(QStringLiteral("edt2"));
    in.map = text(QStringLiteral("cbb2"));
    in.rectangles.clear();
    in.links.clear();
    for (int k = 0; k < cells.cells.size(); ++k) {
        in.rectangles << text(edit(cells.rectangles[k]));
        in.links << text(edit(cells.links[k]));
    }
    return in;
}

QString redianSnippet(const RedianInput& in) {
    QString out = QStringLiteral("<img src=\"") + in.picture + QStringLiteral("\"  alt=\"\" width=\"") + in.width +
                  QStringLiteral("\" height=\"") + in.height + QStringLiteral("\" usemap=\"#") + in.map +
                  QStringLiteral("\" border=\"0\"/>");
    out += QStringLiteral("<map name=\"") + in.map + QStringLiteral("\">");
    for (int k = 0; k < in.rectangles.size(); ++k)
        out += QStringLiteral("<area shape=\"rect\" coords=\"") + in.rectangles[k] + QStringLiteral("\" href=\"") +
               in.links.value(k) + QStringLiteral("\" target=\"_blank\">");
    return out + QStringLiteral("</map>");
}

// The page of the code as the window shows it: the code unchanged, with the
// outline of every readable rectangle laid over the picture so that a wrong
// hotspot shows before the code is pasted. The outlines never reach the copy.
QString Tfrmredian::outlinedPage(int layout, const QString& code) const {
    QString outlines;
    for (int number : layouts()[layout - 1].rectangles) {
        const std::optional<QRect> rect = rectangleOf(text(edit(number)));
        if (!rect) continue;
        outlines +=
            QStringLiteral("<div style=\"position:absolute;left:%1px;top:%2px;width:%3px;height:%4px;"
                           "box-sizing:border-box;border:1px dashed #F00;pointer-events:none\"></div>")
                .arg(rect->left())
                .arg(rect->top())
                .arg(rect->width())
                .arg(rect->height());
    }
    return QStringLiteral("<div style=\"position:relative;display:inline-block;line-height:0\">") + code +
           outlines + QStringLiteral("</div>");
}

void Tfrmredian::extract(int layout) {
    const QString snippet = redianSnippet(input(layout));
    deliver(QStringLiteral("mmo2"), snippet, core::kCopiedForShop);
    core::makeFolderOf(hotspotPage());
    core::writeTextFile(hotspotPage(), core::joinLines({outlinedPage(layout, snippet)}));
    showPage(hotspotPage());
}

void Tfrmredian::showPage(const QString& page) {
    if (!m_browser) m_browser = core::platform().createBrowser(control<QWidget>(QStringLiteral("wb1")));
    // The picture at the page width it is made for, scaled down where the
    // browser is narrower; a width no page has is left unfitted.
    const int width = text(QStringLiteral("cbb1")).toInt();
    const bool pageWidth = width > 0 && width <= 100000;
    m_browser->fitWidth(pageWidth ? width + core::kPageMargins : 0);
    m_browser->navigate(page);
}

QINGWU_WINDOW(Tfrmredian, {.order = 160,
                           .tile = core::Tile{.page = u"tsmg2",
                                              .row = 1,
                                              .column = 1,
                                              .image = u"img105",
                                              .caption = u"一图多链接热点"},
                           .preview = core::ShopPreview{.place = core::Place::Home, .shopType = u"cbb1"},
                           .sample = [] { return redianSnippet(RedianInput()); },
                           // Its work is the picture with the areas drawn on it.
                           .presets = false})

} // namespace tools
