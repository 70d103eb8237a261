#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace core {

enum class Buttons { Ok, OkCancel };
enum class Icon { None, Information, Warning, Error, Question };
enum class Answer { Ok, Cancel };

// One picture element of a loaded document.
struct PictureElement {
    QString name;
    QString src; // resolved to an absolute address
};

// An embedded web browser living inside a parent widget.
class Browser : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // A web address or a local file path; returns before loading ends.
    virtual void navigate(const QString& address) = 0;
    virtual void reload() = 0;
    virtual void show() = 0;
    // Sets a style property of the current document's body ("borderStyle",
    // "none"); a missing document or body is ignored.
    virtual void setBodyStyle(const QString& property, const QString& value) = 0;
    // Sets an attribute of the body ("scroll", "no"); missing body ignored.
    virtual void setBodyAttribute(const QString& name, const QString& value) = 0;
    // The picture elements of the current document in document order.
    virtual QList<PictureElement> pictures() = 0;
    virtual QWidget* widget() = 0;
    // Lays the pages shown from now on out `width` CSS pixels wide: where the
    // view is narrower they are scaled down to fit, never re-flowed, and a
    // small caption gives the scale. 0 shows pages at their own size.
    virtual void fitWidth(int width) = 0;

signals:
    void documentComplete();
};

// What a transfer fetches, which decides its size cap (core/fetch.h).
enum class FetchKind { Picture, Page };

struct FetchRequest {
    QString address;
    FetchKind kind = FetchKind::Picture;
    // Only the body's length and its first bytes are kept: measuring a
    // picture costs no memory, however large it is.
    bool sizeOnly = false;
};

// How a transfer ended.
struct Fetched {
    QString address; // as requested
    QByteArray bytes; // the body, or its first bytes when only its size was asked for
    qint64 size = 0;  // the body's length in bytes
    QString error;    // empty on success, else a Chinese sentence naming the address
    bool ok() const { return error.isEmpty(); }
};

// One transfer under way. It ends once: `finished` is emitted, never before
// the transfer was handed out, and the transfer then deletes itself. cancel()
// ends it at once, without `finished`.
class Transfer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void cancel() = 0;

signals:
    void finished(const core::Fetched& result);
};

// Where a file dialog opens and what it asks.
struct FileDialogOptions {
    // A folder to open in, or a file path: the dialog opens in its folder with its name suggested.
    QString start;
    // Save dialogs: whether the dialog itself asks before a typed name that exists is replaced.
    // A caller that changes the name after the dialog asks about the final name itself.
    bool confirmOverwrite = true;
};

struct Mail {
    QString host;
    int port = 25;
    QString user;
    QString password;
    QString from;
    QString to;
    QString replyTo;
    QString subject;
    QStringList bodyLines;
    bool highPriority = false;
};

// Everything outside the process and every modal dialog.
class Platform {
public:
    virtual ~Platform() = default;

    virtual Answer messageBox(QWidget* owner, const QString& text, const QString& title,
                              Buttons buttons = Buttons::Ok, Icon icon = Icon::None) = 0;
    // The plain information box, titled with the application's title.
    virtual void information(QWidget* owner, const QString& text) = 0;
    virtual QString applicationTitle() const = 0;
    virtual void setApplicationTitle(const QString& title) = 0;
    // Returns the typed text, or nothing when cancelled.
    virtual std::optional<QString> prompt(QWidget* owner, const QString& title, const QString& label,
                                          const QString& value) = 0;

    virtual std::optional<QColor> chooseColor(QWidget* owner, const QColor& initial) = 0;
    // Empty when cancelled.
    virtual QString openFileName(QWidget* owner, const QString& title, const QString& filter,
                                 const FileDialogOptions& options = {}) = 0;
    virtual QString saveFileName(QWidget* owner, const QString& title, const QString& filter,
                                 const FileDialogOptions& options = {}) = 0;
    virtual std::optional<QFont> chooseFont(QWidget* owner, const QFont& initial) = 0;
    virtual QString chooseFolder(QWidget* owner, const QString& title) = 0;

    virtual bool clipboardHasText() = 0;
    virtual QString clipboardText() = 0;
    virtual void setClipboardText(const QString& text) = 0;

    // A file, folder or web address opened by its default program; failures are not reported.
    virtual void openDefault(const QString& target) = 0;
    virtual bool moveToTrash(const QString& path) = 0;
    // Starts fetching a web address into memory, within the program's bounds
    // (core/fetch.h): http and https only, a size cap, a stall limit and a
    // deadline. Every network path of the program goes through here.
    virtual Transfer* fetch(const FetchRequest& request) = 0;
    // Connect, authenticate, send, disconnect; returns the error text, empty on success.
    virtual QString sendMail(const Mail& mail) = 0;
    // A browser filling `parent`, owned by it.
    virtual Browser* createBrowser(QWidget* parent) = 0;

    virtual bool trayAvailable() = 0;
    // Ends the event loop of the program.
    virtual void quit() = 0;
};

Platform& platform();
// Installs another platform (tests install the recording fake); not owned.
void setPlatform(Platform* platform);

} // namespace core
