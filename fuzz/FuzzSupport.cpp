#include "fuzz/FuzzSupport.h"
#include "storage/AppPaths.h"
#include "storage/FileRead.h"
#include "storage/SafeName.h"
#include "storage/SettingFields.h"
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fuzz {

namespace {

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail("cannot read installed data", path);
    return file.readAll();
}

} // namespace

void fail(const char *what, const QString &detail)
{
    std::fprintf(stderr, "INVARIANT FAILED: %s %s\n", what, qPrintable(detail));
    std::abort();
}

Sandbox &Sandbox::instance()
{
    static Sandbox sandbox;
    return sandbox;
}

Sandbox::Sandbox()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("FUZZ_VERBOSE"))
        qInstallMessageHandler(quiet);
    // Settings must stay in the sandbox, never in a per-user folder.
    qunsetenv("MOUSECFG_USER_CONFIG");
    // In memory where the system has a place for it: the fuzz loop never waits on a disk.
    const QString base = QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    static QTemporaryDir dir(base + QStringLiteral("/mousecfg-fuzz-XXXXXX"));
    if (!dir.isValid())
        fail("no temporary folder");
    m_top = dir.path();
    m_appDir = m_top + QStringLiteral("/a/b/app");
    QDir().mkpath(importDir());
    m_configIni = readAll(QStringLiteral(MOUSECFG_DATA_DIR "/Configs/Config.ini"));
    m_description = readAll(QStringLiteral(MOUSECFG_DATA_DIR "/DefaultProfile.bin"));
    setAppDir(m_appDir);
    reset();
    if (configDir() != m_appDir + QStringLiteral("/Configs"))
        fail("settings folder outside the sandbox", configDir());
}

namespace {

// A file's bytes through the storage's kept reads: a file outside Configs is
// opened again only when something changed it.
QByteArray keptBytes(const QString &path)
{
    QByteArray bytes;
    readFileBytes(path, 64 << 20, bytes);
    return bytes;
}

// The names in folder, listed again only when its stamp changed: adding,
// removing or renaming an entry changes the folder's change time.
QStringList namesIn(const QString &folder)
{
    struct Listing {
        FileStamp stamp;
        QStringList names;
    };
    static QHash<QString, Listing> listings;
    const qint64 started = fileClock();
    FileStamp stamp;
    if (!FileStamp::of(folder, stamp, false))
        return {};
    const auto kept = listings.constFind(folder);
    if (kept != listings.constEnd() && kept->stamp == stamp)
        return kept->names;
    QStringList names;
    if (DIR *dir = ::opendir(QFile::encodeName(folder).constData())) {
        while (const dirent *e = ::readdir(dir)) {
            if (std::strcmp(e->d_name, ".") && std::strcmp(e->d_name, ".."))
                names << QFile::decodeName(e->d_name);
        }
        ::closedir(dir);
    }
    if (stamp.settledBefore(started))
        listings.insert(folder, {stamp, names});
    else
        listings.remove(folder);
    return names;
}

// Empties folder, but keeps a plain file named kept (to be written over).
// Cheaper than QDir::removeRecursively, which runs once or twice per input.
void removeInside(const QString &folder, const QString &kept = QString())
{
    for (const QString &name : namesIn(folder)) {
        const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + name);
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            removeInside(QFile::decodeName(path));
            ::rmdir(path.constData());
        } else if (!(S_ISREG(st.st_mode) && name == kept)) {
            ::unlink(path.constData());
        }
    }
}

} // namespace

void Sandbox::reset()
{
    const QString configs = m_appDir + QStringLiteral("/Configs");
    removeInside(configs, QStringLiteral("Config.ini"));
    removeInside(importDir());
    const QString description = m_appDir + QStringLiteral("/DefaultProfile.bin");
    if (!writeFile(configs + QStringLiteral("/Config.ini"), m_configIni)
        || !QDir().mkpath(importDir()))
        fail("cannot reset the sandbox");
    // Put back only when its bytes changed; while it stays as it is, that is one stat.
    if (keptBytes(description) != m_description && !writeFile(description, m_description))
        fail("cannot reset the sandbox");
}

bool Sandbox::writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    // The folder is made only when missing: most inputs land in one that is there.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        QDir().mkpath(path.left(path.lastIndexOf(QLatin1Char('/'))));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
    }
    return file.write(bytes) == bytes.size();
}

QByteArray Sandbox::bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), int(size));
}

namespace {

// Every entry below folder except skipped (whose own entry counts, not what it
// holds), with each plain file's content hash, into entries.
void listTree(const QString &folder, const QString &skipped, QStringList &entries)
{
    for (const QString &name : namesIn(folder)) {
        const QString path = folder + QLatin1Char('/') + name;
        struct stat st {};
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
            continue;
        QString entry = path + QLatin1Char(' ') + QString::number(st.st_mode, 8);
        if (S_ISREG(st.st_mode))
            entry += QLatin1Char(' ') + QString::fromLatin1(
                QCryptographicHash::hash(keptBytes(path), QCryptographicHash::Md5).toHex());
        entries << entry;
        if (S_ISDIR(st.st_mode) && path != skipped)
            listTree(path, skipped, entries);
    }
}

} // namespace

QByteArray Sandbox::snapshot() const
{
    QStringList entries;
    listTree(m_top, m_appDir + QStringLiteral("/Configs"), entries);
    entries.sort();
    return entries.join(QLatin1Char('\n')).toUtf8();
}

void Sandbox::watchOutside()
{
    m_outside = snapshot();
}

void Sandbox::checkOutside() const
{
    const QByteArray now = snapshot();
    if (now != m_outside)
        fail("a file outside Configs changed", QString::fromUtf8("\nbefore:\n" + m_outside + "\nafter:\n" + now));
}

void checkProfile(const ProfileData &p, const char *where)
{
    check(p.dpi < DPI_STAGE_COUNT, where, QStringLiteral("dpi %1").arg(p.dpi));
    check(p.ledMode < LED_MODE_COUNT, where, QStringLiteral("LedMode %1").arg(p.ledMode));
}

void checkSettings(const MouseSettings &s, const char *where)
{
    check(s.profileId < PROFILE_COUNT, where, QStringLiteral("ProfileID %1").arg(s.profileId));
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        checkProfile(s.profiles[i], where);
        check(isSafeFileName(s.profileNames[i]), where, QStringLiteral("unusable name %1").arg(s.profileNames[i]));
        for (int j = 0; j < i; ++j)
            check(s.profileNames[i] != s.profileNames[j], where, QStringLiteral("two slots named %1").arg(s.profileNames[i]));
    }
}

namespace {

// The first field of the table that differs, by its key; empty when none does.
template <typename Record>
QString differentField(const FieldTable<Record> &fields, const Record &a, const Record &b, bool ledPower)
{
    for (const SettingField<Record> &field : fields) {
        if ((ledPower || !field.installationOnly) && field.differs(a, b))
            return QLatin1String(field.key);
    }
    return QString();
}

template <typename Owner, typename Entry, int Count>
QString differentEntry(const EntryTable<Owner, Entry, Count> &table, const Owner &a, const Owner &b)
{
    for (int i = 0; i < Count; ++i) {
        const QString field = differentField(table.fields, table.at(a, i), table.at(b, i), true);
        if (!field.isEmpty())
            return QLatin1String(table.stem) + QString::number(i) + field;
    }
    return QString();
}

} // namespace

bool sameProfile(const ProfileData &a, const ProfileData &b, bool ledPower, QString *difference)
{
    QString field = differentField(profileFields(), a, b, ledPower);
    if (field.isEmpty())
        field = differentEntry(dpiStageFields(), a, b);
    if (field.isEmpty())
        field = differentEntry(buttonFields(), a, b);
    for (int i = 0; field.isEmpty() && i < BUTTON_SLOT_COUNT; ++i) {
        const QString event = differentEntry(keyInfoFields(), a.buttonInfo[i], b.buttonInfo[i]);
        if (!event.isEmpty())
            field = QLatin1String(buttonFields().stem) + QString::number(i) + event;
    }
    if (field.isEmpty())
        field = differentEntry(ledModeFields(), a, b);
    *difference = field;
    return field.isEmpty();
}

} // namespace fuzz

namespace fuzz {

namespace {

QByteArray withProfilePart(const IniText &text, const QString &group, int part, const ProfileData &profile,
                           LedPowerEntries ledPower)
{
    IniText saved = text;
    writeProfilePart(saved, group, part, profile, ledPower);
    return saved.toBytes();
}

} // namespace

void roundTripProfilePart(const IniFile &file, const QStringList &groups, const QString &group, int part,
                          const ProfileData &loaded, LedPowerEntries ledPower)
{
    const QByteArray saved = withProfilePart(file.settings(), group, part, loaded, ledPower);
    const IniFile reloaded(QStringLiteral("saved file"), saved);
    check(reloaded.hasGroups(groups), "a save lost a group", groups.join(QLatin1Char(' ')));
    // Fields outside the part, and those the group leaves out, keep what was loaded.
    ProfileData again = loaded;
    readProfilePart(reloaded, group, part, again, ledPower);
    if (!sameProfilePart(loaded, again, part)) {
        QString difference;
        sameProfile(loaded, again, true, &difference);
        fail("profile changed by a save", difference);
    }
    check(withProfilePart(reloaded.settings(), group, part, again, ledPower) == saved,
          "a second save changed the file");
}

} // namespace fuzz
