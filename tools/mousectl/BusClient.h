#pragma once
// The running program's mouse on the session bus. While the window (or its
// tray icon) runs for the configuration folder mousectl uses, it owns the
// mouse: mousectl's commands go through it and mousectl opens no node of its
// own. Without a session bus, without a running program, or when it keeps its
// settings in another folder, mousectl opens the node itself.
#include "tools/mousectl/CommandLine.h"
#include <QString>

// Decided once per run, once the configuration folder is known.
void findRunningOwner(const CtlOptions &options);
bool runningOwner();

// The calls below return a device result code (0, 1, 2, 4); a call the
// running program did not answer is printed and counts as a failed write.
// False, with the error printed, when the running program has no mouse.
bool ownerHasMouse(const QString &context = QString());
int ownerApplyGroups(int groups);
int ownerSwitchSlot(int slot); // 1..5

struct OwnerStatus {
    int battery = 0;
    bool charging = false;
    bool sleeping = true;
    QString connection;
};
int ownerStatus(OwnerStatus &status);
