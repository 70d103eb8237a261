#include "tests/support/helpers.h"
#include "tools/code/tonglanbg.h"

#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

const QString kCode = "<div class=\"x\">\r\n  <a href=\"#\">y</a>\r\n</div>\r\n";

const QString kTmallLayer = "<div class=\"sn-simple-logo\" style=\"left:0px;width:1920px;height:";
const QString kTmallBlock = "<div class=\"sn-simple-logo\" style=\"width:";
const QString kProfessionalLayer =
    "<div class=\"most-footer footer-more-trigger\" style=\"left:-485px;width:1920px;height:";
const QString kBasicLayer =
    "<div class=\"most-footer footer-more-trigger\" style=\"left:-685px;width:1920px;height:";
const QString kFooterBlock = "<div class=\"most-footer footer-more-trigger\" style=\"width:";

// The background wrapper, fragment by fragment.
QString wrapped(const QString& layer, const QString& block, const QString& w, const QString& h,
                const QString& hc, const QString& background, const QString& offset, const QString& code) {
    return "<div  style=\"height:" + hc + "px;\">" + layer + h + "px;" +
           "right:auto;top:auto;padding:0;border:none;z-index:1; background-image:url(" + background +
           ")\"> " + block + w + "px;left:" + offset + "px;top:0px;border:none;padding:0;" +
           "background-color:transparent;height:" + h + "px;overflow:hidden\">" + code + "</div></div></div>";
}

class TonglanbgTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmtonglanbg");
        w->control<QRadioButton>("rb1")->setChecked(true);
        w->setText("edt1", "1200");
        w->setText("edt2", "501");
        w->setText("edt2", "500");
        w->setText("edt4", "https://img.example/bg.jpg");
        w->setText("mmo1", kCode);
        fake().reset();
    }
    core::Form* w = nullptr;
};

TEST_F(TonglanbgTest, WrapperOfEveryEditionForBlockWidths) {
    const QString bg = "https://img.example/bg.jpg";
    const struct {
        QString button;
        QString width;
        QString expected;
    } cases[] = {
        {"rb2", "1920", wrapped(kTmallLayer, kTmallBlock, "1920", "500", "480", bg, "-7", kCode)},
        {"rb2", "1921", wrapped(kTmallLayer, kTmallBlock, "1921", "500", "480", bg, "-7.5", kCode)},
        {"rb2", "1200", wrapped(kTmallLayer, kTmallBlock, "1200", "500", "480", bg, "353", kCode)},
        {"rb2", "900", wrapped(kTmallLayer, kTmallBlock, "900", "500", "480", bg, "503", kCode)},
        {"rb1", "1920", wrapped(kProfessionalLayer, kFooterBlock, "1920", "500", "480", bg, "0", kCode)},
        {"rb1", "1921", wrapped(kProfessionalLayer, kFooterBlock, "1921", "500", "480", bg, "-0.5", kCode)},
        {"rb1", "1200", wrapped(kProfessionalLayer, kFooterBlock, "1200", "500", "480", bg, "360", kCode)},
        {"rb1", "900", wrapped(kProfessionalLayer, kFooterBlock, "900", "500", "480", bg, "510", kCode)},
        {"rb3", "1920", wrapped(kBasicLayer, kFooterBlock, "1920", "500", "480", bg, "0", kCode)},
        {"rb3", "1921", wrapped(kBasicLayer, kFooterBlock, "1921", "500", "480", bg, "-0.5", kCode)},
        {"rb3", "1200", wrapped(kBasicLayer, kFooterBlock, "1200", "500", "480", bg, "360", kCode)},
        {"rb3", "900", wrapped(kBasicLayer, kFooterBlock, "900", "500", "480", bg, "510", kCode)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.button + " " + c.width).toStdString());
        fake().reset();
        w->control<QRadioButton>(c.button)->setChecked(true);
        w->setText("edt1", c.width);
        w->fire("btn1Click");
        EXPECT_EQ(w->text("mmo2"), c.expected);
        EXPECT_EQ(fake().clipboard, c.expected);
        EXPECT_EQ(w->text("mmo1"), kCode);
        ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
        EXPECT_EQ(fake().lastMessage().text, "代码已被复制，可以到店铺的自定义进行粘贴了！");
        EXPECT_EQ(fake().lastMessage().title, "提示信息");
    }
}

TEST_F(TonglanbgTest, OneCaseSpelledOut) {
    w->control<QRadioButton>("rb2")->setChecked(true);
    w->setText("edt4", "none");
    w->setText("mmo1", "X");
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo2"),
              "<div  style=\"height:480px;\"><div class=\"sn-simple-logo\" "
              "style=\"left:0px;width:1920px;height:500px;"
              "right:auto;top:auto;padding:0;border:none;z-index:1; background-image:url(none)\"> "
              "<div class=\"sn-simple-logo\" style=\"width:1200px;left:353px;top:0px;border:none;padding:0;"
              "background-color:transparent;height:500px;overflow:hidden\">X</div></div></div>");
}

TEST_F(TonglanbgTest, WidthThatIsNotANumberChangesNothing) {
    w->fire("btn1Click");
    const QString before = w->text("mmo2");
    fake().reset();
    fake().clipboard = "kept";
    w->setText("edt1", "1200px");
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo2"), before);
    EXPECT_EQ(fake().clipboard, "kept");
    ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_EQ(fake().lastMessage().text, "'1200px' is not a valid floating point value");
}

TEST_F(TonglanbgTest, ConvertedHeightFollowsTheHeight) {
    w->setText("edt2", "600");
    EXPECT_EQ(w->text("edt3"), "580");
    w->setText("edt2", "x");
    EXPECT_EQ(w->text("edt3"), "580");
    EXPECT_EQ(fake().lastMessage().text, "'x' is not a valid integer value");
}

TEST_F(TonglanbgTest, HelpBreaksItsLinesWithCarriageReturns) {
    w->fire("lbl7Click");
    EXPECT_EQ(fake().lastMessage().text,
              "如果DW代码复制进来显示乱码，别紧张\r将DW的代码复制到任意TXT文档后，在从TXT复制\r"
              "出来粘贴在下面的编辑框，就木有问题了，或者将dw编辑的html文件保存，点击软件的导入代码！");
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
}

class TonglanbgStartTest : public testing::ProgramTest {};

TEST_F(TonglanbgStartTest, DefaultsAndConversionBeforeAnyChange) {
    tools::Tfrmtonglanbg fresh;
    EXPECT_EQ(fresh.windowTitle(), "通栏模块 - 加背景功能 - 测试版");
    EXPECT_EQ(fresh.size(), QSize(678, 528));
    EXPECT_TRUE(fresh.control<QRadioButton>("rb1")->isChecked());
    EXPECT_EQ(fresh.text("rb2"), "天猫店");
    EXPECT_EQ(fresh.text("edt1"), "1200");
    EXPECT_EQ(fresh.text("edt2"), "400");
    EXPECT_EQ(fresh.text("edt3"), "400");
    EXPECT_EQ(fresh.text("edt4"), "none");
    EXPECT_EQ(fresh.text("lbl6"), "背景图地址：");
    EXPECT_EQ(fresh.text("lbl3"), "此功能可以给需要转化的代码加一个背景，尺寸1920宽。");
    EXPECT_EQ(fresh.text("mmo2"), "哈哈，傻眼了吧！你肯定没选店铺类型~\r\n");
    EXPECT_EQ(fresh.findChild<QWidget*>("btn2"), nullptr);
    EXPECT_FALSE(fresh.hasHandler("btn2Click"));
    fresh.fire("btn1Click");
    EXPECT_EQ(fresh.text("mmo2"),
              wrapped(kProfessionalLayer, kFooterBlock, "1200", "400", "400", "none", "360", ""));
}

} // namespace
