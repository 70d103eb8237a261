#pragma once

class QApplication;

namespace app {

// Settings every QApplication of the program needs, set before it exists.
void prepareApplication();
// Fonts and names of the application object.
void configureApplication(QApplication& application);

// The program: single-instance check, every window created, the launcher
// shown, the event loop run.
int run(int argc, char** argv);

} // namespace app
