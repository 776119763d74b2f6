#include "model/MacroLibrary.h"
#include "device/ButtonEncoding.h"
#include "device/MacroEncoding.h"
#include "storage/IniFile.h"
#include "storage/SafeName.h"
#include "model/MacroActions.h"
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
constexpr int kNewDefaultDelayMs = 10;
constexpr int kNewLoopTime = 1;
const QString kSuffix = QStringLiteral(".MSMACRO");

QString numbered(const QString &stem, int n)
{
    return stem + QStringLiteral("_%1").arg(n);
}

// The page's texts, in the page's translation context.
QString pageText(const char *text)
{
    return QCoreApplication::translate("MacroDialog", text);
}

MacroStoreResult outcome(MacroStoreError error, const QString &message = QString(), const QString &name = QString())
{
    return {error, message, name};
}

MacroStoreResult copyFailed(const QString &path)
{
    return outcome(MacroStoreError::CopyFailed,
                   pageText(QT_TRANSLATE_NOOP("MacroDialog", "The macro file %1 could not be copied."))
                       .arg(QDir::toNativeSeparators(path)));
}

// The target is replaced in one rename once the whole copy is written, so a
// failed copy leaves whatever was there; a new file gets what the umask leaves.
bool copyReplacing(const QString &source, const QString &target)
{
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(target).canonicalFilePath() && QFile::exists(target))
        return true;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = in.readAll();
    if (in.error() != QFile::NoError)
        return false;
    QSaveFile out(target);
    // QSaveFile::commit() may miss an error of the last buffered write: flush first.
    if (out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.flush() && out.commit())
        return true;
    qDebug().noquote() << "Cannot write" << target << "-" << out.errorString();
    return false;
}

struct SlotName {
    int slot;
    const char *text; // %1 the profile
};
const SlotName kWheelNames[] = {
    {WHEEL_UP_SLOT, QT_TRANSLATE_NOOP("MousecfgWidget", "Profile %1, wheel up")},
    {WHEEL_DOWN_SLOT, QT_TRANSLATE_NOOP("MousecfgWidget", "Profile %1, wheel down")},
};

QString buttonName(int profile, int slot)
{
    for (const SlotName &wheel : kWheelNames) {
        if (wheel.slot == slot)
            return QCoreApplication::translate("MousecfgWidget", wheel.text).arg(profile + 1);
    }
    return QCoreApplication::translate("MousecfgWidget", "Profile %1, button %2").arg(profile + 1).arg(slot + 1);
}
} // namespace

QString firstFreeNumberedName(const QString &stem)
{
    int n = 1;
    while (macroFileExists(numbered(stem, n)))
        ++n;
    return numbered(stem, n);
}

QString uniqueMacroName(const QString &wanted)
{
    return macroFileExists(wanted) ? firstFreeNumberedName(wanted) : wanted;
}

bool macroStoreFull()
{
    return macroCount() >= MACRO_LIST_SIZE;
}

bool createMacro(const QString &name, const MacroFile &macro)
{
    if (!saveMacroFile(name, macro))
        return false;
    if (addMacroName(name))
        return true;
    // An unlisted file would only block the name.
    deleteMacroFile(name);
    return false;
}

MacroFile emptyMacro()
{
    MacroFile macro;
    macro.defaultDelay = kNewDefaultDelayMs;
    macro.loopTime = kNewLoopTime;
    return macro;
}

QString macroStoreCaption(MacroStoreError error)
{
    return error == MacroStoreError::StoreFull ? pageText(QT_TRANSLATE_NOOP("MacroDialog", "WARNING"))
                                               : pageText(QT_TRANSLATE_NOOP("MacroDialog", "Warning"));
}

MacroStoreResult importMacroFile(const QString &path)
{
    if (macroStoreFull())
        return outcome(MacroStoreError::StoreFull,
                       pageText(QT_TRANSLATE_NOOP("MacroDialog", "TOO MANY MACROS TO BE CREATE!")));
    const QFileInfo source(path);
    const QString name = source.completeBaseName();
    const QString problem = fileNameProblem(name);
    if (!problem.isEmpty())
        return outcome(MacroStoreError::BadName, problem);
    if (macroFileExists(name) || macroNames().contains(name))
        return outcome(MacroStoreError::NameTaken, pageText(QT_TRANSLATE_NOOP("MacroDialog", "Macro Exist!")));
    if (!source.isFile() || !source.isReadable())
        return copyFailed(path);
    if (isTooLargeIniFile(path))
        return outcome(MacroStoreError::TooLarge,
                       pageText(QT_TRANSLATE_NOOP("MacroDialog", "%1 is too large for a macro file: it may hold at "
                                                                 "most %2 KB."))
                           .arg(QDir::toNativeSeparators(path))
                           .arg(iniFileSizeLimit(path) / 1024));
    if (!isMacroFile(path))
        return outcome(MacroStoreError::NotMacroFile,
                       pageText(QT_TRANSLATE_NOOP("MacroDialog", "%1 is not a macro file."))
                           .arg(QDir::toNativeSeparators(path)));
    if (!macroHasRoom(readMacroEventsAt(path)))
        return outcome(MacroStoreError::TooLong,
                       pageText(QT_TRANSLATE_NOOP("MacroDialog", "%1 is too long for the mouse: it takes at most %2 "
                                                                 "events in a macro, or %3 without delays."))
                           .arg(QDir::toNativeSeparators(path))
                           .arg(KEY_INFO_COUNT)
                           .arg(MACRO_SLOT_PLAIN_EVENTS));
    QDir().mkpath(macroDir());
    if (!copyReplacing(path, macroFilePath(name)))
        return copyFailed(path);
    if (!addMacroName(name)) {
        QFile::remove(macroFilePath(name));
        return outcome(MacroStoreError::ListNotSaved,
                       pageText(QT_TRANSLATE_NOOP("MacroDialog", "The macro list could not be saved.")));
    }
    return outcome(MacroStoreError::None, QString(), name);
}

MacroStoreResult exportMacroFile(const QString &name, const QString &path)
{
    const QString problem = fileNameProblem(name);
    if (!problem.isEmpty())
        return outcome(MacroStoreError::BadName, problem);
    if (!copyReplacing(macroFilePath(name), path))
        return copyFailed(path);
    return {};
}

QString macroExportPath(const QString &path)
{
    return path.endsWith(kSuffix, Qt::CaseInsensitive) ? path : path + kSuffix;
}

MacroStoreResult removeMacro(const QString &name)
{
    const QString problem = fileNameProblem(name);
    if (!problem.isEmpty())
        return outcome(MacroStoreError::BadName, problem);
    QStringList remaining = macroNames();
    remaining.removeAll(name);
    writeMacroNames(remaining);
    if (macroNames().contains(name))
        return outcome(MacroStoreError::ListNotSaved,
                       pageText(QT_TRANSLATE_NOOP("MacroDialog", "The macro list could not be saved.")));
    if (!deleteMacroFile(name))
        qDebug().noquote() << "No file to delete for macro" << name;
    return {};
}

QStringList macroButtonNames(const MouseSettings &settings, const QString &name)
{
    QStringList names;
    for (int p = 0; p < PROFILE_COUNT; ++p) {
        for (int slot : macroButtons(settings.profiles[p], name))
            names << buttonName(p, slot);
    }
    return names;
}
