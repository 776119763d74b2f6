#include "storage/ConfigStorage.h"
#include "storage/IniFile.h"
#include "storage/MacroFiles.h"
#include "storage/SafeName.h"
#include <QDebug>

namespace {

QString slotKey(int slot)
{
    return QStringLiteral("MACRO_LIST/%1").arg(slot);
}

QStringList readSlots(const IniFile &ini)
{
    QStringList entries;
    for (int i = 0; i < MACRO_LIST_SIZE; ++i)
        entries.append(ini.stringValue(slotKey(i)));
    return entries;
}

} // namespace

bool addMacroName(const QString &name)
{
    if (!isSafeFileName(name)) {
        qWarning().noquote() << "Not listing macro name" << name << "-" << fileNameProblem(name);
        return false;
    }
    IniWriter ini(configFilePath());
    const QStringList entries = readSlots(ini);
    if (entries.contains(name))
        return true;
    const int freeSlot = entries.indexOf(QString());
    if (freeSlot < 0) {
        qWarning().noquote() << "All" << MACRO_LIST_SIZE << "macro entries are taken; not adding" << name;
        return false;
    }
    ini->setValue(slotKey(freeSlot), name);
    return ini.commit();
}

bool removeMacroName(const QString &name)
{
    if (name.isEmpty())
        return false;
    IniWriter ini(configFilePath());
    const QStringList entries = readSlots(ini);
    bool found = false;
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i) == name) {
            ini->setValue(slotKey(i), QString());
            found = true;
        }
    }
    return found && ini.commit();
}

bool writeMacroNames(const QStringList &names)
{
    IniWriter ini(configFilePath());
    bool ok = names.size() <= MACRO_LIST_SIZE;
    int slot = 0;
    for (const QString &name : names) {
        if (slot == MACRO_LIST_SIZE)
            break;
        if (isSafeFileName(name))
            ini->setValue(slotKey(slot++), name);
        else
            ok = false;
    }
    while (slot < MACRO_LIST_SIZE)
        ini->setValue(slotKey(slot++), QString());
    return ini.commit() && ok;
}

int macroCount()
{
    return macroNames().size();
}

QStringList macroNames()
{
    QStringList names = readSlots(IniFile(configFilePath()));
    names.removeAll(QString());
    return names;
}
