#include "AccessibleCaption.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <utility>

namespace {
const char* const PlaceProperty = "trellicPlace";
const char* const PatternProperty = "trellicPattern";
const char* const TurnProperty = "trellicSpeaksTurn";

// Holds a cell's news, and goes with the cell.
class News : public QObject {
public:
    News(QObject* cell, std::function<QString()> text)
        : QObject(cell)
        , text(std::move(text))
    {
    }
    const std::function<QString()> text;
};

void installFactoryOnce()
{
    static const bool installed = [] {
        QAccessible::installFactory(&AccessibleCaption::factory);
        return true;
    }();
    Q_UNUSED(installed);
}

// While a box or prompt is open the board takes nothing, from any tool.
bool boxOpen()
{
    return QApplication::activeModalWidget() != nullptr;
}
} // namespace

AccessibleCaption::AccessibleCaption(QWidget* widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role)
{
}

void AccessibleCaption::describeCell(QWidget* cell, const QString& place,
                                     std::function<QString()> news)
{
    installFactoryOnce();
    cell->setProperty(PlaceProperty, place);
    new News(cell, std::move(news));
}

void AccessibleCaption::describeLabel(QWidget* label, const QString& pattern, bool speaksTurn)
{
    installFactoryOnce();
    label->setProperty(PatternProperty, pattern);
    label->setProperty(TurnProperty, speaksTurn);
}

QAccessibleInterface* AccessibleCaption::factory(const QString&, QObject* object)
{
    if (auto* button = qobject_cast<QAbstractButton*>(object);
        button != nullptr && button->property(PlaceProperty).isValid()) {
        return new AccessibleCaption(button, QAccessible::Button);
    }
    if (auto* label = qobject_cast<QLabel*>(object);
        label != nullptr && label->property(PatternProperty).isValid()) {
        return new AccessibleCaption(label, QAccessible::StaticText);
    }
    return nullptr;
}

QString AccessibleCaption::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Description && cellButton() != nullptr) {
        for (const QObject* child : widget()->children()) {
            if (const auto* news = dynamic_cast<const News*>(child)) {
                return news->text();
            }
        }
        return {};
    }
    if (kind != QAccessible::Name) {
        return QAccessibleWidget::text(kind);
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget())) {
        //: A free cell, as a screen reader names it
        const QString content = button->text().isEmpty()
                                    ? QCoreApplication::translate("AccessibleCaption", "empty")
                                    : button->text();
        //: A cell: where it is, then its mark (X or O) or "empty"
        return QCoreApplication::translate("AccessibleCaption", "%1, %2")
            .arg(button->property(PlaceProperty).toString(), content);
    }
    const auto* label = qobject_cast<const QLabel*>(widget());
    QString name = label->property(PatternProperty).toString().arg(label->text());
    if (label->property(TurnProperty).toBool() && label->font().bold()) {
        //: A player's label while it is that player's move
        name = QCoreApplication::translate("AccessibleCaption", "%1, to move").arg(name);
    }
    return name;
}

QAbstractButton* AccessibleCaption::cellButton() const
{
    auto* button = qobject_cast<QAbstractButton*>(widget());
    return button != nullptr && button->property(PlaceProperty).isValid() ? button : nullptr;
}

QAccessible::State AccessibleCaption::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (const QAbstractButton* button = cellButton()) {
        state.pressed = button->isDown();
        if (const auto* push = qobject_cast<const QPushButton*>(button)) {
            state.defaultButton = push->isDefault();
        }
    }
    return state;
}

QStringList AccessibleCaption::actionNames() const
{
    const QAbstractButton* button = cellButton();
    if (button == nullptr) {
        return QAccessibleWidget::actionNames();
    }
    if (boxOpen()) {
        return {};
    }
    QStringList names;
    if (button->isEnabled()) {
        names << pressAction();
    }
    return names + QAccessibleWidget::actionNames();
}

void AccessibleCaption::doAction(const QString& action)
{
    QAbstractButton* button = cellButton();
    if (button == nullptr) {
        QAccessibleWidget::doAction(action);
        return;
    }
    if (boxOpen() || !button->isEnabled()) {
        return;
    }
    if (action == pressAction()) {
        // A move may open a box that waits for the player: the click comes after the
        // answer. A box opened meanwhile (by a press just before this one) still stops it.
        QTimer::singleShot(0, button, [button] {
            if (button->isEnabled() && !boxOpen()) {
                button->click();
            }
        });
        return;
    }
    QAccessibleWidget::doAction(action);
}
