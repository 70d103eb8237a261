#include "generators/carousels/santulunbo.h"
#include "tests/generators/carousels/combo_items.h"
#include "tests/generators/carousels/converter_probe.h"

#include <gtest/gtest.h>

namespace {

const QString kWidget =
    "<div class=\"J_TWidget\"  data-widget-type=\"Carousel\"  \r\ndata-widget-config=\"{'effect': "
    "'scrollx',\r\n 'contentCls':'kavri_23_cont',\r\n 'prevBtnCls': 'kavri_23_shang',\r\n "
    "'nextBtnCls': 'kavri_23_xia',\r\n 'duration':'0.2',\r\n 'autoplay':'true'\r\n}\">";

const QString kMessage = "代码已被复制，记得用通栏版块生成相应店铺的代码哦！";

QString picture(int k) {
    return "<img src=\"p" + QString::number(k) + "\" alt=\" 三联图海报" + QString::number(k) + "\"/>";
}

QString linked(int k) {
    return "<a href=\"a" + QString::number(k) + "\" target=\"_blank\">" + picture(k) + "</a>";
}

// The snippet with pictures pk and links ak; s, h, t as inserted, a to e the computed offsets.
QString expected(const QString& s, const QString& h, const QString& t, const QString& a, const QString& b,
                 const QString& c, const QString& d, const QString& e) {
    const QString slideBox = "<li><div style=\"width:" + s + "px; height:" + h + "px; overflow:hidden\">";
    QString out = kWidget + "<div style=\"width:" + s + "px; height:" + h +
                  "px; overflow:hidden\"><ul class=\"kavri_23_cont\">";
    out += slideBox + picture(3) + linked(1) + picture(2) + "</div></li>";
    out += slideBox + picture(1) + linked(2) + picture(3) + "</div></li>";
    out += slideBox + picture(2) + linked(3) + picture(1) + "</div></li>";
    out += "</ul></div>";
    out += "<div style=\"width:" + t + "px; height:" + h + "px; position:relative; top:-" + h +
           "px;background-color:#000;filter:alpha(Opacity=70); opacity: 0.7;\"></div>";
    out += "<div class=\"kavri_23_shang\" style=\"width:40px; height:80px; "
           "position:relative;background-color:#000; "
           "color:#FFF; line-height:80px;top:-" +
           a + "px;left:" + t +
           "px;font-family:Simhei; line-height:80px; text-align:center; "
           "font-size:36px;cursor:pointer;\"><</div>";
    out += "<div class=\"kavri_23_xia\" style=\"width:40px; height:80px; position:relative; top:-" + b +
           "px;left:" + c +
           "px; background-color:#000; color:#FFF;font-family:Simhei; line-height:80px; text-align:center; "
           "font-size:36px;cursor:pointer;\">></div>";
    out += "<div style=\"width:" + t + "px; height:" + h + "px; position:relative; top:-" + e +
           "px; left:" + d + "px;background-color:#000;filter:alpha(Opacity=70); opacity: 0.7;\"></div>";
    return out + "</div>";
}

// Pictures pk and links ak, as the fixture types them.
generators::SantulunboInput typedPictures() {
    generators::SantulunboInput in;
    for (int k = 1; k <= 3; ++k) {
        in.pictures[k - 1] = QString("p%1").arg(k);
        in.links[k - 1] = QString("a%1").arg(k);
    }
    return in;
}

// The snippet from the carousel's fields, without its window.
TEST(SantulunboSnippet, EachWidthAndHeight) {
    generators::SantulunboInput in = typedPictures();
    const struct {
        QString height;
        QString s, t, a, b, c, d, e;
    } cases[] = {
        {"450", "2850", "950", "720", "800", "1860", "1900", "1060"},
        {"450", "2970", "990", "720", "800", "1940", "1980", "1060"},
        {"300", "2970", "990", "420", "500", "1940", "1980", "760"},
        // Real numbers, written in their shortest form; the height itself goes in as typed.
        {"400.25", "2850", "950", "620.5", "700.5", "1860", "1900", "960.5"},
        {" 500", "2850", "950", "820", "900", "1860", "1900", "1160"},
    };
    for (const auto& c : cases) {
        in.height = c.height;
        in.width = c.t;
        in.stripWidth = c.s;
        EXPECT_EQ(generators::santulunboSnippet(in), expected(c.s, c.height, c.t, c.a, c.b, c.c, c.d, c.e))
            << c.t.toStdString() << c.height.toStdString();
    }
}

TEST(SantulunboSnippet, HeightOrWidthThatIsNotANumberFails) {
    generators::SantulunboInput in = typedPictures();
    in.height = "450px";
    EXPECT_EQ(testing::failureOf([&] { generators::santulunboSnippet(in); }),
              "'450px' is not a valid floating point value");
    in.height = "450";
    in.width = "";
    EXPECT_EQ(testing::failureOf([&] { generators::santulunboSnippet(in); }),
              "'' is not a valid floating point value");
}

class SantulunboTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmsantulunbo");
    }
    void typePictures() {
        for (int k = 1; k <= 3; ++k) {
            w->setText(QString("edt%1").arg(2 * k), QString("p%1").arg(k));
            w->setText(QString("edt%1").arg(2 * k + 1), QString("a%1").arg(k));
        }
    }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it.
TEST_F(SantulunboTest, DefaultsAndDefaultSnippet) {
    EXPECT_EQ(w->windowTitle(), "个性三图轮播");
    EXPECT_EQ(w->size(), QSize(714, 525));
    EXPECT_EQ(w->text("cbb1"), "专业版");
    EXPECT_EQ(testing::comboItems(w, "cbb1"), QStringList({"专业版", "天猫版", "基础版"}));
    EXPECT_EQ(w->text("lbl2"), "950");
    EXPECT_EQ(w->text("edt1"), "450");
    EXPECT_EQ(w->text("lbl3"), "2850");
    EXPECT_EQ(w->text("lbl7"), kWidget);
    EXPECT_EQ(w->text("mmo1"), "mmo1\r\n");
    for (const QString link : {"edt3", "edt5", "edt7"})
        EXPECT_EQ(w->text(link), "#");
    // The window starts from the defaults the snippet's input has.
    const generators::SantulunboInput defaults;
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(w->text(QString("edt%1").arg(2 * k)), defaults.pictures[k - 1]);

    typePictures();
    w->fire("btn1Click");
    const QString want = expected("2850", "450", "950", "720", "800", "1860", "1900", "1060");
    EXPECT_EQ(w->text("mmo1"), want);
    EXPECT_EQ(fake().clipboard, want);
    EXPECT_EQ(fake().lastMessage().text, kMessage);
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    EXPECT_EQ(fake().lastMessage().owner, "Tfrmsantulunbo");
}

TEST_F(SantulunboTest, ComboChangeSwitchesTheWidthsInBothDirections) {
    const struct {
        QString text, width, strip;
    } steps[] = {{"天猫版", "990", "2970"}, {"集市店", "950", "2850"}, {"基础版", "990", "2970"},
                 {"集市店", "950", "2850"}, {"专业版", "990", "2970"}, {"集市", "990", "2970"}};
    for (const auto& s : steps) {
        w->setText("cbb1", s.text);
        EXPECT_EQ(w->text("lbl2"), s.width) << s.text.toStdString();
        EXPECT_EQ(w->text("lbl3"), s.strip) << s.text.toStdString();
    }
}

// 提取代码 builds from what the fields hold, each field in its place; the
// widths follow the combo.
TEST_F(SantulunboTest, GenerateBuildsFromTheFieldsAndCopies) {
    typePictures();
    generators::SantulunboInput in = typedPictures();
    const struct {
        QString combo, width, strip;
    } cases[] = {{"集市店", "950", "2850"}, {"天猫版", "990", "2970"}};
    for (const auto& c : cases) {
        fake().reset();
        w->setText("cbb1", c.combo);
        w->setText("edt1", "320");
        w->fire("btn1Click");
        in.height = "320";
        in.width = c.width;
        in.stripWidth = c.strip;
        const QString want = generators::santulunboSnippet(in);
        EXPECT_EQ(w->text("mmo1"), want) << c.combo.toStdString();
        EXPECT_EQ(fake().clipboard, want);
        EXPECT_EQ(fake().lastMessage().text, kMessage);
    }
}

TEST_F(SantulunboTest, HeightThatIsNotANumberKeepsTheMemo) {
    typePictures();
    w->setText("cbb1", "集市店");
    w->setText("edt1", "450");
    w->fire("btn1Click");
    const QString kept = w->text("mmo1");
    for (const QString height : {"450px", "", "四百"}) {
        fake().reset();
        w->setText("edt1", height);
        w->fire("btn1Click");
        EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
        EXPECT_EQ(fake().lastMessage().text, "'" + height + "' is not a valid floating point value");
        EXPECT_EQ(fake().lastMessage().title, fake().applicationTitle());
        EXPECT_FALSE(fake().clipboardSet);
        EXPECT_EQ(w->text("mmo1"), kept);
    }
}

TEST_F(SantulunboTest, HandOffPassesEditionStripWidthHeightAndMemo) {
    typePictures();
    w->setText("edt1", "450");
    core::Form* banner = testing::converter();
    ASSERT_NE(banner, nullptr);
    const struct {
        QString combo, button, width;
    } cases[] = {{"专业版", "rb1", "2970"},
                 {"天猫版", "rb2", "2970"},
                 {"基础版", "rb3", "2970"},
                 {"集市店", "rb3", "2850"}};
    for (const auto& c : cases) {
        w->setText("cbb1", c.combo);
        w->fire("btn1Click");
        testing::primeConverter(banner, c.button == "rb1" ? "rb2" : "rb1");
        w->setText("edt1", "460");
        w->fire("btn2Click");
        const testing::ConverterView view = testing::viewConverter(banner);
        EXPECT_TRUE(view.visible);
        EXPECT_EQ(view.edition, c.button) << c.combo.toStdString();
        EXPECT_EQ(view.width, c.width);
        EXPECT_EQ(view.height, "460");
        EXPECT_EQ(view.code, w->text("mmo1"));
        EXPECT_TRUE(
            view.code.contains("<div style=\"width:" + c.width + "px; height:450px; overflow:hidden\">"));
        w->setText("edt1", "450");
    }
    banner->hide();
}

} // namespace
