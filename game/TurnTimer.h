#pragma once

#include <QObject>

// The game window's turn timer. It keeps its designed interval, but since a tick can
// only change what is shown when the timer has just been enabled or the turn has
// changed, it delivers a tick (a queued event, also inside a modal box's event loop)
// exactly then, and otherwise leaves the process asleep.
class TurnTimer : public QObject {
    Q_OBJECT

public:
    explicit TurnTimer(QObject* parent = nullptr);

    int interval() const { return m_interval; }
    void setInterval(int milliseconds) { m_interval = milliseconds; }

    bool isEnabled() const { return m_enabled; }
    // Enabling queues a tick; a disabled timer delivers none.
    void setEnabled(bool enabled);

    // What the ticks show has changed: queue a tick.
    void changed();

signals:
    void timeout();

private:
    void deliver();

    int m_interval = 0;
    bool m_enabled = false;
    bool m_queued = false;
};
