// The module pictures: every generator of the catalogue has the rendering of
// its snippet, its launcher tile and its top picture show it once shown, the
// tool tiles keep their drawn look, and the renderer run again gives the
// committed pictures back.
#include "app/catalogue.h"
#include "app/launcher.h"
#include "core/files.h"
#include "core/modulepicture.h"
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
// folder: what it says of each window ("Tfrmlunbo generator btn1 mmo1
// 800x167", "Tfrmjsq tool no-button") and the pictures it made.
struct Rendered {
    QTemporaryDir out;
    QTemporaryDir samples;
    QMap<QString, QStringList> verdicts;
    QMap<QString, QStringList> generators; // window class -> generate button, output box, size
};

const Rendered& rendered() {
    static Rendered* run = [] {
        auto* result = new Rendered;
        const Finished finished =
            runRenderer({"--draw-samples", "--samples", result->samples.path(), "--out", result->out.path()});
        EXPECT_EQ(finished.exitCode, 0) << finished.errors.toStdString();
        for (const QString& line : finished.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QStringList words = line.split(QLatin1Char(' '));
            if (words.size() < 2) continue;
            result->verdicts.insert(words[0], words.mid(1));
            if (words[1] == "generator") result->generators.insert(words[0], words.mid(2));
        }
        return result;
    }();
    return *run;
}

const QMap<QString, QStringList>& generators() {
    return rendered().generators;
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

QColor meanColour(const QImage& image, const QRect& area) {
    const QImage part = image.copy(area).convertToFormat(QImage::Format_RGB32);
    qint64 r = 0, g = 0, b = 0;
    for (int y = 0; y < part.height(); ++y)
        for (int x = 0; x < part.width(); ++x) {
            const QRgb c = part.pixel(x, y);
            r += qRed(c), g += qGreen(c), b += qBlue(c);
        }
    const qint64 n = qint64(part.width()) * part.height();
    return QColor(int(r / n), int(g / n), int(b / n));
}

int distance(const QColor& a, const QColor& b) {
    return std::max(
        {std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
}

QList<QLabel*> topPictures(core::Form* form) {
    QList<QLabel*> found;
    for (auto* label : form->findChildren<QLabel*>())
        if (label->property("topPicture").toBool()) found << label;
    return found;
}

// A module as a tile or top picture should show it: scaled to the width, from
// its top, on white.
QImage asShown(const QPixmap& picture, QSize size) {
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    p.drawImage(0, 0, picture.toImage().scaledToWidth(size.width(), Qt::SmoothTransformation));
    return page;
}

QPixmap shown(const QWidget* widget) {
    return qvariant_cast<QPixmap>(widget->property("modulePicture"));
}

class TilesTest : public testing::ProgramTest {};

// Which windows are generators comes from the program: the renderer presses
// each window's generate button. It speaks of every window of the catalogue; a
// window with a top picture that has a generate button delivers a snippet;
// and the pictures folder holds exactly one picture per generator.
TEST_F(TilesTest, EveryGeneratorHasItsPictureAndNoOtherWindowHasOne) {
    ASSERT_FALSE(generators().isEmpty());
    app::createWindows();
    // The built windows that catalogue tiles open.
    QSet<QString> windows;
    for (const app::CatalogueSlot& slot : app::catalogue())
        windows.insert(slot.target);
    ASSERT_FALSE(windows.isEmpty());
    for (const QString& className : windows) {
        ASSERT_TRUE(rendered().verdicts.contains(className)) << className.toStdString();
        const QStringList verdict = rendered().verdicts.value(className);
        if (!topPictures(app::window(className)).isEmpty()) {
            EXPECT_NE(verdict.join(' '), "tool no-snippet")
                << className.toStdString() << " has a top picture";
        }
    }
    for (auto it = generators().begin(); it != generators().end(); ++it) {
        EXPECT_TRUE(windows.contains(it.key())) << it.key().toStdString();
        // Its generate button and the box the snippet went to, as the window names them.
        ASSERT_EQ(it.value().size(), 3) << it.key().toStdString();
        core::Form* form = app::window(it.key());
        EXPECT_TRUE(form->hasHandler(it.value()[0] + "Click")) << it.key().toStdString();
        if (it.value()[1] != "clipboard") {
            EXPECT_NE(form->findChild<QWidget*>(it.value()[1]), nullptr) << it.key().toStdString();
        }
        const QImage picture(core::modulePictureFolder() + "/" + it.key() + ".png");
        ASSERT_FALSE(picture.isNull()) << it.key().toStdString();
        EXPECT_EQ(picture, QImage(committed(it.key()))) << "the program's copy differs";
        // A rendering, not an empty page: more than one colour, not wider than stored pictures are.
        EXPECT_LE(picture.width(), 800);
        EXPECT_LE(picture.height(), 400);
        const QColor corner = picture.pixelColor(0, 0);
        bool varied = false;
        for (int y = 0; y < picture.height() && !varied; y += 3)
            for (int x = 0; x < picture.width() && !varied; x += 3)
                varied = distance(picture.pixelColor(x, y), corner) > 40;
        EXPECT_TRUE(varied) << it.key().toStdString() << " is one flat colour";
    }
    QSet<QString> stored;
    for (const QString& file : QDir(core::modulePictureFolder()).entryList({"*.png"}, QDir::Files))
        stored.insert(QFileInfo(file).completeBaseName());
    const QStringList names = generators().keys();
    EXPECT_EQ(stored, QSet<QString>(names.begin(), names.end()));
}

// Tiles read their picture when their page is first shown, not before; then a
// generator's tile shows its module under the caption band and tool tiles keep
// their drawn look.
TEST_F(TilesTest, LauncherTilesShowTheModuleOnceTheirPageIsShown) {
    ASSERT_FALSE(generators().isEmpty());
    auto* launcher = dynamic_cast<app::Tfrmindex*>(testing::form("Tfrmindex"));
    ASSERT_NE(launcher, nullptr);
    launcher->showForm();
    QApplication::processEvents();
    // At start the announcement page is shown: no tile has read a picture.
    for (auto* tile : launcher->findChildren<app::Thumbnail*>())
        EXPECT_TRUE(shown(tile).isNull()) << tile->objectName().toStdString();

    auto* pages = launcher->control<QTabWidget>("pgc1");
    pages->setCurrentWidget(launcher->control<QWidget>("tsliebiao"));
    auto* catalogue = launcher->control<QTabWidget>("pgc2");
    int tools = 0, modules = 0;
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
        const QImage drawn = tile->grab().toImage();
        const QRect top(4, 4, tile->width() - 8, tile->height() / 3);
        if (generators().contains(slot.target)) {
            ++modules;
            const QPixmap picture = shown(tile);
            ASSERT_FALSE(picture.isNull()) << slot.image.toStdString();
            EXPECT_EQ(picture.toImage(), QImage(core::modulePictureFolder() + "/" + slot.target + ".png"));
            // The top of the tile is the top of the picture.
            const QImage expected = asShown(picture, tile->size());
            EXPECT_LE(distance(meanColour(drawn, top), meanColour(expected, top)), 12)
                << slot.image.toStdString();
            // The caption band at the bottom is dark.
            const QRect band(tile->width() / 4, tile->height() - 3, tile->width() / 2, 2);
            EXPECT_LT(meanColour(drawn, band).lightness(), meanColour(expected, band).lightness() + 1)
                << slot.image.toStdString();
        } else {
            ++tools;
            EXPECT_TRUE(shown(tile).isNull()) << slot.image.toStdString();
            // The program's drawing: a blue gradient (grey for a window not built yet).
            const QColor colour = drawn.pixelColor(tile->width() / 2, 3);
            const QColor expected = tile->isEnabled() ? QColor(0x3a, 0x8e, 0xd8) : QColor(0xc4, 0xc8, 0xcc);
            EXPECT_LE(distance(colour, expected), 24) << slot.image.toStdString();
        }
    }
    EXPECT_GT(modules, 0);
    EXPECT_GT(tools, 0);

    // The keyboard frame is drawn over the picture.
    pages->setCurrentWidget(launcher->control<QWidget>("tsliebiao"));
    catalogue->setCurrentWidget(launcher->control<QWidget>("ts11"));
    QApplication::processEvents();
    auto* tile = launcher->control<app::Thumbnail>("img133");
    ASSERT_FALSE(shown(tile).isNull());
    tile->setFocus();
    QApplication::processEvents();
    EXPECT_LE(distance(tile->grab().toImage().pixelColor(2, tile->height() / 2), QColor(0xff, 0x9a, 0x2e)),
              30);
    launcher->hide();
}

// A generator's top picture reads its module's picture when the window is
// first shown and paints it.
TEST_F(TilesTest, TopPicturesShowTheModuleOnceTheWindowIsShown) {
    ASSERT_FALSE(generators().isEmpty());
    app::createWindows();
    int checked = 0;
    for (const QString& className : generators().keys()) {
        core::Form* form = app::window(className);
        const QList<QLabel*> pictures = topPictures(form);
        if (pictures.isEmpty()) continue;
        QLabel* first = pictures.first();
        if (form->isVisible()) continue;
        EXPECT_TRUE(shown(first).isNull()) << className.toStdString() << " read its picture before showing";
        form->showForm();
        QApplication::processEvents();
        for (QLabel* picture : pictures) {
            if (!picture->isVisible()) continue;
            ASSERT_FALSE(shown(picture).isNull()) << className.toStdString();
            // The picture alone, without the controls that lie on it.
            QImage drawn(picture->size(), QImage::Format_ARGB32);
            picture->render(&drawn, QPoint(), QRegion(), QWidget::DrawWindowBackground);
            const QImage expected = asShown(shown(picture), picture->size());
            const QRect top(0, 0, picture->width(), picture->height() / 2);
            EXPECT_LE(distance(meanColour(drawn, top), meanColour(expected, top)), 12)
                << className.toStdString();
            ++checked;
        }
        form->hide();
    }
    EXPECT_GT(checked, 0);
}

// The renderer run again gives the committed pictures back. Pictures may
// differ where the rasteriser rounds differently (glyph edges, smooth
// scaling): at most 0.5% of the pixels may differ by more than 16 in a colour
// channel; a picture that moved, went missing or changed colour differs in far
// more.
TEST_F(TilesTest, RenderingAgainGivesTheCommittedPictures) {
    ASSERT_FALSE(generators().isEmpty());
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
    for (const QString& className : generators().keys()) {
        const QImage again(rendered().out.filePath(className + ".png"));
        const QImage kept(committed(className));
        ASSERT_FALSE(again.isNull()) << className.toStdString();
        ASSERT_EQ(again.size(), kept.size()) << className.toStdString();
        EXPECT_EQ(QStringLiteral("%1x%2").arg(kept.width()).arg(kept.height()), generators()[className][2]);
        EXPECT_LE(differing(again, kept, 16), 0.005) << className.toStdString();
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
    // A 300 x 120 module 40 px from the left, under a block that only stretches
    // over the page; the sample picture fills its left half.
    snippet.write(
        (QStringLiteral("<link rel=\"stylesheet\" href=\"%1/style.css\"><div style=\"height:6px\"></div>"
                        "<div style=\"margin-left:40px;width:300px;height:120px;background:#cc0000;"
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
    ASSERT_FALSE(generators().isEmpty());
    QTemporaryDir prefix;
    QProcess install;
    install.start("cmake", {"--install", QINGWU_BINARY_DIR, "--prefix", prefix.path()});
    ASSERT_TRUE(install.waitForFinished(120000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAll().toStdString();
    for (const QString& className : generators().keys())
        EXPECT_EQ(QImage(prefix.path() + "/lib/qingwu/files/tiles/" + className + ".png"),
                  QImage(committed(className)))
            << className.toStdString();
}

} // namespace
