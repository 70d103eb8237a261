#include "app/launcher.h"

#include "app/catalogue.h"
#include "app/search.h"
#include "core/application.h"
#include "app/windows.h"
#include "core/addresses.h"
#include "core/failure.h"
#include "core/files.h"
#include "core/fit.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>

namespace app {

namespace {

// Keys and focus of a part of the launcher Tab reaches: Enter or Space runs
// its click, and its look follows the keyboard's mark. A part is marked while
// it has the focus the keyboard gave it; the focus the window hands its first
// part when it becomes active shows nothing.
class KeyPart : public QObject {
public:
    KeyPart(QWidget* part, std::function<void()> click, std::function<void()> look)
        : QObject(part)
        , m_part(part)
        , m_click(std::move(click))
        , m_look(std::move(look)) {
        part->setFocusPolicy(Qt::TabFocus);
        part->setProperty("keyboardPart", true);
        part->installEventFilter(this);
    }

    static bool marked(const QWidget* part) {
        return part->hasFocus() && part->property("keyboardMark").toBool();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
                m_click();
                return true;
            }
            break;
        }
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            // Going to another window and coming back keeps the mark as it was.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                m_part->setProperty("keyboardMark", event->type() == QEvent::FocusIn);
            m_look();
            break;
        }
        default:
            break;
        }
        return false;
    }

private:
    QWidget* m_part;
    std::function<void()> m_click;
    std::function<void()> m_look;
};

// The ring around the part that has the keyboard's focus; the pointer goes
// through it to what lies below.
class FocusRing : public QWidget {
public:
    explicit FocusRing(QWidget* parent)
        : QWidget(parent) {
        setObjectName(QStringLiteral("focusRing"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

    // Around the part while it has the focus; gone when it loses it.
    void follow(QWidget* part) {
        if (!KeyPart::marked(part)) {
            if (m_part == part) {
                hide();
                m_part = nullptr;
            }
            return;
        }
        m_part = part;
        setParent(part->parentWidget());
        setGeometry(part->geometry().adjusted(-kWidth, -kWidth, kWidth, kWidth));
        raise();
        show();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0xff, 0x9a, 0x2e), kWidth));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0),
                          3, 3);
    }

private:
    static constexpr int kWidth = 2;
    QWidget* m_part = nullptr;
};

constexpr int kRight = 130; // the page area starts right of the menu column
const int kColumns[] = {43, 275, 507};
const int kRows[] = {27, 125, 222, 320, 418};
const int kLargeColumns[] = {31, 311, 592};
const int kLargeRows[] = {87, 223, 360};

QIcon programIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x1f, 0x8f, 0x5f));
    p.setPen(Qt::NoPen);
    p.drawEllipse(1, 1, 30, 30);
    p.setPen(Qt::white);
    QFont font;
    font.setPixelSize(18);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("青"));
    return QIcon(pixmap);
}

// Colours and font of a control through its palette (style sheets would cost
// start-up time on this many controls). An invalid background leaves it.
void paint(QWidget* widget, const QColor& background, const QColor& text, int pixelSize = 0,
           bool bold = false) {
    QPalette palette = widget->palette();
    if (background.isValid()) {
        widget->setAutoFillBackground(true);
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::Base, background);
    }
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    widget->setPalette(palette);
    if (pixelSize || bold) {
        QFont font = widget->font();
        if (pixelSize) font.setPixelSize(pixelSize);
        font.setBold(bold);
        widget->setFont(font);
    }
}

// The tiles of a catalogue page in reading order. Tab reaches them and the
// arrow keys move between them; a click opens a tile without taking the
// focus, so the focus ring marks only what the keyboard is on.
QList<QWidget*> tilesOf(QWidget* content) {
    QList<QWidget*> tiles;
    for (Thumbnail* tile : content->findChildren<Thumbnail*>(Qt::FindDirectChildrenOnly)) {
        if (tile->objectName().isEmpty()) continue;
        tile->setFocusPolicy(Qt::TabFocus);
        tile->setProperty("keyboardPart", true);
        tiles << tile;
    }
    std::sort(tiles.begin(), tiles.end(), [](const QWidget* a, const QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    return tiles;
}

} // namespace

Tfrmindex::Tfrmindex()
    : core::Form(QStringLiteral("Tfrmindex"), QStringLiteral("青梧360-店铺装修软件")) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowIcon(programIcon());
    setClientSize(1000, 600);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);

    setMailAccount(QStringLiteral(QINGWU_SMTP_HOST), QINGWU_SMTP_PORT, QStringLiteral(QINGWU_SMTP_USER),
                   QStringLiteral(QINGWU_SMTP_PASSWORD), QStringLiteral(QINGWU_FEEDBACK_MAILBOX));

    m_ring = new FocusRing(this);
    buildMenuColumn();
    buildPages();
    followCurrentPage();
    buildTopStrip();
    buildTray();
    buildSearch();
    orderKeyboard();

    addTimer(QStringLiteral("tmr1"), 1000, true);
    on(QStringLiteral("tmr1Timer"),
       [this] { setText(QStringLiteral("lbl7"), clockText(QDateTime::currentDateTime(), core::chineseLocale())); });
    on(QStringLiteral("FormShow"), [this] {
        setText(QStringLiteral("lbl7"), startText(QDateTime::currentDateTime(), core::chineseLocale()));
        // The page is loaded once the launcher has been painted, so start-up never waits for it.
        if (m_painted) loadAnnouncement();
    });
    on(QStringLiteral("FormMouseWheel"), [this] { wheel(m_wheelDelta); });
    on(QStringLiteral("wb3DocumentComplete"), [this] {
        if (m_browser) m_browser->setBodyStyle(QStringLiteral("borderStyle"), QStringLiteral("none"));
    });
    on(QStringLiteral("img114Click"), [this] { sendFeedback(); });
    qApp->installEventFilter(new PointerFilter(this));
}

namespace {

// The long date without the weekday, which the clock adds once in brackets:
// a Chinese long date names it already ("2026年12月10日星期四").
QString longDate(const QDate& date, const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::LongFormat);
    for (const QString& weekday : {QStringLiteral("dddd"), QStringLiteral("ddd")}) {
        const qsizetype at = format.indexOf(weekday);
        if (at < 0) continue;
        format.remove(at, weekday.size());
        break;
    }
    // What the weekday leaves behind at either end: blanks and commas.
    while (!format.isEmpty() && (format.front() == u',' || format.front() == u' '))
        format.remove(0, 1);
    while (!format.isEmpty() && (format.back() == u',' || format.back() == u' '))
        format.chop(1);
    return locale.toString(date, format);
}

} // namespace

QString Tfrmindex::clockText(const QDateTime& moment, const QLocale& locale) {
    return longDate(moment.date(), locale) + QStringLiteral("【") +
           locale.dayName(moment.date().dayOfWeek(), QLocale::ShortFormat) + QStringLiteral("】") +
           moment.time().toString(QStringLiteral("hh:mm:ss")) + QLatin1Char(' ');
}

QString Tfrmindex::startText(const QDateTime& moment, const QLocale& locale) {
    return locale.toString(moment.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           moment.time().toString(QStringLiteral("HH:mm:ss"));
}

void Tfrmindex::setMailAccount(const QString& host, int port, const QString& user, const QString& password,
                               const QString& mailbox) {
    m_account.host = host.trimmed();
    m_account.port = port;
    m_account.user = user.trimmed();
    m_account.password = password.trimmed();
    m_account.from = mailbox.trimmed();
    m_account.to = mailbox.trimmed();
}

bool Tfrmindex::mailServerConfigured() const {
    // The default build names a host under ".invalid", which never resolves.
    return !m_account.host.isEmpty() &&
           !m_account.host.endsWith(QStringLiteral(".invalid"), Qt::CaseInsensitive);
}

QString Tfrmindex::mailtoAddress(const core::Mail& mail) {
    QString body;
    for (const QString& line : mail.bodyLines)
        body += line + QStringLiteral("\r\n");
    return QStringLiteral("mailto:") + QString::fromLatin1(QUrl::toPercentEncoding(mail.to, "@")) +
           QStringLiteral("?subject=") + QString::fromLatin1(QUrl::toPercentEncoding(mail.subject)) +
           QStringLiteral("&body=") + QString::fromLatin1(QUrl::toPercentEncoding(body));
}

void Tfrmindex::buildMenuColumn() {
    auto* column = new QWidget(this);
    column->setObjectName(QStringLiteral("pnl1"));
    column->setGeometry(0, 0, kRight, 600);
    column->setAutoFillBackground(true);
    paint(column, QPalette().color(QPalette::WindowText), Qt::white);
    // Where the desktop has no tray, closing only minimises: the menu column's
    // own menu always offers a way out.
    auto* columnMenu = new QMenu(column);
    columnMenu->setObjectName(QStringLiteral("pmExit"));
    QAction* leave = columnMenu->addAction(QStringLiteral("退出程序"));
    leave->setObjectName(QStringLiteral("NExit"));
    connect(leave, &QAction::triggered, this, [this] { dispatch(QStringLiteral("N2Click")); });
    column->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(column, &QWidget::customContextMenuRequested, columnMenu,
            [columnMenu, column](const QPoint& at) { columnMenu->popup(column->mapToGlobal(at)); });

    QLabel* logo =
        addLabel(column, QStringLiteral("img20"), QRect(0, 0, 130, 130), QStringLiteral("青梧360"));
    logo->setAlignment(Qt::AlignCenter);
    paint(logo, QColor(), QColor(0x7f, 0xdc, 0xaa), 26, true);

    struct Entry {
        QString name, caption;
        std::function<void()> click;
    };
    const QVector<Entry> entries = {
        {"pnlgonggao", "首页公告", [this] { showPage("pgc1", "tsgonggao"); }},
        {"pnlliebiao", "功能列表", [this] { showPage("pgc1", "tsliebiao"); }},
        {"pnltuijian", "高级功能", [this] { showPage("pgc1", "tstuijian"); }},
        {"pnldesign", "网址导航", [] { core::platform().openDefault(core::addresses::designDirectory); }},
        {"pnlfree", "免费资源", [] { core::platform().openDefault(core::addresses::freeResources); }},
        {"pnlweb", "官方网站", [] { core::platform().openDefault(core::addresses::website); }},
        {"pnlbanben", "最新版本", [] { core::platform().openDefault(core::addresses::latestVersion); }},
    };
    const QPalette system;
    for (int i = 0; i < entries.size(); ++i) {
        const Entry& entry = entries[i];
        QLabel* panel = addLabel(column, entry.name, QRect(0, 130 + 50 * i, 130, 50), entry.caption);
        panel->setAlignment(Qt::AlignCenter);
        panel->setAutoFillBackground(true);
        panel->setCursor(Qt::PointingHandCursor);
        QFont font = panel->font();
        font.setFamilies({QStringLiteral("Microsoft YaHei"), QStringLiteral("微软雅黑"),
                          QStringLiteral("Noto Sans CJK SC")});
        font.setPixelSize(15);
        panel->setFont(font);
        const bool announcement = i == 0;
        const QColor rest = announcement ? system.color(QPalette::Inactive, QPalette::WindowText).lighter(250)
                                         : QColor(Qt::black);
        const QColor hover = system.color(QPalette::Highlight);
        // The entry of the page on show keeps a darker highlight.
        const QColor current = hover.darker(160);
        const QString name = entry.name;
        auto look = [this, panel, name, rest, hover, current] {
            const bool lit = panel->underMouse() || KeyPart::marked(panel);
            paint(panel, lit ? hover : (m_currentEntry == name ? current : rest), Qt::white);
        };
        m_entryLooks.insert(name, look);
        look();
        on(name + QStringLiteral("Click"), entry.click);
        on(name + QStringLiteral("MouseEnter"), [panel, hover] { paint(panel, hover, Qt::white); });
        on(name + QStringLiteral("MouseLeave"), look);
        // Tab reaches the entries; Enter or Space acts as a click.
        new KeyPart(
            panel, [this, name] { dispatch(name + QStringLiteral("Click")); }, look);
        m_menuKeys << panel;
    }
}

void Tfrmindex::followCurrentPage() {
    auto* pages = control<QTabWidget>(QStringLiteral("pgc1"));
    auto mark = [this, pages] {
        const QHash<QString, QString> entryOfPage = {
            {QStringLiteral("tsgonggao"), QStringLiteral("pnlgonggao")},
            {QStringLiteral("tsliebiao"), QStringLiteral("pnlliebiao")},
            {QStringLiteral("tstuijian"), QStringLiteral("pnltuijian")}};
        const QWidget* page = pages->currentWidget();
        m_currentEntry = page ? entryOfPage.value(page->objectName()) : QString();
        for (const auto& look : std::as_const(m_entryLooks))
            look();
    };
    connect(pages, &QTabWidget::currentChanged, this, mark);
    mark();
}

void Tfrmindex::buildTopStrip() {
    QLabel* strip = addLabel(this, QStringLiteral("img1"), QRect(kRight, 0, 870, 41), QString());
    paint(strip, QColor(0xf3, 0xf6, 0xf9), Qt::black);
    strip->lower();
    core::setBackdrop(strip);
    on(QStringLiteral("img1MouseDown"), [this] {
        if (QWindow* handle = windowHandle()) handle->startSystemMove();
    });

    addLabel(this, QStringLiteral("imgxiao"), QRect(kRight + 808, 0, 28, 28), QString());
    addLabel(this, QStringLiteral("imgclose"), QRect(kRight + 840, 0, 28, 28), QString());
    for (const QString& picture : {QStringLiteral("imgxiao"), QStringLiteral("imgclose")}) {
        const QString file =
            picture == QLatin1String("imgxiao") ? QStringLiteral("min1.bmp") : QStringLiteral("close1.bmp");
        QPixmap pixmap(core::filesFolder() + QLatin1Char('/') + file);
        control<QLabel>(picture)->setPixmap(pixmap);
        control<QLabel>(picture)->setCursor(Qt::PointingHandCursor);
    }
    on(QStringLiteral("imgxiaoClick"), [] {
        for (core::Form* form : windows())
            if (form->isVisible()) form->showMinimized();
    });
    on(QStringLiteral("imgcloseClick"), [this] { toTray(); });
    on(QStringLiteral("imgxiaoMouseEnter"),
       [this] { setPicture(QStringLiteral("imgxiao"), QStringLiteral("min2.bmp")); });
    on(QStringLiteral("imgxiaoMouseLeave"),
       [this] { setPicture(QStringLiteral("imgxiao"), QStringLiteral("min1.bmp")); });
    on(QStringLiteral("imgcloseMouseEnter"),
       [this] { setPicture(QStringLiteral("imgclose"), QStringLiteral("close2.bmp")); });
    on(QStringLiteral("imgcloseMouseLeave"),
       [this] { setPicture(QStringLiteral("imgclose"), QStringLiteral("close1.bmp")); });

    addLabel(this, QStringLiteral("lbl8"), QRect(kRight + 16, 12, 40, 18), QStringLiteral("今天是"));
    addLabel(this, QStringLiteral("lbl7"), QRect(kRight + 56, 12, 330, 18),
             clockText(QDateTime::currentDateTime(), core::chineseLocale()));

    struct Link {
        QString name, caption;
        int x;
        std::function<void()> click;
    };
    const QVector<Link> links = {
        {"lbl6", "代码预览", 399,
         [] {
             if (core::Form* w = app::createWindow("Tfrmyulan")) w->showForm();
         }},
        {"lbl5", "通栏转化", 466,
         [] {
             if (core::Form* w = app::createWindow("Tfrmtonglan3")) w->showForm();
         }},
        {"lbl4", "店铺装修", 532, [] { core::platform().openDefault(core::addresses::shopDecoration); }},
        {"lbl3", "图片空间", 599, [] { core::platform().openDefault(core::addresses::pictureSpace); }},
        {"lbl2", "卖家中心", 665, [] { core::platform().openDefault(core::addresses::sellerCentre); }},
        {"lbl23", "我要留言", 732, [this] { showPage("pgc1", "ts4"); }},
    };
    for (const Link& link : links) {
        QLabel* label = addLabel(this, link.name, QRect(kRight + link.x, 12, 62, 18), link.caption);
        label->setCursor(Qt::PointingHandCursor);
        paint(label, QColor(), QColor(0x1f, 0x5f, 0xa8));
        on(link.name + QStringLiteral("Click"), link.click);
        keyboardPart(label, [this, name = link.name] { dispatch(name + QStringLiteral("Click")); });
        m_topKeys << label;
    }
    // The minimise and close buttons lie right of the links.
    for (const QString& picture : {QStringLiteral("imgxiao"), QStringLiteral("imgclose")}) {
        keyboardPart(control<QWidget>(picture),
                     [this, picture] { dispatch(picture + QStringLiteral("Click")); });
        m_topKeys << control<QWidget>(picture);
    }
}

void Tfrmindex::buildPages() {
    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("pgc1"));
    pages->setGeometry(kRight, 41, 870, 559);
    pages->tabBar()->hide();
    pages->setDocumentMode(true);
    // Its tab strip is out of sight: Tab passes it by.
    pages->setFocusPolicy(Qt::NoFocus);
    pages->tabBar()->setFocusPolicy(Qt::NoFocus);

    auto page = [&](const QString& name, const QString& caption) {
        auto* widget = new QWidget;
        widget->setObjectName(name);
        pages->addTab(widget, caption);
        return widget;
    };
    QWidget* announcement = page(QStringLiteral("tsgonggao"), QStringLiteral("公告信息"));
    auto* wb3 = new QWidget(announcement);
    wb3->setObjectName(QStringLiteral("wb3"));
    wb3->setGeometry(0, 0, 869, 548);

    QWidget* list = page(QStringLiteral("tsliebiao"), QStringLiteral("功能列表"));
    auto* side = new QWidget(list);
    side->setObjectName(QStringLiteral("pnl2"));
    side->setGeometry(0, 0, 105, 559);
    auto* catalogue = new QTabWidget(list);
    catalogue->setObjectName(QStringLiteral("pgc2"));
    catalogue->setGeometry(108, 0, 762, 559);
    catalogue->setTabPosition(QTabWidget::South);
    buildCatalogue(catalogue);

    struct Side {
        QString name, caption, page;
    };
    const QVector<Side> sideLabels = {
        {"lbl12", "美工常用", "tsmg1"},
        {"lbl26", "首页轮播", "ts11"},
        {"lbl9", "装修版块", "ts7"},
        {"", "—————", ""},
        {"lbl10", "动态格子", "ts8"},
        {"lbl11", "静态格子", "ts6"},
        {"", "—————", ""},
        {"lbl29", "退役功能", "tstuiyi1"},
    };
    int y = 30;
    for (const Side& entry : sideLabels) {
        QLabel* label = entry.name.isEmpty()
                            ? addCaption(side, QRect(12, y, 90, 24), entry.caption)
                            : addLabel(side, entry.name, QRect(12, y, 90, 24), entry.caption);
        label->setAlignment(Qt::AlignCenter);
        y += 36;
        if (entry.name.isEmpty()) continue;
        label->setCursor(Qt::PointingHandCursor);
        paint(label, QColor(), Qt::black);
        const QString target = entry.page;
        on(entry.name + QStringLiteral("Click"), [this, target] { showPage("pgc2", target); });
        on(entry.name + QStringLiteral("MouseEnter"), [label] { paint(label, QColor(), QColor(200, 0, 0)); });
        on(entry.name + QStringLiteral("MouseLeave"), [label] { paint(label, QColor(), Qt::black); });
        keyboardPart(label, [this, name = entry.name] { dispatch(name + QStringLiteral("Click")); });
        m_sideKeys << label;
    }

    QWidget* feedback = page(QStringLiteral("ts4"), QStringLiteral("我要留言"));
    buildFeedbackPage(feedback);

    QWidget* recommended = page(QStringLiteral("tstuijian"), QStringLiteral("推荐功能"));
    for (const CatalogueSlot& slot : app::catalogue()) {
        if (slot.page != QLatin1String("tstuijian")) continue;
        auto* thumb = new Thumbnail(slot.caption, false, recommended);
        thumb->setObjectName(slot.image);
        thumb->setGeometry(kLargeColumns[slot.column - 1], kLargeRows[slot.row - 1], 250, 110);
        const QString target = slot.target;
        on(slot.image + QStringLiteral("Click"), [target] {
            if (core::Form* w = app::createWindow(target)) w->showForm();
        });
    }
    m_otherPageKeys << tilesOf(recommended);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            if (row > 0)
                (new Thumbnail(QString(), true, recommended))
                    ->setGeometry(kLargeColumns[column], kLargeRows[row], 250, 110);

    pages->setCurrentIndex(0);
}

QWidget* Tfrmindex::catalogueContent(QTabWidget* catalogue, const QString& page, const QString& caption,
                                     const QString& scrollBox) {
    auto* sheet = new QWidget;
    sheet->setObjectName(page);
    catalogue->addTab(sheet, caption);
    if (scrollBox.isEmpty()) return sheet;
    auto* box = new QScrollArea(sheet);
    box->setObjectName(scrollBox);
    box->setGeometry(0, 0, 758, 532);
    box->setFrameShape(QFrame::NoFrame);
    box->verticalScrollBar()->setSingleStep(8);
    auto* content = new QWidget;
    content->setMinimumSize(740, 560);
    box->setWidget(content);
    return content;
}

void Tfrmindex::buildCatalogue(QTabWidget* catalogue) {
    struct Page {
        QString name, caption, scrollBox;
    };
    const QVector<Page> pages = {
        {"tsmg1", "美工1页", ""},
        {"tsmg2", "美工2页", "scrlbx3"},
        {"ts11", "首页轮播", "scrlbx2"},
        {"ts7", "首页装修", "scrlbx1"},
        {"ts8", "动态格子", "scrlbx5"},
        {"ts6", "静态格子", "scrlbx6"},
        {"tstuiyi1", "退役功能", "scrlbx7"},
        {"tstuiyi2", "退役2", ""},
    };
    QHash<QString, QWidget*> contents;
    for (const Page& page : pages)
        contents.insert(page.name, catalogueContent(catalogue, page.name, page.caption, page.scrollBox));

    QHash<QString, QList<QRect>> tiles;
    for (const CatalogueSlot& slot : app::catalogue()) {
        QWidget* content = contents.value(slot.page);
        if (!content) continue;
        auto* thumb = new Thumbnail(slot.caption, false, content);
        thumb->setObjectName(slot.image);
        const bool wide = slot.size == core::TileSize::Wide;
        int y = kRows[slot.row - 1];
        if (slot.page == QLatin1String("tsmg1") && slot.row == 2 && slot.column == 3) y = 135;
        thumb->setGeometry(kColumns[slot.column - 1], y, wide ? 664 : 200, wide ? 158 : 68);
        tiles[slot.page] << thumb->geometry();
        const QString target = slot.target;
        on(slot.image + QStringLiteral("Click"), [target] {
            if (core::Form* w = app::createWindow(target)) w->showForm();
        });
    }
    // Empty slots are drawn only where no tile lies, a wide one included.
    for (const Page& page : pages) {
        for (int row = 1; row <= 5; ++row)
            for (int column = 1; column <= 3; ++column) {
                const QRect slot(kColumns[column - 1], kRows[row - 1], 200, 68);
                const QList<QRect>& taken = tiles.value(page.name);
                if (std::any_of(taken.begin(), taken.end(),
                                [&](const QRect& tile) { return tile.intersects(slot); }))
                    continue;
                (new Thumbnail(QString(), true, contents.value(page.name)))->setGeometry(slot);
            }
    }

    auto sheet = [catalogue](const QString& name) { return catalogue->findChild<QWidget*>(name); };
    addPageSquares(sheet("tsmg1"), QStringLiteral("lblmg1"), 1, QStringLiteral("tsmg1"),
                   QStringLiteral("tsmg2"));
    addPageSquares(sheet("tsmg2"), QStringLiteral("lblmg2"), 2, QStringLiteral("tsmg1"),
                   QStringLiteral("tsmg2"));
    addPageSquares(sheet("tstuiyi1"), QStringLiteral("lblty1"), 1, QStringLiteral("tstuiyi1"),
                   QStringLiteral("tstuiyi2"));
    addPageSquares(sheet("tstuiyi2"), QStringLiteral("lblty2"), 2, QStringLiteral("tstuiyi1"),
                   QStringLiteral("tstuiyi2"));

    // Tab goes through the tiles of each page in reading order, then its squares.
    for (const Page& page : pages) {
        m_catalogueKeys << tilesOf(contents.value(page.name));
        for (QLabel* square : sheet(page.name)->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (square->property("keyboardPart").toBool()) m_catalogueKeys << square;
    }

    auto* isNew = new QLabel(QStringLiteral("NEW"), contents.value("ts8"));
    isNew->setGeometry(700, 4, 34, 16);
    paint(isNew, QColor(0xe0, 0x24, 0x2b), Qt::white, 0, true);
    isNew->setAlignment(Qt::AlignCenter);
    catalogue->setCurrentIndex(0);
}

namespace {

// Keeps the page squares at the bottom of their page, whatever height the tab
// bar under the page takes with the font in use, and the page's scroll box
// above them: they are seen without scrolling.
class SquarePin : public QObject {
public:
    SquarePin(QWidget* sheet, QList<QWidget*> squares)
        : QObject(sheet)
        , m_squares(std::move(squares)) {
        sheet->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Resize) return false;
        auto* sheet = static_cast<QWidget*>(watched);
        int top = sheet->height();
        for (QWidget* square : m_squares) {
            square->move(square->x(), std::max(0, sheet->height() - square->height() - kGap));
            top = std::min(top, square->y());
        }
        for (QScrollArea* box : sheet->findChildren<QScrollArea*>(Qt::FindDirectChildrenOnly))
            box->resize(box->width(), std::max(0, top - kGap));
        return false;
    }

private:
    static constexpr int kGap = 6;
    QList<QWidget*> m_squares;
};

} // namespace

void Tfrmindex::addPageSquares(QWidget* sheet, const QString& prefix, int current, const QString& first,
                               const QString& second) {
    const QColor grey = QPalette().color(QPalette::Button).darker(130);
    QList<QWidget*> squares;
    for (int number = 1; number <= 2; ++number) {
        const QString name = prefix + QString::number(number);
        QLabel* square =
            addLabel(sheet, name, QRect(number == 1 ? 312 : 344, 512, 25, 25), QString::number(number));
        squares << square;
        square->setAlignment(Qt::AlignCenter);
        paint(square, number == current ? QColor(0xe0, 0x24, 0x2b) : grey, Qt::white, 0, true);
        if (number != current) {
            const QString target = number == 1 ? first : second;
            // The square of this number on the other page: prefixes end in their page's number.
            const QString twin = prefix.chopped(1) + QString::number(number) + QString::number(number);
            on(name + QStringLiteral("MouseEnter"),
               [this, target] { showPage(QStringLiteral("pgc2"), target); });
            // From the keyboard the square switches too, and the focus stays
            // on the square of that number on the page now shown.
            keyboardPart(square, [this, name, twin] {
                dispatch(name + QStringLiteral("MouseEnter"));
                if (auto* same = findChild<QWidget*>(twin)) same->setFocus(Qt::TabFocusReason);
            });
        } else {
            keyboardPart(square, [] {});
        }
    }
    new SquarePin(sheet, squares);
}

void Tfrmindex::keyboardPart(QWidget* part, std::function<void()> click) {
    new KeyPart(part, std::move(click), [this, part] { static_cast<FocusRing*>(m_ring)->follow(part); });
}

void Tfrmindex::orderKeyboard() {
    // The scroll boxes scroll to the tile the focus goes to; they take none themselves.
    for (QScrollArea* box : findChildren<QScrollArea*>())
        box->setFocusPolicy(Qt::NoFocus);
    // The feedback form: its fields, then the send picture. Tab leaves the text box.
    control<QPlainTextEdit>(QStringLiteral("mmo2"))->setTabChangesFocus(true);
    keyboardPart(control<QWidget>(QStringLiteral("img114")),
                 [this] { dispatch(QStringLiteral("img114Click")); });
    QList<QWidget*> feedback;
    for (const QString& name : {QStringLiteral("edt5"), QStringLiteral("edt6"), QStringLiteral("edt7"),
                                QStringLiteral("mmo2"), QStringLiteral("img114")})
        feedback << control<QWidget>(name);
    m_otherPageKeys = feedback + m_otherPageKeys;

    const QList<QWidget*> order =
        m_menuKeys + QList<QWidget*>{m_search} + m_topKeys + m_sideKeys + m_catalogueKeys +
        QList<QWidget*>{control<QTabWidget>(QStringLiteral("pgc2"))->tabBar()} + m_otherPageKeys;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Tfrmindex::buildFeedbackPage(QWidget* page) {
    QLabel* heading = addCaption(
        page, QRect(40, 30, 790, 30),
        QStringLiteral("请您将对于本软件不满意的意见和建议反馈给我们，我们将对软件进行合理的整合！"));
    paint(heading, QColor(), QColor(0x1f, 0x5f, 0xa8), 15, true);
    auto* background = new QLabel(page);
    background->setGeometry(40, 80, 790, 420);
    paint(background, QColor(0xf3, 0xf6, 0xf9), Qt::black);
    QLabel* captions = addCaption(page, QRect(70, 100, 90, 150),
                                  QStringLiteral("旺旺名：\n\n回执邮箱：\n\n标题信息：\n\n反馈建议："));
    captions->setAlignment(Qt::AlignRight | Qt::AlignTop);
    addEdit(page, QStringLiteral("edt5"), QRect(170, 96, 300, 24))->setFrame(false);
    addEdit(page, QStringLiteral("edt6"), QRect(170, 132, 300, 24))->setFrame(false);
    addEdit(page, QStringLiteral("edt7"), QRect(170, 168, 600, 24))->setFrame(false);
    addMemo(page, QStringLiteral("mmo2"), QRect(170, 206, 600, 230));
    QLabel* send =
        addLabel(page, QStringLiteral("img114"), QRect(650, 450, 120, 34), QStringLiteral("提交留言"));
    send->setAlignment(Qt::AlignCenter);
    send->setCursor(Qt::PointingHandCursor);
    paint(send, QColor(0x1f, 0x8f, 0x5f), Qt::white, 0, true);
}

void Tfrmindex::buildTray() {
    m_tray = new QSystemTrayIcon(this);
    m_tray->setObjectName(QStringLiteral("trycn1"));
    m_tray->setToolTip(QStringLiteral("青梧360-店铺装修软件"));
    m_tray->setIcon(windowIcon());
    m_trayMenu = new QMenu(this);
    m_trayMenu->setObjectName(QStringLiteral("pm1"));
    struct Item {
        QString name, caption, address;
    };
    const QVector<Item> items = {
        {"N3", "官方网站", core::addresses::websiteTray},
        {"N4", "淘宝网店", core::addresses::shop},
        {"N5", "美工视频", core::addresses::tutorialVideos},
        {"N6", "检测更新", core::addresses::latestVersion},
    };
    const QStyle::StandardPixmap icons[] = {QStyle::SP_DirHomeIcon, QStyle::SP_DriveNetIcon,
                                            QStyle::SP_MediaPlay, QStyle::SP_BrowserReload};
    // The menu's pictures come from the style's icon theme: looked up when the
    // menu is first shown, not at start-up.
    QList<QPair<QAction*, QStyle::StandardPixmap>> pictures;
    for (int i = 0; i < items.size(); ++i) {
        QAction* action = m_trayMenu->addAction(items[i].caption);
        pictures.append({action, icons[i]});
        action->setObjectName(items[i].name);
        const QString address = items[i].address;
        on(items[i].name + QStringLiteral("Click"), [address] { core::platform().openDefault(address); });
    }
    m_trayMenu->addSeparator();
    QAction* open = m_trayMenu->addAction(QStringLiteral("打开主界面"));
    open->setObjectName(QStringLiteral("N1"));
    QAction* quit = m_trayMenu->addAction(QStringLiteral("退出程序"));
    quit->setObjectName(QStringLiteral("N2"));
    pictures.append({open, QStyle::SP_TitleBarNormalButton});
    pictures.append({quit, QStyle::SP_DialogCloseButton});
    connect(m_trayMenu, &QMenu::aboutToShow, this, [this, pictures] {
        for (const auto& [action, picture] : pictures)
            if (action->icon().isNull()) action->setIcon(style()->standardIcon(picture));
    });
    on(QStringLiteral("N1Click"), [this] {
        showForm();
        m_tray->hide();
    });
    on(QStringLiteral("N2Click"), [this] {
        core::platform().messageBox(
            nullptr, QStringLiteral("美工生活很辛苦，注意休息，咱们暂时离别，期待下次相会，多提宝贵建议！"),
            QStringLiteral("温馨提示"));
        core::platform().quit();
        close();
    });
    on(QStringLiteral("trycn1DblClick"), [this] { fromTray(); });
    connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick) dispatch(QStringLiteral("trycn1DblClick"));
    });
}

void Tfrmindex::toTray() {
    if (!core::platform().trayAvailable()) {
        // Without a tray the launcher could never come back: minimise instead.
        showMinimized();
        return;
    }
    m_tray->setIcon(windowIcon());
    m_tray->setContextMenu(m_trayMenu);
    m_tray->show();
    m_tray->showMessage(QStringLiteral("青梧360"),
                        QStringLiteral("最小化到托盘，下次使用时双击图标即可显示！"),
                        QSystemTrayIcon::Information, 5);
    hide();
}

void Tfrmindex::fromTray() {
    m_tray->hide();
    showForm();
}

void Tfrmindex::showPage(const QString& tabWidget, const QString& page) {
    auto* pages = control<QTabWidget>(tabWidget);
    if (QWidget* sheet = pages->findChild<QWidget*>(page)) pages->setCurrentWidget(sheet);
}

void Tfrmindex::setPicture(const QString& image, const QString& file) {
    QString path = QDir(core::workingFolder()).filePath(QStringLiteral("files/") + file);
    if (!QFileInfo::exists(path)) path = core::filesFolder() + QLatin1Char('/') + file;
    QPixmap pixmap;
    if (!pixmap.load(path))
        core::fail(QStringLiteral("Cannot open file \"%1\". No such file or directory")
                       .arg(QDir::toNativeSeparators(QStringLiteral("files/") + file)));
    control<QLabel>(image)->setPixmap(pixmap);
}

void Tfrmindex::loadAnnouncement() {
    if (!m_browser) {
        m_browser = core::platform().createBrowser(control<QWidget>(QStringLiteral("wb3")));
        connect(m_browser, &core::Browser::documentComplete, this,
                [this] { dispatch(QStringLiteral("wb3DocumentComplete")); });
    }
    m_browser->navigate(core::filesFolder() + QLatin1Char('/') + core::addresses::announcementFile);
}

void Tfrmindex::sendFeedback() {
    if (text(QStringLiteral("edt5")).trimmed().isEmpty()) {
        core::platform().information(this, QStringLiteral("旺旺名不能为空！"));
        control<QLineEdit>(QStringLiteral("edt5"))->setFocus();
        return;
    }
    if (text(QStringLiteral("edt6")).trimmed().isEmpty()) {
        core::platform().information(this, QStringLiteral("回执邮箱不能为空！"));
        control<QLineEdit>(QStringLiteral("edt6"))->setFocus();
        return;
    }
    core::Mail mail = m_account;
    mail.subject = QStringLiteral("旺旺") + text(QStringLiteral("edt5")) + QStringLiteral("：") +
                   text(QStringLiteral("edt7"));
    mail.bodyLines = control<core::Memo>(QStringLiteral("mmo2"))->lines();
    mail.replyTo = text(QStringLiteral("edt6")).trimmed();
    mail.highPriority = true;
    if (!mailServerConfigured()) {
        // A build without a mail server: the user's own mail program sends it.
        core::platform().openDefault(mailtoAddress(mail));
        message(QStringLiteral("已经打开您的邮件程序并填好了留言，请在邮件程序中发送。"
                               "如果邮件程序没有出现，请把留言发到 %1，非常感谢您的支持！")
                    .arg(mail.to));
        return;
    }
    // While the mail goes out the launcher keeps painting; the send picture
    // takes no second press and the pointer shows that it is busy.
    QWidget* send = control<QWidget>(QStringLiteral("img114"));
    send->setEnabled(false);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    const QString error = core::platform().sendMail(mail);
    QApplication::restoreOverrideCursor();
    send->setEnabled(true);
    if (!error.isEmpty()) core::fail(error);
    message(QStringLiteral("邮件已经发送，非常感谢您的支持！"));
}

void Tfrmindex::wheel(int delta) {
    for (const QString& name :
         {QStringLiteral("scrlbx2"), QStringLiteral("scrlbx3"), QStringLiteral("scrlbx1")}) {
        auto* box = control<QScrollArea>(name);
        box->verticalScrollBar()->triggerAction(delta < 0 ? QAbstractSlider::SliderSingleStepAdd
                                                          : QAbstractSlider::SliderSingleStepSub);
    }
}

bool Tfrmindex::PointerFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::Wheel && type != QEvent::MouseButtonPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != m_launcher) return false;
    if (type == QEvent::MouseButtonPress) {
        // The pointer takes over: a part the keyboard was on loses its mark.
        QWidget* focused = m_launcher->focusWidget();
        if (focused && focused->property("keyboardPart").toBool()) focused->clearFocus();
        return false;
    }
    if (m_launcher->hitsTakeWheel()) return false;
    m_launcher->m_wheelDelta = static_cast<QWheelEvent*>(event)->angleDelta().y();
    m_launcher->dispatch(QStringLiteral("FormMouseWheel"));
    return true;
}

void Tfrmindex::paintEvent(QPaintEvent* event) {
    core::Form::paintEvent(event);
    if (!m_painted) {
        m_painted = true;
        QTimer::singleShot(0, this, [this] {
            emit firstPainted();
            QTimer::singleShot(0, this, [this] {
                if (isVisible()) loadAnnouncement();
            });
        });
    }
}

void Tfrmindex::closeEvent(QCloseEvent* event) {
    // Closing the launcher through the system ends the program.
    core::Form::closeEvent(event);
    core::platform().quit();
}

Tfrmindex::~Tfrmindex() = default;

// The search's keys and pointer: Ctrl+F or typing while no text field has the
// focus goes to the search field; in it the arrows move through the hits,
// Enter opens one and Esc goes back to the page; a press elsewhere closes the
// list. The catalogue's windows are remembered as they are opened.
class Tfrmindex::SearchFilter : public QObject {
public:
    explicit SearchFilter(Tfrmindex* launcher)
        : QObject(launcher)
        , m_launcher(launcher) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Show:
            if (auto* form = qobject_cast<core::Form*>(watched);
                form && form->isWindow() && form != m_launcher)
                remember(form);
            return false;
        case QEvent::KeyPress:
            return key(watched, static_cast<QKeyEvent*>(event));
        case QEvent::MouseButtonPress:
            pressed(watched);
            return false;
        case QEvent::FocusIn:
            if (watched == m_launcher->m_search && m_launcher->m_search->text().isEmpty())
                m_launcher->showRecentWindows();
            return false;
        case QEvent::FocusOut:
            if (watched == m_launcher->m_search && m_launcher->m_search->text().isEmpty() &&
                static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
                static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
                m_launcher->closeSearch();
            return false;
        default:
            return false;
        }
    }

private:
    void remember(core::Form* form) {
        const QString name = form->objectName();
        for (const CatalogueSlot& slot : catalogue())
            if (slot.target == name) {
                m_launcher->recentWindows().opened(name);
                return;
            }
    }

    bool key(QObject* watched, QKeyEvent* event) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != m_launcher) return false;
        QLineEdit* search = m_launcher->m_search;
        if (watched == search) {
            switch (event->key()) {
            case Qt::Key_Down:
                m_launcher->moveSearchHit(1);
                return true;
            case Qt::Key_Up:
                m_launcher->moveSearchHit(-1);
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                m_launcher->command([this] { m_launcher->openSearchHit(); });
                return true;
            case Qt::Key_Escape:
                m_launcher->closeSearch();
                search->clearFocus();
                return true;
            default:
                return false;
            }
        }
        // Typing while no text field has the focus starts a search.
        const QString typed = event->text();
        if (typed.isEmpty() || !typed.front().isPrint() || typed.front().isSpace()) return false;
        if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
        QWidget* focused = m_launcher->focusWidget();
        if (focused && (qobject_cast<QLineEdit*>(focused) || qobject_cast<QPlainTextEdit*>(focused) ||
                        qobject_cast<QTextEdit*>(focused)))
            return false;
        search->setFocus(Qt::ShortcutFocusReason);
        search->insert(typed);
        return true;
    }

    void pressed(QObject* watched) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != m_launcher || !m_launcher->m_hitPanel->isVisible()) return;
        if (widget == m_launcher->m_search || m_launcher->m_search->isAncestorOf(widget) ||
            m_launcher->m_hitPanel->isAncestorOf(widget) || widget == m_launcher->m_hitPanel)
            return;
        m_launcher->closeSearch();
    }

    Tfrmindex* m_launcher;
};

RecentWindows& Tfrmindex::recentWindows() {
    if (!m_recent) m_recent = std::make_unique<RecentWindows>();
    return *m_recent;
}

void Tfrmindex::buildSearch() {
    QWidget* column = control<QWidget>(QStringLiteral("pnl1"));
    m_search = addEdit(column, QStringLiteral("edtsousuo"), QRect(8, 500, 114, 26));
    m_search->setPlaceholderText(QStringLiteral("搜索 Ctrl+F"));
    m_search->setToolTip(QStringLiteral("按名称、拼音或拼音首字母查找功能，例如 lbbq"));
    m_search->setClearButtonEnabled(true);

    // The result list lies where the pages are and is shown in their place.
    const QRect pages = control<QWidget>(QStringLiteral("pgc1"))->geometry();
    m_hitPanel = new QWidget(this);
    m_hitPanel->setObjectName(QStringLiteral("pnlsousuo"));
    m_hitPanel->setGeometry(pages);
    m_hitPanel->hide();
    QLabel* heading =
        addLabel(m_hitPanel, QStringLiteral("lblsousuo"), QRect(16, 10, pages.width() - 32, 24), QString());
    paint(heading, QColor(), QColor(0x1f, 0x5f, 0xa8), 0, true);
    m_hits = new QListWidget(m_hitPanel);
    m_hits->setObjectName(QStringLiteral("lstsousuo"));
    m_hits->setGeometry(16, 40, pages.width() - 32, pages.height() - 50);
    // The keyboard stays in the search field; the arrows there move through the list.
    m_hits->setFocusPolicy(Qt::NoFocus);
    m_hits->setSpacing(2);

    on(QStringLiteral("edtsousuoChange"), [this] { showSearchHits(); });
    on(QStringLiteral("lstsousuoClick"), [this] { openSearchHit(); });
    auto* find = new QShortcut(QKeySequence::Find, this);
    find->setContext(Qt::WindowShortcut);
    connect(find, &QShortcut::activated, this, [this] {
        m_search->setFocus(Qt::ShortcutFocusReason);
        m_search->selectAll();
    });
    auto* filter = new SearchFilter(this);
    qApp->installEventFilter(filter);
}

QString Tfrmindex::pageCaption(const QString& page) const {
    QWidget* sheet = findChild<QWidget*>(page);
    for (QTabWidget* tabs : findChildren<QTabWidget*>())
        if (const int index = tabs->indexOf(sheet); index >= 0) return tabs->tabText(index);
    return {};
}

void Tfrmindex::listTiles(const QList<CatalogueSlot>& tiles, const QString& heading) {
    setText(QStringLiteral("lblsousuo"), heading);
    m_hits->clear();
    // The tile's picture beside its caption and the page it is on.
    const int height = m_hits->fontMetrics().height() * 5 / 2;
    const QSize icon(height * 3, height);
    m_hits->setIconSize(icon);
    for (const CatalogueSlot& slot : tiles) {
        // Each picture is read and scaled once, not at every key.
        QIcon& picture = m_hitIcons[slot.target + QLatin1Char('@') + QString::number(icon.width())];
        if (picture.isNull()) {
            QPixmap drawn(icon * devicePixelRatioF());
            drawn.setDevicePixelRatio(devicePixelRatioF());
            drawn.fill(Qt::white);
            core::ModulePicture module;
            module.load(m_hits, slot.target);
            QPainter p(&drawn);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            module.paint(p, QRectF(QPointF(), QSizeF(icon)), 2);
            picture = QIcon(drawn);
        }
        auto* item = new QListWidgetItem(
            picture, slot.caption + QStringLiteral("\n位于：") + pageCaption(slot.page), m_hits);
        item->setData(Qt::UserRole, slot.image);
    }
    if (m_hits->count() > 0) m_hits->setCurrentRow(0);
    if (!m_hitPanel->isVisible()) {
        control<QWidget>(QStringLiteral("pgc1"))->hide();
        m_hitPanel->show();
    }
}

void Tfrmindex::showSearchHits() {
    const QString query = m_search->text().trimmed();
    if (query.isEmpty()) {
        if (m_search->hasFocus())
            showRecentWindows();
        else
            closeSearch();
        return;
    }
    const QList<CatalogueSlot> hits = searchCatalogue(query);
    listTiles(hits, hits.isEmpty()
                        ? QStringLiteral("没有找到与\"%1\"相关的功能").arg(query)
                        : QStringLiteral("找到 %1 个功能，按回车打开第一个，上下键选择").arg(hits.size()));
}

void Tfrmindex::showRecentWindows() {
    QList<CatalogueSlot> tiles;
    for (const QString& window : recentWindows().windows())
        for (const CatalogueSlot& slot : catalogue())
            if (slot.target == window) tiles << slot;
    if (tiles.isEmpty()) {
        closeSearch();
        return;
    }
    listTiles(tiles, QStringLiteral("最近使用"));
}

void Tfrmindex::closeSearch() {
    if (!m_search->text().isEmpty()) {
        const QSignalBlocker quiet(m_search);
        m_search->clear();
    }
    m_hits->clear();
    if (m_hitPanel->isVisible()) {
        m_hitPanel->hide();
        control<QWidget>(QStringLiteral("pgc1"))->show();
    }
}

bool Tfrmindex::hitsTakeWheel() const {
    // While hits are listed the wheel scrolls them as a list does, and the
    // pages' boxes, hidden behind, stay as they were.
    return m_hitPanel && m_hitPanel->isVisible();
}

void Tfrmindex::moveSearchHit(int step) {
    if (!m_hitPanel->isVisible() || m_hits->count() == 0) return;
    m_hits->setCurrentRow(std::clamp(m_hits->currentRow() + step, 0, int(m_hits->count()) - 1));
}

void Tfrmindex::openSearchHit() {
    QListWidgetItem* item = m_hits->currentItem();
    if (!m_hitPanel->isVisible() || !item) return;
    const QString tile = item->data(Qt::UserRole).toString();
    closeSearch();
    m_search->clearFocus();
    dispatch(tile + QStringLiteral("Click"));
}

QINGWU_WINDOW(Tfrmindex, {.order = 10, .atStart = true})

} // namespace app
