#pragma once
// A key combination as the combo-key dialog holds it: four modifier
// positions and a main key, and how it is stored in a button record.
#include "storage/KeyTables.h"
#include "storage/MouseSettings.h"
#include <QString>
#include <array>

enum ComboPosition { ComboShift, ComboCtrl, ComboWin, ComboAlt, ComboMain, COMBO_POSITION_COUNT };

// Modifier states are bits: 1 the left key, 2 the right key (3 both).
constexpr uint8_t ComboLeft = 1;
constexpr uint8_t ComboRight = 2;

struct ComboKeyState {
    std::array<uint8_t, COMBO_POSITION_COUNT> state{}; // main key: 0 or 1
    KeyCode mainCode = 0;

    bool isEmpty() const;
    // The code a position is stored and shown by: a modifier's left key, the main key's code.
    KeyCode codeAt(int position) const;
};

// The left and right key of a modifier position.
KeyCode comboLeftKey(int position);
KeyCode comboRightKey(int position);
// The modifier position and side of a key code; false for any other key.
bool comboModifierOf(KeyCode code, int &position, uint8_t &side);

// "Shift + Ctrl + A": the names of the set positions in position order.
// namedByRightWhenBoth: a modifier seen on both sides is named by its right key.
QString comboText(const ComboKeyState &combo, bool namedByRightWhenBoth = false);

// The combination held in the first five key entries of a button record
// (HID usages; empty entries skipped).
ComboKeyState comboFromKeyEvents(const KeyInfo *entries, int count);

// Inserts a key at combo position n: entries n .. 60 move two places back
// (61 and 62 fall off), entry n is its press and n + 1 its release.
void insertComboKey(ButtonInfo &button, int position, KeyCode code);
// Clears the key entries and inserts the set positions in the order Shift,
// Ctrl, Win, Alt, main key: all presses, then the releases in reverse order.
// Returns the number of entries written.
int storeComboKey(ButtonInfo &button, const ComboKeyState &combo);
