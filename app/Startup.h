#pragma once

class frmSplash;

// How the program starts: the application's settings, then the first window.
class Startup {
public:
    // Application-wide settings; call once the QApplication exists.
    static void configure();
    // Shows the first window, the splash, wired to hand over to the game window;
    // everything after that happens in the windows' handlers.
    static frmSplash* start();
};
