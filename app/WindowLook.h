#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <optional>

class QLabel;
class QWidget;

// How a designed label differs from a plain one.
struct LabelStyle {
    bool wordWrap = true;                 // the caption wraps inside the label's width
    bool fillBackground = false;          // paints its own background over what lies behind
    bool takesClicks = false;             // keeps its clicks from the frame behind it
    std::optional<QFont> font = {};       // otherwise the window's font
    std::optional<QColor> textColor = {}; // otherwise the system's text colour
};

// What the windows share in how they look: the designed fonts, the pictures, plain
// labels.
class WindowLook {
public:
    // `family` at `points` where it is installed and draws no wider than its stand-in;
    // otherwise the stand-in: `fallback` (a family with the same metrics), or the
    // system's default family when `fallback` is empty.
    static QFont designedFont(const QString& family, qreal points, const QString& fallback = {});

    // The picture at `path`, or its twice-as-large "@2x" version on a high-density screen.
    static QPixmap picture(const QString& path, qreal devicePixelRatio);

    // The version line of the splash and About windows in the player's language
    // ("Version 1.0.0").
    static QString versionText();

    // A fully transparent icon, for windows that carry none: a null icon would let a
    // window take the program's.
    static QIcon noIcon();

    // A label at its designed place that shows its caption as plain text, aligned top
    // left: what a player typed is never read as markup.
    static QLabel* label(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                         const LabelStyle& style = {});

    // Sets up `window` as an ordinary window without an owner, with the fixed-dialog
    // frame (a title bar with a close box only), no icon, the windows' designed font,
    // its client area `widthTwips` x `heightTwips`, and no taskbar button. Call from the
    // window's constructor.
    static void setUpFixedDialog(QWidget* window, const char* name, const QString& caption,
                                 int widthTwips, int heightTwips);
};
