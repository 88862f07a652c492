#include "TurnTimer.h"

TurnTimer::TurnTimer(QObject* parent)
    : QObject(parent)
{
}

void TurnTimer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (enabled) {
        changed();
    }
}

void TurnTimer::changed()
{
    if (!m_enabled || m_queued) {
        return;
    }
    m_queued = true;
    QMetaObject::invokeMethod(this, &TurnTimer::deliver, Qt::QueuedConnection);
}

void TurnTimer::deliver()
{
    m_queued = false;
    if (m_enabled) {
        emit timeout();
    }
}
