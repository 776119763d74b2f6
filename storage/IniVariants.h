#pragma once
// Qt's INI reader turns a value of the form @Variant(...) into whatever type
// its bytes name, through QDataStream: a list or an image from a hostile file
// can ask for any amount of memory, and the program stops. The only variants
// these files hold are colours, so every other one is taken out of the text
// before QSettings sees it.
#include <QByteArray>

// The text with every line whose value (or an element of a value list) is a
// variant other than a colour left empty; `dropped` counts those lines.
QByteArray withoutForeignVariants(const QByteArray &text, int *dropped);
