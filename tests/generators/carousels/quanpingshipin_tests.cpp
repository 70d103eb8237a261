#include "generators/carousels/quanpingshipin.h"
#include "tests/generators/carousels/combo_items.h"
#include "tests/generators/carousels/converter_probe.h"
#include "tests/generators/carousels/page_files.h"

#include <QSlider>
#include <gtest/gtest.h>

namespace {

const QString kCopied =
    "代码已被复制，可以利用通栏模块生成通栏的代码或者把生成的代码复制到DW中给图片加热点后再生成通栏代码！";

struct Fields {
    QString picture, width, height, video, videoWidth, videoHeight, left, top;
};

const Fields kTyped = {"P", "1920", "500", "V", "584", "365", "668", "70"};

// `lift` is the text after "top:" in the player's block.
QString expected(const Fields& f, const QString& lift) {
    return "<img src=\"" + f.picture + "\" alt=\"青梧美工淘宝视频编辑器\" width=\"" + f.width +
           "\" height=\"" + f.height + "\"/><div style=\"position:relative; left:" + f.left +
           "px; top:" + lift + "px\"><embed src=\"" + f.video + "\" quality=\"high\" width=\"" +
           f.videoWidth + "\" height=\"" + f.videoHeight +
           "\" align=\"middle\" type=\"application/x-shockwave-flash\" allowscriptaccess=\"never\" "
           "flashvars=\"scene=taobao_shop\"> </embed></div>";
}

generators::QuanpingshipinInput inputOf(const Fields& f) {
    generators::QuanpingshipinInput in;
    in.background = f.picture;
    in.width = f.width;
    in.height = f.height;
    in.video = f.video;
    in.videoWidth = f.videoWidth;
    in.videoHeight = f.videoHeight;
    in.left = f.left;
    in.top = f.top;
    return in;
}

// The snippet from the banner's fields, without its window: the player is
// lifted by the height less its top edge.
TEST(QuanpingshipinSnippet, LiftsThePlayerByHeightLessTop) {
    const struct {
        QString height, top, lift;
    } cases[] = {
        {"500", "70", "-430"},
        {"500", "120", "-380"},
        {"465.5", "70", "-395.5"},
        {" 600 ", "0", "-600"},
        {"500", "500", "-0"},
        // A top offset beyond the height moves the player down.
        {"300", "350", "50"},
    };
    for (const auto& c : cases) {
        Fields f = kTyped;
        f.height = c.height;
        f.top = c.top;
        EXPECT_EQ(generators::quanpingshipinSnippet(inputOf(f)), expected(f, c.lift))
            << c.height.toStdString() << " " << c.top.toStdString();
    }
}

// Each test runs in its own current folder.
class QuanpingshipinTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmquanpingshipin");
        banner = testing::converter();
        ASSERT_NE(banner, nullptr);
        ASSERT_TRUE(folder.isValid());
    }
    QString page() const { return folder.path() + "/files.html"; }
    testing::FakeBrowser* browser() const { return w->findChild<testing::FakeBrowser*>(); }
    void type(const Fields& f) {
        w->setText("edt8", f.picture);
        w->setText("edt1", f.width);
        w->setText("edt2", f.height);
        w->setText("edt3", f.video);
        w->setText("edt4", f.videoWidth);
        w->setText("edt5", f.videoHeight);
        w->setText("edt6", f.left);
        w->setText("edt7", f.top);
    }
    QSlider* slider(const QString& name) const { return w->control<QSlider>(name); }
    core::Form* w = nullptr;
    core::Form* banner = nullptr;
    testing::ScratchCurrentFolder folder;
};

// Runs first: the window as start-up made it.
TEST_F(QuanpingshipinTest, DefaultsAndWhatTheButtonsPassBeforeTheFirstBuild) {
    EXPECT_EQ(w->windowTitle(), "任意尺寸视频+背景，支持热点，支持自定义！");
    EXPECT_EQ(w->text("cbb1"), "专业版");
    EXPECT_EQ(testing::comboItems(w, "cbb1"), QStringList({"专业版", "基础版", "天猫版"}));
    const Fields defaults{w->text("edt8"), "1920", "500", w->text("edt3"), "584", "365", "668", "70"};
    EXPECT_FALSE(defaults.picture.isEmpty());
    EXPECT_FALSE(defaults.video.isEmpty());
    // The window starts from the defaults the snippet's input has.
    EXPECT_EQ(defaults.picture, generators::QuanpingshipinInput().background);
    EXPECT_EQ(defaults.video, generators::QuanpingshipinInput().video);
    for (const auto& [name, value] : {std::pair{"edt1", defaults.width},
                                      {"edt2", defaults.height},
                                      {"edt4", defaults.videoWidth},
                                      {"edt5", defaults.videoHeight},
                                      {"edt6", defaults.left},
                                      {"edt7", defaults.top}})
        EXPECT_EQ(w->text(name), value) << name;
    EXPECT_EQ(slider("trckbr1")->minimum(), 0);
    EXPECT_EQ(slider("trckbr1")->maximum(), 1000);
    EXPECT_EQ(slider("trckbr1")->value(), 2);
    EXPECT_EQ(slider("trckbr2")->minimum(), 0);
    EXPECT_EQ(slider("trckbr2")->maximum(), 400);
    EXPECT_EQ(slider("trckbr2")->value(), 70);
    EXPECT_EQ(w->text("mmo1"), "mmo1\r\n");
    EXPECT_EQ(browser(), nullptr);

    // "生成代码" does not build: it copies what "调试位置" built, and before
    // that there is nothing to copy or hand over.
    fake().reset();
    w->fire("btn2Click");
    EXPECT_FALSE(fake().clipboardSet);
    EXPECT_EQ(fake().lastMessage().text, "请先点击调试位置生成代码，再复制代码！");
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    EXPECT_EQ(fake().lastMessage().owner, "Tfrmquanpingshipin");
    testing::expectNothingHandedOver(w, "btn3Click", "请先点击调试位置生成代码，再通栏转化！");

    w->fire("btn1Click");
    const QString snippet = expected(defaults, "-430");
    EXPECT_EQ(w->text("mmo1"), snippet);
    EXPECT_EQ(testing::fileBytes(page()), testing::gbk(snippet + "\r\n"));
    ASSERT_NE(browser(), nullptr);
    EXPECT_EQ(browser()->parent(), w->control<QWidget>("wb1"));
    EXPECT_EQ(browser()->navigations, QStringList({page()}));
    EXPECT_EQ(fake().callsOf("messageBox").size(), 1); // only the copy message above
}

// 调试位置 builds from what the fields hold, each field in its place, writes
// the page and shows it again at every build.
TEST_F(QuanpingshipinTest, BuildTakesTheFieldsWritesThePageAndShowsIt) {
    const Fields cases[] = {{"P1", "1900", "450", "V1", "500", "300", "12", "34"},
                            {"P2", "1920", "300", "V2", "584", "365", "668", "350"}};
    for (const Fields& f : cases) {
        type(f);
        const int before = browser() ? browser()->navigations.size() : 0;
        w->fire("btn1Click");
        const QString snippet = generators::quanpingshipinSnippet(inputOf(f));
        EXPECT_EQ(w->text("mmo1"), snippet) << f.picture.toStdString();
        EXPECT_EQ(testing::fileBytes(page()), testing::gbk(snippet + "\r\n"));
        ASSERT_NE(browser(), nullptr);
        EXPECT_EQ(browser()->navigations.size(), before + 1);
        EXPECT_EQ(browser()->navigations.last(), page());
    }
    EXPECT_FALSE(fake().clipboardSet);
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
}

TEST_F(QuanpingshipinTest, SlidersWriteTheOffsets) {
    type(kTyped);
    const struct {
        QString bar, edit;
        int value;
    } steps[] = {{"trckbr2", "edt7", 120},  {"trckbr2", "edt7", 0}, {"trckbr2", "edt7", 400},
                 {"trckbr1", "edt6", 1000}, {"trckbr1", "edt6", 0}, {"trckbr1", "edt6", 485}};
    for (const auto& step : steps) {
        slider(step.bar)->setValue(step.value);
        EXPECT_EQ(w->text(step.edit), QString::number(step.value)) << step.bar.toStdString();
    }
    slider("trckbr2")->setValue(120);
    w->fire("btn1Click");
    Fields f = kTyped;
    f.left = "485";
    f.top = "120";
    EXPECT_EQ(w->text("mmo1"), expected(f, "-380"));
}

TEST_F(QuanpingshipinTest, AHeightOrTopThatIsNoNumberStopsTheBuild) {
    type(kTyped);
    w->fire("btn1Click");
    const QString built = w->text("mmo1");
    const QByteArray saved = testing::fileBytes(page());
    const int navigations = browser()->navigations.size();
    const struct {
        QString height, top, error;
    } cases[] = {{"abc", "70", "'abc' is not a valid floating point value"},
                 {"500", "", "'' is not a valid floating point value"},
                 {"", "x", "'' is not a valid floating point value"}};
    for (const auto& c : cases) {
        fake().reset();
        w->setText("edt2", c.height);
        w->setText("edt7", c.top);
        w->fire("btn1Click");
        EXPECT_EQ(fake().lastMessage().text, c.error);
        EXPECT_EQ(fake().lastMessage().title, fake().applicationTitle());
        EXPECT_EQ(w->text("mmo1"), built);
        EXPECT_EQ(testing::fileBytes(page()), saved);
        EXPECT_EQ(browser()->navigations.size(), navigations);
    }
}

TEST_F(QuanpingshipinTest, AFailedWriteIsReportedAndThePreviewIsNotRefreshed) {
    type(kTyped);
    w->fire("btn1Click");
    const int navigations = browser()->navigations.size();
    ASSERT_TRUE(QDir(folder.path()).mkdir("blocked"));
    QDir::setCurrent(folder.path() + "/blocked");
    ASSERT_TRUE(QDir().mkdir("files.html")); // a folder where the page should go
    Fields f = kTyped;
    f.left = "10";
    type(f);
    fake().reset();
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), expected(f, "-430")); // already filled
    EXPECT_TRUE(fake().lastMessage().text.startsWith("Cannot create file"))
        << fake().lastMessage().text.toStdString();
    EXPECT_EQ(browser()->navigations.size(), navigations);
}

TEST_F(QuanpingshipinTest, CopyTakesTheLastBuild) {
    type(kTyped);
    w->fire("btn1Click");
    w->setText("edt2", "800"); // not built yet
    w->fire("btn2Click");
    EXPECT_EQ(fake().clipboard, expected(kTyped, "-430"));
    EXPECT_EQ(fake().lastMessage().text, kCopied);
}

TEST_F(QuanpingshipinTest, HandOffEditionsKeepTheConverterWidth) {
    type(kTyped);
    w->fire("btn1Click");
    const struct {
        QString combo, button, prime;
    } cases[] = {{"专业版", "rb1", "rb2"},
                 {"天猫版", "rb2", "rb1"},
                 {"基础版", "rb3", "rb1"},
                 {"旗舰版", "rb3", "rb2"}};
    for (const auto& c : cases) {
        w->setText("cbb1", c.combo);
        const testing::ConverterView view = testing::handOver(w, "btn3Click", banner, c.prime);
        EXPECT_EQ(view.edition, c.button) << c.combo.toStdString();
        EXPECT_EQ(view.width, "1100");
        EXPECT_EQ(view.height, "500");
        EXPECT_EQ(view.code, expected(kTyped, "-430"));
    }
}

TEST_F(QuanpingshipinTest, TheWebViewTakesTheRoomBesideTheParameters) {
    w->resize(1600, 700);
    w->show();
    EXPECT_EQ(w->control<QWidget>("wb1")->width(), 1600 - 241);
    w->hide();
}

} // namespace
