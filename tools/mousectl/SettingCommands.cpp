// get, set and help: the stored settings key by key.
#include "device/WriteTransaction.h"
#include "platform/PointerSpeed.h"
#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include "storage/ProfileLibrary.h"
#include "tools/mousectl/Commands.h"
#include "tools/mousectl/Console.h"
#include "tools/mousectl/Download.h"
#include "tools/mousectl/ExitCodes.h"
#include "tools/mousectl/ButtonSettingKeys.h"
#include "tools/mousectl/SettingKeys.h"
#include "model/ButtonFunctionText.h"
#include <QJsonDocument>
#include <QJsonObject>

namespace {

int slotOf(const CtlOptions &options, const MouseSettings &settings)
{
    return options.slot > 0 ? options.slot - 1 : activeSlot(settings);
}

bool loadForCommand(const char *command, MouseSettings &settings)
{
    if (loadSettings(settings))
        return true;
    printError(QStringLiteral("%1: cannot read the settings in %2").arg(QLatin1String(command), configFilePath()));
    return false;
}

const SettingKey *knownKey(const QString &name)
{
    const SettingKey *key = findSettingKey(name);
    if (!key)
        printError(QStringLiteral("unknown key \"%1\" (use %2)").arg(name, settingKeyFamilies()));
    return key;
}

// Applies every KEY VALUE pair to edit; false (with the message printed) at the
// first refusal. Rules that bind the buttons together judge the outcome, so the
// order of the pairs does not matter.
bool applyPairs(const QStringList &pairs, SettingEdit &edit)
{
    const ProfileData before = edit.settings.profiles[edit.slot];
    for (int i = 0; i + 1 < pairs.size(); i += 2) {
        const SettingKey *key = knownKey(pairs.at(i));
        if (!key)
            return false;
        if (const QString error = key->write(edit, pairs.at(i + 1)); !error.isEmpty()) {
            printError(error);
            return false;
        }
    }
    if (const QString error = buttonStateRefusal(before, edit.settings.profiles[edit.slot]); !error.isEmpty()) {
        printError(error);
        return false;
    }
    return true;
}

int renameSlot(MouseSettings &settings, int slot, const QString &name)
{
    if (name == settings.profileNames[slot])
        return ExitOk;
    const ProfileRenameResult renamed = nameSlotProfile(settings, slot, name);
    if (renamed.ok)
        return ExitOk;
    for (const QString &message : renamed.messages)
        printError(QStringLiteral("name: %1").arg(message));
    // A refused name changes nothing; one taken whose files could not all be written does.
    return settings.profileNames[slot] == name ? ExitIoError : ExitUsage;
}

void printKeyList(const QVector<SettingKey> &keys)
{
    int width = 0;
    for (const SettingKey &key : keys)
        width = qMax(width, key.name.size());
    for (const SettingKey &key : keys)
        printLine(QStringLiteral("  %1  %2").arg(key.name, -width).arg(key.summary));
}

void printFunctionNames()
{
    QStringList names = buttonFunctionNames(false);
    for (const QString &name : buttonFunctionNames(true)) {
        if (!names.contains(name))
            names << name;
    }
    for (const QString &name : names)
        printLine(name);
}

} // namespace

int runGet(const CtlOptions &options)
{
    MouseSettings settings;
    if (!loadForCommand("get", settings))
        return ExitIoError;
    const int slot = slotOf(options, settings);
    QVector<const SettingKey *> keys;
    if (options.arguments.isEmpty()) {
        for (const SettingKey &key : settingKeys())
            keys << &key;
    } else if (const SettingKey *key = knownKey(options.arguments.first())) {
        keys << key;
    } else {
        return ExitUsage;
    }

    // The value is printed as stored, so scripts read it back; the note goes beside.
    for (const SettingKey *key : keys) {
        if (key->rangeNote)
            if (const QString note = key->rangeNote(settings, slot); !note.isEmpty())
                printError(note);
    }
    if (options.json) {
        QJsonObject values;
        for (const SettingKey *key : keys)
            values.insert(key->name, key->read(settings, slot));
        const QJsonObject result{{QStringLiteral("slot"), slot + 1}, {QStringLiteral("settings"), values}};
        printJson(QJsonDocument(result));
    } else if (!options.arguments.isEmpty()) {
        printLine(settingText(keys.first()->read(settings, slot)));
    } else {
        for (const SettingKey *key : keys)
            printLine(key->name + QLatin1Char('\t') + settingText(key->read(settings, slot)));
    }
    return ExitOk;
}

// The window's Apply from the command line: one write transaction, sent only with --apply.
int runSet(const CtlOptions &options)
{
    MouseSettings applied;
    if (!loadForCommand("set", applied))
        return ExitIoError;
    MouseSettings working = applied;
    SettingEdit edit{working, slotOf(options, applied), {}, {}};
    if (!applyPairs(options.arguments, edit))
        return ExitUsage;
    for (const QString &note : edit.notes)
        printError(note);

    WriteTransaction write(working, applied);
    const int flags = write.differing();
    if (options.dryRun) {
        if (!edit.newName.isEmpty() && edit.newName != applied.profileNames[edit.slot])
            printError(QStringLiteral("name: slot %1 would be renamed \"%2\"").arg(edit.slot + 1).arg(edit.newName));
        return downloadSettings(write, flags, options);
    }
    if (!edit.newName.isEmpty()) {
        if (const int result = renameSlot(working, edit.slot, edit.newName))
            return result;
    }
    if (!write.save() || !write.diffSaved()) {
        printError(QStringLiteral("set: cannot store the settings in %1").arg(configDir()));
        return ExitIoError;
    }
    if (!options.applyAfterSet)
        return ExitOk;

    // The desktop takes the active slot's pointer speed, as Apply in the window does.
    if (edit.slot == activeSlot(working))
        setPointerSpeed(working.profiles[edit.slot].mouseSpeed);
    // The values are stored whatever becomes of the download: say so.
    return downloadSettings(write, flags, options, QStringLiteral("set: stored in %1, not sent: ").arg(configDir()));
}

int runHelp(const CtlOptions &options)
{
    const QString topic = options.arguments.value(0);
    if (topic.isEmpty()) {
        printLine(QStringLiteral("Keys of get and set (mousectl help KEY explains one):"));
        printKeyList(settingKeys());
        return ExitOk;
    }
    if (topic == QLatin1String("keys") && options.arguments.size() == 1) {
        for (const SettingKey &key : settingKeys())
            printLine(key.name);
        return ExitOk;
    }
    if (topic == QLatin1String("functions") && options.arguments.size() == 1) {
        printFunctionNames();
        return ExitOk;
    }
    if (topic == QLatin1String("values") && options.arguments.size() == 2) {
        const SettingKey *key = knownKey(options.arguments.at(1));
        if (!key)
            return ExitUsage;
        for (const QString &value : key->values)
            printLine(value);
        return ExitOk;
    }
    if (options.arguments.size() > 1) {
        printError(QStringLiteral("help takes one KEY, keys, functions, or values KEY"));
        return ExitUsage;
    }
    const SettingKey *key = knownKey(topic);
    if (!key)
        return ExitUsage;
    printLine(QStringLiteral("%1: %2").arg(key->name, key->summary));
    printLine(key->details);
    return ExitOk;
}
