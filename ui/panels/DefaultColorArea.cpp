#include "ui/panels/DefaultColorArea.h"
#include <QDebug>
#include <QMouseEvent>
#include <QPainter>

DefaultColorArea::DefaultColorArea(const QColor &color, QWidget *parent) : QWidget(parent), m_color(color)
{
    setCursor(Qt::PointingHandCursor);
}

void DefaultColorArea::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void DefaultColorArea::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    // An invalid colour (never set in the profile) shows as an empty swatch.
    p.setBrush(m_color.isValid() ? m_color : QColor(30, 30, 34));
    p.setPen(QPen(m_hover ? QColor(Qt::white) : QColor(110, 110, 118), 1));
    p.drawRoundedRect(area, 3, 3);
}

void DefaultColorArea::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    qDebug("DefaultColorArea mousePressEvent");
    emit ClickedSignal();
}

void DefaultColorArea::enterEvent(QEvent *)
{
    m_hover = true;
    update();
}

void DefaultColorArea::leaveEvent(QEvent *)
{
    m_hover = false;
    update();
}
