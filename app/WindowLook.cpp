#include "app/WindowLook.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QWidget>

#if QT_CONFIG(xcb)
#include <cstdlib>
#include <cstring>
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

} // namespace
#endif

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

QLabel* WindowLook::label(QWidget* parent, const char* name, const QString& caption, QRect geometry)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    return label;
}
