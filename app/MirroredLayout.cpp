#include "MirroredLayout.h"

#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QStyle>
#include <QWidget>

namespace {

// The windows' containers of fixed controls, plain areas and frames; not a control that
// places parts of its own (a menu bar, a button).
bool holdsFixedControls(const QWidget* widget)
{
    const QMetaObject* type = widget->metaObject();
    return type == &QWidget::staticMetaObject || type == &QGroupBox::staticMetaObject;
}

void mirrorChildren(QWidget* container)
{
    for (QObject* child : container->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget->isWindow()) {
            continue;
        }
        // What a layout places (the main window's menu bar and client area) Qt mirrors.
        if (container->layout() == nullptr) {
            QRect place = widget->geometry();
            place.moveLeft(container->width() - place.left() - place.width());
            widget->setGeometry(place);
        }
        // A label aligned to the left is aligned to the right, whatever the script of its
        // text: Qt would align a name or a number in Latin script to the left, apart
        // from the rest.
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setAlignment(QStyle::visualAlignment(Qt::RightToLeft, label->alignment()));
        }
        if (holdsFixedControls(widget)) {
            mirrorChildren(widget);
        }
    }
}

} // namespace

void MirroredLayout::apply(QWidget* window)
{
    if (!window->isRightToLeft()) {
        return;
    }
    // The containers a layout places get their final widths first.
    if (QLayout* layout = window->layout()) {
        layout->activate();
    }
    mirrorChildren(window);
}
