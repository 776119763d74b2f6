// A macro file (or, built as the gun-file target, a gun file) in the macro
// library: the raw read an import makes, the editor's load, the button
// assignment and what the mouse's macro slot receives; saving what was loaded
// keeps it.
#include "fuzz/FuzzSupport.h"
#include "device/MacroEncoding.h"
#include "storage/MacroFiles.h"
#include <QHash>
#include <algorithm>

#ifndef MACRO_FUNCTION
#define MACRO_FUNCTION FunMacro
#endif

namespace {

bool editorCanShow(const MacroEvent &e)
{
    switch (e.map & ~MacroPress) {
    case MacroMouseButton:
        return std::find(std::begin(MacroButtonBits), std::end(MacroButtonBits), e.low) != std::end(MacroButtonBits);
    case MacroMove:
        return e.high == 0 || e.low == 0;
    case MacroKey:
    case MacroDelay:
        return true;
    default:
        return false;
    }
}

// What the editor's load keeps: the four event kinds, buttons with a known bit
// (a movement with both amounts set is kept, as an empty one).
bool loadKeeps(const MacroEvent &e)
{
    return editorCanShow(e) || (e.map & ~MacroPress) == MacroMove;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace fuzz;
    Sandbox &box = Sandbox::instance();
    box.reset();
    const QString name = QStringLiteral("fuzzed");
    check(Sandbox::writeFile(macroFilePath(name), Sandbox::bytes(data, size)), "file placed in the macro library");
    // The input lies inside Configs, so what is outside stays as first seen.
    static const bool watching = (box.watchOutside(), true);
    Q_UNUSED(watching);

    const QVector<MacroEvent> raw = readMacroEventsAt(macroFilePath(name));
    check(raw.size() <= MACRO_MAX_EVENTS, "event count beyond the limit");

    MacroFile macro;
    const int kept = loadMacroFile(name, macro);
    check(kept == int(std::count_if(raw.begin(), raw.end(), loadKeeps)), "loaded event count");
    for (const MacroEvent &e : macro.events)
        check(editorCanShow(e), "event the editor cannot show", QStringLiteral("map %1").arg(e.map));

    ButtonInfo button;
    check(assignMacroToButton(button, name, MACRO_FUNCTION), "assignment of an existing file");
    check(button.keyNumber == raw.size(), "button event count");
    // The first events as stored, the rest of the slot untouched.
    for (int j = 0; j < KEY_INFO_COUNT; ++j) {
        const KeyInfo &k = button.keyInfo[j];
        const MacroEvent e = j < raw.size() ? raw[j] : MacroEvent{0, 0, 0};
        check(k.map == e.map && k.low == e.low && k.high == e.high, "button event", QString::number(j));
    }

    // What the mouse receives fits its slot.
    MacroArea area{};
    encodeMacroSlot(area, MACRO_AREA_SLOTS - 1, raw);
    check(encodedMacroSize(eventsForSlot(raw)) <= MACRO_SLOT_BYTES, "slot overflow");
    MouseSettings image;
    image.profiles[0].buttonInfo[0] = button;
    MacroNameMap names;
    names.assign(name);
    fillMacroArea(area, image, names, [](const QString &n) { return readMacroEvents(n); });
    macroAreaReports(area);

    check(saveMacroFile(name, macro), "save of the loaded macro");
    MacroFile again;
    check(loadMacroFile(name, again) == kept && again.events == macro.events, "macro changed by a save");
    check(again.delayType == macro.delayType && again.defaultDelay == macro.defaultDelay
              && again.loopType == macro.loopType && again.loopTime == macro.loopTime,
          "macro settings changed by a save");
    check(readWriteSign(name) == 1, "write mark of a save");
    // A second writer costs as much as the rest of the input: a quarter of the inputs clear the mark.
    if (qHash(Sandbox::bytes(data, size)) % 4 == 0)
        check(clearWriteSign(name) && readWriteSign(name) == 0, "write mark cleared");
    box.checkOutside();
    return 0;
}
