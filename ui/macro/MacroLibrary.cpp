#include "ui/macro/MacroLibrary.h"

namespace {
constexpr int kNewDefaultDelayMs = 10;
constexpr int kNewLoopTime = 1;

QString numbered(const QString &stem, int n)
{
    return stem + QStringLiteral("_%1").arg(n);
}
} // namespace

QString firstFreeNumberedName(const QString &stem)
{
    int n = 1;
    while (macroFileExists(numbered(stem, n)))
        ++n;
    return numbered(stem, n);
}

QString uniqueMacroName(const QString &wanted)
{
    return macroFileExists(wanted) ? firstFreeNumberedName(wanted) : wanted;
}

bool macroStoreFull()
{
    return macroCount() >= MACRO_LIST_SIZE;
}

bool createMacro(const QString &name, const MacroFile &macro)
{
    if (!saveMacroFile(name, macro))
        return false;
    if (addMacroName(name))
        return true;
    // An unlisted file would only block the name.
    deleteMacroFile(name);
    return false;
}

MacroFile emptyMacro()
{
    MacroFile macro;
    macro.defaultDelay = kNewDefaultDelayMs;
    macro.loopTime = kNewLoopTime;
    return macro;
}
