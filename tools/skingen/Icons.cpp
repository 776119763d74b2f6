#include "Icons.h"
#include "Glyphs.h"
#include "IcoWriter.h"
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

namespace skin {
namespace {

QImage battery(const QColor &frame)
{
    const int w = 56, h = 24;
    QImage img = canvas(w, h);
    QPainter p(&img);
    antialias(p);
    QPainterPath body;
    body.addRoundedRect(QRectF(1.5, 1.5, w - 8, h - 3), 3, 3);
    QPainterPath nub;
    nub.addRoundedRect(QRectF(w - 6, h / 2.0 - 5, 4.5, 10), 1.5, 1.5);
    p.strokePath(body, QPen(frame, 2));
    p.fillPath(nub, frame);
    // Gloss on the upper rim only; the inside stays clear for the bar.
    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    p.drawLine(QPointF(5, 3), QPointF(w - 12, 3));
    return img;
}

QPainterPath boltPath(const QRectF &b)
{
    auto at = [&](qreal x, qreal y) { return QPointF(b.left() + b.width() * x, b.top() + b.height() * y); };
    QPainterPath bolt;
    bolt.moveTo(at(0.62, 0.0));
    bolt.lineTo(at(0.08, 0.58));
    bolt.lineTo(at(0.46, 0.58));
    bolt.lineTo(at(0.34, 1.0));
    bolt.lineTo(at(0.92, 0.40));
    bolt.lineTo(at(0.54, 0.40));
    bolt.closeSubpath();
    return bolt;
}

QImage lightning()
{
    const int w = 16, h = 24;
    QImage img = canvas(w, h);
    QPainter p(&img);
    antialias(p);
    const QPainterPath bolt = boltPath(QRectF(1, 1, w - 2, h - 2));
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, QColor(255, 40, 40));
    p.fillPath(bolt, g);
    p.strokePath(bolt, QPen(QColor(120, 0, 0), 0.8));
    return img;
}

// The metal end of a USB-A plug with its two contact windows.
void drawPlug(QPainter &p, const QRectF &plug)
{
    QLinearGradient metal(plug.topLeft(), plug.topRight());
    metal.setColorAt(0, QColor(120, 120, 128));
    metal.setColorAt(0.5, QColor(220, 220, 228));
    metal.setColorAt(1, QColor(110, 110, 118));
    p.setPen(QPen(kEdgeDark, 1));
    p.setBrush(metal);
    p.drawRect(plug);
    p.setBrush(QColor(40, 40, 44));
    p.setPen(Qt::NoPen);
    const qreal hole = plug.width() * 0.1875;
    p.drawRect(QRectF(QPointF(plug.left() + plug.width() * 0.22, plug.top() + plug.height() * 0.25), QSizeF(hole, hole)));
    p.drawRect(QRectF(QPointF(plug.left() + plug.width() * 0.59, plug.top() + plug.height() * 0.25), QSizeF(hole, hole)));
}

// A dark moulded body with the red status light at ledY (0..1 of b).
void drawBody(QPainter &p, const QRectF &b, const QRectF &body, qreal ledY)
{
    bevelFill(p, chamferRect(body, b.width() * 0.06), QColor(64, 64, 72), QColor(20, 20, 24));
    const QPointF centre(b.left() + b.width() * 0.5, b.top() + b.height() * ledY);
    QRadialGradient led(centre, b.width() * 0.08);
    led.setColorAt(0, QColor(255, 140, 140));
    led.setColorAt(1, QColor(255, 0, 0, 0));
    p.setBrush(led);
    p.drawEllipse(centre, b.width() * 0.08, b.width() * 0.08);
}

// USB receiver: metal plug, dark body with a red status light.
void drawReceiver(QPainter &p, const QRectF &b, bool waves)
{
    auto at = [&](qreal x, qreal y) { return QPointF(b.left() + b.width() * x, b.top() + b.height() * y); };
    drawPlug(p, QRectF(at(0.34, 0.06), at(0.66, 0.38)));
    drawBody(p, b, QRectF(at(0.28, 0.36), at(0.72, 0.94)), 0.78);
    if (waves) {
        // Signal arcs rising from the plug.
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 3; ++i) {
            const qreal r = b.width() * (0.16 + 0.12 * i);
            p.setPen(QPen(QColor(255, 0, 0, 230 - 60 * i), b.width() * 0.03, Qt::SolidLine, Qt::RoundCap));
            const QPointF c = at(0.5, 0.02);
            p.drawArc(QRectF(c - QPointF(r, r), QSizeF(2 * r, 2 * r)), 50 * 16, 80 * 16);
        }
    }
}

QImage dongle(int size, bool waves)
{
    QImage img = canvas(size, size);
    QPainter p(&img);
    antialias(p);
    // Leave room above the plug for the signal arcs.
    const QRectF box = waves ? QRectF(size * 0.18, size * 0.3, size * 0.64, size * 0.68) : QRectF(0, 0, size, size);
    drawReceiver(p, box, waves);
    return img;
}

// USB cable end: the metal plug of the receiver's icon, a dark moulded grip
// with the red light, and the cable leaving it in a curve.
QImage cable(int size)
{
    QImage img = canvas(size, size);
    QPainter p(&img);
    antialias(p);
    const QRectF b(0, 0, size, size);
    auto at = [&](qreal x, qreal y) { return QPointF(b.width() * x, b.height() * y); };
    QPainterPath lead;
    lead.moveTo(at(0.5, 0.66));
    lead.cubicTo(at(0.5, 0.9), at(0.18, 0.82), at(0.14, 0.98));
    p.strokePath(lead, QPen(QColor(20, 20, 24), size * 0.13, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(lead, QPen(QColor(80, 80, 88), size * 0.07, Qt::SolidLine, Qt::RoundCap));
    drawPlug(p, QRectF(at(0.36, 0.02), at(0.64, 0.3)));
    drawBody(p, b, QRectF(at(0.3, 0.28), at(0.7, 0.7)), 0.5);
    return img;
}

// Brand emblem: a cut shield with three red slashes.
void drawEmblem(QPainter &p, const QRectF &b)
{
    auto at = [&](qreal x, qreal y) { return QPointF(b.left() + b.width() * x, b.top() + b.height() * y); };
    QPainterPath shield;
    shield.moveTo(at(0.5, 0.02));
    shield.lineTo(at(0.92, 0.18));
    shield.lineTo(at(0.86, 0.62));
    shield.lineTo(at(0.5, 0.98));
    shield.lineTo(at(0.14, 0.62));
    shield.lineTo(at(0.08, 0.18));
    shield.closeSubpath();
    bevelFill(p, shield, QColor(70, 70, 80), QColor(16, 16, 18));
    p.save();
    p.setClipPath(shield);
    for (int i = 0; i < 3; ++i) {
        const qreal x = 0.26 + 0.17 * i;
        QPainterPath slash;
        slash.moveTo(at(x + 0.10, 0.16));
        slash.lineTo(at(x + 0.17, 0.16));
        slash.lineTo(at(x + 0.02, 0.86));
        slash.lineTo(at(x - 0.05, 0.86));
        slash.closeSubpath();
        QLinearGradient g(at(0, 0.1), at(0, 0.9));
        g.setColorAt(0, QColor(255, 70, 70));
        g.setColorAt(1, QColor(150, 0, 0));
        p.fillPath(slash, g);
    }
    p.restore();
    p.strokePath(shield, QPen(QColor(255, 0, 0, 150), qMax(1.0, b.width() / 48)));
}

QImage mouseLogo()
{
    const int w = 140, h = 44;
    QImage img = canvas(w, h);
    QPainter p(&img);
    antialias(p);
    drawEmblem(p, QRectF(2, 2, 38, 40));
    // Stylised wordmark bars instead of text.
    const qreal lengths[] = {86, 70, 54};
    for (int i = 0; i < 3; ++i) {
        const QRectF bar(48, 8 + i * 11, lengths[i], 5);
        p.fillPath(chamferRect(bar, 0, 2.5, 0, 2.5), i == 0 ? QColor(220, 220, 228) : QColor(110, 110, 120));
    }
    p.fillRect(QRectF(48, 39, 24, 2), kAccent);
    return img;
}

QImage warning()
{
    const int s = 96;
    QImage img = canvas(s, s);
    QPainter p(&img);
    antialias(p);
    QPainterPath tri;
    tri.moveTo(48, 8);
    tri.lineTo(90, 84);
    tri.lineTo(6, 84);
    tri.closeSubpath();
    glow(p, tri, QColor(255, 0, 0, 170), 5);
    QLinearGradient g(0, 8, 0, 84);
    g.setColorAt(0, QColor(255, 60, 60));
    g.setColorAt(1, QColor(140, 0, 0));
    p.fillPath(tri, g);
    p.strokePath(tri, QPen(QColor(255, 190, 190), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    QPainterPath bar;
    bar.moveTo(43, 32);
    bar.lineTo(53, 32);
    bar.lineTo(50.5, 62);
    bar.lineTo(45.5, 62);
    bar.closeSubpath();
    p.drawPath(bar);
    p.drawEllipse(QPointF(48, 72), 4.5, 4.5);
    return img;
}

QImage appIcon(int s)
{
    QImage img = canvas(s, s);
    QPainter p(&img);
    antialias(p);
    const QPainterPath back = chamferRect(QRectF(0.5, 0.5, s - 1, s - 1), s * 0.18);
    bevelFill(p, back, QColor(44, 44, 50), QColor(10, 10, 12));
    drawEmblem(p, QRectF(s * 0.16, s * 0.12, s * 0.68, s * 0.76));
    return img;
}

QImage reportRate()
{
    const int s = 40;
    QImage img = canvas(s, s);
    QPainter p(&img);
    antialias(p);
    QPainterPath ring;
    ring.addEllipse(QPointF(20, 20), 18, 18);
    bevelFill(p, ring, QColor(52, 52, 60), QColor(18, 18, 22));
    QPainterPath pulse;
    pulse.moveTo(6, 21);
    pulse.lineTo(13, 21);
    pulse.lineTo(16, 12);
    pulse.lineTo(21, 30);
    pulse.lineTo(25, 16);
    pulse.lineTo(27, 21);
    pulse.lineTo(34, 21);
    glow(p, pulse, QColor(255, 0, 0, 180), 3);
    p.strokePath(pulse, QPen(QColor(255, 70, 70), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    return img;
}

QImage pointerSpeed()
{
    const int s = 40;
    QImage img = canvas(s, s);
    QPainter p(&img);
    antialias(p);
    QPainterPath ring;
    ring.addEllipse(QPointF(20, 20), 18, 18);
    bevelFill(p, ring, QColor(52, 52, 60), QColor(18, 18, 22));
    const QRectF dial(7, 8, 26, 26);
    p.setPen(QPen(QColor(120, 120, 130), 2.5, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(dial, -30 * 16, 240 * 16);
    p.setPen(QPen(kAccent, 2.5, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(dial, -30 * 16, 90 * 16);
    const QPointF c = dial.center();
    const qreal a = qDegreesToRadians(35.0);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(qCos(a) * 10, -qSin(a) * 10));
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, 2.5, 2.5);
    return img;
}

QImage smallRound(Glyph g)
{
    const int s = 20;
    QImage img = canvas(s, s);
    QPainter p(&img);
    antialias(p);
    QPainterPath disc;
    disc.addEllipse(QPointF(10, 10), 9, 9);
    bevelFill(p, disc, QColor(64, 64, 72), QColor(22, 22, 26));
    p.strokePath(disc, QPen(QColor(255, 0, 0, 170), 1));
    drawGlyph(p, g, QRectF(4, 4, 12, 12), kGlyphHot, 1.8);
    return img;
}

QImage insertMouseKey()
{
    const int s = 32;
    QImage img = canvas(s, s);
    QPainter p(&img);
    antialias(p);
    QPainterPath mouse;
    mouse.addRoundedRect(QRectF(5, 3, 16, 26), 8, 8);
    bevelFill(p, mouse, QColor(70, 70, 80), QColor(22, 22, 26));
    p.setPen(QPen(QColor(160, 160, 170), 1));
    p.drawLine(QPointF(13, 3), QPointF(13, 12));
    p.drawLine(QPointF(5, 12), QPointF(21, 12));
    QPainterPath left;
    left.addRoundedRect(QRectF(5.5, 3.5, 7, 8), 4, 4);
    p.fillPath(left, QColor(255, 0, 0, 200));
    QPainterPath badge;
    badge.addEllipse(QPointF(24, 23), 7, 7);
    p.fillPath(badge, kAccent);
    drawGlyph(p, Glyph::Plus, QRectF(19, 18, 10, 10), Qt::white, 2);
    return img;
}

QImage gunsetSlider()
{
    const int w = 297, h = 12;
    QImage img = canvas(w, h);
    QPainter p(&img);
    antialias(p);
    const QPainterPath track = chamferRect(QRectF(1, 3, w - 2, 6), 3);
    bevelFill(p, track, QColor(16, 16, 18), QColor(44, 44, 50));
    QLinearGradient g(0, 0, w, 0);
    g.setColorAt(0, QColor(255, 0, 0, 220));
    g.setColorAt(1, QColor(255, 0, 0, 40));
    p.fillRect(QRectF(4, 5, w - 8, 2), g);
    p.setPen(QPen(QColor(140, 140, 150), 1));
    for (int i = 0; i <= 5; ++i) {
        const qreal x = 2 + (w - 4) * i / 5.0;
        p.drawLine(QPointF(x, 0), QPointF(x, 2));
        p.drawLine(QPointF(x, h - 2), QPointF(x, h));
    }
    return img;
}

QImage gunsetBullet()
{
    const int w = 22, h = 44;
    QImage img = canvas(w, h);
    QPainter p(&img);
    antialias(p);
    QPainterPath tip;
    tip.moveTo(4, 18);
    tip.cubicTo(4, 8, 8, 2, 11, 1);
    tip.cubicTo(14, 2, 18, 8, 18, 18);
    tip.closeSubpath();
    QLinearGradient copper(4, 0, 18, 0);
    copper.setColorAt(0, QColor(150, 70, 40));
    copper.setColorAt(0.45, QColor(240, 170, 120));
    copper.setColorAt(1, QColor(120, 50, 30));
    p.fillPath(tip, copper);
    const QRectF casing(3, 18, 16, 24);
    QLinearGradient brass(casing.topLeft(), casing.topRight());
    brass.setColorAt(0, QColor(90, 90, 98));
    brass.setColorAt(0.45, QColor(210, 210, 218));
    brass.setColorAt(1, QColor(70, 70, 78));
    p.fillRect(casing, brass);
    p.fillRect(QRectF(2, 40, 18, 3), QColor(60, 60, 66));
    p.fillRect(QRectF(3, 22, 16, 2), QColor(255, 0, 0, 200));
    return img;
}

QImage bulletSelection()
{
    const int w = 56, h = 48;
    QImage img = canvas(w, h);
    QPainter p(&img);
    antialias(p);
    const QPainterPath frame = chamferRect(QRectF(2, 2, w - 4, h - 4), 8, 0, 8, 0);
    glow(p, frame, QColor(255, 0, 0, 160), 3);
    p.fillPath(frame, QColor(255, 0, 0, 40));
    p.strokePath(frame, QPen(kAccent, 1.5));
    return img;
}

} // namespace

void drawIcons(SkinOutput &out)
{
    out.put("bat1.png", battery(QColor(200, 200, 208)));
    out.put("bat2.png", battery(kAccent));
    out.put("lightning.png", lightning());
    out.put("dongle.png", dongle(28, false));
    out.put("dongle2.png", dongle(96, true));
    out.put("cable.png", cable(28));
    out.put("mouselogo.png", mouseLogo());
    out.put("warn.png", warning());
    out.putBytes("icon.ico", encodeIco({appIcon(16), appIcon(32), appIcon(48), appIcon(256)}));
    out.put("rate.png", reportRate());
    out.put("pspeed.png", pointerSpeed());
    out.put("add1.png", smallRound(Glyph::Plus));
    out.put("left1.png", smallRound(Glyph::ArrowLeft));
    out.put("right1.png", smallRound(Glyph::ArrowRight));
    out.put("up1.png", smallRound(Glyph::ArrowUp));
    out.put("down1.png", smallRound(Glyph::ArrowDown));
    out.put("insert_mouse_key_1.png", insertMouseKey());
    out.put("gunset_slider.png", gunsetSlider());
    out.put("gunset_bullet.png", gunsetBullet());
    out.put("bulletsel.png", bulletSelection());
}

} // namespace skin
