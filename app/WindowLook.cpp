#include "app/WindowLook.h"

#include <QFontDatabase>
#include <QLabel>

QFont WindowLook::designedFont(const QString& family, qreal points, const QString& fallback)
{
    QString chosen = family;
    if (!QFontDatabase::families().contains(family)) {
        chosen = fallback.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()
                                    : fallback;
    }
    QFont font(chosen);
    font.setPointSizeF(points);
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

QIcon WindowLook::noIcon()
{
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

QLabel* WindowLook::label(QWidget* parent, const char* name, const QString& caption, QRect geometry)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    return label;
}
