#pragma once

#include "Dialogs.h"

#include <QPointer>
#include <QWidget>

class QDialog;

// Dialogs built from Qt's own widgets (never the platform's native ones). Every text
// is shown as plain text, whatever characters a player typed.
class QtDialogs : public Dialogs {
public:
    void messageBox(const QString& text) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;

private:
    void ownByPlayersWindow(QDialog& dialog);

    QPointer<QWidget> m_playersWindow;
};
