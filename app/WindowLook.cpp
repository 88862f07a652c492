#include "WindowLook.h"

#include "Twips.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QWidget>
#include <QWindow>

#if QT_CONFIG(xcb)
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>
#include <xcb/xcb.h>
#endif

QFont WindowLook::designedFont(const QString& family, qreal points, const QString& fallback)
{
    QString chosen = family;
    if (!QFontDatabase::families().contains(family)) {
        chosen = fallback.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()
                                    : fallback;
    }
    QFont font(chosen);
    font.setPointSizeF(points);
    return font;
}

QPixmap WindowLook::picture(const QString& path, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        QString large = path;
        large.insert(large.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
        QPixmap sharp(large);
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(path);
}

QIcon WindowLook::noIcon()
{
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

#if QT_CONFIG(xcb)
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
#endif

QMargins WindowLook::expectedFrame(QWidget* window)
{
    window->winId();
    if (window->windowFlags().testFlag(Qt::FramelessWindowHint)) {
        // Asked all the same, some window managers tell the frame they would give a window
        // of that kind, before they have read that it wants none.
        return {};
    }
#if QT_CONFIG(xcb)
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 != nullptr && x11->connection() != nullptr) {
        // In the window manager's pixels, which are the screen's.
        const QMargins frame =
            askFrameExtents(x11->connection(), static_cast<xcb_window_t>(window->winId()));
        const qreal ratio = window->devicePixelRatioF();
        return QMargins(qRound(frame.left() / ratio), qRound(frame.top() / ratio),
                        qRound(frame.right() / ratio), qRound(frame.bottom() / ratio));
    }
#endif
    // Elsewhere the platform knows the frame once the window exists.
    return window->windowHandle()->frameMargins();
}

void WindowLook::keepOffTaskbar(QWidget* window)
{
#if defined(Q_OS_WIN)
    // Windows gives a taskbar button to every window without an owner, except a tool
    // window (WS_EX_TOOLWINDOW, which Qt gives a tool window of no transient parent, from
    // its creation on). An owner would not do: an owned window always stays above its
    // owner. The price is a smaller caption and no place in Alt+Tab.
    window->setWindowFlags((window->windowFlags() & ~Qt::WindowType_Mask) | Qt::Tool);
#elif QT_CONFIG(xcb)
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return; // not on an X11 display: the window's type is all the platform goes by
    }
    // The state a window has when it is first mapped; Qt adds its own states to it.
    const xcb_intern_atom_cookie_t state = askAtom(connection, "_NET_WM_STATE");
    const xcb_intern_atom_cookie_t skip = askAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    const xcb_atom_t skipTaskbar = atom(connection, skip);
    xcb_change_property(connection, XCB_PROP_MODE_APPEND,
                        static_cast<xcb_window_t>(window->winId()), atom(connection, state),
                        XCB_ATOM_ATOM, 32, 1, &skipTaskbar);
#else
    Q_UNUSED(window);
#endif
}

QLabel* WindowLook::label(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                          const LabelStyle& style)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    label->setWordWrap(style.wordWrap);
    label->setAutoFillBackground(style.fillBackground);
    label->setAttribute(Qt::WA_NoMousePropagation, style.takesClicks);
    if (style.font) {
        label->setFont(*style.font);
    }
    if (style.textColor) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, *style.textColor);
        label->setPalette(palette);
    }
    return label;
}

void WindowLook::setUpFixedDialog(QWidget* window, const char* name, const QString& caption,
                                  int widthTwips, int heightTwips)
{
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(caption);
    // An ordinary window without an owner, not a dialog: a dialog would be kept above
    // the program's other windows, and the game window must be able to come in front.
    window->setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    window->setWindowIcon(noIcon());
    // Laid out in MS Sans Serif 8; Arial 8 (or a font with its metrics) fits the same boxes.
    window->setFont(designedFont(QStringLiteral("MS Sans Serif"), 8.25, QStringLiteral("Arial")));
    window->setFixedSize(Twips::toPixels(widthTwips), Twips::toPixels(heightTwips));
    keepOffTaskbar(window);
}
