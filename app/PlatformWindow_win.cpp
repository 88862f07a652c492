// Windows: tool windows stay off the taskbar, the frame is the system's, and the
// title-bar colour is the system colour.
#include "PlatformWindow.h"

#include <QWidget>
#include <QWindow>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

bool PlatformWindow::frameWithoutTitle(QWidget* window)
{
    // A fixed-dialog frame drawn by Windows (WS_DLGFRAME), with no caption and no system
    // menu; the client area inside it is the window's own.
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint);
    return true;
}

void PlatformWindow::keepOffTaskbar(QWidget* window)
{
    // Windows gives a taskbar button to every window without an owner, except a tool
    // window (WS_EX_TOOLWINDOW, which Qt gives a tool window of no transient parent, from
    // its creation on). An owner would not do: an owned window always stays above its
    // owner. The price is a smaller caption and no place in Alt+Tab.
    window->setWindowFlags((window->windowFlags() & ~Qt::WindowType_Mask) | Qt::Tool);
}

void PlatformWindow::keepUntitled(QWidget* window)
{
    // Qt gives a native window without a title the application's name.
    SetWindowTextW(reinterpret_cast<HWND>(window->winId()), L"");
}

QMargins PlatformWindow::expectedFrame(QWidget* window)
{
    // Windows knows the frame as soon as the window exists.
    window->winId();
    return window->windowHandle()->frameMargins();
}

QColor PlatformWindow::inactiveTitleBarColor()
{
    const COLORREF bgr = GetSysColor(COLOR_INACTIVECAPTION);
    return QColor(GetRValue(bgr), GetGValue(bgr), GetBValue(bgr));
}
