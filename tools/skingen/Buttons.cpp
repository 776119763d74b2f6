#include "Buttons.h"
#include "Glyphs.h"
#include <QPainter>
#include <QRadialGradient>

namespace skin {
namespace {

struct Face {
    QColor top, bottom, glyph;
};

Face faceFor(State s)
{
    static const Face faces[] = {
        {QColor(56, 56, 64), QColor(24, 24, 28), kGlyph},
        {QColor(72, 72, 82), QColor(32, 32, 37), kGlyphHot},
        {QColor(150, 0, 0), QColor(70, 0, 0), kGlyphHot},
    };
    return faces[int(s)];
}

// Chamfered plate in the look of state s; hover adds a red underline and glow.
void plate(QPainter &p, const QRectF &r, qreal cut, State s)
{
    const QPainterPath path = chamferRect(r, cut, 0, cut, 0);
    const Face f = faceFor(s);
    if (s == State::Hover)
        glow(p, path, QColor(255, 0, 0, 120), 3);
    bevelFill(p, path, f.top, f.bottom);
    if (s == State::Hover) {
        p.save();
        p.setClipPath(path);
        p.fillRect(QRectF(r.left(), r.bottom() - 2, r.width(), 2), kAccent);
        p.restore();
    }
}

QImage iconButton(int size, Glyph g, State s)
{
    QImage img = canvas(size, size);
    QPainter p(&img);
    antialias(p);
    const QRectF r(3, 3, size - 6, size - 6);
    plate(p, r, size * 0.2, s);
    const qreal m = size * 0.28;
    drawGlyph(p, g, QRectF(m, m, size - 2 * m, size - 2 * m), faceFor(s).glyph, size / 16.0);
    return img;
}

QImage windowButton(Glyph g, State s)
{
    const int size = 30;
    QImage img = canvas(size, size);
    QPainter p(&img);
    antialias(p);
    const QRectF r(2, 2, size - 4, size - 4);
    const QPainterPath path = chamferRect(r, 6, 0, 6, 0);
    if (s == State::Normal) {
        p.strokePath(path, QPen(QColor(70, 70, 80), 1));
    } else {
        const QColor top = s == State::Hover ? QColor(220, 0, 0) : QColor(120, 0, 0);
        const QColor bottom = s == State::Hover ? QColor(130, 0, 0) : QColor(60, 0, 0);
        if (s == State::Hover)
            glow(p, path, QColor(255, 0, 0, 140), 3);
        bevelFill(p, path, top, bottom);
    }
    drawGlyph(p, g, QRectF(9, 9, 12, 12), faceFor(s).glyph, 2.0);
    return img;
}

QImage tabButton(State s)
{
    const int w = 120, h = 36;
    QImage img = canvas(w, h);
    QPainter p(&img);
    antialias(p);
    const QRectF r(3, 3, w - 6, h - 6);
    const QPainterPath path = chamferRect(r, 10, 0, 10, 0);
    switch (s) {
    case State::Normal:
        bevelFill(p, path, QColor(44, 44, 50), QColor(20, 20, 23));
        break;
    case State::Hover:
        glow(p, path, QColor(255, 0, 0, 110), 3);
        bevelFill(p, path, QColor(60, 60, 68), QColor(26, 26, 30));
        p.save();
        p.setClipPath(path);
        p.fillRect(QRectF(r.left(), r.bottom() - 3, r.width(), 3), kAccent);
        p.restore();
        break;
    case State::Pressed:
        bevelFill(p, path, QColor(170, 0, 0), QColor(80, 0, 0));
        break;
    }
    return img;
}

// Captioned buttons are sized by the window, so the face carries no symbol
// that a narrow button would squeeze into its caption: only an accent notch.
QImage labelButton(State s)
{
    const int w = 110, h = 30;
    QImage img = canvas(w, h);
    QPainter p(&img);
    antialias(p);
    plate(p, QRectF(2, 2, w - 4, h - 4), 8, s);
    QPainterPath notch;
    notch.moveTo(6, 12);
    notch.lineTo(10, 8);
    notch.lineTo(10, 22);
    notch.lineTo(6, 22);
    notch.closeSubpath();
    p.fillPath(notch, s == State::Normal ? QColor(255, 0, 0, 170) : kGlyphHot);
    return img;
}

// Drop-down field: flat well, chevron on the right, optional glyph on the left.
QImage dropDown(int w, int h, bool globe)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    antialias(p);
    const QRectF r(1, 1, w - 2, h - 2);
    const QPainterPath path = chamferRect(r, 6, 0, 6, 0);
    bevelFill(p, path, QColor(40, 40, 46), QColor(18, 18, 21));
    p.strokePath(path, QPen(QColor(80, 80, 92), 1));
    p.fillRect(QRectF(r.left() + 6, r.bottom() - 1.5, r.width() * 0.4, 1.5), kAccent);
    const qreal g = h * 0.5;
    drawGlyph(p, Glyph::ChevronDown, QRectF(w - g - 8, (h - g) / 2, g, g), kGlyph, 1.8);
    if (globe)
        drawGlyph(p, Glyph::Globe, QRectF(6, (h - g) / 2, g, g), QColor(255, 60, 60), 1.3);
    return img;
}

QImage checkBox(bool round, bool checked)
{
    const int s = 18;
    QImage img = canvas(s, s);
    QPainter p(&img);
    antialias(p);
    const QRectF r(1.5, 1.5, s - 3, s - 3);
    QPainterPath path;
    if (round)
        path.addEllipse(r);
    else
        path.addRoundedRect(r, 2, 2);
    bevelFill(p, path, QColor(20, 20, 23), QColor(40, 40, 46));
    p.strokePath(path, QPen(checked ? kAccent : QColor(110, 110, 122), 1.2));
    if (checked) {
        if (round) {
            QRadialGradient dot(r.center(), 5);
            dot.setColorAt(0, QColor(255, 90, 90));
            dot.setColorAt(1, kAccent);
            p.setPen(Qt::NoPen);
            p.setBrush(dot);
            p.drawEllipse(r.center(), 4.5, 4.5);
        } else {
            QPainterPath tick;
            tick.moveTo(4.5, 9.5);
            tick.lineTo(7.8, 12.8);
            tick.lineTo(13.5, 5.2);
            p.strokePath(tick, QPen(kAccent, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        }
    }
    return img;
}

// Hot-spot dot on the mouse picture; the widget paints its number.
QImage hotSpot(bool hot)
{
    const int s = 24;
    QImage img = canvas(s, s);
    QPainter p(&img);
    antialias(p);
    const QPointF c(s / 2.0, s / 2.0);
    QPainterPath disc;
    disc.addEllipse(c, 9, 9);
    if (hot) {
        glow(p, disc, QColor(255, 0, 0, 200), 3);
        QRadialGradient g(c - QPointF(2, 3), 11);
        g.setColorAt(0, QColor(255, 80, 80));
        g.setColorAt(1, QColor(170, 0, 0));
        p.fillPath(disc, g);
        p.strokePath(disc, QPen(QColor(255, 200, 200), 1.2));
    } else {
        QRadialGradient g(c - QPointF(2, 3), 11);
        g.setColorAt(0, QColor(70, 70, 78));
        g.setColorAt(1, QColor(22, 22, 26));
        p.fillPath(disc, g);
        p.strokePath(disc, QPen(QColor(150, 150, 160), 1.2));
    }
    return img;
}

// Wheel arrows: variant 1/2 a triangle in a disc, 3/4 a chevron in a cut square;
// the odd number is the highlighted one.
QImage wheelArrow(bool up, int variant)
{
    const int s = 24;
    const bool hot = variant % 2 == 1;
    const bool square = variant >= 3;
    QImage img = canvas(s, s);
    QPainter p(&img);
    antialias(p);
    QPainterPath body;
    if (square)
        body = chamferRect(QRectF(3, 3, s - 6, s - 6), 5, 0, 5, 0);
    else
        body.addEllipse(QPointF(s / 2.0, s / 2.0), 9, 9);
    if (hot)
        glow(p, body, QColor(255, 0, 0, 200), 3);
    bevelFill(p, body, hot ? QColor(220, 0, 0) : QColor(62, 62, 70), hot ? QColor(110, 0, 0) : QColor(24, 24, 28));
    const QColor ink = hot ? kGlyphHot : kGlyph;
    if (square) {
        drawGlyph(p, up ? Glyph::ChevronUp : Glyph::ChevronDown, QRectF(6, 6, 12, 12), ink, 2.0);
    } else {
        QPainterPath tri;
        if (up) {
            tri.moveTo(12, 7);
            tri.lineTo(17, 15);
            tri.lineTo(7, 15);
        } else {
            tri.moveTo(12, 17);
            tri.lineTo(17, 9);
            tri.lineTo(7, 9);
        }
        tri.closeSubpath();
        p.fillPath(tri, ink);
    }
    return img;
}

} // namespace

void drawButtons(SkinOutput &out)
{
    const State states[] = {State::Normal, State::Hover, State::Pressed};
    for (int i = 0; i < 3; ++i) {
        const QString n = QString::number(i + 1);
        out.put("close-" + n + ".png", windowButton(Glyph::Cross, states[i]));
        out.put("min-" + n + ".png", windowButton(Glyph::Minus, states[i]));
    }
    // The tab button families are used as normal, hover/checked, pressed =
    // tabbutton-1, tabbutton-3, tabbutton-2.
    out.put("tabbutton-1.png", tabButton(State::Normal));
    out.put("tabbutton-2.png", tabButton(State::Pressed));
    out.put("tabbutton-3.png", tabButton(State::Hover));

    // The export button wears the "import" images and the import button the
    // "export" one; the pictures follow what the buttons do.
    out.put("profile_import1.png", iconButton(36, Glyph::TrayOut, State::Normal));
    out.put("profile_import2.png", iconButton(36, Glyph::TrayOut, State::Hover));
    out.put("profile_export1.png", iconButton(36, Glyph::TrayIn, State::Normal));
    out.put("profile_apply1.png", iconButton(36, Glyph::List, State::Normal));

    const char *const labelled[] = {"profile_reset", "profile_add", "profile_del", "profile_copy"};
    for (const char *name : labelled) {
        out.put(QString(name) + "1.png", labelButton(State::Normal));
        out.put(QString(name) + "2.png", labelButton(State::Hover));
    }
    out.put("profilesel.png", dropDown(160, 32, false));
    out.put("lang.png", dropDown(130, 28, true));

    out.put("checkbox1-1.png", checkBox(false, false));
    out.put("checkbox1-2.png", checkBox(false, true));
    out.put("checkbox2-1.png", checkBox(true, false));
    out.put("checkbox2-2.png", checkBox(true, true));

    out.put("btn_1.png", hotSpot(true));
    out.put("btn_2.png", hotSpot(false));
    for (int v = 1; v <= 4; ++v) {
        out.put(QString("btn_up%1.png").arg(v), wheelArrow(true, v));
        out.put(QString("btn_down%1.png").arg(v), wheelArrow(false, v));
    }
}

} // namespace skin
