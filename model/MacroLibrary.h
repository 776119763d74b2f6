#pragma once
// Choosing names and creating entries in the macro store (MacroDB files plus
// the "MACRO_LIST" index), and the store's IMPORT, EXPORT and DELETE rules,
// shared by the macro page, the gun set and mousectl. No widgets here: the
// page shows the messages in its boxes, mousectl on its error line.
#include "storage/MacroFiles.h"
#include <QString>
#include <QStringList>

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

enum class MacroStoreError {
    None,
    StoreFull,    // MACRO_LIST_SIZE macros listed
    BadName,      // not usable as a file name
    NameTaken,    // a macro of that name is listed or has a file
    NotMacroFile, // no [Setting] "Count", or unreadable as INI
    TooLong,      // more events than a button or the mouse's slot takes
    TooLarge,     // a file larger than any macro file needs
    CopyFailed,   // the source could not be read or the target written
    ListNotSaved, // "MACRO_LIST" could not be written
};

struct MacroStoreResult {
    MacroStoreError error = MacroStoreError::None;
    QString message; // translated; empty when nothing went wrong
    QString name;    // the macro's name in the store (import: from the file name)
    bool ok() const { return error == MacroStoreError::None; }
};
// The caption of the page's box for a refusal ("WARNING" for a full store).
QString macroStoreCaption(MacroStoreError error);

// IMPORT of one file: copied into the store under its own base name and
// listed. Every refusal leaves the store and the list as they were.
MacroStoreResult importMacroFile(const QString &path);
// EXPORT: the stored file copied to path, replacing a file there in one
// rename (a failed export leaves it as it was).
MacroStoreResult exportMacroFile(const QString &name, const QString &path);
// The export target as the save dialog completes it: ".MSMACRO" appended when missing.
QString macroExportPath(const QString &path);
// DELETE: "MACRO_LIST" rewritten from slot 0 without the name, then its file
// removed (a missing file is no failure).
MacroStoreResult removeMacro(const QString &name);

// "Profile 2, button 3", "Profile 1, wheel up", ... for every button of the
// five slots that plays the macro (as a macro or a gun file).
QStringList macroButtonNames(const MouseSettings &settings, const QString &name);
