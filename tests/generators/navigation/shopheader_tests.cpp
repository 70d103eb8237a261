#include "core/registry.h"
#include "generators/navigation/daohangdaisousuo.h"
#include "generators/navigation/dh.h"
#include "generators/navigation/dianzhaolunbo.h"
#include "generators/navigation/dzdh.h"
#include "tests/generators/carousels/page_files.h"
#include "tests/support/helpers.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <gtest/gtest.h>

namespace {

QString n(int i) {
    return QString::number(i);
}

QStringList comboItems(core::Form* w, const QString& name) {
    QStringList items;
    auto* combo = w->control<QComboBox>(name);
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// ---------------------------------------------------------------------------
// Header picture with nine tabs

struct HeaderTabs {
    QString picture, gap, favouriteColour, tabColour, favouriteLink;
    QStringList names, links;
};

QString headerTabs(const HeaderTabs& v) {
    QString out = "<div style=\"width:950px; height:150px; background:" + v.gap;
    out += "\"><div style=\"width:950px; height:120px; overflow:hidden\"><img src=\"" + v.picture + "\" /></div>";
    for (int k = 0; k < 9; ++k)
        out += "<div style=\"height:30px; width:94px; float:left; text-align:center; line-height:30px; "
               "margin-right:1px; font-family: Microsoft yahei;font-size:14px;background:" +
               v.tabColour + "\"><a href=\"" + v.links[k] +
               "\" target=\"_blank\"><span style=\"color:#FFF; text-decoration:none\">" + v.names[k] +
               "</span></a></div>";
    out += "<div style=\"height:30px; width:95px; float:right; text-align:center; line-height:30px; font-family: "
           "Microsoft yahei; font-size:14px;background:" +
           v.favouriteColour + "\"><a href=\"" + v.favouriteLink +
           "\" target=\"_blank\"><span style=\"color:#FFF; text-decoration:none\">收藏店铺</span></a></div>";
    return out;
}

generators::DzdhInput dzdhInput(const HeaderTabs& v) {
    generators::DzdhInput in;
    in.picture = v.picture;
    in.gap = v.gap;
    in.favouriteColour = v.favouriteColour;
    in.tabColour = v.tabColour;
    in.favouriteLink = v.favouriteLink;
    in.names = v.names;
    in.links = v.links;
    return in;
}

// The descriptor's sample: the snippet of the window's defaults.
QString sampleOf(const char* window) {
    const core::WindowClass* found = core::windowClass(window);
    return found && found->info.sample ? found->info.sample() : QString();
}

const QStringList kDefaultTabNames = {"首页",     "全部分类", "店铺动态", "微淘主页", "促销专区",
                                      "新品特卖", "清仓销售", "品牌故事", "买家必读"};

class DzdhTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmdzdh");
        ASSERT_TRUE(folder.isValid());
    }
    void type(const HeaderTabs& v) {
        w->setText("edt1", v.picture);
        w->setText("edt2", v.gap);
        w->setText("edt4", v.favouriteColour);
        w->setText("edt3", v.tabColour);
        w->setText("edt23", v.favouriteLink);
        for (int k = 1; k <= 9; ++k) {
            w->setText("edt" + n(2 * k + 3), v.names[k - 1]);
            w->setText("edt" + n(2 * k + 4), v.links[k - 1]);
        }
    }
    QString page() const { return folder.path() + "/店招.html"; }
    testing::FakeBrowser* browser() const { return w->findChild<testing::FakeBrowser*>(); }

    core::Form* w = nullptr;
    testing::ScratchCurrentFolder folder;
};

HeaderTabs marked() {
    HeaderTabs v{"pic.jpg", "#G1", "#F4", "#T3", "fav-link", {}, {}};
    for (int k = 1; k <= 9; ++k) {
        v.names << "name" + n(k);
        v.links << "link" + n(k);
    }
    return v;
}

// Runs first: the window as start-up made it.
TEST_F(DzdhTest, DefaultsAndDefaultPage) {
    EXPECT_EQ(w->windowTitle(), "店招导航生成");
    EXPECT_TRUE(w->text("edt1").startsWith("https://"));
    EXPECT_EQ(w->text("edt2"), "#000");
    EXPECT_EQ(w->text("edt3"), "#000");
    EXPECT_EQ(w->text("edt4"), "#000");
    for (int k = 1; k <= 9; ++k) {
        EXPECT_EQ(w->text("edt" + n(2 * k + 3)), kDefaultTabNames[k - 1]);
        EXPECT_EQ(w->text("edt" + n(2 * k + 4)), "#");
    }
    EXPECT_EQ(w->text("edt23"), "#");
    EXPECT_EQ(w->text("btn1"), "生成代码");
    EXPECT_EQ(w->text("btn2"), "复制代码");
    EXPECT_EQ(w->text("btn5"), "粘贴");
    EXPECT_EQ(w->text("mmo1"), "");
    EXPECT_TRUE(w->control("mmo1")->isHidden());
    EXPECT_EQ(w->control("mmo1")->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(w->control("wb1")->isHidden());
    EXPECT_EQ(w->control("wb1")->geometry(), QRect(0, 533, 1002, 193));

    // Copying before anything was made copies nothing.
    w->fire("btn2Click");
    EXPECT_FALSE(fake().clipboardSet);
    EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_NE(fake().lastMessage().text, "代码已被复制，粘贴到自定义导航吧！");

    const QString picture = w->text("edt1");
    fake().reset();
    w->fire("btn1Click");
    const QString want = headerTabs(
        {picture, "#000", "#000", "#000", "#", kDefaultTabNames, QStringList(9, "#")});
    EXPECT_EQ(w->text("mmo1"), want);
    EXPECT_EQ(sampleOf("Tfrmdzdh"), want);
    EXPECT_EQ(testing::fileBytes(page()), testing::gbk(want + "\r\n"));
    // Generating neither copies nor speaks.
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
    EXPECT_TRUE(fake().callsOf("information").isEmpty());
    EXPECT_FALSE(fake().clipboardSet);
    EXPECT_FALSE(w->control("wb1")->isHidden());
    ASSERT_NE(browser(), nullptr);
    EXPECT_EQ(browser()->parent(), w->control<QWidget>("wb1"));
    EXPECT_EQ(browser()->navigations.last(), page());
}

// The header from its fields, without its window.
TEST(DzdhSnippet, TypedValues) {
    HeaderTabs empties = marked();
    empties.names = QStringList(9, "");
    HeaderTabs lined = marked();
    lined.picture = "a b.jpg ";
    lined.names[8] = "名<b>";
    const HeaderTabs cases[] = {marked(), empties, lined};
    for (const HeaderTabs& v : cases)
        EXPECT_EQ(generators::dzdhSnippet(dzdhInput(v)), headerTabs(v)) << v.names[8].toStdString();
    // Nine tabs even when every name is empty.
    const QString nameless = generators::dzdhSnippet(dzdhInput(empties));
    EXPECT_EQ(nameless.count("width:94px"), 9);
    EXPECT_EQ(nameless.count("text-decoration:none\"></span>"), 9);
}

// 生成代码 builds from what the fields hold, saves the page and shows it.
TEST_F(DzdhTest, PagesForTypedValues) {
    type(marked());
    w->fire("btn1Click");
    const QString want = generators::dzdhSnippet(dzdhInput(marked()));
    EXPECT_EQ(w->text("mmo1"), want);
    EXPECT_EQ(testing::fileBytes(page()), testing::gbk(want + "\r\n"));
    EXPECT_EQ(browser()->navigations.last(), page());
    // Generating twice yields the same text.
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), want);
}

TEST_F(DzdhTest, CopyTakesTheLastGeneration) {
    type(marked());
    w->fire("btn1Click");
    w->setText("edt2", "#changed"); // not generated yet
    fake().reset();
    w->fire("btn2Click");
    EXPECT_EQ(fake().clipboard, headerTabs(marked()));
    EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_EQ(fake().lastMessage().text, "代码已被复制，粘贴到自定义导航吧！");
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    EXPECT_EQ(fake().lastMessage().owner, "Tfrmdzdh");
}

TEST_F(DzdhTest, PasteReplacesThePictureAddress) {
    w->setText("edt1", "old.jpg");
    fake().clipboard = "https://img.example/new.jpg";
    w->fire("btn5Click");
    EXPECT_EQ(w->text("edt1"), "https://img.example/new.jpg");
    EXPECT_EQ(fake().lastMessage().text, "图片地址已贴入！");
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    // Nothing on the clipboard pastes nothing.
    fake().clipboard.clear();
    w->fire("btn5Click");
    EXPECT_EQ(w->text("edt1"), "https://img.example/new.jpg");
}

TEST_F(DzdhTest, AFailedSaveKeepsTheTextAndTheOldPreview) {
    type(marked());
    w->fire("btn1Click");
    const int navigations = browser()->navigations.size();
    ASSERT_TRUE(QDir(folder.path()).mkdir("blocked"));
    QDir::setCurrent(folder.path() + "/blocked");
    ASSERT_TRUE(QDir().mkdir("店招.html")); // a folder where the page should go
    HeaderTabs v = marked();
    v.gap = "#again";
    type(v);
    fake().reset();
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), headerTabs(v));
    EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_EQ(fake().lastMessage().title, fake().applicationTitle());
    EXPECT_EQ(browser()->navigations.size(), navigations);
    EXPECT_TRUE(w->isEnabled());
}

TEST_F(DzdhTest, ColourFieldsAndThumbnail) {
    for (const QString field : {"edt2", "edt3", "edt4"}) {
        fake().colors.enqueue(QColor(0, 165, 197));
        w->fire(field + "DblClick");
        EXPECT_EQ(w->text(field), "#00A5C5");
    }
    w->setText("edt2", "#000");
    core::Form* launcher = testing::form("Tfrmindex");
    launcher->fire("img18Click");
    EXPECT_TRUE(w->isVisible());
    w->close();
    EXPECT_FALSE(w->isVisible());
}


// ---------------------------------------------------------------------------
// Restyling the marketplace's default navigation

// The style sheet for the control texts in `v`, keyed by control name.
QString navigationCss(const QMap<QString, QString>& v) {
    auto c = [&](const char* name) { return v.value(name); };
    return ".skin-box-bd{background:" + c("edt1") + "}" + ".skin-box-bd .menu-list {background:" + c("edt1") +
           "}" + ".skin-box-bd .menu-list .menu .link {background:" + c("edt2") + ";border-right: 1px solid " +
           c("edt18") + "}" + ".skin-box-bd .menu-list .menu .link:hover {background:" + c("edt3") + "}" +
           ".skin-box-bd .menu-list .menu .link .title {color:" + c("edt4") + ";font-weight:" + c("cbb1") +
           ";font-size:" + c("cbb2") + "}" + ".skin-box-bd .menu-list .menu .link .title:hover{color:" +
           c("edt5") + ";font-weight:" + c("cbb1") + "}" + ".all-cats .link {border:0;background:" + c("edt9") +
           "}" + ".all-cats .link:hover {background:" + c("edt8") + "}" + ".all-cats .link .title {color:" +
           c("edt7") + ";font-size:" + c("cbb2") + "}" + ".all-cats  .link .title:hover {color:" + c("edt6") +
           "}" +
           ".all-cats .link .popup-icon {background: url(https://img.alicdn.com/tps/i1/T18WsRFcpdXXXPXsT8-51-381.gif) "
           "0 -50px no-repeat;}" +
           ".popup-content .cats-tree .fst-cat {border-bottom: 1px solid " + c("edt10") + "}" +
           ".popup-inner .cats-tree .fst-cat {background:" + c("edt14") + "}" +
           ".popup-inner .cats-tree .fst-cat:hover {background:" + c("edt11") + ";border-top: solid 0px #fff}" +
           ".popup-inner .cats-tree .fst-cat .cat-hd .fst-cat-name {color:" + c("edt12") + "}" +
           ".popup-inner .cats-tree .fst-cat .cat-hd .fst-cat-name:hover {color:" + c("edt13") + "}" +
           ".popup-content .cats-tree .fst-cat .snd-pop .snd-cat-hd a {height:30px;line-height:30px;padding-left: "
           "15px;font-weight: 100;width:100%}" +
           ".snd-pop-inner .fst-cat-bd .snd-cat-name {color:" + c("edt15") + "}" +
           ".snd-pop-inner .fst-cat-bd .snd-cat-name:hover {color:" + c("edt17") + ";background: " + c("edt16") +
           "}" +
           ".snd-pop-inner{height:auto;padding:0px;margin:0px;}.snd-pop-inner .fst-cat-bd{padding:0px;margin:0px;"
           "background-color:" +
           c("edt19") + "}" + ".skin-box-bd .menu-list .menu-selected .link .title{background:rgba(255,51,0,0);}";
}

const QMap<QString, QString> kNavigationDefaults = {
    {"cbb1", "是否加粗"}, {"cbb2", "12px"},     {"edt1", "#514C46"},  {"edt2", "#514C46"},  {"edt18", "#514C46"},
    {"edt3", "#43BCB3"},  {"edt4", "#fff"},     {"edt5", "#fff"},     {"edt9", "#43BCB3"},  {"edt8", "#43BCB3"},
    {"edt7", "#fff"},     {"edt6", "#fff"},     {"edt14", "#fff"},    {"edt10", "#fff"},    {"edt11", "#43BCB3"},
    {"edt12", "#1d1d1d"}, {"edt13", "#fff"},    {"edt15", "#000"},    {"edt19", "#43BCB3"}, {"edt16", "#000"},
    {"edt17", "#fff"}};

generators::DhInput dhInput(const QMap<QString, QString>& v) {
    auto c = [&](const char* name) { return v.value(name); };
    return {c("cbb1"),  c("cbb2"),  c("edt1"),  c("edt2"),  c("edt18"), c("edt3"),  c("edt4"),
            c("edt5"),  c("edt9"),  c("edt8"),  c("edt7"),  c("edt6"),  c("edt14"), c("edt10"),
            c("edt11"), c("edt12"), c("edt13"), c("edt15"), c("edt19"), c("edt16"), c("edt17")};
}

class DhTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmdh");
    }
    void type(const QMap<QString, QString>& v) {
        for (auto it = v.begin(); it != v.end(); ++it)
            w->setText(it.key(), it.value());
    }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it.
TEST_F(DhTest, DefaultsAndDefaultStyle) {
    EXPECT_EQ(w->windowTitle(), "默认导航修改");
    for (auto it = kNavigationDefaults.begin(); it != kNavigationDefaults.end(); ++it)
        EXPECT_EQ(w->text(it.key()), it.value()) << it.key().toStdString();
    EXPECT_EQ(comboItems(w, "cbb1"), QStringList({"100", "600"}));
    EXPECT_EQ(comboItems(w, "cbb2"), QStringList({"12px", "14px", "15px"}));
    EXPECT_EQ(w->text("btn1"), "生成并复制CSS");
    EXPECT_EQ(w->text("mmo1"), "mmo1\r\n");
    EXPECT_TRUE(w->control("mmo1")->isHidden());

    w->fire("btn1Click");
    const QString want = navigationCss(kNavigationDefaults);
    // The untouched weight prompt is written as the weight.
    EXPECT_TRUE(want.contains(";font-weight:是否加粗;font-size:12px}"));
    EXPECT_EQ(w->text("mmo1"), want);
    EXPECT_EQ(sampleOf("Tfrmdh"), want);
    EXPECT_EQ(fake().clipboard, want);
    EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_EQ(fake().lastMessage().text, "代码已被复制，店铺后台-指向导航栏-编辑-显示设置-猛粘贴进去！");
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
}

QMap<QString, QString> markedNavigation() {
    QMap<QString, QString> marked;
    for (auto it = kNavigationDefaults.begin(); it != kNavigationDefaults.end(); ++it)
        marked[it.key()] = "v-" + it.key();
    return marked;
}

// The style sheet from its fields, without its window: every field a distinct
// marker, so a swapped field shows; then single fields.
TEST(DhSnippet, EachFieldLandsInItsRules) {
    QMap<QString, QString> picked = kNavigationDefaults;
    picked["cbb1"] = "600";
    picked["cbb2"] = "15px";
    QMap<QString, QString> typed = kNavigationDefaults;
    typed["cbb1"] = "bold";
    typed["cbb2"] = "";
    QMap<QString, QString> empty;
    for (auto it = kNavigationDefaults.begin(); it != kNavigationDefaults.end(); ++it)
        empty[it.key()] = "";
    const QMap<QString, QString> cases[] = {markedNavigation(), picked, typed, empty, kNavigationDefaults};
    for (const auto& v : cases) {
        EXPECT_EQ(generators::dhSnippet(dhInput(v)), navigationCss(v)) << v.value("edt1").toStdString();
        EXPECT_FALSE(generators::dhSnippet(dhInput(v)).contains("\n"));
    }
    // One field at a time, each from the defaults.
    for (auto it = kNavigationDefaults.begin(); it != kNavigationDefaults.end(); ++it) {
        QMap<QString, QString> one = kNavigationDefaults;
        one[it.key()] = "#one";
        EXPECT_EQ(generators::dhSnippet(dhInput(one)), navigationCss(one)) << it.key().toStdString();
    }
    EXPECT_EQ(generators::dhSnippet(generators::DhInput()), navigationCss(kNavigationDefaults));
}

// The button builds from what the fields hold, each field in its place.
TEST_F(DhTest, EachFieldLandsInItsRules) {
    type(markedNavigation());
    fake().reset();
    w->fire("btn1Click");
    const QString want = generators::dhSnippet(dhInput(markedNavigation()));
    EXPECT_EQ(w->text("mmo1"), want);
    EXPECT_EQ(fake().clipboard, want);
    type(kNavigationDefaults);
}

TEST_F(DhTest, PickingAComboItemAndColourFields) {
    w->control<QComboBox>("cbb1")->setCurrentIndex(1);
    EXPECT_EQ(w->text("cbb1"), "600");
    w->control<QComboBox>("cbb2")->setCurrentIndex(2);
    w->fire("btn1Click");
    EXPECT_TRUE(fake().clipboard.contains("{color:#fff;font-weight:600;font-size:15px}"));
    EXPECT_TRUE(fake().clipboard.contains(".title:hover{color:#fff;font-weight:600}"));
    for (auto it = kNavigationDefaults.begin(); it != kNavigationDefaults.end(); ++it) {
        if (it.key().startsWith("cbb")) continue;
        fake().colors.enqueue(QColor(255, 0, 16));
        w->fire(it.key() + "DblClick");
        EXPECT_EQ(w->text(it.key()), "#FF0010") << it.key().toStdString();
    }
    type(kNavigationDefaults);
    testing::form("Tfrmindex")->fire("img19Click");
    EXPECT_TRUE(w->isVisible());
    w->close();
}

// ---------------------------------------------------------------------------
// Header code, seven tabs and the shop search

struct SearchBar {
    QString shop, bar, first, keyword, header;
    QStringList names, links;
};

QString searchBar(const SearchBar& v) {
    QString out = "<div style=\"height:150px; font-size:14px; font-family:Microsoft Yahei\"><div "
                  "style=\"height:120px; overflow:hidden\">" +
                  v.header + "</div>";
    out += "<div style=\"height:30px; background-color:" + v.bar + ";\">";
    out += "<a style=\"color:#FFF; text-decoration:none\" href=\"" + v.links[0] +
           "\" target=\"_blank\"><div style=\"line-height:30px; width:15%; text-align:center; background-color:" +
           v.first + "; float:left\">" + v.names[0] + "</div></a>";
    for (int k = 1; k < 7; ++k)
        out += "<a style=\"color:#FFF; text-decoration:none\" href=\"" + v.links[k] +
               "\" target=\"_blank\"><div style=\"line-height:30px; width:10%; text-align:center;float:left\">" +
               v.names[k] + "</div></a>";
    out += "<div style=\"width:19%;float:right;margin-top:4px ;font-size:12px; \"><form action=\"" + v.shop +
           "/search.htm?search=y&v=1\" method=\"post\" target=\"_blank\">";
    out += "<input name=\"keyword\" type=\"text\" style=\" border:#fff 1px solid; height:20px; "
           "width:120px;padding-left:10px; background-color:#FFF;color:#333\" value=\"" +
           v.keyword + "\" /><input style=\"border:0; background-color:" + v.first +
           "; color:#FFF; width:44px;height:22px;cursor:pointer;\" type=\"submit\" name=\"submit\" id=\"submit\" "
           "value=\"搜索\">";
    out += "</form></div></div></div>";
    return out;
}

generators::DaohangdaisousuoInput searchInput(const SearchBar& v) {
    generators::DaohangdaisousuoInput in;
    in.shop = v.shop;
    in.bar = v.bar;
    in.first = v.first;
    in.keyword = v.keyword;
    in.header = v.header;
    in.names = v.names;
    in.links = v.links;
    return in;
}

const QStringList kSearchTabNames = {"全部分类", "首页", "店铺活动", "新春促销", "精品推荐", "买家必读", "品牌故事"};

class DaohangTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("TFrmdaohangdaisousuo");
    }
    void type(const SearchBar& v) {
        w->setText("edt1", v.shop);
        w->setText("edt2", v.bar);
        w->setText("edt3", v.first);
        w->setText("edt4", v.keyword);
        w->setText("mmo2", v.header);
        for (int k = 1; k <= 7; ++k) {
            w->setText("edt" + n(2 * k + 3), v.names[k - 1]);
            w->setText("edt" + n(2 * k + 4), v.links[k - 1]);
        }
    }
    core::Form* w = nullptr;
};

SearchBar markedSearch() {
    SearchBar v{"https://shop1.example.com", "#BAR", "#FIRST", "kw", "<img src=\"h.jpg\">", {}, {}};
    for (int k = 1; k <= 7; ++k) {
        v.names << "tab" + n(k);
        v.links << "go" + n(k);
    }
    return v;
}

// Runs first: the window as start-up made it.
TEST_F(DaohangTest, DefaultsAndDefaultSnippet) {
    EXPECT_EQ(w->windowTitle(), "导航天猫集市通用 - 带搜索");
    EXPECT_TRUE(w->text("edt1").startsWith("https://"));
    EXPECT_FALSE(w->text("edt1").endsWith("/"));
    EXPECT_EQ(w->text("edt2"), "#333");
    EXPECT_EQ(w->text("edt3"), "#F30");
    EXPECT_EQ(w->text("edt4"), "青梧美工");
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(w->text("edt" + n(2 * k + 3)), kSearchTabNames[k - 1]);
        EXPECT_EQ(w->text("edt" + n(2 * k + 4)), "#");
    }
    EXPECT_TRUE(w->text("mmo2").startsWith("<img "));
    EXPECT_TRUE(w->text("mmo2").endsWith("\r\n"));
    EXPECT_EQ(w->text("mmo1"), "mmo1\r\n");
    EXPECT_TRUE(w->control("mmo1")->isHidden());
    EXPECT_FALSE(w->control("mmo2")->isHidden());
    EXPECT_EQ(w->text("btn1"), "提取代码");

    const SearchBar defaults{w->text("edt1"), "#333", "#F30", "青梧美工", w->text("mmo2"),
                             kSearchTabNames, QStringList(7, "#")};
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), searchBar(defaults));
    EXPECT_EQ(sampleOf("TFrmdaohangdaisousuo"), searchBar(defaults));
    EXPECT_EQ(fake().clipboard, searchBar(defaults));
    EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_EQ(fake().lastMessage().text, "代码已被复制，可以到店铺的自定义进行粘贴了！");
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
}

// The bar from its fields, without its window.
TEST(DaohangSnippet, TypedValues) {
    SearchBar slash = markedSearch();
    slash.shop = "https://shop1.example.com/"; // two slashes before the path; nothing is removed
    SearchBar lines = markedSearch();
    lines.header = "<p>a\r\nb\nc\rd</p>\r\n";
    SearchBar empty{"", "", "", "", "", QStringList(7, ""), QStringList(7, "")};
    const SearchBar cases[] = {markedSearch(), slash, lines, empty};
    for (const SearchBar& v : cases)
        EXPECT_EQ(generators::daohangdaisousuoSnippet(searchInput(v)), searchBar(v)) << v.shop.toStdString();
    EXPECT_TRUE(generators::daohangdaisousuoSnippet(searchInput(slash))
                    .contains("action=\"https://shop1.example.com//search.htm?search=y&v=1\""));
    // The header memo's line breaks are kept exactly; the fields add none.
    const QString lined = generators::daohangdaisousuoSnippet(searchInput(lines));
    EXPECT_TRUE(lined.contains("<p>a\r\nb\nc\rd</p>\r\n</div>"));
    EXPECT_EQ(lined.count("\n"), 3);
}

TEST_F(DaohangTest, Snippets) {
    SearchBar lines = markedSearch();
    lines.header = "<p>a\r\nb\nc\rd</p>\r\n";
    for (const SearchBar& v : {markedSearch(), lines}) {
        type(v);
        fake().reset();
        w->fire("btn1Click");
        EXPECT_EQ(w->text("mmo1"), generators::daohangdaisousuoSnippet(searchInput(v)));
        EXPECT_EQ(fake().clipboard, w->text("mmo1"));
        EXPECT_EQ(fake().lastMessage().text, "代码已被复制，可以到店铺的自定义进行粘贴了！");
    }
    // The memo's line breaks reach the snippet as they are.
    EXPECT_TRUE(w->text("mmo1").contains("<p>a\r\nb\nc\rd</p>\r\n</div>"));
    testing::form("Tfrmindex")->fire("img17Click");
    EXPECT_TRUE(w->isVisible());
    w->close();
}

// ---------------------------------------------------------------------------
// Header code with a small carousel

struct HeaderCarousel {
    QString header;
    QStringList pictures, links;
};

QString headerCarousel(const HeaderCarousel& v) {
    QString out = "<div style=\"height:120px; font-size:14px;\">" + v.header;
    out += "<div style=\"width:250px; height:100px; position:relative; float:right; top:-115px; right:10px; "
           "color:#FFF;overflow:hidden; \">\r\n"
           "<div class=\"J_TWidget\"  data-widget-type=\"Carousel\"  \r\n"
           "data-widget-config=\"{'effect': 'scrollx',\r\n"
           " 'contentCls':'kavri_26_cont',\r\n"
           " 'prevBtnCls':'kavri_26_shang',\r\n"
           " 'nextBtnCls':'kavri_26_xia',\r\n"
           "'easing':'elasticOut',\r\n"
           " 'autoplay':'true'\r\n"
           "}\">\r\n"
           "  <div style=\"width:250px; height:100px;float:left\">\r\n"
           "  <div class=\"kavri_26_cont\">";
    for (int k = 0; k < 3; ++k)
        out += "<div style=\"width:250px; height:100px;background-color:#000; float:left\"><a href=\"" + v.links[k] +
               "\" target=\"_blank\"><img src=\"" + v.pictures[k] + "\" width=\"250\" height=\"100\"/></a></div>";
    out += "</div>\r\n"
           "  </div>\r\n"
           "  <div class=\"kavri_26_shang\" style=\"width:25px; height:25px; text-align:center; font-family:Simhei; "
           "font-size:15px;float:left;cursor:pointer;border-radius:50px;\r\n"
           "-moz-border-radius:50px; background-color:#666; line-height:25px;position:relative; top:-60px; "
           "left:10px;filter:alpha(Opacity=70); opacity: 0.7; \"><</div>\r\n"
           "  <div class=\"kavri_26_xia\"  style=\"width:25px; height:25px; text-align:center; line-height:25px; "
           "font-family:Simhei; font-size:15px;float:right;cursor:pointer;border-radius:50px;\r\n"
           "-moz-border-radius:50px; background-color:#666; line-height:25px;position:relative; top:-60px; "
           "right:10px;filter:alpha(Opacity=70); opacity: 0.7; \">></div>\r\n"
           "</div>\r\n"
           "</div>";
    return out;
}

generators::DianzhaolunboInput carouselInput(const HeaderCarousel& v) {
    generators::DianzhaolunboInput in;
    in.header = v.header;
    in.pictures = v.pictures;
    in.links = v.links;
    return in;
}

class DianzhaolunboTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmdianzhaolunbo");
    }
    void type(const HeaderCarousel& v) {
        w->setText("mmo1", v.header);
        for (int k = 1; k <= 3; ++k) {
            w->setText("edt" + n(2 * k - 1), v.pictures[k - 1]);
            w->setText("edt" + n(2 * k), v.links[k - 1]);
        }
    }
    core::Form* w = nullptr;
};

// Runs first: the window as start-up made it.
TEST_F(DianzhaolunboTest, DefaultsAndDefaultSnippet) {
    EXPECT_EQ(w->windowTitle(), "集市店天猫店通用 - 店招带轮播功能");
    EXPECT_TRUE(w->text("mmo1").startsWith("<img "));
    EXPECT_TRUE(w->text("mmo1").contains("120"));
    EXPECT_TRUE(w->text("edt1").startsWith("https://"));
    EXPECT_EQ(w->text("edt3"), w->text("edt1"));
    EXPECT_EQ(w->text("edt5"), w->text("edt1"));
    for (const QString link : {"edt2", "edt4", "edt6"})
        EXPECT_EQ(w->text(link), "#");
    EXPECT_EQ(w->text("mmo2"), "mmo2\r\n");
    EXPECT_TRUE(w->control("mmo2")->isHidden());
    EXPECT_EQ(w->control("mmo2")->focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(w->control("mmo1")->isHidden());
    EXPECT_EQ(w->text("btn1"), "提取代码");

    const QString sample = w->text("edt1");
    const HeaderCarousel defaults{w->text("mmo1"), QStringList(3, sample), QStringList(3, "#")};
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo2"), headerCarousel(defaults));
    EXPECT_EQ(sampleOf("Tfrmdianzhaolunbo"), headerCarousel(defaults));
    EXPECT_EQ(fake().clipboard, headerCarousel(defaults));
    EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_EQ(fake().lastMessage().text, "代码已被复制，可以到店铺的自定义进行粘贴了！");
}

// The header with its carousel from the fields, without the window.
TEST(DianzhaolunboSnippet, TypedValues) {
    const HeaderCarousel cases[] = {
        {"<img src=\"mine.jpg\">", {"p1", "p2", "p3"}, {"l1", "l2", "l3"}},
        {"", {"p1", "p2", "p3"}, {"l1", "l2", "l3"}}, // only the carousel in the block
        {"line1\r\nline2\r\n", {"", "", ""}, {"", "", ""}},
    };
    for (const auto& v : cases)
        EXPECT_EQ(generators::dianzhaolunboSnippet(carouselInput(v)), headerCarousel(v)) << v.header.toStdString();
    EXPECT_TRUE(generators::dianzhaolunboSnippet(carouselInput(cases[1]))
                    .startsWith("<div style=\"height:120px; font-size:14px;\"><div style=\"width:250px; "
                                "height:100px; position:relative;"));
}

TEST_F(DianzhaolunboTest, Snippets) {
    const HeaderCarousel v{"<img src=\"mine.jpg\">\r\n", {"p1", "p2", "p3"}, {"l1", "l2", "l3"}};
    type(v);
    fake().reset();
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo2"), generators::dianzhaolunboSnippet(carouselInput(v)));
    EXPECT_EQ(fake().clipboard, w->text("mmo2"));
    EXPECT_EQ(fake().lastMessage().text, "代码已被复制，可以到店铺的自定义进行粘贴了！");
    testing::form("Tfrmindex")->fire("img13Click");
    EXPECT_TRUE(w->isVisible());
    w->close();
}

} // namespace
