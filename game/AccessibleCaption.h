#pragma once

#include <QAccessibleWidget>
#include <functional>

class QAbstractButton;

// What a screen reader hears for a cell or a name or score label: the caption with
// what it stands for ("Top left, empty", "Player one: Ann, to move", "Player one's
// score: 2"), worked out when asked, so it is always current. Qt announces the change
// itself whenever a caption is set; the turn indicator announces a change of turn.
//
// A cell's description is the news of the game ("X, top left. Bob to move."), also
// asked for whenever it is read. A screen reader speaks it after the name and role of
// the cell that gets the focus, which after a move is the next free cell.
//
// A cell acts as any Qt button does (press, focus), with two differences: a press
// clicks afterwards, from the event loop, so the tool's request has its answer before
// a winner box opens; and while a modal box or prompt is open a cell offers and takes
// no action at all, as it takes no click.
class AccessibleCaption : public QAccessibleWidget {
public:
    // A cell: `place` is where it is on the board ("Top left"); `news` gives its
    // description.
    static void describeCell(QWidget* cell, const QString& place, std::function<QString()> news);
    // A label: `pattern` is what is said, with %1 for its text ("Player one: %1");
    // `speaksTurn` adds ", to move" while the label is bold.
    static void describeLabel(QWidget* label, const QString& pattern, bool speaksTurn = false);

    // For the accessibility framework: the interface of a described widget.
    static QAccessibleInterface* factory(const QString& className, QObject* object);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

private:
    AccessibleCaption(QWidget* widget, QAccessible::Role role);

    // The cell's button, or nullptr for a label.
    QAbstractButton* cellButton() const;
};
