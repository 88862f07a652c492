#include "QtDialogs.h"

#include "AppInfo.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QWindow>

// A box belongs to the window the player was using: it stays in front of that window
// and has no taskbar button of its own. Right after a box closes that window may not be
// active again yet, so the last one is remembered; at start-up there is none (the
// splash, going, does not count).
void QtDialogs::ownByPlayersWindow(QDialog& dialog)
{
    if (QWidget* active = QApplication::activeWindow(); active != nullptr && active->isVisible()) {
        m_playersWindow = active;
    }
    if (m_playersWindow != nullptr) {
        dialog.winId();
        dialog.windowHandle()->setTransientParent(m_playersWindow->windowHandle());
    }
}

void QtDialogs::messageBox(const QString& text)
{
    QMessageBox box;
    box.setWindowTitle(QString::fromUtf8(AppInfo::Title));
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    ownByPlayersWindow(box);
    box.exec();
}

QString QtDialogs::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    QInputDialog dialog;
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        label->setTextFormat(Qt::PlainText);
    }
    ownByPlayersWindow(dialog);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.textValue();
}
