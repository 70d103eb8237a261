#include "generators/carousels/shishangtonglan.h"
#include "tests/generators/carousels/combo_items.h"
#include "tests/generators/carousels/converter_probe.h"
#include "tests/generators/carousels/page_files.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kMessage = "代码已生成并复制，记得本功能要配合通栏助手使用哦！";

struct Fields {
    QString poster, posterLink, small, smallLink, heading;
    QString names[6], links[6];
    QString buttonText, buttonColour, buttonLink;
};

const Fields kTyped = {
    "P", "A",    "Q", "B", "E", {"N1", "N2", "N3", "N4", "N5", "N6"}, {"K1", "K2", "K3", "K4", "K5", "K6"},
    "G", "#C00", "L"};

QString expected(const Fields& f) {
    const QString later = "<a  style=\"font-size:14px; color:#000; text-decoration:none\" href=\"";
    QString out =
        "<a style=\"font-size:14px; color:#000; text-decoration:none;\"  target=\"_blank\" href=\"" +
        f.posterLink + "\"><img style=\"border:none\"  src=\"" + f.poster +
        "\" width=\"1920\" height=\"600\"  alt=\"\"/></a>";
    out += "<div style=\"width:200px; height:600px; position:relative; left:465px; top:-600px;float:left; "
           "text-align:left; font-weight:100\">";
    out += "<a style=\"font-size:14px; color:#000; text-decoration:none;\"  target=\"_blank\" href=\"" +
           f.smallLink + "\"><img style=\"border:none\" src=\"" + f.small +
           "\" width=\"200\" height=\"260\"  alt=\"\"/></a>";
    out += "<div style=\"width:200px; height:340px; background-color:#FFF; filter:alpha(Opacity=70); "
           "opacity: 0.7;\">"
           "<div style=\"width:200px; height:260px;line-height:35px; padding-left:30px; padding-top:24px; "
           "font-size:14px\">";
    out += "<span style=\"color:#000; font-weight:700\">" + f.heading + "</span><br>";
    out += "<a style=\"font-size:14px; color:#000; text-decoration:none\" href=\"" + f.links[0] +
           "\" target=\"_blank\">" + f.names[0] + "</a><br>";
    for (int i = 1; i < 5; ++i)
        out += later + f.links[i] + "\" target=\"_blank\">" + f.names[i] + "</a><br>";
    out += later + f.links[5] + "\" target=\"_blank\">" + f.names[5] + "</a> </div>";
    out += "<a style=\"font-size:14px; color:#FFF; text-decoration:none\" href=\"" + f.buttonLink +
           "\" target=\"_blank\"><div style=\"background-color:" + f.buttonColour +
           "; margin:0 30px; height:35px; text-align:center; color:#FFF; line-height:35px;\">" +
           f.buttonText + "</div></a></div></div>";
    return out;
}

generators::ShishangtonglanInput inputOf(const Fields& f) {
    generators::ShishangtonglanInput in;
    in.poster = f.poster;
    in.posterLink = f.posterLink;
    in.small = f.small;
    in.smallLink = f.smallLink;
    in.heading = f.heading;
    for (int i = 0; i < 6; ++i) {
        in.names[i] = f.names[i];
        in.links[i] = f.links[i];
    }
    in.buttonText = f.buttonText;
    in.buttonColour = f.buttonColour;
    in.buttonLink = f.buttonLink;
    return in;
}

Fields wideHeading() {
    Fields wide = kTyped;
    wide.heading = QString(3000, QChar(u'长'));
    return wide;
}

// The snippet from the poster's fields, without its window.
TEST(ShishangtonglanSnippet, TypedLongAndEmptyFields) {
    for (const Fields& f : {kTyped, wideHeading(), Fields{}})
        EXPECT_EQ(generators::shishangtonglanSnippet(inputOf(f)), expected(f)) << f.heading.size();
}

// Each test runs in its own current folder, which holds a "files" folder.
class ShishangtonglanTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmshishangtonglan");
        ASSERT_TRUE(folder.isValid());
        QDir(folder.path()).mkdir("files");
    }
    void TearDown() override { w->hide(); }
    QString preview() const { return folder.path() + "/files/时尚大图.html"; }
    void type(const Fields& f) {
        w->setText("edt1", f.poster);
        w->setText("edt19", f.posterLink);
        w->setText("edt2", f.small);
        w->setText("edt3", f.smallLink);
        w->setText("edt20", f.heading);
        for (int k = 1; k <= 6; ++k) {
            w->setText(QString("edt%1").arg(2 + 2 * k), f.names[k - 1]);
            w->setText(QString("edt%1").arg(3 + 2 * k), f.links[k - 1]);
        }
        w->setText("edt16", f.buttonText);
        w->setText("edt17", f.buttonColour);
        w->setText("edt18", f.buttonLink);
    }
    core::Form* w = nullptr;
    testing::ScratchCurrentFolder folder;
};

// Runs first: the window as start-up made it.
TEST_F(ShishangtonglanTest, DefaultsHandOffBeforeGeneratingAndDefaultSnippet) {
    EXPECT_EQ(w->windowTitle(), "时尚通栏海报加分类");
    EXPECT_EQ(w->text("cbb1"), "专业版");
    EXPECT_EQ(testing::comboItems(w, "cbb1"), QStringList({"专业版", "基础版", "天猫版"}));
    EXPECT_EQ(w->text("mmo1"), "");
    Fields defaults{w->text("edt1"), "#", w->text("edt2"), "#", "掌柜推荐/HOTSALE", {}, {}, "查看更多",
                    "#000",          "#"};
    EXPECT_FALSE(defaults.poster.isEmpty());
    EXPECT_FALSE(defaults.small.isEmpty());
    for (int i = 0; i < 6; ++i) {
        defaults.names[i] = "标签名称";
        defaults.links[i] = "#";
    }
    // The window starts from the defaults the snippet's input has.
    EXPECT_EQ(defaults.poster, generators::ShishangtonglanInput().poster);
    EXPECT_EQ(defaults.small, generators::ShishangtonglanInput().small);

    testing::expectNothingHandedOver(w, "btn3Click");

    w->fire("btn1Click");
    const QString snippet = expected(defaults);
    EXPECT_EQ(w->text("mmo1"), snippet);
    EXPECT_EQ(testing::fileBytes(preview()), testing::gbk(snippet + "\r\n"));
    EXPECT_EQ(fake().clipboard, snippet);
    EXPECT_EQ(fake().lastMessage().text, kMessage);
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    EXPECT_EQ(fake().lastMessage().owner, "Tfrmshishangtonglan");
}

TEST_F(ShishangtonglanTest, TypedFieldsAndThePreviewFileRewrittenWhole) {
    for (const Fields& f : {wideHeading(), kTyped, Fields{}}) {
        fake().reset();
        type(f);
        w->fire("btn1Click");
        const QString snippet = generators::shishangtonglanSnippet(inputOf(f));
        EXPECT_EQ(w->text("mmo1"), snippet);
        EXPECT_EQ(testing::fileBytes(preview()), testing::gbk(snippet + "\r\n"));
        EXPECT_EQ(fake().clipboard, snippet);
        EXPECT_EQ(fake().lastMessage().text, kMessage);
    }
}

TEST_F(ShishangtonglanTest, AMissingFilesFolderIsReportedAndNothingIsCopied) {
    type(kTyped);
    w->setText("mmo1", "earlier");
    QDir(folder.path()).rmdir("files");
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), expected(kTyped)); // already filled when the write fails
    EXPECT_FALSE(fake().clipboardSet);
    ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_TRUE(fake().lastMessage().text.startsWith("Cannot create file"))
        << fake().lastMessage().text.toStdString();
    EXPECT_EQ(fake().lastMessage().title, fake().applicationTitle());
    EXPECT_FALSE(QFile::exists(preview()));

    // The window stays usable once the folder is back.
    QDir(folder.path()).mkdir("files");
    fake().reset();
    w->fire("btn1Click");
    EXPECT_EQ(fake().lastMessage().text, kMessage);
    EXPECT_EQ(testing::fileBytes(preview()), testing::gbk(expected(kTyped) + "\r\n"));
}

TEST_F(ShishangtonglanTest, PreviewOpensTheSavedPageOrNothing) {
    w->fire("btn2Click");
    EXPECT_TRUE(fake().callsOf("open").isEmpty());
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());

    type(kTyped);
    w->fire("btn1Click");
    fake().reset();
    w->fire("btn2Click");
    ASSERT_EQ(fake().callsOf("open").size(), 1);
    EXPECT_EQ(fake().callsOf("open").first().address, preview());
}

TEST_F(ShishangtonglanTest, HandOffEditionsAndFixedSize) {
    type(kTyped);
    w->fire("btn1Click");
    core::Form* banner = testing::converter();
    ASSERT_NE(banner, nullptr);
    const struct {
        QString combo, button, prime;
    } cases[] = {{"专业版", "rb1", "rb2"},
                 {"天猫版", "rb2", "rb1"},
                 {"基础版", "rb3", "rb1"},
                 {"旗舰版", "rb3", "rb2"},
                 {"", "rb3", "rb1"}};
    for (const auto& c : cases) {
        w->setText("cbb1", c.combo);
        const testing::ConverterView view = testing::handOver(w, "btn3Click", banner, c.prime);
        EXPECT_EQ(view.edition, c.button) << c.combo.toStdString();
        EXPECT_EQ(view.width, "1920");
        EXPECT_EQ(view.height, "600");
        EXPECT_EQ(view.code, expected(kTyped));
    }
}

TEST_F(ShishangtonglanTest, HelpPanelOpensAndCloses) {
    w->showForm();
    auto* panel = w->control<QWidget>("pnlhelp");
    EXPECT_FALSE(panel->isVisible());
    QTest::mouseClick(w->control<QLabel>("lbl6"), Qt::LeftButton);
    EXPECT_TRUE(panel->isVisible());
    QTest::mouseClick(w->control<QLabel>("lbl7"), Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
}

} // namespace
