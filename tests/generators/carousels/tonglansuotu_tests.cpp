#include "generators/carousels/tonglansuotu.h"
#include "tests/generators/carousels/combo_items.h"
#include "tests/generators/carousels/converter_probe.h"

#include <gtest/gtest.h>

namespace {

const QString kWidget =
    "<div class=\"J_TWidget\" data-widget-type=\"Carousel\" data-widget-config=\"{'effect': "
    "'scrollx','contentCls':'kavri_126cont','navCls':'kavri_126nav','easing':'backOut',"
    "'duration':'0.5','delay':'0.2', 'prevBtnCls': 'kavri_126shang', 'nextBtnCls': "
    "'kavri_126xia','autoplay':true}\">";

const QString kArrows =
    "<div class=\"kavri_126shang\" style=\"width:90px; height:90px; position:relative; "
    "left:410px; top:-400px;cursor:pointer; font-size:80px; color:#333;float:left; "
    "font-family:simhei\"><</div><div  class=\"kavri_126xia\" style=\"width:90px; height:90px; "
    "position:relative; left:1420px; top:-400px;cursor:pointer; font-size:80px;color:#333;"
    "float:left; font-family:simhei\">></div></div></div>";

const QString kMessage = "代码已被复制，记得拿通栏版块转化一下再安装哦！";

// The snippet of n posters of height h, thumbnail strip width v at left u,
// with the fields typed by the fixture (pk, qk, ak).
QString expected(int n, const QString& h, const QString& v, const QString& u) {
    QString out = "<div style=\"width:1920px; height:" + h + "px; overflow:hidden\">" + kWidget +
                  "<div style=\"width:1920px; height:" + h +
                  "px; overflow:hidden\"><div class=\"kavri_126cont\">";
    for (int k = 1; k <= n; ++k)
        out += "<div style=\"width:1920px; height:" + h + "px;\"><a href=\"a" + QString::number(k) +
               "\" target=\"_blank\"><img src=\"p" + QString::number(k) + "\"  width=\"1920\" height=\"" + h +
               "\"/></a></div>";
    out += "</div></div><div style=\"width:" + v + "px; height:90px; position:relative; left:" + u +
           "px; top:-100px;\"><div class=\"kavri_126nav\">";
    for (int k = 1; k <= n; ++k)
        out += "<div style=\" width:230px; height:90px; float:left; margin-right:10px;\" ><img src=\"q" +
               QString::number(k) + "\"  width=\"230\" height=\"90\"/></div>";
    return out + "</div></div>" + kArrows;
}

// The input with rows typed as the fixture types them (pk, qk, ak).
generators::TonglansuotuInput typedRows() {
    generators::TonglansuotuInput in;
    for (int k = 1; k <= 4; ++k) {
        in.posters[k - 1] = QString("p%1").arg(k);
        in.thumbnails[k - 1] = QString("q%1").arg(k);
        in.links[k - 1] = QString("a%1").arg(k);
    }
    return in;
}

// The snippet from the carousel's fields, without its window.
TEST(TonglansuotuSnippet, EachCountAndHeight) {
    generators::TonglansuotuInput in = typedRows();
    const struct {
        int n;
        QString height, stripWidth, stripLeft;
    } cases[] = {
        {2, "500", "480", "720"}, {3, "500", "720", "600"}, {4, "500", "960", "480"},
        {4, "380", "960", "480"}, {3, "高", "720", "600"}, // the height is only inserted, never parsed
    };
    for (const auto& c : cases) {
        in.slides = c.n;
        in.height = c.height;
        in.stripWidth = c.stripWidth;
        in.stripLeft = c.stripLeft;
        EXPECT_EQ(generators::tonglansuotuSnippet(in), expected(c.n, c.height, c.stripWidth, c.stripLeft))
            << c.n << " " << c.height.toStdString();
    }
}

TEST(TonglansuotuSnippet, ThreePostersUseRowsOneToThreeOnly) {
    generators::TonglansuotuInput in = typedRows();
    in.posters[3] = "unused poster";
    in.thumbnails[3] = "unused thumbnail";
    in.slides = 3;
    in.stripWidth = "720";
    in.stripLeft = "600";
    EXPECT_EQ(generators::tonglansuotuSnippet(in), expected(3, "500", "720", "600"));
}

class TonglansuotuTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmtonglansuotu");
    }
    void typeRows() {
        // Row k: poster, thumbnail, link.
        const int poster[] = {2, 4, 6, 8}, thumbnail[] = {10, 11, 12, 13}, link[] = {3, 5, 7, 9};
        for (int k = 1; k <= 4; ++k) {
            w->setText(QString("edt%1").arg(poster[k - 1]), QString("p%1").arg(k));
            w->setText(QString("edt%1").arg(thumbnail[k - 1]), QString("q%1").arg(k));
            w->setText(QString("edt%1").arg(link[k - 1]), QString("a%1").arg(k));
        }
        w->setText("edt1", "500");
        w->setText("cbb1", "2张");
    }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it, and its hand-off before any generation.
TEST_F(TonglansuotuTest, DefaultsAndHandOffBeforeGenerating) {
    EXPECT_EQ(w->windowTitle(), "通栏缩略图轮播");
    EXPECT_EQ(w->size(), QSize(1046, 635));
    EXPECT_EQ(w->text("cbb2"), "专业版");
    EXPECT_EQ(w->text("cbb1"), "2张");
    EXPECT_EQ(w->text("edt1"), "500");
    EXPECT_EQ(w->text("lbl4"), "480");
    EXPECT_EQ(w->text("lbl5"), "720");
    EXPECT_EQ(w->text("lbl6"), kWidget);
    EXPECT_EQ(w->text("mmo1"), "mmo1\r\n");
    for (const QString link : {"edt3", "edt5", "edt7", "edt9"})
        EXPECT_EQ(w->text(link), "#");
    EXPECT_EQ(w->text("btn2"), "提取代码");
    EXPECT_EQ(w->text("btn1"), "转化通栏");
    EXPECT_EQ(testing::comboItems(w, "cbb1"), QStringList({"2张", "3张", "4张"}));
    // The window starts from the defaults the snippet's input has.
    const generators::TonglansuotuInput defaults;
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(w->text(QString("edt%1").arg(2 * k)), defaults.posters[k - 1]);
        EXPECT_EQ(w->text(QString("edt%1").arg(k + 9)), defaults.thumbnails[k - 1]);
    }

    testing::expectNothingHandedOver(w, "btn1Click");
}

// 提取代码 builds from what the fields hold, each field in its place; a count
// typed by hand makes four.
TEST_F(TonglansuotuTest, GenerateBuildsFromTheFieldsAndCopies) {
    typeRows();
    generators::TonglansuotuInput in = typedRows();
    const struct {
        QString count;
        int n;
        QString stripWidth, stripLeft;
    } cases[] = {{"2张", 2, "480", "720"},
                 {"3张", 3, "720", "600"},
                 {"4张", 4, "960", "480"},
                 {"五张", 4, "960", "480"}};
    for (const auto& c : cases) {
        fake().reset();
        w->setText("cbb1", c.count);
        w->setText("edt1", "390");
        w->fire("btn2Click");
        in.slides = c.n;
        in.height = "390";
        in.stripWidth = c.stripWidth;
        in.stripLeft = c.stripLeft;
        const QString want = generators::tonglansuotuSnippet(in);
        EXPECT_EQ(w->text("mmo1"), want) << c.count.toStdString();
        EXPECT_EQ(fake().clipboard, want);
        EXPECT_EQ(fake().lastMessage().text, kMessage);
        EXPECT_EQ(fake().lastMessage().title, "提示信息");
        EXPECT_EQ(fake().lastMessage().owner, "Tfrmtonglansuotu");
    }
}

TEST_F(TonglansuotuTest, CountChangeRewritesTheStripInBothDirections) {
    const struct {
        QString count, width, left;
    } steps[] = {{"3张", "720", "600"}, {"4张", "960", "480"}, {"3张", "720", "600"},
                 {"2张", "480", "720"}, {"x", "960", "480"},   {"2张", "480", "720"}};
    for (const auto& s : steps) {
        w->setText("cbb1", s.count);
        EXPECT_EQ(w->text("lbl4"), s.width) << s.count.toStdString();
        EXPECT_EQ(w->text("lbl5"), s.left) << s.count.toStdString();
    }
}

TEST_F(TonglansuotuTest, HandOffPassesEditionWidthHeightAndMemo) {
    typeRows();
    w->fire("btn2Click");
    core::Form* banner = testing::converter();
    ASSERT_NE(banner, nullptr);
    const std::pair<QString, QString> editions[] = {
        {"专业版", "rb1"}, {"天猫版", "rb2"}, {"基础版", "rb3"}, {"天猫店", "rb3"}};
    for (const auto& [edition, button] : editions) {
        testing::primeConverter(banner, button == "rb1" ? "rb2" : "rb1");
        w->setText("cbb2", edition);
        w->setText("edt1", "520");
        w->fire("btn1Click");
        const testing::ConverterView view = testing::viewConverter(banner);
        EXPECT_TRUE(view.visible);
        EXPECT_EQ(view.edition, button) << edition.toStdString();
        EXPECT_EQ(view.width, "1920");
        EXPECT_EQ(view.height, "520");
        EXPECT_EQ(view.code, expected(2, "500", "480", "720"));
    }
    banner->hide();
}

} // namespace
