#include "tools/mousectl/CommandLine.h"
#include "storage/MouseSettings.h"
#include <climits>

namespace {

struct NamedValue {
    const char *name;
    int value;
};

constexpr NamedValue kGroups[] = {
    {"all", ChangeAll},
    {"basic", ChangeBasic},
    {"dpi", ChangeDpi},
    {"buttons", ChangeButtons},
    {"lighting", ChangeLighting},
};

constexpr NamedValue kConnections[] = {
    {"receiver", int(Connection::Receiver)},
    {"cable", int(Connection::Cable)},
    {"both", int(Connection::Both)},
};

struct CommandInfo {
    const char *name;
    CtlCommand command;
    int minArgs;
    int maxArgs;
    const char *argument; // what a missing argument is called
};

constexpr CommandInfo kCommands[] = {
    {"list", CtlCommand::List, 0, 0, ""},
    {"status", CtlCommand::Status, 0, 0, ""},
    {"apply", CtlCommand::Apply, 0, 1, "GROUPS"},
    {"profile", CtlCommand::Profile, 1, 1, "a slot number 1-5"},
    {"export", CtlCommand::Export, 1, 1, "a FILE"},
    {"import", CtlCommand::Import, 1, 1, "a FILE"},
    {"get", CtlCommand::Get, 0, 1, ""},
    {"set", CtlCommand::Set, 2, INT_MAX, "KEY VALUE pairs"},
    {"macro", CtlCommand::Macro, 1, 3, "list, show, import, export or delete"},
    {"help", CtlCommand::Help, 0, 2, ""},
};

// Options without a value.
struct FlagOption {
    const char *name;
    bool CtlOptions::*given;
};

constexpr FlagOption kFlags[] = {
    {"--trace", &CtlOptions::trace},     {"--dump", &CtlOptions::dump},
    {"--json", &CtlOptions::json},       {"--dry-run", &CtlOptions::dryRun},
    {"--apply", &CtlOptions::applyAfterSet}, {"--virtual", &CtlOptions::useVirtualMouse},
    {"--virtual-no-access", &CtlOptions::virtualNoAccess},
};

const FlagOption *findFlag(const QString &arg)
{
    for (const FlagOption &flag : kFlags) {
        if (arg == QLatin1String(flag.name))
            return &flag;
    }
    return nullptr;
}

// Which commands accept --json, --dry-run and --apply.
bool takesJson(const CtlOptions &options)
{
    switch (options.command) {
    case CtlCommand::List:
    case CtlCommand::Status:
    case CtlCommand::Get:
        return true;
    case CtlCommand::Macro:
        return options.arguments.value(0) == QLatin1String("list") || options.arguments.value(0) == QLatin1String("show");
    default:
        return false;
    }
}

bool takesDryRun(const CtlOptions &options)
{
    return options.command == CtlCommand::Apply || (options.command == CtlCommand::Set && options.applyAfterSet);
}

// An option given to a command that does not take it; empty when all fit.
QString misplacedOption(const CtlOptions &options)
{
    if (options.json && !takesJson(options))
        return QStringLiteral("--json only goes with list, status, get, macro list and macro show");
    if (options.dryRun && !takesDryRun(options))
        return QStringLiteral("--dry-run only goes with apply and set --apply");
    if (options.applyAfterSet && options.command != CtlCommand::Set)
        return QStringLiteral("--apply only goes with set");
    if (options.slot != 0 && options.command != CtlCommand::Get && options.command != CtlCommand::Set)
        return QStringLiteral("--slot only goes with get and set");
    return QString();
}

// The value of an option given as "--name VALUE" or "--name=VALUE"; i moves past it.
bool optionValue(const QStringList &arguments, int &i, const char *name, QString &value)
{
    const QString &arg = arguments.at(i);
    const QString prefix = QLatin1String(name) + QLatin1Char('=');
    if (arg.startsWith(prefix)) {
        value = arg.mid(prefix.size());
        return true;
    }
    if (arg != QLatin1String(name))
        return false;
    value = arguments.value(i + 1);
    i += i + 1 < arguments.size() ? 1 : 0;
    return true;
}

template <size_t N>
const NamedValue *findNamed(const NamedValue (&table)[N], const QString &name)
{
    for (const NamedValue &entry : table) {
        if (name == QLatin1String(entry.name))
            return &entry;
    }
    return nullptr;
}

const CommandInfo *findCommand(const QString &name)
{
    for (const CommandInfo &entry : kCommands) {
        if (name == QLatin1String(entry.name))
            return &entry;
    }
    return nullptr;
}

// Fills the command's own arguments into options; an error text or empty.
QString takeCommandArguments(CtlOptions &options, const CommandInfo &info, const QStringList &args)
{
    const QString name = QLatin1String(info.name);
    if (args.size() < info.minArgs)
        return QStringLiteral("%1 needs %2").arg(name, QLatin1String(info.argument));
    if (args.size() > info.maxArgs)
        return QStringLiteral("too many arguments for %1: \"%2\"").arg(name, args.at(info.maxArgs));

    switch (info.command) {
    case CtlCommand::List:
    case CtlCommand::Status:
        break;
    case CtlCommand::Apply:
        options.applyFlags = args.isEmpty() ? int(ChangeAll) : parseGroups(args.first());
        if (options.applyFlags == 0)
            return QStringLiteral("bad group list \"%1\" (use all, or basic,dpi,buttons,lighting)").arg(args.first());
        break;
    case CtlCommand::Profile: {
        bool ok = false;
        options.profileSlot = args.first().toInt(&ok);
        if (!ok || options.profileSlot < 1 || options.profileSlot > PROFILE_COUNT)
            return QStringLiteral("bad profile slot \"%1\" (use 1-%2)").arg(args.first()).arg(PROFILE_COUNT);
        break;
    }
    case CtlCommand::Export:
    case CtlCommand::Import:
        options.file = args.first();
        if (options.file.isEmpty())
            return QStringLiteral("%1 needs a FILE").arg(name);
        break;
    case CtlCommand::Set:
        if (args.size() % 2 != 0)
            return QStringLiteral("set needs a VALUE after \"%1\"").arg(args.last());
        Q_FALLTHROUGH();
    case CtlCommand::Get:
    case CtlCommand::Macro:
    case CtlCommand::Help:
        options.arguments = args;
        break;
    }
    return QString();
}

} // namespace

int parseGroups(const QString &text)
{
    int flags = 0;
    for (const QString &item : text.split(QLatin1Char(','))) {
        const NamedValue *group = findNamed(kGroups, item.trimmed());
        if (!group)
            return 0;
        flags |= group->value;
    }
    return flags;
}

ParsedCommandLine parseCommandLine(const QStringList &arguments)
{
    ParsedCommandLine parsed;
    CtlOptions &options = parsed.options;
    QStringList positional;
    bool optionsEnded = false;

    for (int i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (optionsEnded || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            positional << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) {
            options.help = true;
            return parsed;
        } else if (arg == QLatin1String("--version")) {
            options.version = true;
            return parsed;
        } else if (const FlagOption *flag = findFlag(arg)) {
            options.*(flag->given) = true;
        } else if (QString slot; optionValue(arguments, i, "--slot", slot)) {
            bool number = false;
            options.slot = slot.toInt(&number);
            if (!number || options.slot < 1 || options.slot > PROFILE_COUNT) {
                parsed.error = QStringLiteral("bad slot \"%1\" (use 1-%2)").arg(slot).arg(PROFILE_COUNT);
                return parsed;
            }
        } else if (QString rate; optionValue(arguments, i, "--virtual-motion", rate)) {
            bool number = false;
            options.virtualMotionHz = rate.toInt(&number);
            if (!number || options.virtualMotionHz < 0 || options.virtualMotionHz > SIM_MAX_MOTION_HZ) {
                parsed.error = QStringLiteral("--virtual-motion needs a rate from 0 to %1 Hz").arg(SIM_MAX_MOTION_HZ);
                return parsed;
            }
        } else if (optionValue(arguments, i, "--app-dir", options.appDir)) {
            if (options.appDir.isEmpty()) {
                parsed.error = QStringLiteral("--app-dir needs a DIR");
                return parsed;
            }
        } else if (arg.startsWith(QLatin1String("--virtual="))) {
            const QString kind = arg.mid(int(qstrlen("--virtual=")));
            const NamedValue *connection = findNamed(kConnections, kind);
            if (!connection) {
                parsed.error = QStringLiteral("bad --virtual kind \"%1\" (use receiver, cable or both)").arg(kind);
                return parsed;
            }
            options.useVirtualMouse = true;
            options.virtualConnection = Connection(connection->value);
        } else {
            parsed.error = QStringLiteral("unknown option \"%1\"").arg(arg);
            return parsed;
        }
    }

    if (options.dump && !options.useVirtualMouse) {
        parsed.error = QStringLiteral("--dump needs --virtual");
        return parsed;
    }
    if (options.virtualNoAccess && !options.useVirtualMouse) {
        parsed.error = QStringLiteral("--virtual-no-access needs --virtual");
        return parsed;
    }
    if (options.virtualMotionHz > 0 && !options.useVirtualMouse) {
        parsed.error = QStringLiteral("--virtual-motion needs --virtual");
        return parsed;
    }
    if (positional.isEmpty()) {
        parsed.error = QStringLiteral("no command given (try --help)");
        return parsed;
    }
    const CommandInfo *info = findCommand(positional.first());
    if (!info) {
        parsed.error = QStringLiteral("unknown command \"%1\" (try --help)").arg(positional.first());
        return parsed;
    }
    options.command = info->command;
    parsed.error = takeCommandArguments(options, *info, positional.mid(1));
    if (parsed.error.isEmpty())
        parsed.error = misplacedOption(options);
    return parsed;
}

QString usageText()
{
    return QStringLiteral(
        "Usage: mousectl [--app-dir DIR] [--virtual[=receiver|cable|both]] [--virtual-motion HZ] [--trace] [--dump]\n"
        "                [--json] [--dry-run] [--slot N] COMMAND [ARGS]\n"
        "       mousectl --version\n"
        "\n"
        "Commands:\n"
        "  list             one line per mouse present: name, TAB, receiver, cable or both\n"
        "  status           battery, charging, sleeping and connection of the mouse\n"
        "  apply [GROUPS]   download the stored settings; GROUPS is all (default) or a\n"
        "                   comma-separated list of basic, dpi, buttons, lighting\n"
        "  profile N        make on-board slot N (1-5) active, send its DPI stages and buttons,\n"
        "                   and store it as the current slot\n"
        "  export FILE      write the stored settings to a settings export file (.conf)\n"
        "  import FILE      store the settings of an export file made for this mouse\n"
        "  get [KEY]        the stored value of KEY, or every key and its value (TAB between)\n"
        "  set KEY VALUE [KEY VALUE ...] [--apply]\n"
        "                   store values; with --apply also send what changed, as Apply in the\n"
        "                   window does\n"
        "  macro list | show NAME | import FILE | export NAME FILE | delete NAME\n"
        "                   the stored macros, as the MACRO page handles them\n"
        "  help [KEY]       the keys of get and set, or what one KEY takes; help keys,\n"
        "                   help functions and help values KEY list names one per line\n"
        "\n"
        "Options:\n"
        "  --app-dir DIR    application folder (DefaultProfile.bin, Configs/); default: the program's folder\n"
        "  --virtual[=KIND] plug in a virtual mouse with empty memory first; KIND is receiver\n"
        "                   (default), cable or both\n"
        "  --virtual-motion HZ  with --virtual: the mouse moves, sending movement reports at HZ\n"
        "                   (0-1000) among its replies\n"
        "  --virtual-no-access  with --virtual: its nodes refuse to open (permission), as\n"
        "                   without the udev rule\n"
        "  --slot N         get and set: the slot (1-5) whose profile the keys address;\n"
        "                   default: the current slot\n"
        "  --apply          set: send the changes to the mouse after storing them\n"
        "  --json           list, status, get, macro list and macro show: one JSON document\n"
        "  --dry-run        apply and set --apply: print the reports that would be sent, as\n"
        "                   hexadecimal bytes, and change nothing\n"
        "  --trace          print every report written (\"> \") and every reply read (\"< \") as\n"
        "                   hexadecimal bytes\n"
        "  --dump           with --virtual: print what the virtual mouse holds as JSON afterwards\n"
        "  -h, --help       show this text\n"
        "  --version        print the version\n"
        "\n"
        "Exit status: 0 success, 1 no mouse found, 2 the mouse did not confirm the data,\n"
        "4 writing to the mouse failed, 64 usage error or a value, key or function that is not\n"
        "valid, 65 file made for another mouse or not of its kind, 74 file could not be read or written,\n"
        "77 the mouse is attached but this user may not open it.\n");
}
