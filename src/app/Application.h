#pragma once

// Sets up the application object as the program expects (name, style, fonts,
// palette). Used by the program and by the snapshot tool.
class QApplication;
// The application object must exist; its settings are static.
void configureApplication(QApplication &app);

#include <functional>

class TMainFrm;

// The program entry: splash, main window, message loop. Reads no arguments.
// The start-up measurement passes `shown`, called once the main window has
// been shown for the first time.
int runCorvane(int argc, char *argv[], const std::function<void(TMainFrm &)> &shown = {});
