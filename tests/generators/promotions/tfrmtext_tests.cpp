#include "generators/promotions/text.h"
#include "tests/generators/carousels/combo_items.h"
#include "tests/generators/carousels/page_files.h"
#include "tests/generators/promotions/pagewidgets_checks.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

// The strip's opening.
QString strip(const QString& back, const QString& border, const QString& width, const QString& style,
              const QString& size, const QString& h) {
    return "<div style=\"background:" + back + "; border:" + border + " " + width + " " + style +
           "; font-size:" + size + ";line-height:" + h + "px\">";
}

QString anchor(const QString& colour, const QString& link, const QString& text) {
    return "<a style=\"text-decoration:none; color:" + colour + "\"  href=\"" + link +
           "\"  target=\"_blank\" >" + text + "</a>";
}

const QString kNotice = "公告信息：青梧美工新功能滚动文字";

class TextTest : public testing::FormTest {
protected:
    TextTest()
        : FormTest("Tfrmtext") {}
    void SetUp() override {
        FormTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(QDir(folder.path()).mkdir("files"));
    }
    QString page() const { return folder.path() + "/files/文字调试.html"; }
    testing::FakeBrowser* browser() const { return w->findChild<testing::FakeBrowser*>(); }
    void click(const char* radio) { w->control<QRadioButton>(radio)->click(); }
    bool shown(const char* name) const { return !w->control<QWidget>(name)->isHidden(); }
    // Marker values so that a swapped field shows.
    void typeMarkers() {
        w->setText("edt1", "C1");
        w->setText("edt3", "B3");
        w->setText("edt4", "R4");
        w->setText("cbb3", "2px");
        w->setText("cbb2", "16px");
        w->setText("cbb5", "2");
        w->setText("edt2", "31");
        w->setText("edt6", "T6");
        w->setText("edt5", "L5");
        w->setText("edt7", "T7");
        w->setText("edt8", "L8");
    }
    testing::ScratchCurrentFolder folder;
};

// Runs first: the window as start-up made it.
TEST_F(TextTest, DefaultsGiveARightwardDottedStripWithThePromptAsSpeed) {
    EXPECT_EQ(w->windowTitle(), "文字滚动效果");
    EXPECT_TRUE(w->control<QRadioButton>("rb1")->isChecked());
    EXPECT_FALSE(w->control<QRadioButton>("rb2")->isChecked());
    EXPECT_EQ(w->text("cbb1"), "从左向右");
    EXPECT_EQ(testing::comboItems(w, "cbb1"), QStringList({"从左向右", "从右向左", "从下向上", "从上向下"}));
    EXPECT_EQ(w->text("cbb6"), "");
    EXPECT_EQ(testing::comboItems(w, "cbb6"),
              QStringList({"两边到中间", "中间到两边", "上下到中间", "中间到上下"}));
    EXPECT_EQ(w->text("cbb5"), "速度");
    EXPECT_EQ(testing::comboItems(w, "cbb5"), QStringList({"速度", "1", "2", "3"}));
    EXPECT_EQ(w->text("cbb2"), "12px");
    EXPECT_EQ(testing::comboItems(w, "cbb2"), QStringList({"字号", "12px", "13px", "14px", "15px", "16px",
                                                           "18px", "20px", "24px", "30px", "36px", "48px"}));
    EXPECT_EQ(w->text("cbb3"), "1px");
    EXPECT_EQ(testing::comboItems(w, "cbb3"),
              QStringList({"选择线粗", "0px", "1px", "2px", "3px", "4px", "5px"}));
    EXPECT_EQ(w->text("cbb4"), "点线");
    EXPECT_EQ(testing::comboItems(w, "cbb4"), QStringList({"边框类型", "点线", "实线", "虚线"}));
    EXPECT_EQ(w->text("edt1"), "#000");
    EXPECT_EQ(w->text("edt3"), "#fff");
    EXPECT_EQ(w->text("edt4"), "#333");
    EXPECT_EQ(w->text("edt2"), "30");
    EXPECT_EQ(w->text("edt6"), kNotice);
    EXPECT_EQ(w->text("edt5"), "#");
    EXPECT_EQ(w->text("edt7"), kNotice);
    EXPECT_EQ(w->text("edt8"), "#");
    EXPECT_EQ(w->text("mmo1"), "mmo1\r\n");
    EXPECT_TRUE(shown("cbb1"));
    EXPECT_FALSE(shown("cbb6"));
    EXPECT_FALSE(shown("edt7"));
    EXPECT_FALSE(shown("edt8"));

    w->fire("btn2Click"); // nothing built yet
    EXPECT_FALSE(fake().clipboardSet);

    fake().reset();
    w->fire("btn1Click");
    const QString snippet = strip("#fff", "#333", "1px", "dotted", "12px", "30") +
                            "<marquee height=30 scrollAmount=速度 direction=right>" +
                            anchor("#000", "#", kNotice) + "</marquee></div>";
    EXPECT_EQ(w->text("mmo1"), snippet);
    EXPECT_EQ(testing::fileBytes(page()), testing::gbk(snippet + "\r\n"));
    ASSERT_NE(browser(), nullptr);
    EXPECT_EQ(browser()->parent(), w->control<QWidget>("wb1"));
    EXPECT_EQ(browser()->navigations, QStringList({page()}));
    EXPECT_FALSE(fake().clipboardSet);
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());

    w->fire("btn2Click");
    testing::expectCopied(fake(), "Tfrmtext", snippet, testing::kShopCopied);
}

// The strip from the fields, without the window: the markers of typeMarkers().
generators::TextInput markers() {
    generators::TextInput in;
    in.textColour = "C1";
    in.background = "B3";
    in.border = "R4";
    in.borderWidth = "2px";
    in.fontSize = "16px";
    in.speed = "2";
    in.height = "31";
    in.text1 = "T6";
    in.link1 = "L5";
    in.text2 = "T7";
    in.link2 = "L8";
    return in;
}

TEST(TextSnippet, OneMarqueeInTheChosenDirection) {
    const struct {
        QString direction, style;
    } cases[] = {{"left", "solid"}, {"up", "dashed"}, {"down", "dotted"}, {"right", "solid"}};
    generators::TextInput in = markers();
    in.pattern = "两边到中间"; // not read for one marquee
    for (const auto& c : cases) {
        in.direction = c.direction;
        in.borderStyle = c.style;
        EXPECT_EQ(generators::textSnippet(in),
                  strip("B3", "R4", "2px", c.style, "16px", "31") +
                      "<marquee height=31 scrollAmount=2 direction=" + c.direction + ">" +
                      anchor("C1", "L5", "T6") + "</marquee></div>")
            << c.direction.toStdString();
    }
}

TEST(TextSnippet, TwoMarqueesFollowThePattern) {
    generators::TextInput in = markers();
    in.twoWay = true;
    in.borderStyle = "dashed";
    const QString open = strip("B3", "R4", "2px", "dashed", "16px", "31");
    const QString a1 = anchor("C1", "L5", "T6");
    const QString a2 = anchor("C1", "L8", "T7");
    const struct {
        QString pattern, code;
    } cases[] = {
        {"两边到中间", open + "<MARQUEE  height=31 scrollAmount=2 direction=right width=50%>" + a1 +
                           "</MARQUEE><MARQUEE  height=31 scrollAmount=2 width=50%>" + a2 +
                           "</MARQUEE></div>"},
        {"中间到两边", open + "<MARQUEE height=31 scrollAmount=2 width=50%>" + a1 +
                           "</MARQUEE><MARQUEE height=31  scrollAmount=2 width=50% direction=right>" + a2 +
                           "</MARQUEE>"},
        {"上下到中间", open + "<MARQUEE scrollAmount=2 direction=down height=15>" + a1 +
                           "</MARQUEE><MARQUEE scrollAmount=2 direction=up height=15>" + a2 + "</MARQUEE>"},
        {"中间到上下", open + "<MARQUEE scrollAmount=2 direction=up height=15>" + a1 +
                           "</MARQUEE><MARQUEE scrollAmount=2 direction=down height=15>" + a2 + "</MARQUEE>"},
        // No pattern of the four: nothing is built.
        {"", QString()},
        {"两边", QString()},
    };
    for (const auto& c : cases) {
        in.pattern = c.pattern;
        EXPECT_EQ(generators::textSnippet(in), c.code) << c.pattern.toStdString();
        EXPECT_EQ(generators::textSnippet(in).isNull(), c.code.isNull()) << c.pattern.toStdString();
    }
    // Half the height is truncated toward zero.
    const struct { QString h, half; } halves[] = {{"30", "15"}, {"1", "0"}, {"-31", "-15"}, {"0x20", "16"}};
    in.pattern = "上下到中间";
    for (const auto& c : halves) {
        in.height = c.h;
        EXPECT_TRUE(generators::textSnippet(in).contains("direction=down height=" + c.half + ">"))
            << c.h.toStdString();
    }
}

// 调试 builds from what the fields hold, the direction and the border style
// following the items picked last: a typed text or the prompt keeps them.
TEST_F(TextTest, DirectionAndBorderStyleFollowThePickedItemsAndKeepTheLastOnOtherTexts) {
    typeMarkers();
    click("rb1");
    const struct {
        QString direction, style, d, s;
    } steps[] = {
        {"从右向左", "实线", "left", "solid"},    {"从下向上", "虚线", "up", "dashed"},
        {"从上向下", "点线", "down", "dotted"},   {"从左向右", "实线", "right", "solid"},
        {"向左走", "边框类型", "right", "solid"}, // a typed text and the prompt keep the last values
        {"从下向上", "", "up", "solid"},
    };
    generators::TextInput in = markers();
    for (const auto& step : steps) {
        w->setText("cbb1", step.direction);
        w->setText("cbb4", step.style);
        w->fire("btn1Click");
        in.direction = step.d;
        in.borderStyle = step.s;
        EXPECT_EQ(w->text("mmo1"), generators::textSnippet(in))
            << step.direction.toStdString() << " " << step.style.toStdString();
    }
}

TEST_F(TextTest, TwoMarqueesBuildFromTheSecondTextAndThePattern) {
    typeMarkers();
    w->setText("cbb4", "虚线");
    click("rb2");
    generators::TextInput in = markers();
    in.twoWay = true;
    in.borderStyle = "dashed";
    for (const QString pattern : {"两边到中间", "中间到两边", "上下到中间", "中间到上下"}) {
        w->setText("cbb6", pattern);
        w->fire("btn1Click");
        in.pattern = pattern;
        const QString code = generators::textSnippet(in);
        EXPECT_EQ(w->text("mmo1"), code) << pattern.toStdString();
        EXPECT_EQ(testing::fileBytes(page()), testing::gbk(code + "\r\n"));
    }
}

TEST_F(TextTest, AnUnknownPatternKeepsTheLastCodeButStillShowsIt) {
    typeMarkers();
    click("rb2");
    w->setText("cbb6", "两边到中间");
    w->fire("btn1Click");
    const QString built = w->text("mmo1");
    const int navigations = browser()->navigations.size();
    w->setText("cbb6", "");
    w->setText("edt6", "changed");
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), built);
    EXPECT_EQ(testing::fileBytes(page()), testing::gbk(built + "\r\n"));
    EXPECT_EQ(browser()->navigations.size(), navigations + 1);
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
}

TEST_F(TextTest, AHeightThatIsNoIntegerStopsBeforeAnythingIsBuilt) {
    typeMarkers();
    click("rb1");
    w->fire("btn1Click");
    const QString built = w->text("mmo1");
    const QByteArray saved = testing::fileBytes(page());
    const int navigations = browser()->navigations.size();
    const QString longText(200000, u'7');
    for (const QString& bad :
         {QString(""), QString("abc"), QString("30.5"), QString("2147483648"), QString("-2147483649"),
          QString("1e309"), QString("NaN"), QString("1,5"), longText}) {
        fake().reset();
        w->setText("edt2", bad);
        w->fire("btn1Click");
        testing::expectNotANumber(fake(), bad, "integer");
        EXPECT_EQ(w->text("mmo1"), built);
        EXPECT_EQ(testing::fileBytes(page()), saved);
        EXPECT_EQ(browser()->navigations.size(), navigations);
    }
    w->setText("edt2", "-2147483648");
    w->fire("btn1Click");
    EXPECT_TRUE(w->text("mmo1").contains("<marquee height=-2147483648 ")) << w->text("mmo1").toStdString();
}

TEST_F(TextTest, WithoutTheFilesFolderTheWriteFailsAfterTheBuild) {
    ASSERT_TRUE(QDir(folder.path()).rmdir("files"));
    typeMarkers();
    click("rb1");
    w->setText("edt6", "no folder");
    const int navigations = browser() ? browser()->navigations.size() : 0;
    w->fire("btn1Click");
    EXPECT_TRUE(w->text("mmo1").contains(">no folder</a>"));
    testing::expectWriteFailed(fake());
    EXPECT_EQ(browser() ? browser()->navigations.size() : 0, navigations);
}

TEST_F(TextTest, ModeButtonsSwapTheComboAndTheSecondTextAndShowingHidesTheSecondText) {
    click("rb2");
    EXPECT_TRUE(shown("cbb6"));
    EXPECT_FALSE(shown("cbb1"));
    EXPECT_TRUE(shown("edt7"));
    EXPECT_TRUE(shown("edt8"));
    click("rb1");
    EXPECT_TRUE(shown("cbb1"));
    EXPECT_FALSE(shown("cbb6"));
    EXPECT_FALSE(shown("edt7"));
    EXPECT_FALSE(shown("edt8"));

    click("rb2");
    w->show();
    EXPECT_FALSE(shown("edt7"));
    EXPECT_FALSE(shown("edt8"));
    EXPECT_TRUE(shown("cbb6"));
    w->hide();
}

TEST_F(TextTest, ColourFieldsAndTheTip) {
    fake().colors.enqueue(QColor(0, 165, 197));
    w->fire("edt4DblClick");
    EXPECT_EQ(w->text("edt4"), "#00A5C5");
    w->fire("lbl18Click");
    EXPECT_EQ(fake().lastMessage().text, "双击颜色框可调出色板，单机后可自定义修改");
    EXPECT_EQ(fake().lastMessage().title, "提示信息框");
}

} // namespace
