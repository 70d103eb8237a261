// A bare Qt window, measured the same way as the program's launcher.
#include "bench/startup/firstpaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(1000, 600);
    FirstPaintReporter::watch(&window);
    window.show();
    return application.exec();
}
