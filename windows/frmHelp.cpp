#include "windows/frmHelp.h"

#include "app/Twips.h"
#include "app/WindowLook.h"
#include "app/WindowSet.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel* makeLabel(QWidget* window, const char* name, const QString& caption, QRect geometry)
{
    QLabel* label = WindowLook::label(window, name, caption, geometry);
    label->setWordWrap(true);
    return label;
}

} // namespace

frmHelp::frmHelp()
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Help"));
    // An ordinary window without an owner, so that the game window can come in front of
    // it: a dialog would be kept above the program's other windows. Fixed size, a close
    // box and nothing else in the title bar.
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowIcon(WindowLook::noIcon());
    // Laid out in MS Sans Serif 8; Arial 8 (or a font with its metrics) fits the same boxes.
    setFont(
        WindowLook::designedFont(QStringLiteral("MS Sans Serif"), 8.25, QStringLiteral("Arial")));
    setFixedSize(Twips::toPixels(6030), Twips::toPixels(1425));
    WindowLook::keepOffTaskbar(this);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(Twips::rect(4680, 120, 1215, 375));
    // Not the window's default button, but pressed by Enter while it has the focus.
    OKButton->setAutoDefault(true);
    OKButton->setDefault(false);
    connect(OKButton, &QPushButton::clicked, this, &frmHelp::OKButton_Click);

    Label2 = makeLabel(this, "Label2", QStringLiteral("The loosing player will always go first."),
                       Twips::rect(240, 1080, 3015, 255));
    Label1 = makeLabel(this, "Label1",
                       QStringLiteral("Alternate between Player One and Player Two switching "
                                      "boxes to either an X or an O. A player wins when they "
                                      "get 3 X's or O's in a row."),
                       Twips::rect(240, 240, 4335, 735));

    OKButton->setFocus();
}

void frmHelp::OKButton_Click()
{
    WindowSet::unload(this);
}

void frmHelp::closeEvent(QCloseEvent* event)
{
    WindowSet::unload(this);
    event->accept();
}
