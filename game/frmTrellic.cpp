#include "frmTrellic.h"

#include "AccessibleCaption.h"
#include "AppInfo.h"
#include "Conversions.h"
#include "Dialogs.h"
#include "KeyPreview.h"
#include "Line.h"
#include "PlatformWindow.h"
#include "Rules.h"
#include "TurnTimer.h"
#include "Twips.h"
#include "WindowLook.h"
#include "WindowSet.h"
#include "frmAbout.h"
#include "frmHelp.h"

#include <QAccessible>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

namespace {

// Whole numbers and scores are kept as text; these read and write them.
double numberOf(const QString& text)
{
    return Conversions::textToDouble(text.toStdString());
}

QString text(double value)
{
    return QString::fromStdString(Conversions::doubleToText(value));
}

QString wholeText(std::int64_t value)
{
    return QString::fromStdString(Conversions::intToText(value));
}

// A score reset: 0 as text, read back as a number and written back as text.
QString zeroScore()
{
    return text(numberOf(wholeText(0)));
}

void setBold(QLabel* label, bool bold)
{
    if (label->font().bold() != bold) {
        QFont font = label->font();
        font.setBold(bold);
        label->setFont(font);
        // A screen reader hears whose move it is, not only sees it.
        QAccessibleEvent changed(label, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

QFont cellFont()
{
    QFont font = WindowLook::designedFont(QStringLiteral("MS Sans Serif"), 33);
    font.setWeight(QFont::Normal);
    return font;
}

// The name and score labels keep a name too long for them on one line.
const LabelStyle NameOrScore{.wordWrap = false, .fillBackground = true};

// The name prompts, and the name a player without one gets.
struct NamePrompt {
    const char* prompt;
    const char* title;
    const char* defaultName;
};
constexpr NamePrompt NamePrompts[] = {
    {QT_TRANSLATE_NOOP("frmTrellic", "What is your name Player 1?"),
     QT_TRANSLATE_NOOP("frmTrellic", "Player 1 Name Input"),
     QT_TRANSLATE_NOOP("frmTrellic", "Player 1")},
    {QT_TRANSLATE_NOOP("frmTrellic", "What is your name Player 2?"),
     QT_TRANSLATE_NOOP("frmTrellic", "Player 2 Name Input"),
     QT_TRANSLATE_NOOP("frmTrellic", "Player 2")},
};

constexpr int EscapeKeyCode = 27;

// Where each cell is, as a screen reader says it: as a cell's name, and within the news
// of a move.
constexpr const char* Places[] = {QT_TRANSLATE_NOOP("frmTrellic", "Top left"),
                                  QT_TRANSLATE_NOOP("frmTrellic", "Top middle"),
                                  QT_TRANSLATE_NOOP("frmTrellic", "Top right"),
                                  QT_TRANSLATE_NOOP("frmTrellic", "Middle left"),
                                  QT_TRANSLATE_NOOP("frmTrellic", "Centre"),
                                  QT_TRANSLATE_NOOP("frmTrellic", "Middle right"),
                                  QT_TRANSLATE_NOOP("frmTrellic", "Bottom left"),
                                  QT_TRANSLATE_NOOP("frmTrellic", "Bottom middle"),
                                  QT_TRANSLATE_NOOP("frmTrellic", "Bottom right")};
constexpr const char* PlacesInNews[] = {QT_TRANSLATE_NOOP("frmTrellic", "top left"),
                                        QT_TRANSLATE_NOOP("frmTrellic", "top middle"),
                                        QT_TRANSLATE_NOOP("frmTrellic", "top right"),
                                        QT_TRANSLATE_NOOP("frmTrellic", "middle left"),
                                        QT_TRANSLATE_NOOP("frmTrellic", "centre"),
                                        QT_TRANSLATE_NOOP("frmTrellic", "middle right"),
                                        QT_TRANSLATE_NOOP("frmTrellic", "bottom left"),
                                        QT_TRANSLATE_NOOP("frmTrellic", "bottom middle"),
                                        QT_TRANSLATE_NOOP("frmTrellic", "bottom right")};

// Where on the screen the cell at `index` in the board's order stands: a window laid out
// from right to left shows each row's cells from the right.
int placeOf(int index, bool rightToLeft)
{
    const int column = index % 3;
    return index - column + (rightToLeft ? 2 - column : column);
}

} // namespace

frmTrellic::frmTrellic()
{
    setObjectName(QStringLiteral("frmTrellic"));
    setWindowTitle(QString::fromUtf8(AppInfo::Title));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    // The program's icon; the same art at twice the size keeps it crisp at scale 2.
    QIcon icon(QStringLiteral(":/trellic.ico"));
    icon.addFile(QStringLiteral(":/icons/trellic-64.png"));
    setWindowIcon(icon);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    // Key preview: the window sees a cell's key presses before the cell does.
    auto* preview = new KeyPreview(this, [this](const QKeyEvent& key) { return previewKey(key); });
    createBoard();
    for (QPushButton* c : cells) {
        preview->watch(c);
    }
    createFrames();
    createMenus();

    // The client area is the designed one below the menu bar, at the height the window's
    // layout gives the bar for that width (on Windows a pixel more than the bar's hint).
    const int width = Twips::toPixels(4410);
    resize(width, menuBar()->heightForWidth(width) + Twips::toPixels(5085));
}

void frmTrellic::createBoard()
{
    QWidget* client = centralWidget();
    static constexpr const char* Names[] = {"cmdOne", "cmdTwo",   "cmdThree", "cmdFour", "cmdFive",
                                            "cmdSix", "cmdSeven", "cmdEight", "cmdNine"};
    const QFont font = cellFont();
    for (int index = 0; index < LineTable::CellCount; ++index) {
        auto* cell = new QPushButton(client);
        cell->setObjectName(QString::fromLatin1(Names[index]));
        cell->setFont(font);
        cell->setGeometry(
            Twips::rect(120 + 1440 * (index % 3), 120 + 1320 * (index / 3), 1215, 1095));
        AccessibleCaption::describeCell(cell, tr(Places[placeOf(index, isRightToLeft())]),
                                        [this] { return news(); });
        cells[static_cast<std::size_t>(index)] = cell;
    }
    cmdOne = cells[0];
    cmdTwo = cells[1];
    cmdThree = cells[2];
    cmdFour = cells[3];
    cmdFive = cells[4];
    cmdSix = cells[5];
    cmdSeven = cells[6];
    cmdEight = cells[7];
    cmdNine = cells[8];
    connect(cmdOne, &QPushButton::clicked, this, &frmTrellic::cmdOne_Click);
    connect(cmdTwo, &QPushButton::clicked, this, &frmTrellic::cmdTwo_Click);
    connect(cmdThree, &QPushButton::clicked, this, &frmTrellic::cmdThree_Click);
    connect(cmdFour, &QPushButton::clicked, this, &frmTrellic::cmdFour_Click);
    connect(cmdFive, &QPushButton::clicked, this, &frmTrellic::cmdFive_Click);
    connect(cmdSix, &QPushButton::clicked, this, &frmTrellic::cmdSix_Click);
    connect(cmdSeven, &QPushButton::clicked, this, &frmTrellic::cmdSeven_Click);
    connect(cmdEight, &QPushButton::clicked, this, &frmTrellic::cmdEight_Click);
    connect(cmdNine, &QPushButton::clicked, this, &frmTrellic::cmdNine_Click);

    Line1 = new Line(client, Twips::point(1440, 0), Twips::point(1440, 3960));
    Line2 = new Line(client, Twips::point(2880, 0), Twips::point(2880, 3960));
    Line3 = new Line(client, Twips::point(0, 1320), Twips::point(4320, 1320));
    Line4 = new Line(client, Twips::point(0, 2640), Twips::point(4320, 2640));
    Line1->setObjectName(QStringLiteral("Line1"));
    Line2->setObjectName(QStringLiteral("Line2"));
    Line3->setObjectName(QStringLiteral("Line3"));
    Line4->setObjectName(QStringLiteral("Line4"));
}

void frmTrellic::createFrames()
{
    QWidget* client = centralWidget();

    frmInfo = new QGroupBox(client);
    frmInfo->setObjectName(QStringLiteral("frmInfo"));
    frmInfo->setGeometry(Twips::rect(120, 3960, 2655, 1095));
    lblPlayerOne = WindowLook::label(frmInfo, "lblPlayerOne", {}, Twips::rect(120, 240, 2415, 255),
                                     NameOrScore);
    lblPlayerTwo = WindowLook::label(frmInfo, "lblPlayerTwo", {}, Twips::rect(120, 720, 2415, 255),
                                     NameOrScore);
    //: What a screen reader says for the label with player one's name (%1)
    AccessibleCaption::describeLabel(lblPlayerOne, tr("Player one: %1"), true);
    //: What a screen reader says for the label with player two's name (%1)
    AccessibleCaption::describeLabel(lblPlayerTwo, tr("Player two: %1"), true);
    Line5 = new Line(frmInfo, Twips::point(120, 600), Twips::point(2520, 600));
    Line5->setObjectName(QStringLiteral("Line5"));
    Line5->setColor(PlatformWindow::inactiveTitleBarColor());

    tmrPlayer = new TurnTimer(frmInfo);
    tmrPlayer->setObjectName(QStringLiteral("tmrPlayer"));
    tmrPlayer->setInterval(1);
    connect(tmrPlayer, &TurnTimer::timeout, this, &frmTrellic::tmrPlayer_Timer);
    tmrPlayer->setEnabled(true);

    frm = new QGroupBox(tr("Score"), client);
    frm->setObjectName(QStringLiteral("frm"));
    frm->setGeometry(Twips::rect(2880, 3960, 1335, 1095));
    lblOneScore =
        WindowLook::label(frm, "lblOneScore", {}, Twips::rect(120, 240, 1095, 255), NameOrScore);
    lblTwoScore =
        WindowLook::label(frm, "lblTwoScore", {}, Twips::rect(120, 720, 1095, 255), NameOrScore);
    AccessibleCaption::describeLabel(lblOneScore, tr("Player one's score: %1"));
    AccessibleCaption::describeLabel(lblTwoScore, tr("Player two's score: %1"));
    Line6 = new Line(frm, Twips::point(120, 600), Twips::point(1200, 600));
    Line6->setObjectName(QStringLiteral("Line6"));
    Line6->setColor(PlatformWindow::inactiveTitleBarColor());
}

void frmTrellic::createMenus()
{
    auto addMenu = [](QMenu* menu, const char* name) {
        menu->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    auto addItem = [this](QMenu* menu, const QString& caption, const char* name,
                          void (frmTrellic::*handler)()) {
        QAction* item = menu->addAction(caption);
        item->setObjectName(QString::fromLatin1(name));
        connect(item, &QAction::triggered, this, handler);
        return item;
    };
    auto addSeparator = [](QMenu* menu, const char* name) {
        QAction* separator = menu->addSeparator();
        separator->setObjectName(QString::fromLatin1(name));
        return separator;
    };

    mnufile = addMenu(menuBar()->addMenu(tr("File")), "mnufile");
    mnuFileNGame =
        addItem(mnufile, tr("New Game"), "mnuFileNGame", &frmTrellic::mnuFileNGame_Click);
    mnuFileNGame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));

    mnufileNewPlayer = addMenu(mnufile->addMenu(tr("New Player")), "mnufileNewPlayer");
    mnufileNewPlayerPlayer1 = addItem(mnufileNewPlayer, tr("Player 1"), "mnufileNewPlayerPlayer1",
                                      &frmTrellic::mnufileNewPlayerPlayer1_Click);
    mnufileNewPlayerPlayer2 = addItem(mnufileNewPlayer, tr("Player2"), "mnufileNewPlayerPlayer2",
                                      &frmTrellic::mnufileNewPlayerPlayer2_Click);
    mnuSeparator = addSeparator(mnufileNewPlayer, "mnuSeparator");
    mnufileNewPlayerAll = addItem(mnufileNewPlayer, tr("All"), "mnufileNewPlayerAll",
                                  &frmTrellic::mnufileNewPlayerAll_Click);

    mnuFileClearScore = addMenu(mnufile->addMenu(tr("Clear Score")), "mnuFileClearScore");
    mnuFileClearScorePlayer1 =
        addItem(mnuFileClearScore, tr("Player 1"), "mnuFileClearScorePlayer1",
                &frmTrellic::mnuFileClearScorePlayer1_Click);
    mnuFileClearScorePlayer2 =
        addItem(mnuFileClearScore, tr("Player 2"), "mnuFileClearScorePlayer2",
                &frmTrellic::mnuFileClearScorePlayer2_Click);
    mnuFileSeparator = addSeparator(mnuFileClearScore, "mnuFileSeparator");
    mnuFileClearScoreAll = addItem(mnuFileClearScore, tr("All"), "mnuFileClearScoreAll",
                                   &frmTrellic::mnuFileClearScoreAll_Click);

    mnuFileExit = addItem(mnufile, tr("Exit"), "mnuFileExit", &frmTrellic::mnuFileExit_Click);
    mnuFileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));

    mnuHelp = addMenu(menuBar()->addMenu(tr("Help")), "mnuHelp");
    mnuHelpHTP = addItem(mnuHelp, tr("How to play"), "mnuHelpHTP", &frmTrellic::mnuHelpHTP_Click);
    mnuHelpSeparator = addSeparator(mnuHelp, "mnuHelpSeparator");
    mnuHelpAbout =
        addItem(mnuHelp, tr("About Trellic"), "mnuHelpAbout", &frmTrellic::mnuHelpAbout_Click);
}

QPushButton* frmTrellic::cell(int number) const
{
    if (number < 1 || number > LineTable::CellCount) {
        return nullptr;
    }
    return cells[static_cast<std::size_t>(number - 1)];
}

void frmTrellic::Form_Load()
{
    game.strWon = wholeText(0);
    game.strTurn = wholeText(1); // player one opens the first game
    game.strScoreOne = zeroScore();
    game.strScoreTwo = zeroScore();
    showScore(1);
    showScore(2);

    askBothNames();
}

void frmTrellic::askName(int player)
{
    const NamePrompt& asked = NamePrompts[player - 1];
    const QString answer =
        Dialogs::current().inputBox(tr(asked.prompt), tr(asked.title), tr(asked.defaultName));
    if (player == 1) {
        game.strInputOne = answer;
        lblPlayerOne->setText(game.strInputOne);
    } else {
        game.strInputTwo = answer;
        lblPlayerTwo->setText(game.strInputTwo);
    }
}

void frmTrellic::showDefaultNameIfEmpty(int player)
{
    QLabel* label = player == 1 ? lblPlayerOne : lblPlayerTwo;
    if (label->text().isEmpty()) {
        label->setText(tr(NamePrompts[player - 1].defaultName));
    }
}

void frmTrellic::askBothNames()
{
    // Both prompts come before either empty answer is replaced.
    askName(1);
    askName(2);
    showDefaultNameIfEmpty(1);
    showDefaultNameIfEmpty(2);
    game.strNameOne = lblPlayerOne->text();
    game.strNameTwo = lblPlayerTwo->text();
}

void frmTrellic::showScore(int player)
{
    if (player == 1) {
        lblOneScore->setText(game.strScoreOne);
    } else {
        lblTwoScore->setText(game.strScoreTwo);
    }
}

void frmTrellic::cmdOne_Click()
{
    playCell(1);
}

void frmTrellic::cmdTwo_Click()
{
    playCell(2);
}

void frmTrellic::cmdThree_Click()
{
    playCell(3);
}

void frmTrellic::cmdFour_Click()
{
    playCell(4);
}

void frmTrellic::cmdFive_Click()
{
    playCell(5);
}

void frmTrellic::cmdSix_Click()
{
    playCell(6);
}

void frmTrellic::cmdSeven_Click()
{
    playCell(7);
}

void frmTrellic::cmdEight_Click()
{
    playCell(8);
}

void frmTrellic::cmdNine_Click()
{
    playCell(9);
}

void frmTrellic::playCell(int number)
{
    lastPlayed = number;
    QPushButton* clicked = cell(number);
    clicked->setText(game.strTurn == QLatin1String("1") ? QStringLiteral("X")
                                                        : QStringLiteral("O"));
    game.strTurn = wholeText(~Conversions::textToInt32(game.strTurn.toStdString()));
    tmrPlayer->changed();
    clicked->setEnabled(false);

    // Every complete line through the cell is announced and scored, X lines first. The
    // announcements change no caption, so the board read once per mark stays true.
    for (const int player : {1, 2}) {
        const char* mark = player == 1 ? "X" : "O";
        for ([[maybe_unused]] const LineTable::Line& line :
             Rules::completeLines(board(), number, mark)) {
            winProcedure(player);
        }
    }

    const bool boardFull = noCellEnabled();
    if (boardFull && numberOf(game.strWon) == 0) {
        tieProcedure();
    }
}

QString frmTrellic::news() const
{
    QString news;
    const QPushButton* last = cell(lastPlayed);
    if (last == nullptr || last->text().isEmpty()) {
        last = nullptr; // nothing played yet in this game
    } else {
        //: The news of a move: the mark (X or O), then where it was placed
        news = tr("%1, %2. ")
                   .arg(last->text(), tr(PlacesInNews[placeOf(lastPlayed - 1, isRightToLeft())]));
    }
    const bool lineComplete =
        last != nullptr &&
        !Rules::completeLines(board(), lastPlayed, last->text().toStdString()).empty();
    const bool boardLocked = noCellEnabled();
    if (lineComplete || boardLocked) {
        return news + tr("Game over.");
    }
    const QString& toMove = game.strTurn == QLatin1String("1") ? game.strNameOne : game.strNameTwo;
    //: %1 is the name of the player to move
    return news + tr("%1 to move.").arg(toMove);
}

bool frmTrellic::noCellEnabled() const
{
    return std::none_of(cells.begin(), cells.end(),
                        [](const QPushButton* c) { return c->isEnabled(); });
}

Rules::Board frmTrellic::board() const
{
    Rules::Board captions;
    std::transform(cells.begin(), cells.end(), captions.begin(),
                   [](const QPushButton* c) { return c->text().toStdString(); });
    return captions;
}

void frmTrellic::winProcedure(int player)
{
    const QString& name = player == 1 ? game.strNameOne : game.strNameTwo;
    //: %1 is the winner's name, exactly as typed
    Dialogs::current().messageBox(tr("%1 is the winner!").arg(name));

    for (QPushButton* c : cells) {
        c->setEnabled(false);
    }
    tmrPlayer->setEnabled(false);
    setBold(lblPlayerOne, false);
    setBold(lblPlayerTwo, false);
    QString& score = player == 1 ? game.strScoreOne : game.strScoreTwo;
    score = text(numberOf(score) + 1);
    showScore(1);
    showScore(2);
    game.strWon = wholeText(1);
}

void frmTrellic::tieProcedure()
{
    Dialogs::current().messageBox(tr("There is no winner, the game is a tie!"));
    tmrPlayer->setEnabled(false);
    setBold(lblPlayerOne, false);
    setBold(lblPlayerTwo, false);
}

void frmTrellic::mnuFileNGame_Click()
{
    tmrPlayer->setEnabled(true);
    for (QPushButton* c : cells) {
        c->setText(QString());
    }
    for (QPushButton* c : cells) {
        c->setEnabled(true);
    }
    game.strWon = wholeText(0);
    showScore(1);
    showScore(2);
    // A screen reader then says where the player is and whose move it is.
    if (isActiveWindow()) {
        cmdOne->setFocus(Qt::OtherFocusReason);
    }
}

void frmTrellic::mnufileNewPlayerPlayer1_Click()
{
    askName(1);
    showDefaultNameIfEmpty(1);
    game.strNameOne = lblPlayerOne->text();
}

void frmTrellic::mnufileNewPlayerPlayer2_Click()
{
    askName(2);
    showDefaultNameIfEmpty(2);
    game.strNameTwo = lblPlayerTwo->text();
}

void frmTrellic::mnufileNewPlayerAll_Click()
{
    askBothNames();
}

void frmTrellic::mnuFileClearScorePlayer1_Click()
{
    game.strScoreOne = zeroScore();
    showScore(1);
}

void frmTrellic::mnuFileClearScorePlayer2_Click()
{
    game.strScoreTwo = zeroScore();
    showScore(2);
}

void frmTrellic::mnuFileClearScoreAll_Click()
{
    game.strScoreTwo = zeroScore();
    game.strScoreOne = zeroScore();
    showScore(2);
    showScore(1);
}

void frmTrellic::mnuFileExit_Click()
{
    WindowSet::end();
}

void frmTrellic::mnuHelpHTP_Click()
{
    WindowSet::show<frmHelp>();
}

void frmTrellic::mnuHelpAbout_Click()
{
    WindowSet::show<frmAbout>();
}

void frmTrellic::tmrPlayer_Timer()
{
    setBold(lblPlayerOne, numberOf(game.strTurn) == 1);
    setBold(lblPlayerTwo, numberOf(game.strTurn) != 1);
}

void frmTrellic::Form_KeyDown(int keyCode, int shift)
{
    Q_UNUSED(shift); // Escape ends the program whatever modifiers are held
    if (keyCode == EscapeKeyCode) {
        WindowSet::end();
    }
}

bool frmTrellic::previewKey(const QKeyEvent& event)
{
    if (event.key() != Qt::Key_Escape) {
        return false; // left to the control and the window as usual
    }
    // The shift state as key handlers know it: Shift 1, Ctrl 2, Alt 4.
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const int shift = (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
                      (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
                      (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
    Form_KeyDown(EscapeKeyCode, shift);
    return true;
}
