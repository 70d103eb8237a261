#include "generators/carousels/kapan12.h"
#include "tests/generators/carousels/multi_carousel.h"

#include <gtest/gtest.h>

namespace {

const QString kWidget =
    "<div class=\"J_TWidget\" data-widget-config=\"{'effect': "
    "'scrollx','triggerType':'mouse','circular':true,"
    "'easing': 'easeBothStrong','duration':0.5,'interval':2,'prevBtnCls':'prev','nextBtnCls':'next',"
    "'navCls':'nav','contentCls':'content','activeTriggerCls':'active','autoplay':true}\" "
    "data-widget-type=\"Carousel\">\n\t";

const QString kMessage = "代码已被复制，可以到店铺的自定义进行粘贴了！";

// Row k: picture "Pk" in edt<k>, link "Lk" in edt<25 - k>.
QString expected(const QString& w, const QString& h, const QString& q) {
    QString out = "<div data-title=\"" + testing::kCredit + "\" style=\"width:950px;height:" + h + "px;\">";
    out += kWidget;
    out += "<div align=\"cente\" style=\"width:" + w + "px;float:left;margin-left:0px;\">";
    out += "<div style=\"width:" + w + "px;height:" + h +
           "px;overflow:hidden;font-family:arial;position:relative;\">";
    out += "<ul class=\"content\" style=\"width: 999999px; left: 0px; position: absolute; \">";
    for (int k = 1; k <= 12; ++k)
        out += "<li style=\"width:" + w + "px;height:" + h +
               "px; text-align:center; float:left; display: block; \"><a href=\"L" + QString::number(k) +
               "\" target=\"_blank\" style=\"width:" + w + "px;height:" + h + "px;background: url(P" +
               QString::number(k) + ") no-repeat center;display:block;\"></a></li>";
    out += "</ul></div></div><div style=\"width:527px;text-align:left;float:left;margin-left:10px;\"><ul "
           "class=\"nav\">";
    for (int k = 1; k <= 12; ++k)
        out += "<li style=\"margin:0px 5px 5px 0px;float:left;\"><a href=\"L" + QString::number(k) +
               "\" target=\"_blank\"><img src=\"P" + QString::number(k) +
               "\"style=\"width:128px;height:" + q + "px;\"></a></li>";
    return out + "</ul></div></div></div>";
}

// Row k: picture "Pk", link "Lk".
generators::Kapan12Input typedRows() {
    generators::Kapan12Input in;
    for (int k = 1; k <= 12; ++k) {
        in.pictures[k - 1] = QString("P%1").arg(k);
        in.links[k - 1] = QString("L%1").arg(k);
    }
    return in;
}

// The snippet from the carousel's fields, without its window: the sizes go
// in as they stand, the width is fixed.
TEST(Kapan12Snippet, HeightsAndThumbnailHeights) {
    generators::Kapan12Input in = typedRows();
    const struct {
        QString height, thumbnail;
    } cases[] = {{"574", "188"}, {"600", "196"}, {"7x", "196"}, {"", ""}};
    for (const auto& c : cases) {
        in.height = c.height;
        in.thumbnailHeight = c.thumbnail;
        EXPECT_EQ(generators::kapan12Snippet(in), expected("413", c.height, c.thumbnail))
            << c.height.toStdString();
    }
}

class Kapan12Test : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("TFrmkapan12");
    }
    void typeRows() {
        for (int k = 1; k <= 12; ++k) {
            w->setText(QString("edt%1").arg(k), QString("P%1").arg(k));
            w->setText(QString("edt%1").arg(25 - k), QString("L%1").arg(k));
        }
    }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it.
TEST_F(Kapan12Test, DefaultsAndDefaultSizes) {
    EXPECT_EQ(w->windowTitle(), "集市店版12图卡盘效果");
    EXPECT_EQ(w->size(), QSize(1083, 617));
    const std::pair<QString, QString> texts[] = {{"lbl6", "413"},           {"edt25", "574"},
                                                 {"lbl9", "188"},           {"btn2", "清空"},
                                                 {"btn1", "生成/复制代码"}, {"lbl7", kWidget}};
    for (const auto& [control, value] : texts)
        EXPECT_EQ(w->text(control), value) << control.toStdString();
    const generators::Kapan12Input defaults;
    for (int k = 1; k <= 12; ++k) {
        EXPECT_TRUE(w->text(QString("edt%1").arg(k)).startsWith("https://")) << k;
        EXPECT_EQ(w->text(QString("edt%1").arg(25 - k)), "#") << k;
        // The window starts from the defaults the snippet's input has.
        EXPECT_EQ(w->text(QString("edt%1").arg(k)), defaults.pictures[k - 1]) << k;
    }
    testing::expectUnseen(w, {"lbl7"}, {});
    w->showForm();
    EXPECT_TRUE(w->control("mmo1")->isVisible());
    w->hide();
    testing::expectOpensFromThumbnail("img65", "TFrmkapan12");

    typeRows();
    w->fire("btn1Click");
    const QString want = expected("413", "574", "188");
    EXPECT_EQ(w->text("mmo1"), want);
    EXPECT_EQ(fake().clipboard, want);
    EXPECT_EQ(fake().lastMessage().text, kMessage);
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    EXPECT_EQ(fake().lastMessage().owner, "TFrmkapan12");
}

TEST_F(Kapan12Test, ThumbnailHeightFollowsThePictureHeight) {
    const struct {
        QString height, thumbnail;
    } cases[] = {{"574", "188"},
                 {"600", "196"}, // 590 / 3 = 196.67: the fraction is dropped
                 {"10", "0"},
                 {"9", "0"}, // -1 / 3: the integer part of a negative value is 0
                 {"4", "-2"},
                 {"$100", "82"},
                 {" 40", "10"},
                 {"2147483647", "715827879"},
                 {"-2147483648", "-715827886"}};
    for (const auto& c : cases) {
        w->setText("edt25", c.height);
        EXPECT_EQ(w->text("lbl9"), c.thumbnail) << c.height.toStdString();
    }
    EXPECT_TRUE(fake().calls.isEmpty());
    w->setText("edt25", "574");
}

TEST_F(Kapan12Test, HeightThatIsNotAnIntegerFailsAndKeepsTheThumbnailHeight) {
    w->setText("edt25", "600");
    ASSERT_EQ(w->text("lbl9"), "196");
    for (const QString height : {"600px", "6.5", "abc", "2147483648"}) {
        fake().reset();
        w->setText("edt25", height);
        EXPECT_EQ(fake().callsOf("messageBox").size(), 1) << height.toStdString();
        EXPECT_EQ(fake().lastMessage().text, "'" + height + "' is not a valid integer value");
        EXPECT_EQ(fake().lastMessage().title, fake().applicationTitle());
        EXPECT_EQ(w->text("lbl9"), "196");
    }
    // An empty height is accepted without a word and changes nothing.
    fake().reset();
    w->setText("edt25", "");
    EXPECT_EQ(w->text("lbl9"), "196");
    EXPECT_TRUE(fake().calls.isEmpty());

    // Generation inserts the texts as they stand.
    typeRows();
    w->setText("edt25", "7x");
    w->fire("btn1Click");
    generators::Kapan12Input in = typedRows();
    in.height = "7x";
    in.thumbnailHeight = "196";
    EXPECT_EQ(w->text("mmo1"), generators::kapan12Snippet(in));
    w->setText("edt25", "574");
}

TEST_F(Kapan12Test, ClearEmptiesEveryFieldThenSetsTheHeight) {
    typeRows();
    w->fire("btn1Click");
    const QString kept = w->text("mmo1");
    fake().reset();
    w->fire("btn2Click");
    for (int n = 1; n <= 24; ++n)
        EXPECT_EQ(w->text(QString("edt%1").arg(n)), "") << n;
    EXPECT_EQ(w->text("edt25"), "607");
    EXPECT_EQ(w->text("lbl9"), "199");
    EXPECT_EQ(w->text("lbl6"), "413");
    EXPECT_EQ(w->text("mmo1"), kept);
    EXPECT_TRUE(fake().calls.isEmpty());

    w->fire("btn1Click");
    EXPECT_TRUE(w->text("mmo1").contains(
        "<a href=\"\" target=\"_blank\"><img src=\"\"style=\"width:128px;height:199px;\">"));
    w->setText("edt25", "574");
}

} // namespace
