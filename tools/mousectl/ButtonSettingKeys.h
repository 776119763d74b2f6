#pragma once
// button.N, wheel.up and wheel.down: the function of every button of the
// configured mouse, in the words of the assignment menus.
#include "tools/mousectl/SettingKeys.h"

void addButtonKeys(QVector<SettingKey> &keys);
