#include "core/form.h"

#include "core/exacttext.h"
#include "core/failure.h"
#include "core/fetch.h"
#include "core/fit.h"
#include "core/presets.h"
#include "core/shoppreview.h"
#include "core/text.h"

#include <QAbstractSlider>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextDocumentLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QTextDocument>
#include <QTextEdit>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace core {

namespace {

// Event-loop levels of the handlers running now: a handler started in the same
// loop as the innermost running one is nested in it.
std::vector<int> g_running;
// A failure of a nested handler started by a widget signal, rethrown in the
// handler that caused the signal.
std::optional<Failure> g_pending;

int loopLevel() {
    return QThread::currentThread()->loopLevel();
}

bool nested() {
    return !g_running.empty() && g_running.back() == loopLevel();
}

void rethrowPending() {
    if (g_pending) {
        Failure failure = *g_pending;
        g_pending.reset();
        throw failure;
    }
}

} // namespace

namespace {

// The selection of a box as it holds it, for the clipboard and for dragging.
QMimeData* exactSelection(const QTextCursor& cursor, const ExactText& exact) {
    auto* data = new QMimeData;
    data->setText(exact.heldText(cursor.selectionStart(), cursor.selectionEnd()));
    return data;
}

// Replaces the selection of a box with text held exactly.
void insertExactly(QPlainTextEdit* box, ExactText* exact, const QString& text) {
    QTextCursor cursor = box->textCursor();
    exact->insert(cursor, text);
    box->setTextCursor(cursor);
}

// Pasted or dropped text, held exactly; false for what is no text.
bool pasteExactly(QPlainTextEdit* box, ExactText* exact, const QMimeData* source) {
    if (!source || !source->hasText() || box->isReadOnly()) return false;
    insertExactly(box, exact, source->text());
    box->ensureCursorVisible();
    return true;
}

} // namespace

Memo::Memo(QWidget* parent)
    : QPlainTextEdit(parent)
    , m_exact(new ExactText(document(), this)) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    installEventFilter(m_exact);
    connect(this, &QPlainTextEdit::textChanged, this, &Memo::changed);
}

void Memo::insertText(const QString& text) {
    insertExactly(this, m_exact, text);
}

void Memo::insertFromMimeData(const QMimeData* source) {
    if (!pasteExactly(this, m_exact, source)) QPlainTextEdit::insertFromMimeData(source);
}

QMimeData* Memo::createMimeDataFromSelection() const {
    return exactSelection(textCursor(), *m_exact);
}

QString Memo::text() const {
    return m_exact->text();
}

void Memo::setText(const QString& text) {
    m_exact->setText(text, [this](const QString& shown) { setPlainText(shown); });
}

void Memo::setLines(const QStringList& lines) {
    setText(joinLines(lines));
}

QStringList Memo::lines() const {
    return textLines(text());
}

void paintField(QWidget* field, const QColor& colour, bool alsoText) {
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colour);
    if (alsoText) palette.setColor(QPalette::Text, colour);
    field->setPalette(palette);
}

RichEdit::RichEdit(QWidget* parent)
    : QPlainTextEdit(parent)
    , m_exact(new ExactText(document(), this)) {
    installEventFilter(m_exact);
    follow(document());
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        // Colours belong to the text they were given for: replacing all of it,
        // as select-all and paste does, drops them too.
        if (m_wholeTextReplaced) {
            m_wholeTextReplaced = false;
            dropColours();
        }
        scheduleVisibleColours();
        emit changed();
    });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &RichEdit::scheduleVisibleColours);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &RichEdit::scheduleVisibleColours);
}

void RichEdit::setColours(QList<QTextEdit::ExtraSelection> colours) {
    std::sort(colours.begin(), colours.end(), [](const auto& a, const auto& b) {
        return a.cursor.selectionStart() < b.cursor.selectionStart();
    });
    m_colours = std::move(colours);
    showVisibleColours();
}

void RichEdit::dropColours() {
    m_colours.clear();
    setExtraSelections({});
}

void RichEdit::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    scheduleVisibleColours();
}

void RichEdit::insertText(const QString& text) {
    insertExactly(this, m_exact, text);
}

void RichEdit::insertFromMimeData(const QMimeData* source) {
    if (!pasteExactly(this, m_exact, source)) QPlainTextEdit::insertFromMimeData(source);
}

QMimeData* RichEdit::createMimeDataFromSelection() const {
    return exactSelection(textCursor(), *m_exact);
}

void RichEdit::scheduleVisibleColours() {
    if (m_colours.isEmpty() || m_coloursScheduled) return;
    m_coloursScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_coloursScheduled = false;
        showVisibleColours();
    });
}

void RichEdit::showVisibleColours() {
    if (m_colours.isEmpty()) {
        if (!extraSelections().isEmpty()) setExtraSelections({});
        return;
    }
    // The characters from the top left to the bottom right of the view, and
    // about a screen more on either side for a smooth scroll.
    const QRect view = viewport()->rect();
    const int top = cursorForPosition(QPoint(0, 0)).position();
    const int bottom = cursorForPosition(QPoint(view.width(), view.height())).position();
    const int margin = std::max(2000, bottom - top);
    const int first = top - margin;
    const int last = bottom + margin;
    const auto from =
        std::lower_bound(m_colours.cbegin(), m_colours.cend(), first,
                         [](const auto& colour, int at) { return colour.cursor.selectionEnd() < at; });
    QList<QTextEdit::ExtraSelection> shown;
    for (auto it = from; it != m_colours.cend() && it->cursor.selectionStart() <= last; ++it)
        shown << *it;
    setExtraSelections(shown);
}

void RichEdit::follow(QTextDocument* document) {
    connect(document, &QTextDocument::contentsChange, this, [this, document](int from, int, int added) {
        if (from == 0 && added >= document->characterCount() - 1) m_wholeTextReplaced = true;
    });
}

QString RichEdit::text() const {
    return m_exact->text();
}

void RichEdit::setText(const QString& text) {
    dropColours();
    // The editor's first document belongs to the editor and goes with the
    // switch; later ones are this box's own.
    QTextDocument* old = document()->parent() == this ? document() : nullptr;
    auto* fresh = new QTextDocument(this);
    fresh->setDocumentLayout(new QPlainTextDocumentLayout(fresh));
    fresh->setDefaultFont(font());
    fresh->setDocumentMargin(document()->documentMargin());
    fresh->setDefaultTextOption(document()->defaultTextOption());
    m_exact->attach(fresh);
    m_exact->setText(text, [fresh](const QString& shown) { fresh->setPlainText(shown); });
    follow(fresh);
    setDocument(fresh);
    delete old;
    emit textChanged();
}

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(caption, parent)
    , m_group(new QButtonGroup(this)) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    const int perColumn = (items.size() + columns - 1) / std::max(1, columns);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        m_group->addButton(button, i);
        layout->addWidget(button, i % std::max(1, perColumn), i / std::max(1, perColumn));
    }
    connect(m_group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) emit itemIndexChanged(id);
    });
}

int RadioGroup::itemIndex() const {
    return m_group->checkedId();
}

void RadioGroup::setItemIndex(int index) {
    if (QAbstractButton* button = m_group->button(index)) {
        button->setChecked(true);
        return;
    }
    if (QAbstractButton* checked = m_group->checkedButton()) {
        m_group->setExclusive(false);
        checked->setChecked(false);
        m_group->setExclusive(true);
    }
}

QStringList RadioGroup::items() const {
    QStringList texts;
    for (QAbstractButton* button : m_group->buttons())
        texts << button->text();
    return texts;
}

Form::Form(const QString& className, const QString& caption, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(className);
    setWindowTitle(caption);
}

bool Form::hasHandler(const QString& name) const {
    return m_handlers.count(name) > 0;
}

// A window's wait for the network: the transfers of its current step, the
// busy cursor and the Esc key.
class FetchWait : public QObject {
public:
    explicit FetchWait(Form* form)
        : QObject(form)
        , m_form(form) {
        m_cursor.setSingleShot(true);
        connect(&m_cursor, &QTimer::timeout, this, [this] {
            m_form->setCursor(Qt::BusyCursor);
            m_cursorShown = true;
        });
        m_cursor.start(fetchLimits().busyCursorMs);
        qApp->installEventFilter(this);
    }

    // Ends the wait: no transfer of it goes on and nothing of it shows.
    void stop() {
        qApp->removeEventFilter(this);
        if (m_batch) m_batch->cancel();
        hideCursor();
    }

    void hideCursor() {
        m_cursor.stop();
        if (m_cursorShown) m_form->unsetCursor();
        m_cursorShown = false;
    }

    void start(const QList<FetchRequest>& requests, int simultaneous, std::function<void(const Fetched&)> each,
               std::function<void()> done) {
        if (m_batch) m_batch->deleteLater();
        auto* batch = new FetchBatch(this);
        m_batch = batch;
        batch->start(
            requests, simultaneous > 0 ? simultaneous : fetchLimits().simultaneous,
            [this, batch, each](const Fetched& result) {
                step(batch, [&] {
                    if (each) each(result);
                }, false);
            },
            [this, batch, done] {
                step(batch, [&] {
                    if (done) done();
                }, true);
            });
    }

    bool stepping() const { return m_stepping; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->window() == m_form) {
                m_form->cancelWait();
                return true;
            }
        }
        return false;
    }

private:
    // One step of the command: a failure ends the wait before its box shows,
    // so no other step runs behind the box.
    void step(FetchBatch* batch, const std::function<void()>& action, bool last) {
        if (m_form->m_wait != this || batch != m_batch) return;
        if (last) hideCursor();
        m_stepping = true;
        const std::optional<QString> error = m_form->attempt(action);
        if (m_form->m_wait != this) return; // the step cancelled the wait
        m_stepping = false;
        if (error) {
            m_form->endWait();
            m_form->showFailure(*error);
        } else if (last && batch == m_batch) {
            m_form->endWait(); // the last step started no further wait
        }
    }

    Form* m_form;
    FetchBatch* m_batch = nullptr;
    QTimer m_cursor;
    bool m_cursorShown = false;
    bool m_stepping = false;
};

bool Form::refused(const QString& handler) const {
    // Handlers that the command's own steps set off run as part of them.
    if (!m_wait || m_wait->stepping()) return false;
    return !(handler.endsWith(QLatin1String("Timer")) || handler.endsWith(QLatin1String("DocumentComplete")) ||
             handler == QLatin1String("FormShow") || handler == QLatin1String("FormClose"));
}

void Form::fetchThen(const QList<FetchRequest>& requests, std::function<void(const Fetched&)> each,
                     std::function<void()> done, int simultaneous) {
    if (m_wait && !m_wait->stepping()) fail(QStringLiteral("窗口正在下载，请稍候，或按 Esc 取消。"));
    const bool fresh = !m_wait;
    if (fresh) m_wait = new FetchWait(this);
    m_wait->start(requests, simultaneous, std::move(each), std::move(done));
    if (fresh) {
        if (m_stopButton) m_stopButton->setEnabled(true);
        emit busyChanged(true);
    }
}

void Form::fetchThen(const FetchRequest& request, std::function<void(const Fetched&)> then) {
    fetchThen(QList<FetchRequest>{request}, std::move(then), {}, 1);
}

void Form::setStopButton(QAbstractButton* button) {
    m_stopButton = button;
    button->setEnabled(busy());
    connect(button, &QAbstractButton::clicked, this, &Form::cancelWait);
}

void Form::endWait() {
    if (!m_wait) return;
    FetchWait* wait = m_wait;
    m_wait = nullptr;
    wait->stop();
    wait->deleteLater();
    if (m_stopButton) m_stopButton->setEnabled(false);
    emit busyChanged(false);
}

void Form::cancelWait() {
    if (!m_wait) return;
    endWait();
    emit waitCancelled();
}

bool Form::fire(const QString& name) {
    const auto it = m_handlers.find(name);
    if (it == m_handlers.end()) return false;
    if (refused(name)) return true;
    const std::function<void()> action = it->second;
    if (nested()) {
        action();
        rethrowPending();
    } else {
        guarded(action);
    }
    return true;
}

void Form::command(const std::function<void()>& action) {
    if (m_wait && !m_wait->stepping()) return;
    if (nested()) {
        action();
        rethrowPending();
    } else {
        guarded(action);
    }
}

void Form::dispatch(const QString& name) {
    const auto it = m_handlers.find(name);
    if (it == m_handlers.end() || refused(name)) return;
    const std::function<void()> action = it->second;
    if (!nested()) {
        guarded(action);
        return;
    }
    // Started by a signal inside another handler: the failure must not unwind
    // through the toolkit, so it waits for the handler that caused the signal.
    try {
        action();
    } catch (const Failure& failure) {
        if (!g_pending) g_pending = failure;
    }
}

void Form::guarded(const std::function<void()>& action) {
    if (const std::optional<QString> error = attempt(action)) showFailure(*error);
}

std::optional<QString> Form::attempt(const std::function<void()>& action) {
    g_running.push_back(loopLevel());
    std::optional<QString> error;
    try {
        action();
        rethrowPending();
    } catch (const Failure& failure) {
        error = failure.message();
    } catch (const std::exception& exception) {
        error = QString::fromUtf8(exception.what());
    }
    g_running.pop_back();
    g_pending.reset();
    return error;
}

void Form::showFailure(const QString& message) {
    platform().messageBox(this, message, platform().applicationTitle(), Buttons::Ok, Icon::Error);
}

void Form::missingControl(const QString& name) const {
    fail(QStringLiteral("Component '%1' not found on %2").arg(name, objectName()));
}

QString Form::text(const QString& name) const {
    QObject* object = findChild<QObject*>(name);
    if (auto* edit = qobject_cast<QLineEdit*>(object)) return edit->text();
    if (auto* memo = qobject_cast<Memo*>(object)) return memo->text();
    if (auto* exact = qobject_cast<RichEdit*>(object)) return exact->text();
    if (auto* rich = qobject_cast<QTextEdit*>(object)) {
        // The raw text keeps non-breaking spaces, which the plain text turns into blanks.
        QString raw = rich->document()->toRawText();
        raw.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
        return raw.replace(u'\n', QStringLiteral("\r\n"));
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(object))
        return plain->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
    if (auto* combo = qobject_cast<QComboBox*>(object)) return combo->currentText();
    if (auto* label = qobject_cast<QLabel*>(object)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(object)) return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(object)) return group->title();
    if (auto* date = qobject_cast<QDateTimeEdit*>(object)) return date->text();
    if (auto* widget = qobject_cast<QWidget*>(object)) return widget->windowTitle();
    missingControl(name);
}

void Form::setText(const QString& name, const QString& value) {
    QObject* object = findChild<QObject*>(name);
    if (auto* edit = qobject_cast<QLineEdit*>(object))
        edit->setText(value);
    else if (auto* memo = qobject_cast<Memo*>(object))
        memo->setText(value);
    else if (auto* exact = qobject_cast<RichEdit*>(object))
        exact->setText(value);
    else if (auto* rich = qobject_cast<QTextEdit*>(object))
        rich->setPlainText(value);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(object))
        plain->setPlainText(value);
    else if (auto* combo = qobject_cast<QComboBox*>(object))
        combo->isEditable() ? combo->setEditText(value) : combo->setCurrentText(value);
    else if (auto* label = qobject_cast<QLabel*>(object))
        label->setText(value);
    else if (auto* button = qobject_cast<QAbstractButton*>(object))
        button->setText(value);
    else if (auto* group = qobject_cast<QGroupBox*>(object))
        group->setTitle(value);
    else if (auto* widget = qobject_cast<QWidget*>(object))
        widget->setWindowTitle(value);
    else
        missingControl(name);
    // A change handler that failed on this write stops the writer too.
    if (nested()) rethrowPending();
}

void Form::showForm() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void Form::message(const QString& text, const QString& title) {
    platform().messageBox(this, text, title, Buttons::Ok, Icon::None);
}

void Form::copyMemo(const QString& memo) {
    setProperty("deliveredBox", memo); // what the shop preview shows
    if (auto* box = findChild<QPlainTextEdit*>(memo)) box->selectAll();
    platform().setClipboardText(text(memo));
}

void Form::copyOut(const QString& memo, const QString& notice) {
    copyMemo(memo);
    control<QWidget>(memo)->setFocus();
    message(notice);
}

void Form::deliver(const QString& memo, const QString& snippet, const QString& notice) {
    setText(memo, snippet);
    copyOut(memo, notice);
}

bool Form::hasOutput(const QString& box) const {
    const QString held = text(box);
    const QObject* object = findChild<QObject*>(box);
    return !held.isEmpty() && held != object->property("placeholder").toString();
}

bool Form::needOutput(const QString& box, const QString& missing) {
    if (hasOutput(box)) return true;
    message(missing);
    return false;
}

namespace {

#ifdef NDEBUG
bool g_strictWiring = false;
#else
bool g_strictWiring = true;
#endif

} // namespace

void Form::setStrictWiring(bool strict) {
    g_strictWiring = strict;
}

void Form::on(const QString& handler, std::function<void()> action) {
    m_handlers[handler] = std::move(action);
    if (wire(handler)) return;
    const QByteArray where = (objectName() + QStringLiteral("::") + handler).toUtf8();
    if (g_strictWiring) qFatal("Handler %s matches no control or event", where.constData());
    qWarning("Handler %s matches no control or event", where.constData());
}

bool Form::wire(const QString& handler) {
    // Events the window raises itself: run through fire(), never wired.
    static const QStringList ownEvents = {
        QStringLiteral("DocumentComplete"), QStringLiteral("KeyPress"), QStringLiteral("KeyDown"),
        QStringLiteral("Execute"),          QStringLiteral("MouseWheel"), QStringLiteral("MouseMove"),
        QStringLiteral("Create"),           QStringLiteral("Show"),     QStringLiteral("Close")};
    for (const QString& suffix : ownEvents) {
        if (!handler.endsWith(suffix) || handler.size() == suffix.size()) continue;
        const QString name = handler.left(handler.size() - suffix.size());
        return name == QLatin1String("Form") || findChild<QObject*>(name);
    }
    static const QStringList suffixes = {QStringLiteral("DblClick"),   QStringLiteral("MouseEnter"),
                                         QStringLiteral("MouseLeave"), QStringLiteral("MouseDown"),
                                         QStringLiteral("Change"),     QStringLiteral("Timer"),
                                         QStringLiteral("Click")};
    for (const QString& suffix : suffixes) {
        if (!handler.endsWith(suffix) || handler.size() == suffix.size()) continue;
        const QString name = handler.left(handler.size() - suffix.size());
        if (name == QLatin1String("Form")) return true;
        QObject* object = findChild<QObject*>(name);
        if (!object) return false;
        auto run = [this, handler] { dispatch(handler); };
        if (suffix == QLatin1String("Click")) {
            if (auto* button = qobject_cast<QAbstractButton*>(object))
                connect(button, &QAbstractButton::clicked, this, run);
            else if (auto* action = qobject_cast<QAction*>(object))
                connect(action, &QAction::triggered, this, run);
            else if (auto* group = qobject_cast<RadioGroup*>(object))
                connect(group, &RadioGroup::itemIndexChanged, this, run);
            else if (auto* list = qobject_cast<QListWidget*>(object))
                connect(list, &QListWidget::itemClicked, this, run);
            else if (auto* tree = qobject_cast<QTreeWidget*>(object))
                connect(tree, &QTreeWidget::itemClicked, this, run);
            else {
                m_events[object][QEvent::MouseButtonRelease] = handler;
                object->installEventFilter(this);
            }
        } else if (suffix == QLatin1String("Change")) {
            if (auto* edit = qobject_cast<QLineEdit*>(object))
                connect(edit, &QLineEdit::textChanged, this, run);
            else if (auto* memo = qobject_cast<Memo*>(object))
                connect(memo, &Memo::changed, this, run);
            else if (auto* exact = qobject_cast<RichEdit*>(object))
                connect(exact, &RichEdit::changed, this, run);
            else if (auto* combo = qobject_cast<QComboBox*>(object))
                connect(combo, &QComboBox::currentTextChanged, this, run);
            else if (auto* rich = qobject_cast<QTextEdit*>(object))
                connect(rich, &QTextEdit::textChanged, this, run);
            else if (auto* date = qobject_cast<QDateTimeEdit*>(object))
                connect(date, &QDateTimeEdit::dateTimeChanged, this, run);
            else if (auto* spin = qobject_cast<QSpinBox*>(object))
                connect(spin, &QSpinBox::valueChanged, this, run);
            else if (auto* slider = qobject_cast<QAbstractSlider*>(object))
                connect(slider, &QAbstractSlider::valueChanged, this, run);
            else
                return false;
        } else if (suffix == QLatin1String("Timer")) {
            auto* timer = qobject_cast<QTimer*>(object);
            if (!timer) return false;
            connect(timer, &QTimer::timeout, this, run);
        } else {
            const QEvent::Type type = suffix == QLatin1String("DblClick")     ? QEvent::MouseButtonDblClick
                                      : suffix == QLatin1String("MouseEnter") ? QEvent::Enter
                                      : suffix == QLatin1String("MouseLeave") ? QEvent::Leave
                                                                              : QEvent::MouseButtonPress;
            m_events[object][type] = handler;
            object->installEventFilter(this);
            // Line edits and memos receive mouse events in their viewport.
            if (auto* plain = qobject_cast<QPlainTextEdit*>(object)) {
                m_events[plain->viewport()][type] = handler;
                plain->viewport()->installEventFilter(this);
            }
        }
        return true;
    }
    return false;
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
    const auto found = m_events.constFind(watched);
    if (found != m_events.constEnd()) {
        const auto handler = found->constFind(event->type());
        if (handler != found->constEnd()) {
            bool run = true;
            if (event->type() == QEvent::MouseButtonRelease) {
                auto* mouse = static_cast<QMouseEvent*>(event);
                auto* widget = qobject_cast<QWidget*>(watched);
                run = mouse->button() == Qt::LeftButton && widget &&
                      widget->rect().contains(mouse->position().toPoint());
            }
            if (run) dispatch(*handler);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form::colorField(const QString& edit, std::function<void(const QColor&)> chosen) {
    on(edit + QStringLiteral("DblClick"), [this, edit, chosen] {
        const std::optional<QColor> color = chooseColorInto(edit);
        if (color && chosen) chosen(*color);
    });
}

std::optional<QColor> Form::chooseColorInto(const QString& edit) {
    const std::optional<QColor> color = platform().chooseColor(this, m_lastColor);
    if (!color) return std::nullopt;
    m_lastColor = *color;
    setText(edit, colorText(*color));
    return color;
}

QLineEdit* Form::addEdit(QWidget* parent, const QString& name, const QRect& geometry, const QString& text) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    edit->setCursorPosition(0);
    return edit;
}

Memo* Form::addMemo(QWidget* parent, const QString& name, const QRect& geometry, const QStringList& lines) {
    auto* memo = new Memo(parent);
    memo->setObjectName(name);
    memo->setGeometry(geometry);
    if (!lines.isEmpty()) memo->setLines(lines);
    memo->setProperty("placeholder", memo->text());
    return memo;
}

QLabel* Form::addLabel(QWidget* parent, const QString& name, const QRect& geometry, const QString& caption) {
    QLabel* label = addCaption(parent, geometry, caption);
    label->setObjectName(name);
    return label;
}

QLabel* Form::addCaption(QWidget* parent, const QRect& geometry, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setTextFormat(Qt::PlainText);
    if (geometry.isValid()) label->setGeometry(geometry);
    return label;
}

QPushButton* Form::addButton(QWidget* parent, const QString& name, const QRect& geometry,
                             const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

QComboBox* Form::addCombo(QWidget* parent, const QString& name, const QRect& geometry,
                          const QStringList& items, const QString& text) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setGeometry(geometry);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setEditText(text);
    return combo;
}

QRadioButton* Form::addRadio(QWidget* parent, const QString& name, const QRect& geometry,
                             const QString& caption, bool checked) {
    auto* radio = new QRadioButton(caption, parent);
    radio->setObjectName(name);
    radio->setGeometry(geometry);
    radio->setChecked(checked);
    return radio;
}

QCheckBox* Form::addCheck(QWidget* parent, const QString& name, const QRect& geometry, const QString& caption,
                          bool checked) {
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(name);
    check->setGeometry(geometry);
    check->setChecked(checked);
    return check;
}

QGroupBox* Form::addGroup(QWidget* parent, const QString& name, const QRect& geometry,
                          const QString& caption) {
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(name);
    group->setGeometry(geometry);
    return group;
}

RadioGroup* Form::addRadioGroup(QWidget* parent, const QString& name, const QRect& geometry,
                                const QString& caption, const QStringList& items, int index, int columns) {
    auto* group = new RadioGroup(caption, items, columns, parent);
    group->setObjectName(name);
    group->setGeometry(geometry);
    group->setItemIndex(index);
    return group;
}

QLabel* Form::addHolder(const QString& name, const QString& text) {
    QLabel* label = addLabel(this, name, QRect(), text);
    keepHidden(label);
    return label;
}

Memo* Form::addHolderMemo(const QString& name, const QStringList& lines) {
    Memo* memo = addMemo(this, name, QRect(), lines);
    keepHidden(memo);
    return memo;
}

Memo* Form::addOutputMemo(const QString& name, const QStringList& lines) {
    return addHolderMemo(name, lines);
}

void Form::keepHidden(QWidget* control) {
    control->hide();
    control->setFocusPolicy(Qt::NoFocus);
    control->setProperty("keptHidden", true);
}

bool Form::keptHidden(const QWidget* control) {
    return control->property("keptHidden").toBool();
}

QTimer* Form::addTimer(const QString& name, int interval, bool enabled) {
    auto* timer = new QTimer(this);
    timer->setObjectName(name);
    timer->setInterval(interval);
    if (enabled) timer->start();
    return timer;
}

void Form::setClientSize(int width, int height) {
    setFixedSize(width, height);
}

void Form::place(QWidget* control, const QRect& designGeometry) {
    control->setGeometry(scaled(designGeometry, m_scale));
}

QSize Form::design(const QSize& size) const {
    return QSize(int(std::lround(size.width() / m_scale)), int(std::lround(size.height() / m_scale)));
}

void Form::setVisible(bool visible) {
    if (visible && !m_placed) {
        m_placed = true;
        placeOnScreen();
    }
    QWidget::setVisible(visible);
}

void Form::placeOnScreen() {
    // Grown with the font, never larger than the screen's free area, and
    // centred on it; a window that still does not fit keeps its title bar and
    // left edge on the screen.
    m_scale = designScale(font());
    scaleDesign(this, m_scale);
    fitGaps(this);
    // A snippet generator gets its shop preview (a button and F5) once the
    // window has grown, before it is fitted to the screen: the button may
    // need a strip of its own.
    if (!hasHandler(kShopPreviewButton + QStringLiteral("Click")) && addShopPreview(this))
        on(kShopPreviewButton + QStringLiteral("Click"), [this] { showShopPreview(this); });
    // A module generator keeps its settings as presets: its button goes
    // after the shop preview's, into a place of its own.
    addPresets(this);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = frameOf(this);
    fitInto(this, area, frame);
    const QSize outer = size().grownBy(frame);
    const QPoint centred = area.center() - QPoint(outer.width() / 2, outer.height() / 2);
    move(std::max(area.left(), centred.x()), std::max(area.top(), centred.y()));
}

void Form::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) dispatch(QStringLiteral("FormShow"));
}

void Form::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // After what else the hiding set off (a web view given up).
    if (!event->spontaneous()) QTimer::singleShot(0, this, [this] { releaseScreen(); });
}

void Form::releaseScreen() {
    if (isVisible() || !testAttribute(Qt::WA_WState_Created)) return;
    // Not while a window of its own is on screen (a dialog, the mini window)
    // or a view draws through the window system itself (a web view).
    for (const QWidget* child : findChildren<QWidget*>()) {
        if (child->isWindow() && child->isVisible()) return;
        if (child->inherits("QWebEngineView") || child->inherits("QOpenGLWidget") || child->inherits("QQuickWidget"))
            return;
    }
    destroy(true, true);
}

void Form::closeEvent(QCloseEvent* event) {
    // Windows live for the whole run: closing one only hides it, and gives
    // up what it was waiting for.
    cancelWait();
    dispatch(QStringLiteral("FormClose"));
    QWidget::closeEvent(event);
}

} // namespace core
