#pragma once
// Line-art symbols drawn into a box; shared by buttons and icons.
#include <QColor>
#include <QRectF>

class QPainter;

namespace skin {
enum class Glyph { Cross, Minus, Plus, List, TrayOut, TrayIn, Globe, ChevronDown, ChevronUp,
                   ArrowLeft, ArrowRight, ArrowUp, ArrowDown };
void drawGlyph(QPainter &p, Glyph g, const QRectF &box, const QColor &color, qreal width = 2.0);
} // namespace skin
