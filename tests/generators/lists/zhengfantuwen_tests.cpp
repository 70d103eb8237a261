#include "generators/lists/zhengfantuwen.h"
#include "tests/support/helpers.h"

#include <QAbstractButton>
#include <QColor>
#include <QComboBox>
#include <gtest/gtest.h>

namespace {

const QString kMessage = "代码已被复制，可以到店铺的自定义进行粘贴了！";
const QString kHelp =
    "背景色及背景图为通栏（1920）的相关属性色，生成代码后，可以复制到本软件的代码预览功能预览！";

struct Window {
    QString name, caption;
    int pictures;
    QString marketWidth, otherWidth;
    QStringList lefts;
    QString indent;
};
const Window kWindows[] = {
    {"Tfrmzhengfantuwen4", "单行四图图文正反切换", 4, "230", "240", {"0", "240", "480", "720"}, "79px"},
    {"Tfrmzhengfantuwen3", "单行三图图文正反切换", 3, "310", "323", {"0", "320", "640"}, "120px"},
};

void PrintTo(const Window& window, std::ostream* out) {
    *out << window.name.toStdString();
}

QString n(int i) {
    return QString::number(i);
}

// Values that a test types into every field: picture pk, text tk, link lk, price rk.
struct Values {
    QString W, w, H, C, X, bg, bgPicture, panel, textColor;
};

QString block(const Window& win, const Values& v, int k) {
    return "<a style=\"color:" + v.textColor + "; text-decoration:none\" href=\"l" + n(k) +
           "\" target=\"_blank\"><div class=\"" + v.C +
           "\" data-title=\"鼠标滑动效果\" style=\"z-index:" + n(k + 1) +
           ";top:0px;left:" + win.lefts[k - 1] + "px;width:" + v.w + "px;height:" + v.H +
           "px;border:0;padding:0;background:none;\"><div class=\"footer-more\" style=\"width:" + v.w +
           "px;height:" + v.H + "px;float:none;padding:0;right:auto;top:0;left:0;\"><img src=\"p" + n(k) +
           "\" width=\"" + v.w + "px\" height=\"" + v.H +
           "px\" alt=\"\"><span class=\"footer-more-panel\" style=\"width:" + v.w + "px;height:" + v.H +
           "px;border:0;padding:0;background:none;bottom:auto;right:auto;top:0;left:0;\">" +
           "<div style=\"width:" + v.w + "px; height:" + v.H + "px; background-color:" + v.panel +
           "; text-align:center; filter:alpha(Opacity=70); opacity: 0.7;margin-top:-21px; position:relative; "
           "left:auto; top:-20;\">" +
           "<div style=\"font-size:14px; padding-top:50%; padding-left:20px; padding-right:20px;\">t" + n(k) +
           "</div>" +
           "<div style=\"font-size:16px; margin-top:0%; padding-left:20px; padding-right:20px;\">RMB: r" +
           n(k) + "</div>" + "<div style=\"height:70px; width:70px; margin-left:" + win.indent +
           ";border:1px solid;border-radius:50px;-moz-border-radius:50px; line-height:70px;font-size:12px; "
           "margin-top:10%;\">立即购买</div></div></span></div></div></a>";
}

QString snippet(const Window& win, const Values& v) {
    QString out = "<div  style=\"width:" + v.W + "px;height:" + v.H + "px;\">";
    out += "<div class=\"" + v.C + "\" style=\"width:" + v.W + "px;height:" + v.H +
           "px;border:0;padding:0;top:auto;left:auto;background:none;\">";
    out += "<div class=\"" + v.C + "\" style=\"width:" + v.W + "px;height:" + v.H +
           "px;border:0;padding:0;top:0;left:" + v.X + "px;background:none;\">";
    out +=
        "<div class=\"" + v.C + "\" style=\"background:none;border:0;padding:0;width:1920px;height:" + v.H +
        "px;top:auto;left:-485px;background-color:" + v.bg + ";background-image:url(" + v.bgPicture +
        ");background-repeat:no-repeat;background-position:center top;background-attachment:scroll;\"></div>";
    for (int k = 1; k <= win.pictures; ++k)
        out += block(win, v, k);
    return out + "</div></div></div>";
}

// The input with those values and the typed pictures.
generators::ZhengfanTuwenInput inputOf(const Window& win, const Values& v) {
    generators::ZhengfanTuwenInput in(win.pictures);
    in.width = v.W;
    in.pictureWidth = v.w;
    in.height = v.H;
    in.trigger = v.C;
    in.shift = v.X;
    in.background = v.bg;
    in.backgroundPicture = v.bgPicture;
    in.panelColour = v.panel;
    in.textColour = v.textColor;
    for (int k = 1; k <= win.pictures; ++k) {
        in.pictureAddresses[k - 1] = "p" + n(k);
        in.texts[k - 1] = "t" + n(k);
        in.links[k - 1] = "l" + n(k);
        in.prices[k - 1] = "r" + n(k);
    }
    return in;
}

// What a test sets in the window, and the values the snippet then holds.
struct SnippetCase {
    QString shop, height;
    bool basic;
    QString bg, bgPicture, panel, textColor;
    Values want;
};
QList<SnippetCase> snippetCases(const Window& win) {
    return {
        {"天猫未开",
         "401",
         false,
         "#123456",
         "bg.jpg",
         "#222",
         "#eee",
         {"990", win.otherWidth, "401", "sn-simple-logo", "0", "#123456", "bg.jpg", "#222", "#eee"}},
        {"集市店",
         "350",
         true,
         "none",
         "none",
         "#000",
         "#fff",
         {"950", win.marketWidth, "350", "most-footer footer-more-trigger", "-200", "none", "none", "#000",
          "#fff"}},
        {"天猫未开",
         "",
         true,
         "",
         "",
         "",
         "",
         {"990", win.otherWidth, "", "sn-simple-logo", "-200", "", "", "", ""}},
    };
}

// The snippet of both rows, without their windows.
TEST(ZhengfanTuwenSnippet, BothRowsShopsAndColours) {
    for (const Window& win : kWindows) {
        for (const SnippetCase& c : snippetCases(win))
            EXPECT_EQ(generators::zhengfanTuwenSnippet(inputOf(win, c.want)), snippet(win, c.want))
                << win.name.toStdString() << " " << c.shop.toStdString() << c.height.toStdString();
        // The defaults: an ordinary shop's sizes with the sample fields.
        const generators::ZhengfanTuwenInput defaults(win.pictures);
        EXPECT_EQ(defaults.pictureWidth, win.marketWidth);
        EXPECT_EQ(defaults.pictureAddresses.size(), win.pictures);
    }
}

class ZhengfanTest : public testing::ProgramTest, public ::testing::WithParamInterface<Window> {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form(GetParam().name);
    }
    void typePictures() {
        for (int k = 1; k <= GetParam().pictures; ++k) {
            w->setText("edt" + n(3 * k - 1), "p" + n(k));
            w->setText("edt" + n(3 * k), "t" + n(k));
            w->setText("edt" + n(3 * k + 1), "l" + n(k));
            w->setText("edt" + n(15 + k), "r" + n(k));
        }
    }
    void setChecked(const QString& box, bool checked) {
        auto* check = w->control<QAbstractButton>(box);
        if (check->isChecked() != checked) check->click();
    }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it.
TEST_P(ZhengfanTest, DefaultsAndDefaultSnippet) {
    const Window& win = GetParam();
    EXPECT_EQ(w->windowTitle(), win.caption);
    EXPECT_EQ(w->text("cbb1"), "店铺类型");
    QStringList items;
    for (int i = 0; i < w->control<QComboBox>("cbb1")->count(); ++i)
        items << w->control<QComboBox>("cbb1")->itemText(i);
    EXPECT_EQ(items, QStringList({"集市店", "天猫未开"}));
    EXPECT_EQ(w->text("lbl3"), win.marketWidth);
    EXPECT_EQ(w->text("lbl2"), "950");
    EXPECT_EQ(w->text("lbl7"), "380");
    EXPECT_EQ(w->text("edt1"), "350");
    EXPECT_EQ(w->text("edt14"), "none");
    EXPECT_EQ(w->text("edt15"), "none");
    EXPECT_EQ(w->text("edt20"), "#000");
    EXPECT_EQ(w->text("edt21"), "#fff");
    EXPECT_EQ(w->text("chk1"), "去下间缝，与下版块无缝拼接");
    EXPECT_EQ(w->text("chk2"), "基础版");
    EXPECT_FALSE(w->control<QAbstractButton>("chk1")->isChecked());
    EXPECT_FALSE(w->control<QAbstractButton>("chk2")->isChecked());
    EXPECT_EQ(w->text("btn2"), "生成并提取");
    EXPECT_EQ(w->text("lbl11"), "帮助");
    for (int k = 1; k <= win.pictures; ++k) {
        EXPECT_TRUE(w->text("edt" + n(3 * k - 1)).startsWith("https://"));
        EXPECT_EQ(w->text("edt" + n(3 * k)), k == 1 ? "十字以内小描述" : "经典大牌 时尚潮流");
        EXPECT_EQ(w->text("edt" + n(3 * k + 1)), "#");
        EXPECT_EQ(w->text("edt" + n(15 + k)), "59.00");
    }
    // The three-picture window has no fourth picture.
    EXPECT_EQ(w->findChild<QObject*>("edt11") != nullptr, win.pictures == 4);
    EXPECT_EQ(w->findChild<QObject*>("edt19") != nullptr, win.pictures == 4);
    const struct {
        QString name, text;
    } holders[] = {{"lbl10", "most-footer footer-more-trigger"},
                   {"lbl9", "sn-simple-logo"},
                   {"lbl12", "most-footer footer-more-trigger"},
                   {"lbl13", "0"},
                   {"mmo1", "mmo1\r\n"}};
    for (const auto& h : holders) {
        EXPECT_EQ(w->text(h.name), h.text);
        EXPECT_TRUE(w->control(h.name)->isHidden()) << h.name.toStdString();
    }
    EXPECT_EQ(w->control("mmo1")->focusPolicy(), Qt::NoFocus);

    // The launcher's picture is the snippet of the defaults.
    w->fire("btn2Click");
    EXPECT_EQ(w->text("mmo1"), core::windowClass(win.name)->info.sample());

    fake().reset();
    typePictures();
    w->fire("btn2Click");
    const QString want = snippet(win, {"950", win.marketWidth, "350", "most-footer footer-more-trigger", "0",
                                       "none", "none", "#000", "#fff"});
    EXPECT_EQ(w->text("mmo1"), want);
    EXPECT_EQ(fake().clipboard, want);
    EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_EQ(fake().lastMessage().text, kMessage);
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    EXPECT_EQ(fake().lastMessage().owner, win.name);
}

TEST_P(ZhengfanTest, ShopTypeSetsWidthsAndTriggerClassInBothDirections) {
    const Window& win = GetParam();
    const struct {
        QString text, W, w, C;
    } steps[] = {{"天猫未开", "990", win.otherWidth, "sn-simple-logo"},
                 {"集市店", "950", win.marketWidth, "most-footer footer-more-trigger"},
                 {"天猫店", "990", win.otherWidth, "sn-simple-logo"},
                 {"集市店", "950", win.marketWidth, "most-footer footer-more-trigger"},
                 {"店铺类型", "990", win.otherWidth, "sn-simple-logo"}};
    for (const auto& s : steps) {
        w->setText("cbb1", s.text);
        EXPECT_EQ(w->text("lbl2"), s.W) << s.text.toStdString();
        EXPECT_EQ(w->text("lbl3"), s.w) << s.text.toStdString();
        EXPECT_EQ(w->text("lbl12"), s.C) << s.text.toStdString();
    }
    w->setText("cbb1", "集市店");
}

// 生成并提取 builds from what the fields and labels hold, each in its place.
TEST_P(ZhengfanTest, Snippets) {
    const Window& win = GetParam();
    typePictures();
    for (const SnippetCase& c : snippetCases(win)) {
        fake().reset();
        w->setText("cbb1", c.shop);
        w->setText("edt1", c.height);
        setChecked("chk2", c.basic);
        w->setText("edt14", c.bg);
        w->setText("edt15", c.bgPicture);
        w->setText("edt20", c.panel);
        w->setText("edt21", c.textColor);
        w->fire("btn2Click");
        const QString want = generators::zhengfanTuwenSnippet(inputOf(win, c.want));
        EXPECT_EQ(w->text("mmo1"), want) << c.shop.toStdString() << c.height.toStdString();
        EXPECT_EQ(fake().clipboard, want);
        EXPECT_EQ(fake().lastMessage().text, kMessage);
    }
    setChecked("chk2", false);
    w->setText("cbb1", "集市店");
    w->setText("edt1", "350");
}

TEST_P(ZhengfanTest, BasicEditionShiftsTheThirdContainerInBothDirections) {
    for (bool basic : {true, false, true, false}) {
        setChecked("chk2", basic);
        EXPECT_EQ(w->text("lbl13"), basic ? "-200" : "0");
    }
}

TEST_P(ZhengfanTest, BlockHeightFollowsHeightAndTheGapTick) {
    const struct {
        QString height;
        bool seamless;
        QString shown;
    } steps[] = {{"400", false, "390"},
                 {"400", true, "380"},
                 {"500", true, "480"},
                 {"500", false, "490"},
                 {"-5", false, "-15"},
                 {"2147483647", false, "2147483637"},
                 {"-2147483648", true, "-2147483668"}};
    for (const auto& s : steps) {
        setChecked("chk1", s.seamless);
        w->setText("edt1", s.height);
        EXPECT_EQ(w->text("lbl7"), s.shown) << s.height.toStdString() << s.seamless;
    }
    // The tick recomputes from the height in both directions.
    w->setText("edt1", "400");
    setChecked("chk1", true);
    EXPECT_EQ(w->text("lbl7"), "380");
    setChecked("chk1", false);
    EXPECT_EQ(w->text("lbl7"), "390");
    // An empty height leaves the display, and the tick then shows 380.
    w->setText("edt1", "");
    EXPECT_EQ(w->text("lbl7"), "390");
    setChecked("chk1", true);
    EXPECT_EQ(w->text("lbl7"), "380");
    setChecked("chk1", false);
    EXPECT_EQ(w->text("lbl7"), "380");
    EXPECT_TRUE(fake().calls.isEmpty());
    w->setText("edt1", "350");
}

TEST_P(ZhengfanTest, HeightThatIsNotANumberFailsTheDisplayButNotTheSnippet) {
    typePictures();
    w->setText("edt1", "400");
    ASSERT_EQ(w->text("lbl7"), "390");
    for (const QString height : {"4oo", "400px", "400.5", "99999999999"}) {
        fake().reset();
        w->setText("edt1", height);
        EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
        EXPECT_EQ(fake().lastMessage().text, "'" + height + "' is not a valid integer value");
        EXPECT_EQ(fake().lastMessage().title, fake().applicationTitle());
        EXPECT_EQ(w->text("lbl7"), "390");
    }
    fake().reset();
    w->control<QAbstractButton>("chk1")->click();
    EXPECT_EQ(fake().lastMessage().text, "'99999999999' is not a valid integer value");
    EXPECT_EQ(w->text("lbl7"), "390");
    w->control<QAbstractButton>("chk1")->click();
    // The snippet takes the height as typed.
    fake().reset();
    w->fire("btn2Click");
    EXPECT_TRUE(fake().clipboard.startsWith("<div  style=\"width:950px;height:99999999999px;\">"));
    EXPECT_EQ(fake().lastMessage().text, kMessage);
    w->setText("edt1", "350");
}

TEST_P(ZhengfanTest, ColourFieldAndHelp) {
    fake().colors.enqueue(QColor(0, 165, 197));
    w->fire("edt14DblClick");
    EXPECT_EQ(w->text("edt14"), "#00A5C5");
    fake().colors.enqueue(std::nullopt);
    w->fire("edt14DblClick");
    EXPECT_EQ(w->text("edt14"), "#00A5C5");
    EXPECT_EQ(fake().lastInitialColor, QColor(0, 165, 197));
    w->setText("edt14", "none");

    w->fire("lbl11Click");
    EXPECT_EQ(fake().lastMessage().text, kHelp);
    EXPECT_EQ(fake().lastMessage().title, "提示信息框");
}

TEST_P(ZhengfanTest, LauncherThumbnailOpensTheWindow) {
    core::Form* launcher = testing::form("Tfrmindex");
    launcher->fire(GetParam().pictures == 4 ? "img47Click" : "img48Click");
    EXPECT_TRUE(w->isVisible());
    w->close();
    EXPECT_FALSE(w->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Windows, ZhengfanTest, ::testing::ValuesIn(kWindows),
                         [](const auto& info) { return info.param.name.toStdString(); });

} // namespace
