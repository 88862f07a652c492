#include "AccessibleLine.h"

#include "Line.h"

AccessibleLine::AccessibleLine(QWidget* line)
    : QAccessibleWidget(line, QAccessible::Separator)
{
}

QAccessibleInterface* AccessibleLine::factory(const QString&, QObject* object)
{
    if (auto* line = qobject_cast<Line*>(object)) {
        return new AccessibleLine(line);
    }
    return nullptr;
}

QString AccessibleLine::text(QAccessible::Text) const
{
    return {};
}

QAccessible::State AccessibleLine::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.invisible = true;
    state.focusable = false;
    return state;
}
