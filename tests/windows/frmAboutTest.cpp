#include "frmAbout.h"

#include "FakeSystemAccess.h"
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

// The About window and its way to System Information.
class frmAboutTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsTitleAndVersion();
    void oneWindowLoadedOnce();
    void enterEscAndTheCloseBoxUnloadIt();
    void altSPressesSystemInfo();
    void startSysInfo_data();
    void startSysInfo();
    void openingAndClosingLeavesNothingBehind();
};

namespace {

constexpr std::uint32_t Machine = SystemAccess::HKEY_LOCAL_MACHINE_ROOT;
const QString Unavailable = QStringLiteral("box: System Information Is Unavailable At This Time");

// The System Information look-ups answered by a fake for the test's lifetime. Nothing
// real is ever started.
FakeSystemAccess* fake = nullptr;

template <class T>
T* child(const QWidget* window, const char* name)
{
    return window->findChild<T*>(QString::fromLatin1(name));
}

} // namespace

void frmAboutTest::init()
{
    fake = new FakeSystemAccess;
    SystemAccess::setCurrent(fake);
}

void frmAboutTest::cleanup()
{
    SystemAccess::setCurrent(nullptr);
    delete fake;
    fake = nullptr;
}

void frmAboutTest::showsTitleAndVersion()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    game.window()->findChild<QAction*>("mnuHelpAbout")->trigger();
    frmAbout* about = WindowSet::loaded<frmAbout>();
    QVERIFY(QTest::qWaitForWindowActive(about));

    QCOMPARE(about->windowTitle(), QStringLiteral("About Trellic"));
    QCOMPARE(child<QLabel>(about, "lblTitle")->text(), QStringLiteral("Trellic"));
    QCOMPARE(child<QLabel>(about, "lblVersion")->text(), QStringLiteral("Version 1.0.0"));
    QCOMPARE(child<QLabel>(about, "lblDescription")->text(),
             QStringLiteral("Trellic created by Pellworth"));
    const auto* disclaimer = child<QLabel>(about, "lblDisclaimer");
    QVERIFY(disclaimer->heightForWidth(disclaimer->width()) <= disclaimer->height());
    QCOMPARE(child<QLabel>(about, "picIcon")->pixmap().deviceIndependentSize(), QSizeF(50, 50));
    QCOMPARE(about->size(), QSize(382, 237));
    QVERIFY(about->parentWidget() == nullptr);
    QVERIFY(!about->isModal());

    // Tab goes from OK to System Info and back, past the picture.
    auto* ok = child<QPushButton>(about, "cmdOK");
    auto* sysInfo = child<QPushButton>(about, "cmdSysInfo");
    QCOMPARE(QApplication::focusWidget(), ok);
    QTest::keyClick(ok, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), sysInfo);
    QTest::keyClick(sysInfo, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ok);
    QVERIFY(ok->isDefault());
}

void frmAboutTest::oneWindowLoadedOnce()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    QAction* aboutItem = game.window()->findChild<QAction*>("mnuHelpAbout");
    aboutItem->trigger();
    frmAbout* about = WindowSet::loaded<frmAbout>();
    child<QLabel>(about, "lblTitle")->setText(QStringLiteral("as left"));
    aboutItem->trigger();
    QCOMPARE(WindowSet::loaded<frmAbout>(), about);
    QCOMPARE(child<QLabel>(about, "lblTitle")->text(), QStringLiteral("as left"));
    QVERIFY(about->isVisible());
}

void frmAboutTest::enterEscAndTheCloseBoxUnloadIt()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    for (const char* way : {"Enter", "Return", "Esc", "close box"}) {
        QPointer<frmAbout> about = WindowSet::show<frmAbout>();
        QVERIFY(QTest::qWaitForWindowActive(about));
        const QByteArray how(way);
        if (how == "close box") {
            about->close();
        } else {
            QTest::keyClick(QApplication::focusWidget(), how == "Esc"     ? Qt::Key_Escape
                                                         : how == "Enter" ? Qt::Key_Enter
                                                                          : Qt::Key_Return);
        }
        QVERIFY2(WindowSet::loaded<frmAbout>() == nullptr, way);
        QTRY_VERIFY(about.isNull());
    }
    QVERIFY(fake->launched.empty());
    QCOMPARE(GameWindow::endCount(), 0);
}

void frmAboutTest::altSPressesSystemInfo()
{
    ScriptedDialogs dialogs;
    GameWindow game(dialogs);
    fake->registry.setText(Machine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", "msinfo");
    frmAbout* about = WindowSet::show<frmAbout>();
    QVERIFY(QTest::qWaitForWindowActive(about));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(fake->launched, std::vector<std::string>{"msinfo"}); // pressed as if clicked
    QCOMPARE(WindowSet::loaded<frmAbout>(), about);
}

void frmAboutTest::startSysInfo_data()
{
    // The two values: "-" when missing, "(no data)" for a value of no bytes at all,
    // "(terminator)" for text that is only its terminating zero, "(binary)" for a value
    // of a type without text; otherwise text.
    QTest::addColumn<QString>("path");   // PATH
    QTest::addColumn<QString>("folder"); // Shared Tools Location
    QTest::addColumn<bool>("programThere");
    QTest::addColumn<bool>("launchFails");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QStringList>("lookedUp");
    QTest::addColumn<QStringList>("launched");
    QTest::addColumn<int>("opens");
    QTest::addColumn<int>("boxes");

    const QString path = QStringLiteral("D:\\Info\\msinfo32.exe");
    const QString folder = QStringLiteral("C:\\Shared");
    const QString program = QStringLiteral("C:\\Shared\\MSINFO32.EXE");
    const QString noData = QStringLiteral("(no data)");
    // The PATH value is launched as it is, found or not; the location is never read.
    QTest::newRow("path") << path << folder << true << false << 1 << QStringList{}
                          << QStringList{path} << 1 << 0;
    QTest::newRow("folder with program") << "-" << folder << true << false << 1
                                         << QStringList{program} << QStringList{program} << 1 << 0;
    QTest::newRow("folder without program")
        << "-" << folder << false << false << 1 << QStringList{program} << QStringList{} << 1 << 1;
    QTest::newRow("neither") << "-"
                             << "-" << true << false << 1 << QStringList{} << QStringList{} << 0
                             << 1;
    QTest::newRow("launch fails") << path << folder << true << true << 1 << QStringList{}
                                  << QStringList{path} << 1 << 1;
    QTest::newRow("found program fails") << "-" << folder << true << true << 1
                                         << QStringList{program} << QStringList{program} << 1 << 1;
    QTest::newRow("two presses") << path << "-" << false << false << 2 << QStringList{}
                                 << QStringList{path, path} << 2 << 0;
    // A value with no data goes the way of a missing one. An empty folder never sends
    // the look-up to the drive's root, where a program is waiting.
    QTest::newRow("path with no data") << noData << folder << true << false << 1
                                       << QStringList{program} << QStringList{program} << 2 << 0;
    QTest::newRow("folder with no data")
        << "-" << noData << true << false << 1 << QStringList{} << QStringList{} << 1 << 1;
    QTest::newRow("both with no data")
        << noData << noData << true << false << 1 << QStringList{} << QStringList{} << 2 << 1;
    QTest::newRow("folder of a terminator")
        << "-"
        << "(terminator)" << true << false << 1 << QStringList{} << QStringList{} << 1 << 1;
    QTest::newRow("folder of no text")
        << "-"
        << "(binary)" << true << false << 1 << QStringList{} << QStringList{} << 1 << 1;
}

namespace {

void putValue(const char* key, const char* name, const QString& value)
{
    if (value == QLatin1String("-")) {
        return;
    }
    if (value == QLatin1String("(no data)")) {
        fake->registry.setValue(Machine, key, name, SystemAccess::REG_SZ_TYPE, {});
    } else if (value == QLatin1String("(terminator)")) {
        fake->registry.setText(Machine, key, name, "", true);
    } else if (value == QLatin1String("(binary)")) {
        fake->registry.setValue(Machine, key, name, 3, {'C', ':', 0});
    } else {
        fake->registry.setText(Machine, key, name, value.toStdString());
    }
}

QStringList texts(const std::vector<std::string>& strings)
{
    QStringList result;
    for (const std::string& s : strings) {
        result << QString::fromStdString(s);
    }
    return result;
}

} // namespace

void frmAboutTest::startSysInfo()
{
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QFETCH(bool, programThere);
    QFETCH(bool, launchFails);
    QFETCH(int, presses);
    QFETCH(QStringList, lookedUp);
    QFETCH(QStringList, launched);
    QFETCH(int, opens);
    QFETCH(int, boxes);

    putValue("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path);
    putValue("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", folder);
    if (programThere) {
        fake->files.insert("c:\\shared\\msinfo32.exe");
        fake->files.insert("\\msinfo32.exe"); // found by a look-up at the drive's root
    }
    fake->failLaunch = launchFails;

    ScriptedDialogs dialogs;
    WindowSet::setEndHandler([] {});
    frmAbout* about = WindowSet::show<frmAbout>();
    for (int press = 0; press < presses; ++press) {
        QTest::mouseClick(child<QPushButton>(about, "cmdSysInfo"), Qt::LeftButton);
    }

    QCOMPARE(texts(fake->lookedUp), lookedUp);
    QCOMPARE(texts(fake->launched), launched);
    QCOMPARE(fake->opens, opens);
    QCOMPARE(dialogs.shown, QStringList(boxes, Unavailable));
    QCOMPARE(WindowSet::loaded<frmAbout>(), about);
    QVERIFY(about->isVisible());
    QCOMPARE(child<QLabel>(about, "lblTitle")->text(), QStringLiteral("Trellic"));
    WindowSet::unloadAll();
    WindowSet::setEndHandler({});
}

void frmAboutTest::openingAndClosingLeavesNothingBehind()
{
    WindowSet::setEndHandler([] {});
    const int windows = static_cast<int>(QApplication::topLevelWidgets().size());
    for (int round = 0; round < 1000; ++round) {
        QPointer<frmAbout> about = WindowSet::show<frmAbout>();
        if (round % 2 == 0) {
            QTest::mouseClick(child<QPushButton>(about, "cmdOK"), Qt::LeftButton);
        } else {
            QTest::keyClick(about, Qt::Key_Escape);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(about.isNull());
    }
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
    QCoreApplication::processEvents();
    WindowSet::setEndHandler({});
}

QTEST_MAIN(frmAboutTest)
#include "frmAboutTest.moc"
