#include "WindowLook.h"

#include "AppInfo.h"
#include "PlatformWindow.h"
#include "Twips.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLabel>
#include <QWidget>

QFont WindowLook::designedFont(const QString& family, qreal points, const QString& fallback)
{
    QFont standIn(fallback.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()
                                     : fallback);
    standIn.setPointSizeF(points);
    if (!QFontDatabase::families().contains(family)) {
        return standIn;
    }
    QFont font(family);
    font.setPointSizeF(points);
    // A font of the designed name that draws its text wider than the stand-in is not the
    // one the boxes were laid out for (Wine 10 draws its MS Sans Serif a size too large),
    // and its captions would not fit them.
    const QString sample = QStringLiteral("The quick brown fox jumps over the lazy dog.");
    constexpr qreal Tolerance = 1.1;
    if (QFontMetricsF(font).horizontalAdvance(sample) >
        Tolerance * QFontMetricsF(standIn).horizontalAdvance(sample)) {
        return standIn;
    }
    return font;
}

QPixmap WindowLook::picture(const QString& path, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        QString large = path;
        large.insert(large.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
        QPixmap sharp(large);
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(path);
}

QString WindowLook::versionText()
{
    //: The version line of the splash and About windows; %1 is the version, "1.0.0"
    const QString pattern = QCoreApplication::translate("WindowLook", "Version %1");
    return QString::fromStdString(AppInfo::versionText(pattern.toStdString()));
}

QIcon WindowLook::noIcon()
{
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

QLabel* WindowLook::label(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                          const LabelStyle& style)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    label->setWordWrap(style.wordWrap);
    label->setAutoFillBackground(style.fillBackground);
    label->setAttribute(Qt::WA_NoMousePropagation, style.takesClicks);
    if (style.font) {
        label->setFont(*style.font);
    }
    if (style.textColor) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, *style.textColor);
        label->setPalette(palette);
    }
    return label;
}

void WindowLook::setUpFixedDialog(QWidget* window, const char* name, const QString& caption,
                                  int widthTwips, int heightTwips)
{
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(caption);
    // An ordinary window without an owner, not a dialog: a dialog would be kept above
    // the program's other windows, and the game window must be able to come in front.
    window->setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    window->setWindowIcon(noIcon());
    // Laid out in MS Sans Serif 8; Arial 8 (or a font with its metrics) fits the same boxes.
    window->setFont(designedFont(QStringLiteral("MS Sans Serif"), 8.25, QStringLiteral("Arial")));
    window->setFixedSize(Twips::toPixels(widthTwips), Twips::toPixels(heightTwips));
    PlatformWindow::keepOffTaskbar(window);
}
