// The benchmark's floor: a main window with the game's nine cells and two name labels,
// and nothing else: no menus, no prompts, no timer. What the game costs beyond this is
// what the benchmark shows.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    auto* client = new QWidget(&window);
    window.setCentralWidget(client);
    for (int index = 0; index < 9; ++index) {
        auto* cell = new QPushButton(client);
        cell->setGeometry(8 + 96 * (index % 3), 8 + 88 * (index / 3), 81, 73);
    }
    auto* one = new QLabel(QStringLiteral("Player 1"), client);
    one->setGeometry(16, 280, 161, 17);
    auto* two = new QLabel(QStringLiteral("Player 2"), client);
    two->setGeometry(16, 312, 161, 17);
    window.resize(294, 339);
    window.show();
    return QApplication::exec();
}
