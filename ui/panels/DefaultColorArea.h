#pragma once
// A clickable colour swatch: the presets of the colour editor and the colour
// button of the lighting page.
#include <QColor>
#include <QWidget>

class DefaultColorArea : public QWidget
{
    Q_OBJECT

public:
    explicit DefaultColorArea(const QColor &color = Qt::white, QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);

signals:
    void ClickedSignal();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QColor m_color;
    bool m_hover = false;
};
