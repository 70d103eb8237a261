#include "core/address.h"
#include "core/enginebrowser.h"
#include "core/files.h"
#include "core/origin.h"
#include "core/platform.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QHash>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QUrlQuery>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>
#include <QWebEngineView>
#include <algorithm>
#include <memory>

namespace core {

namespace {

QString jsString(const QString& text) {
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        if (c == u'"' || c == u'\\') out += u'\\';
        if (c.unicode() < 32)
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + u'"';
}

// The shop's widgets come alive in the program's own pages: the runtime in
// "files" runs in every document of the origin once it is ready, never in a
// page from the web, and the page files themselves stay as written.
void addWidgetRuntime(QWebEngineProfile* profile) {
    QFile file(filesFolder() + QStringLiteral("/widgets.js"));
    if (!file.open(QIODevice::ReadOnly)) return;
    QWebEngineScript runtime;
    runtime.setName(QStringLiteral("qingwu-widgets"));
    runtime.setSourceCode(QString::fromUtf8(file.readAll()));
    runtime.setInjectionPoint(QWebEngineScript::DocumentReady);
    runtime.setWorldId(QWebEngineScript::MainWorld);
    runtime.setRunsOnSubFrames(true);
    profile->scripts()->insert(runtime);
}

// Pages shown again from what they held (EngineBrowser::showSnapshot), by
// number. The number travels in the page address's query, which leaves the
// address of everything the page names unchanged.
const QString kSnapshotKey = QStringLiteral("qingwu-snapshot");

QHash<QString, QByteArray>& snapshots() {
    static QHash<QString, QByteArray> table;
    return table;
}

// The origin of the program's pages: answers from the program's folders and
// pictures, as core::answerOrigin decides, read-only; a page shown again
// from what it held, from there.
class OriginHandler : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    void requestStarted(QWebEngineUrlRequestJob* job) override {
        const QUrl url = job->requestUrl();
        const QString snapshot = QUrlQuery(url).queryItemValue(kSnapshotKey);
        if (!snapshot.isEmpty() && snapshots().contains(snapshot)) {
            // Only the program itself asks for one.
            if (!job->initiator().isEmpty() && !isOriginAddress(job->initiator())) {
                job->fail(QWebEngineUrlRequestJob::RequestDenied);
                return;
            }
            auto* page = new QBuffer(job);
            page->setData(snapshots().value(snapshot));
            page->open(QIODevice::ReadOnly);
            job->reply("text/html", page);
            return;
        }
        const OriginAnswer answer = answerOrigin(job->requestUrl(), job->initiator());
        switch (answer.kind) {
        case OriginAnswer::Serve: {
            auto* file = new QFile(answer.path, job);
            if (file->open(QIODevice::ReadOnly))
                job->reply(answer.type, file);
            else
                job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        case OriginAnswer::Redirect:
            job->redirect(answer.redirect);
            return;
        case OriginAnswer::Denied:
            job->fail(QWebEngineUrlRequestJob::RequestDenied);
            return;
        case OriginAnswer::NotFound:
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
    }
};

// No page reaches a local file by its file: address: a page of the origin
// that names one (a picture by its path, the frame pages' style sheet) gets
// it through the origin, which answers only what it may; anything else is
// refused.
class LocalFileGuard : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        const QUrl url = info.requestUrl();
        if (!url.isLocalFile()) return;
        if (isOriginAddress(info.initiator()))
            info.redirect(originAddress(url.toLocalFile()));
        else
            info.block(true);
    }
};

// The program's scheme is registered once, when the module is loaded with
// the first browser: before any profile or page exists, as the web engine
// requires, and without the web engine at start-up.
void registerOrigin() {
    QWebEngineUrlScheme scheme(kOriginScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    // Its pages may ask for local files; LocalFileGuard sends every such
    // request back to the origin.
    scheme.setFlags(QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
}

// One profile for every browser of the program, off the record, with the
// origin and the widget runtime. At exit its pages go first, then the
// profile itself: the web engine wants no page left when a profile goes.
QList<QPointer<QWebEnginePage>>& livePages() {
    static QList<QPointer<QWebEnginePage>> pages;
    return pages;
}

QWebEngineProfile*& profileSlot() {
    static QWebEngineProfile* profile = nullptr;
    return profile;
}

void releaseProfile() {
    for (const QPointer<QWebEnginePage>& page : std::as_const(livePages())) delete page.data();
    livePages().clear();
    delete profileSlot();
    profileSlot() = nullptr;
}

// The program's pages share renderer processes by site: its own pages, in
// however many windows, live in one. Told to the engine before it starts;
// a choice made in QTWEBENGINE_CHROMIUM_FLAGS stands.
void shareRenderers() {
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (flags.contains("--process-per-") || flags.contains("--single-process")) return;
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", (flags + " --process-per-site").trimmed());
}

QWebEngineProfile* programProfile() {
    QWebEngineProfile*& profile = profileSlot();
    if (!profile) {
        shareRenderers();
        if (programOriginInUse()) {
            static const bool registered = (registerOrigin(), true);
            Q_UNUSED(registered);
        }
        profile = new QWebEngineProfile;
        if (programOriginInUse()) {
            profile->installUrlSchemeHandler(kOriginScheme, new OriginHandler(profile));
            profile->setUrlRequestInterceptor(new LocalFileGuard(profile));
        }
        addWidgetRuntime(profile);
        // Run when the application object goes, before the web engine's own
        // clean-up (post routines run last registered first).
        qAddPostRoutine(releaseProfile);
    }
    return profile;
}

// Local files are shown through the origin; web addresses as they are.
QUrl pageAddress(const QString& address) {
    const QUrl url = addressToUrl(address);
    if (url.isLocalFile() && programOriginInUse()) return originAddress(url.toLocalFile());
    return url;
}

// The source of a picture as the callers know it: a local file by its file:
// address, whichever way the page reached it.
QString pictureSource(const QString& src) {
    const QUrl url(src);
    if (!isOriginAddress(url)) return src;
    return QUrl::fromLocalFile(originLocalPath(url)).toString();
}

// The page of an embedded browser. What its scripts write to the console is
// kept, one "level: text" line each, in the browser's "consoleMessages"
// property, where the program's checks read it.
class ConsolePage : public QWebEnginePage {
public:
    ConsolePage(QObject* keeper, QObject* parent)
        : QWebEnginePage(programProfile(), parent)
        , m_keeper(keeper) {
        livePages().append(this);
    }

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int,
                                  const QString&) override {
        static const char* const names[] = {"info", "warning", "error"};
        if (!m_keeper) return;
        QStringList lines = m_keeper->property("consoleMessages").toStringList();
        lines << QString::fromLatin1(names[std::clamp(static_cast<int>(level), 0, 2)]) +
                     QStringLiteral(": ") + message;
        // A page that writes without end keeps only its latest lines.
        while (lines.size() > 500)
            lines.removeFirst();
        m_keeper->setProperty("consoleMessages", lines);
    }

private:
    QPointer<QObject> m_keeper;
};

// Page width. A page shown in a view narrower than the width it is laid out
// for is scaled down to fit instead of re-flowed, and a small caption in the
// top right corner of the view gives the scale.
class PageFit : public QObject {
public:
    explicit PageFit(QWebEngineView* view)
        : QObject(view)
        , m_view(view) {
        view->installEventFilter(this);
        // The engine sets its own zoom while it loads a page: it is set again
        // when loading starts and when it ends.
        connect(view, &QWebEngineView::loadStarted, this, &PageFit::apply);
        connect(view, &QWebEngineView::loadFinished, this, &PageFit::apply);
    }

    void setWidth(int width) {
        m_width = std::max(0, width);
        apply();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_view && (event->type() == QEvent::Resize || event->type() == QEvent::Move ||
                                  event->type() == QEvent::Show))
            apply();
        return QObject::eventFilter(watched, event);
    }

private:
    // The room the vertical scroll bar takes; it is not scaled with the page.
    static constexpr int kScrollBar = 16;

    void apply() {
        const int room = m_view->width() - kScrollBar;
        double zoom = 1.0;
        if (m_width > 0 && room < m_width) zoom = std::clamp(double(std::max(room, 1)) / m_width, 0.25, 1.0);
        if (!qFuzzyCompare(m_view->zoomFactor(), zoom)) m_view->setZoomFactor(zoom);
        showCaption(zoom < 1.0 ? QStringLiteral("缩放 %1%").arg(int(zoom * 100)) : QString());
    }

    void showCaption(const QString& text) {
        QWidget* host = m_view->parentWidget();
        if (text.isEmpty() || !host) {
            if (m_caption) m_caption->hide();
            return;
        }
        if (!m_caption) {
            m_caption = new QLabel(host);
            m_caption->setObjectName(QStringLiteral("zoomCaption"));
            m_caption->setAttribute(Qt::WA_TransparentForMouseEvents);
            m_caption->setStyleSheet(QStringLiteral("QLabel { background: rgba(0, 0, 0, 140); color: white; "
                                                    "border-radius: 3px; padding: 1px 6px; }"));
        }
        m_caption->setText(text);
        m_caption->adjustSize();
        const QRect view = m_view->geometry();
        m_caption->move(view.right() + 1 - kScrollBar - 4 - m_caption->width(), view.top() + 4);
        m_caption->show();
        m_caption->raise();
    }

    QWebEngineView* m_view;
    QPointer<QLabel> m_caption;
    int m_width = 0;
};

class WebBrowser : public EngineBrowser {
public:
    explicit WebBrowser(QWidget* parent)
        : EngineBrowser(parent)
        , m_view(new QWebEngineView(parent)) {
        auto* layout = new QVBoxLayout(parent);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_view);
        m_view->setPage(new ConsolePage(this, m_view));
        // Pages written by the program are GB18030 unless they declare a charset.
        m_view->settings()->setDefaultTextEncoding(QStringLiteral("GB18030"));
        // A page reads no local file (the program's own pages come from its origin).
        m_view->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
        connect(m_view, &QWebEngineView::loadFinished, this, [this](bool) { emit documentComplete(); });
        m_fit = new PageFit(m_view);
    }

    ~WebBrowser() override { dropSnapshot(); }

    void navigate(const QString& address) override {
        dropSnapshot();
        m_view->setUrl(pageAddress(address));
    }
    void showSnapshot(const QString& path, const QByteArray& bytes) override {
        dropSnapshot();
        static int last = 0;
        m_snapshot = QString::number(++last);
        snapshots().insert(m_snapshot, bytes);
        QUrl address = pageAddress(path);
        address.setQuery(QUrlQuery({{kSnapshotKey, m_snapshot}}));
        m_view->setUrl(address);
    }
    QString shownAddress() const override {
        const QUrl url = m_view->url();
        if (url.isEmpty()) return {};
        if (isOriginAddress(url)) return originLocalPath(url);
        return url.isLocalFile() ? url.toLocalFile() : url.toString();
    }
    void reload() override { m_view->reload(); }
    void show() override {
        m_view->show();
        if (QWidget* host = qobject_cast<QWidget*>(parent())) host->show();
    }
    void setBodyStyle(const QString& property, const QString& value) override {
        m_view->page()->runJavaScript(QStringLiteral("if (document.body) document.body.style[%1] = %2;")
                                          .arg(jsString(property), jsString(value)));
    }
    void setBodyAttribute(const QString& name, const QString& value) override {
        m_view->page()->runJavaScript(QStringLiteral("if (document.body) document.body.setAttribute(%1, %2);")
                                          .arg(jsString(name), jsString(value)));
    }
    QList<PictureElement> pictures() override {
        struct Pending {
            QVariant result;
            bool done = false;
            QEventLoop loop;
        };
        auto pending = std::make_shared<Pending>();
        m_view->page()->runJavaScript(QStringLiteral("Array.from(document.images).map(function (i) { return "
                                                     "[i.getAttribute('name') || '', i.src]; })"),
                                      [pending](const QVariant& value) {
                                          pending->result = value;
                                          pending->done = true;
                                          pending->loop.quit();
                                      });
        if (!pending->done) {
            QTimer::singleShot(10000, &pending->loop, &QEventLoop::quit);
            pending->loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
        const QVariant result = pending->result;
        QList<PictureElement> pictures;
        for (const QVariant& item : result.toList()) {
            const QVariantList pair = item.toList();
            if (pair.size() == 2) pictures.append({pair[0].toString(), pictureSource(pair[1].toString())});
        }
        return pictures;
    }
    QWidget* widget() override { return m_view; }
    void fitWidth(int width) override { m_fit->setWidth(width); }

private:
    void dropSnapshot() {
        if (!m_snapshot.isEmpty()) snapshots().remove(m_snapshot);
        m_snapshot.clear();
    }

    QWebEngineView* m_view;
    PageFit* m_fit;
    QString m_snapshot;
};

} // namespace

} // namespace core

// The entry point of the web-engine module.
extern "C" Q_DECL_EXPORT core::EngineBrowser* qingwu_create_browser(QWidget* parent) {
    return new core::WebBrowser(parent);
}
