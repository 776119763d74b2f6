#pragma once
// What the firmware updater stand-in tells the user: this installation carries
// no updater for the mouse model, so nothing was changed.
#include <QString>

// The application folder of a program installed as <app>/skin/mouse/bin/<name>.
QString appDirOfUpdater(const QString &programDir);
// The translated notice (title and text) in the language chosen in the utility.
QString updaterNoticeTitle();
QString updaterNoticeText();
// True when windows can be shown: a display is configured and the platform
// is not one that draws nowhere (offscreen, minimal).
bool canShowWindows();
// Shows the notice in a small window and waits until it is closed.
void showUpdaterNotice();
