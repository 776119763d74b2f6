#include "IcoWriter.h"
#include <QBuffer>
#include <QtEndian>

namespace {
void putLe16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void putLe32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}
} // namespace

QByteArray encodeIco(const QList<QImage> &sizes)
{
    QList<QByteArray> pngs;
    for (const QImage &img : sizes) {
        QByteArray png;
        QBuffer buf(&png);
        buf.open(QIODevice::WriteOnly);
        img.save(&buf, "PNG");
        pngs << png;
    }
    constexpr int headerSize = 6;
    constexpr int entrySize = 16;
    QByteArray out;
    putLe16(out, 0); // reserved
    putLe16(out, 1); // type: icon
    putLe16(out, quint16(pngs.size()));
    quint32 offset = headerSize + entrySize * pngs.size();
    for (int i = 0; i < pngs.size(); ++i) {
        const QImage &img = sizes.at(i);
        // A dimension of 256 is stored as 0.
        out.append(char(img.width() >= 256 ? 0 : img.width()));
        out.append(char(img.height() >= 256 ? 0 : img.height()));
        out.append(char(0)); // no palette
        out.append(char(0)); // reserved
        putLe16(out, 1);     // planes
        putLe16(out, 32);    // bits per pixel
        putLe32(out, quint32(pngs.at(i).size()));
        putLe32(out, offset);
        offset += quint32(pngs.at(i).size());
    }
    for (const QByteArray &png : pngs)
        out += png;
    return out;
}
