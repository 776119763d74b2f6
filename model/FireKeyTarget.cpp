#include "model/FireKeyTarget.h"
#include <QtGlobal>
#include <algorithm>
#include <iterator>

namespace {
const char *const kTargetLabels[FIRE_TARGET_COUNT] = {
    QT_TRANSLATE_NOOP("KestFireKeyWindow", "Left"),
    QT_TRANSLATE_NOOP("KestFireKeyWindow", "Right"),
    QT_TRANSLATE_NOOP("KestFireKeyWindow", "Middle"),
    QT_TRANSLATE_NOOP("KestFireKeyWindow", "Keyboard Key"),
};

// res1 of the three mouse-button targets.
constexpr uint8_t kTargetButtons[FireKeyboard] = {0x81, 0x82, 0x84};
} // namespace

const char *fireTargetLabel(int target)
{
    return target >= 0 && target < FIRE_TARGET_COUNT ? kTargetLabels[target] : "";
}

uint8_t fireTargetValue(int target, KeyCode key)
{
    if (target >= FireLeft && target < FireKeyboard)
        return kTargetButtons[target];
    int usage = 0;
    if (!key || !keyCodeToHidUsage(key, usage))
        return 0;
    return uint8_t(usage);
}

int fireTargetOf(uint8_t value, KeyCode &key)
{
    key = 0;
    if (value == 0)
        return FireLeft;
    const auto *button = std::find(std::begin(kTargetButtons), std::end(kTargetButtons), value);
    if (button != std::end(kTargetButtons))
        return int(button - std::begin(kTargetButtons));
    int code = 0;
    if (hidUsageToKeyCode(value, code))
        key = KeyCode(code);
    return FireKeyboard;
}
