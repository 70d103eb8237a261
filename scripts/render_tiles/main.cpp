// Renders the module pictures of the launcher tiles and the generators' top
// pictures: each generator window gets the sample settings, its generate button
// is pressed, and the snippet it delivers is rendered alone with the real web
// engine into "<out>/<window class>.png".
//
//   render_tiles [--samples DIR] [--out DIR] [--draw-samples] [CLASS...]
//
// --draw-samples  draws the sample pictures into the samples folder first
// --page FILE     renders the snippet in FILE (UTF-8) into "<out>/page.png"
//                 instead of the windows' snippets
// CLASS...        only these windows (every window of the catalogue otherwise)
//
// A window is a generator when it has a generate button (or the step buttons
// of a generator that works in steps), pressing it with the sample settings
// delivers markup, and the rendering shows something. One line a window says
// what it is: "Tfrmlunbo generator btn1 mmo1 800x167", "Tfrmjsq tool
// no-button", "Tfrmbeijing tool no-snippet", "Tfrmxiala tool blank".
#include "app/catalogue.h"
#include "app/startup.h"
#include "app/windows.h"
#include "core/files.h"
#include "core/form.h"
#include "scripts/render_tiles/render_tiles.h"
#include "tests/support/fake_platform.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

namespace {

void copyFolder(const QString& from, const QString& to) {
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(file);
        QDir().mkpath(QFileInfo(target).absolutePath());
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

} // namespace

int main(int argc, char** argv) {
    // The same pictures on every machine: no scaling, no screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_SCALE_FACTOR", "1");
    qputenv("QINGWU_HEADLESS_DIALOGS", "1");
    app::prepareApplication();
    QApplication application(argc, argv);
    app::configureApplication(application);
    core::setPlatform(&testing::fakePlatform());

    const QString source = QStringLiteral(QINGWU_SOURCE_DIR);
    QString samples = source + QStringLiteral("/resources/samples");
    QString out = source + QStringLiteral("/resources/files/tiles");
    bool draw = false;
    QString page;
    QStringList only;
    const QStringList args = application.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--samples") && i + 1 < args.size()) samples = args[++i];
        else if (args[i] == QLatin1String("--out") && i + 1 < args.size()) out = args[++i];
        else if (args[i] == QLatin1String("--draw-samples")) draw = true;
        else if (args[i] == QLatin1String("--page") && i + 1 < args.size()) page = args[++i];
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
    for (const QString& picture : tiles::samplePictures(samples) + tiles::bannerPictures(samples))
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

    // The windows live in a scratch program folder with their own copy of
    // "files", and write their preview pages into a scratch working folder.
    QTemporaryDir scratch;
    copyFolder(source + QStringLiteral("/resources/files"), scratch.filePath(QStringLiteral("files")));
    core::setProgramFolder(scratch.path());
    QDir::setCurrent(scratch.path());
    app::createWindows();

    const QStringList classes = only.isEmpty() ? tileWindows() : only;
    QDir().mkpath(out);
    int failures = 0;
    for (const QString& className : classes) {
        core::Form* form = app::window(className);
        if (!form) {
            std::fprintf(stderr, "%s: no such window in this build\n", qPrintable(className));
            ++failures;
            continue;
        }
        const QString path = out + QLatin1Char('/') + className + QStringLiteral(".png");
        // A tool keeps its drawn tile: no picture of an earlier run stays.
        const auto verdict = [&](const QString& text) {
            if (text.startsWith(QLatin1String("tool"))) QFile::remove(path);
            std::printf("%s %s\n", qPrintable(className), qPrintable(text));
            std::fflush(stdout);
        };
        if (tiles::generateButton(form).isEmpty() && tiles::trialButtons(form).isEmpty()) {
            verdict(QStringLiteral("tool no-button"));
            continue;
        }
        const std::optional<tiles::Snippet> snippet = tiles::generateSample(form, samples);
        if (!snippet) {
            verdict(QStringLiteral("tool no-snippet"));
            continue;
        }
        const QImage picture = tiles::renderSnippet(snippet->code, samples);
        if (qEnvironmentVariableIsSet("QINGWU_TILES_DEBUG")) {
            picture.save(out + QLatin1Char('/') + className + QStringLiteral(".debug.png"));
            QFile code(out + QLatin1Char('/') + className + QStringLiteral(".debug.html"));
            if (code.open(QIODevice::WriteOnly)) code.write(snippet->code.toUtf8());
        }
        if (!tiles::showsSomething(picture)) {
            verdict(QStringLiteral("tool blank"));
            continue;
        }
        if (!picture.save(path, "PNG")) {
            std::fprintf(stderr, "%s: cannot write %s\n", qPrintable(className), qPrintable(path));
            ++failures;
            continue;
        }
        verdict(QStringLiteral("generator %1 %2 %3x%4")
                    .arg(snippet->button, snippet->box.isEmpty() ? QStringLiteral("clipboard") : snippet->box)
                    .arg(picture.width())
                    .arg(picture.height()));
    }
    core::setPlatform(nullptr);
    return failures ? 1 : 0;
}
