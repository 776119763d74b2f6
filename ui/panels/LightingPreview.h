#pragma once
// The mouse's picture lit by the chosen effect: a glow in the effect's
// colour (a colour wheel for the multi-colour effects), as strong as the
// brightness, none when the lights are off.
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

class LightingPreview : public QWidget
{
    Q_OBJECT

public:
    explicit LightingPreview(QWidget *parent = nullptr);

    // The product's front picture ("skin/mouse/<product>/Mouse.png").
    void setProduct(const QString &productName);
    // brightness 0 when the effect has no brightness of its own.
    void setEffect(int mode, const QColor &color, int brightness);

    enum class Glow { None, Single, Rainbow };
    Glow glow() const { return m_glow; }
    QColor glowColor() const { return m_color; }
    qreal glowStrength() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage renderGlow(const QPointF &centre, qreal radius) const;

    QPixmap m_picture;
    QPixmap m_scaledPicture;
    QImage m_glowImage;
    QString m_glowKey;
    QString m_product;
    Glow m_glow = Glow::None;
    QColor m_color;
    int m_brightness = 0;
};
