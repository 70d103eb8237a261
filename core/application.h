#pragma once

#include <QLocale>

class QApplication;

namespace core {

// The locale of the interface: simplified Chinese, whatever the desktop's.
QLocale chineseLocale();

// Settings every QApplication of the program needs, set before it exists.
void prepareApplication();
// Qt's Chinese catalogues, and ours for what they leave in English.
void installTranslations(QApplication& application);
// Fonts, names, locale and Qt's own Chinese texts of the application object.
void configureApplication(QApplication& application);

} // namespace core
