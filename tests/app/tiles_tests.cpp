// The pictures of the launcher tiles and the top pictures: every window of the
// catalogue has one (the rendering of a generator's snippet, the drawing of a
// tool), a tile shows it above its caption's band and never mostly one colour,
// and the renderer run again gives the committed pictures back.
#include "app/catalogue.h"
#include "app/launcher.h"
#include "app/windows.h"
#include "core/files.h"
#include "core/modulepicture.h"
#include "core/registry.h"
#include "tests/support/helpers.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QScrollArea>
#include <QSet>
#include <QHash>
#include <QTabWidget>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Finished {
    int exitCode = -1;
    QString output;
    QString errors;
};

Finished runRenderer(const QStringList& arguments, int ms = 540000) {
    QProcess process;
    process.start(QStringLiteral(QINGWU_BINARY_DIR "/render_tiles"), arguments);
    if (!process.waitForFinished(ms)) {
        process.kill();
        process.waitForFinished();
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// One run of the renderer over every window of the catalogue, into a scratch
// folder: what it says of each window ("Tfrmlunbo generator 800x167",
// "Tfrmjsq tool drawn 800x188") and the pictures it made.
struct Rendered {
    QTemporaryDir out;
    QTemporaryDir samples;
    QMap<QString, QStringList> verdicts;
    QMap<QString, QString> generators; // window class -> size
    QMap<QString, QString> drawn;          // window class -> size
    int exitCode = -1;
    QString errors;
};

const Rendered& rendered() {
    static Rendered* run = [] {
        auto* result = new Rendered;
        const Finished finished =
            runRenderer({"--draw-samples", "--samples", result->samples.path(), "--out", result->out.path()});
        result->exitCode = finished.exitCode;
        result->errors = finished.errors;
        for (const QString& line : finished.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QStringList words = line.split(QLatin1Char(' '));
            if (words.size() < 2) continue;
            result->verdicts.insert(words[0], words.mid(1));
            if (words.size() == 3 && words[1] == "generator") result->generators.insert(words[0], words[2]);
            if (words.size() == 4 && words[1] == "tool" && words[2] == "drawn") result->drawn.insert(words[0], words[3]);
        }
        return result;
    }();
    return *run;
}

const QMap<QString, QString>& generators() {
    return rendered().generators;
}

// Every window with a picture: the generators and the drawn tools.
QStringList pictured() {
    return generators().keys() + rendered().drawn.keys();
}

QString committed(const QString& className) {
    return QStringLiteral(QINGWU_SOURCE_DIR "/resources/files/tiles/") + className + QStringLiteral(".png");
}

// The share of pixels of two pictures of one size that differ by more than
// `step` in a colour channel.
double differing(const QImage& a, const QImage& b, int step) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    qint64 off = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            if (std::abs(qRed(p[col]) - qRed(q[col])) > step ||
                std::abs(qGreen(p[col]) - qGreen(q[col])) > step ||
                std::abs(qBlue(p[col]) - qBlue(q[col])) > step)
                ++off;
    }
    return double(off) / (qint64(x.width()) * x.height());
}

QColor meanColour(const QImage& image, const QRectF& area) {
    const QImage part = image.copy(area.toAlignedRect()).convertToFormat(QImage::Format_RGB32);
    qint64 r = 0, g = 0, b = 0;
    for (int y = 0; y < part.height(); ++y)
        for (int x = 0; x < part.width(); ++x) {
            const QRgb c = part.pixel(x, y);
            r += qRed(c), g += qGreen(c), b += qBlue(c);
        }
    const qint64 n = std::max<qint64>(1, qint64(part.width()) * part.height());
    return QColor(int(r / n), int(g / n), int(b / n));
}

int distance(const QColor& a, const QColor& b) {
    return std::max(
        {std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
}

// A picture that is mostly one colour: more than 85% of its pixels within 16
// in every channel of its most common colour (colours counted in steps of 32).
double mostCommonShare(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    QHash<int, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            ++counts[(qRed(c) >> 5) << 6 | (qGreen(c) >> 5) << 3 | (qBlue(c) >> 5)];
        }
    int bin = 0;
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (it.value() > counts.value(bin)) bin = it.key();
    // The mean colour of the most common bin.
    qint64 r = 0, g = 0, b = 0, n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (((qRed(c) >> 5) << 6 | (qGreen(c) >> 5) << 3 | (qBlue(c) >> 5)) != bin) continue;
            r += qRed(c), g += qGreen(c), b += qBlue(c), ++n;
        }
    if (!n) return 1;
    const QColor common(int(r / n), int(g / n), int(b / n));
    qint64 near = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (distance(image.pixelColor(x, y), common) <= 16) ++near;
    return double(near) / (qint64(image.width()) * image.height());
}
constexpr double kMostlyOneColour = 0.85;

QList<QLabel*> topPictures(core::Form* form) {
    QList<QLabel*> found;
    for (auto* label : form->findChildren<QLabel*>())
        if (label->property("topPicture").toBool()) found << label;
    return found;
}

QPixmap shown(const QWidget* widget) {
    return qvariant_cast<QPixmap>(widget->property("modulePicture"));
}

// What a box of `size` should show of a window's picture: the part around its
// focus, at the scale it covers the box with (enlarged at most `largest`
// times), in the middle of a white box.
QImage expectedShowing(const QString& className, QSize size, qreal largest) {
    const core::PictureFile file = core::readModulePicture(committed(className));
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::white);
    const QRectF part = core::visiblePart(file.picture.size(), file.focus, QSizeF(size), largest);
    const qreal scale = core::shownScale(file.focus, QSizeF(size), largest);
    const QSize target = (part.size() * scale).toSize();
    const QImage piece = file.picture.toImage().copy(part.toAlignedRect()).scaled(target, Qt::IgnoreAspectRatio,
                                                                                  Qt::SmoothTransformation);
    QPainter p(&page);
    p.drawImage((size.width() - target.width()) / 2, (size.height() - target.height()) / 2, piece);
    return page;
}

// The largest distance between the mean colours of the cells of a grid laid
// over two pictures of one size: small where they show the same thing.
int cellsApart(const QImage& a, const QImage& b, int columns, int rows) {
    int worst = 0;
    const qreal w = qreal(a.width()) / columns, h = qreal(a.height()) / rows;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            const QRectF cell(column * w + 1, row * h + 1, w - 2, h - 2);
            worst = std::max(worst, distance(meanColour(a, cell), meanColour(b, cell)));
        }
    return worst;
}

// A box split into its picture and the caption's band below it: the band
// along the bottom edge, dark, with the light letters of the caption; the
// picture above it shows `expected` and nothing of the band.
void expectCaptionBelowPicture(const QImage& drawn, const core::CaptionedBox& split, const QImage& expected,
                               const std::string& what) {
    const QRect picture = split.picture.toRect(), band = split.band.toRect();
    EXPECT_EQ(picture.top(), 0) << what;
    EXPECT_EQ(picture.bottom() + 1, band.top()) << what << ": the band lies on the picture";
    EXPECT_EQ(band.bottom() + 1, drawn.height()) << what;
    EXPECT_GE(picture.height(), drawn.height() * 0.55) << what;
    EXPECT_LE(cellsApart(drawn.copy(picture), expected, 8, 3), 24) << what;
    const QImage strip = drawn.copy(band.adjusted(6, 2, -6, -2)).convertToFormat(QImage::Format_RGB32);
    int dark = 0, letters = 0;
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x) {
            dark += strip.pixelColor(x, y).lightness() < 90;
            letters += strip.pixelColor(x, y).lightness() > 200;
        }
    EXPECT_GT(dark, strip.width() * strip.height() / 2) << what << ": the band is not dark";
    EXPECT_GT(letters, 20) << what << ": no caption";
}

class TilesTest : public testing::ProgramTest {};

// Which windows are generators comes from the program: the renderer renders
// each generator's sample snippet, its descriptor's; the tools are drawn. It gives every window of
// the catalogue a picture, and the pictures folder holds exactly those.
TEST_F(TilesTest, EveryWindowOfTheCatalogueHasItsPicture) {
    EXPECT_EQ(rendered().exitCode, 0) << rendered().errors.toStdString();
    ASSERT_FALSE(generators().isEmpty());
    ASSERT_FALSE(rendered().drawn.isEmpty());
    app::createWindows();
    QSet<QString> windows;
    for (const app::CatalogueSlot& slot : app::catalogue())
        windows.insert(slot.target);
    ASSERT_EQ(windows.size(), 84);
    for (const QString& className : windows) {
        EXPECT_TRUE(generators().contains(className) || rendered().drawn.contains(className))
            << className.toStdString() << ": " << rendered().verdicts.value(className).join(' ').toStdString();
    }
    for (auto it = generators().begin(); it != generators().end(); ++it) {
        // A generator of the program: its descriptor gives its shop preview and its sample.
        const core::WindowClass* windowClass = core::windowClass(it.key());
        ASSERT_NE(windowClass, nullptr) << it.key().toStdString();
        EXPECT_TRUE(windowClass->info.preview && windowClass->info.sample) << it.key().toStdString();
        // Scaled down to 800 × 400 at most; a thin strip may stay twice as wide.
        const QImage picture(committed(it.key()));
        EXPECT_LE(picture.width(), 1600) << it.key().toStdString();
        EXPECT_LE(picture.height(), 400) << it.key().toStdString();
        EXPECT_LE(picture.width() * picture.height(), 800 * 400) << it.key().toStdString();
    }
    for (const QString& className : pictured()) {
        // The program's copy is the committed one, its focus lies in it.
        const core::PictureFile file = core::readModulePicture(core::modulePictureFolder() + "/" + className + ".png");
        ASSERT_FALSE(file.picture.isNull()) << className.toStdString();
        EXPECT_EQ(file.picture.toImage(), QImage(committed(className)).convertToFormat(file.picture.toImage().format()))
            << className.toStdString() << ": the program's copy differs";
        const QStringList focus = QImage(committed(className)).text("Focus").split(',');
        ASSERT_EQ(focus.size(), 4) << className.toStdString();
        EXPECT_TRUE(QRect(0, 0, file.picture.width(), file.picture.height())
                        .contains(QRect(focus[0].toInt(), focus[1].toInt(), focus[2].toInt(), focus[3].toInt())))
            << className.toStdString();
    }
    QSet<QString> stored;
    qint64 bytes = 0;
    for (const QFileInfo& file : QDir(QINGWU_SOURCE_DIR "/resources/files/tiles").entryInfoList({"*.png"}, QDir::Files)) {
        stored.insert(file.completeBaseName());
        bytes += file.size();
    }
    EXPECT_EQ(stored, windows);
    // Small enough to ship: a few megabytes for all of them.
    EXPECT_LT(bytes, 4 * 1024 * 1024);
}

// The part of a picture a box shows: its focus covering the box, enlarged at
// most as far as allowed, widened around the focus's centre as far as the
// picture reaches.
TEST_F(TilesTest, ABoxShowsThePictureAroundItsFocus) {
    const struct {
        const char* what;
        QSizeF picture;
        QRectF focus;
        QSizeF box;
        qreal largest;
        QRectF part;
    } cases[] = {
        {"a banner in a tile: the focus's height", {800, 200}, {0, 0, 800, 200}, {200, 47}, 2, {0, 6, 800, 188}},
        {"a thin strip: its focus enlarged", {800, 33}, {300, 0, 140, 33}, {200, 47}, 2, {300, 0.05, 140, 32.9}},
        {"a tiny module: twice its size in the middle", {63, 24}, {0, 0, 63, 24}, {200, 47}, 2, {0, 0.25, 63, 23.5}},
        {"a large box: never past the pixels", {800, 238}, {0, 0, 800, 238}, {725, 690}, 1, {37.5, 0, 725, 238}},
        {"a focus at the corner: kept inside", {800, 400}, {700, 300, 100, 50}, {200, 50}, 1, {600, 300, 200, 50}},
        {"no focus: the whole picture", {400, 100}, {}, {200, 50}, 1, {0, 0, 400, 100}},
    };
    for (const auto& c : cases) {
        const QRectF part = core::visiblePart(c.picture, c.focus, c.box, c.largest);
        EXPECT_NEAR(part.left(), c.part.left(), 0.1) << c.what;
        EXPECT_NEAR(part.top(), c.part.top(), 0.1) << c.what;
        EXPECT_NEAR(part.width(), c.part.width(), 0.1) << c.what;
        EXPECT_NEAR(part.height(), c.part.height(), 0.1) << c.what;
    }
}

// The tile check itself: a white tile with a thin strip is mostly one colour, a
// module is not.
TEST_F(TilesTest, TheTileCheckTellsAFlatTileFromAModule) {
    QImage flat(200, 47, QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter(&flat).fillRect(QRect(0, 20, 200, 5), QColor(0x33, 0x33, 0x33));
    EXPECT_GT(mostCommonShare(flat), kMostlyOneColour);
    QImage nearlyFlat = flat;
    QPainter(&nearlyFlat).fillRect(QRect(0, 0, 100, 47), QColor(0xf4, 0xf4, 0xf4));
    EXPECT_GT(mostCommonShare(nearlyFlat), kMostlyOneColour) << "two whites are one colour";
    const QImage module = QImage(committed("Tfrmlunbo")).scaled(200, 47);
    EXPECT_LT(mostCommonShare(module), kMostlyOneColour);
}

// Tiles read their picture when their page is first shown, not before; then
// every tile of the launcher shows its window's picture above the caption's
// band, and no tile is mostly one colour.
TEST_F(TilesTest, EveryLauncherTileShowsItsPictureAboveItsCaption) {
    ASSERT_FALSE(pictured().isEmpty());
    auto* launcher = dynamic_cast<app::Tfrmindex*>(testing::form("Tfrmindex"));
    ASSERT_NE(launcher, nullptr);
    launcher->showForm();
    QApplication::processEvents();
    // At start the announcement page is shown: no tile has read a picture.
    for (auto* tile : launcher->findChildren<app::Thumbnail*>())
        EXPECT_TRUE(shown(tile).isNull()) << tile->objectName().toStdString();

    auto* pages = launcher->control<QTabWidget>("pgc1");
    auto* catalogue = launcher->control<QTabWidget>("pgc2");
    int tiles = 0;
    for (const app::CatalogueSlot& slot : app::catalogue()) {
        if (slot.target.isEmpty()) continue;
        if (slot.page == "tstuijian")
            pages->setCurrentWidget(launcher->control<QWidget>("tstuijian"));
        else {
            pages->setCurrentWidget(launcher->control<QWidget>("tsliebiao"));
            catalogue->setCurrentWidget(launcher->control<QWidget>(slot.page));
        }
        QApplication::processEvents();
        auto* tile = launcher->control<app::Thumbnail>(slot.image);
        const std::string what = (slot.image + " " + slot.caption).toStdString();
        EXPECT_TRUE(tile->isEnabled()) << what;
        const QPixmap picture = shown(tile);
        ASSERT_FALSE(picture.isNull()) << what;
        EXPECT_EQ(picture.toImage(), QImage(committed(slot.target)).convertToFormat(picture.toImage().format()));
        const QImage drawn = tile->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const core::CaptionedBox split = tile->captionedBox();
        expectCaptionBelowPicture(drawn, split, expectedShowing(slot.target, split.picture.size().toSize(), 2),
                                  what);
        EXPECT_LE(mostCommonShare(drawn.copy(split.picture.toRect())), kMostlyOneColour)
            << what << " is mostly one colour";
        ++tiles;
    }
    EXPECT_EQ(tiles, 84);

    // The keyboard frame is drawn over the picture.
    pages->setCurrentWidget(launcher->control<QWidget>("tsliebiao"));
    catalogue->setCurrentWidget(launcher->control<QWidget>("ts11"));
    QApplication::processEvents();
    auto* tile = launcher->control<app::Thumbnail>("img133");
    ASSERT_FALSE(shown(tile).isNull());
    tile->setFocus();
    QApplication::processEvents();
    EXPECT_LE(distance(tile->grab().toImage().pixelColor(2, tile->height() / 3), QColor(0xff, 0x9a, 0x2e)),
              30);
    launcher->hide();
}

// A window's top picture reads its picture when the window is first shown and
// paints it above its caption's band.
TEST_F(TilesTest, TopPicturesShowTheirPictureOnceTheWindowIsShown) {
    ASSERT_FALSE(pictured().isEmpty());
    app::createWindows();
    int checked = 0;
    for (const QString& className : pictured()) {
        core::Form* form = app::window(className);
        const QList<QLabel*> pictures = topPictures(form);
        if (pictures.isEmpty() || form->isVisible()) continue;
        EXPECT_TRUE(shown(pictures.first()).isNull()) << className.toStdString() << " read its picture before showing";
        form->showForm();
        QApplication::processEvents();
        for (QLabel* picture : pictures) {
            if (!picture->isVisible()) continue;
            ASSERT_FALSE(shown(picture).isNull()) << className.toStdString();
            // The picture alone, without the controls that lie on it.
            QImage drawn(picture->size(), QImage::Format_RGB32);
            drawn.fill(Qt::black);
            picture->render(&drawn, QPoint(), QRegion(), QWidget::DrawWindowBackground);
            const core::CaptionedBox split = core::splitCaption(QRectF(picture->rect()), 14, 18);
            expectCaptionBelowPicture(drawn, split,
                                      expectedShowing(className, split.picture.size().toSize(), 1),
                                      className.toStdString());
            ++checked;
        }
        form->hide();
    }
    EXPECT_GT(checked, 30);
}

// The renderer run again gives the committed pictures back. Pictures may
// differ where the rasteriser rounds differently (glyph edges, smooth
// scaling): at most 0.5% of the pixels may differ by more than 16 in a colour
// channel; a picture that moved, went missing or changed colour differs in far
// more. The focus chosen again lies where it was.
TEST_F(TilesTest, RenderingAgainGivesTheCommittedPictures) {
    ASSERT_FALSE(pictured().isEmpty());
    // The sample pictures are drawn by the renderer itself.
    const QStringList samples =
        QDir(QINGWU_SOURCE_DIR "/resources/samples").entryList({"*.png"}, QDir::Files);
    EXPECT_EQ(QDir(rendered().samples.path()).entryList({"*.png"}, QDir::Files), samples);
    for (const QString& name : samples) {
        const QImage again(rendered().samples.filePath(name));
        const QImage kept(QStringLiteral(QINGWU_SOURCE_DIR "/resources/samples/") + name);
        ASSERT_EQ(again.size(), kept.size()) << name.toStdString();
        EXPECT_LE(differing(again, kept, 16), 0.005) << name.toStdString();
    }
    for (const QString& className : pictured()) {
        const core::PictureFile again = core::readModulePicture(rendered().out.filePath(className + ".png"));
        const core::PictureFile kept = core::readModulePicture(committed(className));
        ASSERT_FALSE(again.picture.isNull()) << className.toStdString();
        ASSERT_EQ(again.picture.size(), kept.picture.size()) << className.toStdString();
        const QString size = QStringLiteral("%1x%2").arg(kept.picture.width()).arg(kept.picture.height());
        EXPECT_EQ(size, generators().contains(className) ? generators()[className] : rendered().drawn[className]);
        EXPECT_LE(differing(again.picture.toImage(), kept.picture.toImage(), 16), 0.005) << className.toStdString();
        const QRectF common = again.focus.intersected(kept.focus);
        EXPECT_GE(common.width() * common.height(), 0.5 * kept.focus.width() * kept.focus.height())
            << className.toStdString() << ": the focus moved";
    }
}

// A snippet is rendered alone, cut to the box its module covers, and nothing
// is fetched from the network: pictures, style sheets and frames of remote
// addresses are blocked, local sample pictures are shown.
TEST_F(TilesTest, TheRendererFetchesNothingAndCutsTheModulesBox) {
    QTcpServer remote;
    ASSERT_TRUE(remote.listen(QHostAddress::LocalHost));
    const QString host = QStringLiteral("http://127.0.0.1:%1").arg(remote.serverPort());
    QTemporaryDir folder, samples;
    QFile snippet(folder.filePath("snippet.html"));
    ASSERT_TRUE(snippet.open(QIODevice::WriteOnly));
    // A 300 x 120 module 6 px from the top and 40 px from the left of the
    // column, under a strip that only stretches over the page; the sample
    // picture fills its left half.
    snippet.write(
        (QStringLiteral("<link rel=\"stylesheet\" href=\"%1/style.css\">"
                        "<div style=\"position:absolute;left:0;right:0;top:0;height:6px;background:#333\"></div>"
                        "<div style=\"margin:6px 0 0 40px;width:300px;height:120px;background:#cc0000;"
                        "overflow:hidden;background-image:url(%1/back.jpg)\">"
                        "<img src=\"sample1.png\" width=\"150\" height=\"120\" style=\"float:left\">"
                        "<img src=\"%1/front.jpg\" width=\"20\" height=\"20\">"
                        "<iframe src=\"%1/frame.html\" width=\"20\" height=\"20\"></iframe>"
                        "<div style=\"width:900px;height:900px\"></div></div>")
             .arg(host))
            .toUtf8());
    snippet.close();
    const Finished run = runRenderer({"--draw-samples", "--samples", samples.path(), "--page",
                                      snippet.fileName(), "--out", folder.path()});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_FALSE(remote.waitForNewConnection(200)) << "the renderer asked the network";

    const QImage picture(folder.filePath("page.png"));
    ASSERT_EQ(picture.size(), QSize(300, 126));
    // Right half: the module's own colour; left half: the sample picture.
    EXPECT_LE(distance(meanColour(picture, QRect(260, 60, 30, 60)), QColor(0xcc, 0, 0)), 4);
    EXPECT_LE(distance(meanColour(picture, QRect(0, 6, 150, 120)),
                       meanColour(QImage(samples.filePath("sample1.png"))
                                      .scaled(150, 120, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                                  QRect(0, 0, 150, 120))),
              12);
}

// The pictures are installed with the program, in its files folder.
TEST_F(TilesTest, ThePicturesAreInstalledWithTheProgram) {
    ASSERT_FALSE(pictured().isEmpty());
    QTemporaryDir prefix;
    QProcess install;
    install.start("cmake", {"--install", QINGWU_BINARY_DIR, "--prefix", prefix.path()});
    ASSERT_TRUE(install.waitForFinished(120000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAll().toStdString();
    for (const QString& className : pictured())
        EXPECT_EQ(QImage(prefix.path() + "/lib/qingwu/files/tiles/" + className + ".png"),
                  QImage(committed(className)))
            << className.toStdString();
}

} // namespace
