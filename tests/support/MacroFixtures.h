#pragma once
// Macro store contents for the macro tests.
#include "storage/MacroFiles.h"
#include <QString>
#include <QStringList>
#include <QVector>

MacroEvent keyPressRow(int usage);
MacroEvent keyReleaseRow(int usage);
// Writes the macro file and lists the name; false when either failed.
bool storeMacro(const QString &name, const QVector<MacroEvent> &events = {}, int delayType = 0);
// Lists count empty macros "m0", "m1", ...
bool fillMacroStore(int count);
// The events of a stored macro, as the editor reads them.
QVector<MacroEvent> storedEvents(const QString &name);

// "map high low" in hexadecimal per row, for readable comparisons.
QStringList hexRows(const QVector<MacroEvent> &events);

// Set-1 scan codes and HID usages the tests type.
constexpr int SCAN_A = 0x1E, USAGE_A = 0x04;
constexpr int SCAN_B = 0x30, USAGE_B = 0x05;
constexpr int SCAN_LSHIFT = 0x2A, USAGE_LSHIFT = 0xE1;
