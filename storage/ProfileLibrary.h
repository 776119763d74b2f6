#pragma once
// The saved-profile library of the current product: its list ("PROFILE_LIST"
// of the product's Config.ini), the rules for names a profile may take, and
// renaming a slot's profile. Shared by the window and the command-line tool.
#include "storage/MouseSettings.h"
#include <QString>
#include <QStringList>

constexpr int MAX_PROFILE_FILES = 200; // entries of the saved-profile list

// The current product's list. Never written for this product: the slots'
// names. Unusable names, "DefaultProfile", repeats and entries beyond
// MAX_PROFILE_FILES are left out.
QStringList loadProfileFileList(const MouseSettings &settings);
// Rewrites "PROFILE_LIST/Count" and every entry; false when it could not be written.
bool saveProfileFileList(const QStringList &names);

// "Profile 1" .. "Profile 5".
bool isDefaultName(const QString &name);
// A default name or the factory template: never renamed or deleted.
bool isProtectedProfileName(const QString &name);
// Its file exists, the library lists it, or a slot is bound to it.
bool isProfileNameTaken(const QString &name, const MouseSettings &settings, const QStringList &library);
// Why a name cannot become a profile file, as the window shows it; empty when it can.
QString profileNameRefusal(const QString &name);

struct ProfileRenameResult {
    bool ok = false;      // renamed, and the list and the slot names written
    QStringList messages; // empty when ok; else the window's texts, one message box each
};
// Renames the slot's profile: its file, its library entry and every slot bound
// to it, then writes "PROFILE_LIST" and the slot names ("Config/ProfileID",
// "Config/Count", "Config/Profile1".."5"). A refused name changes nothing.
// When a write fails after the file moved, settings and library already hold
// the new name, and messages say what was not written.
ProfileRenameResult renameSlotProfile(MouseSettings &settings, int slot, const QString &newName,
                                      QStringList &library);
// The same on the list as stored.
ProfileRenameResult renameSlotProfile(MouseSettings &settings, int slot, const QString &newName);
// A slot under a default name keeps it and gets a profile file of its own
// under the new name, holding its settings (Copy, then renaming the copy, in
// the window); any other slot is renamed as above.
ProfileRenameResult nameSlotProfile(MouseSettings &settings, int slot, const QString &newName);
