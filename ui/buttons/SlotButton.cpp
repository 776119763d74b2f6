#include "ui/buttons/SlotButton.h"
#include "storage/ConfigStorage.h"
#include <QPainter>
#include <QPainterPath>

SlotButton::SlotButton(const QStringList &imagePaths, QWidget *parent) : KestPushButton(imagePaths, parent)
{
}

void SlotButton::paintEvent(QPaintEvent *event)
{
    KestPushButton::paintEvent(event);
    if (width() <= 0 || height() <= 0)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal h = height();
    const qreal size = h * 0.22;
    const QPointF centre(width() - h * 0.55, h / 2.0 + size * 0.25);
    QPainterPath chevron;
    chevron.moveTo(centre + QPointF(-size, -size / 2));
    chevron.lineTo(centre + QPointF(0, size / 2));
    chevron.lineTo(centre + QPointF(size, -size / 2));
    const QColor ink = isChecked() ? themeColor().lighter(150) : QColor(200, 200, 200);
    p.strokePath(chevron, QPen(ink, qMax<qreal>(1.2, h / 18.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}
