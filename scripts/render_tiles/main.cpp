// Renders the module pictures of the launcher tiles and the generators' top
// pictures: each generator's sample snippet (its descriptor's, built without
// its window), its pictures pointed at the sample pictures, is rendered alone
// with the real web engine into "<out>/<window class>.png".
//
//   render_tiles [--samples DIR] [--out DIR] [--draw-samples] [CLASS...]
//
// --draw-samples  draws the sample pictures into the samples folder first
// --page FILE     renders the snippet in FILE (UTF-8) into "<out>/page.png"
//                 instead of the windows' snippets
// --sheet FILE    then draws every tile of the launcher as it shows the
//                 pictures of <out> into FILE-1.png, FILE-2.png, …, to look
//                 them over at a glance
// CLASS...        only these windows (every window of the catalogue otherwise)
//
// A tool has a drawing of what it does, drawn at the size of its launcher
// tile's picture. Any other window is a generator: its descriptor gives a
// sample snippet and the rendering shows something. Each picture carries in
// its PNG text "Focus" the part a tile shows. One line a window says what it
// is: "Tfrmlunbo generator 800x167", "Tfrmjsq tool drawn 800x188"; a window
// that is neither ("Tfrmxx none no-sample", "none blank") fails the run.
#include "app/catalogue.h"
#include "app/launcher.h"
#include "app/windows.h"
#include "core/application.h"
#include "core/files.h"
#include "core/form.h"
#include "core/modulepicture.h"
#include "core/registry.h"
#include "scripts/render_tiles/render_tiles.h"
#include "tests/support/fake_platform.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>

namespace {

void copyFolder(const QString& from, const QString& to) {
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(file);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::remove(target);
        QFile::copy(file, target);
    }
}

// The windows of the catalogue's tiles that this build has, in catalogue order.
QStringList tileWindows() {
    QStringList classes;
    for (const app::CatalogueSlot& slot : app::catalogue())
        if (!classes.contains(slot.target))
            classes << slot.target;
    return classes;
}

// The size of the picture part of a window's launcher tile.
QSize tilePicture(const QString& className) {
    core::Form* launcher = app::window(QStringLiteral("Tfrmindex"));
    for (const app::CatalogueSlot& slot : app::catalogue()) {
        if (slot.target != className || !launcher) continue;
        if (auto* tile = launcher->findChild<app::Thumbnail*>(slot.image))
            return tile->captionedBox().picture.size().toSize();
    }
    return QSize(200, 47);
}

bool save(QImage picture, const QRect& focus, const QString& path) {
    picture.setText(QStringLiteral("Focus"), QStringLiteral("%1,%2,%3,%4")
                                                 .arg(focus.x())
                                                 .arg(focus.y())
                                                 .arg(focus.width())
                                                 .arg(focus.height()));
    return picture.save(path, "PNG");
}

// Every tile of the catalogue as the launcher shows it with the pictures of
// `folder`, at twice the size, four to a row, in catalogue order.
bool drawSheet(const QString& folder, const QString& file) {
    copyFolder(folder, core::modulePictureFolder());
    core::Form* launcher = app::window(QStringLiteral("Tfrmindex"));
    constexpr int columns = 4, gap = 8, ratio = 2;
    QList<QImage> tiles;
    for (const app::CatalogueSlot& slot : app::catalogue()) {
        auto* shown = launcher ? launcher->findChild<app::Thumbnail*>(slot.image) : nullptr;
        if (!shown) continue;
        app::Thumbnail tile(slot.caption, false, nullptr);
        tile.setObjectName(slot.image);
        tile.setAttribute(Qt::WA_DontShowOnScreen);
        tile.resize(shown->size());
        tile.show();
        QImage drawn(shown->size() * ratio, QImage::Format_RGB32);
        drawn.setDevicePixelRatio(ratio);
        drawn.fill(Qt::white);
        tile.render(&drawn);
        drawn.setDevicePixelRatio(1);
        tiles << drawn;
    }
    // Pages of five rows: "<file>-1.png", "<file>-2.png", …
    constexpr int perPage = columns * 5;
    QString base = file;
    if (base.endsWith(QLatin1String(".png"))) base.chop(4);
    for (int first = 0; first < tiles.size(); first += perPage) {
        int width = 0, height = gap;
        QList<QPoint> places;
        const int end = std::min<int>(first + perPage, tiles.size());
        for (int i = first; i < end; i += columns) {
            int x = gap, tallest = 0;
            for (int j = i; j < std::min(i + columns, end); ++j) {
                places << QPoint(x, height);
                x += tiles[j].width() + gap;
                tallest = std::max(tallest, tiles[j].height());
            }
            width = std::max(width, x);
            height += tallest + gap;
        }
        QImage page(width, height, QImage::Format_RGB32);
        page.fill(QColor(0xe9, 0xec, 0xf0));
        QPainter p(&page);
        for (int i = first; i < end; ++i) p.drawImage(places[i - first], tiles[i]);
        p.end();
        if (!page.save(QStringLiteral("%1-%2.png").arg(base).arg(first / perPage + 1), "PNG")) return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // The same pictures on every machine: no scaling, no screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_SCALE_FACTOR", "1");
    qputenv("QINGWU_HEADLESS_DIALOGS", "1");
    core::prepareApplication();
    QApplication application(argc, argv);
    core::configureApplication(application);
    core::setPlatform(&testing::fakePlatform());

    const QString source = QStringLiteral(QINGWU_SOURCE_DIR);
    QString samples = source + QStringLiteral("/resources/samples");
    QString out = source + QStringLiteral("/resources/files/tiles");
    bool draw = false;
    QString page, sheet;
    QStringList only;
    const QStringList args = application.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--samples") && i + 1 < args.size()) samples = args[++i];
        else if (args[i] == QLatin1String("--out") && i + 1 < args.size()) out = args[++i];
        else if (args[i] == QLatin1String("--draw-samples")) draw = true;
        else if (args[i] == QLatin1String("--page") && i + 1 < args.size()) page = args[++i];
        else if (args[i] == QLatin1String("--sheet") && i + 1 < args.size()) sheet = args[++i];
        else if (args[i].startsWith(QLatin1String("--"))) {
            std::fprintf(stderr, "unknown option %s\n", qPrintable(args[i]));
            return 2;
        } else only << args[i];
    }
    samples = QDir(samples).absolutePath();
    out = QDir(out).absolutePath();

    if (draw && !tiles::drawSamples(samples)) {
        std::fprintf(stderr, "cannot write the samples into %s\n", qPrintable(samples));
        return 1;
    }
    for (const QString& picture : tiles::samplePictures(samples) + tiles::bannerPictures(samples) +
                                    tiles::buttonPictures(samples))
        if (!QFileInfo::exists(picture)) {
            std::fprintf(stderr, "missing sample %s (run with --draw-samples)\n", qPrintable(picture));
            return 1;
        }

    if (!page.isEmpty()) {
        QFile file(page);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(page));
            return 1;
        }
        const QImage picture = tiles::renderSnippet(QString::fromUtf8(file.readAll()), samples);
        QDir().mkpath(out);
        if (picture.isNull() || !picture.save(out + QStringLiteral("/page.png"), "PNG")) return 1;
        std::printf("page %dx%d\n", picture.width(), picture.height());
        return 0;
    }

    // The launcher (whose tiles give the pictures' sizes) lives in a scratch
    // program folder with its own copy of "files".
    QTemporaryDir scratch;
    copyFolder(source + QStringLiteral("/resources/files"), scratch.filePath(QStringLiteral("files")));
    core::setProgramFolder(scratch.path());
    QDir::setCurrent(scratch.path());
    app::createWindow(QStringLiteral("Tfrmindex"));

    const QStringList classes = only.isEmpty() ? tileWindows() : only;
    QDir().mkpath(out);
    int failures = 0;
    for (const QString& className : classes) {
        const core::WindowClass* windowClass = core::windowClass(className);
        if (!windowClass) {
            std::fprintf(stderr, "%s: no such window in this build\n", qPrintable(className));
            ++failures;
            continue;
        }
        const QString path = out + QLatin1Char('/') + className + QStringLiteral(".png");
        const auto verdict = [&](const QString& text) {
            // A window without a picture keeps none of an earlier run.
            if (text.startsWith(QLatin1String("none"))) {
                QFile::remove(path);
                ++failures;
            }
            std::printf("%s %s\n", qPrintable(className), qPrintable(text));
            std::fflush(stdout);
        };
        if (tiles::drawnWindows().contains(className)) {
            // Drawn at four times the tile's picture, at least 800 pixels wide.
            const QSize tile = tilePicture(className);
            const int times = std::max(2, (800 + tile.width() - 1) / tile.width());
            const QImage drawing = tiles::drawTool(className, tile * std::min(times, 4));
            if (!save(drawing, drawing.rect(), path)) {
                std::fprintf(stderr, "%s: cannot write %s\n", qPrintable(className), qPrintable(path));
                ++failures;
                continue;
            }
            verdict(QStringLiteral("tool drawn %1x%2").arg(drawing.width()).arg(drawing.height()));
            continue;
        }
        if (!windowClass->info.sample) {
            verdict(QStringLiteral("none no-sample"));
            continue;
        }
        const QString code = tiles::pointAtSamples(windowClass->info.sample(), samples, className);
        const tiles::RenderOptions options = tiles::renderOptions(className);
        QImage picture = tiles::renderSnippet(code, samples, options);
        // The engine's GPU process may drop a frame on a loaded machine: a
        // blank picture is rendered once more before it counts.
        if (!tiles::showsSomething(picture)) picture = tiles::renderSnippet(code, samples, options);
        if (qEnvironmentVariableIsSet("QINGWU_TILES_DEBUG")) {
            picture.save(out + QLatin1Char('/') + className + QStringLiteral(".debug.png"));
            QFile file(out + QLatin1Char('/') + className + QStringLiteral(".debug.html"));
            if (file.open(QIODevice::WriteOnly)) file.write(code.toUtf8());
        }
        if (!tiles::showsSomething(picture)) {
            verdict(QStringLiteral("none blank"));
            continue;
        }
        const QSize tile = tilePicture(className);
        if (!save(picture, tiles::chooseFocus(picture, double(tile.width()) / tile.height()), path)) {
            std::fprintf(stderr, "%s: cannot write %s\n", qPrintable(className), qPrintable(path));
            ++failures;
            continue;
        }
        verdict(QStringLiteral("generator %1x%2").arg(picture.width()).arg(picture.height()));
    }
    if (!sheet.isEmpty() && !drawSheet(out, sheet)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(sheet));
        ++failures;
    }
    core::setPlatform(nullptr);
    return failures ? 1 : 0;
}
