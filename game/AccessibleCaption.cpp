#include "AccessibleCaption.h"

#include <QAbstractButton>
#include <QLabel>

namespace {
const char* const PlaceProperty = "trellicPlace";
const char* const PrefixProperty = "trellicPrefix";
const char* const TurnProperty = "trellicSpeaksTurn";

void installFactoryOnce()
{
    static const bool installed = [] {
        QAccessible::installFactory(&AccessibleCaption::factory);
        return true;
    }();
    Q_UNUSED(installed);
}
} // namespace

AccessibleCaption::AccessibleCaption(QWidget* widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role)
{
}

void AccessibleCaption::describeCell(QWidget* cell, const QString& place)
{
    installFactoryOnce();
    cell->setProperty(PlaceProperty, place);
}

void AccessibleCaption::describeLabel(QWidget* label, const QString& prefix, bool speaksTurn)
{
    installFactoryOnce();
    label->setProperty(PrefixProperty, prefix);
    label->setProperty(TurnProperty, speaksTurn);
}

QAccessibleInterface* AccessibleCaption::factory(const QString&, QObject* object)
{
    if (auto* button = qobject_cast<QAbstractButton*>(object);
        button != nullptr && button->property(PlaceProperty).isValid()) {
        return new AccessibleCaption(button, QAccessible::Button);
    }
    if (auto* label = qobject_cast<QLabel*>(object);
        label != nullptr && label->property(PrefixProperty).isValid()) {
        return new AccessibleCaption(label, QAccessible::StaticText);
    }
    return nullptr;
}

QString AccessibleCaption::text(QAccessible::Text kind) const
{
    if (kind != QAccessible::Name) {
        return QAccessibleWidget::text(kind);
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget())) {
        const QString content = button->text().isEmpty() ? QStringLiteral("empty") : button->text();
        return button->property(PlaceProperty).toString() + QStringLiteral(", ") + content;
    }
    const auto* label = qobject_cast<const QLabel*>(widget());
    QString name = label->property(PrefixProperty).toString() + label->text();
    if (label->property(TurnProperty).toBool() && label->font().bold()) {
        name += QStringLiteral(", to move");
    }
    return name;
}

QStringList AccessibleCaption::actionNames() const
{
    if (qobject_cast<const QAbstractButton*>(widget()) != nullptr && widget()->isEnabled()) {
        return {pressAction()};
    }
    return {};
}

void AccessibleCaption::doAction(const QString& action)
{
    auto* button = qobject_cast<QAbstractButton*>(widget());
    if (button != nullptr && button->isEnabled() && action == pressAction()) {
        button->click();
    }
}
