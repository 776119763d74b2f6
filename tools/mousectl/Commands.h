#pragma once
// The commands of mousectl. Each prints its result on standard output or one
// error line on standard error, and returns the exit status (ExitCodes.h).
#include "tools/mousectl/CommandLine.h"
#include <QString>

int runList(const CtlOptions &options);
int runStatus(const CtlOptions &options);
int runApply(const CtlOptions &options);
int runProfile(const CtlOptions &options);
int runExport(const QString &file);
int runImport(const QString &file);
int runGet(const CtlOptions &options);
int runSet(const CtlOptions &options);
int runMacro(const CtlOptions &options);
int runHelp(const CtlOptions &options);

int runCommand(const CtlOptions &options);
