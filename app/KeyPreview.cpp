#include "KeyPreview.h"

#include <QKeyEvent>
#include <QWidget>
#include <utility>

KeyPreview::KeyPreview(QWidget* window, Handler handler)
    : QObject(window)
    , m_handler(std::move(handler))
{
    window->installEventFilter(this);
}

void KeyPreview::watch(QWidget* control)
{
    control->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && m_handler(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}
