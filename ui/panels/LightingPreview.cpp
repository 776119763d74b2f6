#include "ui/panels/LightingPreview.h"
#include "storage/AppPaths.h"
#include "model/LightingEffects.h"
#include "ui/kit/Skin.h"
#include <QPainter>

namespace {
constexpr int kBrightnessLevels = 3;
} // namespace

LightingPreview::LightingPreview(QWidget *parent) : QWidget(parent)
{
    setObjectName("lightingPreview");
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LightingPreview::setProduct(const QString &productName)
{
    if (productName == m_product && !m_picture.isNull())
        return;
    m_product = productName;
    m_picture = sharedPixmap(appDir() + "/skin/mouse/" + productName + "/Mouse.png");
    m_scaledPicture = QPixmap();
    update();
}

void LightingPreview::setEffect(int mode, const QColor &color, int brightness)
{
    const LightingEffect &effect = lightingEffect(mode);
    if (mode == 0)
        m_glow = Glow::None;
    else if (effect.colour)
        m_glow = Glow::Single;
    else
        m_glow = Glow::Rainbow;
    m_color = color.isValid() ? color.toRgb() : QColor(Qt::white);
    m_brightness = effect.brightness ? qBound(1, brightness, kBrightnessLevels) : kBrightnessLevels;
    update();
}

qreal LightingPreview::glowStrength() const
{
    if (m_glow == Glow::None)
        return 0;
    return 0.4 + 0.6 * m_brightness / kBrightnessLevels;
}

QImage LightingPreview::renderGlow(const QPointF &centre, qreal radius) const
{
    QImage glow(size(), QImage::Format_ARGB32_Premultiplied);
    glow.fill(Qt::transparent);
    QPainter g(&glow);
    g.setRenderHint(QPainter::Antialiasing);
    if (m_glow == Glow::Single) {
        g.fillRect(glow.rect(), m_color);
    } else {
        QConicalGradient wheel(centre, 90);
        for (int i = 0; i <= 6; ++i)
            wheel.setColorAt(i / 6.0, QColor::fromHsv((i * 60) % 360, 255, 255));
        g.fillRect(glow.rect(), wheel);
    }
    // Fade the colour out from the middle.
    QRadialGradient fade(centre, radius);
    const int alpha = int(200 * glowStrength());
    fade.setColorAt(0.0, QColor(0, 0, 0, alpha));
    fade.setColorAt(0.55, QColor(0, 0, 0, alpha / 3));
    fade.setColorAt(1.0, QColor(0, 0, 0, 0));
    g.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    g.fillRect(glow.rect(), fade);
    return glow;
}

void LightingPreview::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF area = rect();
    const QPointF centre = area.center() + QPointF(0, area.height() * 0.04);
    const qreal radius = qMin(area.width(), area.height()) * 0.5;

    if (m_glow != Glow::None) {
        // Drawing the glow is the costly part; it changes only with the effect and the size.
        const QString key = QString("%1 %2 %3 %4x%5")
                                .arg(int(m_glow))
                                .arg(m_color.name())
                                .arg(m_brightness)
                                .arg(width())
                                .arg(height());
        if (key != m_glowKey) {
            m_glowKey = key;
            m_glowImage = renderGlow(centre, radius);
        }
        p.drawImage(0, 0, m_glowImage);
    }

    if (!m_picture.isNull()) {
        const QSize fit = m_picture.size().scaled((area.size() * 0.82).toSize(), Qt::KeepAspectRatio);
        if (m_scaledPicture.size() != fit)
            m_scaledPicture = m_picture.scaled(fit, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        p.setOpacity(m_glow == Glow::None ? 0.55 : 1.0);
        p.drawPixmap(QPointF(centre.x() - fit.width() / 2.0, centre.y() - fit.height() / 2.0), m_scaledPicture);
    }
}
