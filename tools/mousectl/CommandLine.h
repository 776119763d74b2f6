#pragma once
// What one mousectl run was asked to do, parsed and checked before anything
// touches a file or the mouse.
#include "sim/VirtualMouse.h"
#include <QString>
#include <QStringList>

enum class CtlCommand { List, Status, Apply, Profile, Export, Import, Get, Set, Macro, Help };

struct CtlOptions {
    QString appDir;                          // empty: the executable's folder
    bool useVirtualMouse = false;
    Connection virtualConnection = Connection::Receiver;
    int virtualMotionHz = 0;                 // movement reports per second (virtual mouse)
    bool virtualNoAccess = false;            // the virtual mouse's nodes refuse this user
    bool trace = false;
    bool dump = false;
    bool help = false;                       // nothing else is done
    bool version = false;                    // --version: nothing else is done
    CtlCommand command = CtlCommand::List;
    int applyFlags = 0;                      // ChangeFlag bits (apply)
    int profileSlot = 0;                     // 1..5 (profile)
    QString file;                            // export, import
    bool json = false;                       // --json: list, status, get, macro list, macro show
    bool dryRun = false;                     // --dry-run: apply, set --apply
    bool applyAfterSet = false;              // set --apply
    int slot = 0;                            // --slot N (get, set): 1..5; 0 the current slot
    QStringList arguments;                   // the command's own words (get, set, macro, help)
};

struct ParsedCommandLine {
    CtlOptions options;
    QString error; // one line; empty when the command line is usable
};

// arguments: without the program name.
ParsedCommandLine parseCommandLine(const QStringList &arguments);
QString usageText();

// "all", or a comma-separated list of basic, dpi, buttons, lighting. 0 when
// any item is unknown or empty.
int parseGroups(const QString &text);
