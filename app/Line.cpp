#include "Line.h"

#include <QPainter>

#ifdef Q_OS_WIN
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

Line::Line(QWidget* parent, QPoint from, QPoint to, int width)
    : QWidget(parent)
    , m_from(from)
    , m_to(to)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    const QRect span = QRect(from, to).normalized();
    // A line covers its end points and is `width` pixels thick across its run.
    if (span.width() >= span.height()) {
        setGeometry(span.left(), span.top(), span.width() + 1, width);
    } else {
        setGeometry(span.left(), span.top(), width, span.height() + 1);
    }
}

void Line::setColor(const QColor& color)
{
    m_color = color;
    update();
}

QColor Line::color() const
{
    return m_color.value_or(palette().color(QPalette::WindowText));
}

QColor Line::inactiveTitleBarColor()
{
#ifdef Q_OS_WIN
    const COLORREF bgr = GetSysColor(COLOR_INACTIVECAPTION);
    return QColor(GetRValue(bgr), GetGValue(bgr), GetBValue(bgr));
#else
    // Desktops here publish no title-bar colour; the palette's inactive mid tone stands
    // in for it.
    return QPalette().color(QPalette::Inactive, QPalette::Mid);
#endif
}

void Line::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), color());
}
