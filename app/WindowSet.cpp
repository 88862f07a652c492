#include "WindowSet.h"

#include "PlatformWindow.h"

#include <QCoreApplication>
#include <QList>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace {

QList<QPointer<QWidget>>& loadedWindows()
{
    static QList<QPointer<QWidget>> windows;
    return windows;
}

std::function<void()>& endHandler()
{
    static std::function<void()> handler;
    return handler;
}

// Removes `window` from the loaded set, and any entry whose window is already gone.
void forget(const QWidget* window)
{
    loadedWindows().removeIf([window](const QPointer<QWidget>& entry) {
        return entry.isNull() || entry.data() == window;
    });
}

void endProgram()
{
    if (endHandler()) {
        endHandler()();
    } else {
        QCoreApplication::exit(0);
    }
}

} // namespace

bool WindowSet::isLoaded(const QWidget* window)
{
    return window != nullptr &&
           std::any_of(loadedWindows().cbegin(), loadedWindows().cend(),
                       [window](const QPointer<QWidget>& entry) { return entry.data() == window; });
}

void WindowSet::track(QWidget* window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    loadedWindows().append(window);
    QObject::connect(window, &QObject::destroyed, [window] {
        if (isLoaded(window)) { // closed by its close box rather than unloaded
            forget(window);
            scheduleEndCheck();
        }
    });
}

void WindowSet::placeCentred(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (screen == nullptr) {
        return;
    }
    // The whole window is centred, its frame included: the frame is asked for before the
    // window is first shown, so it appears in place. The window exists by then, so the
    // position is the client area's.
    const QMargins frame = PlatformWindow::expectedFrame(window);
    QRect outer = QRect(QPoint(), window->size()).marginsAdded(frame);
    outer.moveCenter(screen->availableGeometry().center());
    window->move(outer.topLeft() + QPoint(frame.left(), frame.top()));
}

void WindowSet::unload(QWidget* window)
{
    if (!isLoaded(window)) {
        return;
    }
    forget(window);
    window->hide();
    window->deleteLater();
    scheduleEndCheck();
}

void WindowSet::end()
{
    const QList<QPointer<QWidget>> windows = std::exchange(loadedWindows(), {});
    for (const QPointer<QWidget>& window : windows) {
        if (!window.isNull()) {
            window->hide();
            window->deleteLater();
        }
    }
    endProgram();
}

void WindowSet::setEndHandler(std::function<void()> handler)
{
    endHandler() = std::move(handler);
}

void WindowSet::unloadAll()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QList<QPointer<QWidget>> windows = std::exchange(loadedWindows(), {});
    for (const QPointer<QWidget>& window : windows) {
        delete window.data();
    }
}

void WindowSet::scheduleEndCheck()
{
    // Runs once the handler that unloaded the window has returned.
    QTimer::singleShot(0, qApp, &WindowSet::endIfNoneLoaded);
}

void WindowSet::endIfNoneLoaded()
{
    forget(nullptr);
    if (loadedWindows().isEmpty()) {
        endProgram();
    }
}
