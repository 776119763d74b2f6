#pragma once
#include <QByteArray>
#include <QList>
#include <QVector>
#include <QRgb>
#include <cstdint>

// Minimal animated GIF89a encoder: one global palette of up to 256 colours,
// frames of palette indexes, looping forever. The image data uses LZW codes
// of fixed 9-bit width (a clear code before the table could grow), which every
// decoder reads; files are larger than compressed ones but the encoder stays tiny.
struct GifFrame {
    QVector<uint8_t> indexes; // width * height, row by row
    int delayCs = 10;         // hundredths of a second
};

QByteArray encodeGif(int width, int height, const QVector<QRgb> &palette, const QList<GifFrame> &frames);
