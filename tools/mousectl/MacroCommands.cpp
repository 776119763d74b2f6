// macro list|show|import|export|delete: the macro store as the MACRO page
// keeps it, through the page's own rules and texts; no mouse involved.
#include "storage/ConfigStorage.h"
#include "storage/DeviceDescription.h"
#include "storage/SafeName.h"
#include "tools/mousectl/Commands.h"
#include "tools/mousectl/Console.h"
#include "tools/mousectl/ExitCodes.h"
#include "model/MacroActions.h"
#include "model/MacroLibrary.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using MacroRun = int (*)(const QStringList &words, bool json);

struct MacroSubcommand {
    const char *word;
    const char *arguments; // what follows the word, as the usage names it
    int count;             // how many words that is
    MacroRun run;
};

struct StoreExit {
    MacroStoreError error;
    int exitCode;
};

constexpr StoreExit kStoreExits[] = {
    {MacroStoreError::StoreFull, ExitDataError},  {MacroStoreError::BadName, ExitUsage},
    {MacroStoreError::NameTaken, ExitDataError},  {MacroStoreError::NotMacroFile, ExitDataError},
    {MacroStoreError::TooLong, ExitDataError},    {MacroStoreError::CopyFailed, ExitIoError},
    {MacroStoreError::ListNotSaved, ExitIoError}, {MacroStoreError::TooLarge, ExitDataError},
};

// The page's captions for the stored option values.
const char *const kDelayTypes[] = {"none", "RECORD DELAYS BETWEEN ACTION", "INSERT DEFAULT DELAY"};
const char *const kLoopTypes[] = {"none", "LOOPS TIME(1-255)", "REPEAT RUN WHEN KEY DOWN",
                                  "REPEAT RUN UNTIL THE KEY DOWN"};
// In RowKind order.
const char *const kRowKinds[] = {"button", "move", "key", "delay", "other"};

template <size_t N>
QString captionOf(const char *const (&table)[N], int value)
{
    return value >= 0 && size_t(value) < N ? QLatin1String(table[value]) : QString::number(value);
}

int fail(const QString &what, const QString &message, int exitCode)
{
    printError(QStringLiteral("%1: %2").arg(what, message));
    return exitCode;
}

int failStore(const QString &what, const MacroStoreResult &result)
{
    for (const StoreExit &entry : kStoreExits) {
        if (entry.error == result.error)
            return fail(what, result.message, entry.exitCode);
    }
    return fail(what, result.message, ExitIoError);
}

// 0 when name is a listed macro, else the exit status after the error line.
int refuseName(const QString &what, const QString &name)
{
    const QString problem = fileNameProblem(name);
    if (!problem.isEmpty())
        return fail(what, problem, ExitUsage);
    if (!macroNames().contains(name))
        return fail(what, QStringLiteral("no such macro"), ExitDataError);
    return ExitOk;
}

// The stored profiles, whose buttons may play macros; false after the error line.
bool readSettings(MouseSettings &settings, const QString &what)
{
    if (loadSettings(settings))
        return true;
    fail(what, QStringLiteral("cannot read the settings in %1").arg(configFilePath()), ExitIoError);
    return false;
}

// As the page shows it: a listed macro without a file is an empty new one.
MacroFile storedMacro(const QString &name)
{
    MacroFile macro;
    if (loadMacroFile(name, macro) < 0)
        macro = emptyMacro();
    return macro;
}

QJsonObject summaryJson(const QString &name, const MacroFile &macro, const QStringList &playedBy)
{
    return QJsonObject{
        {QStringLiteral("name"), name},
        {QStringLiteral("eventCount"), macro.events.size()},
        {QStringLiteral("defaultDelay"), macro.defaultDelay},
        {QStringLiteral("delayType"), macro.delayType},
        {QStringLiteral("loopType"), macro.loopType},
        {QStringLiteral("loopTime"), macro.loopTime},
        {QStringLiteral("playedBy"), QJsonArray::fromStringList(playedBy)},
    };
}

QJsonObject eventJson(const MacroEvent &event, int unit)
{
    const RowKind kind = rowKind(event);
    QJsonObject object{
        {QStringLiteral("map"), event.map},
        {QStringLiteral("high"), event.high},
        {QStringLiteral("low"), event.low},
        {QStringLiteral("kind"), QLatin1String(kRowKinds[int(kind)])},
    };
    const RowTexts texts = rowTexts(event, unit);
    switch (kind) {
    case RowKind::Move: {
        MoveDirection direction;
        int distance = 0;
        decodeMove(event, direction, distance);
        object.insert(QStringLiteral("direction"), texts.key);
        object.insert(QStringLiteral("distance"), distance);
        break;
    }
    case RowKind::Delay:
        object.insert(QStringLiteral("ms"), delayUnits(event) * unit);
        break;
    default:
        object.insert(QStringLiteral("key"), texts.key);
        object.insert(QStringLiteral("action"), texts.action);
        break;
    }
    return object;
}

// One line as the editor's table shows the row: KEY, ACTION or the delay.
QString eventLine(const MacroEvent &event, int unit)
{
    const RowTexts texts = rowTexts(event, unit);
    if (rowKind(event) == RowKind::Delay)
        return QStringLiteral("DELAY\t") + texts.delay;
    return texts.action.isEmpty() ? texts.key : texts.key + QLatin1Char('\t') + texts.action;
}

int runMacroList(const QStringList &, bool json)
{
    const QStringList names = macroNames();
    if (!json) {
        for (const QString &name : names)
            printLine(name);
        return ExitOk;
    }
    MouseSettings settings;
    if (!readSettings(settings, QStringLiteral("macro list")))
        return ExitIoError;
    QJsonArray list;
    for (const QString &name : names)
        list.append(summaryJson(name, storedMacro(name), macroButtonNames(settings, name)));
    printJson(QJsonDocument(list));
    return ExitOk;
}

int runMacroShow(const QStringList &words, bool json)
{
    const QString name = words.at(0);
    const QString what = QStringLiteral("macro show %1").arg(name);
    if (const int refused = refuseName(what, name))
        return refused;
    MouseSettings settings;
    if (!readSettings(settings, what))
        return ExitIoError;
    const MacroFile macro = storedMacro(name);
    const QStringList playedBy = macroButtonNames(settings, name);
    const int unit = minDelay();
    if (json) {
        QJsonObject object = summaryJson(name, macro, playedBy);
        QJsonArray events;
        for (const MacroEvent &event : macro.events)
            events.append(eventJson(event, unit));
        object.insert(QStringLiteral("events"), events);
        printJson(QJsonDocument(object));
        return ExitOk;
    }
    printLine(QStringLiteral("name: %1").arg(name));
    printLine(QStringLiteral("events: %1").arg(macro.events.size()));
    printLine(QStringLiteral("default delay: %1 ms").arg(macro.defaultDelay));
    printLine(QStringLiteral("delay type: %1").arg(captionOf(kDelayTypes, macro.delayType)));
    printLine(QStringLiteral("loop type: %1").arg(captionOf(kLoopTypes, macro.loopType)));
    printLine(QStringLiteral("loop count: %1").arg(macro.loopTime));
    printLine(QStringLiteral("played by: %1")
                  .arg(playedBy.isEmpty() ? QStringLiteral("none") : playedBy.join(QStringLiteral("; "))));
    for (const MacroEvent &event : macro.events)
        printLine(eventLine(event, unit));
    return ExitOk;
}

int runMacroImport(const QStringList &words, bool)
{
    const MacroStoreResult result = importMacroFile(words.at(0));
    return result.ok() ? ExitOk : failStore(QStringLiteral("macro import %1").arg(words.at(0)), result);
}

int runMacroExport(const QStringList &words, bool)
{
    const QString name = words.at(0);
    const QString what = QStringLiteral("macro export %1").arg(name);
    if (const int refused = refuseName(what, name))
        return refused;
    const MacroStoreResult result = exportMacroFile(name, macroExportPath(words.at(1)));
    return result.ok() ? ExitOk : failStore(what, result);
}

// The page asks before a DELETE leaves buttons playing nothing; a shell
// cannot be asked, so such a macro stays until its buttons do something else.
int runMacroDelete(const QStringList &words, bool)
{
    const QString name = words.at(0);
    const QString what = QStringLiteral("macro delete %1").arg(name);
    if (const int refused = refuseName(what, name))
        return refused;
    MouseSettings settings;
    if (!readSettings(settings, what))
        return ExitIoError;
    const QStringList playedBy = macroButtonNames(settings, name);
    if (!playedBy.isEmpty())
        return fail(what,
                    QStringLiteral("the macro \"%1\" is played by %2; give those buttons another function first")
                        .arg(name, playedBy.join(QStringLiteral("; "))),
                    ExitDataError);
    const MacroStoreResult result = removeMacro(name);
    return result.ok() ? ExitOk : failStore(what, result);
}

constexpr MacroSubcommand kSubcommands[] = {
    {"list", "", 0, runMacroList},
    {"show", "NAME", 1, runMacroShow},
    {"import", "FILE", 1, runMacroImport},
    {"export", "NAME FILE", 2, runMacroExport},
    {"delete", "NAME", 1, runMacroDelete},
};

const MacroSubcommand *findSubcommand(const QString &word)
{
    for (const MacroSubcommand &entry : kSubcommands) {
        if (word == QLatin1String(entry.word))
            return &entry;
    }
    return nullptr;
}

} // namespace

int runMacro(const CtlOptions &options)
{
    const QString word = options.arguments.value(0);
    const MacroSubcommand *subcommand = findSubcommand(word);
    if (!subcommand) {
        printError(
            QStringLiteral("unknown macro subcommand \"%1\" (use list, show, import, export or delete)").arg(word));
        return ExitUsage;
    }
    const QStringList words = options.arguments.mid(1);
    const QString what = QStringLiteral("macro ") + QLatin1String(subcommand->word);
    if (words.size() < subcommand->count || words.contains(QString())) {
        printError(QStringLiteral("%1 needs %2").arg(what, QLatin1String(subcommand->arguments)));
        return ExitUsage;
    }
    if (words.size() > subcommand->count) {
        printError(QStringLiteral("too many arguments for %1: \"%2\"").arg(what, words.at(subcommand->count)));
        return ExitUsage;
    }
    return subcommand->run(words, options.json);
}
