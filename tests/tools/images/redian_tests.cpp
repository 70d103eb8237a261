#include "core/files.h"
#include "core/registry.h"
#include "tests/support/helpers.h"
#include "tools/images/redian.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringEncoder>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

const QString kCopied = "代码已被复制，可以到店铺的自定义进行粘贴了！";

QByteArray gbk(const QString& text) {
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Every test gets its own program folder, without a "files" folder.
class RedianTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        ASSERT_TRUE(program.isValid());
        previous = core::programFolder();
        core::setProgramFolder(program.path());
        w = testing::form("Tfrmredian");
    }
    void TearDown() override {
        core::setProgramFolder(previous);
        w->hide();
    }
    // Chooses a layout through its thumbnail, types the picture and submits it.
    void submit(int layout, const QString& width, const QString& height) {
        w->fire(QString("imgl%1Click").arg(layout));
        w->setText("cbb1", width);
        w->setText("edt2", height);
        w->fire("btn1Click");
    }
    QStringList fields(const QList<int>& numbers) {
        QStringList out;
        for (int n : numbers)
            out << w->text(QString("edt%1").arg(n));
        return out;
    }
    testing::FakeBrowser* browser() {
        for (testing::FakeBrowser* b : fake().browsers)
            if (w->isAncestorOf(b->widget()) || b->parent() == w->findChild<QWidget*>("wb1")) return b;
        return nullptr;
    }

    QTemporaryDir program;
    QString previous;
    core::Form* w = nullptr;
};

// Rectangle fields cell by cell for each layout.
const QList<int> kRectangles[7] = {{},
                                   {8, 9, 10, 11, 12},
                                   {19, 20, 21, 22},
                                   {26, 27, 28, 29, 37, 36, 35, 34},
                                   {46, 47, 48, 49, 53, 52, 51, 50, 61, 60, 59, 58},
                                   {66, 67, 68},
                                   {76, 77, 78, 79, 83, 82}};
const QList<int> kLinks[7] = {{},
                              {3, 4, 6, 5, 7},
                              {14, 18, 17, 16},
                              {15, 25, 24, 23, 33, 32, 31, 30},
                              {38, 41, 40, 39, 45, 44, 43, 42, 57, 56, 55, 54},
                              {62, 65, 64},
                              {63, 71, 70, 69, 75, 74}};

TEST_F(RedianTest, StartsWithItsDefaults) {
    EXPECT_EQ(w->windowTitle(), "一图多链接（热点单机版）");
    EXPECT_EQ(w->text("cbb1"), "选择类型");
    EXPECT_EQ(w->text("cbb2"), "MAP名");
    EXPECT_EQ(w->text("btn1"), "提交图片");
    auto* widths = w->control<QComboBox>("cbb1");
    QStringList items;
    for (int i = 0; i < widths->count(); ++i)
        items << widths->itemText(i);
    EXPECT_EQ(items, QStringList({"990", "950", "790", "750"}));
    EXPECT_EQ(w->control<QComboBox>("cbb2")->count(), 10);
    EXPECT_EQ(w->control<QComboBox>("cbb2")->itemText(9), "ten");
    auto* tabs = w->control<QTabWidget>("pgc1");
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions << tabs->tabText(i);
    EXPECT_EQ(captions, QStringList({"首页", "2行（5图）", "单行四列", "两行四列", "三行四列", "单行三列",
                                     "两行三列"}));
}

TEST_F(RedianTest, AtStartShowsTheLastLayoutWithNoLayoutChosen) {
    // Only meaningful before any thumbnail was used in this process.
    if (w->text("lbl19") != "0") GTEST_SKIP() << "layout already chosen by an earlier test";
    EXPECT_EQ(w->control<QTabWidget>("pgc1")->tabText(w->control<QTabWidget>("pgc1")->currentIndex()),
              "两行三列");
}

TEST_F(RedianTest, SubmitFillsTheChosenLayoutsRectangles) {
    const struct {
        int layout;
        QString width, height;
        QStringList rectangles;
    } cases[] = {
        {1,
         "750",
         "301",
         {"0,0,750,150", "0,150,187,301", "187,150,374,301", "374,150,561,301", "561,150,750,301"}},
        {2, "950", "400", {"0,0,237,400", "237,0,474,400", "474,0,711,400", "711,0,950,400"}},
        {3,
         "990",
         "500",
         {"0,0,247,250", "247,0,494,250", "494,0,741,250", "741,0,990,250", "0,250,247,500",
          "247,250,494,500", "494,250,741,500", "741,250,990,500"}},
        {4,
         "990",
         "600",
         {"0,0,247,200", "247,0,494,200", "494,0,741,200", "741,0,990,200", "0,200,247,400",
          "247,200,494,400", "494,200,741,400", "741,200,990,400", "0,400,247,600", "247,400,494,600",
          "494,400,741,600", "741,400,990,600"}},
        {5, "1000", "400", {"0,0,333,400", "333,0,666,400", "666,0,1000,400"}},
        {6,
         "790",
         "451",
         {"0,0,263,225", "263,0,526,225", "526,0,790,225", "0,225,263,451", "263,225,526,451",
          "526,225,790,451"}},
        // W and H go in as typed, the computed values as plain numbers.
        {2, "0990", " 400", {"0,0,247, 400", "247,0,494, 400", "494,0,741, 400", "741,0,0990, 400"}},
    };
    for (const auto& c : cases) {
        submit(c.layout, c.width, c.height);
        EXPECT_EQ(w->text("lbl19"), QString::number(c.layout));
        EXPECT_EQ(fields(kRectangles[c.layout]), c.rectangles) << c.layout;
    }
    EXPECT_EQ(w->text("edt13"), "150"); // layout 1's split height is A
}

TEST_F(RedianTest, SplitHeightRewritesLayoutOne) {
    submit(1, "750", "301");
    w->setText("edt13", "200");
    EXPECT_EQ(fields(kRectangles[1]), QStringList({"0,0,750,200", "0,200,187,301", "187,200,374,301",
                                                   "374,200,561,301", "561,200,750,301"}));
    // Current width and height texts, widths computed at the last submission.
    w->setText("cbb1", "W9");
    w->setText("edt2", "H9");
    w->setText("edt13", "T");
    EXPECT_EQ(fields(kRectangles[1]),
              QStringList({"0,0,W9,T", "0,T,187,H9", "187,T,374,H9", "374,T,561,H9", "561,T,W9,H9"}));
    // Other layouts are left alone.
    submit(2, "950", "400");
    w->setText("edt13", "1");
    EXPECT_EQ(w->text("edt19"), "0,0,237,400");
}

TEST_F(RedianTest, SubmitWritesAndShowsThePicturePage) {
    w->setText("edt1", "http://pic.example/p.jpg");
    submit(5, "990", "300");
    const QString page = program.path() + "/files/images.html";
    EXPECT_EQ(
        bytesOf(page),
        gbk("<style type=\"text/css\">body {margin-left: 0px;margin-top: 0px;}</style><body><img "
            "src=\"http://pic.example/p.jpg\"  alt=\"青梧美工图片载入测试\"  border=\"0\"/></body>\r\n"));
    ASSERT_NE(browser(), nullptr);
    EXPECT_EQ(browser()->navigations.last(), page);
}

TEST_F(RedianTest, WithoutALayoutSubmitShowsThePictureAndFillsNothing) {
    submit(2, "950", "400");
    w->setText("lbl19", "0");
    w->setText("edt2", "200");
    w->fire("btn1Click");
    EXPECT_EQ(w->text("edt19"), "0,0,237,400");
    EXPECT_TRUE(QFile::exists(program.path() + "/files/images.html"));
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
}

TEST_F(RedianTest, ChoosingATabDirectlyKeepsTheLayoutNumber) {
    submit(3, "990", "500");
    w->setText("edt66", "kept");
    w->control<QTabWidget>("pgc1")->setCurrentIndex(5);
    w->setText("edt2", "100");
    w->fire("btn1Click");
    EXPECT_EQ(w->text("edt26"), "0,0,247,50");
    EXPECT_EQ(w->text("edt66"), "kept");
    w->fire("imgl0Click");
    EXPECT_EQ(w->control<QTabWidget>("pgc1")->currentIndex(), 0);
    EXPECT_EQ(w->text("lbl19"), "3");
    w->fire("imgl4Click");
    EXPECT_EQ(w->control<QTabWidget>("pgc1")->currentIndex(), 4);
    EXPECT_EQ(w->text("lbl19"), "4");
}

TEST_F(RedianTest, BadWidthOrHeightStopsBeforeAnythingIsShownOrFilled) {
    submit(2, "950", "400");
    ASSERT_EQ(w->text("edt19"), "0,0,237,400");
    const QString page = program.path() + "/files/images.html";
    QFile::remove(page);
    const int navigations = browser()->navigations.size();
    const struct {
        QString width, height, error;
    } cases[] = {
        {"选择类型", "400", "'选择类型' is not a valid integer value"},
        {"950", "", "'' is not a valid integer value"},
        {"abc", "", "'' is not a valid integer value"}, // the height is read first
        {"950", "abc", "'abc' is not a valid integer value"},
        {"2147483648", "400", "'2147483648' is not a valid integer value"},
        {"950", "1e309", "'1e309' is not a valid integer value"},
        {"NaN", "400", "'NaN' is not a valid integer value"},
        {"950", "1,5", "'1,5' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        fake().reset();
        w->setText("cbb1", c.width);
        w->setText("edt2", c.height);
        w->fire("btn1Click");
        EXPECT_EQ(fake().lastMessage().text, c.error);
        EXPECT_EQ(w->text("edt19"), "0,0,237,400");
        EXPECT_FALSE(QFile::exists(page));
        EXPECT_EQ(browser()->navigations.size(), navigations);
    }
    const QString huge(200000, u'7');
    fake().reset();
    w->setText("edt2", huge);
    w->fire("btn1Click");
    // The edit holds what it can of the text; that is what the message names.
    EXPECT_TRUE(fake().lastMessage().text == "'" + w->text("edt2") + "' is not a valid integer value");
    EXPECT_EQ(w->text("edt19"), "0,0,237,400");
}

TEST_F(RedianTest, ExtremeIntegersComputeWithoutOverflow) {
    submit(2, "-2147483648", "2147483647");
    EXPECT_EQ(fields(kRectangles[2]),
              QStringList({"0,0,-536870912,2147483647", "-536870912,0,-1073741824,2147483647",
                           "-1073741824,0,-1610612736,2147483647", "-1610612736,0,-2147483648,2147483647"}));
    submit(4, "2147483647", "2147483647");
    EXPECT_EQ(w->text("edt50"), "1610612733,715827882,2147483647,1431655764");
}

QString expectedCode(const QString& picture, const QString& w, const QString& h, const QString& map,
                     const QStringList& rectangles, const QStringList& links) {
    QString out = "<img src=\"" + picture + "\"  alt=\"\" width=\"" + w + "\" height=\"" + h +
                  "\" usemap=\"#" + map + "\" border=\"0\"/><map name=\"" + map + "\">";
    for (int k = 0; k < rectangles.size(); ++k)
        out += "<area shape=\"rect\" coords=\"" + rectangles[k] + "\" href=\"" + links[k] +
               "\" target=\"_blank\">";
    return out + "</map>";
}

// The map from its fields, without the window: one area per rectangle.
TEST(RedianSnippet, OneAreaPerRectangle) {
    const struct {
        QStringList rectangles, links;
    } cases[] = {
        {{"0,0,333,400", "333,0,666,400", "666,0,1000,400"}, {"a", "b", "c"}},
        {{"R1", "R2", "R3", "R4", "R5"}, {"L1", "L2", "L3", "L4", "L5"}},
        {QStringList(12), QStringList(12)},
    };
    for (const auto& c : cases) {
        tools::RedianInput in;
        in.picture = "P.jpg";
        in.width = "1000";
        in.height = "400";
        in.map = "one";
        in.rectangles = c.rectangles;
        in.links = c.links;
        EXPECT_EQ(tools::redianSnippet(in), expectedCode("P.jpg", "1000", "400", "one", c.rectangles, c.links))
            << c.rectangles.size();
    }
    // The descriptor's sample: the window's defaults, five empty hotspots of the first layout.
    const tools::RedianInput defaults;
    EXPECT_EQ(core::windowClass("Tfrmredian")->info.sample(),
              expectedCode(defaults.picture, "选择类型", "", "MAP名", QStringList(5), QStringList(5)));
}

TEST_F(RedianTest, ExtractLayoutFiveAsTheExampleSays) {
    w->setText("edt1", "P.jpg");
    submit(5, "1000", "400");
    w->setText("edt62", "a");
    w->setText("edt65", "b");
    w->setText("edt64", "c");
    w->setText("cbb2", "one");
    fake().reset();
    w->fire("btn13Click");
    const QString code =
        "<img src=\"P.jpg\"  alt=\"\" width=\"1000\" height=\"400\" usemap=\"#one\" border=\"0\"/>"
        "<map name=\"one\">"
        "<area shape=\"rect\" coords=\"0,0,333,400\" href=\"a\" target=\"_blank\">"
        "<area shape=\"rect\" coords=\"333,0,666,400\" href=\"b\" target=\"_blank\">"
        "<area shape=\"rect\" coords=\"666,0,1000,400\" href=\"c\" target=\"_blank\"></map>";
    EXPECT_EQ(fake().clipboard, code);
    EXPECT_EQ(w->text("mmo2"), code);
    ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_EQ(fake().lastMessage().text, kCopied);
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    const QString page = program.path() + "/files/热点.html";
    const QByteArray written = bytesOf(page);
    EXPECT_TRUE(written.contains(gbk(code))) << written.toStdString();
    EXPECT_TRUE(written.endsWith("\r\n"));
    EXPECT_EQ(browser()->navigations.last(), page);
}

TEST_F(RedianTest, EachExtractButtonUsesItsOwnLayoutsFields) {
    const int buttons[7] = {0, 2, 7, 9, 11, 13, 15};
    w->setText("edt1", "PIC");
    w->setText("cbb1", "WW");
    w->setText("edt2", "HH");
    w->setText("cbb2", "MM");
    w->setText("lbl19", "0");
    for (int layout = 1; layout <= 6; ++layout) {
        QStringList rectangles, links;
        for (int k = 0; k < kRectangles[layout].size(); ++k) {
            rectangles << QString("R%1.%2").arg(layout).arg(k + 1);
            links << QString("L%1.%2").arg(layout).arg(k + 1);
            w->setText(QString("edt%1").arg(kRectangles[layout][k]), rectangles.last());
            w->setText(QString("edt%1").arg(kLinks[layout][k]), links.last());
        }
        fake().reset();
        w->fire(QString("btn%1Click").arg(buttons[layout]));
        tools::RedianInput in;
        in.picture = "PIC";
        in.width = "WW";
        in.height = "HH";
        in.map = "MM";
        in.rectangles = rectangles;
        in.links = links;
        EXPECT_EQ(fake().clipboard, tools::redianSnippet(in)) << layout;
    }
}

TEST_F(RedianTest, ThePreviewOutlinesTheHotspotsButTheCopyDoesNot) {
    w->setText("edt1", "P.jpg");
    submit(2, "950", "400");
    w->setText("edt21", "not a rectangle");
    fake().reset();
    w->fire("btn7Click");
    EXPECT_FALSE(fake().clipboard.contains("dashed"));
    const QString page = QString::fromUtf8(bytesOf(program.path() + "/files/热点.html"));
    EXPECT_TRUE(page.contains("left:0px;top:0px;width:237px;height:400px;"));
    EXPECT_TRUE(page.contains("left:237px;top:0px;width:237px;height:400px;"));
    EXPECT_TRUE(page.contains("left:711px;top:0px;width:239px;height:400px;"));
    EXPECT_EQ(page.count("dashed"), 3); // the unreadable rectangle has no outline
}

TEST_F(RedianTest, AMissingFilesFolderIsCreated) {
    ASSERT_FALSE(QDir(program.path() + "/files").exists());
    w->fire("btn15Click");
    EXPECT_TRUE(QFile::exists(program.path() + "/files/热点.html"));
}

TEST_F(RedianTest, EveryWebPreviewButtonOpensTheHotspotPage) {
    for (const QString button : {"btn6", "btn8", "btn10", "btn12", "btn14", "btn16"}) {
        fake().reset();
        w->control<QPushButton>(button)->click();
        ASSERT_EQ(fake().callsOf("open").size(), 1) << button.toStdString();
        EXPECT_EQ(fake().callsOf("open").last().address, program.path() + "/files/热点.html");
    }
}

TEST_F(RedianTest, EveryMapNameChangeWarns) {
    w->setText("cbb2", "MAP名");
    fake().reset();
    w->control<QComboBox>("cbb2")->setCurrentIndex(2);
    ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_EQ(fake().lastMessage().text, "同一页面使用多个热点图时请切换不同的MPA名！防止链接冲突！");
    EXPECT_EQ(fake().lastMessage().title, "提示信息框");
    w->control<QComboBox>("cbb2")->setEditText("x");
    EXPECT_EQ(fake().callsOf("messageBox").size(), 2);
}

TEST_F(RedianTest, TheWheelScrollsTheThumbnails) {
    QScrollBar* bar = w->findChild<QScrollArea*>()->verticalScrollBar();
    w->show();
    QApplication::processEvents();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(0);
    QWheelEvent towardsUser(QPointF(600, 300), QPointF(600, 300), QPoint(), QPoint(0, -240), Qt::NoButton,
                            Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &towardsUser);
    EXPECT_EQ(bar->value(), 2 * bar->singleStep());
    QWheelEvent away(QPointF(600, 300), QPointF(600, 300), QPoint(), QPoint(0, 120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &away);
    EXPECT_EQ(bar->value(), bar->singleStep());
}

} // namespace
