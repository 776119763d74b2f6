#include "ui/panels/PreviewColorArea.h"
#include <QPainter>

PreviewColorArea::PreviewColorArea(QWidget *parent) : QWidget(parent)
{
    setObjectName("previewArea");
}

void PreviewColorArea::setOldColor(const QColor &color)
{
    m_old = color.toRgb();
    update();
}

void PreviewColorArea::setNewColor(const QColor &color)
{
    m_new = color.toRgb();
    update();
}

void PreviewColorArea::svChangedSlot(int h, int s, int v)
{
    // Kept as RGB: that is how the colour is stored and compared.
    m_new = QColor::fromHsv(qBound(0, h, 359), qBound(0, s, 255), qBound(0, v, 255)).toRgb();
    update();
    emit svChangedSignal(h, s, v);
}

void PreviewColorArea::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect area = rect().adjusted(0, 0, -1, -1);
    const int half = area.width() / 2;
    p.fillRect(QRect(area.left(), area.top(), half, area.height()), m_old);
    p.fillRect(QRect(area.left() + half, area.top(), area.width() - half + 1, area.height()), m_new);
    p.setPen(QPen(QColor(150, 150, 158), 1));
    p.drawRect(area);
}
