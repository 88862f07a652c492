#include "frmHelp.h"

#include "GameWindow.h"
#include "ScriptedDialogs.h"
#include "WindowSet.h"
#include "frmTrellic.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWindow>

// How to play, opened from the game's Help menu.
class frmHelpTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheRules();
    void oneWindowBesideAPlayableBoard();
    void okAndTheCloseBoxUnloadIt();
    void openingAndClosingLeavesNothingBehind();
};

namespace {

// A click on a cell delivered as a real one is, so a modal window would block it.
void clickCell(const GameWindow& game, int number)
{
    const QPushButton* cell = game.cell(number);
    QTest::mouseClick(game.window()->windowHandle(), Qt::LeftButton, {},
                      cell->mapTo(game.window(), cell->rect().center()));
}

} // namespace

void frmHelpTest::showsTheRules()
{
    QPixmap appIcon(16, 16);
    appIcon.fill(Qt::red);
    QApplication::setWindowIcon(QIcon(appIcon));
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    game.window()->findChild<QAction*>("mnuHelpHTP")->trigger();
    frmHelp* help = WindowSet::loaded<frmHelp>();
    QVERIFY(help != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(help));

    QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
    QCOMPARE(help->size(), QSize(402, 95));
    QVERIFY(help->parentWidget() == nullptr);
    QCOMPARE(help->windowModality(), Qt::NonModal);
    QVERIFY(!help->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!help->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(help->windowIcon().pixmap(16).toImage().pixelColor(8, 8).alpha(), 0);
    QApplication::setWindowIcon(QIcon());

    const auto* rules = help->findChild<QLabel*>("Label1");
    QCOMPARE(rules->text(), QStringLiteral("Alternate between Player One and Player Two switching "
                                           "boxes to either an X or an O. A player wins when they "
                                           "get 3 X's or O's in a row."));
    const auto* order = help->findChild<QLabel*>("Label2");
    QCOMPARE(order->text(), QStringLiteral("The loosing player will always go first."));
    for (const QLabel* label : {rules, order}) { // wrapped where needed, all in view
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
    }
    auto* ok = help->findChild<QPushButton*>("OKButton");
    QCOMPARE(QApplication::focusWidget(), ok);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    // Enter presses the focused button, as it does any focused button.
    QTest::keyClick(ok, Qt::Key_Return);
    QTRY_VERIFY(WindowSet::loaded<frmHelp>() == nullptr);
}

void frmHelpTest::oneWindowBesideAPlayableBoard()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    QAction* howToPlay = game.window()->findChild<QAction*>("mnuHelpHTP");
    howToPlay->trigger();
    frmHelp* help = WindowSet::loaded<frmHelp>();
    QVERIFY(QTest::qWaitForWindowActive(help));
    howToPlay->trigger();
    QCOMPARE(WindowSet::loaded<frmHelp>(), help);
    int helps = 0;
    for (const QWidget* top : QApplication::topLevelWidgets()) {
        helps += qobject_cast<const frmHelp*>(top) != nullptr ? 1 : 0;
    }
    QCOMPARE(helps, 1);

    clickCell(game, 5);
    clickCell(game, 1);
    QCOMPARE(game.board(), QStringLiteral("O,, / ,X, / ,,,"));
    QVERIFY(help->isVisible());
}

void frmHelpTest::okAndTheCloseBoxUnloadIt()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    for (const bool closeBox : {false, true}) {
        QPointer<frmHelp> help = WindowSet::show<frmHelp>();
        if (closeBox) {
            help->close();
        } else {
            QTest::mouseClick(help->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        }
        QVERIFY(WindowSet::loaded<frmHelp>() == nullptr);
        QTRY_VERIFY(help.isNull());
    }
    QVERIFY(game.window()->isVisible());
    QCOMPARE(GameWindow::endCount(), 0);
}

void frmHelpTest::openingAndClosingLeavesNothingBehind()
{
    WindowSet::setEndHandler([] {});
    const int windows = static_cast<int>(QApplication::topLevelWidgets().size());
    for (int round = 0; round < 1000; ++round) {
        QPointer<frmHelp> help = WindowSet::show<frmHelp>();
        if (round % 2 == 0) {
            QTest::mouseClick(help->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        } else {
            help->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(help.isNull());
    }
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
    QCoreApplication::processEvents();
    WindowSet::setEndHandler({});
}

QTEST_MAIN(frmHelpTest)
#include "frmHelpTest.moc"
