#pragma once
// Finding the mouse and sending settings to it, shared by the commands that do.
#include "tools/mousectl/CommandLine.h"
#include "storage/MouseSettings.h"

// Loads the model table and enumerates, as the window does at start-up.
int discoverMice();
// discoverMice, then opens the configured mouse's command collection.
int openMouse();
// Sends the groups (ChangeFlag bits) of working to the mouse, or with
// --dry-run prints the reports that would go out, touching neither the mouse
// nor any file. 0 when there is nothing to send. opened tells whether the
// mouse was reached: a download that never began leaves it as it was.
int downloadSettings(const MouseSettings &working, int flags, const CtlOptions &options, bool *opened = nullptr);
// Stores what a finished download means for the next Apply: after a failure
// the mouse's contents are unknown ("Config/Diff" = 1), after a success they
// are what the files hold (0). False when Config.ini could not be written.
bool rememberDownload(int result);
