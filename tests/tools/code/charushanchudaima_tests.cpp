#include "tests/support/helpers.h"

#include <gtest/gtest.h>

namespace {

const QString kHead = "<!--岚舟插入代码头-->";
const QString kTail = "<!--岚舟插入代码尾-->";

class CharuTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmcharushanchudaima");
    }
    core::Form* w = nullptr;
};

TEST_F(CharuTest, InsertPutsTheOwnCodeInFront) {
    EXPECT_EQ(w->text("btn1"), "插入代码");
    EXPECT_EQ(w->text("btn2"), "清除上次插入");
    w->setText("mmo1", "B1\r\nB2");
    w->setText("mmo2", "A");
    w->fire("btn1Click");
    const QString out = kHead + "<p>A</p>" + kTail + "<p>B1\r\nB2</p>";
    EXPECT_EQ(w->text("mmo3"), out);
    EXPECT_EQ(fake().clipboard, out);
    const auto infos = fake().callsOf("information");
    ASSERT_EQ(infos.size(), 2);
    EXPECT_EQ(infos[0].text, "插入代码 - 处理完的代码提取完毕！");
    EXPECT_EQ(infos[1].text, "处理完的代码提取完毕！");
    EXPECT_EQ(fake().applicationTitle(), "提示信息");
}

TEST_F(CharuTest, RemoveDropsTheMarkedBlock) {
    const struct {
        QString code, result;
    } cases[] = {
        {kHead + "\r\n<p>A</p>\r\n" + kTail + "\r\n<p>\r\nB\r\n</p>", "<p>B</p>"},
        {"x\ny\rz\r\n", "xyz"},
        // The one-line output of an insertion has no marker lines.
        {kHead + "<p>A</p>" + kTail + "<p>B</p>", kHead + "<p>A</p>" + kTail + "<p>B</p>"},
        // A marker with blanks around it is no marker.
        {" " + kHead + "\r\nA\r\n" + kTail + " \r\nB", " " + kHead + "A" + kTail + " B"},
        // Copy mode keeps a later head marker; a tail marker starts skipping.
        {"a\r\n" + kHead + "\r\nb\r\n" + kTail + "\r\nc\r\n" + kTail + "\r\nd", "a" + kHead + "bd"},
        // A tail marker on the first line skips to the next tail marker.
        {kTail + "\r\nx\r\n" + kTail + "\r\ny", "y"},
        {"", ""},
    };
    for (const auto& c : cases) {
        fake().reset();
        w->setText("mmo1", c.code);
        w->fire("btn2Click");
        EXPECT_EQ(w->text("mmo3"), c.result) << c.code.toStdString();
        EXPECT_EQ(fake().clipboard, c.result);
        const auto infos = fake().callsOf("information");
        ASSERT_EQ(infos.size(), 2);
        EXPECT_EQ(infos[0].text, "清除上次插入代码 - 处理完的代码提取完毕！");
        EXPECT_EQ(infos[1].text, "处理完的代码提取完毕！");
    }
}

TEST_F(CharuTest, DoubleClickEmptiesABox) {
    for (const char* memo : {"mmo1", "mmo2"}) {
        w->setText(memo, "something");
        w->fire(QString(memo) + "DblClick");
        EXPECT_EQ(w->text(memo), "");
    }
}

} // namespace
