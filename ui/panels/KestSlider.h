#pragma once
// Slider that can show its value in an attached label while it is pressed or
// dragged, and tells when the user lets go.
#include <QSlider>

class QLabel;

class KestSlider : public QSlider
{
    Q_OBJECT

public:
    explicit KestSlider(Qt::Orientation orientation, QWidget *parent = nullptr);

    // The label (a sibling of the slider) floats above the handle while the
    // slider is pressed; nullptr detaches it.
    void setValueLabel(QLabel *label);
    QLabel *valueLabel() const { return m_label; }
    bool isPressed() const { return m_pressed; }

signals:
    void MouseChange();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showValue();

    QLabel *m_label = nullptr;
    bool m_pressed = false;
};
