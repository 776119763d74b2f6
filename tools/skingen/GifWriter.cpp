#include "GifWriter.h"

namespace {

void putLe16(QByteArray &out, int v)
{
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

// Packs codes LSB first and cuts them into sub-blocks of at most 255 bytes.
class CodeStream
{
public:
    void put(int code, int bits)
    {
        m_acc |= uint32_t(code) << m_count;
        m_count += bits;
        while (m_count >= 8) {
            m_bytes.append(char(m_acc & 0xFF));
            m_acc >>= 8;
            m_count -= 8;
        }
    }
    void finish(QByteArray &out)
    {
        if (m_count > 0)
            m_bytes.append(char(m_acc & 0xFF));
        for (int pos = 0; pos < m_bytes.size(); pos += 255) {
            const int n = qMin(255, m_bytes.size() - pos);
            out.append(char(n));
            out.append(m_bytes.constData() + pos, n);
        }
        out.append(char(0)); // block terminator
    }

private:
    QByteArray m_bytes;
    uint32_t m_acc = 0;
    int m_count = 0;
};

constexpr int kMinCodeSize = 8;
constexpr int kClear = 1 << kMinCodeSize;
constexpr int kEnd = kClear + 1;
constexpr int kCodeBits = kMinCodeSize + 1;
// Each literal after the first adds a table entry in the decoder; clearing
// well before 512 entries keeps the code width at 9 bits.
constexpr int kLiteralsPerClear = 250;

void putImageData(QByteArray &out, const QVector<uint8_t> &indexes)
{
    out.append(char(kMinCodeSize));
    CodeStream codes;
    int sinceClear = kLiteralsPerClear;
    for (uint8_t idx : indexes) {
        if (sinceClear == kLiteralsPerClear) {
            codes.put(kClear, kCodeBits);
            sinceClear = 0;
        }
        codes.put(idx, kCodeBits);
        ++sinceClear;
    }
    codes.put(kEnd, kCodeBits);
    codes.finish(out);
}

} // namespace

QByteArray encodeGif(int width, int height, const QVector<QRgb> &palette, const QList<GifFrame> &frames)
{
    QByteArray out("GIF89a");
    putLe16(out, width);
    putLe16(out, height);
    out.append(char(0xF7)); // global table of 256 entries, 8-bit colour resolution
    out.append(char(0));    // background colour index
    out.append(char(0));    // square pixels
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < palette.size() ? palette.at(i) : 0;
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    // Loop forever.
    out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    for (const GifFrame &f : frames) {
        out.append("\x21\xF9\x04", 3);
        out.append(char(0x04)); // disposal: leave in place, no transparency
        putLe16(out, f.delayCs);
        out.append(char(0));    // transparent index (unused)
        out.append(char(0));
        out.append(char(0x2C));
        putLe16(out, 0);
        putLe16(out, 0);
        putLe16(out, width);
        putLe16(out, height);
        out.append(char(0)); // no local table, not interlaced
        putImageData(out, f.indexes);
    }
    out.append(char(0x3B));
    return out;
}
