#include "model/ButtonAssignment.h"
#include "storage/MacroFiles.h"
#include "storage/SafeName.h"
#include "model/ButtonCatalog.h"
#include <QtGlobal>

const char *const LAST_LEFT_CLICK_TEXT =
    QT_TRANSLATE_NOOP("MousecfgWidget", "AT LEAST ONE CLICK FUNCTION TO BE RETAINED.");
const char *const GUN_ON_LEFT_BUTTON_TEXT = QT_TRANSLATE_NOOP("KestBtnWindow", "Left Button Can not be Gun Function.");

namespace {
constexpr int kLeftButtonRecord = 0;
} // namespace

bool takesLastLeftClick(const ButtonInfo &record, int fun, const ProfileData *profile, int recordIndex)
{
    if (record.fun != FunLeftClick || fun == FunLeftClick)
        return false;
    if (!profile)
        return true;
    for (int r = 0; r < BUTTON_SLOT_COUNT; ++r) {
        if (r != recordIndex && profile->buttonInfo[r].fun == FunLeftClick)
            return false;
    }
    return true;
}

bool gunFileAllowed(int recordIndex)
{
    return recordIndex != kLeftButtonRecord;
}

void assignPlainFunction(ButtonInfo &record, int fun)
{
    record.fun = fun;
}

void assignSingleKey(ButtonInfo &record, KeyCode key)
{
    record.res1 = key;
    record.fun = FunSingleKey;
}

void assignComboKey(ButtonInfo &record, const ComboKeyState &combo)
{
    record.keyNumber = storeComboKey(record, combo);
    record.fun = FunComboKey;
}

void assignFireKey(ButtonInfo &record, uint8_t target, int times, int delay)
{
    record.res1 = target;
    record.loopNumber = times;
    record.keyNumber = delay;
    record.fun = FunFireKey;
}

void assignSniper(ButtonInfo &record, int step)
{
    record.res1 = uint8_t(step);
    record.fun = FunSniper;
}

bool assignMacroSelection(ButtonInfo &record, int fun, const MacroSelection &selection)
{
    if (!isSafeFileName(selection.name))
        return false;
    record.loopNumber = selection.loopCount;
    record.res1 = uint8_t(selection.mode);
    assignMacroToButton(record, selection.name, fun);
    return true;
}
