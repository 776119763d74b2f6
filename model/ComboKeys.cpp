#include "model/ComboKeys.h"
#include <QStringList>
#include <algorithm>
#include <iterator>

namespace {
// Left and right key of each modifier position (Shift, Ctrl, Win, Alt).
constexpr KeyCode kModifierKeys[ComboMain][2] = {
    {0x2A, 0x36},
    {0x1D, 0xEE},
    {0x5B, 0x5C},
    {0x38, 0xEF},
};

constexpr uint8_t kPressMarker = 0x80;
constexpr uint8_t kKeyEventLow = 5;
} // namespace

KeyCode comboLeftKey(int position)
{
    return position >= 0 && position < ComboMain ? kModifierKeys[position][0] : 0;
}

KeyCode comboRightKey(int position)
{
    return position >= 0 && position < ComboMain ? kModifierKeys[position][1] : 0;
}

bool comboModifierOf(KeyCode code, int &position, uint8_t &side)
{
    for (int p = 0; p < ComboMain; ++p) {
        for (int s = 0; s < 2; ++s) {
            if (kModifierKeys[p][s] == code) {
                position = p;
                side = s == 0 ? ComboLeft : ComboRight;
                return true;
            }
        }
    }
    return false;
}

bool ComboKeyState::isEmpty() const
{
    return std::all_of(state.begin(), state.end(), [](uint8_t s) { return s == 0; });
}

KeyCode ComboKeyState::codeAt(int position) const
{
    return position == ComboMain ? mainCode : comboLeftKey(position);
}

QString comboText(const ComboKeyState &combo, bool namedByRightWhenBoth)
{
    QStringList names;
    for (int p = 0; p < COMBO_POSITION_COUNT; ++p) {
        if (!combo.state[size_t(p)])
            continue;
        KeyCode code = combo.codeAt(p);
        if (namedByRightWhenBoth && p != ComboMain && combo.state[size_t(p)] > ComboRight)
            code = comboRightKey(p);
        names << keyName(code);
    }
    return names.join(" + ");
}

ComboKeyState comboFromKeyEvents(const KeyInfo *entries, int count)
{
    ComboKeyState combo;
    for (int i = 0; i < count; ++i) {
        if (entries[i].map == 0)
            continue;
        int code = 0;
        if (!hidUsageToKeyCode(entries[i].map, code))
            continue;
        int position = 0;
        uint8_t side = 0;
        if (comboModifierOf(KeyCode(code), position, side)) {
            combo.state[size_t(position)] |= side;
        } else {
            combo.state[ComboMain] = 1;
            combo.mainCode = KeyCode(code);
        }
    }
    return combo;
}

void insertComboKey(ButtonInfo &button, int position, KeyCode code)
{
    if (position < 0 || position >= KEY_INFO_COUNT)
        return;
    int usage = 0;
    keyCodeToHidUsage(code, usage);
    KeyInfo *info = button.keyInfo;
    // Entries position .. 60 move to position + 2 .. 62.
    if (position < KEY_INFO_COUNT - 2)
        std::copy_backward(info + position, info + KEY_INFO_COUNT - 2, info + KEY_INFO_COUNT);
    info[position] = {uint8_t(usage), kKeyEventLow, kPressMarker};
    if (position + 1 < KEY_INFO_COUNT)
        info[position + 1] = {uint8_t(usage), kKeyEventLow, 0};
}

int storeComboKey(ButtonInfo &button, const ComboKeyState &combo)
{
    std::fill(std::begin(button.keyInfo), std::end(button.keyInfo), KeyInfo{});
    int inserted = 0;
    for (int p = 0; p < COMBO_POSITION_COUNT; ++p) {
        if (combo.state[size_t(p)])
            insertComboKey(button, inserted++, combo.codeAt(p));
    }
    return 2 * inserted;
}
