#include "frmHelp.h"

#include "Twips.h"
#include "WindowLook.h"
#include "WindowSet.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

frmHelp::frmHelp()
{
    WindowLook::setUpFixedDialog(this, "frmHelp", tr("Help"), 6030, 1425);

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(Twips::rect(4680, 120, 1215, 375));
    // Not the window's default button, but pressed by Enter while it has the focus.
    OKButton->setAutoDefault(true);
    OKButton->setDefault(false);
    connect(OKButton, &QPushButton::clicked, this, &frmHelp::OKButton_Click);

    Label2 = WindowLook::label(this, "Label2", tr("The loosing player will always go first."),
                               Twips::rect(240, 1080, 3015, 255));
    Label1 = WindowLook::label(this, "Label1",
                               tr("Alternate between Player One and Player Two switching boxes "
                                  "to either an X or an O. A player wins when they get 3 X's or "
                                  "O's in a row."),
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
