#pragma once

#include <QString>

// What the game window keeps besides its controls: eight texts, numbers among them
// written as text and converted on every use.
struct GameState {
    QString strTurn;     // "1" while player one (X) is to move, "-2" while player two (O) is
    QString strInputOne; // player one's raw answer to the latest name prompt
    QString strInputTwo; // player two's raw answer
    QString strWon;      // "1" once the current game has been won, else "0"
    QString strScoreOne; // player one's score, a whole number as text
    QString strScoreTwo; // player two's score
    QString strNameOne;  // player one's name as announced
    QString strNameTwo;  // player two's name as announced
};
