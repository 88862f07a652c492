#pragma once

#include <QDialog>

class Line;
class QLabel;
class QPushButton;

// The About window: the program's title, version and a way to System Information.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    frmAbout();

    // Load handler: puts the program's title and version in place.
    void Form_Load();

    // Starts Microsoft System Information where the registry says it is installed, or
    // says it is unavailable. Never throws.
    void StartSysInfo();

    // The close box; Esc presses OK instead.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void cmdOK_Click();
    void cmdSysInfo_Click();

    QLabel* picIcon = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
    Line* Line1_1 = nullptr;
    Line* Line1_0 = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDisclaimer = nullptr;
};
