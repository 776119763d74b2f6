#pragma once
// One mousectl run around its command: application folder, virtual mouse,
// trace, and the dump and clean-up afterwards.
#include "tools/mousectl/CommandLine.h"

// The exit status.
int runSession(const CtlOptions &options);
