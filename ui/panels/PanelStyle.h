#pragma once
// The look shared by the DPI, rate, pointer-speed and lighting pages and the
// colour editor: dark controls with the theme colour as accent. Sizes are
// unscaled pixels multiplied by the given scale.
#include <QColor>
#include <QRect>
#include <QString>

class QPainter;
class QWidget;

// Horizontal slider: dark groove, the part up to the handle in the accent
// colour, a round handle of handlePx; handleImage (a skin file name) replaces
// the handle's own drawing when given.
QString sliderStyleSheet(const QColor &accent, double scale, int handlePx = 14,
                         const QString &handleImage = QString());
// Check box drawn with the skin's square check images.
QString checkBoxStyleSheet(double scale);
// Radio button drawn with the skin's round check images.
QString radioStyleSheet(double scale);
// Spin boxes and line edits: dark field, accent frame while focused.
QString fieldStyleSheet(const QColor &accent, double scale);

// Background plate of one panel: a rounded dark plate with a thin rim and a
// short accent bar along the top edge.
void paintPanelPlate(QPainter &painter, const QRect &rect, const QColor &accent, double scale);

// Sets the style sheet only when it differs: every new sheet re-polishes the
// widget and its children, which is what loading a page would mostly spend.
void applyStyleSheet(QWidget *widget, const QString &sheet);

// Caption sizes (unscaled pixels) for panel titles and control captions.
constexpr int PANEL_TITLE_PX = 15;
constexpr int PANEL_CAPTION_PX = 12;
