#pragma once
// Vertical hue bar of the colour editor: hue 0 at the bottom, 359 at the top.
#include <QPixmap>
#include <QWidget>

class HColorArea : public QWidget
{
    Q_OBJECT

public:
    explicit HColorArea(QWidget *parent = nullptr);

    int hue() const { return m_hue; }
    // Moves the cursor without emitting.
    void setHue(int hue);
    void setScale(double scale);

    static constexpr int BASE_WIDTH = 26;
    static constexpr int BASE_HEIGHT = 128;

signals:
    void hueChangedSignal(int hue);
    void mouseReleaseSignal();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QRect barRect() const;
    void hueFromPosition(int y);

    int m_hue = 0;
    double m_scale = 1.0;
    QPixmap m_gradient; // the hue gradient, drawn once and scaled into the bar
};
