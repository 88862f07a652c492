#include "app/QtDialogs.h"

#include "app/AppInfo.h"

#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>

void QtDialogs::messageBox(const QString& text)
{
    QMessageBox box;
    box.setWindowTitle(QString::fromUtf8(AppInfo::Title));
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.setAccessibleName(text);
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
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.textValue();
}
