#pragma once

#include "core/platform.h"

#include <QMap>
#include <QQueue>
#include <QSet>
#include <QString>
#include <QVector>
#include <optional>

namespace testing {

// One recorded call to the platform.
struct PlatformCall {
    QString kind;  // "messageBox", "information", "prompt", "color", "openFile", ...
    QString owner; // objectName of the owner window, empty for none
    QString text;
    QString title;
    QString address; // web address or target opened
    QString path;    // local file path
};

class FakeBrowser;
class FakeTransfer;

// The recording platform of the tests: every call is kept in order and the
// answers come from a script queued by the test.
class FakePlatform : public core::Platform {
public:
    FakePlatform();
    ~FakePlatform() override;

    // Script. Without a queued answer: message boxes answer OK, dialogs are cancelled.
    QQueue<core::Answer> answers;
    QQueue<std::optional<QColor>> colors;
    QQueue<QString> openFiles;
    QQueue<QString> saveFiles;
    QQueue<std::optional<QFont>> fonts;
    QQueue<QString> folders;
    QQueue<std::optional<QString>> inputs;
    // Network. An address of `served` answers its bytes and one of `failures`
    // fails with its message; the others go out to the real fetch service
    // with `network` set, and fail without it. The transfers of a `held`
    // address stay pending until release() (or their cancellation).
    QMap<QString, QByteArray> served;
    QMap<QString, QString> failures;
    bool network = false;
    QSet<QString> held;
    QQueue<QString> mailErrors;       // empty string: accepted
    bool tray = true;

    // What happened.
    QVector<PlatformCall> calls;
    QVector<core::Mail> mails;
    QVector<FakeBrowser*> browsers;
    QString clipboard;
    bool clipboardSet = false;
    int quitCount = 0;

    QStringList cancelledFetches; // addresses whose transfers were cancelled

    // Ends the pending transfers of a held address as its table says.
    void release(const QString& address);
    // Transfers held and not yet released nor cancelled.
    int pendingFetches() const;
    // The addresses asked for, in order.
    QStringList fetched() const;

    QVector<PlatformCall> callsOf(const QString& kind) const;
    // The last message box, or an empty call.
    PlatformCall lastMessage() const;
    void clear();
    // Forgets every call and every queued answer; browsers made stay alive with their windows.
    void reset();

    core::Answer messageBox(QWidget* owner, const QString& text, const QString& title, core::Buttons buttons,
                            core::Icon icon) override;
    void information(QWidget* owner, const QString& text) override;
    QString applicationTitle() const override { return m_title; }
    void setApplicationTitle(const QString& title) override { m_title = title; }
    std::optional<QString> prompt(QWidget* owner, const QString& title, const QString& label,
                                  const QString& value) override;
    std::optional<QColor> chooseColor(QWidget* owner, const QColor& initial) override;
    // Both record the filter as the call's text and the start as its path.
    QString openFileName(QWidget* owner, const QString& title, const QString& filter,
                         const core::FileDialogOptions& options = {}) override;
    QString saveFileName(QWidget* owner, const QString& title, const QString& filter,
                         const core::FileDialogOptions& options = {}) override;
    std::optional<QFont> chooseFont(QWidget* owner, const QFont& initial) override;
    QString chooseFolder(QWidget* owner, const QString& title) override;
    bool clipboardHasText() override { return !clipboard.isEmpty(); }
    QString clipboardText() override { return clipboard; }
    void setClipboardText(const QString& text) override;
    void openDefault(const QString& target) override;
    bool moveToTrash(const QString& path) override;
    core::Transfer* fetch(const core::FetchRequest& request) override;
    QString sendMail(const core::Mail& mail) override;
    core::Browser* createBrowser(QWidget* parent) override;
    bool trayAvailable() override { return tray; }
    void quit() override;

    // The initial colour the last colour dialog started on.
    QColor lastInitialColor;
    // The options of the last file dialog.
    core::FileDialogOptions lastFileDialog;

protected:
    void record(const QString& kind, QWidget* owner, const QString& text = {}, const QString& title = {},
                const QString& address = {}, const QString& path = {});

private:
    friend class FakeTransfer;
    QList<FakeTransfer*> m_pending;
    QString m_title = QStringLiteral("青梧360");
};

// The browser of the fake platform: records navigations and serves scripted
// picture elements and completion events.
class FakeBrowser : public core::Browser {
    Q_OBJECT
public:
    explicit FakeBrowser(QWidget* parent);

    QStringList navigations;
    int reloads = 0;
    bool shown = false;
    QMap<QString, QString> bodyStyle;
    QMap<QString, QString> bodyAttributes;
    QList<core::PictureElement> scriptedPictures;
    int fittedWidth = 0; // the last width asked of fitWidth

    // Raises document complete as a loaded page would.
    void complete() { emit documentComplete(); }

    void navigate(const QString& address) override { navigations << address; }
    void reload() override { ++reloads; }
    void show() override { shown = true; }
    void setBodyStyle(const QString& property, const QString& value) override { bodyStyle[property] = value; }
    void setBodyAttribute(const QString& name, const QString& value) override {
        bodyAttributes[name] = value;
    }
    QList<core::PictureElement> pictures() override { return scriptedPictures; }
    void fitWidth(int width) override { fittedWidth = width; }
    QWidget* widget() override { return m_widget; }

private:
    QWidget* m_widget;
};

// The fake installed by the tests' main for the whole run.
FakePlatform& fakePlatform();

} // namespace testing
