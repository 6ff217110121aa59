// Starting the program: its options, the user's data folder, the main window and the event loop.
#pragma once

#include <optional>

class QApplication;

namespace kavren {

// Exit status for a bad option or an unusable data folder, reported before any window opens.
inline constexpr int BadStartExitStatus = 2;

// Answers the options on the terminal when no window is needed for it: the help or version text
// on standard output (exit status 0), or a bad option on standard error (BadStartExitStatus).
// Empty when the program goes on to open its window, and also when an argument may be one of
// the toolkit's own options (-platform, -style, ...), which only the window's application object
// takes out: then the window's start answers them. Needs no display: the application object it
// makes is ended before it returns.
std::optional<int> answerWithoutWindow(int argc, char **argv);

// Runs the program in an application object that has taken its own options; returns the exit
// status.
int runApplication(QApplication &app);

} // namespace kavren
