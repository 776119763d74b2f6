#pragma once
#include <QByteArray>
#include <QImage>
#include <QList>

// An .ico container whose entries are PNG streams (one per size, at most 256 px).
QByteArray encodeIco(const QList<QImage> &sizes);
