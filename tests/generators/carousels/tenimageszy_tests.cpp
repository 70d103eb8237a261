#include "generators/carousels/tenimageszy.h"
#include "tests/generators/carousels/multi_carousel.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kWidget =
    "<div class=\"J_TWidget\" data-widget-config=\"{'effect': "
    "'scrollx','triggerType':'mouse','circular':true,"
    "'easing': 'easeNone','duration':3,'interval':3,'prevBtnCls':'prev','nextBtnCls':'next','navCls':'nav',"
    "'contentCls':'content','activeTriggerCls':'active','autoplay':true}\" "
    "data-widget-type=\"Carousel\">\n\t";

const QString kGenerated = "代码已被复制，可以到店铺的自定义进行粘贴了！";
const QString kCopied = "代码已被复制，将代码粘贴到预览框中点击预览即可！";

// Rows top to bottom: picture field and link field.
const int kPictures[] = {3, 4, 6, 5, 10, 9, 8, 7, 12, 11};
const int kLinks[] = {16, 15, 14, 13, 20, 19, 18, 17, 22, 21};

// The snippet with height h, width w, gap g and row k showing picture "pk" linked to "ak".
QString expected(const QString& h, const QString& w, const QString& g) {
    QString out = "<div data-title=\"" + testing::kCredit + "\" style=\"height:" + h + "px;\">";
    out += "<div class=\"footer-more-trigger\" style=\"left:50%;width:1920px;height:" + h +
           "px;right:auto;top:auto;padding:0;border:none;left:auto;z-index:1;\">";
    out +=
        "<div class=\"footer-more-trigger\" style=\"left:-485px;top:auto;border:none;padding:0;width:1920px;"
        "height:" +
        h + "px;\">";
    out += kWidget;
    out +=
        "<div align=\"box\" style=\"width:1920px;margin-left:0px;\"><div style=\"width:1920px;height:" + h +
        "px;overflow:hidden;font-family:arial\"><ul class=\"content\" style=\"width: 999999px; left: 0px; "
        "position: absolute; \">";
    for (int k = 1; k <= 10; ++k)
        out += "<li style=\"width:" + w + "px;height:" + h + "px;margin-right:" + g +
               "px; text-align: center; float:left; display: block; \"><a href=\"a" + QString::number(k) +
               "\" target=\"_blank\" style=\"width:" + w + "px;height:" + h + "px;background: url(p" +
               QString::number(k) + ") no-repeat center;display: block;\"></a></li>";
    out +=
        "</ul></div><ul class=\"nav\" style=\"display: none;\"><li>?</li></ul></div></div></div></div></div>";
    return out;
}

// Row k showing picture "pk" linked to "ak".
generators::TenimageszyInput typedRows() {
    generators::TenimageszyInput in;
    for (int k = 1; k <= 10; ++k) {
        in.pictures[k - 1] = QString("p%1").arg(k);
        in.links[k - 1] = QString("a%1").arg(k);
    }
    return in;
}

// The snippet from the strip's fields, without its window: no size is parsed.
TEST(TenimageszySnippet, SizesAndGaps) {
    generators::TenimageszyInput in = typedRows();
    const struct {
        QString h, w, g;
    } cases[] = {{"300", "180", "10"}, {"420", "250", "0"}, {"abc", "12.5", " 7"}, {"", "", "10"}};
    for (const auto& c : cases) {
        in.height = c.h;
        in.width = c.w;
        in.gap = c.g;
        EXPECT_EQ(generators::tenimageszySnippet(in), expected(c.h, c.w, c.g)) << c.h.toStdString();
    }
}

class TenimageszyTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("TFrmtenimageszy");
    }
    void typeRows() {
        for (int k = 1; k <= 10; ++k) {
            w->setText(QString("edt%1").arg(kPictures[k - 1]), QString("p%1").arg(k));
            w->setText(QString("edt%1").arg(kLinks[k - 1]), QString("a%1").arg(k));
        }
    }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it, and copying before anything was generated.
TEST_F(TenimageszyTest, DefaultsAndCopyBeforeGenerating) {
    EXPECT_EQ(w->windowTitle(), "专业版10图无限轮播");
    EXPECT_EQ(w->size(), QSize(865, 656));
    EXPECT_EQ(w->text("edt1"), "");
    EXPECT_EQ(w->text("edt2"), "");
    EXPECT_EQ(w->text("edt23"), "10");
    EXPECT_EQ(w->text("lbl5"), "清空重来");
    EXPECT_EQ(w->text("btn1"), "生成代码");
    EXPECT_EQ(w->text("btn2"), "预览代码");
    EXPECT_EQ(w->text("lbl4"), kWidget);
    EXPECT_EQ(w->text("mmo1"), "");
    const generators::TenimageszyInput defaults;
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(w->text(QString("edt%1").arg(kLinks[k])), "#");
        EXPECT_TRUE(w->text(QString("edt%1").arg(kPictures[k])).startsWith("https://"));
        // The window starts from the defaults the snippet's input has.
        EXPECT_EQ(w->text(QString("edt%1").arg(kPictures[k])), defaults.pictures[k]);
    }
    testing::expectUnseen(w, {"lbl4"}, {"mmo1"});
    testing::expectOpensFromThumbnail("img64", "TFrmtenimageszy");

    fake().reset();
    w->fire("btn2Click");
    EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_EQ(fake().lastMessage().text, "开神马国际玩笑，空空如也，先点生成在点预览哦！");
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    EXPECT_FALSE(fake().clipboardSet);

    // Sizes not filled in are written as empty texts.
    typeRows();
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), expected("", "", "10"));
    EXPECT_EQ(fake().clipboard, expected("", "", "10"));
}

// 生成代码 builds from what the fields hold, each field in its place, and copies.
TEST_F(TenimageszyTest, GenerateBuildsFromTheFieldsAndCopies) {
    typeRows();
    w->setText("edt1", "300");
    w->setText("edt2", "180");
    w->setText("edt23", "6");
    w->fire("btn1Click");
    generators::TenimageszyInput in = typedRows();
    in.height = "300";
    in.width = "180";
    in.gap = "6";
    const QString want = generators::tenimageszySnippet(in);
    EXPECT_EQ(w->text("mmo1"), want);
    EXPECT_EQ(fake().clipboard, want);
    EXPECT_EQ(fake().lastMessage().text, kGenerated);
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    EXPECT_EQ(fake().lastMessage().owner, "TFrmtenimageszy");
    w->setText("edt23", "10");
}

TEST_F(TenimageszyTest, CopyButtonCopiesTheMemoAsItIs) {
    typeRows();
    w->setText("edt1", "300");
    w->setText("edt2", "180");
    w->fire("btn1Click");
    w->setText("mmo1", "edited by hand");
    fake().reset();
    w->fire("btn2Click");
    EXPECT_EQ(fake().clipboard, "edited by hand");
    EXPECT_EQ(fake().lastMessage().text, kCopied);
    EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
}

TEST_F(TenimageszyTest, ClearEmptiesEveryFieldIncludingSizesAndGap) {
    typeRows();
    w->setText("edt1", "300");
    w->setText("edt2", "180");
    w->fire("btn1Click");
    const QString kept = w->text("mmo1");
    fake().reset();
    w->showForm();
    QTest::mouseClick(w->control<QWidget>("lbl5"), Qt::LeftButton);
    w->hide();
    EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
    for (int n = 1; n <= 23; ++n)
        EXPECT_EQ(w->text(QString("edt%1").arg(n)), "") << n;
    EXPECT_EQ(fake().lastMessage().text, "已清空！");
    EXPECT_EQ(w->text("mmo1"), kept);
    EXPECT_EQ(w->text("lbl4"), kWidget);
    EXPECT_FALSE(fake().clipboardSet);

    w->fire("btn1Click");
    EXPECT_TRUE(w->text("mmo1").contains("<li style=\"width:px;height:px;margin-right:px; text-align"));
    EXPECT_TRUE(w->text("mmo1").contains(
        "<a href=\"\" target=\"_blank\" style=\"width:px;height:px;background: url() no-repeat"));
    w->setText("edt23", "10");
}

} // namespace
