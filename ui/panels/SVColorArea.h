#pragma once
// Saturation/value square of the colour editor for the current hue:
// saturation rises left to right, value bottom to top.
#include <QWidget>

class SVColorArea : public QWidget
{
    Q_OBJECT

public:
    explicit SVColorArea(QWidget *parent = nullptr);

    int hue() const { return m_hue; }
    int saturation() const { return m_saturation; }
    int value() const { return m_value; }
    // Takes hue, saturation and value from the colour without emitting.
    void setColor(const QColor &color);
    void setScale(double scale);
    // The marker's centre in widget coordinates.
    QPoint markerPosition() const;

    static constexpr int BASE_SIZE = 128;

signals:
    void svChangedSignal(int h, int s, int v);
    void mouseReleaseSignal();

public slots:
    void hueChangedSlot(int h);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void pickAt(const QPoint &pos);

    int m_hue = 0;
    int m_saturation = 0;
    int m_value = 255;
};
