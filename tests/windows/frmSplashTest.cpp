#include "frmSplash.h"

#include "ScriptedDialogs.h"
#include "Startup.h"
#include "WindowSet.h"
#include "frmTrellic.h"

#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>

// The splash at start-up and its hand-over to the game window.
class frmSplashTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsTitleAndVersion();
    void handsOverToTheGame_data();
    void handsOverToTheGame();
    void otherInputLeavesItUp();
};

namespace {

int ends = 0;

// Runs a nested event loop for `ms`, as a modal prompt does while it is open.
void nestedLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

QLabel* label(const QWidget* splash, const char* name)
{
    return splash->findChild<QLabel*>(QString::fromLatin1(name));
}

QWidget* clientArea(const QWidget* splash)
{
    return splash->findChild<QWidget*>(QStringLiteral("client"));
}

// A point of the client area, in the splash window's own coordinates.
QPoint inClient(const QWidget* splash, QPoint point)
{
    return clientArea(splash)->mapTo(splash, point);
}

// Notes whether a picture label held its picture the first time it was painted.
class FirstPaintWatcher : public QObject {
public:
    bool painted = false;
    bool hadPicture = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            hadPicture = !static_cast<QLabel*>(watched)->pixmap().isNull();
        }
        return false;
    }
};

} // namespace

void frmSplashTest::init()
{
    ends = 0;
    WindowSet::setEndHandler([] { ++ends; });
}

void frmSplashTest::cleanup()
{
    WindowSet::unloadAll();
    QCoreApplication::processEvents(); // pending end checks, before the handler goes
    WindowSet::setEndHandler({});
}

void frmSplashTest::showsTitleAndVersion()
{
    ScriptedDialogs dialogs;
    frmSplash* splash = Startup::start();
    // The client area as designed: inside a border of its own where no title bar means
    // no frame from the window manager, or inside the frame Windows draws.
    const int border = splash->windowFlags().testFlag(Qt::FramelessWindowHint) ? 3 : 0;
    QCOMPARE(clientArea(splash)->geometry(), QRect(border, border, 492, 283));
    QCOMPARE(splash->size(), QSize(492 + 2 * border, 283 + 2 * border));
    QVERIFY(!splash->windowFlags().testFlag(Qt::WindowTitleHint));
    QVERIFY(splash->windowTitle().isEmpty());
    QCOMPARE(splash->findChild<QGroupBox*>("Frame1")->geometry(), QRect(10, 4, 472, 270));
    if (border > 0) {
        // Its own edge, raised: light at the top and left, shadow at the bottom and right.
        const QImage look = splash->grab().toImage();
        const QPalette palette = splash->palette();
        QCOMPARE(look.pixel(0, 140), palette.light().color().rgb());
        QCOMPARE(look.pixel(240, 0), palette.light().color().rgb());
        QCOMPARE(look.pixel(497, 140), palette.shadow().color().rgb());
        QCOMPARE(look.pixel(240, 288), palette.shadow().color().rgb());
        QCOMPARE(look.pixel(2, 140), palette.window().color().rgb());
    }

    QCOMPARE(label(splash, "lblProductName")->text(), QStringLiteral("Trellic"));
    QCOMPARE(label(splash, "lblVersion")->text(), QStringLiteral("Version 1.0.0"));
    QCOMPARE(label(splash, "lblProductName")->pos(), QPoint(168, 76));

    // The logo is put in once the splash is up, but before anything of it is painted.
    FirstPaintWatcher watcher;
    label(splash, "imgLogo")->installEventFilter(&watcher);
    QTRY_VERIFY(watcher.painted);
    QVERIFY(watcher.hadPicture);
    QCOMPARE(label(splash, "imgLogo")->pixmap().deviceIndependentSize(), QSizeF(200, 167));
    // Sized to the text put in at load, growing to the left.
    for (const char* name : {"lblVersion", "lblPlatform", "lblProductName"}) {
        const QLabel* l = label(splash, name);
        QVERIFY2(l->width() >= l->fontMetrics().horizontalAdvance(l->text()), name);
        QCOMPARE(l->textFormat(), Qt::PlainText);
    }
    QCOMPARE(label(splash, "lblVersion")->geometry().right() + 1, 457);
    QCOMPARE(label(splash, "lblPlatform")->geometry().right() + 1, 457);

    const auto* timer = splash->findChild<QTimer*>("tmrAdvance");
    QCOMPARE(timer->interval(), 2000);
    QVERIFY(timer->isActive());
    QVERIFY(dialogs.shown.isEmpty());
}

void frmSplashTest::handsOverToTheGame_data()
{
    QTest::addColumn<QString>("trigger");
    for (const char* trigger :
         {"timer", "letter", "Enter", "Escape", "AltGr character", "click on the frame"}) {
        QTest::newRow(trigger) << QString::fromLatin1(trigger);
    }
}

void frmSplashTest::handsOverToTheGame()
{
    QFETCH(QString, trigger);
    ScriptedDialogs dialogs;
    QStringList seen;
    dialogs.whilePromptOpen = [&seen, &trigger](const QString& title) {
        // Once well past the splash's two seconds (which may run 5% late), so that a
        // timer left running would fire here.
        nestedLoop(seen.isEmpty() && trigger == QLatin1String("letter") ? 2500 : 20);
        const frmTrellic* game = WindowSet::loaded<frmTrellic>();
        seen << title + (WindowSet::loaded<frmSplash>() != nullptr ? " +splash" : "") +
                    (game != nullptr && game->isVisible() ? " +game" : "") +
                    (ends != 0 ? " +ended" : "");
    };
    QPointer<frmSplash> splash = Startup::start();

    if (trigger == QLatin1String("timer")) {
        QTRY_VERIFY_WITH_TIMEOUT(seen.size() == 2, 3000);
    } else if (trigger == QLatin1String("letter")) {
        QTest::keyClick(splash->windowHandle(), Qt::Key_T);
    } else if (trigger == QLatin1String("Enter")) {
        QTest::keyClick(splash->windowHandle(), Qt::Key_Return);
    } else if (trigger == QLatin1String("Escape")) {
        QTest::keyClick(splash->windowHandle(), Qt::Key_Escape);
    } else if (trigger == QLatin1String("AltGr character")) {
        // AltGr reaches a Windows program as Ctrl+Alt with the character typed.
        QTest::sendKeyEvent(QTest::Click, splash->windowHandle(), Qt::Key_At, QStringLiteral("@"),
                            Qt::ControlModifier | Qt::AltModifier);
    } else {
        QTest::mouseClick(splash->windowHandle(), Qt::LeftButton, {},
                          inClient(splash, QPoint(22, 16)));
    }

    QCOMPARE(seen, QStringList({"Player 1 Name Input", "Player 2 Name Input"}));
    const frmTrellic* game = WindowSet::loaded<frmTrellic>();
    QVERIFY(game != nullptr);
    QVERIFY(game->isVisible());
    QTRY_VERIFY(splash.isNull());
    QCOMPARE(dialogs.shown.size(), 2);
    QCOMPARE(ends, 0);
}

void frmSplashTest::otherInputLeavesItUp()
{
    ScriptedDialogs dialogs;
    frmSplash* splash = Startup::start();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    QWindow* window = splash->windowHandle();
    // Clicks go where a real one would: the logo, labels, the margin left of and below
    // the frame, then the border.
    for (const char* name : {"imgLogo", "lblProductName", "lblCopyright", "lblWarning"}) {
        const QLabel* target = label(splash, name);
        QTest::mouseClick(window, Qt::LeftButton, {},
                          target->mapTo(splash, target->rect().center()));
        QTest::mouseClick(window, Qt::RightButton, {},
                          target->mapTo(splash, target->rect().center()));
    }
    QTest::mouseClick(window, Qt::LeftButton, {}, inClient(splash, QPoint(4, 140)));
    QTest::mouseClick(window, Qt::LeftButton, {}, inClient(splash, QPoint(240, 279)));
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(1, 140)); // the border
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(240, 287));
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Down, Qt::Key_F1, Qt::Key_F5, Qt::Key_Shift}) {
        QTest::keyClick(window, key);
    }
    // Keys that come with text on some platforms but type nothing: Alt with a letter,
    // and Delete.
    QTest::sendKeyEvent(QTest::Click, window, Qt::Key_A, QStringLiteral("a"), Qt::AltModifier);
    QVERIFY(WindowSet::loaded<frmSplash>() != nullptr);
    QTest::sendKeyEvent(QTest::Click, window, Qt::Key_Delete, QStringLiteral("\x7f"),
                        Qt::NoModifier);
    QCOMPARE(WindowSet::loaded<frmSplash>(), splash);
    QVERIFY(WindowSet::loaded<frmTrellic>() == nullptr);
    QVERIFY(dialogs.shown.isEmpty());
}

QTEST_MAIN(frmSplashTest)
#include "frmSplashTest.moc"
