#pragma once
// The 4000-byte macro area: 20 slots of 200 bytes, each holding one macro's events.
#include "device/MacroNameMap.h"
#include "device/ReportFrame.h"
#include "storage/MacroFiles.h"
#include "storage/MouseSettings.h"
#include <QByteArray>
#include <QVector>
#include <array>
#include <functional>

constexpr int MACRO_AREA_SLOTS = 20;
constexpr int MACRO_SLOT_BYTES = 200;
constexpr int MACRO_AREA_BYTES = MACRO_AREA_SLOTS * MACRO_SLOT_BYTES;
constexpr int MACRO_CHUNK_BYTES = 20;
using MacroArea = std::array<uint8_t, MACRO_AREA_BYTES>;

// The full encoding of a macro's events as (map, low, high) triples. A macro
// without delay events gets a one-unit delay after every fourth event and one
// at its end.
QByteArray encodeMacroEvents(const QVector<MacroEvent> &events);
int encodedMacroSize(const QVector<MacroEvent> &events);
bool fitsMacroSlot(const QVector<MacroEvent> &events); // encodedMacroSize <= MACRO_SLOT_BYTES
// The most events without delays that fit a slot (with delays, 66 fit).
constexpr int MACRO_SLOT_PLAIN_EVENTS = 51;

// What a slot receives: all events when they fit, else the longest beginning
// that fits together with releases of the keys and buttons it leaves pressed,
// so the mouse never keeps a key held.
QVector<MacroEvent> eventsForSlot(const QVector<MacroEvent> &events);
// Writes the encoding of eventsForSlot(events) into slot, rest of the slot zero.
void encodeMacroSlot(MacroArea &area, int slot, const QVector<MacroEvent> &events);

using MacroReader = std::function<QVector<MacroEvent>(const QString &name)>;

enum class MacroFill {
    Filled,        // every assigned macro with a slot was encoded
    NoMacros,      // the name map is empty: nothing to send
    SlotsExceeded, // a name was given a slot beyond the area: nothing to send
};

// Clears area and encodes the macro of every macro or gun-file button of every
// profile that has a slot in names, reading each through read.
MacroFill fillMacroArea(MacroArea &area, const MouseSettings &image, const MacroNameMap &names,
                        const MacroReader &read);

// Ten 20-byte chunks for each slot whose first five bytes are not all zero,
// then the closing write; empty when no slot is used.
ReportList macroAreaReports(const MacroArea &area);
