// Platforms without X11 or Win32 code of their own (Wayland, macOS, offscreen).
#include "PlatformWindow.h"

#include <QPalette>
#include <QWidget>
#include <QWindow>

bool PlatformWindow::frameWithoutTitle(QWidget* window)
{
    // Without a title bar the window manager draws no frame: the window draws its own.
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    return false;
}

void PlatformWindow::keepOffTaskbar(QWidget*)
{
    // The window's type is all the platform goes by.
}

void PlatformWindow::keepUntitled(QWidget*)
{
    // Nothing shows the name of a window without a title bar here.
}

QMargins PlatformWindow::expectedFrame(QWidget* window)
{
    // The platform knows the frame once the window exists.
    window->winId();
    return window->windowHandle()->frameMargins();
}

QColor PlatformWindow::inactiveTitleBarColor()
{
    // No title-bar colour is published; the palette's inactive mid tone stands in for it.
    return QPalette().color(QPalette::Inactive, QPalette::Mid);
}
