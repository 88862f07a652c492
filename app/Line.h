#pragma once

#include <QColor>
#include <QWidget>
#include <optional>

// A straight horizontal or vertical line drawn on its parent, between two points
// given in the parent's pixels. It takes no clicks and no focus, and a screen reader
// has nothing of it to read.
class Line : public QWidget {
    Q_OBJECT

public:
    Line(QWidget* parent, QPoint from, QPoint to, int width = 1);

    // Without a colour of its own the line takes the window-text colour.
    void setColor(const QColor& color);
    QColor color() const;

    QPoint from() const { return m_from; }
    QPoint to() const { return m_to; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint m_from;
    QPoint m_to;
    std::optional<QColor> m_color;
};
