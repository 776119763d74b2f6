#pragma once
#include <QString>

// The folder that holds DefaultProfile.bin, Configs/, skin/ and lang/.
// Defaults to the executable's folder; tests, tools and benchmarks point it elsewhere.
QString appDir();
void setAppDir(const QString &dir);

// appDir() + "/Configs"; for an installed program (see storage/UserConfig.h)
// the user's own copy of it, made on first use.
QString configDir();
