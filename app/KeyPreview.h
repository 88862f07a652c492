#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

// Key preview: a window sees the key presses of its controls before they do. The
// handler gets every key press sent to the window or to a control it watches, and
// returns true when it has dealt with it; the control then never sees it.
class KeyPreview : public QObject {
public:
    using Handler = std::function<bool(const QKeyEvent&)>;

    // Previews the key presses that reach `window` itself; owned by it.
    KeyPreview(QWidget* window, Handler handler);

    // Previews the key presses of `control` too.
    void watch(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handler m_handler;
};
