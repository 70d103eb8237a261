#include "core/deferredbrowser.h"

#include "core/address.h"
#include "core/failure.h"
#include "core/realplatform.h"

#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFrame>
#include <QTimer>
#include <QVBoxLayout>

namespace core {

namespace {

// Qt's rich text keeps a heading at its own size whatever size the page
// gives it, and lays the first block out without its top margin; the web
// engine does neither. Both are put right, so that a static page looks as
// the engine would show it.
void followPageStyles(QTextDocument* document) {
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0) continue;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            if (!format.hasProperty(QTextFormat::FontPixelSize) && !format.hasProperty(QTextFormat::FontPointSize))
                continue;
            format.clearProperty(QTextFormat::FontSizeAdjustment);
            QTextCursor cursor(document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
    QTextFrameFormat root = document->rootFrame()->frameFormat();
    root.setTopMargin(document->begin().blockFormat().topMargin());
    document->rootFrame()->setFrameFormat(root);
}

} // namespace

DeferredBrowser::DeferredBrowser(QWidget* host, EngineFactory engine)
    : Browser(host)
    , m_host(host)
    , m_factory(std::move(engine))
    , m_layout(new QVBoxLayout(host)) {
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    watchWindow();
}

bool DeferredBrowser::isStaticPage(const QByteArray& page) {
    static const QRegularExpression marker(
        QStringLiteral(R"(<meta\s+name\s*=\s*"qingwu-page"\s+content\s*=\s*"rich-text"\s*/?>)"),
        QRegularExpression::CaseInsensitiveOption);
    // The mark sits in the page's head.
    return marker.match(QString::fromUtf8(page.left(4096))).hasMatch();
}

void DeferredBrowser::watchWindow() {
    QWidget* window = m_host->window();
    if (window == m_window) return;
    if (m_window) m_window->removeEventFilter(this);
    m_window = window;
    window->installEventFilter(this);
}

bool DeferredBrowser::windowShown() const {
    return m_window && m_window->isVisible();
}

bool DeferredBrowser::showsText() const {
    return m_text && !m_text->isHidden() && !m_engine && !m_waiting;
}

void DeferredBrowser::navigate(const QString& address) {
    watchWindow();
    m_address = address;
    m_wentTo.clear();
    const QUrl url = addressToUrl(address);
    m_localPath = url.isLocalFile() ? url.toLocalFile() : QString();
    // A local page is read now: what the window has just written is what it
    // shows, now and when it is shown again.
    m_snapshot.clear();
    m_haveSnapshot = false;
    if (!m_localPath.isEmpty()) {
        QFile file(m_localPath);
        if (file.size() <= kSnapshotLimit && file.open(QIODevice::ReadOnly)) {
            m_snapshot = file.readAll();
            m_haveSnapshot = true;
        }
    }
    if (m_haveSnapshot && isStaticPage(m_snapshot)) {
        giveUpView();
        m_waiting = false;
        showText(m_snapshot);
        return;
    }
    if (!m_engine && !windowShown()) {
        // Loaded when the window is first seen, from what it holds now.
        m_waiting = true;
        return;
    }
    makeView();
    m_waiting = false;
    m_engine->navigate(address);
}

void DeferredBrowser::showText(const QByteArray& page) {
    if (!m_text) {
        m_text = new QTextBrowser(m_host);
        m_text->setObjectName(QStringLiteral("richTextPage"));
        m_text->setFrameShape(QFrame::NoFrame);
        m_text->setOpenLinks(false);
        // A link goes where a link of the engine's page would go: this browser.
        connect(m_text, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
            navigate(link.isLocalFile() ? link.toLocalFile() : link.toString());
        });
        m_layout->addWidget(m_text);
    }
    QTextDocument* document = m_text->document();
    document->setDocumentMargin(0);
    const QString folder = QFileInfo(m_localPath).absolutePath() + QLatin1Char('/');
    document->setBaseUrl(QUrl::fromLocalFile(folder));
    m_text->setSearchPaths({folder});
    m_text->setHtml(QString::fromUtf8(page));
    followPageStyles(document);
    m_text->show();
    // As the engine's page does, once the document is there.
    QTimer::singleShot(0, this, [this] {
        if (showsText()) emit documentComplete();
    });
}

void DeferredBrowser::makeView() {
    if (m_engine) return;
    auto* box = new QWidget(m_host);
    box->setObjectName(QStringLiteral("webView"));
    EngineBrowser* engine = nullptr;
    try {
        engine = m_factory(box);
    } catch (...) {
        delete box;
        throw;
    }
    m_box = box;
    m_engine = engine;
    m_layout->addWidget(m_box);
    m_engine->fitWidth(m_fitWidth);
    connect(m_engine, &Browser::documentComplete, this, &Browser::documentComplete);
    if (m_text) m_text->hide();
    m_box->show();
}

void DeferredBrowser::showInEngine() {
    makeView();
    m_waiting = false;
    if (!m_wentTo.isEmpty())
        m_engine->navigate(m_wentTo);
    else if (m_haveSnapshot)
        m_engine->showSnapshot(m_localPath, m_snapshot);
    else
        m_engine->navigate(m_address);
}

void DeferredBrowser::giveUpView() {
    if (!m_engine) return;
    const QString shown = m_engine->shownAddress();
    const bool same = shown.isEmpty() || (!m_localPath.isEmpty() && QFileInfo(shown) == QFileInfo(m_localPath)) ||
                      shown == m_address;
    m_wentTo = same ? QString() : shown;
    // The box holds the view and its page: the engine lets the page go.
    delete m_box;
    m_box = nullptr;
    m_engine = nullptr;
    m_waiting = true;
}

void DeferredBrowser::reload() {
    if (m_engine) {
        m_engine->reload();
        return;
    }
    if (showsText()) {
        // A static page is read again, as the engine would.
        QFile file(m_localPath);
        if (file.open(QIODevice::ReadOnly)) {
            m_snapshot = file.readAll();
            if (isStaticPage(m_snapshot)) {
                showText(m_snapshot);
            } else {
                m_waiting = true;
                if (windowShown()) showInEngine();
            }
        }
    }
    // A page waiting for its view is loaded when it is first seen.
}

void DeferredBrowser::show() {
    m_host->show();
}

void DeferredBrowser::setBodyStyle(const QString& property, const QString& value) {
    if (m_engine) m_engine->setBodyStyle(property, value);
}

void DeferredBrowser::setBodyAttribute(const QString& name, const QString& value) {
    if (m_engine) m_engine->setBodyAttribute(name, value);
}

QList<PictureElement> DeferredBrowser::pictures() {
    if (!m_engine) {
        if (m_address.isEmpty()) return {};
        // The document is asked for: it is loaded now, seen or not.
        m_waiting = true;
        QEventLoop loop;
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        showInEngine();
        connect(m_engine, &Browser::documentComplete, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    const QList<PictureElement> found = m_engine ? m_engine->pictures() : QList<PictureElement>();
    // A hidden window keeps no view.
    if (!windowShown()) QTimer::singleShot(0, this, [this] {
            if (!windowShown()) giveUpView();
        });
    return found;
}

QWidget* DeferredBrowser::widget() {
    if (m_engine) return m_engine->widget();
    return m_text;
}

void DeferredBrowser::fitWidth(int width) {
    m_fitWidth = width;
    if (m_engine) m_engine->fitWidth(width);
}

bool DeferredBrowser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window) {
        if (event->type() == QEvent::Show && m_waiting) {
            // Once the window is on screen.
            QTimer::singleShot(0, this, [this] {
                if (!m_waiting || !windowShown()) return;
                try {
                    showInEngine();
                } catch (const Failure& failure) {
                    platform().messageBox(m_window, failure.message(), platform().applicationTitle(),
                                          Buttons::Ok, Icon::Error);
                }
            });
        } else if (event->type() == QEvent::Hide && m_engine && !m_window->isVisible()) {
            // Hidden, not minimised: the page goes until the window comes back.
            QTimer::singleShot(0, this, [this] {
                if (!windowShown()) giveUpView();
            });
        }
    }
    return Browser::eventFilter(watched, event);
}

Browser* createEmbeddedBrowser(QWidget* parent) {
    return new DeferredBrowser(parent, [](QWidget* box) { return createWebBrowser(box); });
}

} // namespace core
