#include "RulesOracle.h"

#include <algorithm>

namespace {

// Every line of three on the board.
constexpr std::array<std::array<int, 3>, 8> Lines{{
    {1, 2, 3},
    {4, 5, 6},
    {7, 8, 9},
    {1, 4, 7},
    {2, 5, 8},
    {3, 6, 9},
    {1, 5, 9},
    {3, 5, 7},
}};

} // namespace

RulesOracle::RulesOracle(const Answer& nameOne, const Answer& nameTwo)
{
    m_marks.fill(QChar());
    m_enabled.fill(true);
    askName(Player::One, nameOne);
    askName(Player::Two, nameTwo);
}

void RulesOracle::askName(Player player, const Answer& answer)
{
    const QString number = player == Player::One ? QStringLiteral("1") : QStringLiteral("2");
    const QString fallback = QStringLiteral("Player ") + number;
    m_shown << QStringLiteral("prompt: What is your name Player %1? | Player %1 Name Input | %2")
                   .arg(number, fallback);
    const QString typed = answer.value_or(QString());
    m_names[static_cast<std::size_t>(slot(player))] = typed.isEmpty() ? fallback : typed;
}

void RulesOracle::showBox(const QString& text)
{
    m_shown << QStringLiteral("box: ") + text;
    m_boxStates << Snapshot{board(), scoreOne(), scoreTwo(), turn()};
}

void RulesOracle::click(int cell)
{
    m_shown.clear();
    m_boxStates.clear();
    m_linesCompleted = 0;
    if (!m_enabled[index(cell)]) {
        return;
    }
    const Player mover = m_toMove;
    const QChar mark = mover == Player::One ? QLatin1Char('X') : QLatin1Char('O');
    m_marks[index(cell)] = mark;
    m_toMove = mover == Player::One ? Player::Two : Player::One;
    m_enabled[index(cell)] = false;

    for (const auto& line : Lines) {
        const bool throughCell = std::find(line.begin(), line.end(), cell) != line.end();
        const bool complete = std::all_of(line.begin(), line.end(),
                                          [&](int other) { return m_marks[index(other)] == mark; });
        if (throughCell && complete) {
            ++m_linesCompleted;
            showBox(m_names[static_cast<std::size_t>(slot(mover))] +
                    QStringLiteral(" is the winner!"));
            m_scores[static_cast<std::size_t>(slot(mover))] += 1;
            m_enabled.fill(false);
            m_won = true;
            m_inPlay = false;
        }
    }

    const bool allDisabled =
        std::none_of(m_enabled.begin(), m_enabled.end(), [](bool e) { return e; });
    if (allDisabled && !m_won) {
        showBox(QStringLiteral("There is no winner, the game is a tie!"));
        m_inPlay = false;
    }
}

void RulesOracle::newGame()
{
    m_shown.clear();
    m_boxStates.clear();
    m_marks.fill(QChar());
    m_enabled.fill(true);
    m_won = false;
    m_inPlay = true;
}

void RulesOracle::newPlayer(Player player, const Answer& answer)
{
    m_shown.clear();
    m_boxStates.clear();
    askName(player, answer);
}

void RulesOracle::newPlayers(const Answer& nameOne, const Answer& nameTwo)
{
    m_shown.clear();
    m_boxStates.clear();
    askName(Player::One, nameOne);
    askName(Player::Two, nameTwo);
}

void RulesOracle::clearScore(Player player)
{
    m_shown.clear();
    m_boxStates.clear();
    m_scores[static_cast<std::size_t>(slot(player))] = 0;
}

void RulesOracle::clearScores()
{
    m_shown.clear();
    m_boxStates.clear();
    m_scores.fill(0);
}

QString RulesOracle::boldName() const
{
    if (!m_inPlay) {
        return {};
    }
    return m_toMove == Player::One ? QStringLiteral("1") : QStringLiteral("2");
}

QString RulesOracle::board() const
{
    QString picture;
    for (int cell = 1; cell <= 9; ++cell) {
        const QChar m = m_marks[index(cell)];
        const bool on = m_enabled[index(cell)];
        if (m.isNull()) {
            picture += on ? QLatin1Char(',') : QLatin1Char('.');
        } else {
            picture += on ? m.toLower() : m;
        }
        if (cell % 3 == 0 && cell < 9) {
            picture += QStringLiteral(" / ");
        }
    }
    return picture;
}
