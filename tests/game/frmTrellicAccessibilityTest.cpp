#include "GameWindow.h"
#include "ScriptedDialogs.h"
#include "QtDialogs.h"
#include "frmTrellic.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

// The game as a screen-reader player meets it, read through Qt's accessibility
// interface only.
class frmTrellicAccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void cellsSayWhereTheyAreAndWhatTheyHold();
    void labelsSayWhoseTheyAreAndWhoseMoveItIs();
    void cellsCanBePressedThroughTheirAction();
    void winnerBoxIsAnAlert();
    void tabVisitsFreeCellsAndSpacePlays();
    void menusAreReachableByKeyboard();

private:
    static QString name(QObject* object)
    {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
        return face != nullptr ? face->text(QAccessible::Name) : QStringLiteral("<none>");
    }
};

void frmTrellicAccessibilityTest::cellsSayWhereTheyAreAndWhatTheyHold()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    QStringList names;
    for (int number = 1; number <= 9; ++number) {
        names << name(game.cell(number));
    }
    QCOMPARE(names,
             QStringList({"Top left, empty", "Top middle, empty", "Top right, empty",
                          "Middle left, empty", "Centre, empty", "Middle right, empty",
                          "Bottom left, empty", "Bottom middle, empty", "Bottom right, empty"}));
    game.play({5, 9});
    QCOMPARE(name(game.cell(5)), QStringLiteral("Centre, X"));
    QCOMPARE(name(game.cell(9)), QStringLiteral("Bottom right, O"));
    QAccessibleInterface* centre = QAccessible::queryAccessibleInterface(game.cell(5));
    QCOMPARE(centre->role(), QAccessible::Button);
    QVERIFY(centre->state().disabled);
    QVERIFY(!QAccessible::queryAccessibleInterface(game.cell(1))->state().disabled);
}

void frmTrellicAccessibilityTest::labelsSayWhoseTheyAreAndWhoseMoveItIs()
{
    ScriptedDialogs dialogs;
    dialogs.answer(QStringLiteral("Ann"));
    dialogs.answer(QStringLiteral("<b>Bob</b>"));
    GameWindow game(dialogs);
    QCoreApplication::processEvents();
    QCOMPARE(name(game.label("lblPlayerOne")), QStringLiteral("Player one: Ann, to move"));
    QCOMPARE(name(game.label("lblPlayerTwo")), QStringLiteral("Player two: <b>Bob</b>"));
    QCOMPARE(name(game.label("lblOneScore")), QStringLiteral("Player one's score: 0"));
    game.play({1});
    QCoreApplication::processEvents();
    QCOMPARE(name(game.label("lblPlayerOne")), QStringLiteral("Player one: Ann"));
    QCOMPARE(name(game.label("lblPlayerTwo")), QStringLiteral("Player two: <b>Bob</b>, to move"));
    game.play({4, 2, 5, 3});
    QCOMPARE(name(game.label("lblOneScore")), QStringLiteral("Player one's score: 1"));
    QCOMPARE(name(game.label("lblTwoScore")), QStringLiteral("Player two's score: 0"));
    QCoreApplication::processEvents();
    QCOMPARE(name(game.label("lblPlayerOne")), QStringLiteral("Player one: Ann"));
}

void frmTrellicAccessibilityTest::cellsCanBePressedThroughTheirAction()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    QAccessibleActionInterface* actions =
        QAccessible::queryAccessibleInterface(game.cell(2))->actionInterface();
    QVERIFY(actions != nullptr);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(game.cell(2)->text(), QStringLiteral("X"));
    QVERIFY(actions->actionNames().isEmpty()); // a played cell offers nothing more
}

void frmTrellicAccessibilityTest::winnerBoxIsAnAlert()
{
    QList<QAccessible::Event> events;
    QString spoken;
    QTimer::singleShot(0, [&] {
        QVERIFY(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
        QWidget* box = QApplication::activeModalWidget();
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
        spoken = face->text(QAccessible::Name) + QLatin1Char('|') +
                 face->text(QAccessible::Description) + QLatin1Char('|') +
                 QString::number(face->role() == QAccessible::AlertMessage);
        qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
    });
    QtDialogs().messageBox(QStringLiteral("Ann is the winner!"));
    QVERIFY2(spoken.contains(QStringLiteral("Ann is the winner!")), qPrintable(spoken));
    QVERIFY2(spoken.endsWith(QStringLiteral("|1")), qPrintable(spoken));
}

void frmTrellicAccessibilityTest::tabVisitsFreeCellsAndSpacePlays()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    QVERIFY(QTest::qWaitForWindowActive(game.window()));
    game.play({2, 3});
    game.cell(1)->setFocus();
    QStringList visited;
    for (int step = 0; step < 7; ++step) {
        visited << name(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, QStringList({"Top left, empty", "Middle left, empty", "Centre, empty",
                                   "Middle right, empty", "Bottom left, empty",
                                   "Bottom middle, empty", "Bottom right, empty"}));
    QCOMPARE(name(QApplication::focusWidget()), QStringLiteral("Top left, empty"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(game.cell(1)->text(), QStringLiteral("X"));
}

void frmTrellicAccessibilityTest::menusAreReachableByKeyboard()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    QVERIFY(QTest::qWaitForWindowActive(game.window()));
    game.play({1});
    QMenuBar* bar = game.window()->menuBar();
    // Alt alone moves into the menu bar; Down opens File, Return runs New Game.
    QTest::keyClick(game.window(), Qt::Key_Alt, Qt::AltModifier);
    QTRY_VERIFY(bar->activeAction() != nullptr);
    QCOMPARE(bar->activeAction()->text(), QStringLiteral("File"));
    QTest::keyClick(bar, Qt::Key_Down);
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
    QTRY_COMPARE(game.cell(1)->text(), QString());
}

QTEST_MAIN(frmTrellicAccessibilityTest)
#include "frmTrellicAccessibilityTest.moc"
