// trellic-screenshot <game.png> [<about.png> <splash.png>]
//
// Loads the game window as the game does, with Ann and Bob answering the name
// prompts, plays a won game and the start of another, and saves the window as it
// then looks. Given two more paths it also saves the About and splash windows, whose
// pictures are the first thing to blur at a fractional scale. Scale with
// QT_SCALE_FACTOR; the pictures have the screen's pixels.

#include "Dialogs.h"
#include "Startup.h"
#include "WindowSet.h"
#include "frmAbout.h"
#include "frmSplash.h"
#include "frmTrellic.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStringList>
#include <QTextStream>

namespace {

// The players' answers; boxes (the win announcement) are closed at once.
class Players : public Dialogs {
public:
    void messageBox(const QString&) override {}

    QString inputBox(const QString&, const QString&, const QString& defaultText) override
    {
        return m_names.isEmpty() ? defaultText : m_names.takeFirst();
    }

private:
    QStringList m_names{QStringLiteral("Ann"), QStringLiteral("Bob")};
};

// Lets queued work run (the turn marker, layout, the window appearing) for a moment.
void settle()
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < 300) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
}

void play(frmTrellic* window, std::initializer_list<int> cells)
{
    for (int number : cells) {
        window->cell(number)->click();
        QApplication::processEvents();
    }
}

void trigger(QWidget* window, const char* item)
{
    window->findChild<QAction*>(QString::fromLatin1(item))->trigger();
}

bool save(QWidget* window, const QString& path)
{
    settle();
    const QPixmap picture = window->grab();
    if (!picture.save(path, "PNG")) {
        return false;
    }
    QTextStream(stdout) << path << ": " << picture.width() << 'x' << picture.height()
                        << " pixels at scale " << picture.devicePixelRatio() << '\n';
    return true;
}

int fail(const QString& message)
{
    QTextStream(stderr) << "trellic-screenshot: " << message << '\n';
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2 && arguments.size() != 4) {
        return fail(
            QStringLiteral("usage: trellic-screenshot <game.png> [<about.png> <splash.png>]"));
    }
    Startup::configure();

    Players players;
    Dialogs::setCurrent(&players);
    WindowSet::setEndHandler([] {});
    frmTrellic* window = WindowSet::show<frmTrellic>();
    if (window == nullptr) {
        return fail(QStringLiteral("the game window did not load"));
    }

    // Ann takes the top row, then Bob opens the next game in the centre and Ann
    // answers in a corner: both marks on the board, a score, and Bob's turn.
    play(window, {1, 4, 2, 5, 3});
    trigger(window, "mnuFileNGame");
    play(window, {5, 1});
    settle();

    // The picture is only worth keeping if it shows what the README describes.
    const auto* bob = window->findChild<QLabel*>(QStringLiteral("lblPlayerTwo"));
    if (window->cell(5)->text() != QLatin1String("O") ||
        window->cell(1)->text() != QLatin1String("X") || bob->text() != QLatin1String("Bob") ||
        !bob->font().bold()) {
        return fail(QStringLiteral("the game did not reach the position to show"));
    }
    if (!save(window, arguments.at(1))) {
        return fail(QStringLiteral("cannot write ") + arguments.at(1));
    }

    if (arguments.size() == 4) {
        // The splash hands over to the game window after two seconds; it is saved
        // well before that.
        trigger(window, "mnuHelpAbout");
        frmAbout* about = WindowSet::loaded<frmAbout>();
        frmSplash* splash = WindowSet::show<frmSplash>();
        if (about == nullptr || splash == nullptr) {
            return fail(QStringLiteral("the About or splash window did not load"));
        }
        if (!save(about, arguments.at(2)) || !save(splash, arguments.at(3))) {
            return fail(QStringLiteral("cannot write the About or splash picture"));
        }
    }

    Dialogs::setCurrent(nullptr);
    WindowSet::unloadAll();
    return 0;
}
