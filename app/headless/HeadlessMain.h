#pragma once

class StartupOptions;

// The program started with --headless: Qt's core application only (no
// widget, no display platform), one copy per data directory shared with the
// window, the plant run by a QHeadlessRunner until SIGTERM or SIGINT.
// Returns the exit code: 0 after a clean end, 1 when the data directory is
// taken or cannot be made.
int RunHeadless(int& argc, char** argv, const StartupOptions& options);
