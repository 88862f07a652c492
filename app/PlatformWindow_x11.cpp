// X11: the window manager is asked for the frame and told which windows stay off the
// taskbar, through the display's connection.
#include "PlatformWindow.h"

#include <QGuiApplication>
#include <QPalette>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>
#include <xcb/xcb.h>

namespace {

xcb_intern_atom_cookie_t askAtom(xcb_connection_t* connection, const char* name)
{
    return xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
}

xcb_atom_t atom(xcb_connection_t* connection, xcb_intern_atom_cookie_t cookie)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t result = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return result;
}

// The 32-bit items of a window's property, at most `longest` of them; none when the
// window or the property does not exist.
std::vector<std::uint32_t> property(xcb_connection_t* connection, xcb_window_t window,
                                    xcb_atom_t name, xcb_atom_t type, std::uint32_t longest)
{
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, name, type, 0, longest), nullptr);
    std::vector<std::uint32_t> items;
    if (reply != nullptr && reply->format == 32) {
        const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
        items.assign(values, values + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return items;
}

// The frame the window manager will put around `window`, which is not mapped yet, as it
// says when asked (_NET_REQUEST_FRAME_EXTENTS); none without a window manager that
// answers such a request.
QMargins askFrameExtents(xcb_connection_t* connection, xcb_window_t window)
{
    const xcb_intern_atom_cookie_t checkCookie = askAtom(connection, "_NET_SUPPORTING_WM_CHECK");
    const xcb_intern_atom_cookie_t supportedCookie = askAtom(connection, "_NET_SUPPORTED");
    const xcb_intern_atom_cookie_t requestCookie =
        askAtom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_intern_atom_cookie_t extentsCookie = askAtom(connection, "_NET_FRAME_EXTENTS");
    const xcb_atom_t check = atom(connection, checkCookie);
    const xcb_atom_t supported = atom(connection, supportedCookie);
    const xcb_atom_t request = atom(connection, requestCookie);
    const xcb_atom_t extents = atom(connection, extentsCookie);

    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
    if (geometry == nullptr) {
        return {};
    }
    const xcb_window_t root = geometry->root;
    std::free(geometry);

    // A window manager runs when the window the root names says so itself (one that has
    // gone leaves its name behind), and answers when it lists the request.
    const std::vector<std::uint32_t> manager =
        property(connection, root, check, XCB_ATOM_WINDOW, 1);
    if (manager.size() != 1 ||
        property(connection, manager.front(), check, XCB_ATOM_WINDOW, 1) != manager) {
        return {};
    }
    const std::vector<std::uint32_t> features =
        property(connection, root, supported, XCB_ATOM_ATOM, 4096);
    if (std::find(features.cbegin(), features.cend(), request) == features.cend()) {
        return {};
    }

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    // The answer is a property of the window, set within a few milliseconds.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    for (;;) {
        const std::vector<std::uint32_t> frame =
            property(connection, window, extents, XCB_ATOM_CARDINAL, 4);
        if (frame.size() == 4) { // left, right, top, bottom
            return QMargins(static_cast<int>(frame[0]), static_cast<int>(frame[2]),
                            static_cast<int>(frame[1]), static_cast<int>(frame[3]));
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return {};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

} // namespace

namespace {

// The display's connection; none when the program is not on an X11 display.
xcb_connection_t* x11Connection()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

} // namespace

bool PlatformWindow::frameWithoutTitle(QWidget* window)
{
    // Without a title bar the window manager draws no frame: the window draws its own.
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    return false;
}

void PlatformWindow::keepOffTaskbar(QWidget* window)
{
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr) {
        return; // the window's type is all the platform goes by
    }
    // The state a window has when it is first mapped; Qt adds its own states to it.
    const xcb_intern_atom_cookie_t state = askAtom(connection, "_NET_WM_STATE");
    const xcb_intern_atom_cookie_t skip = askAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    const xcb_atom_t skipTaskbar = atom(connection, skip);
    xcb_change_property(connection, XCB_PROP_MODE_APPEND,
                        static_cast<xcb_window_t>(window->winId()), atom(connection, state),
                        XCB_ATOM_ATOM, 32, 1, &skipTaskbar);
}

void PlatformWindow::keepUntitled(QWidget*)
{
    // A window without a title bar shows its name nowhere; nothing to do.
}

QMargins PlatformWindow::expectedFrame(QWidget* window)
{
    window->winId();
    if (window->windowFlags().testFlag(Qt::FramelessWindowHint)) {
        // Asked all the same, some window managers tell the frame they would give a window
        // of that kind, before they have read that it wants none.
        return {};
    }
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr) {
        return window->windowHandle()->frameMargins();
    }
    // In the window manager's pixels, which are the screen's.
    const QMargins frame = askFrameExtents(connection, static_cast<xcb_window_t>(window->winId()));
    const qreal ratio = window->devicePixelRatioF();
    return QMargins(qRound(frame.left() / ratio), qRound(frame.top() / ratio),
                    qRound(frame.right() / ratio), qRound(frame.bottom() / ratio));
}

QColor PlatformWindow::inactiveTitleBarColor()
{
    // Desktops here publish no title-bar colour; the palette's inactive mid tone stands
    // in for it.
    return QPalette().color(QPalette::Inactive, QPalette::Mid);
}
