// Starting the program: its options, the user's data folder, the main window and the event loop.
#pragma once

class QApplication;

namespace kavren {

// Exit status for a bad option or an unusable data folder, reported before any window opens.
inline constexpr int BadStartExitStatus = 2;

// Runs the program in an application object that has taken its own options; returns the exit
// status.
int runApplication(QApplication &app);

} // namespace kavren
