#include "ui/panels/HColorArea.h"
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <cmath>

namespace {
constexpr int kGradientWidth = 34;
constexpr int kGradientHeight = 270;
constexpr int kStops = 16;
constexpr int kMarkerInner = 7; // cursor triangle length
constexpr int kMarkerOuter = 9; // cursor triangle height
} // namespace

HColorArea::HColorArea(QWidget *parent) : QWidget(parent)
{
    setObjectName("hueArea");
    m_gradient = QPixmap(kGradientWidth, kGradientHeight);
    QPainter p(&m_gradient);
    QLinearGradient gradient(0, kGradientHeight, 0, 0);
    for (int i = 0; i < kStops; ++i)
        gradient.setColorAt(double(i) / kStops, QColor::fromHsv(360 * i / kStops, 255, 255));
    gradient.setColorAt(1.0, QColor::fromHsv(0, 255, 255));
    p.fillRect(m_gradient.rect(), gradient);
    setCursor(Qt::CrossCursor);
    setScale(1.0);
}

void HColorArea::setScale(double scale)
{
    m_scale = scale;
    setFixedSize(int(std::lround(BASE_WIDTH * scale)), int(std::lround(BASE_HEIGHT * scale)));
    update();
}

void HColorArea::setHue(int hue)
{
    if (hue < 0)
        return; // achromatic colours keep the hue they had
    m_hue = qBound(0, hue % 360, 359);
    update();
}

QRect HColorArea::barRect() const
{
    const int inset = int(std::lround(kMarkerInner * m_scale * 0.8));
    const int half = int(std::lround(kMarkerOuter * m_scale / 2));
    return QRect(inset, half, qMax(1, width() - 2 * inset), qMax(1, height() - 2 * half));
}

void HColorArea::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect bar = barRect();
    p.drawPixmap(bar, m_gradient);
    p.setPen(QPen(QColor(90, 90, 98), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(bar).adjusted(-0.5, -0.5, 0.5, 0.5));

    // Two triangles pointing at the current hue from both sides.
    const double y = bar.bottom() - (bar.height() - 1) * m_hue / 359.0;
    const double len = kMarkerInner * m_scale * 0.8;
    const double half = kMarkerOuter * m_scale / 2;
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(0, y - half), QPointF(len, y), QPointF(0, y + half)}));
    p.drawPolygon(QPolygonF({QPointF(width(), y - half), QPointF(width() - len, y), QPointF(width(), y + half)}));
}

void HColorArea::hueFromPosition(int y)
{
    const QRect bar = barRect();
    const int clamped = qBound(bar.top(), y, bar.bottom());
    const int hue = int(std::lround(359.0 * (bar.bottom() - clamped) / qMax(1, bar.height() - 1)));
    m_hue = qBound(0, hue, 359);
    update();
    emit hueChangedSignal(m_hue);
}

void HColorArea::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        hueFromPosition(event->pos().y());
}

void HColorArea::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        hueFromPosition(event->pos().y());
}

void HColorArea::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit mouseReleaseSignal();
}
