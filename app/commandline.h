#pragma once

#include <QtGlobal>

#include <optional>

namespace numora {

// Reads the command line before the program opens its display: answers --help and --version
// (exit 0), refuses an option or argument it does not understand (exit 2), and stops with one
// line on stderr where there is no display to open (exit 1). Qt's own options (-platform,
// -display, -style...) are left for the application. Returns the exit code when the program
// ends here; nothing when it goes on to its windows.
std::optional<int> readCommandLine(int argc, char *argv[]);

// Held while the application connects to its display: where the display cannot be opened
// (DISPLAY names no running server, say), the program ends with one line on stderr and exit 1
// in place of Qt's abort.
class DisplayFailureGuard
{
public:
    DisplayFailureGuard();
    ~DisplayFailureGuard();
    DisplayFailureGuard(const DisplayFailureGuard &) = delete;
    DisplayFailureGuard &operator=(const DisplayFailureGuard &) = delete;

private:
    QtMessageHandler m_previous;
};

} // namespace numora
