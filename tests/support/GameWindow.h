#pragma once

#include "ScriptedDialogs.h"

#include <QLabel>
#include <QPushButton>
#include <QString>

class frmTrellic;

// The game window loaded through the window set with scripted name prompts, for tests.
// The end operation is recorded instead of ending the test program.
class GameWindow {
public:
    // Loads and shows the game window; `dialogs` must already hold the prompts' answers.
    explicit GameWindow(ScriptedDialogs& dialogs);
    ~GameWindow();
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    frmTrellic* window() const { return m_window; }
    QPushButton* cell(int number) const;
    QLabel* label(const char* name) const;

    // Clicks the cells in order, e.g. {5, 1, 9}.
    void play(std::initializer_list<int> cells) const;
    // The board as "XO. / .X. / ..O", rows top to bottom; a lower-case letter or ','
    // marks a cell that is enabled.
    QString board() const;
    // "1" when player one's name is bold, "2" for player two, "" for neither, "12" for both.
    QString boldNames() const;

    // How often the end operation has run since the window was loaded.
    static int endCount();

private:
    frmTrellic* m_window = nullptr;
};
