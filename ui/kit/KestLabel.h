#pragma once
// Label drawn in the per-language font on a transparent background, with
// optional fixed size, size decrement, background fill and vertical text.
#include <QLabel>

class KestLabel : public QLabel
{
    Q_OBJECT

public:
    explicit KestLabel(QWidget *parent = nullptr);
    explicit KestLabel(const QString &text, QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const { return m_text; }
    void setNumber(int n);
    // Unscaled pixel size replacing the language's size; 0 = the language's.
    void setPixelSize(int pixelSize);
    // Unscaled pixels taken off the size.
    void setSizeDecrement(int decrement);
    // Fills the background with the palette's window colour.
    void setFill(bool fill);
    // Text turned a quarter anticlockwise, read from bottom to top.
    void setVertical(bool vertical);
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const { return m_alignment; }

    QFont textFont() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void EnterSignal(KestLabel *label);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    int m_pixelSize = 0;
    int m_decrement = 0;
    bool m_fill = false;
    bool m_vertical = false;
};
