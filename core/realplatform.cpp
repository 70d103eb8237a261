#include "core/realplatform.h"

#include "core/address.h"
#include "core/deferredbrowser.h"
#include "core/failure.h"
#include "core/fetch.h"
#include "core/filedialog.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QLibrary>
#include <QMessageBox>
#include <QMimeData>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <QTextStream>
#include <cstdio>

namespace core {

namespace {

Platform* g_platform = nullptr;

} // namespace

Platform& platform() {
    if (!g_platform) {
        static RealPlatform real;
        g_platform = &real;
    }
    return *g_platform;
}

void setPlatform(Platform* platform) {
    g_platform = platform;
}

RealPlatform::RealPlatform()
    : m_title(QStringLiteral("青梧360"))
    , m_headlessDialogs(qEnvironmentVariableIsSet("QINGWU_HEADLESS_DIALOGS")) {}

Answer RealPlatform::messageBox(QWidget* owner, const QString& text, const QString& title, Buttons buttons,
                                Icon icon) {
    if (m_headlessDialogs) {
        // Scripted runs (the start-up tests) read the boxes from standard output.
        QTextStream(stdout) << "messageBox\t" << title << '\t' << text << Qt::endl;
        return Answer::Ok;
    }
    QMessageBox box(owner);
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Icon::None:
        break;
    }
    box.setStandardButtons(buttons == Buttons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                                        : QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

void RealPlatform::information(QWidget* owner, const QString& text) {
    messageBox(owner, text, m_title, Buttons::Ok, Icon::Information);
}

QString RealPlatform::applicationTitle() const {
    return m_title;
}

void RealPlatform::setApplicationTitle(const QString& title) {
    m_title = title;
}

std::optional<QString> RealPlatform::prompt(QWidget* owner, const QString& title, const QString& label,
                                            const QString& value) {
    bool ok = false;
    const QString text = QInputDialog::getText(owner, title, label, QLineEdit::Normal, value, &ok);
    if (!ok) return std::nullopt;
    return text;
}

std::optional<QColor> RealPlatform::chooseColor(QWidget* owner, const QColor& initial) {
    const QColor color = QColorDialog::getColor(initial, owner);
    if (!color.isValid()) return std::nullopt;
    return color;
}

QString RealPlatform::openFileName(QWidget* owner, const QString& title, const QString& filter,
                                   const FileDialogOptions& options) {
    const auto dialog =
        makeFileDialog(owner, title, filter, options, QFileDialog::ExistingFile, QFileDialog::AcceptOpen);
    return runFileDialog(*dialog);
}

QString RealPlatform::saveFileName(QWidget* owner, const QString& title, const QString& filter,
                                   const FileDialogOptions& options) {
    const auto dialog =
        makeFileDialog(owner, title, filter, options, QFileDialog::AnyFile, QFileDialog::AcceptSave);
    return runFileDialog(*dialog);
}

std::optional<QFont> RealPlatform::chooseFont(QWidget* owner, const QFont& initial) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, owner);
    if (!ok) return std::nullopt;
    return font;
}

QString RealPlatform::chooseFolder(QWidget* owner, const QString& title) {
    const auto dialog =
        makeFileDialog(owner, title, QString(), {}, QFileDialog::Directory, QFileDialog::AcceptOpen);
    return runFileDialog(*dialog);
}

bool RealPlatform::clipboardHasText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

QString RealPlatform::clipboardText() {
    return QGuiApplication::clipboard()->text();
}

void RealPlatform::setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

void RealPlatform::openDefault(const QString& target) {
    QDesktopServices::openUrl(addressToUrl(target));
}

bool RealPlatform::moveToTrash(const QString& path) {
    // Without the XDG trash folder Qt reports success and moves the file into
    // the current folder, so the folder is made first.
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                  QStringLiteral("/Trash"));
    return QFile::moveToTrash(path);
}

Transfer* RealPlatform::fetch(const FetchRequest& request) {
    return startFetch(request);
}

QString RealPlatform::sendMail(const Mail& mail) {
    return sendSmtpMail(mail);
}

Browser* RealPlatform::createBrowser(QWidget* parent) {
    return createEmbeddedBrowser(parent);
}

EngineBrowser* createWebBrowser(QWidget* parent) {
    using Factory = EngineBrowser* (*)(QWidget*);
    static Factory factory = [] {
        const QStringList places = {QCoreApplication::applicationDirPath(),
                                    QCoreApplication::applicationDirPath() + QStringLiteral("/.."),
                                    QStringLiteral(QINGWU_MODULE_DIR)};
        for (const QString& place : places) {
            QLibrary module(place + QStringLiteral("/libqingwu_webengine"));
            if (auto found = reinterpret_cast<Factory>(module.resolve("qingwu_create_browser"))) return found;
        }
        return static_cast<Factory>(nullptr);
    }();
    if (!factory) fail(QStringLiteral("The web browser component could not be loaded"));
    return factory(parent);
}

bool RealPlatform::trayAvailable() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void RealPlatform::quit() {
    QCoreApplication::quit();
}

} // namespace core
