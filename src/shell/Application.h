#pragma once

// Sets up the application object as the program expects (name, style, fonts,
// palette). Used by the program and by the snapshot tool.
class QApplication;
void configureApplication(QApplication &app);

// The program entry: splash, main window, message loop. Reads no arguments.
int runCorvane(int argc, char *argv[]);
