#include "core/exacttext.h"
#include "core/failure.h"
#include "core/form.h"
#include "core/text.h"
#include "tests/support/helpers.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

class SampleForm : public core::Form {
public:
    SampleForm()
        : core::Form("Tfrmsample", "样例") {
        addLabel(this, "lbl1", QRect(0, 0, 100, 20), "start");
        addEdit(this, "edt1", QRect(0, 30, 100, 20), "1");
        addEdit(this, "edt2", QRect(0, 60, 100, 20), "400");
        addEdit(this, "edt3", QRect(0, 90, 100, 20), "");
        addMemo(this, "mmo1", QRect(0, 120, 200, 100), {"line one", "line two"});
        addButton(this, "btn1", QRect(0, 230, 80, 24), "go");
        addButton(this, "btn2", QRect(90, 230, 80, 24), "second");
        addButton(this, "btn3", QRect(180, 230, 80, 24), "copy");
        addEdit(this, "edt15", QRect(0, 260, 100, 20), "#000");
        colorField("edt15");
        on("btn1Click", [this] {
            setText("lbl1", "done");
            core::parseInt(text("edt1"));
            setText("lbl1", "after");
        });
        on("btn2Click", [this] { setText("lbl1", "second"); });
        // Derived height kept at H - 20 on every change.
        on("edt2Change", [this] { setText("edt3", QString::number(core::parseInt(text("edt2")) - 20)); });
        on("btn3Click", [this] {
            setText("edt2", text("edt1"));
            setText("lbl1", "not reached when edt2 fails");
        });
    }
};

class FormTest : public testing::ProgramTest {};

// A window whose handler names may match nothing.
class WiredForm : public core::Form {
public:
    explicit WiredForm(const QStringList& handlers)
        : core::Form("Tfrmwired", "接线") {
        addButton(this, "btn1", QRect(0, 0, 80, 24), "go");
        addLabel(this, "lbl1", QRect(0, 30, 80, 24), "caption");
        for (const QString& handler : handlers)
            on(handler, [] {});
    }
    // A handler that a stand-in button raises.
    void onStandIn(const QString& handler, QPushButton* standIn, std::function<void()> action) {
        on(handler, standIn, &QPushButton::clicked, std::move(action));
    }
};

// What the wiring reports while it is not strict.
QStringList unwiredHandlers(const QStringList& handlers) {
    static QStringList reported;
    reported.clear();
    core::Form::setStrictWiring(false);
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&,
                                                                const QString& message) {
        if (message.contains("matches no control or event")) reported << message.section(' ', 1, 1);
    });
    { WiredForm form(handlers); }
    qInstallMessageHandler(previous);
    core::Form::setStrictWiring(true);
    return reported;
}

TEST_F(FormTest, AHandlerThatCouldNeverRunIsReported) {
    struct Case {
        const char* handler;
        bool wired;
    };
    const Case cases[] = {
        {"btn1Click", true},          {"btn1DblClick", true},   {"lbl1MouseEnter", true},
        {"FormShow", true},           {"FormCreate", true},     {"btn1MouseMove", true},
        {"btnlClick", false},         {"btn9Click", false},     {"lbl1Change", false},
        {"btn1Timer", false},         {"btn1", false},          {"btn1Clicked", false},
        {"wb1DocumentComplete", false}, {"Click", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(unwiredHandlers({c.handler}).isEmpty(), c.wired) << c.handler;
    EXPECT_EQ(unwiredHandlers({"btn9Click", "btn1Click", "lbl1Change"}),
              QStringList({"Tfrmwired::btn9Click", "Tfrmwired::lbl1Change"}));
}

TEST_F(FormTest, AHandlerRaisedByAnotherControlRunsFromItsSignal) {
    WiredForm form({});
    auto* stand = new QPushButton("stand-in", &form);
    int runs = 0;
    form.onStandIn("rzpnl1Click", stand, [&runs] { ++runs; });
    stand->click();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(form.fire("rzpnl1Click"));
    EXPECT_EQ(runs, 2);
}

TEST_F(FormTest, ObjectNamesAndTexts) {
    SampleForm form;
    EXPECT_EQ(form.objectName(), "Tfrmsample");
    EXPECT_EQ(form.windowTitle(), "样例");
    EXPECT_EQ(form.text("mmo1"), "line one\r\nline two\r\n");
    EXPECT_FALSE(form.fire("noSuchHandler"));
}

TEST_F(FormTest, FailingHandlerShowsTheErrorKeepsEarlierEffectsAndTheWindowWorks) {
    SampleForm form;
    form.setText("edt1", "abc");
    EXPECT_TRUE(form.fire("btn1Click"));
    EXPECT_EQ(form.text("lbl1"), "done");
    const testing::PlatformCall error = fake().lastMessage();
    EXPECT_EQ(error.text, "'abc' is not a valid integer value");
    EXPECT_EQ(error.title, "青梧360");
    EXPECT_EQ(error.owner, "Tfrmsample");

    fake().reset();
    form.control<QPushButton>("btn1")->click(); // through the widget signal
    EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_TRUE(form.fire("btn2Click"));
    EXPECT_EQ(form.text("lbl1"), "second");
    form.setText("edt1", "5");
    form.fire("btn1Click");
    EXPECT_EQ(form.text("lbl1"), "after");
}

TEST_F(FormTest, ChangeHandlersRunOnProgramWritesAndNestedFailuresStopTheWriter) {
    SampleForm form;
    form.setText("edt2", "600");
    EXPECT_EQ(form.text("edt3"), "580");
    EXPECT_TRUE(fake().calls.isEmpty());

    form.setText("edt1", "x");
    form.fire("btn3Click");
    EXPECT_EQ(form.text("edt2"), "x");
    EXPECT_EQ(form.text("edt3"), "580");
    EXPECT_NE(form.text("lbl1"), "not reached when edt2 fails");
    EXPECT_EQ(fake().callsOf("messageBox").size(), 1);
    EXPECT_EQ(fake().lastMessage().text, "'x' is not a valid integer value");
}

TEST_F(FormTest, MemoKeepsProgramTextAndUsesCrLfForTyping) {
    SampleForm form;
    auto* memo = form.control<core::Memo>("mmo1");
    form.setText("mmo1", "a\nb\rc");
    EXPECT_EQ(form.text("mmo1"), "a\nb\rc");
    memo->setText(QString());
    memo->setFocus();
    QTest::keyClicks(memo, "ab");
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, "cd");
    EXPECT_EQ(form.text("mmo1"), "ab\r\ncd");
    EXPECT_EQ(memo->lines(), (QStringList{"ab", "cd"}));
}

TEST_F(FormTest, RichEditTextKeepsNonBreakingSpacesAndUsesCrLf) {
    SampleForm form;
    auto* rich = new QTextEdit(&form);
    rich->setObjectName("redt1");
    rich->setPlainText(QString("a\u00A0b\nc"));
    EXPECT_EQ(form.text("redt1"), QString("a\u00A0b\r\nc"));
}

// Both boxes that hold text exactly: the memo and the rich edit.
template <class Box> void expectExactText(Box* box) {
    const QString mixed = "a\rb\nc\r\nd\r\r\n\u00A0e\n";
    box->setText(mixed);
    EXPECT_EQ(box->text(), mixed);
    EXPECT_EQ(box->document()->toPlainText().split('\n').size(), 7); // the lines shown

    // Typing at the end keeps every break before it; Enter types CR LF.
    QTextCursor cursor(box->document());
    cursor.movePosition(QTextCursor::End);
    box->setTextCursor(cursor);
    box->setFocus();
    QTest::keyClicks(box, "xy");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, "z");
    EXPECT_EQ(box->text(), mixed + "xy\r\nz");

    // An edit between two lone breaks changes only what was typed over.
    box->setText("1\r2\n3");
    cursor = QTextCursor(box->document());
    cursor.setPosition(2);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
    QTest::keyClicks(box, "two");
    EXPECT_EQ(box->text(), "1\rtwo\n3");

    // Deleting a break removes the whole break, CR LF included.
    box->setText("p\r\nq\rr");
    cursor = QTextCursor(box->document());
    cursor.setPosition(1);
    box->setTextCursor(cursor);
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(box->text(), "pq\rr");
    // Undo gives the break back as it was.
    box->undo();
    EXPECT_EQ(box->text(), "p\r\nq\rr");
    // Also lone breaks, whichever kind most lines end in; redo takes them again.
    for (const QString text : {"a\nb\nc\r\nd\re", "a\rb\r\nc"}) {
        box->setText(text);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        EXPECT_EQ(box->text(), "");
        box->undo();
        EXPECT_EQ(box->text(), text);
        box->redo();
        EXPECT_EQ(box->text(), "");
        box->undo();
        EXPECT_EQ(box->text(), text);
    }

    // Text put in through a cursor follows the same rule.
    box->setText("s\rt");
    cursor = QTextCursor(box->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText("u\nv");
    EXPECT_EQ(box->text(), "s\rtu\r\nv");

    // A change of formatting is no change of text.
    box->setText("f\rg\nh");
    cursor = QTextCursor(box->document());
    cursor.select(QTextCursor::Document);
    QTextCharFormat red;
    red.setForeground(Qt::red);
    cursor.mergeCharFormat(red);
    EXPECT_EQ(box->text(), "f\rg\nh");

    box->setText(QString());
    EXPECT_EQ(box->text(), "");
}

TEST_F(FormTest, MemoAndRichEditHoldTheirTextExactly) {
    SampleForm form;
    form.show();
    {
        SCOPED_TRACE("memo");
        expectExactText(form.control<core::Memo>("mmo1"));
    }
    {
        SCOPED_TRACE("rich edit");
        auto* rich = new core::RichEdit(&form);
        rich->setObjectName("redt2");
        rich->setGeometry(0, 300, 200, 100);
        rich->show();
        expectExactText(rich);
        form.setText("redt2", "one\rtwo");
        EXPECT_EQ(form.text("redt2"), "one\rtwo");
    }
}

// A line of shop markup longer than any piece the editor lays out at once.
QString longLine(int pieces) {
    QString line;
    for (int k = 0; line.size() < pieces * core::ExactText::kPieceLength + 100; ++k)
        line += QString("<li><a href=\"https://shop.example.invalid/item.htm?id=%1\">店铺%1</a></li>").arg(k);
    return line;
}

// No paragraph of the document is longer than a piece.
template <class Box> qsizetype longestParagraph(Box* box) {
    qsizetype longest = 0;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next())
        longest = std::max<qsizetype>(longest, block.length() - 1);
    return longest;
}

// Long lines are shown in pieces, and the pieces are the document's only:
// typing, deleting, Enter, pasting, copying, undo and redo keep the held text exact.
template <class Box> void expectLongLinesExact(Box* box) {
    const QString line = longLine(3);
    const QString held = "head\r" + line + "\n" + line + "\r\ntail";
    box->setText(held);
    EXPECT_EQ(box->text(), held);
    EXPECT_GE(box->document()->blockCount(), 1 + 2 * 4);
    EXPECT_LE(longestParagraph(box), core::ExactText::kPieceLength);
    box->setFocus();

    // The break between the first two pieces of the first long line, and
    // where the held text goes on after it.
    const QTextBlock second = box->document()->findBlockByNumber(2);
    const qsizetype goesOn = 5 + (second.position() - box->document()->findBlockByNumber(1).position() - 1);
    ASSERT_EQ(held.mid(5, goesOn - 5), box->document()->findBlockByNumber(1).text());

    // Typing at the start of a piece.
    QTextCursor cursor(second);
    box->setTextCursor(cursor);
    QTest::keyClicks(box, "xy");
    QString expected = held;
    expected.insert(goesOn, "xy");
    EXPECT_EQ(box->text(), expected);

    // Deleting the break between pieces deletes nothing held; undo and redo neither.
    cursor = QTextCursor(box->document()->findBlockByNumber(1));
    cursor.movePosition(QTextCursor::EndOfBlock);
    box->setTextCursor(cursor);
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(box->text(), expected);
    box->undo();
    EXPECT_EQ(box->text(), expected);
    box->redo();
    EXPECT_EQ(box->text(), expected);

    // Enter inside a piece is a typed CR LF; undone and redone as one.
    cursor = QTextCursor(box->document()->findBlockByNumber(1));
    cursor.setPosition(cursor.position() + 10);
    box->setTextCursor(cursor);
    QTest::keyClick(box, Qt::Key_Return);
    QString entered = expected;
    entered.insert(15, "\r\n");
    EXPECT_EQ(box->text(), entered);
    box->undo();
    EXPECT_EQ(box->text(), expected);
    box->redo();
    EXPECT_EQ(box->text(), entered);

    // Deleting across pieces and breaks.
    box->setText(held);
    cursor = QTextCursor(box->document());
    cursor.setPosition(3);
    cursor.setPosition(box->document()->findBlockByNumber(6).position() + 2, QTextCursor::KeepAnchor);
    const QString cut = box->exact().heldText(cursor.selectionStart(), cursor.selectionEnd());
    ASSERT_TRUE(held.mid(3).startsWith(cut));
    box->setTextCursor(cursor);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), held.left(3) + held.mid(3 + cut.size()));
    box->undo();
    EXPECT_EQ(box->text(), held);

    // Copying a selection over a break between pieces copies the held text.
    cursor = QTextCursor(box->document()->findBlockByNumber(1));
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.setPosition(cursor.position() - 3);
    cursor.setPosition(box->document()->findBlockByNumber(2).position() + 3, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
    box->copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), held.mid(goesOn - 3, 6));

    // Pasting a long line with lone breaks holds it exactly, shown in pieces,
    // and undo and redo give back exactly the text before and after.
    box->setText("[]");
    cursor = QTextCursor(box->document());
    cursor.setPosition(1);
    box->setTextCursor(cursor);
    const QString pasted = line + "\n" + line + "\r";
    QGuiApplication::clipboard()->setText(pasted);
    box->paste();
    EXPECT_EQ(box->text(), "[" + pasted + "]");
    // The first piece goes on the paragraph pasted into.
    EXPECT_LE(longestParagraph(box), core::ExactText::kPieceLength + 1);
    box->undo();
    EXPECT_EQ(box->text(), "[]");
    box->redo();
    EXPECT_EQ(box->text(), "[" + pasted + "]");
    box->setText(QString());
}

TEST_F(FormTest, LongLinesAreShownInPiecesAndHeldExactly) {
    SampleForm form;
    form.show();
    {
        SCOPED_TRACE("memo");
        expectLongLinesExact(form.control<core::Memo>("mmo1"));
    }
    {
        SCOPED_TRACE("rich edit");
        auto* rich = new core::RichEdit(&form);
        rich->setGeometry(0, 300, 200, 100);
        rich->show();
        expectLongLinesExact(rich);
    }
}

TEST_F(FormTest, ChangeHandlerOfARichEditSeesTheNewText) {
    SampleForm form;
    auto* rich = new core::RichEdit(&form);
    rich->setObjectName("redt3");
    QStringList seen;
    core::Form* owner = &form;
    QObject::connect(rich, &core::RichEdit::changed, owner, [&] { seen << owner->text("redt3"); });
    form.setText("redt3", "a\rb");
    QTextCursor cursor(rich->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText("c");
    EXPECT_EQ(seen.last(), "a\rbc");
}

TEST_F(FormTest, ColourFieldStartsOnTheLastChoiceAndKeepsTextOnCancel) {
    SampleForm form;
    fake().colors.enqueue(QColor(0, 165, 197));
    form.fire("edt15DblClick");
    EXPECT_EQ(form.text("edt15"), "#00A5C5");
    EXPECT_EQ(fake().lastInitialColor, QColor(Qt::black));
    form.fire("edt15DblClick"); // cancelled
    EXPECT_EQ(form.text("edt15"), "#00A5C5");
    EXPECT_EQ(fake().lastInitialColor, QColor(0, 165, 197));
    QTest::mouseDClick(form.control<QLineEdit>("edt15"), Qt::LeftButton);
    EXPECT_EQ(fake().callsOf("color").size(), 3);
}

} // namespace
