#include "GameWindow.h"
#include "Line.h"
#include "PlatformWindow.h"
#include "ScriptedDialogs.h"
#include "TurnTimer.h"
#include "WindowSet.h"
#include "frmTrellic.h"

#include <QApplication>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

// The game window as laid out, and its start-up with the players' names.
class frmTrellicLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void cellsSitInTheirSquares();
    void gridFramesAndLabelsAreWhereDesigned();
    void menuTreeHasEveryItemAndShortcut();
    void windowSettings();
    void resizingMovesNothing();

    void startUp_data();
    void startUp();
    void promptsComeBeforeTheWindowIsVisible();
    void namesWithMarkupAreShownLiterally();

    void exitAndItsShortcutEndTheProgram();
    void escapeEndsTheProgramFromAnyCell();
};

namespace {

QString menuTree(const QMenu* menu, int depth = 0)
{
    QString tree;
    for (const QAction* item : menu->actions()) {
        tree += QString(depth * 2, QLatin1Char(' '));
        tree += item->isSeparator() ? QStringLiteral("-") : item->text();
        const QString name =
            item->menu() != nullptr ? item->menu()->objectName() : item->objectName();
        tree += QStringLiteral(" [") + name + QLatin1Char(']');
        if (!item->shortcut().isEmpty()) {
            tree += QLatin1Char(' ') + item->shortcut().toString();
        }
        tree += QLatin1Char('\n');
        if (item->menu() != nullptr) {
            tree += menuTree(item->menu(), depth + 1);
        }
    }
    return tree;
}

} // namespace

void frmTrellicLayoutTest::cellsSitInTheirSquares()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    const char* names[] = {"cmdOne", "cmdTwo",   "cmdThree", "cmdFour", "cmdFive",
                           "cmdSix", "cmdSeven", "cmdEight", "cmdNine"};
    const int lefts[] = {8, 104, 200};
    const int tops[] = {8, 96, 184};
    QWidget* previous = nullptr;
    for (int number = 1; number <= 9; ++number) {
        QPushButton* cell = game.cell(number);
        QCOMPARE(cell->objectName(), QString::fromLatin1(names[number - 1]));
        QCOMPARE(cell->geometry(), QRect(lefts[(number - 1) % 3], tops[(number - 1) / 3], 81, 73));
        QCOMPARE(cell->font().pointSize(), 33);
        QCOMPARE(cell->font().weight(), QFont::Normal);
        QVERIFY(cell->text().isEmpty());
        QVERIFY(cell->isEnabled());
        QVERIFY(cell->isVisible());
        if (previous != nullptr) {
            QCOMPARE(previous->nextInFocusChain(), static_cast<QWidget*>(cell));
        }
        previous = cell;
    }
}

void frmTrellicLayoutTest::gridFramesAndLabelsAreWhereDesigned()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    frmTrellic* window = game.window();
    QCOMPARE(window->centralWidget()->size(), QSize(294, 339));

    struct Expected {
        const char* name;
        QPoint from;
        QPoint to;
    };
    for (const Expected& e :
         {Expected{"Line1", {96, 0}, {96, 264}}, Expected{"Line2", {192, 0}, {192, 264}},
          Expected{"Line3", {0, 88}, {288, 88}}, Expected{"Line4", {0, 176}, {288, 176}},
          Expected{"Line5", {8, 40}, {168, 40}}, Expected{"Line6", {8, 40}, {80, 40}}}) {
        const auto* line = window->findChild<Line*>(QString::fromLatin1(e.name));
        QVERIFY2(line != nullptr, e.name);
        QCOMPARE(line->from(), e.from);
        QCOMPARE(line->to(), e.to);
        for (int number = 1; number <= 9; ++number) {
            QVERIFY2(!line->geometry().intersects(game.cell(number)->geometry()) ||
                         line->parentWidget() != game.cell(number)->parentWidget(),
                     e.name);
        }
    }
    QCOMPARE(window->findChild<Line*>("Line1")->color(),
             window->palette().color(QPalette::WindowText));
    QCOMPARE(window->findChild<Line*>("Line5")->color(), PlatformWindow::inactiveTitleBarColor());

    const auto* frmInfo = window->findChild<QGroupBox*>("frmInfo");
    const auto* frm = window->findChild<QGroupBox*>("frm");
    QCOMPARE(frmInfo->geometry(), QRect(8, 264, 177, 73));
    QCOMPARE(frmInfo->title(), QString());
    QCOMPARE(frm->geometry(), QRect(192, 264, 89, 73));
    QCOMPARE(frm->title(), QStringLiteral("Score"));

    QCOMPARE(game.label("lblPlayerOne")->parentWidget(), frmInfo);
    QCOMPARE(game.label("lblPlayerOne")->geometry(), QRect(8, 16, 161, 17));
    QCOMPARE(game.label("lblPlayerTwo")->geometry(), QRect(8, 48, 161, 17));
    QCOMPARE(game.label("lblOneScore")->parentWidget(), frm);
    QCOMPARE(game.label("lblOneScore")->geometry(), QRect(8, 16, 73, 17));
    QCOMPARE(game.label("lblTwoScore")->geometry(), QRect(8, 48, 73, 17));
    for (const char* name : {"lblPlayerOne", "lblPlayerTwo", "lblOneScore", "lblTwoScore"}) {
        QCOMPARE(game.label(name)->textFormat(), Qt::PlainText);
        QCOMPARE(game.label(name)->focusPolicy(), Qt::NoFocus);
    }

    const auto* timer = window->findChild<TurnTimer*>("tmrPlayer");
    QVERIFY(timer != nullptr);
    QCOMPARE(timer->interval(), 1);
    QVERIFY(timer->isEnabled());
}

void frmTrellicLayoutTest::menuTreeHasEveryItemAndShortcut()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    QMenuBar* bar = game.window()->menuBar();
    QString tree;
    for (const QAction* top : bar->actions()) {
        tree +=
            top->text() + QStringLiteral(" [") + top->menu()->objectName() + QStringLiteral("]\n");
        tree += menuTree(top->menu(), 1);
    }
    QCOMPARE(tree, QStringLiteral("File [mnufile]\n"
                                  "  New Game [mnuFileNGame] Ctrl+N\n"
                                  "  New Player [mnufileNewPlayer]\n"
                                  "    Player 1 [mnufileNewPlayerPlayer1]\n"
                                  "    Player2 [mnufileNewPlayerPlayer2]\n"
                                  "    - [mnuSeparator]\n"
                                  "    All [mnufileNewPlayerAll]\n"
                                  "  Clear Score [mnuFileClearScore]\n"
                                  "    Player 1 [mnuFileClearScorePlayer1]\n"
                                  "    Player 2 [mnuFileClearScorePlayer2]\n"
                                  "    - [mnuFileSeparator]\n"
                                  "    All [mnuFileClearScoreAll]\n"
                                  "  Exit [mnuFileExit] Ctrl+X\n"
                                  "Help [mnuHelp]\n"
                                  "  How to play [mnuHelpHTP]\n"
                                  "  - [mnuHelpSeparator]\n"
                                  "  About Trellic [mnuHelpAbout]\n"));
    for (const QAction* item : bar->findChildren<QAction*>()) {
        QVERIFY(item->isEnabled());
        QVERIFY(!item->isChecked());
    }
}

void frmTrellicLayoutTest::windowSettings()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    frmTrellic* window = game.window();
    QCOMPARE(window->windowTitle(), QStringLiteral("Trellic"));
    QVERIFY(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!window->windowIcon().isNull());
    QVERIFY(window->windowIcon().availableSizes().contains(QSize(32, 32)));
}

void frmTrellicLayoutTest::resizingMovesNothing()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    frmTrellic* window = game.window();
    const auto before = window->findChildren<QWidget*>();
    QList<QRect> places;
    for (const QWidget* w : before) {
        if (w->parentWidget() != window) {
            places << w->geometry();
        }
    }
    for (const QSize size : {QSize(600, 700), QSize(120, 90), QSize(294, 400)}) {
        window->resize(size);
        QTest::qWait(0);
        QList<QRect> now;
        for (const QWidget* w : before) {
            if (w->parentWidget() != window) {
                now << w->geometry();
            }
        }
        QCOMPARE(now, places);
    }
}

void frmTrellicLayoutTest::startUp_data()
{
    QTest::addColumn<QStringList>("answers"); // "<cancel>" cancels the prompt
    QTest::addColumn<QString>("inputOne");
    QTest::addColumn<QString>("inputTwo");
    QTest::addColumn<QString>("nameOne");
    QTest::addColumn<QString>("nameTwo");

    QTest::newRow("both cancelled") << QStringList{"<cancel>", "<cancel>"} << ""
                                    << ""
                                    << "Player 1"
                                    << "Player 2";
    QTest::newRow("defaults confirmed") << QStringList{"Player 1", "Player 2"} << "Player 1"
                                        << "Player 2"
                                        << "Player 1"
                                        << "Player 2";
    QTest::newRow("emptied and confirmed") << QStringList{"", ""} << ""
                                           << ""
                                           << "Player 1"
                                           << "Player 2";
    QTest::newRow("three blanks") << QStringList{"   ", "Bo"} << "   "
                                  << "Bo"
                                  << "   "
                                  << "Bo";
    QTest::newRow("second cancelled") << QStringList{"Alice", "<cancel>"} << "Alice"
                                      << ""
                                      << "Alice"
                                      << "Player 2";
}

void frmTrellicLayoutTest::startUp()
{
    QFETCH(QStringList, answers);
    QFETCH(QString, inputOne);
    QFETCH(QString, inputTwo);
    QFETCH(QString, nameOne);
    QFETCH(QString, nameTwo);

    ScriptedDialogs dialogs;
    for (const QString& answer : answers) {
        if (answer == QLatin1String("<cancel>")) {
            dialogs.cancel();
        } else {
            dialogs.answer(answer);
        }
    }
    GameWindow game(dialogs);
    QCOMPARE(dialogs.shown,
             QStringList({"prompt: What is your name Player 1? | Player 1 Name Input | Player 1",
                          "prompt: What is your name Player 2? | Player 2 Name Input | Player 2"}));
    const GameState& state = game.window()->state();
    QCOMPARE(state.strInputOne, inputOne);
    QCOMPARE(state.strInputTwo, inputTwo);
    QCOMPARE(state.strNameOne, nameOne);
    QCOMPARE(state.strNameTwo, nameTwo);
    QCOMPARE(game.label("lblPlayerOne")->text(), nameOne);
    QCOMPARE(game.label("lblPlayerTwo")->text(), nameTwo);
    QCOMPARE(game.label("lblOneScore")->text(), QStringLiteral("0"));
    QCOMPARE(game.label("lblTwoScore")->text(), QStringLiteral("0"));
    QCOMPARE(state.strTurn, QStringLiteral("1"));
    QCOMPARE(state.strWon, QStringLiteral("0"));
    QCOMPARE(game.board(), QStringLiteral(",,, / ,,, / ,,,"));
    QTRY_COMPARE(game.boldNames(), QStringLiteral("1"));
}

void frmTrellicLayoutTest::promptsComeBeforeTheWindowIsVisible()
{
    ScriptedDialogs dialogs;
    QStringList seen;
    dialogs.whilePromptOpen = [&seen](const QString& title) {
        auto* window = qobject_cast<frmTrellic*>(QApplication::topLevelWidgets().value(0));
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* game = qobject_cast<frmTrellic*>(top)) {
                window = game;
            }
        }
        seen << title + (window != nullptr && window->isVisible() ? " visible" : " hidden");
    };
    GameWindow game(dialogs);
    QCOMPARE(seen, QStringList({"Player 1 Name Input hidden", "Player 2 Name Input hidden"}));
    QVERIFY(game.window()->isVisible());
}

void frmTrellicLayoutTest::namesWithMarkupAreShownLiterally()
{
    const QString markup = QStringLiteral("<b>Eve</b> & <i>co</i>");
    ScriptedDialogs dialogs;
    dialogs.answer(markup);
    dialogs.answer(QStringLiteral("<img src=x>"));
    GameWindow game(dialogs);
    QCOMPARE(game.label("lblPlayerOne")->text(), markup);
    QCOMPARE(game.label("lblPlayerOne")->textFormat(), Qt::PlainText);
    game.play({1, 4, 2, 5, 3});
    QCOMPARE(dialogs.shown.last(), QStringLiteral("box: ") + markup + " is the winner!");
}

void frmTrellicLayoutTest::exitAndItsShortcutEndTheProgram()
{
    {
        ScriptedDialogs dialogs;
        GameWindow game(dialogs);
        game.window()->findChild<QAction*>("mnuFileExit")->trigger();
        QCOMPARE(GameWindow::endCount(), 1);
        QVERIFY(WindowSet::loaded<frmTrellic>() == nullptr);
    }
    {
        ScriptedDialogs dialogs;
        GameWindow game(dialogs);
        QVERIFY(QTest::qWaitForWindowActive(game.window()));
        game.cell(5)->setFocus();
        QTest::keyClick(game.cell(5), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(GameWindow::endCount(), 1);
    }
}

void frmTrellicLayoutTest::escapeEndsTheProgramFromAnyCell()
{
    for (const Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier),
          Qt::KeyboardModifiers(Qt::ControlModifier), Qt::KeyboardModifiers(Qt::AltModifier)}) {
        ScriptedDialogs dialogs;
        GameWindow game(dialogs);
        game.cell(7)->setFocus();
        QTest::keyClick(game.cell(7), Qt::Key_Escape, modifiers);
        QCOMPARE(GameWindow::endCount(), 1);
    }
}

QTEST_MAIN(frmTrellicLayoutTest)
#include "frmTrellicLayoutTest.moc"
