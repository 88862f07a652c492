#include "Line.h"

#include "AccessibleLine.h"

#include <QPainter>


Line::Line(QWidget* parent, QPoint from, QPoint to, int width)
    : QWidget(parent)
    , m_from(from)
    , m_to(to)
{
    static const bool accessible = [] {
        QAccessible::installFactory(&AccessibleLine::factory);
        return true;
    }();
    Q_UNUSED(accessible);
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

void Line::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), color());
}
