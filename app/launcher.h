#pragma once

#include "core/form.h"

#include <QHash>
#include <functional>

class QMenu;
class QScrollArea;
class QSystemTrayIcon;
class QTabWidget;

namespace app {

// The launcher: a borderless window with the menu column, the catalogue of
// thumbnails, quick links, the announcement page, feedback mail and tray mode.
class Tfrmindex : public core::Form {
    Q_OBJECT
public:
    Tfrmindex();

    // The clock text of the date label: long date, abbreviated weekday in
    // "【】", then hh:mm:ss and one blank.
    static QString clockText(const QDateTime& moment, const QLocale& locale);
    // The date label when the launcher is shown: short date and time.
    static QString startText(const QDateTime& moment, const QLocale& locale);

    // The feedback account is a build setting; tests point it at their server.
    void setMailAccount(const QString& host, int port, const QString& user, const QString& password,
                        const QString& mailbox);

    // Whether the build names a mail server for the feedback; without one the
    // feedback opens the user's mail program.
    bool mailServerConfigured() const;
    // The feedback as a mailto: address: recipient, subject and the body's
    // lines, each followed by CR LF.
    static QString mailtoAddress(const core::Mail& mail);

    QSystemTrayIcon* trayIcon() const { return m_tray; }
    core::Browser* announcementBrowser() const { return m_browser; }

signals:
    // Once, right after the first paint; the announcement page loads after it.
    void firstPainted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    class WheelFilter : public QObject {
    public:
        explicit WheelFilter(Tfrmindex* launcher)
            : QObject(launcher)
            , m_launcher(launcher) {}
        bool eventFilter(QObject* watched, QEvent* event) override;

    private:
        Tfrmindex* m_launcher;
    };

    void buildMenuColumn();
    // The menu entry of the page on show is marked.
    void followCurrentPage();
    void buildTopStrip();
    void buildPages();
    void buildCatalogue(QTabWidget* catalogue);
    void buildFeedbackPage(QWidget* page);
    void buildTray();
    // A tile whose window is not part of this build: grey, with a tooltip.
    static void markUnbuilt(QWidget* tile, const QString& target);
    QWidget* catalogueContent(QTabWidget* catalogue, const QString& page, const QString& caption,
                              const QString& scrollBox);
    void addPageSquares(QWidget* content, const QString& prefix, int current, const QString& first,
                        const QString& second);
    void showPage(const QString& tabWidget, const QString& page);
    void setPicture(const QString& image, const QString& file);
    void loadAnnouncement();
    void sendFeedback();
    void toTray();
    void fromTray();
    void wheel(int delta);

    core::Browser* m_browser = nullptr;
    QSystemTrayIcon* m_tray = nullptr;
    QString m_currentEntry;
    QHash<QString, std::function<void()>> m_entryLooks;
    QMenu* m_trayMenu = nullptr;
    bool m_painted = false;
    int m_wheelDelta = 0;
    core::Mail m_account;
};

} // namespace app
