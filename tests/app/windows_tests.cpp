// Rules every window keeps: hidden holders stay hidden, no placeholder is
// ever handed on as code, and hostile numbers end in the framework's message
// or an exact result, never in "inf", "nan" or an overflow.
#include "app/windows.h"
#include "core/handoff.h"
#include "tests/support/helpers.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

class WindowsTest : public testing::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        app::createWindows();
    }
};

QString boxText(const QWidget* box) {
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(box)) return plain->toPlainText();
    if (auto* rich = qobject_cast<const QTextEdit*>(box)) return rich->toPlainText();
    return {};
}

// Runs first, on the windows as start-up made them.
TEST_F(WindowsTest, AConvertButtonBeforeGeneratingHandsNothingOn) {
    const struct {
        const char* window;
        const char* handler;
        QString message;
    } cases[] = {
        {"TfrmLBfenceng", "btn2Click", core::generateFirst()},
        {"TfrmLBzhankai", "btn2Click", core::generateFirst()},
        {"Tfrmsantulunbo2", "btn3Click", core::generateFirst()},
        {"Tfrmlunbo", "btn3Click", core::generateFirst()},
        {"Tfrmtonglansuotu", "btn1Click", core::generateFirst()},
        {"Tfrmsantulunbo", "btn2Click", core::generateFirst()},
        {"Tfrmshishangtonglan", "btn3Click", core::generateFirst()},
        {"Tfrmjianyuelunbo", "btn4Click", core::generateFirst()},
        {"Tfrmfangkuai", "btn2Click", core::generateFirst()},
        {"Tfrmquanpingshipin", "btn3Click", "请先点击调试位置生成代码，再通栏转化！"},
        {"Tfrmquanpingshipin", "btn2Click", "请先点击调试位置生成代码，再复制代码！"},
    };
    core::Form* converter = testing::form("Tfrmtonglan3");
    const QString input = converter->text("mmo1");
    const QString height = converter->text("edt2");
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.window) + " " + c.handler);
        fake().reset();
        core::Form* w = testing::form(c.window);
        ASSERT_TRUE(w->fire(c.handler));
        EXPECT_FALSE(converter->isVisible());
        EXPECT_EQ(converter->text("mmo1"), input);
        EXPECT_EQ(converter->text("edt2"), height);
        EXPECT_FALSE(fake().clipboardSet);
        ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
        EXPECT_EQ(fake().lastMessage().text, c.message);
        EXPECT_EQ(fake().lastMessage().owner, c.window);
    }

    // The converter's preview hands nothing on before a conversion.
    fake().reset();
    converter->fire("btn2Click");
    EXPECT_FALSE(testing::form("Tfrmyulan")->isVisible());
    EXPECT_EQ(fake().lastMessage().text, "还没有转化代码，请先点击【重要】转化并提取代码，再预览一下！");
}

TEST_F(WindowsTest, ACountTypedByHandGeneratesNothingAndSaysWhatIsMissing) {
    core::Form* w = testing::form("Tfrmlunbo");
    w->setText("cbb1", "5");
    w->fire("btn1Click");
    EXPECT_EQ(w->text("mmo1"), "");
    EXPECT_EQ(fake().lastMessage().text, "请在选择张数中选择2、3或4张，再生成代码！");
    fake().reset();
    w->fire("btn3Click");
    EXPECT_EQ(fake().lastMessage().text, core::generateFirst());
    EXPECT_FALSE(testing::form("Tfrmtonglan3")->isVisible());
    w->setText("cbb1", "2");
}

TEST_F(WindowsTest, HoldersAndHiddenOutputsAreNeverSeenNorFocused) {
    for (core::Form* w : app::windows()) {
        SCOPED_TRACE(w->objectName().toStdString());
        w->showForm();
        QApplication::processEvents();
        const QRect client = w->rect();
        for (QWidget* child : w->findChildren<QWidget*>()) {
            if (child->isWindow()) continue;
            const std::string name = child->objectName().toStdString();
            if (core::Form::keptHidden(child)) {
                EXPECT_FALSE(child->isVisible()) << name;
                EXPECT_EQ(child->focusPolicy(), Qt::NoFocus) << name;
                continue;
            }
            if (!child->isVisible()) continue;
            // A box showing its own name is a placeholder left in view.
            const QString shown = boxText(child).trimmed();
            EXPECT_TRUE(shown.isEmpty() || shown != child->objectName()) << name;
            // Nothing visible lies outside the window, where it could only be reached by Tab.
            const QRect placed(child->mapTo(w, QPoint(0, 0)), child->size());
            EXPECT_TRUE(client.intersects(placed)) << name;
        }
        w->hide();
    }
}

TEST_F(WindowsTest, EveryWindowOpensWithItsTopLeftOnTheScreen) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    for (core::Form* w : app::windows()) {
        if (w->objectName() == "Tfrmmini") continue; // the toolbar sits at the top edge by design
        w->showForm();
        QApplication::processEvents();
        EXPECT_TRUE(area.contains(w->pos())) << w->objectName().toStdString();
        w->hide();
    }
}

// The window system adds the application's display name to a title that does
// not end with it: no title may come out naming the program twice.
TEST_F(WindowsTest, TitlesNameTheProgramAtMostOnce) {
    const QString program = QStringLiteral("青梧360");
    const bool nameAdded = QGuiApplication::applicationDisplayName() != QCoreApplication::applicationName();
    for (core::Form* w : app::windows()) {
        QString shown = w->windowTitle();
        if (nameAdded && !shown.endsWith(QGuiApplication::applicationDisplayName()))
            shown += QStringLiteral(" — ") + QGuiApplication::applicationDisplayName();
        EXPECT_LE(shown.count(program), 1) << shown.toStdString();
    }
}

// Outputs that hold a number computed by the program, never typed text.
const QRegularExpression kNotANumber(QStringLiteral("(?<![A-Za-z])-?(inf|nan)(?![A-Za-z])"),
                                     QRegularExpression::CaseInsensitiveOption);

bool frameworkMessage(const QString& message, const QString& typed) {
    return message == QStringLiteral("'%1' is not a valid integer value").arg(typed) ||
           message == QStringLiteral("'%1' is not a valid floating point value").arg(typed) ||
           message.startsWith(QStringLiteral("List index out of bounds ("));
}

TEST_F(WindowsTest, HostileNumbersEndInTheFrameworkMessageOrAnExactText) {
    QString longText(200000, u'9');
    const QStringList hostile = {
        "",      "   ",    "abc",   "-1",  "2147483647", "2147483648", "-2147483648", "99999999999999999999",
        "1e308", "-1e308", "1e309", "NaN", "INF",        "1,5",        longText,      "1\r2\n3\r\n4"};
    const struct {
        const char* window;
        const char* field;
        const char* handler; // empty: the field's own change handler computes
        QStringList outputs;
    } rows[] = {
        {"Tfrmtonglan3", "edt2", "", {"edt3"}},
        {"Tfrmtonglan3", "edt1", "btn1Click", {"mmo2"}},
        {"Tfrmtonglanbg", "edt2", "", {"edt3"}},
        {"Tfrmtonglanbg", "edt1", "btn1Click", {"mmo2"}},
        {"TfrmLBfenceng", "edt14", "btn1Click", {"lbl10", "mmo1"}},
        {"Tfrmsantulunbo", "edt1", "btn1Click", {"mmo1"}},
        {"Tfrmquanpingshipin", "edt2", "btn1Click", {"mmo1"}},
        {"Tfrmquanpingshipin", "edt7", "btn1Click", {"mmo1"}},
        {"Tfrmfangkuai", "edt1", "btn1Click", {"LastSnippet"}},
        {"Tfrmfangkuai", "cbb1", "btn1Click", {"LastSnippet"}},
        {"Tfrmjianyuelunbo", "edt1", "btn3Click", {"LastSnippet"}},
        {"Tfrmjianyuelunbo", "cbb1", "btn3Click", {"LastSnippet"}},
        {"Tfrmlunbo", "edt14", "btn1Click", {"mmo1"}},
        {"Tfrmlunbo", "cbb1", "btn1Click", {"mmo1"}},
    };
    for (const auto& row : rows) {
        core::Form* w = testing::form(row.window);
        const QString original = w->text(row.field);
        for (const QString& typed : hostile) {
            SCOPED_TRACE(std::string(row.window) + " " + row.field + " = " + typed.left(30).toStdString());
            fake().reset();
            w->setText(row.field, typed);
            // An edit keeps at most its maximum length of what was typed.
            const QString held = w->text(row.field);
            if (*row.handler) w->fire(row.handler);
            for (const auto& call : fake().callsOf("messageBox")) {
                if (call.title != fake().applicationTitle()) continue;
                EXPECT_TRUE(frameworkMessage(call.text, held)) << call.text.left(200).toStdString();
            }
            if (typed.contains(QStringLiteral("nan"), Qt::CaseInsensitive) ||
                typed.contains(QStringLiteral("inf"), Qt::CaseInsensitive))
                continue;
            for (const QString& output : row.outputs)
                EXPECT_FALSE(kNotANumber.match(w->text(output)).hasMatch()) << output.toStdString();
            EXPECT_FALSE(kNotANumber.match(fake().clipboard).hasMatch());
        }
        fake().reset();
        w->setText(row.field, original);
        EXPECT_TRUE(fake().callsOf("messageBox").isEmpty()) << row.window << " " << row.field;
    }
}

TEST_F(WindowsTest, IntegerEdgesAreComputedWithoutOverflow) {
    const struct {
        const char* window;
        const char* field;
        QString typed;
        const char* output;
        QString expected;
    } cases[] = {
        {"Tfrmtonglan3", "edt2", "-2147483648", "edt3", "-2147483668"},
        {"Tfrmtonglan3", "edt2", "2147483647", "edt3", "2147483627"},
        {"Tfrmtonglanbg", "edt2", "-2147483648", "edt3", "-2147483668"},
        {"TfrmLBfenceng", "edt14", "2147483647", "lbl10", "2147483687"},
        {"TfrmLBfenceng", "edt14", "-2147483648", "lbl10", "-2147483608"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.window) + " " + c.typed.toStdString());
        fake().reset();
        core::Form* w = testing::form(c.window);
        const QString original = w->text(c.field);
        w->setText(c.field, c.typed);
        EXPECT_EQ(w->text(c.output), c.expected);
        EXPECT_TRUE(fake().callsOf("messageBox").isEmpty());
        w->setText(c.field, original);
    }
    // One past the range is no integer: the derived value keeps its last text.
    core::Form* w = testing::form("TfrmLBfenceng");
    const QString before = w->text("lbl10");
    w->setText("edt14", "2147483648");
    EXPECT_EQ(fake().lastMessage().text, "'2147483648' is not a valid integer value");
    EXPECT_EQ(w->text("lbl10"), before);
}

TEST_F(WindowsTest, FloatsBeyondTheRangeFailNamingTheTypedText) {
    const struct {
        const char* window;
        QStringList fields;
        QStringList values;
        const char* handler;
        const char* output;
        QString message;
    } cases[] = {
        {"Tfrmsantulunbo",
         {"edt1"},
         {"1e308"},
         "btn1Click",
         "mmo1",
         "'1e308' is not a valid floating point value"},
        {"Tfrmquanpingshipin",
         {"edt2", "edt7"},
         {"1e308", "-1e308"},
         "btn1Click",
         "mmo1",
         "'1e308' is not a valid floating point value"},
        {"Tfrmquanpingshipin",
         {"edt2", "edt7"},
         {"-1e308", "1e308"},
         "btn1Click",
         "mmo1",
         "'-1e308' is not a valid floating point value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        core::Form* w = testing::form(c.window);
        QStringList originals;
        for (int i = 0; i < c.fields.size(); ++i) {
            originals << w->text(c.fields[i]);
            w->setText(c.fields[i], c.values[i]);
        }
        const QString before = w->text(c.output);
        fake().reset();
        w->fire(c.handler);
        ASSERT_EQ(fake().callsOf("messageBox").size(), 1);
        EXPECT_EQ(fake().lastMessage().text, c.message);
        EXPECT_EQ(w->text(c.output), before);
        for (int i = 0; i < c.fields.size(); ++i)
            w->setText(c.fields[i], originals[i]);
    }
}

} // namespace
