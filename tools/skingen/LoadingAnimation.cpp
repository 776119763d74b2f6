#include "LoadingAnimation.h"
#include "GifWriter.h"
#include "SkinCanvas.h"
#include <QPainter>
#include <QtMath>

namespace skin {
namespace {

constexpr int kDots = kLoadingFrames;
constexpr qreal kOrbit = 26;
constexpr qreal kDotRadius = 4.3;

QImage frame(int head)
{
    QImage img(kLoadingSize, kLoadingSize, QImage::Format_RGB32);
    img.fill(QColor(kWellGrey, kWellGrey, kWellGrey));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QPointF c(kLoadingSize / 2.0, kLoadingSize / 2.0);
    for (int j = 0; j < kDots; ++j) {
        const int behind = (head - j + kDots) % kDots;
        const qreal level = qMax(0.12, 1.0 - behind / 8.0);
        const int grey = kWellGrey + int((255 - kWellGrey) * level);
        const qreal a = 2 * M_PI * j / kDots - M_PI / 2;
        const qreal r = kDotRadius * (behind == 0 ? 1.15 : 1.0);
        p.setBrush(QColor(grey, grey, grey));
        p.drawEllipse(c + QPointF(qCos(a) * kOrbit, qSin(a) * kOrbit), r, r);
    }
    return img;
}

} // namespace

QByteArray loadingGif()
{
    // Only greys are drawn, so a grey ramp is an exact palette.
    QVector<QRgb> palette;
    for (int i = 0; i < 256; ++i)
        palette << qRgb(i, i, i);
    QList<GifFrame> frames;
    for (int k = 0; k < kLoadingFrames; ++k) {
        const QImage img = frame(k);
        GifFrame f;
        f.delayCs = 8;
        f.indexes.reserve(kLoadingSize * kLoadingSize);
        for (int y = 0; y < kLoadingSize; ++y) {
            const QRgb *row = reinterpret_cast<const QRgb *>(img.constScanLine(y));
            for (int x = 0; x < kLoadingSize; ++x)
                f.indexes << uint8_t(qGray(row[x]));
        }
        frames << f;
    }
    return encodeGif(kLoadingSize, kLoadingSize, palette, frames);
}

} // namespace skin
