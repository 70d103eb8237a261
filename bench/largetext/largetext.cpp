// Large-text benchmark: the editing operations a user runs on big snippets in
// the HTML editor, the previewer and the banner converter, each timed from the
// press to the repainted window (the time the window does not answer), beside
// a bare text edit that only shows the same text (the baseline of the same run).
//
//   largetext [ROUNDS] [SIZE_MIB...]     (offscreen platform by default;
//                                         sizes 1, 4 and 8 MiB unless given)
#include "core/application.h"
#include "app/windows.h"
#include "core/files.h"
#include "core/form.h"
#include "tests/support/fake_platform.h"

#include <QAction>
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
// one element a line, or all on one line as in a minified page.
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

    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    std::vector<int> sizes;
    for (int i = 2; i < argc; ++i)
        sizes.push_back(std::max(1, atoi(argv[i])));
    if (sizes.empty()) sizes = {1, 4, 8};

    core::Form* html = app::window(QStringLiteral("TFrmhtml"));
    core::Form* yulan = app::window(QStringLiteral("Tfrmyulan"));
    core::Form* converter = app::window(QStringLiteral("Tfrmtonglan3"));
    html->showForm();
    yulan->showForm();
    converter->showForm();
    QTextEdit bare;
    bare.resize(991, 571);
    bare.show();
    QFont font(QStringLiteral("Noto Serif CJK SC"));
    font.setPointSize(14);

    // What one step does: press a button, or paste into the emptied box.
    struct Step {
        const char* name;
        core::Form* window;
        std::function<void(const QString& code, const QString& file)> run;
    };
    const auto paste = [&](core::Form* window, const QString& box, const QString& action) {
        return [&fake, window, box, action](const QString& code, const QString&) {
            window->setText(box, QString());
            auto* edit = window->findChild<QWidget*>(box);
            edit->setFocus();
            fake.clipboard = code;
            window->findChild<QAction*>(action)->trigger();
        };
    };
    std::vector<Step> steps = {
        {"html open", html,
         [&](const QString&, const QString& file) {
             fake.openFiles.enqueue(file);
             html->fire(QStringLiteral("Open2Click"));
         }},
        {"html font", html,
         [&](const QString&, const QString&) {
             fake.fonts.enqueue(font);
             html->fire(QStringLiteral("N15Click"));
         }},
        {"html paste", html, paste(html, QStringLiteral("redtmome"), QStringLiteral("Paste1"))},
        {"html colour", html,
         [&](const QString&, const QString&) { html->fire(QStringLiteral("actgeExecute")); }},
        {"yulan paste", yulan, paste(yulan, QStringLiteral("redt1"), QStringLiteral("N1"))},
        {"yulan font", yulan,
         [&](const QString&, const QString&) {
             fake.fonts.enqueue(font);
             yulan->fire(QStringLiteral("rzbtbtn2Click"));
         }},
        {"yulan colour", yulan,
         [&](const QString&, const QString&) { yulan->fire(QStringLiteral("rzbtbtn6Click")); }},
        {"import", converter,
         [&](const QString&, const QString& file) {
             converter->setText(QStringLiteral("mmo1"), QString());
             fake.openFiles.enqueue(file);
             converter->fire(QStringLiteral("btn3Click"));
         }},
    };

    std::printf("median of %d rounds, milliseconds from the press to the repainted window\n", rounds);
    std::printf("%-14s %9s", "text", "bare view");
    for (const Step& step : steps)
        std::printf(" %12s", step.name);
    std::printf(" %10s\n", "worst/bare");
    const auto run = [&](int mib, bool oneLine) {
        const QString code = markup(qsizetype(mib) << 20, oneLine);
        const QString file = folder.filePath(QStringLiteral("page.html"));
        core::writeTextFile(file, code);
        std::vector<double> bareView;
        std::vector<std::vector<double>> times(steps.size());
        for (int round = 0; round < rounds; ++round) {
            bareView.push_back(timed(&bare, [&] { bare.setPlainText(code); }));
            bare.clear();
            for (size_t i = 0; i < steps.size(); ++i)
                times[i].push_back(timed(steps[i].window, [&] { steps[i].run(code, file); }));
            fake.reset();
        }
        std::printf("%2d MiB %-7s %9.1f", mib, oneLine ? "1 line" : "lines", median(bareView));
        double worst = 0;
        for (const std::vector<double>& step : times) {
            const double time = median(step);
            worst = std::max(worst, time);
            std::printf(" %12.1f", time);
        }
        std::printf(" %10.2f\n", worst / std::max(0.001, median(bareView)));
        std::fflush(stdout);
    };
    for (const int mib : sizes)
        run(mib, true);
    run(sizes.back(), false);
    std::printf("goal: every step within 1000 ms up to 8 MiB, on one line or many\n");
    core::setPlatform(nullptr);
    return 0;
}
