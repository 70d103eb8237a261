#include "tests/support/helpers.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// A failure message; a very long typed text may come back shortened in the box.
bool sameFailure(const QString& shown, const QString& expected) {
    if (expected.size() < 1000) return shown == expected;
    return shown.size() > 1000 && shown.startsWith(expected.left(500)) && shown.endsWith(expected.right(60));
}

class JsqTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        w = testing::form("Tfrmjsq");
        w->setText("edt1", "");
    }
    // Presses the calculator keys named by their captions.
    void press(const QStringList& keys) {
        for (const QString& key : keys) {
            const auto buttons = w->findChildren<QPushButton*>();
            QPushButton* found = nullptr;
            for (QPushButton* b : buttons)
                if (b->text() == key) found = b;
            ASSERT_NE(found, nullptr) << key.toStdString();
            w->fire(found->objectName() + "Click");
        }
    }
    void width(const QString& t, const QString& n, const QString& g) {
        w->setText("edt4", t);
        w->setText("edt5", n);
        w->setText("edt2", g);
    }
    core::Form* w = nullptr;
};

TEST_F(JsqTest, Defaults) {
    EXPECT_EQ(w->windowTitle(), "青梧掌柜之图片列表计算器单机版    技术：（旺旺）岚舟设计工作室 ");
    EXPECT_EQ(w->text("edt4"), "950");
    EXPECT_EQ(w->text("edt5"), "2");
    EXPECT_EQ(w->text("edt2"), "10");
    EXPECT_EQ(w->text("btn14"), "两边卡边");
    EXPECT_EQ(w->text("btn19"), "两边带边");
    for (const char* h : {"btn14Click", "btn19Click", "btn1Click", "btn13Click", "btn15Click", "btn4Click",
                          "btn8Click", "btn12Click", "btn16Click", "btn18Click"})
        EXPECT_TRUE(w->hasHandler(h)) << h;
}

TEST_F(JsqTest, PictureWidths) {
    const struct {
        QString t, n, g, bare, gapped;
    } cases[] = {
        {"950", "2", "10", "470", "460"},
        {"990", "3", "10", "323.333333333333", "316.666666666667"},
        {"750", "4", "0", "187.5", "187.5"},
        {"790", "1", "20", "790", "750"},
        {" 100.5 ", "2", "0.5", "50", "49.5"},
        {"100", "3", "60", "-6.66666666666667", "-46.6666666666667"},
    };
    for (const auto& c : cases) {
        width(c.t, c.n, c.g);
        w->fire("btn14Click");
        EXPECT_EQ(w->text("edt3"), c.bare) << c.t.toStdString() << "/" << c.n.toStdString();
        w->fire("btn19Click");
        EXPECT_EQ(w->text("edt3"), c.gapped) << c.t.toStdString() << "/" << c.n.toStdString();
    }
    EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
}

TEST_F(JsqTest, HostileNumbersFailAndKeepTheResult) {
    const QString big(200000, u'9');
    const struct {
        QString field, value, message;
    } cases[] = {
        {"edt4", "", "'' is not a valid floating point value"},
        {"edt4", "abc", "'abc' is not a valid floating point value"},
        {"edt5", "1,5", "'1,5' is not a valid floating point value"},
        {"edt2", "NaN", "'NaN' is not a valid floating point value"},
        {"edt4", "1e309", "'1e309' is not a valid floating point value"},
        {"edt4", big, "'" + big + "' is not a valid floating point value"},
        {"edt5", "0", "Floating point division by zero"},
        // Overflow of the gaps: no "inf" is ever written.
        {"edt2", "1e308", "'1e308' is not a valid floating point value"},
    };
    for (const auto& c : cases) {
        width("950", "2", "10");
        w->setText("edt3", "kept");
        w->setText(c.field, c.value);
        if (c.field == "edt2") w->setText("edt5", "1e10");
        EXPECT_EQ(testing::failureOf([&] { w->fire("btn14Click"); }), "<no failure>");
        EXPECT_EQ(w->text("edt3"), "kept") << c.value.left(20).toStdString();
        EXPECT_TRUE(sameFailure(fake().lastMessage().text, c.message)) << c.value.left(20).toStdString();
    }
    // Integers beyond 32 bits are still plain real numbers.
    width("2147483648", "2", "-2147483648");
    w->fire("btn14Click");
    EXPECT_EQ(w->text("edt3"), "2147483648");
}

TEST_F(JsqTest, CalculatorKeepsThePendingOperator) {
    press({"2", "加", "3", "="});
    EXPECT_EQ(w->text("edt1"), "5");
    press({"="});
    EXPECT_EQ(w->text("edt1"), "10");

    w->setText("edt1", "");
    press({"7", "减", "1", "0", "="});
    EXPECT_EQ(w->text("edt1"), "-3");

    w->setText("edt1", "");
    press({"1", "除", "3", "="});
    EXPECT_EQ(w->text("edt1"), "0.333333333333333");

    w->setText("edt1", "");
    press({"2", ".", "5", "乘", "4", "="});
    EXPECT_EQ(w->text("edt1"), "10");
    // Digits typed after a result extend it; the stored operand stays the result.
    press({"0", "="});
    EXPECT_EQ(w->text("edt1"), "1000");
}

TEST_F(JsqTest, CalculatorFailures) {
    press({"5", "除", "0"});
    EXPECT_EQ(testing::failureOf([&] { w->fire("btn18Click"); }), "<no failure>");
    EXPECT_EQ(fake().lastMessage().text, "Floating point division by zero");
    EXPECT_EQ(w->text("edt1"), "0");

    w->setText("edt1", "");
    press({"加"});
    w->fire("btn18Click");
    EXPECT_EQ(fake().lastMessage().text, "'' is not a valid floating point value");

    w->setText("edt1", "1e308");
    w->fire("btn12Click");
    w->setText("edt1", "10");
    w->fire("btn18Click");
    EXPECT_EQ(fake().lastMessage().text, "'10' is not a valid floating point value");
    EXPECT_EQ(w->text("edt1"), "10");
}

} // namespace
