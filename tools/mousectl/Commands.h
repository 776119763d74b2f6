#pragma once
// The commands of mousectl. Each prints its result on standard output or one
// error line on standard error, and returns the exit status (ExitCodes.h).
#include "tools/mousectl/CommandLine.h"
#include <QString>

int runList();
int runStatus();
int runApply(int flags);
int runProfile(int slot);
int runExport(const QString &file);
int runImport(const QString &file);

int runCommand(const CtlOptions &options);
