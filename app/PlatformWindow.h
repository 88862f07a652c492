#pragma once

#include <QColor>
#include <QMargins>

class QWidget;

// What a top-level window asks of the platform it runs on. Each platform has a file of
// its own, picked by the build: PlatformWindow_x11.cpp where Qt has xcb,
// PlatformWindow_win.cpp on Windows, PlatformWindow_other.cpp elsewhere.
class PlatformWindow {
public:
    // Makes `window` a top-level window with a thin fixed frame and no title bar. Returns
    // whether the platform draws that frame around it (Windows: a fixed-dialog frame);
    // where it does not (no window manager frames a window without a title bar), the
    // window draws it inside its own area. Call before keepOffTaskbar.
    static bool frameWithoutTitle(QWidget* window);

    // Keeps a top-level window (of type Qt::Window, without an owner) out of the taskbar.
    // It gets no owner either way, so another window of the program can come in front of
    // it. Call once its flags are set and before showing it.
    static void keepOffTaskbar(QWidget* window);

    // Gives a window that has no title of its own an empty one where the platform would
    // otherwise show the program's name in its place (Windows: in the window's text, which
    // Alt+Tab and assistive tools read). Creates the native window; call once its flags
    // are set.
    static void keepUntitled(QWidget* window);

    // The frame `window` will have on screen, title bar included, known before it is first
    // shown; none where no window manager draws frames. Creates the native window.
    static QMargins expectedFrame(QWidget* window);

    // The system colour of an inactive window's title bar.
    static QColor inactiveTitleBarColor();
};
