#include "core/files.h"
#include "tests/support/child_process.h"
#include "tests/support/helpers.h"
#include "tests/support/sqlite_probe.h"
#include "tests/tools/images/loopback.h"
#include "tools/images/gezilist.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUrl>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

using Columns = QMap<QString, QString>;

// The styles shipped with the program, in table order.
const QStringList kSeedNames = {"三列图文价格",   "四列纯图",       "两列大图带标题", "五列小图价格条",
                                "三列描述页图文", "两列描述页纯图", "四列圆角卡片",   "六列标题小图"};

// A cell template holding every placeholder once, each behind its own marker.
const QString kMarkerTemplate =
    "<i w=宽度 h=图高 p=图片 l=链接 t=总高 k=图宽 m=图外框 b=边线 s=间距 T=标题 P=价格>";

QString readFile(const QString& path) {
    return core::readTextFile(path);
}

// The page every preview writes, written out from the page's own text.
QString previewPage(const QString& width, const QString& style, const QString& extra, const QString& body,
                    const QString& tail) {
    return "<!DOCTYPE><html><style type=\"text/css\">body{background-color:#333;padding-top:20px;border:none;"
           "color:#fff }</style><div style=\"margin:auto;width:" +
           width +
           "px\"><div style=\"font-size:30px;font-family:Arial; font-weight:100;padding:15px "
           "0;text-align:center\">"
           "Pelora Picture Preview <br><span style=\"font-size:12px; "
           "line-height:25px;color:#ccc;font-weight:100;\">"
           " ====== 所属样式：" +
           style + extra + " ====== </span></div>" + body + tail;
}

// ---- The grid without its window ----

// A build's field updates as "control=text", in order.
const QStringList kEmptied = {"mmo2=", "mmo3=", "edt5=", "edt6="};

QStringList framed(const QString& frame) {
    return {"mmo2=" + frame, "mmo3=" + frame, "edt5=" + frame, "edt6=" + frame};
}

// W 950, spacing 10, margin 5, a picture of 200 x 100 before the change.
TEST(GeziGrid, TheRowFollowsTheCellsPerRow) {
    const struct {
        QString cells;
        QStringList updates;
        QString failure;
    } cases[] = {
        {"3", kEmptied + QStringList{"edt4=310", "edttupiankuan=300", "edttupiangao=150"} + framed(" |  | "),
         ""},
        {"1", kEmptied + QStringList{"edt4=950", "edttupiankuan=940", "edttupiangao=470"}, ""},
        // 890 div 7 = 127; 117 x 100 div 200 = 58.
        {" 7",
         kEmptied + QStringList{"edt4=127", "edttupiankuan=117", "edttupiangao=58"} +
             framed(" |  |  |  |  |  | "),
         ""},
        {"  ", kEmptied, ""},
        {"0", kEmptied, "Division by zero"},
        {"1001", kEmptied, "一行最多生成 1000 张，请减少每行的张数"},
        {"3张", kEmptied, "'3张' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        const core::Built built = tools::geziRow({.width = "950",
                                                  .cells = c.cells,
                                                  .spacing = "10",
                                                  .margin = "5",
                                                  .pictureWidth = "200",
                                                  .pictureHeight = "100"});
        EXPECT_EQ(testing::updatesOf(built), c.updates) << c.cells.toStdString();
        EXPECT_EQ(built.failure.value_or(""), c.failure) << c.cells.toStdString();
        EXPECT_EQ(built.snippet, "");
    }
    // Without a picture width the proportions are lost after the widths are written.
    const core::Built built = tools::geziRow({.width = "950",
                                              .cells = "3",
                                              .spacing = "10",
                                              .margin = "5",
                                              .pictureWidth = "0",
                                              .pictureHeight = "100"});
    EXPECT_EQ(testing::updatesOf(built), kEmptied + QStringList({"edt4=310", "edttupiankuan=300"}));
    EXPECT_EQ(built.failure, "Division by zero");
}

TEST(GeziGrid, FramesAndTheDemoRow) {
    EXPECT_EQ(testing::updatesOf(tools::geziRowFrames("4", {"mmo3"})),
              QStringList({"mmo3=", "mmo3= |  |  | "}));
    EXPECT_EQ(testing::updatesOf(tools::geziRowFrames("1", {"mmo3"})), QStringList({"mmo3="}));
    EXPECT_EQ(testing::updatesOf(tools::geziRowFrames("", {"mmo3"})), QStringList({"mmo3="}));
    EXPECT_EQ(tools::geziRowFrames("x", {"mmo3"}).failure, "'x' is not a valid integer value");

    EXPECT_EQ(testing::updatesOf(tools::geziDemoRow("2", "S.jpg", "T", "P")),
              kEmptied + QStringList({"mmo2=S.jpg\r\nS.jpg\r\n", "edt5=T | T | ", "edt6=P | P | ",
                                      "mmo3= # |  # | "}));
    EXPECT_EQ(testing::updatesOf(tools::geziDemoRow("0", "S.jpg", "T", "P")),
              kEmptied + QStringList({"mmo2=", "edt5=", "edt6=", "mmo3="}));
}

// The marker style: W 950, column 310, picture 300 x 150, caption 40, margin 5, border 1, spacing 10.
tools::GeziGroupInput markerGroup() {
    return {.cellTemplate = kMarkerTemplate,
            .width = "950",
            .cells = "3",
            .column = "310",
            .pictureWidth = "300",
            .pictureHeight = "150",
            .captionHeight = "40",
            .margin = "5",
            .border = "1",
            .spacing = "10",
            .titleFlag = "有",
            .priceFlag = "有",
            .pictures = "a.jpg | b.jpg\r\n| c.jpg",
            .links = "#1|#2|#3",
            .titles = "t1 | t2 | t3",
            .prices = "p1 | \"p 2\" | p3"};
}

TEST(GeziGrid, AGroupFillsTheTemplateOncePerCell) {
    struct Case {
        const char* what;
        tools::GeziGroupInput input;
        QString code, edt2, edt4;
    };
    tools::GeziGroupInput untitled = markerGroup();
    untitled.titleFlag = "无";
    untitled.priceFlag = "x";
    untitled.titles = untitled.prices = "";
    tools::GeziGroupInput plain = markerGroup();
    plain.cellTemplate = "<u 链接 宽度 总高>";
    plain.cells = "2";
    plain.border = "0";
    plain.pictures = "";
    // Titles are filled before prices: a title holding the price's placeholder takes the price.
    tools::GeziGroupInput ordered = markerGroup();
    ordered.cellTemplate = "<o 标题/价格 图外框 图宽>";
    ordered.cells = "1";
    ordered.titles = "特价格";
    ordered.prices = "9";
    const Case cases[] = {
        {"markers", markerGroup(),
         "<div style=\"width:950px; height:194px;overflow:hidden;margin:10px 0px\">"
         "<div style=\"width:984px; height:192px;\">"
         "<i w=308 h=150 p=a.jpg l=#1 t=192 k=300 m=5 b=1 s=10 T=t1 P=p1>\r\n"
         "<i w=308 h=150 p=b.jpg l=#2 t=192 k=300 m=5 b=1 s=10 T=t2 P=p 2>\r\n"
         "<i w=308 h=150 p=c.jpg l=#3 t=192 k=300 m=5 b=1 s=10 T=t3 P=p3>\r\n"
         "</div></div>",
         "192", "308"},
        {"flags not 有", untitled,
         "<div style=\"width:950px; height:194px;overflow:hidden;margin:10px 0px\">"
         "<div style=\"width:984px; height:192px;\">"
         "<i w=308 h=150 p=a.jpg l=#1 t=192 k=300 m=5 b=1 s=10 T=标题 P=价格>\r\n"
         "<i w=308 h=150 p=b.jpg l=#2 t=192 k=300 m=5 b=1 s=10 T=标题 P=价格>\r\n"
         "<i w=308 h=150 p=c.jpg l=#3 t=192 k=300 m=5 b=1 s=10 T=标题 P=价格>\r\n"
         "</div></div>",
         "192", "308"},
        {"no pictures, no border", plain,
         "<div style=\"width:950px; height:190px;overflow:hidden;margin:10px 0px\">"
         "<div style=\"width:660px; height:190px;\"><u #1 310 190>\r\n<u #2 310 190>\r\n</div></div>",
         "190", "310"},
        {"placeholder order", ordered,
         "<div style=\"width:950px; height:194px;overflow:hidden;margin:10px 0px\">"
         "<div style=\"width:328px; height:192px;\"><o 特9/9 5 300>\r\n</div></div>",
         "192", "308"},
    };
    for (const Case& c : cases) {
        const tools::GeziGroup group = tools::geziGroup(c.input);
        EXPECT_EQ(group.built.snippet, c.code) << c.what;
        EXPECT_FALSE(group.built.failure) << c.what;
        EXPECT_EQ(testing::updatesOf(group.built), QStringList({"edt2=" + c.edt2, "edt4=" + c.edt4}))
            << c.what;
        // The cell list is the group's inner lines.
        EXPECT_TRUE(c.code.endsWith(group.cells + "</div></div>")) << c.what;
        EXPECT_TRUE(group.cells.endsWith("\r\n")) << c.what;
    }
    EXPECT_EQ(tools::geziGroup(markerGroup()).footer,
              "<div style=\"font-size:12px; line-height:30px;color:#999;font-weight:100;text-align:center;"
              "margin-top:20px\"> 上次操作历史： 版块宽度：950px，版块高度：192px | 生成列数：3 ，单列宽度："
              "308px | 图片宽度：300px，图片高度：150px</div>");
}

TEST(GeziGrid, AMissingItemOrNumberStopsTheGroupBeforeAnyUpdate) {
    struct Case {
        const char* what;
        QString tools::GeziGroupInput::*field;
        QString value, failure;
    };
    const Case cases[] = {
        {"links", &tools::GeziGroupInput::links, "only-one", "List index out of bounds (1)"},
        {"pictures", &tools::GeziGroupInput::pictures, "a|b", "List index out of bounds (2)"},
        {"titles", &tools::GeziGroupInput::titles, "", "List index out of bounds (0)"},
        {"prices", &tools::GeziGroupInput::prices, "p1|p2", "List index out of bounds (2)"},
        {"border", &tools::GeziGroupInput::border, "一", "'一' is not a valid integer value"},
        {"cells", &tools::GeziGroupInput::cells, "", "'' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        tools::GeziGroupInput input = markerGroup();
        input.*c.field = c.value;
        const tools::GeziGroup group = tools::geziGroup(input);
        EXPECT_EQ(group.built.failure, c.failure) << c.what;
        EXPECT_EQ(group.built.snippet, "") << c.what;
        EXPECT_TRUE(group.built.updates.isEmpty()) << c.what;
        EXPECT_EQ(group.cells, "") << c.what;
    }
}

class GeziTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = dynamic_cast<tools::Tfrmgezilist*>(testing::form("Tfrmgezilist"));
        ASSERT_NE(w, nullptr);
        previousFolder = QDir::currentPath();
        QDir::setCurrent(work.path());
        dbPath = work.filePath("gezi.db");
        w->connectDatabase(dbPath);
        fake().reset();
        w->selectGroups({});
        while (!w->groupCaptions().isEmpty()) {
            w->selectGroups({0});
            w->fire("N1Click");
        }
    }
    void TearDown() override {
        core::setPlatform(&testing::fakePlatform());
        w->database().close();
        QDir::setCurrent(previousFolder);
    }
    // Adds a style through the database and shows it in the lists.
    void addStyle(const Columns& columns) {
        w->database().append(columns);
        w->fire("btn4Click");
    }
    // A style of distinct markers: W 950, spacing 10, margin 5, border 1, picture 200 x 100.
    Columns markerStyle(const QString& name, const QString& titles = "有", const QString& prices = "有") {
        return {{"功能", name},
                {"宽度", "950"},
                {"总高", "777"},
                {"高度", "888"},
                {"代码", kMarkerTemplate},
                {"边线", "1"},
                {"标题", titles},
                {"价格", prices},
                {"图外高", "40"},
                {"图高", "100"},
                {"图宽", "200"},
                {"图外框", "5"},
                {"示例图", "S.jpg"},
                {"实例", "<b>实例" + name + "</b>"},
                {"间距", "10"},
                {"主标题", "T"},
                {"副标题", "P"}};
    }
    // Chooses the style and sets the width through the prompt: three cells per row.
    void prepare(const QString& name, const QString& width = "950") {
        ASSERT_TRUE(w->chooseStyle(name));
        fake().inputs.enqueue(width);
        w->fire("edt1Click");
    }
    QString lastNavigation() {
        const auto& browsers = fake().browsers;
        for (auto* browser : browsers)
            if (browser->parent() && browser->parent()->parent() == w && !browser->navigations.isEmpty())
                return browser->navigations.last();
        return {};
    }
    testing::FakeBrowser* browser() {
        for (auto* b : fake().browsers)
            if (b->parent() && b->parent()->parent() == w) return b;
        return nullptr;
    }

    tools::Tfrmgezilist* w = nullptr;
    QTemporaryDir work;
    QString previousFolder;
    QString dbPath;
};

TEST_F(GeziTest, TheWindowStartsDisabledWithTheShippedStyles) {
    EXPECT_EQ(w->windowTitle(), "图片格子列表生成器 V1.0");
    // Start-up made the database beside the program from the shipped scripts.
    EXPECT_TRUE(QFileInfo::exists(core::programFolder() + "/gezi.db"));
    auto* list = w->control<QListWidget>("lst1");
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    EXPECT_EQ(names, kSeedNames);
    auto* table = w->control<QTreeWidget>("lv1");
    ASSERT_EQ(table->topLevelItemCount(), 8);
    EXPECT_EQ(table->headerItem()->text(0), "功能");
    EXPECT_EQ(table->headerItem()->text(12), "间距");
    EXPECT_EQ(w->control<QTreeWidget>("lv2")->headerItem()->text(0), "组别");
    EXPECT_EQ(w->control<QTreeWidget>("lv2")->headerItem()->text(1), "代码");
    EXPECT_EQ(w->control("pnlcanshu")->height(), 249);
    EXPECT_EQ(tools::Tfrmgezilist::adminPassword(), "tuv517");
    EXPECT_EQ(w->text("btn5"), "生成一组代码");
    EXPECT_EQ(w->text("btn6"), "演示信息");
    EXPECT_EQ(w->text("btn8"), "提取代码");
    EXPECT_EQ(w->text("cbbbiaoti"), "无");
    EXPECT_EQ(w->text("cbbjiage"), "无");
    // Every shipped style has a template with placeholders and numeric sizes.
    for (const tools::Style& style : w->database().all()) {
        EXPECT_TRUE(style.value("代码").contains("宽度")) << style.value("功能").toStdString();
        EXPECT_TRUE(style.value("代码").contains("图片"));
        EXPECT_TRUE(style.value("代码").contains("链接"));
        EXPECT_EQ(style.value("代码").contains("标题"), style.value("标题") == "有");
        EXPECT_EQ(style.value("代码").contains("价格"), style.value("价格") == "有");
        for (const QString column : {"宽度", "高度", "边线", "图外高", "图高", "图宽", "图外框", "间距"}) {
            bool number = false;
            style.value(column).toInt(&number);
            EXPECT_TRUE(number) << column.toStdString();
        }
    }
    // Each shipped style shows a sample picture of its own picture size, shipped in "files".
    for (const tools::Style& style : w->database().all()) {
        const QUrl address(style.value("示例图"));
        ASSERT_TRUE(address.isLocalFile()) << style.value("示例图").toStdString();
        EXPECT_TRUE(address.toLocalFile().startsWith(core::filesFolder()));
        QImageReader reader(address.toLocalFile());
        EXPECT_EQ(reader.format(), "jpeg");
        EXPECT_EQ(reader.size(), QSize(style.value("图宽").toInt(), style.value("图高").toInt()))
            << style.value("功能").toStdString();
    }
    // The journal is a write-ahead log.
    EXPECT_EQ(testing::sqlitePragma(dbPath, "journal_mode"), "wal");
}

TEST_F(GeziTest, ChoosingAStyleFillsTheFieldsShowsItsExampleAndSizesThePanel) {
    const struct {
        QString name, titles, prices;
        bool showTitles, showPrices;
        int height;
    } cases[] = {
        {"甲", "无", "无", false, false, 249}, {"乙", "有", "无", true, false, 307},
        {"丙", "有", "有", true, true, 365},   {"丁", "无", "有", false, true, 307},
        {"戊", "无", "x", false, true, 307},   {"己", "有", "", false, true, 307},
    };
    for (const auto& c : cases)
        w->database().append(markerStyle(c.name, c.titles, c.prices));
    w->fire("btn4Click");
    for (const auto& c : cases) {
        ASSERT_TRUE(w->chooseStyle(c.name));
        EXPECT_EQ(w->control("pnlbiaoti")->isVisibleTo(w->control("pnlcanshu")), c.showTitles)
            << c.name.toStdString();
        EXPECT_EQ(w->control("pnljiage")->isVisibleTo(w->control("pnlcanshu")), c.showPrices)
            << c.name.toStdString();
        EXPECT_EQ(w->control("pnlcanshu")->height(), c.height) << c.name.toStdString();
        EXPECT_EQ(readFile("files.html"), "<b>实例" + c.name + "</b>");
        EXPECT_EQ(lastNavigation(), QDir(work.path()).filePath("files.html"));
    }
    EXPECT_EQ(w->text("edtgongneng"), "己");
    EXPECT_EQ(w->text("edt1"), "950");
    EXPECT_EQ(w->text("edt2"), "777");
    EXPECT_EQ(w->text("edttuwaigao"), "40");
    EXPECT_EQ(w->text("mmodaima"), kMarkerTemplate);
    EXPECT_EQ(w->text("edttupiangao"), "100");
    EXPECT_EQ(w->text("edttupiankuan"), "200");
    EXPECT_EQ(w->text("edttuwaikuang"), "5");
    EXPECT_EQ(w->text("edtshilitu"), "S.jpg");
    EXPECT_EQ(w->text("edtjianju"), "10");
    EXPECT_EQ(w->text("edtbianxian"), "1");
    for (const QString name : {"edt1", "edt3", "edttupiankuan", "edttupiangao", "btn5"})
        EXPECT_TRUE(w->control(name)->isEnabled()) << name.toStdString();
    EXPECT_FALSE(w->control("edt2")->isEnabled());
    EXPECT_FALSE(w->control("edt4")->isEnabled());
}

TEST_F(GeziTest, TheWidthPromptRecomputesTheRow) {
    addStyle(markerStyle("样"));
    ASSERT_TRUE(w->chooseStyle("样"));
    w->setText("edt3", "7"); // the prompt sets "3" again
    fake().inputs.enqueue("950");
    w->fire("edt1Click");
    const auto prompts = fake().callsOf("prompt");
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].title, "信息");
    EXPECT_EQ(prompts[0].text, "请输入要修改的 宽度 值不带单位\n");
    EXPECT_EQ(w->text("edt1"), "950");
    EXPECT_EQ(w->text("edt2"), "888"); // the kept height
    EXPECT_EQ(w->text("edt3"), "3");
    // 950 wide, spacing 10, margin 5, three cells, picture 200 x 100 before.
    EXPECT_EQ(w->text("edt4"), "310");
    EXPECT_EQ(w->text("edttupiankuan"), "300");
    EXPECT_EQ(w->text("edttupiangao"), "150");
    for (const QString field : {"mmo2", "mmo3", "edt5", "edt6"})
        EXPECT_EQ(w->text(field), " |  | ") << field.toStdString();

    // The rounding carries over from one change to the next.
    const struct {
        QString cells, column, pictureWidth, pictureHeight, frame;
    } cases[] = {
        {"4", "230", "220", "110", " |  |  | "},
        {"1", "950", "940", "470", ""},
        {"2", "470", "460", "230", " | "},
        {"7", "127", "117", "58", " |  |  |  |  |  | "},
    };
    for (const auto& c : cases) {
        w->setText("mmo2", "kept?");
        w->setText("edt3", c.cells);
        EXPECT_EQ(w->text("edt4"), c.column) << c.cells.toStdString();
        EXPECT_EQ(w->text("edttupiankuan"), c.pictureWidth) << c.cells.toStdString();
        EXPECT_EQ(w->text("edttupiangao"), c.pictureHeight) << c.cells.toStdString();
        EXPECT_EQ(w->text("mmo2"), c.frame);
        EXPECT_EQ(w->text("edt6"), c.frame);
    }
    // A cancelled prompt leaves the width empty, which is no number.
    fake().reset();
    w->fire("edt1Click");
    EXPECT_EQ(w->text("edt1"), "");
    EXPECT_EQ(fake().lastMessage().text, "'' is not a valid integer value");
}

TEST_F(GeziTest, CellsPerRowRejectsHostileNumbers) {
    addStyle(markerStyle("样"));
    prepare("样");
    ASSERT_EQ(w->text("edt4"), "310");
    const QString huge(200000, QChar('7'));
    const struct {
        QString typed, message;
    } cases[] = {
        {"abc", "'abc' is not a valid integer value"},
        {"2147483648", "'2147483648' is not a valid integer value"},
        {"-2147483648x", "'-2147483648x' is not a valid integer value"},
        {"1e309", "'1e309' is not a valid integer value"},
        {"NaN", "'NaN' is not a valid integer value"},
        {"1,5", "'1,5' is not a valid integer value"},
        // An edit holds at most 32767 characters: the message names what it holds.
        {huge, "'" + huge.left(32767) + "' is not a valid integer value"},
        {"0", "Division by zero"},
        {"2147483647", "一行最多生成 1000 张，请减少每行的张数"},
    };
    for (const auto& c : cases) {
        fake().reset();
        w->setText("edt3", c.typed);
        EXPECT_TRUE(fake().lastMessage().text == c.message)
            << c.typed.left(20).toStdString() << " " << fake().lastMessage().text.left(60).toStdString();
        EXPECT_EQ(w->text("edt4"), "310");
        EXPECT_EQ(w->text("edttupiankuan"), "300");
        EXPECT_FALSE(w->text("edttupiangao").contains("inf"));
    }
    // Blank: the fields are emptied and nothing is computed.
    w->setText("mmo2", "x");
    fake().reset();
    w->setText("edt3", "  ");
    EXPECT_EQ(w->text("mmo2"), "");
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
    // A picture without width cannot keep its proportions.
    w->setText("edttupiankuan", "0");
    w->setText("edt3", "3");
    EXPECT_EQ(fake().lastMessage().text, "Division by zero");
    // Extreme but valid numbers give exact results, never a wrapped one.
    w->setText("edttupiankuan", "1");
    w->setText("edttupiangao", "2147483647");
    w->setText("edtjianju", "-2147483648");
    w->setText("edttuwaikuang", "0");
    w->setText("edt1", "2147483647");
    w->setText("edt3", "2");
    EXPECT_EQ(w->text("edt4"), "2147483647"); // (2147483647 + 2147483648) div 2
    EXPECT_EQ(w->text("edttupiankuan"), "2147483647");
    EXPECT_EQ(w->text("edttupiangao"), "4611686014132420609");
}

TEST_F(GeziTest, DoubleClickRefillsOneFieldAndDemoFillsTheRow) {
    addStyle(markerStyle("样"));
    prepare("样");
    w->setText("edt3", "4");
    for (const QString field : {"mmo2", "mmo3", "edt5", "edt6"})
        w->setText(field, "typed " + field);
    w->fire("mmo2DblClick");
    EXPECT_EQ(w->text("mmo2"), " |  |  | ");
    EXPECT_EQ(w->text("mmo3"), "typed mmo3");
    w->fire("edt6DblClick");
    EXPECT_EQ(w->text("edt6"), " |  |  | ");
    EXPECT_EQ(w->text("edt5"), "typed edt5");

    w->setText("edt3", "2");
    w->fire("btn6Click");
    EXPECT_EQ(w->text("mmo2"), "S.jpg\r\nS.jpg\r\n");
    EXPECT_EQ(w->text("edt5"), "T | T | ");
    EXPECT_EQ(w->text("edt6"), "P | P | ");
    EXPECT_EQ(w->text("mmo3"), " # |  # | ");
}

TEST_F(GeziTest, GeneratingAGroupCopiesItStoresItAndShowsItsPreview) {
    addStyle(markerStyle("样"));
    prepare("样");
    w->setText("mmo2", "a.jpg | b.jpg\r\n| c.jpg");
    w->setText("mmo3", "#1|#2|#3");
    w->setText("edt5", "t1 | t2 | t3");
    w->setText("edt6", "p1 | \"p 2\" | p3");
    fake().reset();
    w->fire("btn5Click");

    const QString cells = "<i w=308 h=150 p=a.jpg l=#1 t=192 k=300 m=5 b=1 s=10 T=t1 P=p1>\r\n"
                          "<i w=308 h=150 p=b.jpg l=#2 t=192 k=300 m=5 b=1 s=10 T=t2 P=p 2>\r\n"
                          "<i w=308 h=150 p=c.jpg l=#3 t=192 k=300 m=5 b=1 s=10 T=t3 P=p3>\r\n";
    const QString code = "<div style=\"width:950px; height:194px;overflow:hidden;margin:10px 0px\">"
                         "<div style=\"width:984px; height:192px;\">" +
                         cells + "</div></div>";
    EXPECT_EQ(fake().clipboard, code);
    EXPECT_EQ(fake().lastMessage().text, "单行图片列表生成并复制成功完毕，可以点击预览！");
    EXPECT_EQ(fake().lastMessage().title, "加载提示");
    EXPECT_EQ(w->groupCaptions(), QStringList({"第1组"}));
    EXPECT_EQ(w->groupCodes(), QStringList({code}));
    EXPECT_EQ(w->text("edt2"), "192");
    EXPECT_EQ(w->text("edt4"), "308");
    EXPECT_EQ(readFile("0.txt"), cells);
    const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    EXPECT_EQ(
        readFile("files.html"),
        previewPage(
            "950", "样", " |  操作时间：" + date, code,
            "<div style=\"font-size:12px; line-height:30px;color:#999;font-weight:100;text-align:center;"
            "margin-top:20px\"> 上次操作历史： 版块宽度：950px，版块高度：192px | 生成列数：3 ，单列宽度："
            "308px | 图片宽度：300px，图片高度：150px</div></div></html>"));
    EXPECT_EQ(lastNavigation(), QDir(work.path()).filePath("files.html"));
    // The group is the style's example from now on, also after a restart.
    w->database().close();
    w->connectDatabase(dbPath);
    EXPECT_EQ(w->database().byName("样")->value("实例"), code);

    // Each further group of the same settings narrows the column by twice the border again.
    w->fire("btn5Click");
    EXPECT_EQ(w->text("edt4"), "306");
    EXPECT_TRUE(
        fake().clipboard.startsWith("<div style=\"width:950px; height:194px;overflow:hidden;margin:10px "
                                    "0px\"><div style=\"width:978px; height:192px;\"><i w=306 "));
    EXPECT_EQ(w->groupCaptions(), QStringList({"第1组", "第2组"}));
}

TEST_F(GeziTest, FlagsNoIgnoreTitlesAndPricesAndMissingItemsStopTheGroup) {
    addStyle(markerStyle("无字", "无", "无"));
    prepare("无字");
    w->setText("mmo2", "a b.jpg");
    w->setText("mmo3", "x | y | z");
    w->setText("edt5", "ignored | ignored");
    w->setText("edt6", "");
    w->setText("edt3", "2");
    w->setText("mmo2", "a b.jpg"); // a blank ends an item: two pictures
    w->setText("mmo3", "x | y");
    w->fire("btn5Click");
    ASSERT_EQ(w->groupCodes().size(), 1);
    // Two cells: column 470 - 2, picture 460 x 230, total height 40 + 230 + 2.
    EXPECT_TRUE(
        w->groupCodes()[0].contains("<i w=468 h=230 p=a l=x t=272 k=460 m=5 b=1 s=10 T=标题 P=价格>\r\n"))
        << w->groupCodes()[0].toStdString();
    EXPECT_TRUE(w->groupCodes()[0].contains("p=b.jpg l=y "));

    // Fewer links than cells: nothing added, nothing copied, nothing written.
    QFile::remove("0.txt");
    fake().reset();
    w->setText("mmo3", "only-one");
    w->fire("btn5Click");
    EXPECT_EQ(fake().lastMessage().text, "List index out of bounds (1)");
    EXPECT_FALSE(fake().clipboardSet);
    EXPECT_EQ(w->groupCodes().size(), 1);
    EXPECT_FALSE(QFileInfo::exists("0.txt"));

    // A template without pictures needs none.
    w->setText("mmodaima", "<u 链接>");
    w->setText("mmo2", "");
    w->setText("mmo3", "x | y");
    w->fire("btn5Click");
    ASSERT_EQ(w->groupCodes().size(), 2);
    EXPECT_TRUE(w->groupCodes()[1].contains("<u x>\r\n<u y>\r\n</div></div>"));
}

TEST_F(GeziTest, GroupPreviewDeleteAndExtractAll) {
    addStyle(markerStyle("样"));
    prepare("样");
    w->setText("mmodaima", "<c 链接>");
    w->setText("cbbbiaoti", "无");
    w->setText("cbbjiage", "无");
    for (const QString link : {"L1", "L2", "L3"}) {
        w->setText("edt3", "1");
        w->setText("mmo3", link);
        w->fire("btn5Click");
    }
    const QStringList codes = w->groupCodes();
    ASSERT_EQ(codes.size(), 3);

    // Without a selection "预览" does nothing.
    w->selectGroups({});
    const QString before = lastNavigation();
    QFile::remove("files.html");
    w->fire("N5Click");
    EXPECT_FALSE(QFileInfo::exists("files.html"));
    EXPECT_EQ(lastNavigation(), before);

    w->selectGroups({1});
    w->control<QTreeWidget>("lv2")->setCurrentItem(w->control<QTreeWidget>("lv2")->topLevelItem(1));
    w->fire("N5Click");
    EXPECT_EQ(readFile("files.html"),
              previewPage("950", "样", " |  所在分组：第2组", codes[1], "</div></div></html>"))
        << w->text("edt1").toStdString();

    // Deleting does not renumber the others.
    w->selectGroups({0, 2});
    w->fire("N1Click");
    EXPECT_EQ(w->groupCaptions(), QStringList({"第2组"}));
    w->fire("btn5Click");
    EXPECT_EQ(w->groupCaptions(), QStringList({"第2组", "第2组"}));

    fake().reset();
    w->fire("btn8Click");
    const QString all = codes[1] + "\r\n" + w->groupCodes()[1] + "\r\n";
    EXPECT_EQ(fake().clipboard, all);
    EXPECT_EQ(fake().lastMessage().text, "列表中所有行数代码复制成功完毕，可以点击预览！");
    EXPECT_EQ(fake().lastMessage().title, "加载提示");
    EXPECT_EQ(readFile("files.html"), previewPage(w->text("edt1"), "样", "", all, "</div></div></html>"));

    // With no group nothing is copied.
    w->selectGroups({0, 1});
    w->fire("N1Click");
    fake().reset();
    w->fire("btn8Click");
    EXPECT_FALSE(fake().clipboardSet);
    EXPECT_EQ(fake().lastMessage().text, "列表中还没有代码，请先生成一组代码！");
}

TEST_F(GeziTest, LoadedPagesLoseTheirFrame) {
    testing::FakeBrowser* b = browser();
    ASSERT_NE(b, nullptr);
    b->complete();
    EXPECT_EQ(b->bodyAttributes.value("scroll"), "no");
    EXPECT_EQ(b->bodyStyle.value("border"), "none");
    EXPECT_EQ(b->bodyStyle.value("margin"), "0px");
}

TEST_F(GeziTest, PanelsToggleAndTheAdministrationOpensOnlyWithThePassword) {
    w->fire("pnl18Click");
    EXPECT_TRUE(w->control("pnlcanshu")->isVisibleTo(w));
    EXPECT_EQ(w->text("pnl18"), "▼ 隐藏");
    w->fire("pnl18Click");
    EXPECT_FALSE(w->control("pnlcanshu")->isVisibleTo(w));
    EXPECT_EQ(w->text("pnl18"), "▲ 显示");

    if (!w->control("pnl27")->isEnabled()) {
        for (const QString wrong : {"", "TUV517", "tuv517 ", "admin"}) {
            fake().inputs.enqueue(wrong);
            w->fire("pnl8Click");
            EXPECT_FALSE(w->control("pnl27")->isEnabled()) << wrong.toStdString();
        }
        w->fire("pnl8Click"); // cancelled
        EXPECT_FALSE(w->control("pnl27")->isEnabled());
        w->fire("pnl27Click");
        EXPECT_FALSE(w->control("pnl9")->isVisibleTo(w));
        const auto prompts = fake().callsOf("prompt");
        ASSERT_FALSE(prompts.isEmpty());
        EXPECT_EQ(prompts[0].title, "权限认证");
        EXPECT_EQ(prompts[0].text, "管理员密码\n");
        fake().inputs.enqueue("tuv517");
        w->fire("pnl8Click");
    }
    EXPECT_TRUE(w->control("pnl27")->isEnabled());
    w->fire("pnl27Click");
    EXPECT_TRUE(w->control("pnl9")->isVisibleTo(w));
    EXPECT_EQ(w->text("pnl27"), "》");
    w->fire("pnl27Click");
    EXPECT_FALSE(w->control("pnl9")->isVisibleTo(w));
    EXPECT_EQ(w->text("pnl27"), "《");
}

// Reads a style straight from the file, past the window.
Columns stored(const QString& path, const QString& name) {
    Columns columns;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "reader");
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            query.prepare("select * from gezi where 功能 = ?");
            query.addBindValue(name);
            if (query.exec() && query.next())
                for (const QString column : {"功能", "宽度", "高度", "代码", "边线", "标题", "价格", "图外高",
                                             "图高", "图宽", "图外框", "示例图", "间距"})
                    columns[column] = query.value(column).toString();
        }
    }
    QSqlDatabase::removeDatabase("reader");
    return columns;
}

TEST_F(GeziTest, AdministrationAddsModifiesAndDeletesStyles) {
    // A click on a row loads the style fields only.
    const QString centreWidth = w->text("edt1");
    w->selectStyleRow(1);
    w->fire("lv1Click");
    EXPECT_EQ(w->text("edtgongneng"), "四列纯图");
    EXPECT_EQ(w->text("edtkuan"), "950");
    EXPECT_EQ(w->text("edtgao"), "230");
    EXPECT_EQ(w->text("edttugao"), "220");
    EXPECT_EQ(w->text("edttukuan"), "220");
    EXPECT_EQ(w->text("edt1"), centreWidth); // the centre stays as it was

    const Columns typed = {{"功能", "新样式 'quoted' \"x\""},
                           {"宽度", "790"},
                           {"高度", "321"},
                           {"代码", "<p>链接 图片</p>\r\n"},
                           {"边线", "2"},
                           {"标题", "有"},
                           {"价格", "无"},
                           {"图外高", "33"},
                           {"图高", "144"},
                           {"图宽", "155"},
                           {"图外框", "6"},
                           {"示例图", "http://s/1.jpg"},
                           {"间距", "12"}};
    const std::pair<const char*, const char*> fields[] = {
        {"edtgongneng", "功能"}, {"edtkuan", "宽度"},         {"edtgao", "高度"},
        {"mmodaima", "代码"},    {"edtbianxian", "边线"},     {"cbbbiaoti", "标题"},
        {"cbbjiage", "价格"},    {"edttuwaigao", "图外高"},   {"edttugao", "图高"},
        {"edttukuan", "图宽"},   {"edttuwaikuang", "图外框"}, {"edtshilitu", "示例图"},
        {"edtjianju", "间距"}};
    for (const auto& [field, column] : fields)
        w->setText(field, typed.value(column));

    fake().answers.enqueue(core::Answer::Cancel);
    w->fire("btn1Click");
    EXPECT_TRUE(stored(dbPath, typed["功能"]).isEmpty());
    EXPECT_EQ(fake().lastMessage().text, "确定要添加该条信息？");
    EXPECT_EQ(fake().lastMessage().title, "提示");

    w->fire("btn1Click");
    EXPECT_EQ(stored(dbPath, typed["功能"]), typed);
    // Adding does not refresh the lists; "刷新" does, with the kept height.
    EXPECT_EQ(w->control<QListWidget>("lst1")->count(), 8);
    w->fire("btn4Click");
    EXPECT_EQ(w->control<QListWidget>("lst1")->count(), 9);
    auto* table = w->control<QTreeWidget>("lv1");
    EXPECT_EQ(table->topLevelItem(8)->text(0), typed["功能"]);
    EXPECT_EQ(table->topLevelItem(8)->text(2), "321");

    // "修改" writes into the style loaded last.
    w->selectStyleRow(8);
    w->fire("lv1Click");
    w->setText("edtkuan", "750");
    w->setText("mmodaima", "<q>链接</q>");
    fake().reset();
    w->fire("btn2Click");
    EXPECT_EQ(fake().lastMessage().text, "确定要修改该条信息？");
    EXPECT_EQ(fake().lastMessage().title, "提示");
    Columns changed = typed;
    changed["宽度"] = "750";
    changed["代码"] = "<q>链接</q>";
    // The click loaded the shown height (`总高`, empty for a style made here) into the height field.
    changed["高度"] = "";
    EXPECT_EQ(stored(dbPath, typed["功能"]), changed);
    EXPECT_EQ(stored(dbPath, "四列纯图")["宽度"], "950");

    // "删除" removes the selected row's style.
    w->selectStyleRow(0);
    fake().answers.enqueue(core::Answer::Cancel);
    w->fire("btn3Click");
    EXPECT_FALSE(stored(dbPath, "三列图文价格").isEmpty());
    EXPECT_EQ(fake().lastMessage().title, "警告");
    w->fire("btn3Click");
    EXPECT_EQ(fake().lastMessage().text, "确定要删除该条信息？");
    EXPECT_TRUE(stored(dbPath, "三列图文价格").isEmpty());
    EXPECT_EQ(table->topLevelItemCount(), 8);
    EXPECT_EQ(table->topLevelItem(0)->text(0), "四列纯图");
    EXPECT_EQ(w->control<QListWidget>("lst1")->count(), 9); // not refreshed
    w->fire("btn4Click");
    EXPECT_EQ(w->control<QListWidget>("lst1")->count(), 8);
}

TEST_F(GeziTest, ACorruptFileIsReportedAndNeverOverwritten) {
    w->database().close();
    const QString path = work.filePath("broken.db");
    const QByteArray garbage = QByteArray("this is not a database at all\n").repeated(200);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }
    fake().reset();
    w->connectDatabase(path);
    ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_TRUE(fake().lastMessage().text.startsWith("数据库连接错误"))
        << fake().lastMessage().text.toStdString();
    EXPECT_TRUE(fake().lastMessage().text.contains("broken.db"));
    EXPECT_EQ(w->control<QListWidget>("lst1")->count(), 0);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), garbage);
    // The window keeps working.
    fake().reset();
    w->fire("btn4Click");
    EXPECT_EQ(fake().lastMessage().text, "数据库连接错误");
    w->fire("pnl18Click");
    w->fire("pnl18Click");
    w->connectDatabase(dbPath);
    EXPECT_EQ(w->control<QListWidget>("lst1")->count(), 8);
}

// The child of the crash test: writes styles, one transaction each, and
// reports each commit until it is killed.
TEST(GeziWriter, WritesUntilKilled) {
    const QString path = qEnvironmentVariable("QINGWU_GEZI_WRITER");
    if (path.isEmpty()) GTEST_SKIP() << "runs as the child of the crash test";
    tools::StyleDatabase db("writer");
    db.open(path);
    for (int i = 0; i < 100000; ++i) {
        db.append({{"功能", QString("写入%1").arg(i)}, {"代码", QString(4000, QChar('x'))}});
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
}

TEST_F(GeziTest, AKilledWriterLosesNothingCommitted) {
    w->database().close();
    const int committed = testing::killWriterAfter("GeziWriter.*", "QINGWU_GEZI_WRITER", dbPath, 40);
    ASSERT_GE(committed, 40);

    w->connectDatabase(dbPath);
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
    QStringList names;
    for (const tools::Style& style : w->database().all())
        names << style.value("功能");
    EXPECT_EQ(names.mid(0, 8), kSeedNames);
    for (int i = 0; i <= committed; ++i)
        EXPECT_TRUE(names.contains(QString("写入%1").arg(i))) << i;
    EXPECT_EQ(testing::sqlitePragma(dbPath, "integrity_check"), "ok");
}

TEST_F(GeziTest, TheSamplePictureIsFetchedOverHttpAndShownInItsOwnWindow) {
    testing::NetPlatform net;
    core::setPlatform(&net);
    testing::LoopbackServer server;
    QImage sample(64, 48, QImage::Format_RGB32);
    sample.fill(QColor(200, 40, 40));
    QByteArray jpeg;
    {
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(sample.save(&buffer, "JPEG"));
    }
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(sample.save(&buffer, "PNG"));
    }
    server.put("sample.jpg", jpeg);
    server.put("sample.png", png);

    QString secure = server.address("sample.jpg");
    secure.replace("http://", "https://");
    w->setText("edtshilitu", secure);
    w->setText("edttukuan", "320");
    w->setText("edttugao", "240");
    testing::fireAndSettle(w, "btn7Click");
    EXPECT_EQ(w->text("edtshilitu"), server.address("sample.jpg"));
    ASSERT_EQ(net.callsOf("fetch").size(), 1);
    EXPECT_EQ(net.callsOf("fetch")[0].address, server.address("sample.jpg"));
    QDialog* viewer = w->viewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->windowTitle(), "示例图图片预览");
    EXPECT_EQ(viewer->size(), QSize(320, 240));
    auto* picture = viewer->findChild<QLabel*>("imgshilitu");
    EXPECT_EQ(picture->pixmap().size(), QSize(64, 48));
    EXPECT_TRUE(net.callsOf("messageBox").isEmpty());

    // Not a JPEG, or not there: the viewer stays empty and the error is shown.
    for (const QString name : {"sample.png", "missing.jpg"}) {
        net.reset();
        w->setText("edtshilitu", server.address(name));
        testing::fireAndSettle(w, "btn7Click");
        EXPECT_TRUE(picture->pixmap().isNull()) << name.toStdString();
        ASSERT_EQ(net.callsOf("messageBox").size(), 1);
        EXPECT_EQ(net.lastMessage().title, "青梧360");
    }
    // A shipped style's own sample picture shows without the network.
    net.reset();
    w->selectStyleRow(0);
    w->fire("lv1Click");
    testing::fireAndSettle(w, "btn7Click");
    EXPECT_TRUE(net.callsOf("messageBox").isEmpty());
    EXPECT_TRUE(net.callsOf("fetch").isEmpty());
    EXPECT_EQ(viewer->size(), QSize(300, 300));
    EXPECT_EQ(picture->pixmap().size(), QSize(300, 300));
    // Sizes must be numbers.
    net.reset();
    w->setText("edttukuan", "abc");
    testing::fireAndSettle(w, "btn7Click");
    EXPECT_EQ(net.lastMessage().text, "'abc' is not a valid integer value");
    viewer->hide();
    core::setPlatform(&testing::fakePlatform());
}

} // namespace
