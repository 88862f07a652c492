#include "GameWindow.h"
#include "ModalWait.h"
#include "QtDialogs.h"
#include "ScriptedDialogs.h"
#include "frmTrellic.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

// The game as a screen-reader player meets it, read through Qt's accessibility
// interface only.
class frmTrellicAccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void cellsSayWhereTheyAreAndWhatTheyHold();
    void labelsSayWhoseTheyAreAndWhoseMoveItIs();
    void cellsTellTheLastMoveAndWhoseMoveItIs();
    void cellsActAsButtonsAndClickAfterAnswering();
    void winningPressAnswersBeforeTheBoxOpens();
    void cellsTakeNothingWhileTheWinnerBoxIsOpen();
    void cellsTakeNothingWhileAPromptIsOpen();
    void messageBoxIsHeardOnceUnderItsTitle();
    void tabVisitsFreeCellsAndSpacePlays();
    void menusAreReachableByKeyboard();

private:
    static QString name(QObject* object)
    {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
        return face != nullptr ? face->text(QAccessible::Name) : QStringLiteral("<none>");
    }
    static QString description(QObject* object)
    {
        return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Description);
    }
    static void trigger(const GameWindow& game, const char* item)
    {
        game.window()->findChild<QAction*>(QString::fromLatin1(item))->trigger();
    }
    static QAccessibleActionInterface* actions(QObject* object)
    {
        return QAccessible::queryAccessibleInterface(object)->actionInterface();
    }
    static QStringList offered(QObject* object) { return actions(object)->actionNames(); }
    static void press(QObject* object)
    {
        actions(object)->doAction(QAccessibleActionInterface::pressAction());
    }
    static void focus(QObject* object)
    {
        actions(object)->doAction(QAccessibleActionInterface::setFocusAction());
    }
    static const QStringList& buttonActions()
    {
        static const QStringList names = {QAccessibleActionInterface::pressAction(),
                                          QAccessibleActionInterface::setFocusAction()};
        return names;
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

void frmTrellicAccessibilityTest::cellsTellTheLastMoveAndWhoseMoveItIs()
{
    ScriptedDialogs dialogs;
    dialogs.answer(QStringLiteral("Ann"));
    dialogs.answer(QStringLiteral("<b>Bob</b>"));
    GameWindow game(dialogs);
    QVERIFY(QTest::qWaitForWindowActive(game.window()));
    QCOMPARE(description(game.cell(5)), QStringLiteral("Ann to move."));
    game.play({5});
    // Every cell tells it, free or played, as it stands when asked.
    QCOMPARE(description(game.cell(1)), QStringLiteral("X, centre. <b>Bob</b> to move."));
    QCOMPARE(description(game.cell(5)), QStringLiteral("X, centre. <b>Bob</b> to move."));
    dialogs.answer(QStringLiteral("Cy"));
    trigger(game, "mnufileNewPlayerPlayer2");
    QCOMPARE(description(game.cell(1)), QStringLiteral("X, centre. Cy to move."));
    game.play({1});
    QCOMPARE(description(game.cell(2)), QStringLiteral("O, top left. Ann to move."));

    // X completes the middle row: over while the box is open, and after it.
    QString whileOpen;
    dialogs.whileBoxOpen = [&](const QString&) { whileOpen = description(game.cell(9)); };
    game.play({4, 2, 6});
    QCOMPARE(whileOpen, QStringLiteral("X, middle right. Game over."));
    QCOMPARE(description(game.cell(9)), QStringLiteral("X, middle right. Game over."));

    // New Game puts the player on the first cell; the last game's move is not told.
    trigger(game, "mnuFileNGame");
    QCOMPARE(QApplication::focusWidget(), game.cell(1));
    QCOMPARE(description(game.cell(1)), QStringLiteral("Cy to move."));
}

void frmTrellicAccessibilityTest::cellsActAsButtonsAndClickAfterAnswering()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    QVERIFY(QTest::qWaitForWindowActive(game.window()));
    QCOMPARE(offered(game.cell(2)), buttonActions());

    press(game.cell(2));
    QCOMPARE(game.cell(2)->text(), QString()); // the tool has its answer first
    QTRY_COMPARE(game.cell(2)->text(), QStringLiteral("X"));
    QVERIFY(offered(game.cell(2)).isEmpty()); // a played cell offers nothing more

    // A focus request lands on the cell, as on any button.
    focus(game.cell(9));
    QTRY_VERIFY(game.cell(9)->hasFocus());
    QVERIFY(QAccessible::queryAccessibleInterface(game.cell(9))->state().focused);
}

void frmTrellicAccessibilityTest::winningPressAnswersBeforeTheBoxOpens()
{
    ScriptedDialogs dialogs;
    dialogs.answer(QStringLiteral("Ann"));
    GameWindow game(dialogs);
    game.play({1, 4, 2, 5});
    const qsizetype shownBefore = dialogs.shown.size();
    press(game.cell(3));
    QCOMPARE(dialogs.shown.size(), shownBefore);
    QTRY_COMPARE(dialogs.shown.size(), shownBefore + 1);
    QCOMPARE(dialogs.shown.last(), QStringLiteral("box: Ann is the winner!"));
}

void frmTrellicAccessibilityTest::cellsTakeNothingWhileTheWinnerBoxIsOpen()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    QVERIFY(QTest::qWaitForWindowActive(game.window()));
    game.play({5, 1, 3, 2});
    Dialogs::setCurrent(nullptr); // Qt's own box from here on
    const QString turnBefore = game.window()->state().strTurn;

    // The winning press, and one on a free cell right behind it: both wait to click
    // when the first opens the box.
    press(game.cell(7));
    press(game.cell(4));
    QStringList offeredWhileOpen;
    QString boardWhileOpen, turnWhileOpen;
    const QWidget* focusedBefore = nullptr;
    const QWidget* focusedAfter = nullptr;
    int boxesOpen = 0;
    bool closed = false;
    whenModalOpen([&](QWidget* box) {
        offeredWhileOpen = offered(game.cell(6));
        focusedBefore = game.window()->focusWidget();
        press(game.cell(6));
        focus(game.cell(6));
        focus(game.cell(8));
        QCoreApplication::processEvents();
        boardWhileOpen = game.board();
        turnWhileOpen = game.window()->state().strTurn;
        focusedAfter = game.window()->focusWidget();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            boxesOpen += qobject_cast<QMessageBox*>(window) != nullptr && window->isVisible();
        }
        qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
        closed = true;
    });
    QTRY_VERIFY(closed);

    QCOMPARE(offeredWhileOpen, QStringList());
    QCOMPARE(boardWhileOpen, QStringLiteral("OOX / ,X, / X,,"));
    QVERIFY(turnWhileOpen != turnBefore); // X's move was made, and no other
    QVERIFY(focusedAfter != game.cell(6) && focusedAfter != game.cell(8));
    QCOMPARE(focusedAfter, focusedBefore);
    QCOMPARE(boxesOpen, 1);
    QCOMPARE(game.board(), QStringLiteral("OOX / .X. / X.."));

    trigger(game, "mnuFileNGame");
    QCOMPARE(offered(game.cell(4)), buttonActions());
    press(game.cell(4));
    QTRY_VERIFY(!game.cell(4)->text().isEmpty());
}

void frmTrellicAccessibilityTest::cellsTakeNothingWhileAPromptIsOpen()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    QVERIFY(QTest::qWaitForWindowActive(game.window()));
    Dialogs::setCurrent(nullptr);
    QStringList offeredWhileOpen;
    QString boardWhileOpen;
    whenModalOpen([&](QWidget* prompt) {
        offeredWhileOpen = offered(game.cell(1));
        press(game.cell(1));
        QCoreApplication::processEvents();
        boardWhileOpen = game.board();
        QTest::keyClick(prompt, Qt::Key_Escape);
    });
    trigger(game, "mnufileNewPlayerPlayer1");
    QCOMPARE(offeredWhileOpen, QStringList());
    QCOMPARE(boardWhileOpen, QStringLiteral(",,, / ,,, / ,,,"));
    QCOMPARE(offered(game.cell(1)), buttonActions());
}

void frmTrellicAccessibilityTest::messageBoxIsHeardOnceUnderItsTitle()
{
    const QString text = QStringLiteral("<b>Ann</b> is the winner!");
    QString boxName;
    QStringList heard; // every name and description of the box and of what it holds
    QAccessible::Role role = QAccessible::NoRole;
    whenModalOpen([&](QWidget* box) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
        boxName = face->text(QAccessible::Name);
        role = face->role();
        const std::function<void(QAccessibleInterface*)> listen = [&](QAccessibleInterface* node) {
            for (QAccessible::Text kind : {QAccessible::Name, QAccessible::Description}) {
                if (!node->text(kind).isEmpty()) {
                    heard << node->text(kind);
                }
            }
            for (int i = 0; i < node->childCount(); ++i) {
                listen(node->child(i));
            }
        };
        listen(face);
        qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
    });
    QtDialogs().messageBox(text);
    QCOMPARE(boxName, QStringLiteral("Trellic"));
    QCOMPARE(role, QAccessible::AlertMessage);
    QCOMPARE(heard.count(text), 1); // from its label, exactly as written
    QCOMPARE(heard.filter(QStringLiteral("winner")), QStringList({text}));
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
