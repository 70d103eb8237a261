#pragma once

#include "core/enginebrowser.h"
#include "core/platform.h"

namespace core {

// The platform of the running program: Qt's dialogs, clipboard and network,
// libcurl for mail and the web engine for embedded browsers.
class RealPlatform : public Platform {
public:
    RealPlatform();

    Answer messageBox(QWidget* owner, const QString& text, const QString& title, Buttons buttons,
                      Icon icon) override;
    void information(QWidget* owner, const QString& text) override;
    QString applicationTitle() const override;
    void setApplicationTitle(const QString& title) override;
    std::optional<QString> prompt(QWidget* owner, const QString& title, const QString& label,
                                  const QString& value) override;
    std::optional<QColor> chooseColor(QWidget* owner, const QColor& initial) override;
    QString openFileName(QWidget* owner, const QString& title, const QString& filter,
                         const FileDialogOptions& options = {}) override;
    QString saveFileName(QWidget* owner, const QString& title, const QString& filter,
                         const FileDialogOptions& options = {}) override;
    std::optional<QFont> chooseFont(QWidget* owner, const QFont& initial) override;
    QString chooseFolder(QWidget* owner, const QString& title) override;
    bool clipboardHasText() override;
    QString clipboardText() override;
    void setClipboardText(const QString& text) override;
    void openDefault(const QString& target) override;
    bool moveToTrash(const QString& path) override;
    Transfer* fetch(const FetchRequest& request) override;
    QString sendMail(const Mail& mail) override;
    Browser* createBrowser(QWidget* parent) override;
    bool trayAvailable() override;
    void quit() override;

private:
    QString m_title;
    bool m_headlessDialogs = false;
};

// Sends a mail over SMTP with libcurl (AUTH LOGIN, plain connection);
// returns the error text, empty on success.
QString sendSmtpMail(const Mail& mail);

// The web-engine browser, from the module loaded on first use.
EngineBrowser* createWebBrowser(QWidget* parent);

} // namespace core
