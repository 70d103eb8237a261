#include "generators/carousels/santulunbo2.h"
#include "tests/generators/carousels/combo_items.h"
#include "tests/generators/carousels/converter_probe.h"

#include <QApplication>
#include <QEvent>
#include <gtest/gtest.h>

namespace {

const QString kHead =
    "<div style=\"width:1920px; height:450px; overflow:hidden\">\r\n<div class=\"J_TWidget\" "
    "data-widget-type=\"Carousel\" data-widget-config=\"{'effect': 'scrollx','contentCls':"
    "'kavri_119_cont','navCls':'kavri_119_nav', 'autoplay':true}\">\r\n<div style=\"width:1920px; "
    "height:450px; overflow:hidden\">\r\n<div class=\"kavri_119_cont\">\r\n";

const QString kMessage = "代码已被复制，记得用通栏模块转化一下相应的店铺类型哦！";

struct Fields {
    QString picture[3], link[3], block[3];
};

QString expected(const Fields& f) {
    QString out = kHead;
    for (int k = 0; k < 3; ++k)
        out += "<a href=\"" + f.link[k] +
               "\" target=\"_blank\"><div style=\" width:1920px; height:450px;\"><img src=\"" + f.picture[k] +
               (k < 2 ? "\" /></div></a>" : "\" /></div></a></div></div>");
    out += "<div style=\"width:300px; height:450px; position: relative; top:-450px; left:485px;\">"
           "<div class=\"kavri_119_nav\">";
    for (int k = 0; k < 3; ++k)
        out += "<div style=\"width:300px; height:150px;\">" + f.block[k] +
               (k < 2 ? "</div>" : "</div></div></div></div></div>");
    return out;
}

generators::Santulunbo2Input inputOf(const Fields& f) {
    generators::Santulunbo2Input in;
    for (int k = 0; k < 3; ++k) {
        in.pictures[k] = f.picture[k];
        in.links[k] = f.link[k];
        in.blocks[k] = f.block[k];
    }
    return in;
}

// The snippet from the carousel's fields, without its window.
TEST(Santulunbo2Snippet, TakesEachFieldAndBlockAsHeld) {
    const Fields cases[] = {
        {{"p1", "p2", "p3"}, {"a1", "a2", "a3"}, {"<b>m1</b>", "m2", "m3"}},
        // Blocks keep their line breaks, the last one included.
        {{"p1", "p2", "p3"}, {"a1", "a2", "a3"}, {"<img src=\"s1\"\r\n />\r\n", "line\r\n\r\n", "x\ry"}},
        {{"", "", ""}, {"", "", ""}, {"", "", ""}},
    };
    for (const Fields& f : cases)
        EXPECT_EQ(generators::santulunbo2Snippet(inputOf(f)), expected(f)) << f.block[0].toStdString();
}

class Santulunbo2Test : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmsantulunbo2");
    }
    void type(const Fields& f) {
        for (int k = 0; k < 3; ++k) {
            w->setText(QString("edt%1").arg(2 * k + 1), f.picture[k]);
            w->setText(QString("edt%1").arg(2 * k + 2), f.link[k]);
            w->setText(QString("mmo%1").arg(k + 1), f.block[k]);
        }
    }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it.
TEST_F(Santulunbo2Test, DefaultsAndHandOffBeforeGenerating) {
    EXPECT_EQ(w->windowTitle(), "1920三图自定义轮播");
    EXPECT_EQ(w->size(), QSize(1028, 552));
    EXPECT_EQ(w->text("lbl4"), kHead);
    EXPECT_EQ(w->text("mmo5"), "mmo5\r\n");
    EXPECT_EQ(w->text("cbb1"), "专业版");
    EXPECT_EQ(testing::comboItems(w, "cbb1"), QStringList({"专业版", "天猫版", "基础版"}));
    for (const QString link : {"edt2", "edt4", "edt6"})
        EXPECT_EQ(w->text(link), "#");
    for (const QString block : {"mmo1", "mmo2", "mmo3"}) {
        // A sample picture tag over three lines, each ending in CR LF.
        const QString sample = w->text(block);
        EXPECT_EQ(sample.count("\r\n"), 3) << block.toStdString();
        EXPECT_TRUE(sample.endsWith("\r\n"));
        EXPECT_TRUE(sample.startsWith("<img")) << block.toStdString();
    }
    // The window starts from the defaults the snippet's input has.
    const generators::Santulunbo2Input defaults;
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(w->text(QString("edt%1").arg(2 * k - 1)), defaults.pictures[k - 1]);
        EXPECT_EQ(w->text(QString("mmo%1").arg(k)), defaults.blocks[k - 1]);
    }

    testing::expectNothingHandedOver(w, "btn3Click");
}

// 生成代码 builds from what the fields hold, each field in its place, and copies.
TEST_F(Santulunbo2Test, GenerateBuildsFromTheFieldsAndCopies) {
    const Fields f = {{"p1", "p2", "p3"}, {"a1", "a2", "a3"}, {"<b>m1</b>\r\n", "m2", "m3"}};
    type(f);
    w->fire("btn1Click");
    const QString want = generators::santulunbo2Snippet(inputOf(f));
    EXPECT_EQ(w->text("mmo5"), want);
    EXPECT_EQ(fake().clipboard, want);
    EXPECT_EQ(fake().lastMessage().text, kMessage);
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    EXPECT_EQ(fake().lastMessage().owner, "Tfrmsantulunbo2");
}

TEST_F(Santulunbo2Test, ReferencePanelFollowsThePointer) {
    QWidget* reference = w->control<QWidget>("pnl1");
    EXPECT_TRUE(reference->isHidden());
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(w->control<QWidget>("btn2"), &enter);
    EXPECT_FALSE(reference->isHidden());
    QApplication::sendEvent(w->control<QWidget>("grp3"), &enter);
    EXPECT_TRUE(reference->isHidden());
}

TEST_F(Santulunbo2Test, HandOffPassesEditionFixedHeightAndCodeMemo) {
    type({{"p1", "p2", "p3"}, {"a1", "a2", "a3"}, {"m1", "m2", "m3"}});
    w->fire("btn1Click");
    const QString code = expected({{"p1", "p2", "p3"}, {"a1", "a2", "a3"}, {"m1", "m2", "m3"}});
    core::Form* banner = testing::converter();
    ASSERT_NE(banner, nullptr);
    const std::pair<QString, QString> editions[] = {
        {"专业版", "rb1"}, {"天猫版", "rb2"}, {"基础版", "rb3"}, {"集市店", "rb3"}};
    for (const auto& [edition, button] : editions) {
        testing::primeConverter(banner, button == "rb1" ? "rb2" : "rb1");
        w->setText("cbb1", edition);
        w->fire("btn3Click");
        const testing::ConverterView view = testing::viewConverter(banner);
        EXPECT_TRUE(view.visible);
        EXPECT_EQ(view.edition, button) << edition.toStdString();
        EXPECT_EQ(view.width, "1100"); // the width field stays unchanged
        EXPECT_EQ(view.height, "450");
        EXPECT_EQ(view.code, code);
    }
    banner->hide();
}

} // namespace
