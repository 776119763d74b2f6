// Config.ini as found in a copied or damaged Configs folder: slot names,
// tables, the macro index (MACRO_LIST) and the per-product saved-profile
// list (PROFILE_LIST), then one writer of the file.
#include "fuzz/FuzzSupport.h"
#include "device/DeviceTable.h"
#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include "storage/IniFile.h"
#include "storage/MacroFiles.h"
#include "storage/SafeName.h"
#include <QDir>
#include <QHash>
#include <iterator>

namespace {

// The saved-profile list of the current product, read and rewritten as the
// window keeps it: "PROFILE_LIST/Count" and the entries 1..Count.
void rewriteProfileList()
{
    const QString path = productConfigFilePath();
    // Cleaned first: a product name with ".." would leave the folder behind a plain prefix.
    fuzz::check(QDir::cleanPath(path).startsWith(QDir::cleanPath(configDir()) + QLatin1Char('/')),
                "product settings outside Configs", path);
    QStringList names;
    {
        const IniFile ini(path);
        const int count = ini.intValue(QStringLiteral("PROFILE_LIST/Count"));
        for (const QString &key : ini.settings().allKeys()) {
            bool ok = false;
            const int number = key.section(QLatin1Char('/'), 1).toInt(&ok);
            if (key.startsWith(QLatin1String("PROFILE_LIST/")) && ok && number >= 1 && number <= count) {
                const QString name = ini.stringValue(key);
                if (isSafeFileName(name) && !names.contains(name) && names.size() < 200)
                    names << name;
            }
        }
    }
    IniWriter ini(path);
    ini->remove(QStringLiteral("PROFILE_LIST"));
    ini->setValue(QStringLiteral("PROFILE_LIST/Count"), names.size());
    for (int i = 0; i < names.size(); ++i)
        ini->setValue(QStringLiteral("PROFILE_LIST/%1").arg(i + 1), names[i]);
    fuzz::check(ini.commit(), "save of the saved-profile list", path);
}

// Each writer of the file, checked on its own after a load. One runs per
// input, picked by the input's hash: every writer still meets thousands of
// files a run, and an input costs one save instead of all of them.
void saveLoadedSettings(const MouseSettings &settings, const QStringList &)
{
    fuzz::check(saveConfigEntries(settings), "save of the loaded settings");
}

void saveSlotNames(const MouseSettings &settings, const QStringList &)
{
    fuzz::check(saveProfileList(settings), "save of the slot names");
}

void addAndRemoveMacroName(const MouseSettings &, const QStringList &macros)
{
    // A free slot always takes a new name.
    fuzz::check(addMacroName(QStringLiteral("fuzz macro")) || macros.size() == MACRO_LIST_SIZE,
                "macro name not added to a free slot");
    removeMacroName(QStringLiteral("fuzz macro"));
}

void rewriteMacroIndex(const MouseSettings &, const QStringList &macros)
{
    // Unusable names are never written back.
    QStringList usable;
    for (const QString &name : macros) {
        if (isSafeFileName(name))
            usable << name;
    }
    fuzz::check(writeMacroNames(usable), "rewrite of the macro index");
    for (const QString &name : macroNames())
        fuzz::check(isSafeFileName(name), "unusable name written to the macro index", name);
}

void writeDiff(const MouseSettings &, const QStringList &)
{
    fuzz::check(writeDiffFlag(1) && readDiffFlag() == 1, "diff flag");
}

void rewriteSavedProfiles(const MouseSettings &, const QStringList &)
{
    rewriteProfileList();
}

using Writer = void (*)(const MouseSettings &, const QStringList &);
const Writer kWriters[] = {saveLoadedSettings, saveSlotNames, addAndRemoveMacroName,
                           rewriteMacroIndex, writeDiff, rewriteSavedProfiles};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace fuzz;
    Sandbox &box = Sandbox::instance();
    box.reset();
    const QByteArray bytes = Sandbox::bytes(data, size);
    Sandbox::writeFile(configFilePath(), bytes);
    // A copied folder holds the product's own file too (its saved-profile list).
    const QString productFile = productConfigFilePath();
    if (productFile != configFilePath())
        Sandbox::writeFile(productFile, bytes);
    // The input lies inside Configs, so what is outside stays as first seen.
    static const bool watching = (box.watchOutside(), true);
    Q_UNUSED(watching);

    MouseSettings settings;
    loadSettings(settings);
    checkSettings(settings, "loaded settings");
    const QStringList macros = macroNames();
    check(macros.size() <= MACRO_LIST_SIZE, "more macros than index slots");
    FontList fonts;
    readFontList(fonts);
    check(fonts.count >= 0 && fonts.count <= MAX_LANGUAGES, "font list count");
    check(langId() >= 0 && langId() < MAX_LANGUAGES, "language id");
    check(colorId() >= 0 && colorId() < THEME_COLOR_COUNT, "colour id");
    check(fontPixelSize(langId()) > 0, "font size");
    loadDeviceTable();

    // Every writer of the file keeps to the Configs folder and succeeds.
    kWriters[qHash(bytes) % std::size(kWriters)](settings, macros);

    MouseSettings again;
    check(loadSettings(again), "reload of the saved settings");
    checkSettings(again, "reloaded settings");
    for (int i = 0; i < PROFILE_COUNT; ++i)
        check(again.profileNames[i] == settings.profileNames[i], "slot name changed by a save", again.profileNames[i]);
    box.checkOutside();
    // Each input's files are new: dropping their parses keeps an input's
    // allocations balanced, so libFuzzer does not run it again to look for a leak.
    forgetParsedIniFiles();
    return 0;
}
