#include "app/windows.h"
#include "generators/lists/rowflip.h"
#include "tests/support/helpers.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

const QString kMessage =
    "代码已生成并复制成功，如果您的自定义宽度超过版本类型限制，请通过本软件的通栏转化进行转化后安装到店铺！";
const QString kHelp =
    "正常情况下无需启动，如果该效果在当前页面多次使用使启用，修改！例如原来是82，你可以修改为83，这样话避免"
    "版块冲突！用几次该板块需要修改几次！";
const QString kTop = "<div class=\"J_TWidget hidden\" data-widget-type=\"Popup\" \r\ndata-widget-config=\"{ "
                     "'trigger':'.kavri";
const QString kCenter = "',\r\n 'align':{ 'node':'.kavri";
const QString kBottom = "',\r\n 'offset':[0,0], \r\n'points':['cc','cc'] }\r\n }\">";

struct Window {
    QString name;
    bool custom; // back side is the user's own HTML
};
const Window kWindows[] = {{"TFrmimgfanzhuan", false}, {"TFrmzdyfanzhuan", true}};
void PrintTo(const Window& window, std::ostream* out) {
    *out << window.name.toStdString();
}

QString n(int i) {
    return QString::number(i);
}

// Front block of image i with class number c, width w, height h; front picture fi.
QString front(int i, const QString& c, const QString& w, const QString& h) {
    return "<div class=\"kavri" + c + n(i) + "\" style=\"width:" + w + "px;height:" + h +
           (i == 1 ? "px;float:left;\" >" : "px;float:left;margin-left:10px; \" >") + "<img src=\"f" + n(i) +
           "\" width=\"" + w + "\" height=\"" + h + "\"/></div>";
}

// Popup block of image i: link li, back picture bi or custom HTML back.
QString popup(int i, const QString& c, const QString& w, const QString& h, bool custom) {
    const QString back = custom ? "<p>html" + n(i) + "</p>"
                                : "<img src=\"b" + n(i) + "\" width=\"" + w + "\" height=\"" + h + "\"/>";
    return kTop + c + n(i) + kCenter + c + n(i) + kBottom + "<a href=\"l" + n(i) + "\" target=\"_blank\">" +
           back + "</a></div>";
}

QString fronts(int count, const QString& c, const QString& w, const QString& h) {
    QString out;
    for (int i = 1; i <= count; ++i)
        out += front(i, c, w, h);
    return out;
}

QString popups(int count, const QString& c, const QString& w, const QString& h, bool custom) {
    QString out;
    for (int i = 1; i <= count; ++i)
        out += popup(i, c, w, h, custom);
    return out;
}

class RowFlipTest : public testing::ProgramTest, public ::testing::WithParamInterface<Window> {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form(GetParam().name);
    }
    core::RadioGroup* count() { return w->control<core::RadioGroup>("rg1"); }
    QString back(int i) const { return (GetParam().custom ? "mmofan" : "edtfan") + n(i); }
    void typeRows() {
        for (int i = 1; i <= 4; ++i) {
            w->setText("edttu" + n(i), "f" + n(i));
            w->setText(back(i), GetParam().custom ? "<p>html" + n(i) + "</p>" : "b" + n(i));
            w->setText("edtlian" + n(i), "l" + n(i));
        }
    }
    // Opens the settings, picks the edition and the count and presses "设置".
    void settle(const QString& edition, int countIndex) {
        w->fire("btnshezhiClick");
        w->setText("cbbbanben", "");
        w->setText("cbbbanben", edition);
        count()->setItemIndex(countIndex);
        w->fire("btnokClick");
    }
    bool hidden(const QString& control) { return w->control(control)->isHidden(); }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it, and the mended faults before any setting.
TEST_P(RowFlipTest, DefaultsAndNothingCopiedBeforeTheSettings) {
    EXPECT_EQ(w->windowTitle(), "图片翻转效果");
    EXPECT_EQ(bool(w->windowFlags() & Qt::WindowStaysOnTopHint), GetParam().name == "TFrmimgfanzhuan");
    EXPECT_EQ(w->text("lblkuan"), "?????");
    EXPECT_EQ(w->text("edtgao"), "300");
    EXPECT_FALSE(w->control<QAbstractButton>("chkclass")->isChecked());
    EXPECT_EQ(w->text("chkclass"), "启用class");
    EXPECT_EQ(w->text("edtclass"), "82");
    EXPECT_FALSE(w->control("edtclass")->isEnabled());
    EXPECT_EQ(w->text("btnshezhi"), "总参数");
    EXPECT_EQ(w->text("btnall"), "生成提取代码");
    EXPECT_EQ(w->text("lbl4"), "帮助");
    EXPECT_TRUE(hidden("rzpnl1"));
    EXPECT_EQ(w->text("cbbbanben"), "专业版");
    QStringList items;
    for (int i = 0; i < w->control<QComboBox>("cbbbanben")->count(); ++i)
        items << w->control<QComboBox>("cbbbanben")->itemText(i);
    EXPECT_EQ(items, QStringList({"专业版", "天猫版", "自定义"}));
    EXPECT_EQ(count()->items(), QStringList({"3", "4"}));
    EXPECT_EQ(count()->itemIndex(), -1);
    EXPECT_EQ(w->text("edtall"), "950");
    EXPECT_EQ(w->text("btnok"), "设置");
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(w->text("lbl0" + n(i)), n(i));
        EXPECT_FALSE(hidden("lbl0" + n(i)));
        EXPECT_EQ(w->text("edtlian" + n(i)), "#");
        EXPECT_TRUE(w->text("edttu" + n(i)).startsWith("https://"));
        EXPECT_EQ(w->text(back(i)).isEmpty(), GetParam().custom);
        for (const QString& field : {"edttu" + n(i), back(i), "edtlian" + n(i)})
            EXPECT_EQ(hidden(field), i == 4) << field.toStdString();
    }
    EXPECT_EQ(w->text("lbltop"), kTop);
    EXPECT_EQ(w->text("lblcenter"), kCenter);
    EXPECT_EQ(w->text("lblbottom"), kBottom);
    for (const QString memo : {"mmodiv", "mmoclass", "mmoall"}) {
        EXPECT_EQ(w->text(memo), memo + "\r\n");
        EXPECT_TRUE(hidden(memo));
        EXPECT_EQ(w->control(memo)->focusPolicy(), Qt::NoFocus);
    }
    for (const QString holder : {"lbltop", "lblcenter", "lblbottom"})
        EXPECT_TRUE(hidden(holder));

    // No count: the placeholders are not copied; the user is told what is missing.
    w->fire("btnallClick");
    EXPECT_FALSE(fake().clipboardSet);
    EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_TRUE(fake().lastMessage().text.contains("张数")) << fake().lastMessage().text.toStdString();
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    EXPECT_EQ(w->text("mmoall"), "mmoall\r\n");

    // A count but no width yet: "?????" never reaches a snippet.
    fake().reset();
    count()->setItemIndex(0);
    w->fire("btnallClick");
    EXPECT_FALSE(fake().clipboardSet);
    EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_TRUE(fake().lastMessage().text.contains("设置")) << fake().lastMessage().text.toStdString();
    EXPECT_EQ(w->text("mmoall"), "mmoall\r\n");
    EXPECT_EQ(w->text("mmodiv"), "mmodiv\r\n");

    // The launcher's picture: four pictures on the professional edition's row.
    fake().reset();
    count()->setItemIndex(1);
    w->fire("btnokClick");
    w->fire("btnallClick");
    const QString sample = core::windowClass(GetParam().name)->info.sample();
    if (GetParam().custom) {
        EXPECT_TRUE(sample.startsWith(w->text("mmodiv"))) << sample.toStdString();
        EXPECT_TRUE(sample.contains("\" target=\"_blank\"><div style=\"height:300px;background:#8a4fd8;"));
    } else {
        EXPECT_EQ(fake().clipboard, sample);
    }
    w->setText("lblkuan", "?????");
    count()->setItemIndex(-1);
}

TEST_P(RowFlipTest, HelpMessage) {
    w->fire("lbl4Click");
    const QString extra =
        GetParam().custom
            ? ",关于自定使用，您可以在反面自定义html代码框中输入您自己设定的代码，注意尺寸即可！"
            : "";
    EXPECT_EQ(fake().lastMessage().text, kHelp + extra);
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    EXPECT_EQ(fake().lastMessage().owner, GetParam().name);
}

// The width 设置 computes, without the window.
TEST(RowFlipWidth, TruncatedWidthOfOnePicture) {
    const struct {
        int count;
        QString total, width;
    } cases[] = {{0, "950", "310"}, {1, "950", "230"},      {0, "990", "323"},
                 {1, "990", "240"}, {0, "952", "310"},      {1, "33", "0"},
                 {0, "10.9", "-3"}, {1, " 1030.5 ", "250"}, {-1, "990", "?????"}};
    for (const auto& c : cases) {
        generators::RowFlipInput in;
        in.count = c.count;
        in.total = c.total;
        EXPECT_EQ(generators::rowFlipWidth(in), c.width) << c.total.toStdString() << " count " << c.count;
    }
    for (const QString total : {"自定义", "", "95O", "1e400", "1e30"}) {
        generators::RowFlipInput in;
        in.count = 0;
        in.total = total;
        EXPECT_EQ(testing::failureOf([&] { generators::rowFlipWidth(in); }),
                  "'" + total + "' is not a valid floating point value");
    }
}

TEST_P(RowFlipTest, SettingsPanelComputesTheTruncatedWidth) {
    const struct {
        int count;
        QString total, width;
    } cases[] = {{0, "950", "310"}, {1, "990", "240"}, {1, " 1030.5 ", "250"}};
    for (const auto& c : cases) {
        w->setText("lblkuan", "?????");
        w->fire("btnshezhiClick");
        EXPECT_FALSE(hidden("rzpnl1"));
        count()->setItemIndex(c.count);
        w->setText("edtall", c.total);
        w->fire("btnokClick");
        EXPECT_TRUE(hidden("rzpnl1"));
        EXPECT_EQ(w->text("lblkuan"), c.width) << c.total.toStdString() << " count " << c.count;
    }
    // Without a count the width stays.
    count()->setItemIndex(-1);
    w->setText("edtall", "990");
    w->fire("btnshezhiClick");
    w->fire("btnokClick");
    EXPECT_TRUE(hidden("rzpnl1"));
    EXPECT_EQ(w->text("lblkuan"), "250");
    EXPECT_TRUE(fake().calls.isEmpty());
}

TEST_P(RowFlipTest, TotalThatIsNotAWidthFailsAndKeepsTheWidth) {
    settle("专业版", 0);
    ASSERT_EQ(w->text("lblkuan"), "310");
    // The edition "自定义" writes its own name as the total.
    w->control<QComboBox>("cbbbanben")->setCurrentText("自定义");
    ASSERT_EQ(w->text("edtall"), "自定义");
    for (const QString total : {"自定义", "", "95O", "1e400", "1e30"}) {
        fake().reset();
        w->setText("edtall", total);
        w->fire("btnshezhiClick");
        w->fire("btnokClick");
        EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
        EXPECT_EQ(fake().lastMessage().text, "'" + total + "' is not a valid floating point value");
        EXPECT_EQ(fake().lastMessage().title, fake().applicationTitle());
        EXPECT_TRUE(hidden("rzpnl1"));
        EXPECT_EQ(w->text("lblkuan"), "310");
    }
    count()->setItemIndex(-1);
}

TEST_P(RowFlipTest, EditionWritesTheTotalInBothDirections) {
    const struct {
        QString edition, total;
    } steps[] = {
        {"天猫版", "990"}, {"专业版", "950"}, {"自定义", "自定义"}, {"天猫版", "990"}, {"天猫", "990"}};
    for (const auto& s : steps) {
        w->control<QComboBox>("cbbbanben")->setCurrentText(s.edition);
        EXPECT_EQ(w->text("edtall"), s.total) << s.edition.toStdString();
    }
    // The width follows only "设置".
    const QString width = w->text("lblkuan");
    w->control<QComboBox>("cbbbanben")->setCurrentText("专业版");
    EXPECT_EQ(w->text("lblkuan"), width);
}

TEST_P(RowFlipTest, CountShowsAndHidesTheFourthRow) {
    for (int index : {1, 0, 1, 0}) {
        count()->setItemIndex(index);
        for (const QString& field : {QString("edttu4"), back(4), QString("edtlian4")})
            EXPECT_EQ(hidden(field), index == 0) << field.toStdString();
        EXPECT_FALSE(hidden("lbl04"));
        EXPECT_FALSE(hidden("edttu3"));
    }
    count()->setItemIndex(-1);
}

TEST_P(RowFlipTest, ClassCheckBoxOnlyEnablesTheField) {
    auto* check = w->control<QAbstractButton>("chkclass");
    check->click();
    EXPECT_TRUE(w->control("edtclass")->isEnabled());
    check->click();
    EXPECT_FALSE(w->control("edtclass")->isEnabled());
    check->click();
    EXPECT_TRUE(w->control("edtclass")->isEnabled());
    check->click();
}

// The snippet and its two parts from the rows, without the window.
TEST(RowFlipSnippet, BothBacksCountsAndClassNumbers) {
    const struct {
        int countIndex;
        QString cls, height;
        int images;
        QString width;
    } cases[] = {
        {0, "82", "300", 3, "310"},
        {1, "82", "300", 4, "240"},
        {1, "57", "412", 4, "230"},
        {0, "83", "", 3, "323"},
    };
    for (const bool custom : {false, true}) {
        generators::RowFlipInput in(custom ? generators::RowFlipBack::CustomHtml
                                           : generators::RowFlipBack::Picture);
        for (int i = 1; i <= 4; ++i) {
            in.fronts[i - 1] = "f" + n(i);
            in.backs[i - 1] = custom ? "<p>html" + n(i) + "</p>" : "b" + n(i);
            in.links[i - 1] = "l" + n(i);
        }
        for (const auto& c : cases) {
            in.count = c.countIndex;
            in.classNumber = c.cls;
            in.height = c.height;
            in.width = c.width;
            const core::Built built = generators::rowFlipSnippet(in);
            const QString div = fronts(c.images, c.cls, c.width, c.height);
            const QString cls = popups(c.images, c.cls, c.width, c.height, custom);
            EXPECT_EQ(built.snippet, div + cls) << custom << c.images;
            ASSERT_EQ(built.updates.size(), 2);
            EXPECT_EQ(built.updates[0].control, "mmodiv");
            EXPECT_EQ(built.updates[0].text, div);
            EXPECT_EQ(built.updates[1].control, "mmoclass");
            EXPECT_EQ(built.updates[1].text, cls);
            EXPECT_FALSE(built.failure);
        }
    }
}

// 生成提取代码 builds from what the fields hold, each in its place, and writes both parts.
TEST_P(RowFlipTest, Snippets) {
    typeRows();
    const bool custom = GetParam().custom;
    generators::RowFlipInput in(custom ? generators::RowFlipBack::CustomHtml
                                       : generators::RowFlipBack::Picture);
    for (int i = 1; i <= 4; ++i) {
        in.fronts[i - 1] = "f" + n(i);
        in.backs[i - 1] = custom ? "<p>html" + n(i) + "</p>" : "b" + n(i);
        in.links[i - 1] = "l" + n(i);
    }
    const struct {
        QString edition;
        int countIndex;
        QString cls, height, width, total;
    } cases[] = {
        {"专业版", 0, "82", "300", "310", "950"},
        {"天猫版", 1, "57", "412", "240", "990"},
    };
    for (const auto& c : cases) {
        fake().reset();
        settle(c.edition, c.countIndex);
        w->setText("edtclass", c.cls);
        w->setText("edtgao", c.height);
        in.count = c.countIndex;
        in.classNumber = c.cls;
        in.height = c.height;
        in.width = c.width;
        in.total = c.total;
        w->fire("btnallClick");
        const core::Built built = generators::rowFlipSnippet(in);
        EXPECT_EQ(w->text("mmodiv"), built.updates.value(0).text) << c.edition.toStdString();
        EXPECT_EQ(w->text("mmoclass"), built.updates.value(1).text) << c.edition.toStdString();
        EXPECT_EQ(w->text("mmoall"), built.snippet);
        EXPECT_EQ(fake().clipboard, built.snippet);
        EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
        EXPECT_EQ(fake().lastMessage().text, kMessage);
        EXPECT_EQ(fake().lastMessage().title, "提示信息");
    }
    // The default class number gives kavri821 to kavri823, read while its field is disabled.
    settle("专业版", 0);
    w->setText("edtclass", "82");
    w->setText("edtgao", "300");
    ASSERT_FALSE(w->control("edtclass")->isEnabled());
    w->fire("btnallClick");
    for (const QString name : {"kavri821", "kavri822", "kavri823"})
        EXPECT_EQ(fake().clipboard.count("." + name + "'"), 2) << name.toStdString();
    EXPECT_FALSE(fake().clipboard.contains("kavri824"));
    EXPECT_TRUE(fake().clipboard.startsWith(
        "<div class=\"kavri821\" style=\"width:310px;height:300px;float:left;\" >"));
    count()->setItemIndex(-1);
}

TEST_P(RowFlipTest, CountChangedAfterSettingsKeepsTheOldWidth) {
    typeRows();
    w->setText("edtclass", "82");
    w->setText("edtgao", "300");
    settle("专业版", 0);
    count()->setItemIndex(1);
    w->fire("btnallClick");
    EXPECT_EQ(fake().clipboard,
              fronts(4, "82", "310", "300") + popups(4, "82", "310", "300", GetParam().custom));
    count()->setItemIndex(-1);
}

TEST_P(RowFlipTest, EmptyFieldsAreInsertedAsEmptyText) {
    typeRows();
    w->setText("edttu2", "");
    w->setText(back(2), "");
    w->setText("edtlian2", "");
    w->setText("edtclass", "82");
    w->setText("edtgao", "300");
    settle("专业版", 0);
    w->fire("btnallClick");
    EXPECT_TRUE(fake().clipboard.contains("<img src=\"\" width=\"310\""));
    EXPECT_TRUE(fake().clipboard.contains("'points':['cc','cc'] }\r\n }\"><a href=\"\" target=\"_blank\">"));
    count()->setItemIndex(-1);
}

TEST_P(RowFlipTest, LauncherThumbnailOpensTheWindow) {
    core::Form* launcher = testing::form("Tfrmindex");
    launcher->fire(GetParam().custom ? "imgzidingyifanzhuanClick" : "img50Click");
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(app::window(GetParam().name), w);
    w->close();
    EXPECT_FALSE(w->isVisible());
}

// The back side goes in exactly as typed: a custom HTML box keeps its CR LF line breaks.
TEST_P(RowFlipTest, BackSideIsInsertedAsTyped) {
    typeRows();
    const QString typed = GetParam().custom ? "<b>one</b>\r\n<i>two</i>\r\n" : "a b\"c";
    w->setText(back(1), typed);
    w->setText("edtclass", "82");
    w->setText("edtgao", "300");
    settle("专业版", 0);
    w->fire("btnallClick");
    const QString want = GetParam().custom ? "<a href=\"l1\" target=\"_blank\">" + typed + "</a></div>"
                                           : "<a href=\"l1\" target=\"_blank\"><img src=\"" + typed +
                                                 "\" width=\"310\" height=\"300\"/></a></div>";
    EXPECT_TRUE(fake().clipboard.contains(want)) << fake().clipboard.toStdString();
    count()->setItemIndex(-1);
}

INSTANTIATE_TEST_SUITE_P(Windows, RowFlipTest, ::testing::ValuesIn(kWindows),
                         [](const auto& info) { return info.param.name.toStdString(); });

} // namespace
