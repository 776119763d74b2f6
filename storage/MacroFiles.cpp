#include "storage/MacroFiles.h"
#include "storage/AppPaths.h"
#include "storage/IniFile.h"
#include "storage/SafeName.h"
#include <QDebug>
#include <QFile>
#include <algorithm>
#include <cstdio>

namespace {

QString key(const char *entry)
{
    return QStringLiteral("Setting/") + QLatin1String(entry);
}

// Built in one step: a macro's load and save make three keys for each of its events.
QString eventKey(const char *stem, int index)
{
    char text[48];
    const int length = std::snprintf(text, sizeof text, "Setting/%s%d", stem, index);
    return QString::fromLatin1(text, length);
}

bool refuseName(const QString &name, const char *operation)
{
    const QString problem = fileNameProblem(name);
    if (problem.isEmpty())
        return false;
    qWarning().noquote() << operation << "refused macro name" << name << "-" << problem;
    return true;
}

// A damaged or hostile count must neither run away nor go negative.
int storedEventCount(const IniFile &ini)
{
    const int count = ini.intValue(key("Count"));
    if (count >= 0 && count <= MACRO_MAX_EVENTS)
        return count;
    qWarning().noquote() << "Macro file" << ini.path() << "claims" << count << "events - reading"
                         << std::clamp(count, 0, MACRO_MAX_EVENTS);
    return std::clamp(count, 0, MACRO_MAX_EVENTS);
}

MacroEvent storedEvent(const IniFile &ini, int index)
{
    MacroEvent e;
    e.map = ini.byteValue(eventKey("Map_", index));
    e.high = ini.byteValue(eventKey("DataH_", index));
    e.low = ini.byteValue(eventKey("DataL_", index));
    return e;
}

QVector<MacroEvent> storedEvents(const IniFile &ini)
{
    const int count = storedEventCount(ini);
    QVector<MacroEvent> events;
    events.reserve(count);
    for (int i = 0; i < count; ++i)
        events.append(storedEvent(ini, i));
    return events;
}

bool isButtonBit(uint8_t bit)
{
    return std::find(std::begin(MacroButtonBits), std::end(MacroButtonBits), bit)
        != std::end(MacroButtonBits);
}

// The editor's view of a stored event; false when the editor cannot show it.
bool normaliseEvent(MacroEvent &e)
{
    switch (e.map) {
    case MacroMouseButton:
    case MacroMouseButton | MacroPress:
        return isButtonBit(e.low);
    case MacroKey:
    case MacroKey | MacroPress:
        return true;
    case MacroMove:
    case MacroMove | MacroPress:
        // Only one axis moves per event; anything else is no movement at all.
        if (e.high != 0 && e.low != 0)
            e.high = e.low = 0;
        return true;
    case MacroDelay:
    case MacroDelay | MacroPress:
        return true;
    default:
        return false;
    }
}

} // namespace

QString macroDir()
{
    return configDir() + QStringLiteral("/MacroDB");
}

QString macroFilePath(const QString &name)
{
    return macroDir() + QLatin1Char('/') + name + QStringLiteral(".MSMACRO");
}

bool macroFileExists(const QString &name)
{
    return isSafeFileName(name) && QFile::exists(macroFilePath(name));
}

bool saveMacroFile(const QString &name, const MacroFile &macro)
{
    if (refuseName(name, "Saving"))
        return false;
    if (macro.events.size() > MACRO_MAX_EVENTS) {
        qWarning().noquote() << "Macro" << name << "has" << macro.events.size()
                             << "events; at most" << MACRO_MAX_EVENTS << "can be stored";
        return false;
    }
    IniWriter ini(macroFilePath(name));
    // Events of an earlier, longer version must not linger behind the new count.
    ini->clear();
    ini->setValue(key("MacroFilePath"), ini.path());
    ini->setValue(key("DefaultDelay"), macro.defaultDelay);
    ini->setValue(key("DelayType"), macro.delayType);
    ini->setValue(key("LoopType"), macro.loopType);
    ini->setValue(key("LoopTime"), macro.loopTime);
    ini->setValue(key("Count"), macro.events.size());
    for (int i = 0; i < macro.events.size(); ++i) {
        const MacroEvent &e = macro.events.at(i);
        ini->setValue(eventKey("Map_", i), QString::number(e.map));
        ini->setValue(eventKey("DataH_", i), QString::number(e.high));
        ini->setValue(eventKey("DataL_", i), QString::number(e.low));
    }
    ini->setValue(key("WriteSign"), 1);
    return ini.commit();
}

int loadMacroFile(const QString &name, MacroFile &macro)
{
    macro = MacroFile();
    if (refuseName(name, "Loading"))
        return -1;
    const IniFile ini(macroFilePath(name));
    macro.filePath = ini.path();
    if (!ini.exists())
        return -1;
    macro.delayType = ini.intValue(key("DelayType"));
    macro.defaultDelay = ini.intValue(key("DefaultDelay"));
    macro.loopTime = ini.intValue(key("LoopTime"));
    macro.loopType = ini.intValue(key("LoopType"));
    for (MacroEvent e : storedEvents(ini)) {
        if (normaliseEvent(e))
            macro.events.append(e);
    }
    return macro.events.size();
}

QVector<MacroEvent> readMacroEvents(const QString &name)
{
    if (refuseName(name, "Reading"))
        return {};
    return storedEvents(IniFile(macroFilePath(name)));
}

QVector<MacroEvent> readMacroEventsAt(const QString &path)
{
    return storedEvents(IniFile(path));
}

bool isMacroFile(const QString &path)
{
    const IniFile ini(path);
    return ini.hasGroups({QStringLiteral("Setting")}) && ini.settings().contains(key("Count"));
}

int readWriteSign(const QString &name)
{
    if (refuseName(name, "Reading the write mark of"))
        return 0;
    return IniFile(macroFilePath(name)).intValue(key("WriteSign"));
}

bool clearWriteSign(const QString &name)
{
    if (refuseName(name, "Clearing the write mark of"))
        return false;
    if (!QFile::exists(macroFilePath(name)))
        return false;
    IniWriter ini(macroFilePath(name));
    ini->setValue(key("WriteSign"), 0);
    return ini.commit();
}

bool deleteMacroFile(const QString &name)
{
    if (refuseName(name, "Deleting"))
        return false;
    const bool removed = QFile::remove(macroFilePath(name));
    if (removed)
        noteChangedFile();
    return removed;
}

bool renameMacroFile(const QString &oldName, const QString &newName)
{
    if (refuseName(oldName, "Renaming") || refuseName(newName, "Renaming to"))
        return false;
    // QFile::rename never replaces an existing file.
    const bool renamed = QFile::rename(macroFilePath(oldName), macroFilePath(newName));
    if (renamed)
        noteChangedFile();
    return renamed;
}

QList<int> macroButtons(const ProfileData &profile, const QString &name)
{
    QList<int> used;
    for (int i = 0; i < BUTTON_SLOT_COUNT; ++i) {
        const ButtonInfo &b = profile.buttonInfo[i];
        if ((b.fun == FunMacro || b.fun == FunGunFile) && b.macroName == name)
            used << i;
    }
    return used;
}

void renameMacroButtons(ProfileData &profile, const QString &oldName, const QString &newName)
{
    for (int slot : macroButtons(profile, oldName))
        profile.buttonInfo[slot].macroName = newName;
}

bool assignMacroToButton(ButtonInfo &button, const QString &name, int fun)
{
    if (refuseName(name, "Assigning"))
        return false;
    const IniFile ini(macroFilePath(name));
    const int count = storedEventCount(ini);
    button.keyNumber = count;
    for (int j = 0; j < count && j < KEY_INFO_COUNT; ++j) {
        const MacroEvent e = storedEvent(ini, j);
        button.keyInfo[j] = {e.map, e.low, e.high};
    }
    button.macroName = name;
    button.fun = fun;
    return ini.exists();
}
