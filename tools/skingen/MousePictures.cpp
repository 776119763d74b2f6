#include "MousePictures.h"
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace skin {
namespace {

constexpr int kFrontW = 300, kFrontH = 400;

QPainterPath frontBody()
{
    QPainterPath p;
    p.moveTo(150, 18);
    p.cubicTo(100, 16, 66, 48, 62, 110);
    p.cubicTo(58, 160, 54, 190, 54, 215);
    p.cubicTo(54, 260, 44, 300, 52, 340);
    p.cubicTo(62, 382, 120, 392, 150, 392);
    p.cubicTo(180, 392, 238, 382, 248, 340);
    p.cubicTo(256, 300, 246, 260, 246, 215);
    p.cubicTo(246, 190, 242, 160, 238, 110);
    p.cubicTo(234, 48, 200, 16, 150, 18);
    p.closeSubpath();
    return p;
}

QPainterPath roundRect(qreal x, qreal y, qreal w, qreal h, qreal r)
{
    QPainterPath p;
    p.addRoundedRect(QRectF(x, y, w, h), r, r);
    return p;
}

QPainterPath spine() { return roundRect(133, 30, 34, 150, 12); }

// Paths of the seven buttons, in picture order 1..7.
QVector<QPainterPath> frontButtons()
{
    const QPainterPath body = frontBody();
    QPainterPath leftHalf, rightHalf;
    leftHalf.addRect(0, 0, 148.5, 182);
    rightHalf.addRect(151.5, 0, 150, 182);
    const QPainterPath left = body.intersected(leftHalf).subtracted(spine());
    const QPainterPath right = body.intersected(rightHalf).subtracted(spine());
    return {
        left,
        right,
        roundRect(140, 46, 20, 60, 9),  // wheel
        roundRect(44, 222, 13, 38, 6),  // back
        roundRect(46, 178, 13, 38, 6),  // forward
        roundRect(142, 116, 16, 24, 5), // DPI+
        roundRect(142, 146, 16, 24, 5), // DPI-
    };
}

void litFill(QPainter &p, const QPainterPath &path)
{
    glow(p, path, QColor(255, 0, 0, 230), 7);
    const QRectF b = path.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomRight());
    g.setColorAt(0, QColor(255, 90, 90));
    g.setColorAt(0.5, QColor(235, 0, 0));
    g.setColorAt(1, QColor(130, 0, 0));
    p.fillPath(path, g);
    p.strokePath(path, QPen(QColor(255, 200, 200), 1.2));
}

void wheel(QPainter &p, const QPainterPath &path, bool lit)
{
    const QRectF b = path.boundingRect();
    QLinearGradient g(b.topLeft(), b.topRight());
    g.setColorAt(0, QColor(20, 20, 22));
    g.setColorAt(0.5, lit ? QColor(255, 60, 60) : QColor(92, 92, 100));
    g.setColorAt(1, QColor(20, 20, 22));
    p.fillPath(path, g);
    p.save();
    p.setClipPath(path);
    p.setPen(QPen(QColor(0, 0, 0, 150), 1.2));
    for (qreal y = b.top() + 4; y < b.bottom(); y += 4.5)
        p.drawLine(QPointF(b.left(), y), QPointF(b.right(), y));
    p.restore();
    if (lit)
        glow(p, path, QColor(255, 0, 0, 230), 7);
    p.strokePath(path, QPen(kEdgeDark, 1));
}

QImage frontView(int litButton)
{
    QImage img = canvas(kFrontW, kFrontH);
    QPainter p(&img);
    antialias(p);
    const QPainterPath body = frontBody();
    const QVector<QPainterPath> buttons = frontButtons();

    // Drop shadow.
    glow(p, body.translated(0, 6), QColor(0, 0, 0, 255), 8);

    // Shell with light from the upper left.
    QRadialGradient shell(120, 250, 190);
    shell.setColorAt(0, QColor(58, 58, 66));
    shell.setColorAt(0.7, QColor(26, 26, 30));
    shell.setColorAt(1, QColor(12, 12, 14));
    p.fillPath(body, shell);

    // Rear light strip along the lower rim.
    p.save();
    QPainterPath rear;
    rear.addRect(0, 268, kFrontW, kFrontH);
    p.setClipPath(rear);
    glow(p, body, QColor(255, 0, 0, 200), 5);
    p.strokePath(body, QPen(QColor(255, 40, 40), 2));
    p.restore();

    // Chevron lines on the palm.
    QPainterPath chevron;
    chevron.moveTo(78, 262);
    chevron.lineTo(150, 318);
    chevron.lineTo(222, 262);
    p.strokePath(chevron, QPen(QColor(0, 0, 0, 180), 3, Qt::SolidLine, Qt::FlatCap));
    p.strokePath(chevron.translated(0, 1.5), QPen(QColor(255, 0, 0, 150), 1.2, Qt::SolidLine, Qt::FlatCap));
    // Small emblem mark.
    QPainterPath mark = chamferRect(QRectF(140, 334, 20, 14), 4);
    p.fillPath(mark, QColor(200, 0, 0));

    // Central recess holding the wheel and the DPI buttons.
    const QPainterPath recess = spine();
    QLinearGradient rg(133, 0, 167, 0);
    rg.setColorAt(0, QColor(6, 6, 8));
    rg.setColorAt(0.5, QColor(18, 18, 20));
    rg.setColorAt(1, QColor(6, 6, 8));
    p.fillPath(recess, rg);

    for (int i = 0; i < buttons.size(); ++i) {
        const int number = i + 1;
        const QPainterPath &path = buttons.at(i);
        if (number == 3) {
            wheel(p, path, litButton == number);
            continue;
        }
        if (litButton == number) {
            litFill(p, path);
            continue;
        }
        const QRectF b = path.boundingRect();
        QLinearGradient g(b.topLeft(), b.bottomLeft());
        g.setColorAt(0, QColor(66, 66, 74));
        g.setColorAt(1, QColor(28, 28, 32));
        p.fillPath(path, g);
        p.strokePath(path, QPen(kEdgeDark, 1.4));
    }
    // Gloss on the shell and the main buttons.
    QLinearGradient gloss(0, 18, 0, 140);
    gloss.setColorAt(0, QColor(255, 255, 255, 40));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.save();
    p.setClipPath(body.subtracted(recess));
    p.fillRect(QRectF(60, 18, 180, 122), gloss);
    p.restore();
    // Status light between the DPI buttons.
    QRadialGradient led(150, 143, 3);
    led.setColorAt(0, QColor(255, 160, 160));
    led.setColorAt(1, QColor(255, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(led);
    p.drawEllipse(QPointF(150, 143), 3, 3);
    p.strokePath(body, QPen(QColor(120, 120, 132, 200), 1.2));
    return img;
}

QImage sideView()
{
    const int w = 400, h = 260;
    QImage img = canvas(w, h);
    QPainter p(&img);
    antialias(p);
    QPainterPath body;
    body.moveTo(40, 212);
    body.cubicTo(26, 200, 28, 170, 52, 160);
    body.cubicTo(120, 132, 200, 70, 270, 72);
    body.cubicTo(340, 74, 378, 130, 372, 190);
    body.cubicTo(370, 205, 360, 212, 340, 214);
    body.lineTo(40, 212);
    body.closeSubpath();

    glow(p, body.translated(0, 5), QColor(0, 0, 0, 255), 8);
    QLinearGradient shell(0, 72, 0, 214);
    shell.setColorAt(0, QColor(64, 64, 72));
    shell.setColorAt(0.55, QColor(28, 28, 32));
    shell.setColorAt(1, QColor(12, 12, 14));
    p.fillPath(body, shell);

    // Skirt with its light strip.
    p.save();
    p.setClipPath(body);
    p.fillRect(QRectF(0, 192, w, 30), QColor(8, 8, 10));
    QPainterPath strip;
    strip.moveTo(56, 200);
    strip.lineTo(356, 200);
    glow(p, strip, QColor(255, 0, 0, 220), 5);
    p.strokePath(strip, QPen(QColor(255, 50, 50), 2));
    p.restore();

    // Seam between the main button and the shell.
    QPainterPath seam;
    seam.moveTo(54, 168);
    seam.cubicTo(110, 146, 170, 108, 214, 92);
    p.strokePath(seam, QPen(kEdgeDark, 1.6));
    p.strokePath(seam.translated(0, 1.5), QPen(QColor(110, 110, 120, 120), 1));
    // Wheel edge peeking over the top.
    QPainterPath wheelDisc;
    wheelDisc.addEllipse(QPointF(96, 150), 17, 17);
    const QPainterPath wheelTop = wheelDisc.subtracted(body);
    QLinearGradient wg(0, 130, 0, 150);
    wg.setColorAt(0, QColor(110, 110, 120));
    wg.setColorAt(1, QColor(30, 30, 34));
    p.fillPath(wheelTop, wg);
    p.strokePath(wheelTop, QPen(kEdgeDark, 1));

    // Thumb groove and the two side buttons (forward towards the front).
    QPainterPath groove;
    groove.moveTo(110, 176);
    groove.cubicTo(160, 190, 230, 186, 270, 166);
    p.strokePath(groove, QPen(QColor(0, 0, 0, 170), 3));
    const QRectF buttons[] = {QRectF(118, 140, 46, 15), QRectF(170, 130, 46, 15)};
    for (const QRectF &r : buttons) {
        QPainterPath b;
        b.addRoundedRect(r, 7, 7);
        bevelFill(p, b, QColor(80, 80, 90), QColor(30, 30, 34));
    }
    QLinearGradient gloss(0, 72, 0, 150);
    gloss.setColorAt(0, QColor(255, 255, 255, 36));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.save();
    p.setClipPath(body);
    p.fillRect(QRectF(0, 60, w, 90), gloss);
    p.restore();
    p.strokePath(body, QPen(QColor(120, 120, 132, 200), 1.2));
    return img;
}

} // namespace

void drawMousePictures(SkinOutput &out, const QString &model)
{
    const QString dir = "mouse/" + model + "/";
    out.put(dir + "Mouse.png", frontView(0));
    out.put("mouse/" + model + "_Side.png", sideView());
    for (int i = 1; i <= kMouseButtonPictures; ++i)
        out.put(dir + QString("mouse_%1.png").arg(i), frontView(i));
}

} // namespace skin
