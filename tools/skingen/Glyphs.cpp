#include "Glyphs.h"
#include <QPainter>
#include <QPainterPath>

namespace skin {
namespace {

QPointF at(const QRectF &b, qreal fx, qreal fy)
{
    return QPointF(b.left() + b.width() * fx, b.top() + b.height() * fy);
}

void line(QPainter &p, const QRectF &b, qreal x1, qreal y1, qreal x2, qreal y2)
{
    p.drawLine(at(b, x1, y1), at(b, x2, y2));
}

void polyline(QPainter &p, const QRectF &b, std::initializer_list<QPointF> pts)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF &f : pts) {
        const QPointF q = at(b, f.x(), f.y());
        if (first)
            path.moveTo(q);
        else
            path.lineTo(q);
        first = false;
    }
    p.drawPath(path);
}

void arrow(QPainter &p, const QRectF &b, qreal angleDeg)
{
    // Drawn pointing right, then turned about the centre.
    p.save();
    p.translate(b.center());
    p.rotate(angleDeg);
    const QRectF u(-b.width() / 2, -b.height() / 2, b.width(), b.height());
    QPainterPath head;
    head.moveTo(at(u, 0.85, 0.5));
    head.lineTo(at(u, 0.45, 0.12));
    head.lineTo(at(u, 0.45, 0.88));
    head.closeSubpath();
    p.fillPath(head, p.pen().color());
    p.drawLine(at(u, 0.15, 0.5), at(u, 0.5, 0.5));
    p.restore();
}

void trayArrow(QPainter &p, const QRectF &b, bool out)
{
    polyline(p, b, {{0.15, 0.55}, {0.15, 0.85}, {0.85, 0.85}, {0.85, 0.55}});
    line(p, b, 0.5, 0.12, 0.5, 0.66);
    if (out)
        polyline(p, b, {{0.3, 0.32}, {0.5, 0.12}, {0.7, 0.32}});
    else
        polyline(p, b, {{0.3, 0.46}, {0.5, 0.66}, {0.7, 0.46}});
}

} // namespace

void drawGlyph(QPainter &p, Glyph g, const QRectF &box, const QColor &color, qreal width)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QRectF &b = box;
    switch (g) {
    case Glyph::Cross:
        line(p, b, 0.2, 0.2, 0.8, 0.8);
        line(p, b, 0.8, 0.2, 0.2, 0.8);
        break;
    case Glyph::Minus:
        line(p, b, 0.2, 0.5, 0.8, 0.5);
        break;
    case Glyph::Plus:
        line(p, b, 0.2, 0.5, 0.8, 0.5);
        line(p, b, 0.5, 0.2, 0.5, 0.8);
        break;
    case Glyph::List:
        for (qreal y : {0.25, 0.5, 0.75}) {
            line(p, b, 0.34, y, 0.84, y);
            p.drawPoint(at(b, 0.18, y));
        }
        break;
    case Glyph::TrayOut:
        trayArrow(p, b, true);
        break;
    case Glyph::TrayIn:
        trayArrow(p, b, false);
        break;
    case Glyph::Globe: {
        const QRectF r(at(b, 0.12, 0.12), at(b, 0.88, 0.88));
        p.drawEllipse(r);
        p.drawEllipse(QRectF(r.center().x() - r.width() * 0.2, r.top(), r.width() * 0.4, r.height()));
        line(p, b, 0.12, 0.5, 0.88, 0.5);
        line(p, b, 0.2, 0.3, 0.8, 0.3);
        line(p, b, 0.2, 0.7, 0.8, 0.7);
        break;
    }
    case Glyph::ChevronDown:
        polyline(p, b, {{0.2, 0.38}, {0.5, 0.66}, {0.8, 0.38}});
        break;
    case Glyph::ChevronUp:
        polyline(p, b, {{0.2, 0.62}, {0.5, 0.34}, {0.8, 0.62}});
        break;
    case Glyph::ArrowRight:
        arrow(p, b, 0);
        break;
    case Glyph::ArrowDown:
        arrow(p, b, 90);
        break;
    case Glyph::ArrowLeft:
        arrow(p, b, 180);
        break;
    case Glyph::ArrowUp:
        arrow(p, b, 270);
        break;
    }
    p.restore();
}

} // namespace skin
