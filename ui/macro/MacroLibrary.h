#pragma once
// Choosing names and creating entries in the macro store (MacroDB files plus
// the "MACRO_LIST" index), shared by the macro page and the gun set.
#include "storage/MacroFiles.h"
#include <QString>

// "name_1", "name_2", ... : the first whose file does not exist.
QString firstFreeNumberedName(const QString &stem);
// wanted itself when no file of that name exists, else wanted_1, wanted_2, ...
QString uniqueMacroName(const QString &wanted);
bool macroStoreFull(); // MACRO_LIST_SIZE names listed

// Writes the file and lists the name; false (and nothing listed) when the
// file could not be written.
bool createMacro(const QString &name, const MacroFile &macro);
// A new, empty macro as "NEW" makes it: default delay 10 ms, loop count 1.
MacroFile emptyMacro();
