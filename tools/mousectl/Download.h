#pragma once
// Finding the mouse and sending settings to it, shared by the commands that do.
#include "tools/mousectl/CommandLine.h"
#include "storage/MouseSettings.h"

class WriteTransaction;

// Loads the model table and enumerates, as the window does at start-up.
int discoverMice();
// discoverMice, then opens the configured mouse's command collection; a
// failure's message starts with `context`.
int openMouse(const QString &context = QString());
// After no command handle could be had: why (no mouse, or one this user may
// not open) on stderr, and the exit status for it.
int reportNoHandle(const QString &context = QString());
// Sends the groups (ChangeFlag bits) of the transaction's settings to the
// mouse, opening it first unless it is open, or with --dry-run prints the
// reports that would go out, touching neither the mouse nor any file. 0 when
// there is nothing to send. A failure's message starts with `context`.
int downloadSettings(WriteTransaction &write, int flags, const CtlOptions &options,
                     const QString &context = QStringLiteral("apply: "));
