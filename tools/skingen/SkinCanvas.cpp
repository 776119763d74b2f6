#include "SkinCanvas.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>

namespace skin {

const QColor kAccent(255, 0, 0);
const QColor kAccentDark(120, 0, 0);
const QColor kInk(10, 10, 12);
const QColor kCharcoal(30, 30, 34);
const QColor kSteel(58, 58, 66);
const QColor kEdgeLight(96, 96, 106);
const QColor kEdgeDark(4, 4, 6);
const QColor kGlyph(190, 190, 198);
const QColor kGlyphHot(255, 255, 255);

bool SkinOutput::prepare(const QString &path)
{
    if (QDir().mkpath(QFileInfo(path).absolutePath()))
        return true;
    m_failures << path;
    return false;
}

void SkinOutput::put(const QString &relPath, const QImage &image)
{
    const QString path = m_dir + "/" + relPath;
    if (!prepare(path))
        return;
    if (image.save(path, "PNG"))
        ++m_written;
    else
        m_failures << path;
}

void SkinOutput::putBytes(const QString &relPath, const QByteArray &bytes)
{
    const QString path = m_dir + "/" + relPath;
    if (!prepare(path))
        return;
    QFile f(path);
    if (f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush())
        ++m_written;
    else
        m_failures << path;
}

QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void antialias(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QPainterPath chamferRect(const QRectF &r, qreal c)
{
    return chamferRect(r, c, c, c, c);
}

QPainterPath chamferRect(const QRectF &r, qreal tl, qreal tr, qreal br, qreal bl)
{
    QPainterPath path;
    path.moveTo(r.left() + tl, r.top());
    path.lineTo(r.right() - tr, r.top());
    path.lineTo(r.right(), r.top() + tr);
    path.lineTo(r.right(), r.bottom() - br);
    path.lineTo(r.right() - br, r.bottom());
    path.lineTo(r.left() + bl, r.bottom());
    path.lineTo(r.left(), r.bottom() - bl);
    path.lineTo(r.left(), r.top() + tl);
    path.closeSubpath();
    return path;
}

void bevelFill(QPainter &p, const QPainterPath &path, const QColor &top, const QColor &bottom)
{
    const QRectF b = path.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.save();
    p.setPen(Qt::NoPen);
    p.fillPath(path, g);
    // Light falls from above: a bright rim on the upper half only.
    QLinearGradient rim(b.topLeft(), b.bottomLeft());
    rim.setColorAt(0, QColor(255, 255, 255, 70));
    rim.setColorAt(0.45, QColor(255, 255, 255, 0));
    p.setClipPath(path);
    p.strokePath(path, QPen(QBrush(rim), 2.0));
    p.setClipping(false);
    p.strokePath(path, QPen(kEdgeDark, 1.0));
    p.restore();
}

void glow(QPainter &p, const QPainterPath &path, const QColor &color, qreal radius)
{
    p.save();
    for (int i = int(radius); i >= 1; --i) {
        QColor c = color;
        c.setAlphaF(color.alphaF() * 0.16 * (1.0 - qreal(i) / (radius + 1)));
        p.strokePath(path, QPen(c, 2 * i, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    p.restore();
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t,
                            a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

} // namespace skin
