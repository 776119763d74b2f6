#pragma once
// button.N, wheel.up and wheel.down: the function of every button of the
// configured mouse, in the words of the assignment menus.
#include "tools/mousectl/SettingKeys.h"

void addButtonKeys(QVector<SettingKey> &keys);
// Empty when after keeps the rules that hold for the buttons together: a
// profile that had a left click keeps one. Else one line naming a button.
QString buttonStateRefusal(const ProfileData &before, const ProfileData &after);
