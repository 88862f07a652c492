#pragma once

#include "MirroredLayout.h"

#include <QPointer>
#include <QWidget>
#include <functional>

// The program's windows: one instance per window class, reached by its class from
// anywhere. Showing a window that is not loaded loads it: the window is created with
// its controls at their design-time values, its Form_Load runs, it is mirrored for a
// language written from right to left, and only then does it become visible. Unloading
// destroys it and everything it held.
//
// The program ends by end(), at once; otherwise when, after a handler has returned,
// no window is loaded any more.
class WindowSet {
public:
    // The loaded instance of Form, or nullptr.
    template <class Form>
    static Form* loaded()
    {
        Form* form = slot<Form>().data();
        return isLoaded(form) ? form : nullptr;
    }

    // Shows the instance of Form, loading it first when needed, and brings it to the front.
    template <class Form>
    static Form* show()
    {
        Form* form = loaded<Form>();
        if (form == nullptr) {
            form = new Form;
            slot<Form>() = form;
            track(form);
            form->Form_Load();
            MirroredLayout::apply(form);
            placeCentred(form);
        } else {
            form->raise();
        }
        form->show();
        form->activateWindow();
        return form;
    }

    // Unloads `window`: it is hidden at once, no longer counts as loaded, and is
    // destroyed when control returns to the event loop.
    static void unload(QWidget* window);

    // The end operation: every window closes and the program ends at once.
    static void end();

    // What ending the program does; by default QCoreApplication::exit(0). Tests put a
    // recorder here. An empty function restores the default.
    static void setEndHandler(std::function<void()> handler);

    // Destroys every window, loaded or waiting to be destroyed; used once the event loop
    // has returned.
    static void unloadAll();

private:
    template <class Form>
    static QPointer<Form>& slot()
    {
        static QPointer<Form> instance;
        return instance;
    }

    static bool isLoaded(const QWidget* window);
    static void track(QWidget* window);
    static void placeCentred(QWidget* window);
    static void scheduleEndCheck();
    static void endIfNoneLoaded();
};
