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

// The page: the snippet on white with the shop's page styles (the classes
// custom modules borrow), nothing moving, in the middle of the page in the
// content column of a shop's home page (950 px) or the one given.
QString page(const QString& code, int column) {
    const QString skin = QUrl::fromLocalFile(QStringLiteral(QINGWU_SOURCE_DIR "/resources/files/yulan.css")).toString();
    const QString body = QStringLiteral("<div id=\"qingwu-column\" style=\"width:%1px;margin:0 auto\">")
                             .arg(column > 0 ? column : 950) +
                         code + QStringLiteral("</div>");
    return QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\">") +
           QStringLiteral("<link rel=\"stylesheet\" href=\"%1\"><style>").arg(skin) +
           QStringLiteral(
                          "html,body{margin:0;padding:0;background:#fff}"
                          "*,*::before,*::after{animation:none!important;transition:none!important;"
                          "caret-color:transparent!important}"
                          "</style></head><body>") +
           body + QStringLiteral("</body></html>");
}

// The box the module covers: the union of the visible boxes of its elements,
// each cut by the ancestors that hide their overflow; blocks that only stretch
// over the whole page width do not count.
const char* kModuleBox = R"((() => {
  const vw = window.innerWidth, vh = window.innerHeight;
  let l = vw, t = vh, r = 0, b = 0;
  for (const e of document.body.querySelectorAll('*')) {
    const s = getComputedStyle(e);
    if (s.display === 'none' || s.visibility === 'hidden' || e.tagName === 'STYLE' || e.tagName === 'SCRIPT' ||
        e.id === 'qingwu-column') continue;
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

QImage renderSnippet(const QString& code, const QString& sampleFolder, const RenderOptions& options) {
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
    webPage->setHtml(page(code, options.column), QUrl::fromLocalFile(sampleFolder + QStringLiteral("/")));
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
    // A marquee is shown at rest, its content where it scrolls into: a box of
    // its size that holds it from its start.
    evaluate(view, QStringLiteral("document.querySelectorAll('img').forEach(i => {"
                                  "  if (!i.naturalWidth) i.style.visibility = 'hidden'; });"
                                  "document.querySelectorAll('marquee').forEach(m => {"
                                  "  const box = document.createElement('div');"
                                  "  const s = getComputedStyle(m);"
                                  "  box.style.cssText = m.style.cssText;"
                                  "  box.style.display = 'inline-block';"
                                  "  box.style.overflow = 'hidden';"
                                  "  box.style.verticalAlign = 'top';"
                                  "  box.style.width = m.getAttribute('width') || s.width;"
                                  "  box.style.height = s.height;"
                                  "  box.style.boxSizing = 'border-box';"
                                  "  while (m.firstChild) box.appendChild(m.firstChild);"
                                  "  m.replaceWith(box); }); true"));

    const auto moduleBox = [&]() -> QRectF {
        const QVariantList box = evaluate(view, QString::fromLatin1(kModuleBox)).toList();
        if (box.size() != 4) return {};
        return QRectF(QPointF(box[0].toDouble(), box[1].toDouble()), QPointF(box[2].toDouble(), box[3].toDouble()));
    };
    QRectF box = moduleBox();
    if (box.width() < 4 || box.height() < 4) return {};
    // A small module is shown enlarged: the page is zoomed, laid out again and
    // measured again.
    qreal zoom = 1;
    if (box.width() < kSmallWidth && box.height() < kSmallHeight) {
        zoom = std::min({4.0, 2 * kSmallWidth / box.width(), 2 * kSmallHeight / box.height()});
        zoom = std::floor(zoom * 4) / 4;
        if (zoom > 1) {
            webPage->setZoomFactor(zoom);
            wait(300);
            box = moduleBox();
            if (box.width() < 1 || box.height() < 1) return {};
        }
    }
    const QRect area = QRectF(box.topLeft() * zoom, box.bottomRight() * zoom).toAlignedRect();

    // The same picture twice in a row: the page has settled.
    QImage shot;
    for (int attempt = 0; attempt < 40; ++attempt) {
        wait(150);
        const QImage next = view.grab(area).toImage().convertToFormat(QImage::Format_RGB32);
        if (!next.isNull() && next == shot) break;
        shot = next;
    }
    // Down to kMaxWidth; a thin strip keeps up to twice that so that the part
    // a tile shows of it stays sharp.
    QImage scaled = shot;
    const double scale = std::min(1.0, std::max(double(kMaxWidth) / shot.width(),
                                                std::min(2.0 * kMaxWidth / shot.width(), 120.0 / shot.height())));
    if (scale < 1) scaled = shot.scaledToWidth(int(std::lround(shot.width() * scale)), Qt::SmoothTransformation);
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

namespace {

// The colour of a pixel counted in steps of 16 a channel.
inline int colourStep(QRgb c) {
    return (qRed(c) >> 4) << 8 | (qGreen(c) >> 4) << 4 | (qBlue(c) >> 4);
}

} // namespace

double dominantShare(const QImage& picture, const QRect& area) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const QRect part = area.intersected(image.rect());
    if (part.isEmpty()) return 1;
    std::vector<int> counts(4096, 0);
    int most = 0;
    for (int y = part.top(); y <= part.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = part.left(); x <= part.right(); ++x) most = std::max(most, ++counts[colourStep(row[x])]);
    }
    return double(most) / (qint64(part.width()) * part.height());
}

QRect chooseFocus(const QImage& picture, double aspect) {
    const QRect whole = picture.rect();
    if (whole.isEmpty() || aspect <= 0) return whole;
    // Measured on a copy at most 200 pixels wide.
    const double factor = std::max(1.0, picture.width() / 200.0);
    const QImage small =
        picture.scaled(QSize(std::max(1, int(picture.width() / factor)), std::max(1, int(picture.height() / factor))),
                       Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const int width = small.width(), height = small.height();
    // The largest part of the shape first, then smaller ones down to a third.
    const int largest = std::min<int>(width, std::lround(height * aspect));
    QRect best;
    double bestShare = 2;
    for (int step = 0; step < 10; ++step) {
        const int w = std::max(1, int(std::lround(largest * (1.0 - step * 0.075))));
        const int h = std::min(height, std::max(1, int(std::lround(w / aspect))));
        if (w < std::min(width, 24)) break;
        const int stride = std::max(1, w / 12);
        QRect chosen;
        double share = 2;
        for (int y = 0; y + h <= height; y += std::max(1, h / 6)) {
            for (int x = 0; x + w <= width; x += stride) {
                const double s = std::round(dominantShare(small, QRect(x, y, w, h)) * 50) / 50;
                if (s < share) {
                    share = s;
                    chosen = QRect(x, y, w, h);
                }
            }
        }
        if (share < bestShare) {
            bestShare = share;
            best = chosen;
        }
        if (share <= 0.6) {
            best = chosen;
            break;
        }
    }
    if (best.isEmpty()) return whole;
    const QRect focus(int(std::lround(best.x() * factor)), int(std::lround(best.y() * factor)),
                      int(std::lround(best.width() * factor)), int(std::lround(best.height() * factor)));
    return focus.intersected(whole);
}

} // namespace tiles
