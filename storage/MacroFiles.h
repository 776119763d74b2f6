#pragma once
// Macro and gun files (MacroDB/<name>.MSMACRO) and the "MACRO_LIST" index in Config.ini.
#include "storage/MouseSettings.h"
#include <QString>
#include <QVector>

constexpr int MACRO_LIST_SIZE = 50;

// Event kinds held in the "Map" byte; bit 0x80 marks a press.
enum MacroEventKind : uint8_t {
    MacroMouseButton = 0x01,
    MacroMove = 0x02,
    MacroKey = 0x04,
    MacroDelay = 0x06,
    MacroPress = 0x80,
};

struct MacroEvent {
    uint8_t map = 0;
    uint8_t high = 0; // "DataH"
    uint8_t low = 0;  // "DataL"
    bool operator==(const MacroEvent &o) const { return map == o.map && high == o.high && low == o.low; }
};

struct MacroFile {
    QString filePath;
    int defaultDelay = 0;
    int delayType = 0;
    int loopType = 0;
    int loopTime = 0;
    QVector<MacroEvent> events;
};

// Largest event count read from a file; a hostile "Setting/Count" is clamped to it.
constexpr int MACRO_MAX_EVENTS = 4096;

QString macroFilePath(const QString &name);
bool saveMacroFile(const QString &name, const MacroFile &macro);
// Returns -1 when the file is missing (no events). Unknown events are dropped.
int loadMacroFile(const QString &name, MacroFile &macro);
// The raw events exactly as stored (what the device download sends), clamped like loadMacroFile.
QVector<MacroEvent> readMacroEvents(const QString &name);
int readWriteSign(const QString &name);
bool clearWriteSign(const QString &name);

bool addMacroName(const QString &name);
bool removeMacroName(const QString &name);
int macroCount();
QStringList macroNames(); // in slot order, empty slots skipped

// Copies a stored macro (fun 200) or gun file (fun 510) into a button slot.
void assignMacroToButton(ButtonInfo &button, const QString &name, int fun);

// Movement amount -120..120 <-> stored byte, delay ms <-> stored units.
uint8_t encodeMoveAmount(int amount);
int decodeMoveAmount(uint8_t stored);
int delayToUnits(int ms, int minDelayMs);
