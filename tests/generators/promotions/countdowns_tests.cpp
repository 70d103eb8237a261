#include "core/messages.h"
#include "generators/promotions/daojishi.h"
#include "generators/promotions/jieridaojishi.h"
#include "tests/generators/carousels/page_files.h"
#include "tests/generators/promotions/locale_guard.h"
#include "tests/support/helpers.h"

#include <QDateTimeEdit>
#include <QDir>
#include <gtest/gtest.h>

namespace {

// ------------------------------------------------------- TFrmjieridaojishi

struct Holiday {
    QString nameBack, nameText, back, text, endText, name;
};

QString holidayStrip(const Holiday& h, const QString& end) {
    return "<div style=\"background-color:" + h.back + "; height:100px; color:" + h.text +
           "; font-family:arial; \">" +
           "<span style=\" width:190px; height:100px; text-align:center; line-height:100px;font-size:36px;"
           "font-weight:700; float:left; background-color:" +
           h.nameBack + "; color:" + h.nameText + "; font-family:Microsoft Yahei\">" + h.name + "</span>" +
           " <div class=\"J_TWidget\" data-widget-type=\"Countdown\"  data-widget-config=\"{\r\n     "
           "'endTime': '" +
           end +
           "',\r\n     'interval': 1000,\r\n     'timeRunCls': '.ks-countdown-run',\r\n     "
           "'timeUnitCls':{\r\n"
           "     'd': '.ks-d',      \r\n     'h': '.ks-h',      \r\n     'm': '.ks-m',      \r\n"
           "     's': '.ks-s'                                    \r\n     },\r\n     'minDigit': 1,\r\n"
           "     'timeEndCls': '.ks-countdown-end'\r\n     }\">\r\n    <!-- 倒计时结束时隐藏-->\r\n\r\n"
           "    <div class=\"ks-countdown-run\">\r\n\r\n"
           "  <span class=\"ks-d\" style=\" width:100px; height:100px; text-align:center; line-height:100px; "
           "font-size:50px;font-weight:700; float:left; margin-left:30px;\">00</span>\r\n \r\n"
           "  <span style=\" width:80px; height:100px; text-align:center; line-height:100px; font-size:15px; "
           "float:left;\">Day</span>\r\n  \r\n"
           "  <span class=\"ks-h\" style=\" width:100px; height:100px; text-align:center; line-height:100px; "
           "font-size:50px;  font-weight:700; float:left;\">00</span>\r\n  \r\n"
           "  <span style=\" width:80px; height:100px; text-align:center; line-height:100px; font-size:15px; "
           "float:left; \">Hour</span>\r\n  \r\n"
           "  <span class=\"ks-m\" style=\" width:100px; height:100px; text-align:center; line-height:100px; "
           "font-size:50px;font-weight:700; float:left;\">00</span>\r\n  \r\n"
           "  <span style=\" width:80px; height:100px; text-align:center; line-height:100px; font-size:15px; "
           " "
           "float:left;\">Minutes</span>\r\n  \r\n"
           "  <span class=\"ks-s\" style=\" width:100px; height:100px; text-align:center; line-height:100px; "
           "font-size:50px; font-weight:700; float:left;\">00</span>\r\n  \r\n"
           "  <span style=\" width:80px; height:100px; text-align:center; line-height:100px; font-size:15px; "
           "float:left; \">Seconds</span>\r\n  \r\n"
           "</div>\r\n    <div class=\"ks-countdown-run\"></div>\r\n"
           "    <div class=\"ks-countdown-end\" style=\"text-align:center; line-height:100px; font-size:20px;"
           "font-family:Microsoft Yahei\">" +
           h.endText + "</div><div class=\"ks-countdown-end\"></div></div>";
}

class JieriTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("TFrmjieridaojishi");
    }
    QDateTimeEdit* picker() const { return w->control<QDateTimeEdit>("dtp1"); }
    core::Form* w = nullptr;
};

// The strip from the fields, without the window: the countdown ends at the
// initial time of the chosen day, in the desktop's formats.
TEST(JieridaojishiSnippet, TheEndIsTheChosenDayAtTheInitialTimeOfDay) {
    const Holiday typed{"NB", "NT", "SB", "ST", "END", "NAME"};
    generators::JieridaojishiInput in;
    in.nameBack = typed.nameBack;
    in.nameText = typed.nameText;
    in.back = typed.back;
    in.text = typed.text;
    in.endText = typed.endText;
    in.name = typed.name;
    const struct {
        const char* locale;
        QDate day;
        QString end;
    } cases[] = {
        {"C", QDate(2015, 3, 1), "2015-03-01 01:01:25"},   {"zh_CN", QDate(2015, 3, 1), "2015-3-1 01:01:25"},
        {"de_DE", QDate(2015, 3, 1), "01.03.15 01:01:25"}, {"C", QDate(2025, 12, 24), "2025-12-24 01:01:25"},
        {"C", QDate(2030, 1, 1), "2030-01-01 01:01:25"},
    };
    for (const auto& c : cases) {
        testing::DesktopLocale desktop{QLocale(QString::fromLatin1(c.locale))};
        in.day = c.day;
        EXPECT_EQ(generators::jieridaojishiSnippet(in), holidayStrip(typed, c.end)) << c.locale;
    }
}

TEST_F(JieriTest, DefaultsEndAtTheInitialTimeOfDay) {
    EXPECT_EQ(w->windowTitle(), "节日倒计时，适合集市店及天猫店");
    const Holiday defaults{"#B10000", "#FFF", "#FEF5CB", "#B10000", "令人振奋的日子到了，祝您快乐！~",
                           "青梧节"};
    for (const auto& [name, value] : {std::pair{"edt1", defaults.nameBack},
                                      {"edt2", defaults.nameText},
                                      {"edt3", defaults.back},
                                      {"edt4", defaults.text},
                                      {"edt5", defaults.endText},
                                      {"edt6", defaults.name}})
        EXPECT_EQ(w->text(name), value) << name;
    EXPECT_EQ(picker()->date(), QDate(2015, 3, 1));
    EXPECT_EQ(picker()->displayFormat(), "yyyy-MM-dd");
    EXPECT_EQ(w->text("mmo1"), "");

    for (const char* locale : {"C", "zh_CN", "de_DE"}) {
        testing::DesktopLocale desktop{QLocale(QString::fromLatin1(locale))};
        fake().reset();
        w->fire("btn1Click");
        const QString expected = generators::jieridaojishiSnippet(generators::JieridaojishiInput());
        EXPECT_EQ(w->text("mmo1"), expected) << locale;
        EXPECT_EQ(fake().clipboard, expected);
        EXPECT_EQ(fake().lastMessage().text, core::kCopiedForShop);
        EXPECT_EQ(fake().lastMessage().title, "提示信息");
        EXPECT_EQ(fake().lastMessage().owner, "TFrmjieridaojishi");
    }
}

// 提取代码 builds from what the fields hold and the day the picker shows.
TEST_F(JieriTest, FieldsLandInTheirPlacesAndTheDayCanChange) {
    generators::JieridaojishiInput in;
    in.nameBack = "NB";
    in.nameText = "NT";
    in.back = "SB";
    in.text = "ST";
    in.endText = "END";
    in.name = "NAME";
    w->setText("edt1", in.nameBack);
    w->setText("edt2", in.nameText);
    w->setText("edt3", in.back);
    w->setText("edt4", in.text);
    w->setText("edt5", in.endText);
    w->setText("edt6", in.name);
    const QDate before = picker()->date();
    testing::DesktopLocale desktop{QLocale::c()};
    for (const QDate day : {QDate(2025, 12, 24), QDate(2030, 1, 1)}) {
        picker()->setDate(day);
        w->fire("btn1Click");
        in.day = day;
        EXPECT_EQ(w->text("mmo1"), generators::jieridaojishiSnippet(in));
    }
    picker()->setDate(before);
}

TEST_F(JieriTest, ColourFieldsTakeTheChosenColour) {
    for (const char* field : {"edt1", "edt2", "edt3", "edt4"}) {
        const QString before = w->text(field);
        fake().colors.enqueue(QColor(255, 255, 255));
        w->fire(QString(field) + "DblClick");
        EXPECT_EQ(w->text(field), "#FFFFFF") << field;
        w->setText(field, before);
    }
}

// ------------------------------------------------------------ Tfrmdaojishi

struct Box {
    QString end, height, picture, top, left;
};

QString cell(const QString& h, const QString& style, const QString& cls, const QString& digits,
             const QString& open, const QString& unit, const QString& close, const QString& end) {
    return "<div style=\"float:left;width:89px;height:" + h + "px;line-height:" + h + style +
           "<span class=\"" + cls + "\">" + digits + "</span>" + open + unit + close + end;
}

QString countdownBox(const Box& b) {
    const QString style = "px;text-align:center;color:#fff;font-family:微软雅黑;font-size:18px;font-weight:"
                          "normal;;display:inline;\">";
    const QString secondsStyle = "px;;text-align:center;color:#fff;font-family:微软雅黑;font-size:18px;font-"
                                 "weight:normal;;display:inline;\">";
    return "<div class=\"most-footer footer-more-trigger J_TWidget\" data-type=\"countdown\" "
           "style=\"z-index:5;"
           "background-color:transparent;top:" +
           b.top + "px;left:" + b.left + "px;width:358px;height:" + b.height + "px;background-image:url(" +
           b.picture + ");" +
           "background-repeat:no-repeat;border:0;padding:0;\"data-widget-type=\"Countdown\" "
           "data-widget-config=\"{'endTime':'" +
           b.end +
           "  00:00:00','interval': 1000, 'timeRunCls': '.time-run', 'timeUnitCls':{'d': '.ks-d','h': "
           "'.ks-h','m': "
           "'.ks-m','s': '.ks-s','i': '.ks-i'},'minDigit': 1,'timeEndCls': '.time-e'}\"><div "
           "class=\"time-run\">" +
           cell(b.height, style, "ks-d", "00", "<span style=\"display:inline\">", "天", "</span>", "</div>") +
           cell(b.height, style, "ks-h", "00", "<span style=\"display:inline\">", "时", "</span> ",
                " </div> ") +
           cell(b.height, style, "ks-m", "00 ", "<span style=\"display:inline\"> ", "分", "</span>",
                "</div>") +
           cell(b.height, secondsStyle, "ks-s", " 00 ", "<span style=\"display:inline\"> ", "秒", "</span> ",
                "</div>") +
           "</div><div class=\"time-e\" style=\"display:none\">已结束 </div> </div>";
}

// The full-screen output around the countdown; the credit text is the window's own.
QString fullScreen(const QString& credit, const QString& p, const QString& poster, const QString& countdown) {
    return "<div class=\"ReDazu\" data-title=\"" + credit + "\" style=\"width:950px;height:" + p + "px;\"> " +
           "<div class=\"most-footer footer-more-trigger\" style=\"width:950px;height:" + p +
           "px;border:0;padding:0;top:auto;left:auto;background-color:transparent;\">" +
           "<div class=\"most-footer footer-more-trigger\" style=\"width:1920px;height:" + p +
           "px;border:0;padding:0;top:0;left:0;background-color:transparent;\">" +
           "<div class=\"most-footer footer-more-trigger\" style=\"border:0;padding:0;width:1920px;height:" +
           p + "px;top:auto;left:-485px;background-color:;background-image:url(" + poster +
           ");background-repeat:no-repeat;background-position:center "
           "top;background-attachment:scroll;\"></div>" +
           countdown + "</div></div></div>";
}

QString positionPage(const QString& poster, const QString& top, const QString& left, const QString& picture,
                     const QString& height) {
    return "<div style=\"background:url(" + poster + "); width:1920px; height:400px;\"> " +
           "<div style=\"margin-left:485px; width:950px;\">" + "<div style=\"margin-top:" + top +
           "px; margin-left:" + left + "px;\"> <img src=\"" + picture + "\"  height=\"" + height +
           "\" width=\"358\"  alt=\"\"/></div>" + "</div></div>";
}

class DaojishiTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmdaojishi");
        ASSERT_TRUE(folder.isValid());
    }
    QString page() const { return folder.path() + "/files.html"; }
    testing::FakeBrowser* browser() const { return w->findChild<testing::FakeBrowser*>(); }
    int shown() const { return browser() ? browser()->navigations.size() : 0; }
    void type(const Box& b) {
        w->setText("edt1", b.end);
        w->setText("edt2", b.height);
        w->setText("edt3", b.picture);
        w->setText("edt4", b.top);
        w->setText("edt7", b.left);
    }
    core::Form* w = nullptr;
    testing::ScratchCurrentFolder folder;
};

const QString kBuilt = "你真是天才，继续往下操作吧！";
const QString kFinal = "代码已被复制，可以粘贴到店铺自定义了，如果是基础版请粘贴到190版块的自定义中！";

// Runs first: the window as start-up made it.
TEST_F(DaojishiTest, DefaultsAndStepsPressedBeforeTheCountdownIsBuilt) {
    EXPECT_EQ(w->windowTitle(), "全屏倒计时");
    EXPECT_EQ(w->text("edt1"), "2014-11-12");
    EXPECT_EQ(w->text("edt2"), "92");
    EXPECT_FALSE(w->text("edt3").isEmpty());
    EXPECT_FALSE(w->text("edt6").isEmpty());
    EXPECT_EQ(w->text("edt5"), "400");
    EXPECT_EQ(w->text("edt4"), "0");
    EXPECT_EQ(w->text("edt7"), "0");
    EXPECT_EQ(w->text("mmo1"), "mmo1\r\n");
    EXPECT_EQ(w->text("mmo2"), "mmo2\r\n");
    EXPECT_EQ(w->text("mmo3"), "mmo3\r\n");

    // Without a countdown there is nothing to embed, show or copy.
    w->fire("btn3Click");
    EXPECT_EQ(fake().lastMessage().text, "请先点击生成倒计时，再生成并提取代码！");
    EXPECT_EQ(w->text("mmo2"), "mmo2\r\n");
    w->fire("btn7Click");
    EXPECT_EQ(fake().lastMessage().text, "请先点击生成倒计时，再预览！");
    EXPECT_FALSE(QFile::exists(page()));
    fake().reset();
    w->fire("btn5Click");
    ASSERT_EQ(fake().callsOf("messageBox").size(), 2);
    EXPECT_EQ(fake().callsOf("messageBox")[0].title, "提示信息框");
    EXPECT_EQ(fake().lastMessage().text, "请先点击生成倒计时，再单独提取！");
    EXPECT_FALSE(fake().clipboardSet);

    fake().reset();
    w->fire("btn1Click");
    const Box defaults{"2014-11-12", "92", w->text("edt3"), "0", "0"};
    EXPECT_EQ(w->text("mmo1"), countdownBox(defaults));
    EXPECT_EQ(fake().lastMessage().text, kBuilt);
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    EXPECT_FALSE(fake().clipboardSet);
}

generators::DaojishiInput boxInput(const Box& b) {
    generators::DaojishiInput in;
    in.end = b.end;
    in.height = b.height;
    in.boxPicture = b.picture;
    in.top = b.top;
    in.left = b.left;
    return in;
}

// The three texts from the fields, without the window.
TEST(DaojishiSnippet, CountdownFullScreenAndPositionPage) {
    const Box typed{"E-DATE", "H7", "BOXPIC", "T3", "L5"};
    generators::DaojishiInput in = boxInput(typed);
    in.posterHeight = "P9";
    in.poster = "POSTER";
    EXPECT_EQ(generators::daojishiCountdown(in), countdownBox(typed));

    in.countdown = "<b>built</b>";
    const QString out = generators::daojishiFullScreen(in);
    const QString credit = out.section("data-title=\"", 1).section('"', 0, 0);
    EXPECT_FALSE(credit.isEmpty());
    EXPECT_EQ(out, fullScreen(credit, "P9", "POSTER", "<b>built</b>"));
    // Before a countdown is built the placeholder stands in.
    EXPECT_EQ(generators::daojishiFullScreen(generators::DaojishiInput()),
              fullScreen(credit, "400", generators::DaojishiInput().poster, "mmo1\r\n"));

    // The preview's poster stays 400 px high.
    EXPECT_EQ(generators::daojishiPositionPage(in), positionPage("POSTER", "T3", "L5", "BOXPIC", "H7"));
}

// An empty date leaves two blanks before midnight; hostile sizes go in as typed.
TEST(DaojishiSnippet, NothingIsParsedOrReformatted) {
    const char* hostile[] = {"", "abc", "2147483648", "-2147483648", "1e309", "NaN", "1,5"};
    for (const char* value : hostile) {
        const Box b{"", value, "P", value, value};
        const QString built = generators::daojishiCountdown(boxInput(b));
        EXPECT_EQ(built, countdownBox(b)) << value;
        EXPECT_TRUE(built.contains("{'endTime':'  00:00:00'"));
    }
}

TEST_F(DaojishiTest, CountdownAndFullScreenOutputWithTypedValues) {
    const Box typed{"E-DATE", "H7", "BOXPIC", "T3", "L5"};
    type(typed);
    w->setText("edt5", "P9");
    w->setText("edt6", "POSTER");
    generators::DaojishiInput in = boxInput(typed);
    in.posterHeight = "P9";
    in.poster = "POSTER";
    for (const char* button : {"btn1Click", "btn4Click"}) {
        w->setText("mmo1", "old");
        fake().reset();
        w->fire(button);
        EXPECT_EQ(w->text("mmo1"), generators::daojishiCountdown(in)) << button;
        EXPECT_EQ(fake().lastMessage().text, kBuilt);
    }

    fake().reset();
    w->fire("btn3Click");
    in.countdown = generators::daojishiCountdown(in);
    const QString out = w->text("mmo2");
    EXPECT_EQ(out, generators::daojishiFullScreen(in));
    EXPECT_EQ(fake().clipboard, out);
    EXPECT_EQ(fake().lastMessage().text, kFinal);
    EXPECT_EQ(fake().lastMessage().owner, "Tfrmdaojishi");

    // The separate copy: a hint box first, then the copy.
    fake().reset();
    w->fire("btn5Click");
    ASSERT_EQ(fake().callsOf("messageBox").size(), 2);
    EXPECT_EQ(fake().callsOf("messageBox")[0].text,
              "如果你是美工，且懂得HTML的div布局可以单独提取代码，后自己加工，反之可以忽略此按钮！呵呵");
    EXPECT_EQ(fake().callsOf("messageBox")[0].title, "提示信息框");
    EXPECT_EQ(fake().clipboard, in.countdown);
    EXPECT_EQ(fake().lastMessage().text, "代码已被复制，可以粘贴到您的自定义布局中了！");
    EXPECT_EQ(fake().lastMessage().title, "提示信息");

    // The preview writes the countdown as the page.
    w->fire("btn7Click");
    EXPECT_EQ(testing::fileBytes(page()), testing::gbk(in.countdown + "\r\n"));
    ASSERT_NE(browser(), nullptr);
    EXPECT_EQ(browser()->parent(), w->control<QWidget>("wb1"));
    EXPECT_EQ(browser()->navigations.last(), page());

    // What the user typed into the countdown's box is what goes into the output.
    w->setText("mmo1", "<i>typed</i>");
    w->fire("btn3Click");
    in.countdown = "<i>typed</i>";
    EXPECT_EQ(w->text("mmo2"), generators::daojishiFullScreen(in));
}

TEST_F(DaojishiTest, AVeryLongSizeIsCutToTheEditsLength) {
    // An edit keeps at most its maximum length of a very long text.
    Box b{"2030-01-01", QString(200000, QChar('9')), "P", "0", "0"};
    type(b);
    b.height = w->text("edt2");
    EXPECT_FALSE(b.height.isEmpty());
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), generators::daojishiCountdown(boxInput(b)));
}

TEST_F(DaojishiTest, PositionPreviewChangesOnlyThePreview) {
    const Box typed{"2030-01-01", "92", "BOXPIC", "0", "0"};
    type(typed);
    w->setText("edt6", "POSTER");
    w->setText("edt5", "777");
    w->fire("btn1Click");
    const QString built = w->text("mmo1");

    w->setText("edt4", "120");
    w->setText("edt7", "640");
    const int before = shown();
    w->fire("btn6Click");
    generators::DaojishiInput in = boxInput({"2030-01-01", "92", "BOXPIC", "120", "640"});
    in.poster = "POSTER";
    in.posterHeight = "777";
    const QString preview = generators::daojishiPositionPage(in);
    EXPECT_EQ(w->text("mmo3"), preview);
    EXPECT_EQ(testing::fileBytes(page()), testing::gbk(preview + "\r\n"));
    ASSERT_NE(browser(), nullptr);
    EXPECT_EQ(shown(), before + 1);
    EXPECT_EQ(browser()->navigations.last(), page());
    EXPECT_EQ(w->text("mmo1"), built);

    // "确定该位置" takes the offsets into the countdown.
    w->fire("btn4Click");
    EXPECT_EQ(w->text("mmo1"), generators::daojishiCountdown(in));
}

TEST_F(DaojishiTest, HelpAndAPreviewThatCannotBeWritten) {
    w->fire("lbl12Click");
    EXPECT_EQ(fake().lastMessage().text, "调试的时候会出现文字消失，属于正常，最终不影响效果！");
    EXPECT_EQ(fake().lastMessage().title, "提示信息");

    ASSERT_TRUE(QDir().mkdir("files.html"));
    w->setText("edt4", "55");
    const int before = shown();
    fake().reset();
    w->fire("btn6Click");
    EXPECT_TRUE(w->text("mmo3").contains("margin-top:55px"));
    EXPECT_EQ(shown(), before);
    ASSERT_FALSE(fake().callsOf("messageBox").isEmpty());
    EXPECT_TRUE(fake().lastMessage().text.contains("files.html")) << fake().lastMessage().text.toStdString();
}

} // namespace
