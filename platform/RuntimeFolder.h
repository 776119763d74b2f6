#pragma once
// The user's private folder for the instance lock, the activation socket and
// the OSD helper's socket and lock. Whoever can write in it could take those
// names first, so it is used only when it is the user's alone.
#include <QString>

// $XDG_RUNTIME_DIR when it is set and Qt finds it private; otherwise
// "<temp folder>/mousecfg-<uid>", made with mode 0700. An existing folder is
// refused when it is a symbolic link or not a folder, belongs to someone
// else, or others may write in it; one that is only readable by others (left
// so by an earlier version) is made 0700. Empty when refused, with the reason
// in a warning (once per folder and reason).
QString privateRuntimeFolder();
