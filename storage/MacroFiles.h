#pragma once
// Macro and gun files (MacroDB/<name>.MSMACRO) and the "MACRO_LIST" index in Config.ini.
// Operations that take a macro name refuse names isSafeFileName() rejects:
// they read nothing, write nothing and return failure.
#include "storage/MouseSettings.h"
#include <QString>
#include <QStringList>
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

// Button bits held in DataL of a mouse button event.
constexpr uint8_t MacroButtonBits[5] = {1, 2, 4, 8, 16}; // left, right, middle, fourth, fifth

struct MacroEvent {
    uint8_t map = 0;
    uint8_t high = 0; // "DataH"
    uint8_t low = 0;  // "DataL"
    bool operator==(const MacroEvent &o) const { return map == o.map && high == o.high && low == o.low; }
    bool operator!=(const MacroEvent &o) const { return !(*this == o); }
};

struct MacroFile {
    QString filePath;
    int defaultDelay = 0;
    int delayType = 0;
    int loopType = 0;
    int loopTime = 0;
    QVector<MacroEvent> events;
};

// Largest event count read from a file; a hostile "Setting/Count" is clamped to it
// (a negative one to 0), and saving more events than this is refused.
constexpr int MACRO_MAX_EVENTS = 4096;

QString macroDir(); // configDir() + "/MacroDB"
QString macroFilePath(const QString &name);
bool macroFileExists(const QString &name);
// Writes "MacroFilePath" (this file's path), the settings, the events and "WriteSign" = 1,
// replacing any previous content of the file.
bool saveMacroFile(const QString &name, const MacroFile &macro);
// Returns the number of events kept, or -1 when the file is missing or the name refused
// (no events). Unknown events are dropped; a movement with both bytes set reads as empty.
int loadMacroFile(const QString &name, MacroFile &macro);
// The raw events exactly as stored (what the device download sends), clamped like loadMacroFile.
QVector<MacroEvent> readMacroEvents(const QString &name);
// The same from a macro file anywhere (one about to be imported).
QVector<MacroEvent> readMacroEventsAt(const QString &path);
// A file read without errors whose [Setting] holds "Count": what every saved macro has.
bool isMacroFile(const QString &path);
int readWriteSign(const QString &name);
bool clearWriteSign(const QString &name);
bool deleteMacroFile(const QString &name);
// False when either name is refused, the old file is missing or the new one exists.
bool renameMacroFile(const QString &oldName, const QString &newName);

// The first empty slot receives the name; a name already listed is not added twice.
// False when the name is refused or all MACRO_LIST_SIZE slots are taken.
bool addMacroName(const QString &name);
// Empties the slot(s) holding the name; later slots do not move.
bool removeMacroName(const QString &name);
// Rewrites the whole index from slot 0 (at most MACRO_LIST_SIZE names; refused names are skipped).
bool writeMacroNames(const QStringList &names);
int macroCount();
QStringList macroNames(); // in slot order, empty slots skipped

// Copies a stored macro (fun 200) or gun file (fun 510) into a button slot:
// keyNumber = the file's count, its first KEY_INFO_COUNT events into keyInfo
// (entries beyond the count keep their bytes), macroName and fun. A missing file
// assigns an empty macro and returns false; a refused name leaves the slot as it was.
bool assignMacroToButton(ButtonInfo &button, const QString &name, int fun);
// The slots of profile whose buttons play the macro (function 200 or 510 with its name).
QList<int> macroButtons(const ProfileData &profile, const QString &name);
// Gives those buttons newName.
void renameMacroButtons(ProfileData &profile, const QString &oldName, const QString &newName);

// Movement amount -120..120 <-> stored byte, delay ms <-> stored units.
constexpr int MACRO_MAX_MOVE = 120;
uint8_t encodeMoveAmount(int amount);    // clamped to -120..120
int decodeMoveAmount(uint8_t stored);
int delayToUnits(int ms, int minDelayMs); // clamped to 0..65535; minDelayMs < 1 counts as 10
MacroEvent delayEvent(int units);
int delayUnits(const MacroEvent &event);
