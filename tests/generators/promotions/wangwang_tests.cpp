#include "core/addresses.h"
#include "core/messages.h"
#include "generators/promotions/kefu.h"
#include "generators/promotions/wangwang.h"
#include "tests/generators/carousels/page_files.h"
#include "tests/support/helpers.h"

#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

const QString kCopied = "代码已被复制，可以到店铺的自定义进行粘贴了！";

QString chatBase() {
    return core::addresses::wangwangChatBase;
}
QString statusBase() {
    return core::addresses::wangwangStatusBase;
}

// Account names and their encoded form.
const struct {
    QString name, encoded;
} kAccounts[] = {
    {"shop2024", "shop2024"},
    {"青梧:海报", "%E9%9D%92%E6%A2%A7%3A%E6%B5%B7%E6%8A%A5"},
    {"my shop~1", "my+shop%7E1"},
    {"a&b#c%d", "a%26b%23c%25d"},
    // Nothing checks the name: an empty one leaves "touid" empty.
    {"", ""},
};

// ------------------------------------------------------------------ Tfrmww

QString styleButton(const QString& e, const QString& s) {
    return "<a target=\"_blank\" href=\"" + chatBase() + "/webww/ww.php?ver=3&touid=" + e +
           "&siteid=cntaobao&s=" + s + "&charset=utf-8\" ><img border=\"0\" src=\"" + statusBase() +
           "/realonline.aw?v=2&uid=" + e + "&site=cntaobao&s=" + s +
           "&charset=utf-8\" alt=\"点击这里给我发消息\" /></a>";
}

class WangwangTest : public testing::ProgramTest {};

// The button from the account, without the window: the encoded account is
// written back first.
TEST(WwSnippet, AccountButtonInTwoStyles) {
    for (const auto& a : kAccounts) {
        for (const int style : {1, 2}) {
            generators::WwInput in;
            in.account = a.name;
            in.style = style;
            const core::Built built = generators::wwSnippet(in);
            EXPECT_EQ(built.snippet, styleButton(a.encoded, QString::number(style))) << a.name.toStdString();
            ASSERT_EQ(built.updates.size(), 1);
            EXPECT_EQ(built.updates[0].control, "edt2");
            EXPECT_EQ(built.updates[0].text, a.encoded);
        }
    }
}

TEST_F(WangwangTest, AccountButtonInTwoStyles) {
    core::Form* w = testing::form("Tfrmww");
    EXPECT_EQ(w->windowTitle(), "青梧掌柜旺旺代码生成");
    EXPECT_FALSE(w->text("edt1").isEmpty());
    EXPECT_EQ(w->text("edt2"), "edt2");
    EXPECT_EQ(w->text("mmo1"), "mmo1\r\n");
    EXPECT_TRUE(w->control<QLineEdit>("edt2")->isHidden());

    generators::WwInput in;
    in.account = "青梧:海报";
    w->setText("edt1", in.account);
    for (const auto& [button, style, notice] :
         {std::tuple{"btn1Click", 1, "代码已被复制！"}, {"btn2Click", 2, "代码已被复制了！"}}) {
        fake().reset();
        w->setText("edt2", "edt2");
        w->fire(button);
        in.style = style;
        const core::Built built = generators::wwSnippet(in);
        EXPECT_EQ(w->text("edt2"), built.updates[0].text) << button;
        EXPECT_EQ(w->text("mmo1"), built.snippet) << button;
        EXPECT_EQ(fake().clipboard, built.snippet);
        EXPECT_EQ(fake().lastMessage().text, notice);
        EXPECT_EQ(fake().lastMessage().title, "提示信息");
        EXPECT_EQ(fake().lastMessage().owner, "Tfrmww");
    }
}

// ---------------------------------------------------------------- Tfrmgxww

TEST(GxwwSnippet, PictureButtonAndBareLink) {
    for (const auto& a : kAccounts) {
        generators::GxwwInput in;
        in.account = a.name;
        in.picture = "PIC";
        const core::Built picture = generators::gxwwSnippet(in);
        EXPECT_EQ(picture.snippet, "<a target=\"_blank\" href=\"" + chatBase() +
                                       "/webww/ww.php?ver=3&touid=" + a.encoded +
                                       "&siteid=cntaobao&s=2&charset=utf-8\" ><img border=\"0\" src=\"PIC\" "
                                       "alt=\"点击这里给我发消息\" /></a>");
        ASSERT_EQ(picture.updates.size(), 1);
        EXPECT_EQ(picture.updates[0].control, "edt2");
        EXPECT_EQ(picture.updates[0].text, a.encoded);

        in.linkOnly = true;
        const core::Built link = generators::gxwwSnippet(in);
        EXPECT_EQ(link.snippet, chatBase() + "/webww/ww.php?ver=3&touid=" + a.encoded +
                                    "&siteid=cntaobao&s=2&charset=utf-8");
        ASSERT_EQ(link.updates.size(), 1);
        EXPECT_EQ(link.updates[0].text, a.encoded);
    }
}

TEST_F(WangwangTest, PictureButtonAndBareLink) {
    core::Form* w = testing::form("Tfrmgxww");
    EXPECT_EQ(w->windowTitle(), "青梧掌柜旺旺代码生成");
    EXPECT_FALSE(w->text("edt1").isEmpty());
    EXPECT_EQ(w->text("edt3"), "none");
    EXPECT_EQ(w->text("edt2"), "edt2");
    EXPECT_EQ(w->text("mmo1"), "mmo1\r\n");

    generators::GxwwInput in;
    in.account = "my shop~1";
    in.picture = "PIC";
    w->setText("edt1", in.account);
    w->setText("edt3", in.picture);
    for (const auto& [button, linkOnly] : {std::pair{"btn2Click", false}, {"btn1Click", true}}) {
        fake().reset();
        w->setText("edt2", "edt2");
        w->fire(button);
        in.linkOnly = linkOnly;
        const core::Built built = generators::gxwwSnippet(in);
        EXPECT_EQ(w->text("edt2"), built.updates[0].text) << button;
        EXPECT_EQ(w->text("mmo1"), built.snippet) << button;
        EXPECT_EQ(fake().clipboard, built.snippet);
        EXPECT_EQ(fake().lastMessage().text, "代码已被复制了！");
        EXPECT_EQ(fake().lastMessage().owner, "Tfrmgxww");
    }
}

// --------------------------------------------------------- Tfrmwangwangqun

TEST_F(WangwangTest, GroupPictureLink) {
    core::Form* w = testing::form("Tfrmwangwangqun");
    EXPECT_EQ(w->windowTitle(), "旺旺群代码");
    EXPECT_FALSE(w->text("edt1").isEmpty());
    EXPECT_FALSE(w->text("edt2").isEmpty());
    EXPECT_EQ(w->text("edt3"), "63");
    EXPECT_EQ(w->text("edt4"), "20");
    EXPECT_EQ(w->text("edt5"), "点我群聊吧");
    EXPECT_EQ(w->text("mmo1"), "mmo1\r\n");

    const QString defaults = "<a href=\"" + chatBase() +
                             "/go/act/other/wwgroup.php?uid=1&tribeid=" + w->text("edt1") +
                             "\" target=\"_blank\"><img src=\"" + w->text("edt2") +
                             "\" alt=\"点我群聊吧\" width=\"63\" height=\"20\"></a>";
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), defaults);

    // 提取代码 builds from what the fields hold, each field in its place.
    generators::WangwangqunInput in;
    in.group = "ID 1:2";
    in.picture = "PIC";
    in.width = "W";
    in.height = "H";
    in.caption = "ALT";
    w->setText("edt1", in.group);
    w->setText("edt2", in.picture);
    w->setText("edt3", in.width);
    w->setText("edt4", in.height);
    w->setText("edt5", in.caption);
    fake().reset();
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), generators::wangwangqunSnippet(in));
    EXPECT_EQ(fake().clipboard, generators::wangwangqunSnippet(in));
    EXPECT_EQ(fake().lastMessage().text, kCopied);
    EXPECT_EQ(fake().lastMessage().owner, "Tfrmwangwangqun");
}

// The group number goes in as typed, not encoded; sizes are not parsed.
TEST(WangwangqunSnippet, FieldsGoInAsTyped) {
    for (const auto& [id, width, height] :
         {std::tuple{"ID 1:2", "W", "H"}, {"", "", ""}, {"9", "2147483648", "1e309"}}) {
        generators::WangwangqunInput in;
        in.group = id;
        in.picture = "PIC";
        in.width = width;
        in.height = height;
        in.caption = "ALT";
        EXPECT_EQ(generators::wangwangqunSnippet(in),
                  "<a href=\"" + chatBase() + "/go/act/other/wwgroup.php?uid=1&tribeid=" + QString(id) +
                      "\" target=\"_blank\"><img src=\"PIC\" alt=\"ALT\" "
                      "width=\"" +
                      width + "\" height=\"" + height + "\"></a>");
    }
}

// ---------------------------------------------------------------- Tfrmkefu

struct Agent {
    const char* name;
    const char* code;
    const char* paste;
};
const Agent kPre[] = {{"edt2", "edt8", "btn1"}, {"edt3", "edt9", "btn6"}, {"edt4", "edt10", "btn7"}};
const Agent kAfter[] = {{"edt5", "edt11", "btn8"}, {"edt6", "edt12", "btn9"}, {"edt7", "edt13", "btn10"}};

QString agentBlock(const QString& name, const QString& code) {
    return "<div style=\"float:left; width:45px; line-height:30px;text-align:right;\">" + name +
           "</div><div style=\"float:left; line-height:30px; margin-top:0px;\">" + code + "</div>";
}

QString bar(const QString& c, const QString& pre, const QString& after, const QString& hours) {
    return "<span style=\"color:#666\"><div style=\"font-size:12px; height:30px;\"><div "
           "style=\"font-size:24px; "
           "font-family:impact; float:left;\"> <span style=\"color:" +
           c + ";\">SERVICE</span></div>" +
           " <div style=\"float:left; width:60px; line-height:30px; background:" + c +
           ";text-align:center; margin-right:0px; margin-left:60px;\"><span "
           "style=\"color:#fff\">售前客服</span>"
           "</div>" +
           pre + " <div style=\"float:left; width:60px; line-height:30px; background:" + c +
           "; color:#FFF; text-align:center; margin-right:0px;margin-left:60px;\"><span "
           "style=\"color:#fff\">售后客服"
           "</span></div>" +
           after + "<div style=\"float:right;line-height:30px;\">" + hours + "</div></div></span>";
}

class KefuTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmkefu");
        ASSERT_TRUE(folder.isValid());
    }
    QString page() const { return folder.path() + "/files.html"; }
    core::Form* w = nullptr;
    testing::ScratchCurrentFolder folder;
};

// Runs first: the window as start-up made it.
TEST_F(KefuTest, DefaultsAndTheBarWithThem) {
    EXPECT_EQ(w->windowTitle(), "旺旺客服");
    for (const char* radio : {"rb1", "rb2", "rb3"})
        EXPECT_FALSE(w->control<QRadioButton>(radio)->isChecked());
    EXPECT_EQ(w->text("edt1"), "#999");
    EXPECT_EQ(w->text("mmo7"), "工作时间：8:00-24:00(\r\n节假日不休息)\r\n");
    EXPECT_EQ(w->text("mmo8"), "mmo8\r\n");
    // The sample code is the marketplace's own button for a sample account.
    const QString sample = w->text("edt8");
    const QString account = sample.section("touid=", 1).section('&', 0, 0);
    EXPECT_FALSE(account.isEmpty());
    EXPECT_EQ(sample, "<a target=\"_blank\" href=\"" + chatBase() + "/webww/ww.php?ver=3&touid=" + account +
                          "&siteid=cntaobao&status=2&charset=utf-8\"><img border=\"0\" src=\"" +
                          statusBase() + "/realonline.aw?v=2&uid=" + account +
                          "&site=cntaobao&s=2&charset=utf-8\" alt=\"点击这里给我发消息\" /></a>");
    const QString names[] = {"香蕉", "西瓜", "菠萝"};
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(w->text(kPre[r].name), names[r]);
        EXPECT_EQ(w->text(kAfter[r].name), names[r]);
        EXPECT_EQ(w->text(kPre[r].code), sample);
        EXPECT_EQ(w->text(kAfter[r].code), sample);
    }

    // Nothing generated: nothing to preview or copy.
    w->fire("btn3Click");
    EXPECT_EQ(fake().lastMessage().text, "请先点击生成代码，再预览效果！");
    w->fire("btn4Click");
    EXPECT_EQ(fake().lastMessage().text, "请先点击生成代码，再复制代码！");
    EXPECT_TRUE(fake().callsOf("open").isEmpty());
    EXPECT_FALSE(fake().clipboardSet);

    fake().reset();
    w->fire("btn2Click");
    QString pre, after;
    for (int r = 0; r < 3; ++r) {
        pre += agentBlock(names[r], sample);
        after += agentBlock(names[r], sample);
    }
    // The working hours keep their line break as CR LF.
    const QString expected = bar("#999", pre, after, "工作时间：8:00-24:00(\r\n节假日不休息)\r\n");
    EXPECT_EQ(w->text("mmo8"), expected);
    EXPECT_EQ(testing::fileBytes(page()), testing::gbk(expected + "\r\n"));
    EXPECT_FALSE(fake().clipboardSet);
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
}

// The bar from the fields, without the window.
TEST(KefuSnippet, FieldsLandInTheirPlaces) {
    generators::KefuInput in;
    in.colour = "C";
    QString pre, after;
    for (int r = 0; r < 3; ++r) {
        in.preNames[r] = QString("PN%1").arg(r);
        in.preCodes[r] = QString("PW%1").arg(r);
        in.afterNames[r] = QString("AN%1").arg(r);
        in.afterCodes[r] = QString("AW%1").arg(r);
        pre += agentBlock(QString("PN%1").arg(r), QString("PW%1").arg(r));
        after += agentBlock(QString("AN%1").arg(r), QString("AW%1").arg(r));
    }
    in.hours = "HOURS";
    EXPECT_EQ(generators::kefuSnippet(in), bar("C", pre, after, "HOURS"));
}

TEST_F(KefuTest, FieldsLandInTheirPlacesThenPreviewAndCopy) {
    generators::KefuInput in;
    in.colour = "C";
    w->setText("edt1", in.colour);
    for (int r = 0; r < 3; ++r) {
        in.preNames[r] = QString("PN%1").arg(r);
        in.preCodes[r] = QString("PW%1").arg(r);
        in.afterNames[r] = QString("AN%1").arg(r);
        in.afterCodes[r] = QString("AW%1").arg(r);
        w->setText(kPre[r].name, in.preNames[r]);
        w->setText(kPre[r].code, in.preCodes[r]);
        w->setText(kAfter[r].name, in.afterNames[r]);
        w->setText(kAfter[r].code, in.afterCodes[r]);
    }
    in.hours = "HOURS";
    w->setText("mmo7", in.hours);
    w->fire("btn2Click");
    const QString expected = generators::kefuSnippet(in);
    EXPECT_EQ(w->text("mmo8"), expected);
    EXPECT_EQ(testing::fileBytes(page()), testing::gbk(expected + "\r\n"));

    w->fire("btn3Click");
    ASSERT_EQ(fake().callsOf("open").size(), 1);
    EXPECT_EQ(fake().callsOf("open")[0].address, page());

    w->fire("btn4Click");
    EXPECT_EQ(fake().clipboard, expected);
    EXPECT_EQ(fake().lastMessage().text, "代码已被复制了！");
    EXPECT_EQ(fake().lastMessage().owner, "Tfrmkefu");
}

TEST_F(KefuTest, PresetsWriteTheThemeColourOnly) {
    const struct {
        const char* radio;
        QString colour;
    } cases[] = {{"rb1", "#EF3C39"}, {"rb2", "#858585"}, {"rb3", "#4C79BD"}};
    for (const auto& c : cases) {
        w->setText("edt1", "typed");
        w->control<QRadioButton>(c.radio)->click();
        EXPECT_EQ(w->text("edt1"), c.colour) << c.radio;
        // An edit after the preset stays.
        w->setText("edt1", "#ABCDEF");
        EXPECT_EQ(w->text("edt1"), "#ABCDEF");
    }
    w->setText("edt1", "#999");
}

TEST_F(KefuTest, PasteButtonsReplaceTheirOwnCodeField) {
    const Agent all[] = {kPre[0], kPre[1], kPre[2], kAfter[0], kAfter[1], kAfter[2]};
    for (const Agent& target : all) {
        for (const Agent& a : all)
            w->setText(a.code, "old");
        fake().reset();
        fake().clipboard = QString("<a>%1</a>").arg(target.paste);
        w->fire(QString(target.paste) + "Click");
        for (const Agent& a : all)
            EXPECT_EQ(w->text(a.code), a.code == target.code ? fake().clipboard : QString("old"))
                << target.paste << " " << a.code;
        EXPECT_EQ(fake().lastMessage().text, "粘贴代码调用成功");
        EXPECT_EQ(fake().lastMessage().owner, "Tfrmkefu");
    }

    // An empty clipboard pastes nothing and says so.
    fake().reset();
    w->setText("edt8", "kept");
    w->fire("btn1Click");
    EXPECT_EQ(w->text("edt8"), "kept");
    EXPECT_EQ(fake().lastMessage().text, "剪贴板中没有文字，请先复制旺旺代码！");
}

TEST_F(KefuTest, PageThatCannotBeWrittenStillLeavesTheBarInTheMemo) {
    ASSERT_TRUE(QDir().mkdir("files.html"));
    w->setText("edt1", "FAILCASE");
    w->fire("btn2Click");
    EXPECT_TRUE(w->text("mmo8").contains("FAILCASE"));
    ASSERT_FALSE(fake().callsOf("messageBox").isEmpty());
    EXPECT_TRUE(fake().lastMessage().text.contains("files.html")) << fake().lastMessage().text.toStdString();
    w->setText("edt1", "#999");
}

} // namespace
