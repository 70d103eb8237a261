#pragma once

#include "core/form.h"

#include <QHash>
#include <QIcon>
#include <functional>
#include <memory>

class QLineEdit;
class QListWidget;
class QMenu;
class QScrollArea;
class QSystemTrayIcon;
class QTabWidget;

namespace app {

class RecentWindows;
struct CatalogueSlot;

// The launcher: a borderless window with the menu column, the catalogue of
// thumbnails, quick links, the announcement page, feedback mail and tray mode.
class Tfrmindex : public core::Form {
    Q_OBJECT
public:
    Tfrmindex();
    ~Tfrmindex() override;

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

    // The windows opened last, most recent first, as the search lists them.
    RecentWindows& recentWindows();

    core::Browser* announcementBrowser() const { return m_browser; }

signals:
    // Once, right after the first paint; the announcement page loads after it.
    void firstPainted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Wheel turns anywhere over the launcher reach its wheel handler; a mouse
    // press takes the keyboard's mark off the part that had it.
    class PointerFilter : public QObject {
    public:
        explicit PointerFilter(Tfrmindex* launcher)
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
    QWidget* catalogueContent(QTabWidget* catalogue, const QString& page, const QString& caption,
                              const QString& scrollBox);
    void addPageSquares(QWidget* sheet, const QString& prefix, int current, const QString& first,
                        const QString& second);
    // A label that Tab reaches and Enter or Space runs; the ring marks it
    // while it has the keyboard's focus.
    void keyboardPart(QWidget* part, std::function<void()> click);
    // Tab and Shift+Tab go through the launcher in reading order: the menu
    // column, the top strip, then the page on show.
    void orderKeyboard();
    void showPage(const QString& tabWidget, const QString& page);
    void setPicture(const QString& image, const QString& file);
    void loadAnnouncement();
    void sendFeedback();
    void toTray();
    void fromTray();
    void wheel(int delta);

    // The search: a field of its own in the menu column and a result list
    // shown in the place of the pages while it lists tiles; the pages stay
    // as they were.
    class SearchFilter;
    void buildSearch();
    void showSearchHits();
    void showRecentWindows();
    void listTiles(const QList<CatalogueSlot>& tiles, const QString& heading);
    void closeSearch();
    void openSearchHit();
    void moveSearchHit(int step);
    bool hitsTakeWheel() const;
    QString pageCaption(const QString& page) const;

    core::Browser* m_browser = nullptr;
    QSystemTrayIcon* m_tray = nullptr;
    QString m_currentEntry;
    QHash<QString, std::function<void()>> m_entryLooks;
    QWidget* m_ring = nullptr;
    // The parts Tab reaches, by region, each in reading order: the catalogue
    // holds the tiles and squares of each of its pages, the other pages are
    // the feedback form and the recommended tiles.
    QList<QWidget*> m_menuKeys, m_topKeys, m_sideKeys, m_catalogueKeys, m_otherPageKeys;
    QMenu* m_trayMenu = nullptr;
    bool m_painted = false;
    int m_wheelDelta = 0;
    core::Mail m_account;
    QLineEdit* m_search = nullptr;
    QWidget* m_hitPanel = nullptr;
    QListWidget* m_hits = nullptr;
    QHash<QString, QIcon> m_hitIcons;
    std::unique_ptr<RecentWindows> m_recent;
};

} // namespace app
