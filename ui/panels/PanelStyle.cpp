#include "ui/panels/PanelStyle.h"
#include "ui/kit/Skin.h"
#include <QPainter>
#include <QPainterPath>
#include <QWidget>
#include <cmath>

namespace {
int px(int value, double scale)
{
    return qMax(1, int(std::lround(value * scale)));
}

QString rgb(const QColor &c)
{
    return QString("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

QString rgba(const QColor &c, int alpha)
{
    return QString("rgba(%1,%2,%3,%4)").arg(c.red()).arg(c.green()).arg(c.blue()).arg(alpha);
}
} // namespace

QString sliderStyleSheet(const QColor &accent, double scale, int handlePx, const QString &handleImage)
{
    const int groove = px(4, scale);
    const int handle = px(handlePx, scale);
    const int overhang = (handle - groove) / 2;
    QString sheet = QString("QSlider{background: transparent;}"
                            "QSlider::groove:horizontal{height: %1px; border-radius: %2px; background: rgb(46,46,52);}"
                            "QSlider::sub-page:horizontal{border-radius: %2px; background: qlineargradient("
                            "x1:0, y1:0, x2:1, y2:0, stop:0 %3, stop:1 %4);}"
                            "QSlider::add-page:horizontal{border-radius: %2px; background: rgb(46,46,52);}")
                        .arg(groove)
                        .arg(groove / 2)
                        .arg(rgba(accent, 70), rgb(accent));
    if (handleImage.isEmpty()) {
        sheet += QString("QSlider::handle:horizontal{width: %1px; height: %1px; margin: -%2px 0px;"
                         " border-radius: %3px; border: %4px solid %5; background: rgb(28,28,32);}"
                         "QSlider::handle:horizontal:hover{background: %6;}")
                     .arg(handle - 2 * px(2, scale))
                     .arg(overhang)
                     .arg(handle / 2)
                     .arg(px(2, scale))
                     .arg(rgb(accent), rgba(accent, 110));
    } else {
        sheet += QString("QSlider::handle:horizontal{width: %1px; height: %1px; margin: -%2px 0px;"
                         " border-radius: %3px; border: none; background: transparent; image: url(%4);}")
                     .arg(handle)
                     .arg(overhang)
                     .arg(handle / 2)
                     .arg(skinPath(handleImage));
    }
    return sheet;
}

QString checkBoxStyleSheet(double scale)
{
    return QString("QCheckBox{color: white; background: transparent; spacing: %1px;}"
                   "QCheckBox::indicator{width: %2px; height: %2px;}"
                   "QCheckBox::indicator:unchecked{image: url(%3);}"
                   "QCheckBox::indicator:checked{image: url(%4);}")
        .arg(px(6, scale))
        .arg(px(16, scale))
        .arg(skinPath("checkbox1-1.png"), skinPath("checkbox1-2.png"));
}

QString radioStyleSheet(double scale)
{
    return QString("QRadioButton{color: white; background: transparent; spacing: %1px;}"
                   "QRadioButton::indicator{width: %2px; height: %2px;}"
                   "QRadioButton::indicator:unchecked{image: url(%3);}"
                   "QRadioButton::indicator:checked{image: url(%4);}")
        .arg(px(6, scale))
        .arg(px(16, scale))
        .arg(skinPath("checkbox2-1.png"), skinPath("checkbox2-2.png"));
}

QString fieldStyleSheet(const QColor &accent, double scale)
{
    return QString("QSpinBox, QLineEdit{background: rgb(22,22,26); color: white; border: 1px solid rgb(78,78,86);"
                   " border-radius: %1px; padding: 0px %2px; selection-background-color: %3;}"
                   "QSpinBox:focus, QLineEdit:focus{border: 1px solid %3;}"
                   "QSpinBox::up-button, QSpinBox::down-button{width: %4px; border: none; background: rgb(44,44,50);}"
                   "QSpinBox::up-button:hover, QSpinBox::down-button:hover{background: %5;}"
                   "QSpinBox::up-arrow{width: %6px; height: %6px; image: url(%7);}"
                   "QSpinBox::down-arrow{width: %6px; height: %6px; image: url(%8);}")
        .arg(px(3, scale))
        .arg(px(4, scale))
        .arg(rgb(accent))
        .arg(px(16, scale))
        .arg(rgba(accent, 120))
        .arg(px(11, scale))
        .arg(skinPath("up1.png"), skinPath("down1.png"));
}

void paintPanelPlate(QPainter &painter, const QRect &rect, const QColor &accent, double scale)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal radius = 6 * scale;
    const QRectF plate = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(plate.topLeft(), plate.bottomLeft());
    fill.setColorAt(0, QColor(30, 30, 35, 215));
    fill.setColorAt(1, QColor(17, 17, 20, 215));
    QPainterPath path;
    path.addRoundedRect(plate, radius, radius);
    painter.fillPath(path, fill);
    painter.setPen(QPen(QColor(66, 66, 74), 1));
    painter.drawPath(path);
    // Accent bar on the top edge, fading out to the right.
    const QRectF bar(plate.left() + radius, plate.top(), 90 * scale, qMax(1.0, 2 * scale));
    QLinearGradient accentFill(bar.topLeft(), bar.topRight());
    accentFill.setColorAt(0, accent);
    QColor faded = accent;
    faded.setAlpha(0);
    accentFill.setColorAt(1, faded);
    painter.fillRect(bar, accentFill);
    painter.restore();
}

void applyStyleSheet(QWidget *widget, const QString &sheet)
{
    if (widget && widget->styleSheet() != sheet)
        widget->setStyleSheet(sheet);
}
