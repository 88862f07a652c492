#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QTimer;

// The splash window shown at start-up: the logo, the product's name and version. It
// hands over to the next window after two seconds, at a key that types a character or
// at a click on its frame, whichever comes first.
class frmSplash : public QWidget {
    Q_OBJECT

public:
    frmSplash();

    // Load handler: puts the version and product name in place and starts the timer.
    void Form_Load();

signals:
    // The splash has unloaded itself: the next window is to be shown now, while the
    // hand-over is still under way.
    void advanced();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The border around the client area.
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_KeyPress(int keyAscii);
    void Frame1_Click();
    void tmrAdvance_Timer();
    // Unloads the splash and shows the game window, once only.
    void advance();

    // Sizes `label` to its text; the right edge stays put when it is right-aligned,
    // otherwise the left edge does. The text's baseline stays where the label's own font
    // puts it, whatever script the text is in.
    static void fitToText(QLabel* label);
    // Loads the logo and sizes the self-sizing labels to their text.
    void prepareFirstPaint();

    // The area inside the border, which holds the controls.
    QWidget* client = nullptr;
    QTimer* tmrAdvance = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* imgLogo = nullptr;
    QLabel* lblCopyright = nullptr;
    QLabel* lblCompany = nullptr;
    QLabel* lblWarning = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblPlatform = nullptr;
    QLabel* lblProductName = nullptr;
    QLabel* lblCompanyProduct = nullptr;

    int m_border = 0; // the frame drawn inside the window, where the platform draws none
    bool m_framePressed = false;
    bool m_advanced = false;
};
