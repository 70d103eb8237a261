#include "tests/description/assistant_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QTabWidget>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using testing::AssistantTest;

// Adds an entry through the shared add handler with the given code box text.
void addWithCode(core::Form* w, testing::FakePlatform& fake, const QString& name, const QString& code) {
    w->setText("lblname", name);
    w->setText("mmodaima", code);
    fake.answers.enqueue(core::Answer::Ok);
    w->fire("btntianjiaClick");
}

// Runs first: the window as start-up made it.
TEST_F(AssistantTest, StartsWithItsDefaultsAndTheStartPage) {
    EXPECT_TRUE(w->windowTitle().startsWith("zadeze V2.0 [ 天猫/淘宝店通用 ]"));
    EXPECT_EQ(w->text("lblzongkuan"), "750");
    EXPECT_EQ(w->text("lblzonggao"), "0");
    EXPECT_EQ(w->text("lbltukuan"), "0");
    EXPECT_EQ(w->text("lbltugao"), "0");
    EXPECT_EQ(w->text("lblname"), "版块名称");
    EXPECT_EQ(w->text("lbl46"), "20");
    EXPECT_EQ(w->text("pnl18"), "》");
    EXPECT_EQ(w->control<QWidget>("pnl18")->toolTip(), "点击打开面板");
    EXPECT_EQ(code(), "mmodaima\r\n");
    EXPECT_EQ(w->control<core::RadioGroup>("rg1")->items(), QStringList({"淘宝店", "天猫店"}));
    EXPECT_EQ(w->control<core::RadioGroup>("rg1")->itemIndex(), 0);
    EXPECT_EQ(w->control<core::RadioGroup>("rgleixing")->itemIndex(), -1);
    EXPECT_TRUE(w->control<QWidget>("pnl4")->isHidden());
    EXPECT_TRUE(w->control<QTimer>("tmr1")->isActive());
    EXPECT_EQ(w->control<QTimer>("tmr1")->interval(), 1000);

    QTreeWidget* lv = list();
    ASSERT_EQ(lv->columnCount(), 3);
    EXPECT_EQ(lv->headerItem()->text(0), "编号");
    EXPECT_EQ(lv->headerItem()->text(1), "版块名");
    EXPECT_EQ(lv->headerItem()->text(2), "代码");
    EXPECT_EQ(lv->columnWidth(0), 40);
    EXPECT_EQ(lv->columnWidth(1), 160);
    EXPECT_EQ(lv->columnWidth(2), 40);

    // The start page is the announcement page, shown in the window's own browser.
    ASSERT_NE(browser(), nullptr);
    EXPECT_EQ(browser()->parent(), w->control<QWidget>("wb1"));
    ASSERT_FALSE(browser()->navigations.isEmpty());
    EXPECT_TRUE(browser()->navigations.first().endsWith("/gonggao.html"));

    // Adding before any render stores the code box's start text.
    fake().answers.enqueue(core::Answer::Ok);
    w->fire("btntianjiaClick");
    EXPECT_EQ(rows(), QStringList({"1|[ 版块名称 ] |mmodaima\r\n"}));

    // Opened by the tab first, the panel shows the related-items page.
    w->fire("pnl18Click");
    EXPECT_FALSE(w->control<QWidget>("pnl4")->isHidden());
    EXPECT_EQ(w->control<QTabWidget>("pgc1")->currentWidget()->objectName(), "tsguanlian");
    EXPECT_EQ(w->text("pnl18"), "《");
    w->fire("pnl18Click");
    EXPECT_TRUE(w->control<QWidget>("pnl4")->isHidden());
    EXPECT_EQ(w->text("pnl18"), "》");
}

TEST_F(AssistantTest, SectionButtonsShowTheirPageAndNameTheSection) {
    const struct {
        const char* button;
        const char* caption;
        const char* page;
    } kinds[] = {{"btnguanlian", "关联销售", "tsguanlian"},   {"btnfengetiao", "分隔条", "tsfengetiao"},
                 {"btnyouhuiquan", "优惠券", "tsyouhuiquan"}, {"btndapei", "搭配销售", "tsdapei"},
                 {"btncanshu", "产品参数", "tscanshu"},       {"btnchima", "产品尺码", "tschima"},
                 {"btnzhanshi", "产品展示", "tszhanshi"},     {"btnxijie", "产品细节", "tsxijie"},
                 {"btnyangshi", "分割样式", "tsyangshi"},     {"btnjiaoliu", "交流版块", "tsjiaoliu"},
                 {"btnzidingyi", "自定义", "tszidingyi"}};
    for (const auto& kind : kinds) {
        w->control<QWidget>("pnl4")->hide();
        EXPECT_EQ(w->text(kind.button), kind.caption);
        w->fire(QString(kind.button) + "Click");
        EXPECT_FALSE(w->control<QWidget>("pnl4")->isHidden()) << kind.button;
        EXPECT_EQ(w->control<QTabWidget>("pgc1")->currentWidget()->objectName(), kind.page);
        EXPECT_EQ(w->text("lblname"), kind.caption);
        // The buttons leave the tab's caption alone.
        EXPECT_EQ(w->text("pnl18"), "》");
    }
}

TEST_F(AssistantTest, AddingAsksFirstAndKeepsNumbersAsTheyWere) {
    // Cancel adds nothing.
    w->setText("lblname", "分隔条");
    w->setText("mmodaima", "<p>A</p>");
    fake().answers.enqueue(core::Answer::Cancel);
    w->fire("btntianjiaClick");
    EXPECT_TRUE(rows().isEmpty());
    EXPECT_EQ(fake().lastMessage().text, "确定添加该板块？");
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    EXPECT_EQ(fake().lastMessage().owner, "Tfrmmain");

    addWithCode(w, fake(), "分隔条", "<p>A</p>");
    addWithCode(w, fake(), "优惠券", "<p>B</p>\r\n");
    addWithCode(w, fake(), "自定义", "<p>C</p>");
    EXPECT_EQ(rows(), QStringList({"1|[ 分隔条 ] |<p>A</p>", "2|[ 优惠券 ] |<p>B</p>\r\n",
                                   "3|[ 自定义 ] |<p>C</p>"}));

    // After deleting entry 2 the next number repeats 3.
    select(1);
    w->fire("N1Click");
    addWithCode(w, fake(), "分隔条", "<p>D</p>");
    EXPECT_EQ(rows(),
              QStringList({"1|[ 分隔条 ] |<p>A</p>", "3|[ 自定义 ] |<p>C</p>", "3|[ 分隔条 ] |<p>D</p>"}));

    // The other add buttons share the handler; the related items' asks its own question.
    for (const char* button :
         {"btn8", "btntianjia", "btn17", "btn5", "btn6", "btn3", "btn20", "btn10", "btn9", "btn13"}) {
        fake().calls.clear();
        fake().answers.enqueue(core::Answer::Cancel);
        w->control<QAbstractButton>(button)->click();
        EXPECT_EQ(w->text(button), "添加");
        // One question per click.
        ASSERT_EQ(fake().callsOf("messageBox").size(), 1) << button;
        EXPECT_EQ(fake().lastMessage().text, "确定添加该板块？") << button;
    }
    fake().answers.enqueue(core::Answer::Cancel);
    w->control<QAbstractButton>("btnadd")->click();
    EXPECT_EQ(fake().lastMessage().text, "确定要添加该板块？");
    EXPECT_EQ(list()->topLevelItemCount(), 3);

    w->fire("N9Click");
    EXPECT_TRUE(rows().isEmpty());
}

TEST_F(AssistantTest, RelatedItemsEntriesCarryTheirLayoutName) {
    const struct {
        int layout;
        const char* name;
    } cases[] = {
        {-1, "1|[ 关联销售 ] |X"}, {0, "2|[ 关联销售 ] 图文四列|X"}, {1, "3|[ 关联销售 ] 图文三列|X"}};
    for (const auto& c : cases) {
        chooseLayout(c.layout);
        w->setText("lblname", "关联销售");
        w->setText("mmodaima", "X");
        fake().answers.enqueue(core::Answer::Ok);
        w->fire("btnaddClick");
        EXPECT_EQ(rows().last(), c.name);
    }
}

TEST_F(AssistantTest, MovingSwapsNamesAndCodesButNotNumbers) {
    addWithCode(w, fake(), "a", "A");
    addWithCode(w, fake(), "b", "B");
    addWithCode(w, fake(), "c", "C");
    const QStringList start = rows();

    // Nothing selected, first up, last down: nothing happens.
    list()->clearSelection();
    list()->setCurrentItem(nullptr);
    for (const char* handler : {"N2Click", "N3Click", "N11Click", "N1Click"})
        w->fire(handler);
    EXPECT_EQ(rows(), start);
    select(0);
    w->fire("N2Click");
    select(2);
    w->fire("N3Click");
    EXPECT_EQ(rows(), start);

    select(1);
    w->fire("N2Click");
    EXPECT_EQ(rows(), QStringList({"1|[ b ] |B", "2|[ a ] |A", "3|[ c ] |C"}));
    EXPECT_EQ(list()->indexOfTopLevelItem(list()->selectedItems().value(0)), 1);
    w->fire("N3Click");
    EXPECT_EQ(rows(), QStringList({"1|[ b ] |B", "2|[ c ] |C", "3|[ a ] |A"}));
}

TEST_F(AssistantTest, EntryPreviewWritesItsCodeAsLinesAndLeavesTheCodeBox) {
    addWithCode(w, fake(), "a", "<p>一</p>\n<p>二</p>");
    w->setText("mmodaima", "kept");
    const int before = browser()->navigations.size();
    select(0);
    w->fire("N11Click");
    EXPECT_EQ(testing::fileBytes(page()), testing::gbk("<p>一</p>\r\n<p>二</p>\r\n"));
    EXPECT_EQ(browser()->navigations.size(), before + 1);
    EXPECT_EQ(browser()->navigations.last(), page());
    EXPECT_EQ(code(), "kept");
}

TEST_F(AssistantTest, AssemblyJoinsEveryEntryWithOneLineBreakAndPreviewsIt) {
    addWithCode(w, fake(), "a", "<p>A</p>");
    addWithCode(w, fake(), "b", "<p>B</p>\r\n");
    addWithCode(w, fake(), "c", "<p>丙</p>");
    fake().calls.clear();
    w->fire("btn2Click");
    const QString assembled = "<p>A</p>\r\n<p>B</p>\r\n\r\n<p>丙</p>\r\n";
    EXPECT_EQ(code(), assembled);
    EXPECT_EQ(fake().lastMessage().text, "所有代码已经提交完毕，可以通过右侧预览区查看总体样式！");
    EXPECT_EQ(fake().lastMessage().title, "提示信息");
    EXPECT_EQ(testing::fileBytes(page()), testing::gbk(assembled));
    EXPECT_EQ(browser()->navigations.last(), page());

    // Extracting copies the assembled page.
    w->fire("btntiquClick");
    EXPECT_EQ(fake().clipboard, assembled);
    EXPECT_EQ(fake().lastMessage().text, "代码提取完毕！");

    // Adding after the assembly stores the whole page as one more entry.
    fake().answers.enqueue(core::Answer::Ok);
    w->fire("btntianjiaClick");
    EXPECT_EQ(list()->topLevelItem(3)->text(2), assembled);
    EXPECT_EQ(list()->topLevelItem(3)->text(0), "4");
}

// The assembled page goes to the preview file as the code box holds it: an
// entry's own line breaks (a lone LF, a lone CR) are not rewritten.
TEST_F(AssistantTest, AssemblyWritesThePageExactlyAsTheCodeBoxHoldsIt) {
    addWithCode(w, fake(), "a", "<p>一</p>\n<p>二</p>");
    addWithCode(w, fake(), "b", "<p>三</p>\r");
    w->fire("btn2Click");
    const QString assembled = "<p>一</p>\n<p>二</p>\r\n<p>三</p>\r\r\n";
    EXPECT_EQ(code(), assembled);
    EXPECT_EQ(testing::fileBytes(page()), testing::gbk(assembled));
}

TEST_F(AssistantTest, AssemblingAnEmptyListPreviewsAnEmptyPageAndCopiesNothing) {
    fake().clipboard = "before";
    fake().clipboardSet = false;
    w->fire("btn2Click");
    EXPECT_EQ(code(), "");
    EXPECT_EQ(fake().lastMessage().text, "所有代码已经提交完毕，可以通过右侧预览区查看总体样式！");
    EXPECT_EQ(testing::fileBytes(page()), QByteArray());
    EXPECT_EQ(browser()->navigations.last(), page());
    // An empty code box holds nothing to extract.
    w->fire("btntiquClick");
    EXPECT_FALSE(fake().clipboardSet);
    EXPECT_NE(fake().lastMessage().text, "代码提取完毕！");
}

TEST_F(AssistantTest, ShopTypeSetsTheWidthAndResetsTheLayout) {
    chooseLayout(0);
    EXPECT_EQ(w->text("lblzonggao"), "310");
    w->control<core::RadioGroup>("rg1")->setItemIndex(1);
    EXPECT_EQ(w->text("lblzongkuan"), "790");
    EXPECT_EQ(w->control<core::RadioGroup>("rgleixing")->itemIndex(), -1);
    for (const char* label : {"lblzonggao", "lbltukuan", "lbltugao"})
        EXPECT_EQ(w->text(label), "0") << label;
    chooseLayout(1);
    w->control<core::RadioGroup>("rg1")->setItemIndex(0);
    EXPECT_EQ(w->text("lblzongkuan"), "750");
    EXPECT_EQ(w->control<core::RadioGroup>("rgleixing")->itemIndex(), -1);
    EXPECT_EQ(w->text("lbltukuan"), "0");
}

TEST_F(AssistantTest, CountdownReloadsOnceAtTheTwentyFirstTick) {
    const int reloads = browser()->reloads;
    // Real ticks may have happened already; start from a known count.
    for (int tick = 0; tick < 25 && w->text("lbl46") != "0"; ++tick)
        w->fire("tmr1Timer");
    ASSERT_EQ(w->text("lbl46"), "0");
    EXPECT_EQ(browser()->reloads, reloads);
    w->fire("tmr1Timer");
    EXPECT_EQ(browser()->reloads, reloads + 1);
    EXPECT_FALSE(w->control<QTimer>("tmr1")->isActive());
    EXPECT_EQ(w->text("lbl46"), "0");
}

TEST_F(AssistantTest, ClosingDeletesThePreviewButKeepsTheList) {
    addWithCode(w, fake(), "a", "A");
    select(0);
    w->fire("N11Click");
    ASSERT_TRUE(QFile::exists(page()));
    QFile mine(folder.path() + "/1.jpg");
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("the user's own picture");
    mine.close();
    w->showForm();
    w->close();
    EXPECT_FALSE(QFile::exists(page()));
    // A picture of the user's in the working folder is not the program's.
    EXPECT_TRUE(QFile::exists(folder.path() + "/1.jpg"));
    // Missing files are ignored.
    w->fire("FormClose");
    w->showForm();
    EXPECT_EQ(rows(), QStringList({"1|[ a ] |A"}));
    w->hide();
}

// The launcher's sample page is the page the window assembles from the same
// sections at their start values.
TEST_F(AssistantTest, TheSamplePageIsWhatTheWindowAssemblesAtItsStartValues) {
    const core::WindowClass* assistant = core::windowClass("Tfrmmain");
    ASSERT_NE(assistant, nullptr);
    ASSERT_TRUE(assistant->info.sample);
    // Section title, divider bar, coupons, combo offer, parameters.
    for (const char* render : {"btn21Click", "btn15Click", "btn16Click", "btn7Click", "btn18Click"}) {
        w->fire(render);
        fake().answers.enqueue(core::Answer::Ok);
        w->fire("btntianjiaClick");
    }
    w->fire("btn2Click");
    ASSERT_EQ(list()->topLevelItemCount(), 5);
    EXPECT_EQ(code(), assistant->info.sample());
    EXPECT_TRUE(code().contains(">搭配套餐</div>"));
}

TEST_F(AssistantTest, MenuOpensTheMakersPages) {
    w->fire("N4Click");
    ASSERT_EQ(fake().callsOf("open").size(), 1);
    EXPECT_TRUE(fake().callsOf("open").first().address.startsWith("https://"));
    const int before = browser()->navigations.size();
    for (const char* item : {"N5Click", "N6Click", "N7Click"})
        w->fire(item);
    ASSERT_EQ(browser()->navigations.size(), before + 3);
    EXPECT_TRUE(browser()->navigations[before].endsWith("/gonggao.html"));
    EXPECT_TRUE(browser()->navigations[before + 1].startsWith("https://"));
    EXPECT_TRUE(browser()->navigations[before + 2].startsWith("https://"));
    const QStringList captions = {" 官方网站 ", " 软件公告 ", " 视频教程 ", " 新版下载 "};
    QStringList found;
    for (const char* name : {"N4", "N5", "N6", "N7"})
        found << w->findChild<QAction*>(name)->text();
    EXPECT_EQ(found, captions);
    QStringList context;
    for (QAction* action : w->findChild<QMenu*>("pm1")->actions())
        context << (action->isSeparator() ? QString("-") : action->text());
    EXPECT_EQ(context, QStringList({"预览", "-", "上移", "下移", "-", "删除", "清空"}));
}

} // namespace
