// The baselines of the start-up benchmark, measured the same way as the
// program's launcher: a bare Qt window of the launcher's size, and with the
// argument "label" the same window showing one Chinese label in the
// program's font.
#include "bench/startup/firstpaint.h"
#include "core/appfont.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
    const bool label = argc > 1 && std::strcmp(argv[1], "label") == 0;
    QApplication application(argc, argv);
    if (label) core::setProgramFont(application);
    QWidget window;
    window.resize(1000, 600);
    if (label) (new QLabel(QStringLiteral("青梧360 店铺装修软件"), &window))->move(40, 40);
    FirstPaintReporter::watch(&window);
    window.show();
    return application.exec();
}
