#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// A model of the game's rules, written apart from the game window so that a test can
// play both side by side and compare. It records, in the form the scripted dialogs
// log them, the boxes and prompts each command shows.
class RulesOracle {
public:
    enum class Player { One, Two };

    // A name prompt's answer: the text confirmed, or std::nullopt when cancelled.
    using Answer = std::optional<QString>;

    // What a box shows at the moment it is open.
    struct Snapshot {
        QString board; // as RulesOracle::board()
        QString scoreOne;
        QString scoreTwo;
        QString turn;
    };

    // Start-up: both names asked, scores zero, player one to move, an empty board.
    RulesOracle(const Answer& nameOne, const Answer& nameTwo);

    // A click on cell 1 to 9; nothing happens when the cell is disabled.
    void click(int cell);
    void newGame();
    void newPlayer(Player player, const Answer& answer);
    void newPlayers(const Answer& nameOne, const Answer& nameTwo);
    void clearScore(Player player);
    void clearScores();

    // The boxes and prompts shown by the latest command, in order: "box: <text>" and
    // "prompt: <prompt> | <title> | <default>". Each box's state is in openBoxes().
    const QStringList& shown() const { return m_shown; }
    const QList<Snapshot>& openBoxes() const { return m_boxStates; }

    QString nameOne() const { return m_names[0]; }
    QString nameTwo() const { return m_names[1]; }
    QString scoreOne() const { return QString::number(m_scores[0]); }
    QString scoreTwo() const { return QString::number(m_scores[1]); }
    // "1" while player one is to move, "-2" while player two is.
    QString turn() const
    {
        return m_toMove == Player::One ? QStringLiteral("1") : QStringLiteral("-2");
    }
    bool won() const { return m_won; }
    // "1" or "2" for the name shown bold once the turn indicator has ticked, "" for none.
    QString boldName() const;
    // Rows top to bottom as "XO. / .X. / ..O"; a lower-case mark or ',' is an enabled cell.
    QString board() const;

    QChar mark(int cell) const { return m_marks[index(cell)]; }
    bool enabled(int cell) const { return m_enabled[index(cell)]; }
    bool finished() const { return !m_inPlay; }
    // How many lines the latest click completed.
    int linesCompleted() const { return m_linesCompleted; }

private:
    static std::size_t index(int cell) { return static_cast<std::size_t>(cell - 1); }
    static int slot(Player player) { return player == Player::One ? 0 : 1; }
    void askName(Player player, const Answer& answer);
    void showBox(const QString& text);

    std::array<QString, 2> m_names;
    std::array<int, 2> m_scores{};
    Player m_toMove = Player::One;
    std::array<QChar, 9> m_marks{};
    std::array<bool, 9> m_enabled{};
    bool m_won = false;
    bool m_inPlay = true; // false once won or tied, until New Game
    int m_linesCompleted = 0;
    QStringList m_shown;
    QList<Snapshot> m_boxStates;
};
