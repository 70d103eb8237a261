#pragma once

namespace app {

// The program: single-instance check, every window created, the launcher
// shown, the event loop run.
int run(int argc, char** argv);

} // namespace app
