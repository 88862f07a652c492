#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// How to play: a small window of rules beside the board, which stays playable.
class frmHelp : public QWidget {
    Q_OBJECT

public:
    frmHelp();

    void Form_Load() {}

protected:
    // The close box unloads the window, as OK does.
    void closeEvent(QCloseEvent* event) override;

private:
    void OKButton_Click();

    QPushButton* OKButton = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
};
