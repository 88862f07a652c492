#include "GameWindow.h"
#include "ScriptedDialogs.h"
#include "TurnTimer.h"
#include "WindowSet.h"
#include "frmTrellic.h"

#include <QAction>
#include <QTest>

// Games played through the real window: moves, announcements, scores, openers, the
// File menu's commands, the turn indicator and the keyboard.
class frmTrellicPlayTest : public QObject {
    Q_OBJECT

private slots:
    void firstMoveMarksPassesAndLocks();
    void eachPlayerWinsOnEachKindOfLine_data();
    void eachPlayerWinsOnEachKindOfLine();
    void ninthMoveCompletingOneLineIsAWinOnly();
    void doubleLineScoresTwiceWithTheFirstPointShownDuringTheSecondBox();
    void tieIsAnnouncedAndTheSecondMoverOpensNext();
    void newGameInEachState();
    void newPlayerCommands();
    void clearScoreCommands();
    void commandsWorkOnALockedBoard();

    void turnIndicatorFollowsTheMove();
    void loserIsBoldWhileTheWinnersBoxIsOpen();
    void playerOneIsBoldWhileTheFirstPromptsAreOpen();
    void timerDeliversNoTicksWhenNothingChanged();

    void ctrlNStartsANewGameFromAnyCell();
    void otherKeysLeaveTheGameAlone();
    void spacePlaysTheFocusedCell();

private:
    static void trigger(const GameWindow& game, const char* item)
    {
        game.window()->findChild<QAction*>(QString::fromLatin1(item))->trigger();
    }
    static QString score(const GameWindow& game)
    {
        return game.label("lblOneScore")->text() + QLatin1Char(':') +
               game.label("lblTwoScore")->text();
    }
};

void frmTrellicPlayTest::firstMoveMarksPassesAndLocks()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    game.play({5});
    QCOMPARE(game.board(), QStringLiteral(",,, / ,X, / ,,,"));
    QCOMPARE(game.window()->state().strTurn, QStringLiteral("-2"));
    game.play({5}); // a locked cell takes no click
    game.play({1});
    QCOMPARE(game.board(), QStringLiteral("O,, / ,X, / ,,,"));
    QCOMPARE(game.window()->state().strTurn, QStringLiteral("1"));
    QCOMPARE(dialogs.shown.size(), 2); // the two name prompts only
}

void frmTrellicPlayTest::eachPlayerWinsOnEachKindOfLine_data()
{
    QTest::addColumn<QList<int>>("moves");
    QTest::addColumn<QString>("winner");
    QTest::addColumn<QString>("scores");
    QTest::addColumn<QString>("turnAfter");

    // Player one (X) opens; the last move completes the line.
    QTest::newRow("X row 4-5-6") << QList<int>{4, 1, 5, 2, 6} << "Ann"
                                 << "1:0"
                                 << "-2";
    QTest::newRow("X column 3-6-9") << QList<int>{9, 1, 3, 2, 6} << "Ann"
                                    << "1:0"
                                    << "-2";
    QTest::newRow("X diagonal 1-5-9") << QList<int>{1, 2, 9, 3, 5} << "Ann"
                                      << "1:0"
                                      << "-2";
    QTest::newRow("X diagonal 3-5-7") << QList<int>{7, 1, 3, 2, 5} << "Ann"
                                      << "1:0"
                                      << "-2";
    QTest::newRow("O row 7-8-9") << QList<int>{1, 7, 2, 9, 5, 8} << "Bob"
                                 << "0:1"
                                 << "1";
    QTest::newRow("O column 2-5-8") << QList<int>{1, 2, 3, 8, 4, 5} << "Bob"
                                    << "0:1"
                                    << "1";
    QTest::newRow("O diagonal 1-5-9") << QList<int>{2, 1, 3, 9, 4, 5} << "Bob"
                                      << "0:1"
                                      << "1";
    QTest::newRow("O diagonal 3-5-7") << QList<int>{1, 5, 2, 3, 9, 7} << "Bob"
                                      << "0:1"
                                      << "1";
}

void frmTrellicPlayTest::eachPlayerWinsOnEachKindOfLine()
{
    QFETCH(QList<int>, moves);
    QFETCH(QString, winner);
    QFETCH(QString, scores);
    QFETCH(QString, turnAfter);

    ScriptedDialogs dialogs;
    dialogs.answer(QStringLiteral("Ann"));
    dialogs.answer(QStringLiteral("Bob"));
    GameWindow game(dialogs);
    for (int move : moves) {
        game.play({move});
    }
    QCOMPARE(dialogs.shown.mid(2),
             QStringList{QStringLiteral("box: ") + winner + " is the winner!"});
    QVERIFY(!game.board().contains(QLatin1Char(','))); // every free cell locked too
    QCOMPARE(score(game), scores);
    QCOMPARE(game.window()->state().strWon, QStringLiteral("1"));
    QCOMPARE(game.window()->state().strTurn, turnAfter);
    QVERIFY(!game.window()->findChild<TurnTimer*>("tmrPlayer")->isEnabled());
    QCoreApplication::processEvents();
    QCOMPARE(game.boldNames(), QString());
}

void frmTrellicPlayTest::ninthMoveCompletingOneLineIsAWinOnly()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    game.play({1, 2, 3, 4, 5, 6, 8, 7, 9}); // the last X completes 1-5-9 only
    QCOMPARE(game.board(), QStringLiteral("XOX / OXO / OXX"));
    QCOMPARE(dialogs.shown.mid(2), QStringList{"box: Player 1 is the winner!"});
    QCOMPARE(score(game), QStringLiteral("1:0"));
}

void frmTrellicPlayTest::doubleLineScoresTwiceWithTheFirstPointShownDuringTheSecondBox()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    QStringList scoresWhileOpen;
    dialogs.whileBoxOpen = [&](const QString&) { scoresWhileOpen << score(game); };
    // X in 2, 5, 7, 9 and O in 1, 3, 4, 6; then X in 8 completes 7-8-9 and 2-5-8.
    game.play({2, 1, 5, 3, 7, 4, 9, 6, 8});
    QCOMPARE(dialogs.shown.mid(2),
             QStringList({"box: Player 1 is the winner!", "box: Player 1 is the winner!"}));
    QCOMPARE(scoresWhileOpen, QStringList({"0:0", "1:0"}));
    QCOMPARE(score(game), QStringLiteral("2:0"));
    QCOMPARE(game.window()->state().strWon, QStringLiteral("1"));
}

void frmTrellicPlayTest::tieIsAnnouncedAndTheSecondMoverOpensNext()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    game.play({1, 2, 3, 5, 4, 6, 8, 7, 9});
    QCOMPARE(game.board(), QStringLiteral("XOX / XOO / OXX"));
    QCOMPARE(dialogs.shown.mid(2), QStringList{"box: There is no winner, the game is a tie!"});
    QCOMPARE(score(game), QStringLiteral("0:0"));
    QCOMPARE(game.window()->state().strWon, QStringLiteral("0"));
    QCoreApplication::processEvents();
    QCOMPARE(game.boldNames(), QString());

    trigger(game, "mnuFileNGame");
    QTRY_COMPARE(game.boldNames(), QStringLiteral("2"));
    game.play({5});
    QCOMPARE(game.board(), QStringLiteral(",,, / ,O, / ,,,"));

    // That game, opened by player two, ends in a tie too: player one opens the next.
    game.play({1, 9, 2, 3, 7, 4, 6, 8});
    QCOMPARE(dialogs.shown.size(), 4);
    trigger(game, "mnuFileNGame");
    game.play({5});
    QCOMPARE(game.cell(5)->text(), QStringLiteral("X"));
}

void frmTrellicPlayTest::newGameInEachState()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);

    // Mid-game: the board clears, the same player is still to move, no score changes.
    game.play({1, 2, 3});
    trigger(game, "mnuFileNGame");
    QCOMPARE(game.board(), QStringLiteral(",,, / ,,, / ,,,"));
    QCOMPARE(game.window()->state().strTurn, QStringLiteral("-2"));
    QCOMPARE(score(game), QStringLiteral("0:0"));
    QTRY_COMPARE(game.boldNames(), QStringLiteral("2"));

    // Twice in a row changes nothing the second time.
    trigger(game, "mnuFileNGame");
    QCOMPARE(game.board(), QStringLiteral(",,, / ,,, / ,,,"));
    QCOMPARE(game.window()->state().strTurn, QStringLiteral("-2"));

    // Player two, who opened, wins: player one opens the next game with X.
    game.play({1, 4, 2, 5, 3});
    QCOMPARE(score(game), QStringLiteral("0:1"));
    trigger(game, "mnuFileNGame");
    QCOMPARE(game.window()->state().strWon, QStringLiteral("0"));
    QTRY_COMPARE(game.boldNames(), QStringLiteral("1"));
    game.play({5});
    QCOMPARE(game.cell(5)->text(), QStringLiteral("X"));

    // Player one wins: player two opens with O.
    game.play({1, 4, 2, 6});
    QCOMPARE(score(game), QStringLiteral("1:1"));
    trigger(game, "mnuFileNGame");
    QTRY_COMPARE(game.boldNames(), QStringLiteral("2"));
    game.play({5});
    QCOMPARE(game.cell(5)->text(), QStringLiteral("O"));
}

void frmTrellicPlayTest::newPlayerCommands()
{
    ScriptedDialogs dialogs;
    dialogs.answer(QStringLiteral("Ann"));
    dialogs.answer(QStringLiteral("Bob"));
    GameWindow game(dialogs);
    game.play({1, 2});

    // Player 1 mid-game: only player one's name changes; the game goes on.
    dialogs.answer(QStringLiteral("Cy"));
    trigger(game, "mnufileNewPlayerPlayer1");
    QCOMPARE(
        dialogs.shown.last(),
        QStringLiteral("prompt: What is your name Player 1? | Player 1 Name Input | Player 1"));
    QCOMPARE(game.label("lblPlayerOne")->text(), QStringLiteral("Cy"));
    QCOMPARE(game.label("lblPlayerTwo")->text(), QStringLiteral("Bob"));
    QCOMPARE(game.board(), QStringLiteral("XO, / ,,, / ,,,"));
    QCOMPARE(game.window()->state().strTurn, QStringLiteral("1"));
    game.play({4, 3, 7});
    QCOMPARE(dialogs.shown.last(), QStringLiteral("box: Cy is the winner!"));

    // A cancelled prompt puts the default name back.
    dialogs.cancel();
    trigger(game, "mnufileNewPlayerPlayer2");
    QCOMPARE(
        dialogs.shown.last(),
        QStringLiteral("prompt: What is your name Player 2? | Player 2 Name Input | Player 2"));
    QCOMPARE(game.label("lblPlayerTwo")->text(), QStringLiteral("Player 2"));
    QCOMPARE(game.window()->state().strNameTwo, QStringLiteral("Player 2"));
    QCOMPARE(game.window()->state().strInputTwo, QString());

    // All: player one first; the first cancelled, a name typed in the second.
    const int before = dialogs.shown.size();
    dialogs.cancel();
    dialogs.answer(QStringLiteral("  Dee  "));
    trigger(game, "mnufileNewPlayerAll");
    QCOMPARE(dialogs.shown.mid(before),
             QStringList({"prompt: What is your name Player 1? | Player 1 Name Input | Player 1",
                          "prompt: What is your name Player 2? | Player 2 Name Input | Player 2"}));
    QCOMPARE(game.label("lblPlayerOne")->text(), QStringLiteral("Player 1"));
    QCOMPARE(game.label("lblPlayerTwo")->text(), QStringLiteral("  Dee  "));
    QCOMPARE(score(game), QStringLiteral("1:0"));
}

void frmTrellicPlayTest::clearScoreCommands()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    game.play({1, 4, 2, 5, 3}); // one to player one
    trigger(game, "mnuFileNGame");
    game.play({1, 4, 2, 5, 9, 6}); // one to player two
    trigger(game, "mnuFileNGame");
    game.play({1, 4, 2, 5, 3});
    QCOMPARE(score(game), QStringLiteral("2:1"));

    trigger(game, "mnuFileClearScorePlayer2");
    QCOMPARE(score(game), QStringLiteral("2:0"));
    trigger(game, "mnuFileClearScorePlayer1");
    QCOMPARE(score(game), QStringLiteral("0:0"));

    trigger(game, "mnuFileNGame");
    game.play({1, 4, 2, 5, 9, 6});
    trigger(game, "mnuFileNGame");
    game.play({7});
    trigger(game, "mnuFileClearScoreAll");
    QCOMPARE(score(game), QStringLiteral("0:0"));
    QCOMPARE(game.window()->state().strScoreOne, QStringLiteral("0"));
    QCOMPARE(game.board(), QStringLiteral(",,, / ,,, / X,,"));
    QCOMPARE(game.label("lblPlayerOne")->text(), QStringLiteral("Player 1"));
}

void frmTrellicPlayTest::commandsWorkOnALockedBoard()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    game.play({1, 4, 2, 5, 3});
    const QString locked = game.board();
    trigger(game, "mnuFileClearScoreAll");
    dialogs.answer(QStringLiteral("Zed"));
    trigger(game, "mnufileNewPlayerPlayer1");
    QCOMPARE(game.board(), locked);
    QCoreApplication::processEvents();
    QCOMPARE(game.boldNames(), QString()); // the turn indicator stays off until New Game
    QCOMPARE(game.label("lblPlayerOne")->text(), QStringLiteral("Zed"));
}

void frmTrellicPlayTest::turnIndicatorFollowsTheMove()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    QTRY_COMPARE(game.boldNames(), QStringLiteral("1"));
    // The tick is queued by the move and runs at the event loop's next pass.
    game.play({5});
    QCOMPARE(game.boldNames(), QStringLiteral("1"));
    QCoreApplication::processEvents();
    QCOMPARE(game.boldNames(), QStringLiteral("2"));
    game.play({1});
    QCoreApplication::processEvents();
    QCOMPARE(game.boldNames(), QStringLiteral("1"));
    // Only the weight changes.
    QCOMPARE(game.label("lblPlayerOne")->font().pointSize(),
             game.label("lblPlayerTwo")->font().pointSize());
    QVERIFY(game.label("lblPlayerOne")->styleSheet().isEmpty());
}

void frmTrellicPlayTest::loserIsBoldWhileTheWinnersBoxIsOpen()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    QStringList boldWhileOpen;
    dialogs.whileBoxOpen = [&](const QString&) {
        // A real box runs an event loop, in which the queued tick is delivered.
        QCoreApplication::processEvents();
        boldWhileOpen << game.boldNames();
    };
    game.play({1, 4, 2, 5, 3});
    QCOMPARE(boldWhileOpen, QStringList{"2"});
    QCoreApplication::processEvents();
    QCOMPARE(game.boldNames(), QString());
}

void frmTrellicPlayTest::playerOneIsBoldWhileTheFirstPromptsAreOpen()
{
    ScriptedDialogs dialogs;
    QStringList boldWhileOpen;
    dialogs.whilePromptOpen = [&](const QString&) {
        QCoreApplication::processEvents();
        auto* window = WindowSet::loaded<frmTrellic>();
        boldWhileOpen << QString::number(
            window->findChild<QLabel*>(QStringLiteral("lblPlayerOne"))->font().bold());
    };
    GameWindow game(dialogs);
    QCOMPARE(boldWhileOpen, QStringList({"1", "1"}));
}

void frmTrellicPlayTest::timerDeliversNoTicksWhenNothingChanged()
{
    TurnTimer timer;
    timer.setInterval(1);
    int ticks = 0;
    QObject::connect(&timer, &TurnTimer::timeout, [&ticks] { ++ticks; });
    timer.setEnabled(true);
    QCOMPARE(ticks, 0); // never a direct call
    QCoreApplication::processEvents();
    QCOMPARE(ticks, 1);
    QTest::qWait(20);
    QCOMPARE(ticks, 1);

    timer.changed();
    timer.changed(); // changes before the tick share it
    QCoreApplication::processEvents();
    QCOMPARE(ticks, 2);

    timer.changed();
    timer.setEnabled(false); // a disabled timer delivers nothing, even a queued tick
    QCoreApplication::processEvents();
    timer.changed();
    QCoreApplication::processEvents();
    QCOMPARE(ticks, 2);
    QCOMPARE(timer.interval(), 1);
}

void frmTrellicPlayTest::ctrlNStartsANewGameFromAnyCell()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    QVERIFY(QTest::qWaitForWindowActive(game.window()));
    game.play({1, 2});
    game.cell(9)->setFocus();
    QTest::keyClick(game.cell(9), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(game.board(), QStringLiteral(",,, / ,,, / ,,,"));
}

void frmTrellicPlayTest::otherKeysLeaveTheGameAlone()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    QVERIFY(QTest::qWaitForWindowActive(game.window()));
    game.play({1});
    const QString before = game.board();
    game.cell(5)->setFocus();
    for (const Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier),
          Qt::KeyboardModifiers(Qt::ControlModifier), Qt::KeyboardModifiers(Qt::AltModifier)}) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_A, Qt::Key_1, Qt::Key_F1,
                                  Qt::Key_Left, Qt::Key_Delete, Qt::Key_Backspace}) {
            QWidget* focused = QApplication::focusWidget();
            QTest::keyClick(focused != nullptr ? focused : game.window(), key, modifiers);
        }
    }
    QCOMPARE(game.board(), before);
    QCOMPARE(game.window()->state().strTurn, QStringLiteral("-2"));
    QCOMPARE(dialogs.shown.size(), 2);
    QCOMPARE(GameWindow::endCount(), 0);
}

void frmTrellicPlayTest::spacePlaysTheFocusedCell()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    game.cell(3)->setFocus();
    QTest::keyClick(game.cell(3), Qt::Key_Space);
    QCOMPARE(game.cell(3)->text(), QStringLiteral("X"));
}

QTEST_MAIN(frmTrellicPlayTest)
#include "frmTrellicPlayTest.moc"
