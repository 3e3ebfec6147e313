#pragma once

#include <QString>
#include <exception>

namespace app {

// A failure that ends a handler without a message, as when the user calls
// something off that needs no explaining.
class SilentAbort : public std::exception {
public:
    const char* what() const noexcept override { return "Operation aborted"; }
};

// The message with a "." appended unless it is empty or its last character's code
// is at most that of "." (a period, blank, line break, quote, !, #, ..., -).
QString withClosingPeriod(const QString& message);

// The program file's name without its folder, cut before its first period, its first
// character kept and the rest in lower case: VIEWER.EXE gives Viewer.
QString applicationTitle(const QString& programFilePath);

// Shows a failure's message in a modal message box captioned with the application
// title, with the critical icon and one OK button.
void showErrorMessage(const QString& message);

// The one place a failure that leaves a handler ends up: drops a SilentAbort,
// releases any mouse grab and shows every other failure's message.
void displayCurrentException() noexcept;

// Runs a handler so that no exception reaches the event loop, which does not
// support them.
template <typename Handler>
void runGuarded(Handler&& handler) noexcept {
    try {
        handler();
    } catch (...) {
        displayCurrentException();
    }
}

}  // namespace app
