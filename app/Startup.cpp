#include "Startup.h"

#include "AppInfo.h"
#include "Translations.h"
#include "WindowSet.h"
#include "frmSplash.h"
#include "frmTrellic.h"

#include <QApplication>

void Startup::configure()
{
    QApplication::setApplicationName(QString::fromUtf8(AppInfo::Title));
    QApplication::setApplicationVersion(QString::fromStdString(AppInfo::versionText()));
    Translations::install();
    // The program ends when no window is loaded, not when the last one is hidden:
    // a name prompt closing before the game window is shown must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
}

frmSplash* Startup::start()
{
    frmSplash* splash = WindowSet::show<frmSplash>();
    // The splash, gone, hands over to the game window.
    QObject::connect(splash, &frmSplash::advanced, [] { WindowSet::show<frmTrellic>(); });
    return splash;
}
