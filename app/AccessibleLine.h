#pragma once

#include <QAccessibleWidget>

// What a screen reader is offered of a drawn line: nothing to read. A line is drawing,
// not a control, so it is a separator with no name (a plain widget would be an unnamed
// grouping, and one inside a group box would take the box's title as its name), and it
// is marked invisible, which Windows' UI Automation leaves out of the tree altogether.
class AccessibleLine : public QAccessibleWidget {
public:
    explicit AccessibleLine(QWidget* line);

    // For the accessibility framework: the interface of a Line.
    static QAccessibleInterface* factory(const QString& className, QObject* object);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
};
