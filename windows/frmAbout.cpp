#include "frmAbout.h"

#include "AppInfo.h"
#include "Dialogs.h"
#include "GetKeyValue.h"
#include "Line.h"
#include "SystemAccess.h"
#include "Twips.h"
#include "WindowLook.h"
#include "WindowSet.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <string>

namespace {

// Where Microsoft System Information records its path, or else its folder.
const std::string SysInfoKey(SystemAccess::SystemInfoKey);
const std::string SysInfoValue(SystemAccess::SystemInfoValue);
const std::string SysInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string SysInfoLocationValue = "MSINFO";
const std::string SysInfoProgram = "\\MSINFO32.EXE";

const char* const SysInfoUnavailable =
    QT_TRANSLATE_NOOP("frmAbout", "System Information Is Unavailable At This Time");

// Most of the window's labels are drawn in black whatever the system's text colour.
const LabelStyle BlackText{.textColor = QColor(Qt::black)};

} // namespace

frmAbout::frmAbout()
{
    WindowLook::setUpFixedDialog(this, "frmAbout", QStringLiteral("About MyApp"), 5730, 3555);
    setSizeGripEnabled(false);

    // The picture sits unscaled at the top left, inside a sunken border.
    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(Twips::rect(120, 120, 810, 810));
    picIcon->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picIcon->setPixmap(WindowLook::picture(QStringLiteral(":/about.png"), devicePixelRatioF()));

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(Twips::rect(4245, 2625, 1260, 345));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    cmdSysInfo = new QPushButton(tr("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setGeometry(Twips::rect(4260, 3075, 1245, 345));
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    // The etched separator: a grey line with a white one just below it.
    Line1_1 = new Line(this, Twips::point(90, 2445), Twips::point(5654, 2445));
    Line1_1->setObjectName(QStringLiteral("Line1_1"));
    Line1_1->setColor(QColor(0x80, 0x80, 0x80));
    lblDescription = WindowLook::label(this, "lblDescription", tr("Trellic created by Pellworth"),
                                       Twips::rect(1050, 1125, 3885, 1170), BlackText);
    lblTitle = WindowLook::label(this, "lblTitle", QStringLiteral("Application Title"),
                                 Twips::rect(1050, 240, 3885, 480), BlackText);
    // With the grey line above, the etched separator.
    Line1_0 = new Line(this, Twips::point(105, 2460), Twips::point(5654, 2460), 2);
    Line1_0->setObjectName(QStringLiteral("Line1_0"));
    Line1_0->setColor(Qt::white);

    lblVersion = WindowLook::label(this, "lblVersion", QStringLiteral("Version"),
                                   Twips::rect(1050, 780, 3885, 225));
    lblDisclaimer =
        WindowLook::label(this, "lblDisclaimer",
                          tr("Warning: Objects in screen appear closer than they actually are."),
                          Twips::rect(255, 2625, 3870, 825), BlackText);

    cmdOK->setFocus();
}

void frmAbout::Form_Load()
{
    //: The window's title; %1 is the program's name
    setWindowTitle(tr("About %1").arg(QString::fromUtf8(AppInfo::Title)));
    lblVersion->setText(WindowLook::versionText());
    lblTitle->setText(QString::fromUtf8(AppInfo::Title));
}

void frmAbout::cmdOK_Click()
{
    WindowSet::unload(this);
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    bool unavailable = false;
    try {
        SystemAccess& system = SystemAccess::current();
        std::string path;
        if (GetKeyValue(system, SystemAccess::HKEY_LOCAL_MACHINE_ROOT, SysInfoKey, SysInfoValue,
                        path)) {
            system.launch(path);
        } else if (!GetKeyValue(system, SystemAccess::HKEY_LOCAL_MACHINE_ROOT, SysInfoLocationKey,
                                SysInfoLocationValue, path) ||
                   path.empty()) {
            // An empty folder (only a terminator, or a value of a type without text) is no
            // folder: the look-up would go to the root of the current drive.
            unavailable = true;
        } else if (system.findFile(path + SysInfoProgram).empty()) {
            unavailable = true;
        } else {
            system.launch(path + SysInfoProgram);
        }
    } catch (...) {
        unavailable = true;
    }
    if (unavailable) {
        Dialogs::current().messageBox(tr(SysInfoUnavailable));
    }
}

void frmAbout::reject()
{
    WindowSet::unload(this);
}

void frmAbout::keyPressEvent(QKeyEvent* event)
{
    // OK is also the cancel button: Esc presses it.
    if (event->key() == Qt::Key_Escape) { // with or without modifiers
        cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
