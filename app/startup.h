#pragma once

#include <QLocale>

class QApplication;

namespace app {

// The locale of the interface: simplified Chinese, whatever the desktop's.
QLocale chineseLocale();

// Settings every QApplication of the program needs, set before it exists.
void prepareApplication();
// Qt's Chinese catalogues, and ours for what they leave in English.
void installTranslations(QApplication& application);
// Fonts, names, locale and Qt's own Chinese texts of the application object.
void configureApplication(QApplication& application);

// The program: single-instance check, every window created, the launcher
// shown, the event loop run.
int run(int argc, char** argv);

} // namespace app
