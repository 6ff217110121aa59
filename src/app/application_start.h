// Starting the program: its options, the user's data folder, the main window and the event loop.
#pragma once

class QApplication;
class QCoreApplication;

namespace kavren {

// Exit status for a bad option or an unusable data folder, reported before any window opens.
inline constexpr int BadStartExitStatus = 2;

// True when the arguments ask only for text on the terminal (--help, --version): that answer needs
// no display, so it is given before a window's application object is made.
bool asksOnlyForText(int argc, const char *const *argv);

// Answers the options on the terminal without a window: the help or version text on standard
// output (exit status 0), or a bad option on standard error (BadStartExitStatus).
int answerOnTerminal(QCoreApplication &app);

// Runs the program in an application object that has taken its own options; returns the exit
// status.
int runApplication(QApplication &app);

} // namespace kavren
