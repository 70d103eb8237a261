#pragma once

#include <QImage>
#include <optional>
#include <QString>
#include <QStringList>

namespace core {
class Form;
}

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

// What a generator delivers for the sample settings.
struct Snippet {
    QString button;  // the generate button, "btn1" (the last step button where there is none)
    QString box;     // the box it wrote into, "mmo1" (empty: the clipboard)
    QString code;
};

// The generate button of a window: the first button whose caption begins with
// "生成" or reads "提取代码", "获取代码" or "复制提取"; empty when there is none.
QString generateButton(core::Form* form);
// The buttons of the steps before generating, for generators that assemble
// their code in several steps: captions beginning with "调试" or "提交", and
// "确认预览".
QStringList trialButtons(core::Form* form);

// Fills the sample settings (the window's own, then every picture address in the window's fields, the
// placeholders "图1地址" and the empty fields captioned as picture addresses
// pointed at the sample pictures, in turn from one that depends on the
// window's class: a banner where the address names a
// picture at least 1200 pixels wide, "poster-1920x500.jpg", a product picture
// otherwise; the rest as the window starts),
// presses the step buttons and the generate button, where the window has them,
// and takes the snippet delivered: the text of the box written into, or else
// the clipboard. No snippet when neither button is there or nothing with
// markup came out.
struct SampleSettings;
std::optional<Snippet> generateSample(core::Form* form, const QString& sampleFolder,
                                      const SampleSettings& settings);

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

// The sample settings of the windows that need more than the pictures: what
// their fields hold, the column their snippet is shown in.
struct SampleSettings {
    QList<QPair<QString, QString>> fields; // control name, text
    QStringList presses;                   // buttons pressed before the generate button
    RenderOptions render;
};
SampleSettings sampleSettings(const QString& className);

} // namespace tiles
