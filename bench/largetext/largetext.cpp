// Large-text benchmark: the editing operations a user runs on big snippets,
// each timed from the press to the repainted window, beside a bare rich edit
// that only shows the same text (the baseline of the same run).
//
//   largetext [SIZE_BYTES] [ROUNDS]     (offscreen platform by default)
#include "core/application.h"
#include "app/windows.h"
#include "core/files.h"
#include "core/form.h"
#include "tests/support/fake_platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextEdit>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Shop markup as the generators write it: nested blocks, links and pictures,
// one element a line, or all on one line as pasted from a minified page.
QString markup(qsizetype bytes, bool oneLine) {
    QString out;
    for (int k = 0; out.toUtf8().size() < bytes; ++k) {
        QString block;
        for (int i = 0; i < 64; ++i, ++k)
            block +=
                QStringLiteral("<div class=\"kavri325_cont_1\"><div style=\"width:1920px; height:500px; "
                               "overflow:hidden\">"
                               "<a href=\"https://shop.example.invalid/item.htm?id=%1\" target=\"_blank\">"
                               "<img src=\"https://img.example.invalid/poster-%1.jpg\" /></a>"
                               "<ul><li>店铺首页 %1</li></ul></div></div>")
                    .arg(k) +
                (oneLine ? QString() : QStringLiteral("\r\n"));
        out += block;
    }
    return out.left(bytes);
}

double timed(QWidget* window, const std::function<void()>& action) {
    QElapsedTimer clock;
    clock.start();
    action();
    QApplication::processEvents();
    window->repaint();
    return clock.nsecsElapsed() / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    core::prepareApplication();
    QApplication application(argc, argv);
    core::configureApplication(application);
    testing::FakePlatform fake;
    core::setPlatform(&fake);
    QTemporaryDir folder;
    core::setProgramFolder(folder.path());
    app::createWindows();

    const qsizetype size = argc > 1 ? QString::fromLocal8Bit(argv[1]).toLongLong() : 1 << 20;
    const int rounds = argc > 2 ? std::max(1, atoi(argv[2])) : 3;

    core::Form* editor = app::window(QStringLiteral("Tfrmyulan"));
    core::Form* converter = app::window(QStringLiteral("Tfrmtonglan3"));
    editor->showForm();
    converter->showForm();
    QTextEdit bare;
    bare.resize(991, 571);
    bare.show();

    std::printf("text: %lld bytes of shop markup, median of %d rounds, milliseconds\n",
                static_cast<long long>(size), rounds);
    std::printf("%-12s %10s %10s %10s %10s %10s\n", "layout", "bare view", "reading", "import", "preview",
                "worst/bare");
    for (const bool oneLine : {false, true}) {
        const QString code = markup(size, oneLine);
        const QString file = folder.filePath(QStringLiteral("import.html"));
        core::writeTextFile(file, code);
        std::vector<double> bareView, reading, import, preview;
        for (int round = 0; round < rounds; ++round) {
            bareView.push_back(timed(&bare, [&] { bare.setPlainText(code); }));
            bare.clear();

            editor->setText(QStringLiteral("redt1"), code);
            QApplication::processEvents();
            reading.push_back(timed(editor, [&] { editor->fire(QStringLiteral("rzbtbtn6Click")); }));
            editor->setText(QStringLiteral("redt1"), QString());

            converter->setText(QStringLiteral("mmo1"), QString());
            QApplication::processEvents();
            fake.openFiles.enqueue(file);
            import.push_back(timed(converter, [&] { converter->fire(QStringLiteral("btn3Click"));
        }));

        converter->fire(QStringLiteral("btn1Click"));
        editor->setText(QStringLiteral("redt1"), QString());
        QApplication::processEvents();
        preview.push_back(timed(editor, [&] { converter->fire(QStringLiteral("btn2Click")); }));
        fake.reset();
    }
    const double worst = std::max({median(reading), median(import), median(preview)});
    std::printf("%-12s %10.1f %10.1f %10.1f %10.1f %10.2f\n", oneLine ? "one line" : "lines",
                median(bareView), median(reading), median(import), median(preview),
                worst / std::max(0.001, median(bareView)));
}
std::printf("goal: reading, import and preview each within 300 ms on 1 MB\n");
core::setPlatform(nullptr);
return 0;
}
