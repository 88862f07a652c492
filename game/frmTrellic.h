#pragma once

#include "GameState.h"
#include "Rules.h"

#include <QMainWindow>
#include <array>

class Line;
class QAction;
class QKeyEvent;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class TurnTimer;

// The game window: the board of nine cells, the players' names and scores, and the
// File and Help menus.
class frmTrellic : public QMainWindow {
    Q_OBJECT

public:
    frmTrellic();

    // Load handler: zeroes the scores, gives player one the first move and asks both
    // players for their names before the window is shown.
    void Form_Load();

    const GameState& state() const { return game; }

    // Cells cmdOne to cmdNine, numbered 1 to 9 row by row.
    QPushButton* cell(int number) const;

private:
    void createBoard();
    void createFrames();
    void createMenus();

    // The name prompt for player 1 or 2: the answer is kept as typed and shown.
    void askName(int player);
    // An empty answer shows as the player's default name.
    void showDefaultNameIfEmpty(int player);
    // Both prompts, then the default names, then the names used in announcements.
    void askBothNames();

    // A click on a free cell.
    void cmdOne_Click();
    void cmdTwo_Click();
    void cmdThree_Click();
    void cmdFour_Click();
    void cmdFive_Click();
    void cmdSix_Click();
    void cmdSeven_Click();
    void cmdEight_Click();
    void cmdNine_Click();
    void playCell(int number);
    // The nine captions, cmdOne first.
    Rules::Board board() const;
    // True when no cell can be played: the board is full or locked.
    bool noCellEnabled() const;
    // What a screen reader adds to a cell: the last move of this game and who moves
    // next, or that the game is over ("X, top left. Bob to move.").
    QString news() const;
    void winProcedure(int player);
    void tieProcedure();
    // Shows player 1's or 2's score text in their score label.
    void showScore(int player);

    void mnuFileNGame_Click();
    void mnufileNewPlayerPlayer1_Click();
    void mnufileNewPlayerPlayer2_Click();
    void mnufileNewPlayerAll_Click();
    void mnuFileClearScorePlayer1_Click();
    void mnuFileClearScorePlayer2_Click();
    void mnuFileClearScoreAll_Click();
    void mnuFileExit_Click();
    void mnuHelpHTP_Click();
    void mnuHelpAbout_Click();

    void tmrPlayer_Timer();
    void Form_KeyDown(int keyCode, int shift);
    // Hands Escape to Form_KeyDown before any control sees it; true when it did.
    bool previewKey(const QKeyEvent& event);

    GameState game;
    // The cell of the latest move (1 to 9), 0 before the first; it tells a screen
    // reader's player where the last mark went.
    int lastPlayed = 0;

    QPushButton* cmdOne = nullptr;
    QPushButton* cmdTwo = nullptr;
    QPushButton* cmdThree = nullptr;
    QPushButton* cmdFour = nullptr;
    QPushButton* cmdFive = nullptr;
    QPushButton* cmdSix = nullptr;
    QPushButton* cmdSeven = nullptr;
    QPushButton* cmdEight = nullptr;
    QPushButton* cmdNine = nullptr;
    std::array<QPushButton*, 9> cells{};

    Line* Line1 = nullptr;
    Line* Line2 = nullptr;
    Line* Line3 = nullptr;
    Line* Line4 = nullptr;

    QGroupBox* frmInfo = nullptr;
    QLabel* lblPlayerOne = nullptr;
    QLabel* lblPlayerTwo = nullptr;
    Line* Line5 = nullptr;
    TurnTimer* tmrPlayer = nullptr;

    QGroupBox* frm = nullptr;
    QLabel* lblOneScore = nullptr;
    QLabel* lblTwoScore = nullptr;
    Line* Line6 = nullptr;

    QMenu* mnufile = nullptr;
    QAction* mnuFileNGame = nullptr;
    QMenu* mnufileNewPlayer = nullptr;
    QAction* mnufileNewPlayerPlayer1 = nullptr;
    QAction* mnufileNewPlayerPlayer2 = nullptr;
    QAction* mnuSeparator = nullptr;
    QAction* mnufileNewPlayerAll = nullptr;
    QMenu* mnuFileClearScore = nullptr;
    QAction* mnuFileClearScorePlayer1 = nullptr;
    QAction* mnuFileClearScorePlayer2 = nullptr;
    QAction* mnuFileSeparator = nullptr;
    QAction* mnuFileClearScoreAll = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpHTP = nullptr;
    QAction* mnuHelpSeparator = nullptr;
    QAction* mnuHelpAbout = nullptr;
};
