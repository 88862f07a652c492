#include "QtDialogs.h"

#include "ModalWait.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

// The real boxes, driven while they are open.
class QtDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void messageBoxShowsPlainTextUnderTheApplicationTitle();
    void promptReturnsTheEditedTextOrEmpty_data();
    void promptReturnsTheEditedTextOrEmpty();
    void boxesBelongToTheActiveWindow();
};

void QtDialogsTest::messageBoxShowsPlainTextUnderTheApplicationTitle()
{
    const QString text = QStringLiteral("<b>Eve</b> & Bob is the winner!");
    QString seenTitle, seenText;
    Qt::TextFormat seenFormat = Qt::AutoText;
    QMessageBox::Icon seenIcon = QMessageBox::Critical;
    int buttons = 0;
    bool modal = false;
    whenModalOpen([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        QVERIFY(box != nullptr);
        seenTitle = box->windowTitle();
        seenText = box->text();
        seenFormat = box->textFormat();
        seenIcon = box->icon();
        buttons = static_cast<int>(box->buttons().size());
        modal = box->isModal();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    QtDialogs().messageBox(text);
    QCOMPARE(seenTitle, QStringLiteral("Trellic"));
    QCOMPARE(seenText, text);
    QCOMPARE(seenFormat, Qt::PlainText);
    QCOMPARE(seenIcon, QMessageBox::NoIcon);
    QCOMPARE(buttons, 1);
    QVERIFY(modal);
}

void QtDialogsTest::promptReturnsTheEditedTextOrEmpty_data()
{
    QTest::addColumn<QString>("typed"); // "" keeps the default
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("expected");
    QTest::newRow("default confirmed") << ""
                                       << "ok"
                                       << "Player 1";
    QTest::newRow("typed and confirmed") << "<i>Ann</i>"
                                         << "ok"
                                         << "<i>Ann</i>";
    QTest::newRow("blanks confirmed") << "   "
                                      << "ok"
                                      << "   ";
    QTest::newRow("emptied and confirmed") << "<empty>"
                                           << "ok"
                                           << "";
    QTest::newRow("typed then cancelled") << "Ann"
                                          << "cancel"
                                          << "";
    QTest::newRow("closed with Escape") << "Ann"
                                        << "escape"
                                        << "";
}

void QtDialogsTest::promptReturnsTheEditedTextOrEmpty()
{
    QFETCH(QString, typed);
    QFETCH(QString, how);
    QFETCH(QString, expected);
    QString seenTitle, seenLabel, seenDefault;
    whenModalOpen([&](QWidget* dialog) {
        auto* prompt = qobject_cast<QInputDialog*>(dialog);
        QVERIFY(prompt != nullptr);
        seenTitle = prompt->windowTitle();
        seenLabel = prompt->labelText();
        seenDefault = prompt->textValue();
        auto* edit = prompt->findChild<QLineEdit*>();
        if (typed == QLatin1String("<empty>")) {
            edit->clear();
        } else if (!typed.isEmpty()) {
            edit->selectAll();
            QTest::keyClicks(edit, typed);
        }
        auto* buttons = prompt->findChild<QDialogButtonBox*>();
        if (how == QLatin1String("ok")) {
            QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        } else if (how == QLatin1String("cancel")) {
            QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
        } else {
            QTest::keyClick(edit, Qt::Key_Escape);
        }
    });
    const QString answer =
        QtDialogs().inputBox(QStringLiteral("What is your name Player 1?"),
                             QStringLiteral("Player 1 Name Input"), QStringLiteral("Player 1"));
    QCOMPARE(answer, expected);
    QCOMPARE(seenTitle, QStringLiteral("Player 1 Name Input"));
    QCOMPARE(seenLabel, QStringLiteral("What is your name Player 1?"));
    QCOMPARE(seenDefault, QStringLiteral("Player 1"));
}

void QtDialogsTest::boxesBelongToTheActiveWindow()
{
    QWidget game;
    game.show();
    game.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&game));

    QList<const QWindow*> owners;
    const auto noteOwnerAndClose = [&owners](QWidget* dialog) {
        owners << dialog->windowHandle()->transientParent();
        QTest::keyClick(dialog, Qt::Key_Escape);
    };
    // The second opens as the first closes, before the game window is active again.
    QtDialogs dialogs;
    whenModalOpen(noteOwnerAndClose);
    dialogs.messageBox(QStringLiteral("Ann is the winner!"));
    whenModalOpen(noteOwnerAndClose);
    dialogs.inputBox(QStringLiteral("What is your name Player 1?"),
                     QStringLiteral("Player 1 Name Input"), QStringLiteral("Player 1"));
    QCOMPARE(owners, QList<const QWindow*>({game.windowHandle(), game.windowHandle()}));
}

int main(int argc, char* argv[])
{
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    QtDialogsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "QtDialogsTest.moc"
