#pragma once
#include <QString>

// The folder that holds DefaultProfile.bin, Configs/, skin/ and lang/.
// Defaults to the executable's folder; tests, tools and benchmarks point it elsewhere.
QString appDir();
void setAppDir(const QString &dir);

// appDir() + "/Configs"; for an installed program (see storage/UserConfig.h)
// the user's own copy of it, made on first use.
QString configDir();

// Empty when configDir() is where the application folder keeps its settings,
// or where an installation asks for them. Else one line: which folder is used
// and why (the application folder cannot be written; the per-user folder
// cannot be made either, so the settings are only read).
QString configDirNotice();
