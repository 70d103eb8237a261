#include "core/messages.h"
#include "generators/promotions/danpinyouhuiquan.h"
#include "generators/promotions/yhq.h"
#include "tests/generators/carousels/combo_items.h"
#include "tests/generators/carousels/page_files.h"
#include "tests/generators/promotions/locale_guard.h"
#include "tests/support/helpers.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QTabWidget>
#include <array>
#include <gtest/gtest.h>

namespace {

const QString kCopied = "代码已被复制，可以到店铺的自定义进行粘贴了！";

// ---------------------------------------------------------------- Tfrmyhq

struct Coupon {
    QString background, amount, picture, title, link, condition;
};

// The fields of coupons 1 to 4, in the window's names.
const std::array<std::array<const char*, 6>, 4> kFields = {{
    {"edt1", "edt2", "edt3", "edt4", "edt5", "edt22"},
    {"edt6", "edt7", "edt8", "edt9", "edt10", "edt11"},
    {"edt18", "edt19", "edt20", "edt23", "edt24", "edt25"},
    {"edt12", "edt13", "edt14", "edt15", "edt16", "edt17"},
}};

QString couponBlock(const QString& textColour, const QString& opening, const Coupon& c) {
    return "<a style=\" text-decoration:none;color:" + textColour + "\" href=\"" + c.link + "\">" + opening +
           c.picture + ") " + c.background + "\">" +
           "<div style=\"float:left; margin-top:30px; font-family:Microsoft yahei; "
           "font-size:20px;margin-left:10px;"
           "\">￥</div><div style=\"float:left; font-size:60px; height:100px; line-height:100px;font-family:"
           "Microsoft yahei; font-weight:700\">" +
           c.amount + "</div>" +
           "<div style=\"float:left;font-family:Microsoft yahei;margin-top:27px; "
           "margin-left:10px;font-weight:100;"
           "font-size:20px\">" +
           c.title + "</div>" +
           "<div style=\"float:left;font-family:verdana;margin-top:2px; margin-left:10px; font-size:12px\">" +
           c.condition + " </div> </div></a>";
}

QString strip(const QString& textColour, const std::array<Coupon, 4>& coupons) {
    const QString first = "<div style=\"width:25%; float:left;height:100px; background: url(";
    const QString next = "<div style=\"width:24%; float:left;height:100px;  margin-left:1%;background: url(";
    QString out = "<div style=\"width:100%; color:" + textColour + "\" >";
    out += couponBlock(textColour, first, coupons[0]);
    for (int k = 1; k < 4; ++k)
        out += couponBlock(textColour, next, coupons[k]);
    return out + "</div>";
}

class YhqTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmyhq");
        ASSERT_TRUE(folder.isValid());
    }
    QString page() const { return folder.path() + "/files.html"; }
    QTabWidget* pages() const { return w->control<QTabWidget>("pgc1"); }
    testing::FakeBrowser* browser() const { return w->findChild<testing::FakeBrowser*>(); }
    void type(const std::array<Coupon, 4>& coupons) {
        for (int k = 0; k < 4; ++k) {
            const Coupon& c = coupons[k];
            const QString values[] = {c.background, c.amount, c.picture, c.title, c.link, c.condition};
            for (int f = 0; f < 6; ++f)
                w->setText(kFields[k][f], values[f]);
        }
    }
    QStringList colours() const {
        return {w->text("edt1"), w->text("edt6"), w->text("edt18"), w->text("edt12"), w->text("edt21")};
    }
    core::Form* w = nullptr;
    testing::ScratchCurrentFolder folder;
};

const std::array<Coupon, 4> kDefaults = {{
    {"#099", "10", "#", "领取优惠券", "#", "购物满100元使用"},
    {"#099", "20", "#", "领取优惠券", "#", "购物满200元使用"},
    {"#099", "50", "#", "领取优惠券", "#", "购物满500元使用"},
    {"#099", "80", "#", "领取优惠券", "#", "购物满1000元使用"},
}};

// Runs first: the window as start-up made it.
TEST_F(YhqTest, DefaultsAndCopyBeforeAnyBuild) {
    EXPECT_EQ(w->windowTitle(), "店铺优惠券");
    EXPECT_EQ(w->text("cbb1"), "默认风格");
    EXPECT_EQ(testing::comboItems(w, "cbb1"),
              QStringList({"中国红", "天然绿", "清新蓝", "浪漫紫", "柔和橙"}));
    EXPECT_EQ(w->text("edt21"), "#FF9");
    for (int k = 0; k < 4; ++k) {
        const Coupon& c = kDefaults[k];
        const QString values[] = {c.background, c.amount, c.picture, c.title, c.link, c.condition};
        for (int f = 0; f < 6; ++f)
            EXPECT_EQ(w->text(kFields[k][f]), values[f]) << kFields[k][f];
    }
    ASSERT_EQ(pages()->count(), 3);
    EXPECT_EQ(pages()->tabText(0), "具体参数设置  ");
    EXPECT_EQ(pages()->tabText(1), "预览      ");
    EXPECT_EQ(pages()->tabText(2), "参照图     ");
    EXPECT_EQ(w->text("mmo1"), "");

    // Nothing built yet: nothing is copied.
    w->fire("btn1Click");
    EXPECT_FALSE(fake().clipboardSet);
    EXPECT_EQ(fake().lastMessage().text, "请先点击生成预览生成代码，再复制代码！");

    // The default strip: every coupon keeps "url(#)" before its colour.
    w->fire("btn2Click");
    const QString expected = strip("#FF9", kDefaults);
    EXPECT_EQ(w->text("mmo1"), expected);
    EXPECT_EQ(w->text("mmo1").count("background: url(#) #099\">"), 4);
}

const std::array<Coupon, 4> kTyped = {{
    {"B1", "N1", "U1", "T1", "L1", "S1"},
    {"B2", "N2", "U2", "T2", "L2", "S2"},
    {"B3", "N3", "U3", "T3", "L3", "S3"},
    {"B4", "N4", "U4", "T4", "L4", "S4"},
}};

generators::YhqInput couponInput(const QString& textColour, const std::array<Coupon, 4>& coupons) {
    generators::YhqInput in;
    in.textColour = textColour;
    for (int k = 0; k < 4; ++k) {
        in.backgrounds[k] = coupons[k].background;
        in.amounts[k] = coupons[k].amount;
        in.pictures[k] = coupons[k].picture;
        in.titles[k] = coupons[k].title;
        in.links[k] = coupons[k].link;
        in.conditions[k] = coupons[k].condition;
    }
    return in;
}

// The strip from the fields, without the window.
TEST(YhqSnippet, EachCouponTakesItsOwnFields) {
    EXPECT_EQ(generators::yhqSnippet(couponInput("TC", kTyped)), strip("TC", kTyped));
    EXPECT_EQ(generators::yhqSnippet(couponInput("", kDefaults)), strip("", kDefaults));
}

// 生成预览 builds from what the fields hold, each field in its place.
TEST_F(YhqTest, PreviewWritesThePageAndShowsItWithoutCopying) {
    type(kTyped);
    w->setText("edt21", "TC");
    pages()->setCurrentIndex(0);
    w->fire("btn2Click");
    const QString expected = generators::yhqSnippet(couponInput("TC", kTyped));
    EXPECT_EQ(w->text("mmo1"), expected);
    EXPECT_EQ(testing::fileBytes(page()), testing::gbk(expected + "\r\n"));
    EXPECT_EQ(pages()->currentIndex(), 1);
    ASSERT_NE(browser(), nullptr);
    EXPECT_EQ(browser()->parent(), w->control<QWidget>("wb1"));
    EXPECT_EQ(browser()->navigations.last(), page());
    EXPECT_FALSE(fake().clipboardSet);
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());

    // Building again without changes gives the same text, never appended.
    w->fire("btn2Click");
    EXPECT_EQ(w->text("mmo1"), expected);

    w->fire("btn1Click");
    EXPECT_EQ(fake().clipboard, expected);
    EXPECT_EQ(fake().lastMessage().text, kCopied);
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    EXPECT_EQ(fake().lastMessage().owner, "Tfrmyhq");
    type(kDefaults);
    w->setText("edt21", "#FF9");
}

TEST_F(YhqTest, PresetsFillTheFiveColourFields) {
    const struct {
        QString preset, background, text;
    } cases[] = {
        {"中国红", "#CC0033", "#CCCC00"}, {"天然绿", "#339933", "#fff"}, {"清新蓝", "#0099CC", "#fff"},
        {"浪漫紫", "#990066", "#fff"},    {"柔和橙", "#CC6600", "#fff"},
    };
    auto* combo = w->control<QComboBox>("cbb1");
    for (const auto& c : cases) {
        combo->setCurrentIndex(combo->findText(c.preset));
        EXPECT_EQ(colours(), QStringList({c.background, c.background, c.background, c.background, c.text}))
            << c.preset.toStdString();
        EXPECT_EQ(w->text("edt2"), "10"); // amounts untouched
    }

    // An edit after the preset stays; picking the same preset again restores all five.
    w->setText("edt18", "#123456");
    EXPECT_EQ(w->text("edt18"), "#123456");
    emit combo->activated(combo->currentIndex());
    EXPECT_EQ(colours(), QStringList({"#CC6600", "#CC6600", "#CC6600", "#CC6600", "#fff"}));

    // A typed text that names no preset changes nothing.
    for (const QString other : {"默认风格", "中国", "中国红 ", ""}) {
        w->setText("edt1", "#111");
        w->setText("edt21", "#222");
        w->setText("cbb1", other);
        EXPECT_EQ(colours(), QStringList({"#111", "#CC6600", "#CC6600", "#CC6600", "#222"}))
            << other.toStdString();
    }
    for (const char* field : {"edt1", "edt6", "edt18", "edt12"})
        w->setText(field, "#099");
    w->setText("edt21", "#FF9");
    w->setText("cbb1", "默认风格");
}

TEST_F(YhqTest, ColourFieldsTakeTheChosenColour) {
    for (const char* field : {"edt1", "edt6", "edt18", "edt12", "edt21"}) {
        const QString before = w->text(field);
        fake().colors.enqueue(QColor(0, 165, 197));
        w->fire(QString(field) + "DblClick");
        EXPECT_EQ(w->text(field), "#00A5C5") << field;
        w->setText(field, before);
    }
}

TEST_F(YhqTest, PreviewThatCannotBeWrittenKeepsTheTabAndReports) {
    ASSERT_TRUE(QDir().mkdir("files.html")); // a folder where the page should go
    w->setText("edt2", "77");
    pages()->setCurrentIndex(0);
    const int shown = browser() ? browser()->navigations.size() : 0;
    w->fire("btn2Click");
    EXPECT_TRUE(w->text("mmo1").contains(">77</div>"));
    EXPECT_EQ(pages()->currentIndex(), 0);
    EXPECT_EQ(browser() ? browser()->navigations.size() : 0, shown);
    ASSERT_FALSE(fake().callsOf("messageBox").isEmpty());
    EXPECT_TRUE(fake().lastMessage().text.contains("files.html")) << fake().lastMessage().text.toStdString();
    EXPECT_FALSE(fake().clipboardSet);
    w->setText("edt2", "10");
}

// --------------------------------------------------- Tfrmdanpinyouhuiquan

struct Single {
    QString picture, link, amount, claim, title, colour, endText;
};

// The block with end day D, as the widget receives it.
QString block(const Single& s, const QString& day) {
    return "<div style=\"border:1px solid #ccc; height:300px;color:#333; font-family:Microsoft Yahei;"
           "background-color:#FFF\"><div style=\"width:300px; height:300px; float:left\"><a href=\"" +
           s.link + "\" target=\"_blank\">" + "<img src=\"" + s.picture +
           "\" width=\"300\" height=\"300\"/></a></div>" +
           "<div style=\"height:300px; float:left;margin-left:50px; width:500px\">" +
           "<div style=\" line-height:90px; font-size:26px; font-family:Microsoft Yahei;font-weight:700; "
           "\">" +
           s.title + "</div>" + "<div style=\" line-height:80px; font-size:26px;border:" + s.colour +
           " 2px solid; height:80px;color:" + s.colour + "; padding-left:50px;\">" +
           "<div style=\" font-size:48px; font-weight:700; width:50%;float:left;font-family:Arial;\"><span "
           "style=\"font-size:24px;font-family:Microsoft Yahei\">￥</span>" +
           s.amount + "</div>" + "<a style=\"color:#FFF; text-decoration:none\" href=\"" + s.claim +
           "\" target=\"_blank\"><div style=\" font-size:30px; font-weight:700; width:50%;float:left;"
           "text-align:center; background-color:" +
           s.colour + "\">立即领取</div></a></div>" +
           "<div style=\" line-height:90px; font-size:18px; font-family:Microsoft Yahei;float:left\">" +
           "<div class=\"J_TWidget\" data-widget-type=\"Countdown\"  data-widget-config=\"{\r\n     "
           "'endTime': '" +
           day +
           " 12:00:00',\r\n     'interval': 1000,\r\n     'timeRunCls': '.ks-countdown-run',\r\n"
           "     'timeUnitCls':{\r\n    'd': '.ks-d',      \r\n    'h': '.ks-h',      \r\n    'm': '.ks-m',  "
           "    \r\n"
           "    's': '.ks-s'                                          \r\n     },\r\n     'minDigit': 1,\r\n"
           "     'timeEndCls': '.ks-countdown-end'\r\n     }\">\r\n    <!-- 倒计时结束时隐藏-->\r\n\r\n"
           "    <div class=\"ks-countdown-run\">\r\n    离活动结束还有：<span class=\"ks-d\">00</span>天\r\n"
           "    <span class=\"ks-h\">00</span>小时\r\n    <span class=\"ks-m\">00</span>分\r\n"
           "    <span class=\"ks-s\">00</span>秒,请从速领取！~\r\n    </div>\r\n"
           "    <div class=\"ks-countdown-run\"></div>\r\n     <!-- 倒计时结束时显示-->\r\n"
           "    <div class=\"ks-countdown-end\">" +
           s.endText +
           "</div>\r\n    <div class=\"ks-countdown-end\">\r\n    </div>\r\n   </div>\r\n<!--倒计时结束-->   "
           " \r\n"
           "    \r\n    \r\n    \r\n    \r\n    \r\n    </div>\r\n  </div>\r\n</div>\r\n";
}

class DanpinTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmdanpinyouhuiquan");
    }
    QDateTimeEdit* picker() const { return w->control<QDateTimeEdit>("dtp1"); }
    void type(const Single& s) {
        w->setText("edt1", s.picture);
        w->setText("edt2", s.link);
        w->setText("edt3", s.amount);
        w->setText("edt4", s.claim);
        w->setText("edt6", s.title);
        w->setText("edt5", s.colour);
        w->setText("edt7", s.endText);
    }
    core::Form* w = nullptr;
};

TEST_F(DanpinTest, DefaultsGiveTheBlockEndingAtNoonOfTheChosenDay) {
    EXPECT_EQ(w->windowTitle(), "单品优惠券领取倒计时，适用集市店及天猫店");
    const Single defaults{w->text("edt1"),
                          "#",
                          "10.00",
                          "#",
                          "青梧美工软件及美工教程合订本",
                          "#f30",
                          "活动结束，请留意本店后期优惠券信息！"};
    EXPECT_FALSE(defaults.picture.isEmpty());
    for (const auto& [name, value] : {std::pair{"edt2", defaults.link},
                                      {"edt3", defaults.amount},
                                      {"edt4", defaults.claim},
                                      {"edt6", defaults.title},
                                      {"edt5", defaults.colour},
                                      {"edt7", defaults.endText}})
        EXPECT_EQ(w->text(name), value) << name;
    EXPECT_EQ(picker()->dateTime(), QDateTime(QDate(2015, 2, 26), QTime(11, 27, 16)));
    EXPECT_EQ(picker()->displayFormat(), "yyyy-MM-dd hh:mm:ss");
    EXPECT_EQ(w->text("mmo1"), "");

    testing::DesktopLocale desktop{QLocale::c()};
    w->fire("btn1Click");
    const QString expected = block(defaults, "2015-02-26");
    EXPECT_EQ(w->text("mmo1"), expected);
    EXPECT_EQ(fake().clipboard, expected);
    EXPECT_EQ(fake().lastMessage().text, kCopied);
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    EXPECT_EQ(fake().lastMessage().owner, "Tfrmdanpinyouhuiquan");
}

generators::DanpinyouhuiquanInput singleInput(const Single& s) {
    generators::DanpinyouhuiquanInput in;
    in.picture = s.picture;
    in.link = s.link;
    in.amount = s.amount;
    in.claim = s.claim;
    in.title = s.title;
    in.colour = s.colour;
    in.endText = s.endText;
    return in;
}

// The block from the fields, without the window: the day follows the desktop.
TEST(DanpinyouhuiquanSnippet, FieldsLandInTheirPlacesAndTheDayFollowsTheDesktop) {
    const Single typed{"P", "L", "A", "C", "T", "K", "E"};
    generators::DanpinyouhuiquanInput in = singleInput(typed);
    const struct {
        const char* locale;
        QDate day;
        QString written;
    } cases[] = {
        {"C", QDate(2015, 2, 26), "2015-02-26"},
        {"C", QDate(2024, 12, 3), "2024-12-03"},
        {"zh_CN", QDate(2015, 2, 26), "2015-2-26"},
        {"zh_CN", QDate(2024, 12, 3), "2024-12-3"},
        // Separators other than "/" are written as they are.
        {"de_DE", QDate(2015, 2, 26), "26.02.15"},
    };
    for (const auto& c : cases) {
        testing::DesktopLocale desktop{QLocale(QString::fromLatin1(c.locale))};
        in.endDay = c.day;
        EXPECT_EQ(generators::danpinyouhuiquanSnippet(in), block(typed, c.written)) << c.locale;
    }

    // An empty end message leaves the end container empty.
    testing::DesktopLocale desktop{QLocale::c()};
    in.endDay = QDate(2015, 2, 26);
    in.endText = "";
    Single bare = typed;
    bare.endText = "";
    EXPECT_EQ(generators::danpinyouhuiquanSnippet(in), block(bare, "2015-02-26"));
    EXPECT_TRUE(
        generators::danpinyouhuiquanSnippet(in).contains("<div class=\"ks-countdown-end\"></div>\r\n"));
}

// 提取代码 builds from what the fields hold and the day the picker shows,
// whatever its time of day.
TEST_F(DanpinTest, FieldsLandInTheirPlacesAndTheTimeOfDayIsIgnored) {
    const Single typed{"P", "L", "A", "C", "T", "K", "E"};
    type(typed);
    generators::DanpinyouhuiquanInput in = singleInput(typed);
    testing::DesktopLocale desktop{QLocale::c()};
    for (const QDateTime& picked :
         {QDateTime(QDate(2015, 2, 26), QTime(11, 27, 16)), QDateTime(QDate(2024, 12, 3), QTime(23, 59, 59)),
          QDateTime(QDate(2024, 12, 3), QTime(0, 0, 0))}) {
        picker()->setDateTime(picked);
        fake().reset();
        w->fire("btn1Click");
        in.endDay = picked.date();
        EXPECT_EQ(w->text("mmo1"), generators::danpinyouhuiquanSnippet(in))
            << picked.toString().toStdString();
        EXPECT_EQ(fake().clipboard, generators::danpinyouhuiquanSnippet(in));
    }
}

} // namespace
