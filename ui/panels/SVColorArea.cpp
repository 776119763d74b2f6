#include "ui/panels/SVColorArea.h"
#include <QDebug>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

SVColorArea::SVColorArea(QWidget *parent) : QWidget(parent)
{
    setObjectName("svArea");
    setCursor(Qt::CrossCursor);
    setScale(1.0);
}

void SVColorArea::setScale(double scale)
{
    const int side = int(std::lround(BASE_SIZE * scale));
    setFixedSize(side, side);
    update(); // the marker follows from saturation and value, whatever the size
}

void SVColorArea::setColor(const QColor &color)
{
    const QColor hsv = color.toHsv();
    if (hsv.hsvHue() >= 0)
        m_hue = hsv.hsvHue();
    m_saturation = hsv.hsvSaturation();
    m_value = hsv.value();
    update();
}

void SVColorArea::hueChangedSlot(int h)
{
    m_hue = qBound(0, h, 359);
    update();
    emit svChangedSignal(m_hue, m_saturation, m_value);
}

QPoint SVColorArea::markerPosition() const
{
    const int x = int(std::lround(double(width() - 1) * m_saturation / 255));
    const int y = int(std::lround(double(height() - 1) * (255 - m_value) / 255));
    return QPoint(x, y);
}

void SVColorArea::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect area = rect();
    QLinearGradient saturation(area.topLeft(), area.topRight());
    saturation.setColorAt(0, Qt::white);
    saturation.setColorAt(1, QColor::fromHsv(m_hue, 255, 255));
    p.fillRect(area, saturation);
    QLinearGradient value(area.topLeft(), area.bottomLeft());
    value.setColorAt(0, QColor(0, 0, 0, 0));
    value.setColorAt(1, QColor(0, 0, 0, 255));
    p.fillRect(area, value);
    p.setPen(QPen(QColor(90, 90, 98), 1));
    p.drawRect(area.adjusted(0, 0, -1, -1));

    p.setRenderHint(QPainter::Antialiasing);
    const QPointF marker = markerPosition();
    const double r = qMax(3.0, width() / 24.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 2.5));
    p.drawEllipse(marker, r, r);
    p.setPen(QPen(Qt::white, 1.2));
    p.drawEllipse(marker, r, r);
}

void SVColorArea::pickAt(const QPoint &pos)
{
    const int x = qBound(0, pos.x(), width() - 1);
    const int y = qBound(0, pos.y(), height() - 1);
    m_saturation = int(std::lround(255.0 * x / qMax(1, width() - 1)));
    m_value = int(std::lround(255.0 * (height() - 1 - y) / qMax(1, height() - 1)));
    update();
    emit svChangedSignal(m_hue, m_saturation, m_value);
}

void SVColorArea::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    qDebug("SVColorArea mousePressEvent %d %d\n", event->pos().x(), event->pos().y());
    pickAt(event->pos());
}

void SVColorArea::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        pickAt(event->pos());
}

void SVColorArea::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit mouseReleaseSignal();
}
