#include "Backgrounds.h"
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace skin {
namespace {

// Fine diagonal hatching, clipped to a path.
void hatch(QPainter &p, const QPainterPath &clip, int step, int alpha)
{
    p.save();
    p.setClipPath(clip);
    p.setPen(QPen(QColor(255, 255, 255, alpha), 1));
    const QRectF b = clip.boundingRect();
    for (qreal x = b.left() - b.height(); x < b.right(); x += step)
        p.drawLine(QPointF(x, b.bottom()), QPointF(x + b.height(), b.top()));
    p.restore();
}

// Short red marks on the cut corners of a frame.
void cornerMarks(QPainter &p, const QRectF &r, qreal c, qreal len)
{
    p.save();
    p.setPen(QPen(kAccent, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(r.left() + c, r.top()), QPointF(r.left() + c + len, r.top()));
    p.drawLine(QPointF(r.left(), r.top() + c), QPointF(r.left(), r.top() + c + len));
    p.drawLine(QPointF(r.right() - c, r.bottom()), QPointF(r.right() - c - len, r.bottom()));
    p.drawLine(QPointF(r.right(), r.bottom() - c), QPointF(r.right(), r.bottom() - c - len));
    p.restore();
}

QImage mainBackground()
{
    const int w = 999, h = 640;
    QImage img = canvas(w, h);
    QPainter p(&img);
    antialias(p);

    const QRectF outer(1, 1, w - 2, h - 2);
    const QPainterPath shape = chamferRect(outer, 26, 26, 44, 26);
    QLinearGradient body(0, 0, 0, h);
    body.setColorAt(0, QColor(28, 28, 32));
    body.setColorAt(1, QColor(11, 11, 13));
    p.fillPath(shape, body);
    hatch(p, shape, 6, 5);

    // Header band with an angular lower edge.
    QPainterPath header;
    header.moveTo(outer.left() + 26, outer.top());
    header.lineTo(outer.right() - 26, outer.top());
    header.lineTo(outer.right(), outer.top() + 26);
    header.lineTo(outer.right(), 62);
    header.lineTo(420, 62);
    header.lineTo(400, 72);
    header.lineTo(outer.left(), 72);
    header.lineTo(outer.left(), outer.top() + 26);
    header.closeSubpath();
    QLinearGradient hg(0, 0, 0, 72);
    hg.setColorAt(0, QColor(50, 50, 56));
    hg.setColorAt(1, QColor(24, 24, 28));
    p.fillPath(header, hg);
    p.save();
    p.setClipPath(shape);
    p.setPen(QPen(kAccent, 2));
    p.drawLine(QPointF(outer.left(), 72), QPointF(400, 72));
    p.drawLine(QPointF(400, 72), QPointF(420, 62));
    p.setPen(QPen(QColor(80, 80, 90), 1));
    p.drawLine(QPointF(420, 62), QPointF(outer.right(), 62));
    p.restore();
    glow(p, [] { QPainterPath l; l.moveTo(20, 72); l.lineTo(400, 72); return l; }(), QColor(255, 0, 0, 160), 6);

    // Stage for the mouse picture on the left.
    const QRectF stage(18, 88, 352, 534);
    const QPainterPath stagePath = chamferRect(stage, 18);
    QLinearGradient sg(stage.topLeft(), stage.bottomLeft());
    sg.setColorAt(0, QColor(22, 22, 26));
    sg.setColorAt(1, QColor(16, 16, 18));
    p.fillPath(stagePath, sg);
    QRadialGradient spot(stage.center().x(), stage.bottom() - 60, 230);
    spot.setColorAt(0, QColor(255, 0, 0, 46));
    spot.setColorAt(0.6, QColor(255, 0, 0, 10));
    spot.setColorAt(1, QColor(255, 0, 0, 0));
    p.fillPath(stagePath, spot);
    // Floor ellipse under the mouse.
    p.save();
    p.setClipPath(stagePath);
    p.setPen(QPen(QColor(255, 60, 60, 70), 1));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(stage.center().x(), stage.bottom() - 52), 120 - i * 28, 18 - i * 4);
    p.restore();
    p.strokePath(stagePath, QPen(QColor(70, 70, 80), 1));
    cornerMarks(p, stage, 18, 30);

    // Content area on the right.
    const QRectF content(384, 88, 598, 534);
    const QPainterPath contentPath = chamferRect(content, 0, 18, 30, 18);
    QLinearGradient cg(content.topLeft(), content.bottomLeft());
    cg.setColorAt(0, QColor(19, 19, 22));
    cg.setColorAt(1, QColor(13, 13, 15));
    p.fillPath(contentPath, cg);
    p.strokePath(contentPath, QPen(QColor(62, 62, 72), 1));
    p.setPen(QPen(kAccent, 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(content.left(), content.top() + 20), QPointF(content.left(), content.top() + 80));

    // Outer rim: bright top, dark bottom, red accents near the cut corners.
    QLinearGradient rim(0, 0, 0, h);
    rim.setColorAt(0, QColor(120, 120, 132));
    rim.setColorAt(0.3, QColor(60, 60, 68));
    rim.setColorAt(1, QColor(36, 36, 40));
    p.strokePath(shape, QPen(QBrush(rim), 2));
    p.setPen(QPen(kAccent, 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(outer.right() - 44, outer.bottom() - 1), QPointF(outer.right() - 140, outer.bottom() - 1));
    p.drawLine(QPointF(outer.left() + 26, outer.top() + 1), QPointF(outer.left() + 110, outer.top() + 1));
    return img;
}

QImage dialogBackground(int w, int h)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    antialias(p);
    const QRectF r(0, 0, w, h);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(34, 34, 38));
    g.setColorAt(0.35, QColor(20, 20, 23));
    g.setColorAt(1, QColor(10, 10, 12));
    p.fillRect(r, g);
    QPainterPath all;
    all.addRect(r);
    hatch(p, all, 6, 6);
    // Title band.
    QLinearGradient tg(0, 0, 0, 44);
    tg.setColorAt(0, QColor(255, 255, 255, 18));
    tg.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, w, 44), tg);
    p.setPen(QPen(QColor(255, 0, 0, 150), 1));
    p.drawLine(QPointF(14, 44), QPointF(w * 0.45, 44));
    p.setPen(QPen(QColor(70, 70, 80), 1));
    p.drawLine(QPointF(w * 0.45, 44), QPointF(w - 14, 44));
    // Faint red glow from the bottom edge.
    QRadialGradient spot(w / 2.0, h, w * 0.55);
    spot.setColorAt(0, QColor(255, 0, 0, 34));
    spot.setColorAt(1, QColor(255, 0, 0, 0));
    p.fillRect(r, spot);
    // Inner frame; the dialog draws its theme frame over the outer pixels.
    p.setPen(QPen(QColor(60, 60, 68), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(chamferRect(r.adjusted(6.5, 6.5, -6.5, -6.5), 10));
    return img;
}

} // namespace

QImage processPlate()
{
    const int s = 128;
    QImage img = canvas(s, s);
    QPainter p(&img);
    antialias(p);
    const QPainterPath plate = chamferRect(QRectF(1, 1, s - 2, s - 2), 16);
    QLinearGradient g(0, 0, 0, s);
    g.setColorAt(0, QColor(46, 46, 52));
    g.setColorAt(1, QColor(14, 14, 16));
    p.fillPath(plate, g);
    p.strokePath(plate, QPen(QColor(90, 90, 100), 1.5));
    // Flat well under the animation, with a red ring around it.
    const QPointF c(s / 2.0, s / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kWellGrey, kWellGrey, kWellGrey));
    p.drawEllipse(c, 55, 55);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 0, 0, 190), 2));
    p.drawEllipse(c, 57, 57);
    p.setPen(QPen(QColor(0, 0, 0, 160), 1));
    p.drawEllipse(c, 55.5, 55.5);
    return img;
}

void drawBackgrounds(SkinOutput &out)
{
    out.put("cfgMainback.png", mainBackground());
    out.put("dlg.png", dialogBackground(478, 309));
    out.put("dlg_gun.png", dialogBackground(619, 400));
    out.put("process.png", processPlate());
}

} // namespace skin
