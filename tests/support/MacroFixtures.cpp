#include "tests/support/MacroFixtures.h"

MacroEvent keyPressRow(int usage)
{
    return {uint8_t(MacroKey | MacroPress), 0, uint8_t(usage)};
}

MacroEvent keyReleaseRow(int usage)
{
    return {MacroKey, 0, uint8_t(usage)};
}

bool storeMacro(const QString &name, const QVector<MacroEvent> &events, int delayType)
{
    MacroFile macro;
    macro.defaultDelay = 10;
    macro.loopTime = 1;
    macro.delayType = delayType;
    macro.events = events;
    return saveMacroFile(name, macro) && addMacroName(name);
}

bool fillMacroStore(int count)
{
    for (int i = 0; i < count; ++i) {
        if (!storeMacro(QStringLiteral("m%1").arg(i)))
            return false;
    }
    return true;
}

QVector<MacroEvent> storedEvents(const QString &name)
{
    MacroFile macro;
    loadMacroFile(name, macro);
    return macro.events;
}

QStringList hexRows(const QVector<MacroEvent> &events)
{
    QStringList rows;
    for (const MacroEvent &e : events)
        rows << QStringLiteral("%1 %2 %3")
                    .arg(e.map, 2, 16, QLatin1Char('0'))
                    .arg(e.high, 2, 16, QLatin1Char('0'))
                    .arg(e.low, 2, 16, QLatin1Char('0'));
    return rows;
}
