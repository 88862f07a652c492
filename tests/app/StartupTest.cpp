#include "Startup.h"

#include "WindowSet.h"
#include "frmTrellic.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The program from start to end as main() runs it, with the real event loop and
// the real dialogs: the process must live through the moments when no window is
// visible (between the splash and the prompts, between the two prompts) and end
// only when no window is loaded or the end operation runs.
class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void closingTheGameWindowEndsTheProgram();
    void exitEndsTheProgramAtOnce();

private:
    // Drives the start-up: advances the splash and confirms each name prompt; once the
    // game window is visible, runs `then` on it.
    void drive(std::function<void(frmTrellic*)> then);

    QStringList m_seen;
    QTimer m_driver;
    std::function<void(frmTrellic*)> m_then;
};

void StartupTest::initTestCase()
{
    Startup::configure();
    m_driver.setInterval(5);
    connect(&m_driver, &QTimer::timeout, this, [this] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (!top->isVisible()) {
                continue;
            }
            if (top->objectName() == QLatin1String("frmSplash")) {
                if (!m_seen.contains(QStringLiteral("splash"))) {
                    m_seen << QStringLiteral("splash");
                    // Queued, so that the prompts the key leads to do not run inside
                    // this timer's own handler, which would hold it.
                    QMetaObject::invokeMethod(
                        top, [top] { QTest::keyClick(top, Qt::Key_A); }, Qt::QueuedConnection);
                }
                return;
            }
            if (auto* prompt = qobject_cast<QInputDialog*>(top)) {
                const auto* game = WindowSet::loaded<frmTrellic>();
                m_seen << prompt->windowTitle() +
                              (game != nullptr && game->isVisible() ? " over the game" : "");
                prompt->accept();
                return;
            }
            if (auto* game = qobject_cast<frmTrellic*>(top); game != nullptr && m_then) {
                m_seen << QStringLiteral("game");
                std::exchange(m_then, {})(game);
                return;
            }
        }
    });
}

void StartupTest::drive(std::function<void(frmTrellic*)> then)
{
    m_seen.clear();
    m_then = std::move(then);
    m_driver.start();
    Startup::start();
}

void StartupTest::closingTheGameWindowEndsTheProgram()
{
    drive([](frmTrellic* game) { game->close(); });
    QCOMPARE(QApplication::exec(), 0);
    m_driver.stop();
    QCOMPARE(m_seen, QStringList({"splash", "Player 1 Name Input", "Player 2 Name Input", "game"}));
    QVERIFY(WindowSet::loaded<frmTrellic>() == nullptr);
}

void StartupTest::exitEndsTheProgramAtOnce()
{
    drive([](frmTrellic* game) { game->findChild<QAction*>("mnuFileExit")->trigger(); });
    QCOMPARE(QApplication::exec(), 0);
    m_driver.stop();
    QVERIFY(m_seen.endsWith(QStringLiteral("game")));
    QVERIFY(WindowSet::loaded<frmTrellic>() == nullptr);
    for (QWidget* top : QApplication::topLevelWidgets()) {
        QVERIFY2(!top->isVisible(), qPrintable(top->objectName()));
    }
}

int main(int argc, char* argv[])
{
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    StartupTest test;
    const int result = QTest::qExec(&test, argc, argv);
    WindowSet::unloadAll();
    return result;
}

#include "StartupTest.moc"
