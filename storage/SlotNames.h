#pragma once
// Every slot saves into the file of its name, so two slots with one name
// would save into one file and the later would overwrite the earlier.
#include "storage/MouseSettings.h"
#include <QList>

// Gives each slot whose name an earlier slot already has the first of
// "Profile N", "Profile N (2)", "Profile N (3)", ... (N its slot number) that
// no slot uses and no profile file holds, so its next save makes a file of its
// own. Its settings stay as they are. Returns the slots renamed.
QList<int> separateSlotNames(MouseSettings &settings);
