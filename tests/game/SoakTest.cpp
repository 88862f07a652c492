#include "GameWindow.h"
#include "RulesOracle.h"
#include "ScriptedDialogs.h"
#include "frmTrellic.h"

#include <QAction>
#include <QElapsedTimer>
#include <QTest>
#include <map>
#include <optional>
#include <random>

// Thousands of random games through the real window, each step checked against an
// independent model of the rules: clicks on the cells, and the File menu's commands at
// any moment, with the name prompts answered in every way a player can.
class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void randomPlayFollowsTheRules();
};

namespace {

constexpr int GamesToFinish = 2000;
constexpr std::uint32_t DefaultSeed = 20240611;
// A window lives for this many finished games before a fresh start-up.
constexpr int GamesPerWindow = 250;
// Actions kept for a failure report.
constexpr int TraceLength = 60;

using Answer = RulesOracle::Answer;
using Player = RulesOracle::Player;

class Soak {
public:
    explicit Soak(std::uint32_t seed)
        : m_random(seed)
    {
    }

    // Plays until `games` games have been won or tied; returns a description of the
    // first difference from the rules, or an empty text.
    QString run(int games);

    const std::map<QString, int>& coverage() const { return m_coverage; }

private:
    int pick(int count) { return static_cast<int>(m_random() % static_cast<std::uint32_t>(count)); }
    bool chance(int percent) { return pick(100) < percent; }

    Answer randomAnswer(Player player);
    void queue(const Answer& answer);
    void startWindow();
    QString step();
    QString compare(const QString& action);
    void note(const QString& what) { ++m_coverage[what]; }

    QString clickCell(int cell);
    QString newGame();
    QString newPlayer();
    QString clearScore();
    QAction* action(const char* name) const;

    std::mt19937 m_random;
    std::optional<ScriptedDialogs> m_dialogs;
    std::optional<GameWindow> m_game;
    std::optional<RulesOracle> m_rules;
    qsizetype m_seen = 0; // boxes and prompts already compared
    QList<RulesOracle::Snapshot> m_openBoxes;
    QStringList m_trace;
    int m_finished = 0;
    int m_movesThisGame = 0;
    std::map<QString, int> m_coverage;
};

Answer Soak::randomAnswer(Player player)
{
    const QString fallback =
        player == Player::One ? QStringLiteral("Player 1") : QStringLiteral("Player 2");
    switch (pick(9)) {
    case 0:
        note(QStringLiteral("answer cancelled"));
        return std::nullopt;
    case 1:
        note(QStringLiteral("answer emptied"));
        return QString();
    case 2:
        note(QStringLiteral("answer default confirmed"));
        return fallback;
    case 3:
        note(QStringLiteral("answer blanks"));
        return QString(1 + pick(3), QLatin1Char(' '));
    case 4:
        note(QStringLiteral("answer markup"));
        return QStringLiteral("<b>x</b>");
    case 5:
        return QStringLiteral(" Ann ");
    case 6:
        return QStringLiteral("Zoë & Ümit");
    case 7:
        // The other player's default: names need not differ.
        return player == Player::One ? QStringLiteral("Player 2") : QStringLiteral("Player 1");
    default:
        return QStringLiteral("Bo%1").arg(pick(100));
    }
}

void Soak::queue(const Answer& answer)
{
    if (answer) {
        m_dialogs->answer(*answer);
    } else {
        m_dialogs->cancel();
    }
}

QString describe(const Answer& answer)
{
    return answer ? QLatin1Char('"') + *answer + QLatin1Char('"') : QStringLiteral("<cancel>");
}

void Soak::startWindow()
{
    m_game.reset();
    m_dialogs.reset();
    m_dialogs.emplace();
    m_dialogs->whileBoxOpen = [this](const QString&) {
        const frmTrellic* window = m_game->window();
        m_openBoxes << RulesOracle::Snapshot{m_game->board(), m_game->label("lblOneScore")->text(),
                                             m_game->label("lblTwoScore")->text(),
                                             window->state().strTurn};
        // A real box runs its own event loop; sometimes let it.
        if (chance(50)) {
            QCoreApplication::processEvents();
        }
    };
    const Answer one = randomAnswer(Player::One);
    const Answer two = randomAnswer(Player::Two);
    queue(one);
    queue(two);
    m_trace.clear();
    m_trace << QStringLiteral("start-up answering %1, %2").arg(describe(one), describe(two));
    m_seen = 0;
    m_openBoxes.clear();
    m_game.emplace(*m_dialogs);
    m_rules.emplace(one, two);
    m_movesThisGame = 0;
}

QAction* Soak::action(const char* name) const
{
    return m_game->window()->findChild<QAction*>(QString::fromLatin1(name));
}

QString Soak::clickCell(int cell)
{
    const bool wasFinished = m_rules->finished();
    const bool disabled = !m_rules->enabled(cell);
    if (disabled) {
        note(QStringLiteral("click on a disabled cell"));
    } else {
        ++m_movesThisGame;
    }
    QTest::mouseClick(m_game->cell(cell), Qt::LeftButton);
    m_rules->click(cell);
    if (!wasFinished && m_rules->finished()) {
        ++m_finished;
        if (!m_rules->won()) {
            note(QStringLiteral("tie"));
        } else {
            note(m_rules->mark(cell) == QLatin1Char('X') ? QStringLiteral("won by X")
                                                         : QStringLiteral("won by O"));
            if (m_rules->linesCompleted() > 1) {
                note(QStringLiteral("two lines at once"));
            }
            if (m_movesThisGame == 9) {
                note(QStringLiteral("won on the ninth move"));
            }
        }
    }
    return QStringLiteral("click %1%2").arg(cell).arg(disabled ? " (disabled)" : "");
}

QString Soak::newGame()
{
    if (!m_rules->finished()) {
        note(QStringLiteral("new game mid-game"));
    } else if (m_rules->won()) {
        note(QStringLiteral("new game after a win"));
    } else {
        note(QStringLiteral("new game after a tie"));
    }
    QString how = QStringLiteral("New Game");
    if (chance(20)) {
        frmTrellic* window = m_game->window();
        if (!window->isActiveWindow()) {
            window->activateWindow();
        }
        if (window->isActiveWindow() || QTest::qWaitForWindowActive(window)) {
            QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
            how += QStringLiteral(" (Ctrl+N)");
            note(QStringLiteral("Ctrl+N"));
        } else {
            action("mnuFileNGame")->trigger();
        }
    } else {
        action("mnuFileNGame")->trigger();
    }
    m_rules->newGame();
    m_movesThisGame = 0;
    return how;
}

QString Soak::newPlayer()
{
    const int which = pick(3);
    const Answer one = randomAnswer(Player::One);
    const Answer two = randomAnswer(Player::Two);
    switch (which) {
    case 0:
        note(QStringLiteral("New Player 1"));
        queue(one);
        action("mnufileNewPlayerPlayer1")->trigger();
        m_rules->newPlayer(Player::One, one);
        return QStringLiteral("New Player > Player 1 answering ") + describe(one);
    case 1:
        note(QStringLiteral("New Player 2"));
        queue(two);
        action("mnufileNewPlayerPlayer2")->trigger();
        m_rules->newPlayer(Player::Two, two);
        return QStringLiteral("New Player > Player2 answering ") + describe(two);
    default:
        note(QStringLiteral("New Player All"));
        queue(one);
        queue(two);
        action("mnufileNewPlayerAll")->trigger();
        m_rules->newPlayers(one, two);
        return QStringLiteral("New Player > All answering %1, %2")
            .arg(describe(one), describe(two));
    }
}

QString Soak::clearScore()
{
    switch (pick(3)) {
    case 0:
        note(QStringLiteral("Clear Score 1"));
        action("mnuFileClearScorePlayer1")->trigger();
        m_rules->clearScore(Player::One);
        return QStringLiteral("Clear Score > Player 1");
    case 1:
        note(QStringLiteral("Clear Score 2"));
        action("mnuFileClearScorePlayer2")->trigger();
        m_rules->clearScore(Player::Two);
        return QStringLiteral("Clear Score > Player 2");
    default:
        note(QStringLiteral("Clear Score All"));
        action("mnuFileClearScoreAll")->trigger();
        m_rules->clearScores();
        return QStringLiteral("Clear Score > All");
    }
}

// One random action: mostly moves while a game is in play, mostly New Game once it is over.
QString Soak::step()
{
    const int roll = pick(100);
    if (!m_rules->finished()) {
        if (roll < 86) {
            QList<int> free;
            for (int cell = 1; cell <= 9; ++cell) {
                if (m_rules->enabled(cell)) {
                    free << cell;
                }
            }
            return clickCell(free[pick(static_cast<int>(free.size()))]);
        }
        if (roll < 89) {
            return clickCell(1 + pick(9)); // perhaps a taken cell
        }
        if (roll < 92) {
            return newGame();
        }
        return roll < 96 ? newPlayer() : clearScore();
    }
    if (roll < 75) {
        return newGame();
    }
    if (roll < 85) {
        return clickCell(1 + pick(9)); // the board is disabled
    }
    return roll < 93 ? newPlayer() : clearScore();
}

QString Soak::compare(const QString& action)
{
    QStringList differences;
    auto check = [&differences](const char* what, const auto& window, const auto& rules) {
        if (window != rules) {
            QDebug(&differences.emplace_back())
                << what << "\n      window:" << window << "\n      rules: " << rules;
        }
    };

    const QStringList shown = m_dialogs->shown.mid(m_seen);
    m_seen = m_dialogs->shown.size();
    check("boxes and prompts", shown, m_rules->shown());
    check("answers left unused", m_dialogs->unanswered(), 0);
    const QList<RulesOracle::Snapshot> open = std::exchange(m_openBoxes, {});
    if (open.size() == m_rules->openBoxes().size()) {
        for (qsizetype i = 0; i < open.size(); ++i) {
            const RulesOracle::Snapshot& w = open[i];
            const RulesOracle::Snapshot& r = m_rules->openBoxes()[i];
            check("board while a box is open", w.board, r.board);
            check("player 1's score while a box is open", w.scoreOne, r.scoreOne);
            check("player 2's score while a box is open", w.scoreTwo, r.scoreTwo);
            check("turn while a box is open", w.turn, r.turn);
        }
    }

    const frmTrellic* window = m_game->window();
    const GameState& state = window->state();
    check("board", m_game->board(), m_rules->board());
    check("lblOneScore", m_game->label("lblOneScore")->text(), m_rules->scoreOne());
    check("lblTwoScore", m_game->label("lblTwoScore")->text(), m_rules->scoreTwo());
    check("lblPlayerOne", m_game->label("lblPlayerOne")->text(), m_rules->nameOne());
    check("lblPlayerTwo", m_game->label("lblPlayerTwo")->text(), m_rules->nameTwo());
    check("strNameOne", state.strNameOne, m_rules->nameOne());
    check("strNameTwo", state.strNameTwo, m_rules->nameTwo());
    check("strTurn", state.strTurn, m_rules->turn());
    check("strWon", state.strWon, m_rules->won() ? QStringLiteral("1") : QStringLiteral("0"));

    // The turn indicator ticks once queued events have run.
    QCoreApplication::processEvents();
    check("bold name", m_game->boldNames(), m_rules->boldName());

    if (differences.isEmpty()) {
        return {};
    }
    return QStringLiteral("after \"%1\", %2 games finished:\n  %3\nactions since start-up "
                          "(last %4):\n  %5")
        .arg(action)
        .arg(m_finished)
        .arg(differences.join(QStringLiteral("\n  ")))
        .arg(TraceLength)
        .arg(m_trace.join(QStringLiteral("\n  ")));
}

QString Soak::run(int games)
{
    startWindow();
    if (QString difference = compare(QStringLiteral("start-up")); !difference.isEmpty()) {
        return difference;
    }
    int windowStartedAt = 0;
    while (m_finished < games) {
        if (m_finished - windowStartedAt >= GamesPerWindow && m_rules->finished()) {
            windowStartedAt = m_finished;
            startWindow();
            note(QStringLiteral("fresh start-up"));
            if (QString difference = compare(QStringLiteral("start-up")); !difference.isEmpty()) {
                return difference;
            }
        }
        const QString action = step();
        m_trace << action;
        if (m_trace.size() > TraceLength) {
            m_trace.removeFirst();
        }
        if (QString difference = compare(action); !difference.isEmpty()) {
            return difference;
        }
    }
    m_game.reset();
    return {};
}

} // namespace

void SoakTest::randomPlayFollowsTheRules()
{
    bool given = false;
    const std::uint32_t seed = qEnvironmentVariable("TRELLIC_SOAK_SEED").toUInt(&given);
    Soak soak(given ? seed : DefaultSeed);
    qInfo("seed %u (set TRELLIC_SOAK_SEED to change), %d games", given ? seed : DefaultSeed,
          GamesToFinish);

    QElapsedTimer clock;
    clock.start();
    const QString difference = soak.run(GamesToFinish);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    qInfo("%d games in %lld ms", GamesToFinish, static_cast<long long>(clock.elapsed()));

    // The run must have reached every situation the rules single out.
    QStringList counts;
    for (const char* situation : {"won by X",
                                  "won by O",
                                  "tie",
                                  "two lines at once",
                                  "won on the ninth move",
                                  "new game mid-game",
                                  "new game after a win",
                                  "new game after a tie",
                                  "Ctrl+N",
                                  "click on a disabled cell",
                                  "New Player 1",
                                  "New Player 2",
                                  "New Player All",
                                  "Clear Score 1",
                                  "Clear Score 2",
                                  "Clear Score All",
                                  "answer cancelled",
                                  "answer emptied",
                                  "answer default confirmed",
                                  "answer blanks",
                                  "answer markup",
                                  "fresh start-up"}) {
        const auto found = soak.coverage().find(QString::fromLatin1(situation));
        const int count = found == soak.coverage().end() ? 0 : found->second;
        counts << QStringLiteral("%1: %2").arg(QString::fromLatin1(situation)).arg(count);
        QVERIFY2(count > 0, situation);
    }
    qInfo("%s", qPrintable(counts.join(QStringLiteral(", "))));
}

QTEST_MAIN(SoakTest)
#include "SoakTest.moc"
