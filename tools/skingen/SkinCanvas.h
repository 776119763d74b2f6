#pragma once
// Shared palette, output and shape helpers of the skin generator.
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <QStringList>

class QPainter;

namespace skin {

// Charcoal palette with one accent (the first theme colour).
extern const QColor kAccent;
extern const QColor kAccentDark;
extern const QColor kInk;        // deepest black of the panels
extern const QColor kCharcoal;   // body of panels and buttons
extern const QColor kSteel;      // raised surfaces
extern const QColor kEdgeLight;  // top bevel
extern const QColor kEdgeDark;   // outline
extern const QColor kGlyph;      // neutral icon colour
extern const QColor kGlyphHot;   // icon colour under the pointer
// Flat grey of the busy dialog's well; the animation frames are drawn on it.
constexpr int kWellGrey = 24;

enum class State { Normal, Hover, Pressed };

// Collects the written files and remembers failures.
class SkinOutput
{
public:
    explicit SkinOutput(const QString &dir) : m_dir(dir) {}
    void put(const QString &relPath, const QImage &image);
    void putBytes(const QString &relPath, const QByteArray &bytes);
    const QStringList &failures() const { return m_failures; }
    int written() const { return m_written; }

private:
    bool prepare(const QString &path);
    QString m_dir;
    QStringList m_failures;
    int m_written = 0;
};

QImage canvas(int w, int h);
void antialias(QPainter &p);

// Rectangle with cut corners; c = size of each cut.
QPainterPath chamferRect(const QRectF &r, qreal c);
QPainterPath chamferRect(const QRectF &r, qreal tl, qreal tr, qreal br, qreal bl);

// Vertical gradient fill with a light top edge and a dark outline.
void bevelFill(QPainter &p, const QPainterPath &path, const QColor &top, const QColor &bottom);
// Soft glow around a path (strokes of falling alpha).
void glow(QPainter &p, const QPainterPath &path, const QColor &color, qreal radius);

QColor mix(const QColor &a, const QColor &b, qreal t);

} // namespace skin
