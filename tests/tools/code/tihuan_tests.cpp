#include "core/files.h"
#include "tests/generators/carousels/page_files.h"
#include "tests/support/helpers.h"
#include "tools/code/tihuan.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTextCursor>
#include <gtest/gtest.h>

namespace {

class TihuanTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmtihuan");
        for (const char* f : {"edt1", "edt2", "edt3", "edt4", "edt5", "edt6", "edt7", "edt8", "edt9", "edt10"})
            w->setText(f, "");
        for (const char* combo : {"cbb1", "cbb2", "cbb3", "cbb4", "cbb5"})
            w->setText(combo, "代码");
        w->setText("mmo1", "");
        w->setText("mmo2", "");
        QFile::remove(tools::Tfrmtihuan::logFile());
        QDir(tools::Tfrmtihuan::logFile()).removeRecursively();
    }
    QStringList infos() const {
        QStringList texts;
        for (const auto& call : fakePlatformCalls("information"))
            texts << call.text;
        return texts;
    }
    QVector<testing::PlatformCall> fakePlatformCalls(const QString& kind) const {
        return testing::fakePlatform().callsOf(kind);
    }
    core::Form* w = nullptr;
};

TEST_F(TihuanTest, RowsAndMenus) {
    EXPECT_EQ(w->windowTitle(), "代码替换");
    const QStringList kinds = {"图片", "链接", "文字", "代码"};
    for (const char* combo : {"cbb1", "cbb2", "cbb3", "cbb4", "cbb5"}) {
        auto* box = w->control<QComboBox>(combo);
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        EXPECT_EQ(items, kinds);
        EXPECT_EQ(w->text(combo), "代码");
    }
    const struct {
        const char* name;
        const char* caption;
    } actions[] = {{"N1", "粘贴"},       {"N2", "全选"},       {"N3", "复制"},       {"N11", "设为1信息"},
                   {"N21", "设为2信息"}, {"N31", "设为3信息"}, {"N41", "设为4信息"}, {"N51", "设为5信息"},
                   {"N4", "读取上次"},   {"N5", "保存信息"},   {"N6", "提取代码"},   {"N7", "帮助"}};
    for (const auto& a : actions) {
        auto* action = w->findChild<QAction*>(a.name);
        ASSERT_NE(action, nullptr) << a.name;
        EXPECT_EQ(action->text(), QString::fromUtf8(a.caption));
        EXPECT_TRUE(w->hasHandler(QString(a.name) + "Click"));
    }
}

TEST_F(TihuanTest, EachRowReplacesAndLogs) {
    // Row k: kind, find, replace, button.
    const struct {
        const char *kind, *find, *replace, *button;
    } rows[] = {{"cbb1", "edt1", "edt2", "btn4"},
                {"cbb2", "edt3", "edt4", "btn1"},
                {"cbb3", "edt5", "edt6", "btn3"},
                {"cbb4", "edt7", "edt8", "btn5"},
                {"cbb5", "edt9", "edt10", "btn6"}};
    w->setText("mmo1", "banana\r\nA.jpg B.jpg\rC\n");
    w->setText("cbb1", "图片");
    w->setText("edt1", "a");
    w->setText("edt2", "aa");
    w->fire("btn4Click");
    EXPECT_EQ(w->text("mmo1"), "baanaanaa\r\nA.jpg B.jpg\rC\n");
    for (int k = 1; k < 5; ++k) {
        const QString marker = QString("<%1>").arg(k);
        w->setText(rows[k].kind, "K" + QString::number(k));
        w->setText(rows[k].find, k == 1 ? "A.jpg" : k == 2 ? "B.jpg" : k == 3 ? "\rC" : "C\n");
        w->setText(rows[k].replace, marker);
        w->fire(QString(rows[k].button) + "Click");
    }
    // Row 5 found nothing: row 4 took "\rC" away first.
    EXPECT_EQ(w->text("mmo1"), "baanaanaa\r\n<1> <2><3>\n");
    EXPECT_EQ(infos(), QStringList({"替换完毕！", "替换完毕！", "替换完毕！", "替换完毕！", "木有找到！"}));
    EXPECT_EQ(w->text("mmo2"), "将图片：【a】 〓 【aa】\r\n"
                               "将K1：【A.jpg】 〓 【<1>】\r\n"
                               "将K2：【B.jpg】 〓 【<2>】\r\n"
                               "将K3：【\rC】 〓 【<3>】\r\n");
}

TEST_F(TihuanTest, NotFoundAndEmptyFindReplaceNothing) {
    w->setText("mmo1", "1.jpg 1.jpg");
    w->setText("edt3", "1.jpg");
    w->setText("edt4", "2.jpg");
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), "2.jpg 2.jpg");
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), "2.jpg 2.jpg");
    w->setText("edt4", "11.jpg");
    w->setText("edt3", "2.jpg");
    w->fire("btn1Click");
    w->fire("btn1Click"); // "11.jpg" holds no "2.jpg"
    w->setText("edt5", "");
    w->setText("edt6", "X");
    w->fire("btn3Click");
    EXPECT_EQ(w->text("mmo1"), "11.jpg 11.jpg");
    EXPECT_EQ(infos(), QStringList({"替换完毕！", "木有找到！", "替换完毕！", "木有找到！", "木有找到！"}));
    EXPECT_EQ(w->text("mmo2"), "将代码：【1.jpg】 〓 【2.jpg】\r\n将代码：【2.jpg】 〓 【11.jpg】\r\n");
    // A log typed without a final break gets its own line before the next entry.
    w->setText("mmo2", "typed");
    w->setText("edt3", "11");
    w->setText("edt4", "3");
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo2"), "typed\r\n将代码：【11】 〓 【3】\r\n");
}

TEST_F(TihuanTest, SelectionBecomesFindText) {
    auto* code = w->control<core::Memo>("mmo1");
    w->setText("mmo1", "<img src=\"a.jpg\">");
    QTextCursor cursor = code->textCursor();
    cursor.setPosition(10);
    cursor.setPosition(15, QTextCursor::KeepAnchor);
    code->setTextCursor(cursor);
    w->fire("N31Click");
    EXPECT_EQ(w->text("edt5"), "a.jpg");
    EXPECT_EQ(fake().clipboard, "a.jpg");
    // Without a selection the clipboard keeps its earlier text, which is taken.
    cursor.clearSelection();
    code->setTextCursor(cursor);
    fake().clipboard = "earlier";
    w->fire("N51Click");
    EXPECT_EQ(w->text("edt9"), "earlier");
    // Paste at the caret, select all, copy.
    cursor.setPosition(4);
    code->setTextCursor(cursor);
    fake().clipboard = "XY";
    w->fire("N1Click");
    EXPECT_EQ(w->text("mmo1"), "<imgXY src=\"a.jpg\">");
    w->fire("N2Click");
    w->fire("N3Click");
    EXPECT_EQ(fake().clipboard, "<imgXY src=\"a.jpg\">");
}

TEST_F(TihuanTest, CopyAndHelpMessages) {
    w->setText("mmo1", "a\r\nb");
    w->fire("N6Click");
    EXPECT_EQ(fake().clipboard, "a\r\nb");
    EXPECT_EQ(fake().lastMessage().text, "修改后的代码已被提取！");
    EXPECT_EQ(fake().lastMessage().title, "提示信息框");
    w->fire("N7Click");
    EXPECT_EQ(fake().lastMessage().text, "适合代码修改工作，例如海报轮播图片的替换或者连接的替换等！");
    EXPECT_EQ(fake().lastMessage().title, "提示信息框");
}

TEST_F(TihuanTest, LogIsSavedWholeAndReadBack) {
    const QString path = tools::Tfrmtihuan::logFile();
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
    }
    w->setText("mmo2", "将图片：【甲】 〓 【乙】\r\n将链接：【#】 〓 【http://a】\r\n");
    w->fire("N5Click");
    EXPECT_EQ(fake().lastMessage().text, "本次修改的信息已经保存！");
    EXPECT_EQ(fake().lastMessage().title, "提示信息框");
    EXPECT_EQ(testing::fileBytes(path), testing::gbk("将图片：【甲】 〓 【乙】\r\n将链接：【#】 〓 【http://a】\r\n"));
    EXPECT_EQ(QDir(core::programFolder()).entryList(QDir::Files).filter("替换信息").size(), 1);

    w->setText("mmo2", "other");
    w->control<QTabWidget>("pgc1")->setCurrentIndex(0);
    w->fire("N4Click");
    EXPECT_EQ(w->control<QTabWidget>("pgc1")->currentIndex(), 1);
    EXPECT_EQ(w->text("mmo2"), "将图片：【甲】 〓 【乙】\r\n将链接：【#】 〓 【http://a】\r\n");
    EXPECT_EQ(fake().lastMessage().text, "上次修改的信息已经恢复！");
}

TEST_F(TihuanTest, MissingOrUnwritableLogFile) {
    w->setText("mmo2", "kept");
    w->control<QTabWidget>("pgc1")->setCurrentIndex(0);
    w->fire("N4Click");
    EXPECT_EQ(w->control<QTabWidget>("pgc1")->currentIndex(), 1);
    EXPECT_EQ(w->text("mmo2"), "kept");
    ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_NE(fake().lastMessage().text, "上次修改的信息已经恢复！");

    // A folder in the file's place: the save fails and says so.
    ASSERT_TRUE(QDir().mkpath(tools::Tfrmtihuan::logFile()));
    fake().reset();
    w->fire("N5Click");
    ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_NE(fake().lastMessage().text, "本次修改的信息已经保存！");
    EXPECT_TRUE(QFileInfo(tools::Tfrmtihuan::logFile()).isDir());
}

} // namespace
