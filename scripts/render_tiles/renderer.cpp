// Renders a snippet alone on a page with the real web engine.
#include "scripts/render_tiles/render_tiles.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QUrl>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

namespace tiles {

namespace {

// Nothing leaves the machine: requests for any network address are blocked.
class Offline : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        const QString scheme = info.requestUrl().scheme();
        if (scheme != QLatin1String("file") && scheme != QLatin1String("data") &&
            scheme != QLatin1String("qrc") && scheme != QLatin1String("about"))
            info.block(true);
    }
};

// Wider and taller than any module, so that blocks stretching over the whole
// page can be told from the module itself.
constexpr int kViewWidth = 2400;
constexpr int kViewHeight = 1400;

QVariant evaluate(QWebEngineView& view, const QString& script) {
    QVariant result;
    QEventLoop loop;
    view.page()->runJavaScript(script, [&](const QVariant& value) {
        result = value;
        loop.quit();
    });
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    loop.exec();
    return result;
}

void wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The page: the snippet on white, no margins, nothing moving.
QString page(const QString& code) {
    return QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><style>"
                          "html,body{margin:0;padding:0;background:#fff}"
                          "*,*::before,*::after{animation:none!important;transition:none!important;"
                          "caret-color:transparent!important}"
                          "</style></head><body>") +
           code + QStringLiteral("</body></html>");
}

// The box the module covers: the union of the visible boxes of its elements,
// each cut by the ancestors that hide their overflow; blocks that only stretch
// over the whole page width do not count.
const char* kModuleBox = R"((() => {
  const vw = window.innerWidth, vh = window.innerHeight;
  let l = vw, t = vh, r = 0, b = 0;
  for (const e of document.body.querySelectorAll('*')) {
    const s = getComputedStyle(e);
    if (s.display === 'none' || s.visibility === 'hidden' || e.tagName === 'STYLE' || e.tagName === 'SCRIPT') continue;
    let q = e.getBoundingClientRect();
    let x0 = q.left, y0 = q.top, x1 = q.right, y1 = q.bottom;
    if (x1 - x0 < 1 || y1 - y0 < 1) continue;
    if (x0 <= 0.5 && x1 >= vw - 0.5 && e.tagName !== 'IMG') { y0 = y1; }
    for (let a = e.parentElement; a && a !== document.body; a = a.parentElement) {
      const as = getComputedStyle(a);
      if (as.overflowX !== 'visible' || as.overflowY !== 'visible') {
        const c = a.getBoundingClientRect();
        x0 = Math.max(x0, c.left); y0 = Math.max(y0, c.top);
        x1 = Math.min(x1, c.right); y1 = Math.min(y1, c.bottom);
      }
    }
    x0 = Math.max(x0, 0); y0 = Math.max(y0, 0); x1 = Math.min(x1, vw); y1 = Math.min(y1, vh);
    if (x1 - x0 < 1 || y1 - y0 < 1) continue;
    l = Math.min(l, x0); t = Math.min(t, y0); r = Math.max(r, x1); b = Math.max(b, y1);
  }
  if (r <= l || b <= t) return [0, 0, 0, 0];
  return [Math.floor(l), 0, Math.ceil(r), Math.ceil(b)];
})())";

} // namespace

QImage renderSnippet(const QString& code, const QString& sampleFolder) {
    QWebEngineProfile profile; // off the record: no cache, no cookies
    Offline offline;
    profile.setUrlRequestInterceptor(&offline);
    QWebEngineView view;
    auto* webPage = new QWebEnginePage(&profile, &view);
    view.setPage(webPage);
    webPage->settings()->setAttribute(QWebEngineSettings::ShowScrollBars, false);
    webPage->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    webPage->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.resize(kViewWidth, kViewHeight);
    view.show();

    QEventLoop loaded;
    bool ok = false;
    QObject::connect(webPage, &QWebEnginePage::loadFinished, &loaded, [&](bool done) {
        ok = done;
        loaded.quit();
    });
    QTimer::singleShot(60000, &loaded, &QEventLoop::quit);
    webPage->setHtml(page(code), QUrl::fromLocalFile(sampleFolder + QStringLiteral("/")));
    loaded.exec();
    if (!ok) return {};

    // Every picture decoded, marquees stopped where they start.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20000 &&
           !evaluate(view, QStringLiteral("Array.from(document.images).every(i => i.complete) && "
                                          "document.fonts.status === 'loaded'"))
                .toBool())
        wait(50);
    // Pictures that were not fetched leave their room empty, without the
    // browser's broken-picture sign.
    evaluate(view, QStringLiteral("document.querySelectorAll('marquee').forEach(m => m.stop());"
                                  "document.querySelectorAll('img').forEach(i => {"
                                  "  if (!i.naturalWidth) i.style.visibility = 'hidden'; }); true"));

    const QVariantList box = evaluate(view, QString::fromLatin1(kModuleBox)).toList();
    if (box.size() != 4) return {};
    const QRect area(QPoint(box[0].toInt(), box[1].toInt()), QPoint(box[2].toInt() - 1, box[3].toInt() - 1));
    if (area.width() < 4 || area.height() < 4) return {};

    // The same picture twice in a row: the page has settled.
    QImage shot;
    for (int attempt = 0; attempt < 40; ++attempt) {
        wait(150);
        const QImage next = view.grab(area).toImage().convertToFormat(QImage::Format_RGB32);
        if (!next.isNull() && next == shot) break;
        shot = next;
    }
    QImage scaled = shot;
    if (scaled.width() > kMaxWidth)
        scaled = scaled.scaledToWidth(kMaxWidth, Qt::SmoothTransformation);
    if (scaled.height() > kMaxHeight) scaled = scaled.copy(0, 0, scaled.width(), kMaxHeight);
    return scaled;
}

bool showsSomething(const QImage& picture) {
    if (picture.width() < 20 || picture.height() < 20) return false;
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb corner = image.pixel(0, 0);
    qint64 away = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (std::max({std::abs(qRed(row[x]) - qRed(corner)), std::abs(qGreen(row[x]) - qGreen(corner)),
                          std::abs(qBlue(row[x]) - qBlue(corner))}) > 40)
                ++away;
    }
    return away * 50 > qint64(image.width()) * image.height();
}

} // namespace tiles
