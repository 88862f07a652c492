#include "app/Startup.h"

#include "app/AppInfo.h"
#include "app/WindowSet.h"
#include "windows/frmSplash.h"

#include <QApplication>

void Startup::configure()
{
    QApplication::setApplicationName(QString::fromUtf8(AppInfo::Title));
    QApplication::setApplicationVersion(QString::fromStdString(AppInfo::versionText()));
    // The program ends when no window is loaded, not when the last one is hidden:
    // a name prompt closing before the game window is shown must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
}

void Startup::start()
{
    WindowSet::show<frmSplash>();
}
