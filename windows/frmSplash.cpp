#include "frmSplash.h"

#include "AppInfo.h"
#include "KeyPreview.h"
#include "PlatformWindow.h"
#include "Twips.h"
#include "WindowLook.h"
#include "WindowSet.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <QTimer>
#include <qdrawutil.h>

namespace {

constexpr int CarriageReturn = 13;

// A fixed dialog frame: a raised edge of two lines and one of the window's face.
constexpr int Border = 3;

// The character a key press types, as its code; 0 when it types none. Control
// characters count: Escape, Backspace and Ctrl with a letter type one too. Alt with a
// key is a menu key, not typing (Ctrl+Alt is AltGr on Windows, which does type), and
// Delete types nothing, whatever text some keyboards attach to it.
int typedCharacter(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if ((modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier)) ||
        event.key() == Qt::Key_Delete) {
        return 0;
    }
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        return CarriageReturn;
    }
    const QString text = event.text();
    return text.isEmpty() ? 0 : static_cast<int>(text.at(0).unicode());
}

// The splash's labels: Arial (or the font the system gives its metrics), and each takes
// its own clicks, so they do not reach the frame behind it.
LabelStyle inArial(qreal points, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return {.takesClicks = true, .font = font};
}

} // namespace

frmSplash::frmSplash()
{
    setObjectName(QStringLiteral("frmSplash"));
    // No title bar and no taskbar entry, but an ordinary window without an owner, which
    // takes the keyboard focus (window managers may keep it from a splash-screen window).
    // The thin fixed frame is the platform's, or else drawn here around the client area.
    m_border = PlatformWindow::frameWithoutTitle(this) ? 0 : Border;
    const QRect clientArea(QPoint(m_border, m_border),
                           QSize(Twips::toPixels(7380), Twips::toPixels(4245)));
    setFixedSize(clientArea.size().grownBy(QMargins(m_border, m_border, m_border, m_border)));
    PlatformWindow::keepOffTaskbar(this);
    PlatformWindow::keepUntitled(this);

    tmrAdvance = new QTimer(this);
    tmrAdvance->setObjectName(QStringLiteral("tmrAdvance"));
    tmrAdvance->setInterval(2000);
    tmrAdvance->setSingleShot(true);
    connect(tmrAdvance, &QTimer::timeout, this, &frmSplash::tmrAdvance_Timer);

    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setGeometry(clientArea);
    Frame1 = new QGroupBox(client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(Twips::rect(150, 60, 7080, 4050));

    imgLogo = new QLabel(Frame1);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(Twips::rect(360, 795, 1815, 1785));
    imgLogo->setScaledContents(true);
    imgLogo->setAttribute(Qt::WA_NoMousePropagation); // the logo takes its own clicks

    lblCopyright = WindowLook::label(Frame1, "lblCopyright", tr("Copyright"),
                                     Twips::rect(4560, 3060, 2415, 255), inArial(8.25));
    lblCompany = WindowLook::label(Frame1, "lblCompany", QStringLiteral("Kelvane Corp."),
                                   Twips::rect(4560, 3270, 2415, 255), inArial(8.25));
    lblWarning =
        WindowLook::label(Frame1, "lblWarning",
                          tr("Warning: Objects in screen appear closer than they actually are."),
                          Twips::rect(150, 3660, 6855, 195), inArial(8.25));
    lblVersion = WindowLook::label(Frame1, "lblVersion", QStringLiteral("Version"),
                                   Twips::rect(5970, 2700, 885, 285), inArial(12, true));
    lblVersion->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblPlatform = WindowLook::label(Frame1, "lblPlatform", tr("Platform"),
                                    Twips::rect(5580, 2340, 1275, 360), inArial(15.75, true));
    lblPlatform->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblProductName = WindowLook::label(Frame1, "lblProductName", QStringLiteral("Product"),
                                       Twips::rect(2520, 1140, 2430, 765), inArial(32.25, true));
    lblCompanyProduct =
        WindowLook::label(Frame1, "lblCompanyProduct", QStringLiteral("Kelvane Corp."),
                          Twips::rect(2355, 705, 2475, 435), inArial(18, true));

    // Key preview: the splash sees every key press before its controls do.
    auto* preview = new KeyPreview(this, [this](const QKeyEvent& key) {
        const int keyAscii = typedCharacter(key);
        if (keyAscii != 0) {
            Form_KeyPress(keyAscii);
        }
        return keyAscii != 0;
    });
    for (QWidget* child : findChildren<QWidget*>()) {
        preview->watch(child);
    }
    // The frame's own clicks, told apart from those on the pictures and labels it holds.
    Frame1->installEventFilter(this);
}

void frmSplash::fitToText(QLabel* label)
{
    label->setWordWrap(false);
    const QSize size = label->sizeHint();
    // A script the font lacks is drawn in a fallback font whose taller ascent lowers the
    // line (Chinese and Japanese in Debian's fonts): the label rises by as much, so
    // its glyphs stand on the designed baseline, clear of the text below.
    QTextLayout layout(label->text(), label->font());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const int lowered = qRound(line.ascent() - QFontMetricsF(label->font()).ascent());
    QRect placed(label->pos() - QPoint(0, lowered), size);
    // A text aligned to the right on the screen (the left in a mirrored window) keeps its
    // right edge.
    if (QStyle::visualAlignment(label->layoutDirection(), label->alignment())
            .testFlag(Qt::AlignRight)) {
        placed.moveRight(label->geometry().right());
    }
    label->setGeometry(placed);
}

void frmSplash::Form_Load()
{
    lblVersion->setText(WindowLook::versionText());
    lblProductName->setText(QString::fromUtf8(AppInfo::Title));
    tmrAdvance->start();
    // The logo and the self-sizing labels are put in place once the window is on screen,
    // before it is first painted: decoding the picture and measuring text (which loads
    // the fonts) need not hold up the window.
    QMetaObject::invokeMethod(this, &frmSplash::prepareFirstPaint, Qt::QueuedConnection);
}

void frmSplash::prepareFirstPaint()
{
    imgLogo->setPixmap(WindowLook::picture(QStringLiteral(":/logo.png"), devicePixelRatioF()));
    for (QLabel* label : {lblVersion, lblPlatform, lblProductName, lblCompanyProduct}) {
        fitToText(label);
    }
}

void frmSplash::Form_KeyPress(int keyAscii)
{
    Q_UNUSED(keyAscii); // any character will do
    advance();
}

void frmSplash::Frame1_Click()
{
    advance();
}

void frmSplash::tmrAdvance_Timer()
{
    advance();
}

void frmSplash::advance()
{
    if (m_advanced) {
        return;
    }
    // Until it is destroyed the splash still exists, for instance while the game
    // window's name prompts are open: nothing of it may fire again.
    m_advanced = true;
    tmrAdvance->stop();
    Frame1->removeEventFilter(this);
    WindowSet::unload(this);
    // The next window is loaded in this same handler, before its prompts open, so the
    // program does not end for lack of a loaded window in between.
    emit advanced();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != Frame1) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_framePressed = true;
        return true;
    case QEvent::MouseButtonRelease:
        if (m_framePressed) {
            m_framePressed = false;
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (Frame1->rect().contains(mouse->position().toPoint())) {
                Frame1_Click();
            }
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmSplash::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    if (m_border > 0) {
        QPainter painter(this);
        qDrawWinPanel(&painter, rect(), palette(), false);
    }
}
