#pragma once
// Old colour on the left, new colour on the right.
#include <QColor>
#include <QWidget>

class PreviewColorArea : public QWidget
{
    Q_OBJECT

public:
    explicit PreviewColorArea(QWidget *parent = nullptr);

    QColor oldColor() const { return m_old; }
    QColor newColor() const { return m_new; }
    void setOldColor(const QColor &color);
    // Sets the new colour without emitting.
    void setNewColor(const QColor &color);

signals:
    void svChangedSignal(int h, int s, int v);

public slots:
    void svChangedSlot(int h, int s, int v);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_old = Qt::white;
    QColor m_new = Qt::white;
};
