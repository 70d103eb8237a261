#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace tiles {

// The sample pictures, drawn by this program: product pictures "sample1.png"
// to "sample8.png" (800 × 450) and full-width banners "banner1.png" to
// "banner3.png" (1920 × 500).
bool drawSamples(const QString& folder);
QStringList samplePictures(const QString& folder);
QStringList bannerPictures(const QString& folder);
// Small button pictures for the windows whose module is a button: "cart.png",
// "share.png", "wangwang.png", "qun.png".
QStringList buttonPictures(const QString& folder);

// A generator's sample snippet with its pictures pointed at the sample
// pictures: every picture address (http or https, a picture file name), the
// placeholders "图1地址", the sample pictures the windows name
// ("http://sample.invalid/cart.png") and empty picture sources, in turn from
// one that depends on the window's class: a banner where the address names a
// picture at least 1200 pixels wide ("poster-1920x500.jpg") or a strip three
// times as wide as high (a shop sign, "dianzhao-950x150.jpg"), a product
// picture otherwise; cut to the size the address names, if it names one.
QString pointAtSamples(const QString& code, const QString& sampleFolder, const QString& className);

// How a snippet is rendered.
struct RenderOptions {
    // The width of the content column the snippet is put in; 0: a shop home
    // page's, 950 px.
    int column = 0;
};

// Renders a snippet alone on a page with the real web engine, nothing fetched
// from the network, and returns the part of the page the module covers,
// scaled down to at most kMaxWidth × kMaxHeight. A module narrower than
// kSmallWidth and lower than kSmallHeight is rendered enlarged, up to four
// times and to at most twice that size, so that a tile shows it sharp.
inline constexpr int kMaxWidth = 800;
inline constexpr int kMaxHeight = 400;
inline constexpr int kSmallWidth = 200;
inline constexpr int kSmallHeight = 100;
QImage renderSnippet(const QString& code, const QString& sampleFolder, const RenderOptions& options = {});

// Whether a rendering shows a module: at least 20 pixels each way, and more
// than 2% of its pixels away from the colour of its top left corner.
bool showsSomething(const QImage& picture);

// The share of the pixels of `area` whose colour is the most common one there
// (colours counted in steps of 16 a channel).
double dominantShare(const QImage& picture, const QRect& area);

// The part of a rendering a box of `aspect` (width / height) shows: the
// largest part of that shape (the picture's own shape where it is smaller)
// whose most common colour covers at most 60% of it, the one with the least
// such share where no part is that varied; the higher and further left of equal
// ones.
QRect chooseFocus(const QImage& picture, double aspect);

// The pictures of the tools, drawn by this program: the windows that have one,
// and the drawing of one at a size (a null picture for another window).
QStringList drawnWindows();
QImage drawTool(const QString& className, QSize size);

// How a window's sample snippet is rendered: the column of a module that
// takes the page's width.
RenderOptions renderOptions(const QString& className);

} // namespace tiles
