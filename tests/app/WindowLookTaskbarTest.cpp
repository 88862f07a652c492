#include "GameWindow.h"
#include "ScriptedDialogs.h"
#include "WindowSet.h"
#include "frmAbout.h"
#include "frmHelp.h"
#include "frmSplash.h"
#include "frmTrellic.h"

#include <QGuiApplication>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

// Which windows a taskbar lists, read back from what X11 window managers go by.
class WindowLookTaskbarTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void secondaryWindowsStayOff_data();
    void secondaryWindowsStayOff();
    void gameWindowIsListed();
};

namespace {

xcb_connection_t* connection()
{
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_atom_t atom(const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection(),
        xcb_intern_atom(connection(), 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t result = reply->atom;
    std::free(reply);
    return result;
}

// Whether the window's _NET_WM_STATE holds the skip-taskbar state.
bool skipsTaskbar(QWidget* window)
{
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection(), 0, static_cast<xcb_window_t>(window->winId()),
                         atom("_NET_WM_STATE"), XCB_ATOM_ATOM, 0, 64);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection(), cookie, nullptr);
    bool found = false;
    if (reply != nullptr && reply->format == 32) {
        const auto* states = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / 4;
        found =
            std::find(states, states + count, atom("_NET_WM_STATE_SKIP_TASKBAR")) != states + count;
    }
    std::free(reply);
    return found;
}

} // namespace

void WindowLookTaskbarTest::initTestCase()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) {
        QSKIP("the taskbar hint is read back on X11 only");
    }
}

void WindowLookTaskbarTest::cleanup()
{
    WindowSet::unloadAll();
}

void WindowLookTaskbarTest::secondaryWindowsStayOff_data()
{
    QTest::addColumn<QString>("window");
    for (const char* window : {"splash", "help", "about"}) {
        QTest::newRow(window) << QString::fromLatin1(window);
    }
}

void WindowLookTaskbarTest::secondaryWindowsStayOff()
{
    QFETCH(QString, window);
    ScriptedDialogs dialogs;
    WindowSet::setEndHandler([] {});
    QWidget* shown =
        window == QLatin1String("splash") ? static_cast<QWidget*>(WindowSet::show<frmSplash>())
        : window == QLatin1String("help") ? static_cast<QWidget*>(WindowSet::show<frmHelp>())
                                          : static_cast<QWidget*>(WindowSet::show<frmAbout>());
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    QVERIFY(skipsTaskbar(shown));
}

void WindowLookTaskbarTest::gameWindowIsListed()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    QWidget* window = game.window();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(!skipsTaskbar(window));
}

QTEST_MAIN(WindowLookTaskbarTest)
#include "WindowLookTaskbarTest.moc"
