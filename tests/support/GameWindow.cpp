#include "GameWindow.h"

#include "WindowSet.h"
#include "frmTrellic.h"

#include <QTest>

namespace {
int ends = 0;
}

GameWindow::GameWindow(ScriptedDialogs&)
{
    ends = 0;
    WindowSet::setEndHandler([] { ++ends; });
    m_window = WindowSet::show<frmTrellic>();
}

GameWindow::~GameWindow()
{
    WindowSet::unloadAll();
    WindowSet::setEndHandler({});
}

int GameWindow::endCount()
{
    return ends;
}

QPushButton* GameWindow::cell(int number) const
{
    return m_window->cell(number);
}

QLabel* GameWindow::label(const char* name) const
{
    return m_window->findChild<QLabel*>(QString::fromLatin1(name));
}

void GameWindow::play(std::initializer_list<int> cells) const
{
    for (int number : cells) {
        QTest::mouseClick(cell(number), Qt::LeftButton);
    }
}

QString GameWindow::board() const
{
    QString picture;
    for (int number = 1; number <= 9; ++number) {
        const QPushButton* c = cell(number);
        QString mark = c->text().isEmpty() ? QStringLiteral(".") : c->text();
        if (c->isEnabled()) {
            mark = mark == QLatin1String(".") ? QStringLiteral(",") : mark.toLower();
        }
        picture += mark;
        if (number % 3 == 0 && number < 9) {
            picture += QStringLiteral(" / ");
        }
    }
    return picture;
}

QString GameWindow::boldNames() const
{
    QString bold;
    if (label("lblPlayerOne")->font().bold()) {
        bold += QLatin1Char('1');
    }
    if (label("lblPlayerTwo")->font().bold()) {
        bold += QLatin1Char('2');
    }
    return bold;
}
