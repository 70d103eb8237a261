#pragma once

#include "core/enginebrowser.h"

#include <QByteArray>
#include <QPointer>
#include <QString>
#include <functional>

class QTextBrowser;
class QVBoxLayout;

namespace core {

// The embedded browser of the program's windows. It costs only what is seen:
//
// - The program's static pages (marked with <meta name="qingwu-page"
//   content="rich-text">, UTF-8) are shown as rich text, without the web
//   engine.
// - Any other page gets a view of the web engine when its window is shown:
//   a window that loads a page while hidden (a start page, a hand-off) makes
//   its view when it is first seen.
// - While its window is hidden the view is given up, and the engine frees
//   what the page held; shown again, the page comes back from what it showed,
//   kept here, never read again from a file another window may have written
//   since. A page the user went on to from there comes back by its address.
class DeferredBrowser : public Browser {
    Q_OBJECT
public:
    using EngineFactory = std::function<EngineBrowser*(QWidget* parent)>;

    // A browser filling `host`; `engine` makes the web engine's views.
    DeferredBrowser(QWidget* host, EngineFactory engine);

    void navigate(const QString& address) override;
    void reload() override;
    void show() override;
    void setBodyStyle(const QString& property, const QString& value) override;
    void setBodyAttribute(const QString& name, const QString& value) override;
    QList<PictureElement> pictures() override;
    // The view that shows the page, if any yet.
    QWidget* widget() override;
    void fitWidth(int width) override;

    // What it holds now.
    bool showsText() const;
    bool hasWebView() const { return m_engine != nullptr; }

    // Whether a local page is one of the program's static pages.
    static bool isStaticPage(const QByteArray& page);
    // The largest page kept to be shown again.
    static constexpr qint64 kSnapshotLimit = 64 * 1024 * 1024;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchWindow();
    bool windowShown() const;
    void showText(const QByteArray& page);
    // Makes the web view, if there is none.
    void makeView();
    // Makes the web view and loads the page into it again, from what it held.
    void showInEngine();
    void giveUpView();

    QWidget* m_host;
    EngineFactory m_factory;
    QVBoxLayout* m_layout;
    QPointer<QWidget> m_window;
    QTextBrowser* m_text = nullptr;
    // The web view lives in a box of its own: giving it up deletes the box.
    QWidget* m_box = nullptr;
    EngineBrowser* m_engine = nullptr;

    QString m_address;   // as the window asked for it
    QString m_localPath; // the local file behind it, if any
    QByteArray m_snapshot;
    bool m_haveSnapshot = false;
    // The page needs the web engine and waits for a view.
    bool m_waiting = false;
    // Where the page had gone when its view was given up, if not to m_address.
    QString m_wentTo;
    int m_fitWidth = 0;
};

// The embedded browser the program's windows get.
Browser* createEmbeddedBrowser(QWidget* parent);

} // namespace core
