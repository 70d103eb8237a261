#pragma once

#include "core/platform.h"

#include <QColor>
#include <QGroupBox>
#include <QHash>
#include <QPlainTextEdit>
#include <QRect>
#include <QTextEdit>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMimeData;
class QPushButton;
class QRadioButton;
class QTimer;

namespace core {

class ExactText;
class FetchWait;

// A multi-line box whose text is exactly what it holds: lines it starts with
// each end in CR LF, text put in by the program or pasted is kept unchanged,
// and what the user types uses CR LF line breaks. Very long lines are shown in
// pieces, so that no text, however long its lines, is laid out at once.
class Memo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit Memo(QWidget* parent = nullptr);
    QString text() const;
    void setText(const QString& text);
    // Each line followed by CR LF.
    void setLines(const QStringList& lines);
    QStringList lines() const;
    // Replaces the selection (or inserts at the cursor) with text held exactly.
    void insertText(const QString& text);
    const ExactText& exact() const { return *m_exact; }

signals:
    void changed();

protected:
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    ExactText* m_exact;
};

// A rich edit used for plain text with character colours and styles. Like the
// memo it holds its text exactly and shows very long lines in pieces; colours
// are for display only and a write of the whole text drops them.
class RichEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit RichEdit(QWidget* parent = nullptr);
    QString text() const;
    // Writes the whole text into a fresh document: nothing of the old text,
    // neither its colours nor the bookkeeping of its many cursors, slows the
    // new one down.
    void setText(const QString& text);
    // Replaces the selection (or inserts at the cursor) with text held exactly.
    void insertText(const QString& text);
    const ExactText& exact() const { return *m_exact; }

    // Character colours. The editor is given those on screen only, so that
    // thousands of them never lay out more text than is looked at.
    void setColours(QList<QTextEdit::ExtraSelection> colours);
    const QList<QTextEdit::ExtraSelection>& colours() const { return m_colours; }

signals:
    void changed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    void follow(QTextDocument* document);
    void dropColours();
    void showVisibleColours();
    void scheduleVisibleColours();

    ExactText* m_exact;
    bool m_wholeTextReplaced = false;
    QList<QTextEdit::ExtraSelection> m_colours;
    bool m_coloursScheduled = false;
};

// A framed group of radio buttons that exposes the index of the checked item
// (-1 for none).
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent);
    int itemIndex() const;
    void setItemIndex(int index);
    QStringList items() const;

signals:
    void itemIndexChanged(int index);

private:
    QButtonGroup* m_group;
};

// Paints a field's background with a chosen colour, and with `alsoText` its
// text as well (a colour swatch).
void paintField(QWidget* field, const QColor& colour, bool alsoText = false);

// The base of every window: a top-level widget named after its class, whose
// controls carry their design names and whose handlers are registered by name
// and run through one failure guard.
class Form : public QWidget {
    Q_OBJECT
public:
    // Makes a handler name that matches no control or event fatal (debug
    // builds and the tests); otherwise it is only reported.
    static void setStrictWiring(bool strict);

    Form(const QString& className, const QString& caption, QWidget* parent = nullptr);

    // Runs the named handler; false for an unknown name. At the outermost
    // level a failing handler shows the generic error box and the window stays
    // usable; nested failures propagate to the outermost handler.
    bool fire(const QString& name);
    bool hasHandler(const QString& name) const;
    // Runs an action as one of the window's commands, as a handler runs:
    // through the failure guard, and refused while the window waits.
    void command(const std::function<void()>& action);

    // The text of any control: an edit's, a memo's (exactly what it holds), a
    // label's or button's caption, a combo box's text.
    QString text(const QString& control) const;
    void setText(const QString& control, const QString& value);

    // The named control; fails when it does not exist or has another class.
    template <class T = QWidget> T* control(const QString& name) const {
        T* found = findChild<T*>(name);
        if (!found) missingControl(name);
        return found;
    }

    // Shows the window, restores it if minimised and brings it to the front.
    void showForm();
    // The first time a window is shown it grows with the font, fits the
    // screen (scrolling its contents where it must) and is centred.
    void setVisible(bool visible) override;

    // A modal message box owned by this window, one OK button, no icon.
    void message(const QString& text, const QString& title = QStringLiteral("提示信息"));

    // Selects the whole memo and copies it to the clipboard as plain text.
    void copyMemo(const QString& memo);
    // Copies the memo, gives it the focus and shows the notice.
    void copyOut(const QString& memo, const QString& notice);
    // Replaces the memo's text with the snippet, then copies it out.
    void deliver(const QString& memo, const QString& snippet, const QString& notice);

    // Whether a box holds code: text that is not empty and not the placeholder
    // the box was made with.
    bool hasOutput(const QString& box) const;
    // Where nothing was generated yet, says what is missing and answers false:
    // no placeholder is ever copied or handed on as code.
    bool needOutput(const QString& box, const QString& missing);

    // Whether the window waits for the network. Meanwhile its commands are
    // refused (they do nothing); its timers, page loads and closing still run.
    bool busy() const { return m_wait != nullptr; }
    // Ends the window's wait at once: its transfers stop and the steps that
    // were to follow them do not run.
    void cancelWait();

    // Hides a control for good: never shown, never focused.
    static void keepHidden(QWidget* control);
    // Whether a control was made to stay hidden.
    static bool keptHidden(const QWidget* control);

protected:
    // Registers a handler. A handler named after a control and an event
    // (Click, DblClick, Change, MouseEnter, MouseLeave, MouseDown, Timer) is
    // wired to that control, so the control must exist already. Handlers the
    // window runs itself are named after the form (FormShow) or a control and
    // an event (wb1DocumentComplete, edt1KeyDown). A name that matches no
    // control and event is reported, and is fatal where wiring is strict.
    void on(const QString& handler, std::function<void()> action);
    // Registers a handler raised by a signal of another object: a menu item
    // or a button standing in for the control the handler is named after.
    template <class Sender, class Signal>
    void on(const QString& handler, Sender* sender, Signal signal, std::function<void()> action) {
        m_handlers[handler] = std::move(action);
        connect(sender, signal, this, [this, handler] { dispatch(handler); });
    }

    // Makes an edit a colour field: a double-click opens the colour chooser,
    // starting on the colour chosen last in this window, and writes the colour
    // as "#RRGGBB". `chosen` runs after a confirmed choice.
    void colorField(const QString& edit, std::function<void(const QColor&)> chosen = {});
    std::optional<QColor> chooseColorInto(const QString& edit);

    // Controls placed at their design position on `parent`.
    QLineEdit* addEdit(QWidget* parent, const QString& name, const QRect& geometry, const QString& text = {});
    Memo* addMemo(QWidget* parent, const QString& name, const QRect& geometry, const QStringList& lines = {});
    QLabel* addLabel(QWidget* parent, const QString& name, const QRect& geometry, const QString& caption);
    QPushButton* addButton(QWidget* parent, const QString& name, const QRect& geometry,
                           const QString& caption);
    QComboBox* addCombo(QWidget* parent, const QString& name, const QRect& geometry, const QStringList& items,
                        const QString& text);
    QRadioButton* addRadio(QWidget* parent, const QString& name, const QRect& geometry,
                           const QString& caption, bool checked = false);
    QCheckBox* addCheck(QWidget* parent, const QString& name, const QRect& geometry, const QString& caption,
                        bool checked = false);
    QGroupBox* addGroup(QWidget* parent, const QString& name, const QRect& geometry, const QString& caption);
    RadioGroup* addRadioGroup(QWidget* parent, const QString& name, const QRect& geometry,
                              const QString& caption, const QStringList& items, int index, int columns = 1);
    // A plain caption without a design name.
    QLabel* addCaption(QWidget* parent, const QRect& geometry, const QString& caption);
    // Template holders: hidden controls whose text is a fixed fragment.
    QLabel* addHolder(const QString& name, const QString& text);
    Memo* addHolderMemo(const QString& name, const QStringList& lines);
    // An output memo the user never sees: it receives the code for the
    // clipboard and the hand-offs only.
    Memo* addOutputMemo(const QString& name, const QStringList& lines = {});

    QTimer* addTimer(const QString& name, int interval, bool enabled);

    // The next steps of the running command wait for the network: the
    // requests are fetched, each distinct address once and at most
    // `simultaneous` at a time (0: the program's pool size); `each` runs as
    // each ends, in the order they end, and `done` after the last. Both run as
    // steps of the command, through its failure guard: a failure shows the
    // error box and ends the command, stopping the transfers left. A step may
    // start the next wait. Meanwhile the window is busy (see busy()): a busy
    // cursor shows after half a second, and Esc or the stop button cancels.
    void fetchThen(const QList<FetchRequest>& requests, std::function<void(const Fetched&)> each,
                   std::function<void()> done = {}, int simultaneous = 0);
    void fetchThen(const FetchRequest& request, std::function<void(const Fetched&)> then);
    // A button that cancels the window's waits, enabled only while it waits.
    void setStopButton(QAbstractButton* button);

    // Moving a control after start-up: the geometry is given in the design's
    // units and grows with the font as the window did.
    void place(QWidget* control, const QRect& designGeometry);
    QSize design(const QSize& size) const;

    // A fixed-size window with the given client area, centred when first shown.
    void setClientSize(int width, int height);

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Runs a handler from a widget signal or event.
    void dispatch(const QString& name);

signals:
    // The window starts or stops waiting for the network.
    void busyChanged(bool busy);
    // The user cancelled a wait.
    void waitCancelled();

private:
    // A hidden window gives back its image of the screen (the backing store
    // and the window system's window); showing it again makes them anew.
    void releaseScreen();
    [[noreturn]] void missingControl(const QString& name) const;
    void guarded(const std::function<void()>& action);
    // Connects a handler named after a control and an event to that control;
    // false when the name matches no control of this window or no event.
    bool wire(const QString& handler);
    // Runs a handler step; the failure's message, or nothing.
    std::optional<QString> attempt(const std::function<void()>& action);
    void showFailure(const QString& message);
    void endWait();
    bool refused(const QString& handler) const;
    friend class FetchWait;

    std::map<QString, std::function<void()>> m_handlers;
    QHash<QObject*, QHash<int, QString>> m_events;
    QColor m_lastColor = Qt::black;
    void placeOnScreen();

    bool m_placed = false;
    double m_scale = 1.0;
    FetchWait* m_wait = nullptr;
    QAbstractButton* m_stopButton = nullptr;
};

} // namespace core
