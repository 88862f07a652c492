#pragma once

// How the program starts: the application's settings, then the first window.
class Startup {
public:
    // Application-wide settings; call once the QApplication exists.
    static void configure();
    // Shows the first window; everything after that happens in the windows' handlers.
    static void start();
};
