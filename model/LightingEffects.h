#pragma once
// The mouse's 14 lighting modes: names, which controls each one uses, and
// the order of the effect menu.
#include <QString>

struct LightingEffect {
    const char *name; // source text, context "KestColorWindow"
    bool brightness;
    bool speed;
    bool colour;
    bool inMenu;
    bool speedFirst; // the speed row takes the brightness row's place
};

constexpr int LIGHTING_EFFECT_COUNT = 14;
// Effect of a mode; modes outside 0..13 read as mode 0.
const LightingEffect &lightingEffect(int mode);
// The modes the effect menu offers, in menu order.
constexpr int LIGHTING_MENU_COUNT = 10;
const int *lightingMenuOrder();
