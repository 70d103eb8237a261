#include "generators/promotions/zhanggui.h"
#include "tests/generators/carousels/page_files.h"
#include "tests/generators/promotions/pagewidgets_checks.h"

#include <QPlainTextEdit>
#include <QTabWidget>

namespace {

struct Note {
    QString picture, leftTitle, rightTitle, note, productPicture, productTitle, colour, price, tag,
        buttonColour, link, button;
};

QString table(const Note& n) {
    return "<table width=\"100%\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\" style=\"font-size:12px; "
           "font-family:IMPACT; line-height:20px;\"><tr><td width=\"170\" rowspan=\"5\" valign=\"top\"><img "
           "src=\"" +
           n.picture +
           "\" width=\"150\"/></td><td height=\"50\"><span style=\"font-size:24px;color:#333;\">" +
           n.leftTitle +
           "<div style=\"border-bottom:#CCC 1px dashed; height:5px;\"></div></span></td><td width=\"20\" "
           "rowspan=\"5\" "
           "align=\"right\" style=\"font-size:24px\">&nbsp;</td><td width=\"270\" colspan=\"2\" "
           "align=\"left\" "
           "style=\"font-size:20px;color:#333;\">" +
           n.rightTitle +
           "<div style=\"border-bottom:#CCC 1px dashed; height:10px;\"></div></td></tr><tr><td rowspan=\"4\" "
           "valign=\"top\" style=\"color:#666;\">" +
           n.note +
           "</td><td width=\"112\" rowspan=\"3\" align=\"left\" valign=\"top\" style=\"font-size:24px\"><img "
           "src=\"" +
           n.productPicture +
           "\" width=\"100\" height=\"100\"/></td><td width=\"130\" height=\"30\" align=\"left\" "
           "valign=\"center\" "
           "style=\"font-size:15px; font-family:'微软雅黑';color:#333\">" +
           n.productTitle +
           "</td></tr><tr><td width=\"67\" height=\"45\" align=\"left\" valign=\"top\" "
           "style=\"font-size:12px; "
           "font-family:'微软雅黑'; color:" +
           n.colour + "\">￥<span style=\"font-size:16px; font-weight:700;\">" + n.price +
           "</span></td></tr><tr><td align=\"left\" valign=\"middle\" style=\"font-size:24px\"><table "
           "width=\"100%\" "
           "border=\"0\" cellpadding=\"0\" cellspacing=\"0\"><tr><td width=\"30%\" height=\"25\" "
           "align=\"center\" "
           "bgcolor=\"" +
           n.colour + "\" style=\"color:#FFF; font-size:12px\">" + n.tag +
           "</td><td width=\"40%\" align=\"center\" bgcolor=\"" + n.buttonColour +
           "\" style=\"color:#FFF; font-size:12px\"><a href=\"" + n.link +
           "\" target=\"_blank\"><span style=\"color:#fff;text-decoration: none;\">" + n.button +
           "</span></a></td></tr></table></td></tr></table>";
}

class ZhangguiTest : public testing::FormTest {
protected:
    ZhangguiTest()
        : FormTest("TFrmzhanggui") {}
    void SetUp() override {
        FormTest::SetUp();
        ASSERT_TRUE(folder.isValid());
    }
    QString page() const { return folder.path() + "/files.html"; }
    testing::FakeBrowser* browser() const { return w->findChild<testing::FakeBrowser*>(); }
    QTabWidget* pages() const { return w->control<QTabWidget>("pgc1"); }
    testing::ScratchCurrentFolder folder;
};

// Runs first: the window as start-up made it.
TEST_F(ZhangguiTest, DefaultsAndThePreviewOfTheDefaultNote) {
    EXPECT_EQ(w->windowTitle(), "掌柜说版块");
    ASSERT_EQ(pages()->count(), 3);
    EXPECT_EQ(pages()->tabText(0), "参数   ");
    EXPECT_EQ(pages()->tabText(1), "参照图   ");
    EXPECT_EQ(pages()->tabText(2), "预览      ");
    EXPECT_EQ(pages()->currentIndex(), 0);
    Note n{w->text("edt1"),
           "SHOPKEEPER·掌柜说",
           "掌柜推荐",
           "这里是掌柜说文字信息，还可以把一些店里的促销信\r\n息展示在这里！~\r\n",
           w->text("edt8"),
           "爱美女装正品5折",
           "#FF4400",
           "89.00",
           "包邮",
           "#909090",
           "#",
           "立即购买"};
    EXPECT_FALSE(n.picture.isEmpty());
    EXPECT_FALSE(n.productPicture.isEmpty());
    for (const auto& [name, value] : {std::pair{"edt6", n.leftTitle},
                                      {"edt7", n.rightTitle},
                                      {"mmo1", n.note},
                                      {"edt2", n.productTitle},
                                      {"edt3", n.link},
                                      {"edt4", n.price},
                                      {"edt5", n.tag},
                                      {"edt11", n.colour},
                                      {"edt10", n.button},
                                      {"edt9", n.buttonColour}})
        EXPECT_EQ(w->text(name), value) << name;
    EXPECT_EQ(w->text("mmo2"), "代码生成区：\r\n");
    EXPECT_FALSE(w->control<QPlainTextEdit>("mmo2")->isHidden());

    // The placeholder is no code.
    w->fire("btn2Click");
    EXPECT_FALSE(fake().clipboardSet);
    ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_NE(fake().lastMessage().text, "代码已被复制了！");

    fake().reset();
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo2"), table(n));
    EXPECT_EQ(testing::fileBytes(page()), testing::gbk(table(n) + "\r\n"));
    EXPECT_EQ(pages()->currentIndex(), 2);
    ASSERT_NE(browser(), nullptr);
    EXPECT_EQ(browser()->parent(), w->control<QWidget>("wb1"));
    EXPECT_EQ(browser()->navigations, QStringList({page()}));
    EXPECT_FALSE(fake().clipboardSet);
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());

    w->fire("btn2Click");
    testing::expectCopied(fake(), "TFrmzhanggui", table(n), "代码已被复制了！");
}

// Marker values, one per field, so that a swapped field shows.
const Note kMarkers{"P1", "T6", "T7", "line one\r\nline two", "P8", "T2", "C11", "M4", "G5",
                    "C9", "L3", "B10"};

generators::ZhangguiInput markerInput() {
    generators::ZhangguiInput in;
    in.picture = kMarkers.picture;
    in.leftTitle = kMarkers.leftTitle;
    in.rightTitle = kMarkers.rightTitle;
    in.note = kMarkers.note;
    in.productPicture = kMarkers.productPicture;
    in.productTitle = kMarkers.productTitle;
    in.colour = kMarkers.colour;
    in.price = kMarkers.price;
    in.tag = kMarkers.tag;
    in.buttonColour = kMarkers.buttonColour;
    in.link = kMarkers.link;
    in.button = kMarkers.button;
    return in;
}

// The note from the fields, without the window.
TEST(ZhangguiSnippet, EveryFieldGoesToItsPlace) {
    EXPECT_EQ(generators::zhangguiSnippet(markerInput()), table(kMarkers));
}

// 生成预览 builds from what the fields hold, each field in its place.
TEST_F(ZhangguiTest, EveryFieldGoesToItsPlace) {
    const Note& n = kMarkers;
    for (const auto& [name, value] : {std::pair{"edt1", n.picture},
                                      {"edt6", n.leftTitle},
                                      {"edt7", n.rightTitle},
                                      {"mmo1", n.note},
                                      {"edt8", n.productPicture},
                                      {"edt2", n.productTitle},
                                      {"edt11", n.colour},
                                      {"edt4", n.price},
                                      {"edt5", n.tag},
                                      {"edt9", n.buttonColour},
                                      {"edt3", n.link},
                                      {"edt10", n.button}})
        w->setText(name, value);
    pages()->setCurrentIndex(0);
    w->fire("btn1Click");
    const QString snippet = generators::zhangguiSnippet(markerInput());
    EXPECT_EQ(w->text("mmo2"), snippet);
    EXPECT_EQ(testing::fileBytes(page()), testing::gbk(snippet + "\r\n"));
    EXPECT_EQ(pages()->currentIndex(), 2);
    EXPECT_EQ(browser()->navigations.last(), page());
    w->fire("btn2Click");
    testing::expectCopied(fake(), "TFrmzhanggui", snippet, "代码已被复制了！");
}

TEST_F(ZhangguiTest, AFailedPageWriteKeepsTheTabAndTheBrowser) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("files.html"));
    pages()->setCurrentIndex(0);
    const int navigations = browser() ? browser()->navigations.size() : 0;
    w->setText("edt6", "unsaved");
    w->fire("btn1Click");
    EXPECT_TRUE(w->text("mmo2").contains("unsaved"));
    testing::expectWriteFailed(fake());
    EXPECT_EQ(pages()->currentIndex(), 0);
    EXPECT_EQ(browser() ? browser()->navigations.size() : 0, navigations);
}

} // namespace
