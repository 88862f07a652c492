#include "Startup.h"
#include "WindowSet.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    Startup::configure();
    Startup::start();
    const int result = QApplication::exec();
    WindowSet::unloadAll();
    return result;
}
