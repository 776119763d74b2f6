#pragma once
// INI files opened for one storage call. Every file the program keeps goes
// through these classes so that all of them share one encoding and one error
// rule. Non-ASCII text (profile and macro names, paths) is written as Qt's
// plain INI format writes it, "\x" escapes, and read both so and as raw UTF-8.
//
// IniFile reads. IniWriter changes a file: it works on a private copy beside
// the target, holding the target's lock file, and commit() moves the finished
// copy over the target in one rename. So a failed write leaves the previous
// file as it was and leaves no unsaved values behind in QSettings' per-process
// file cache, where later reads of the target would otherwise find them.
#include <QColor>
#include <QLockFile>
#include <QSettings>
#include <QString>
#include <cstdint>
#include <memory>

class QTemporaryFile;

// Largest file of each kind that is read (user files may be anything): four
// times the largest the program writes, a macro of MACRO_MAX_EVENTS events, a
// profile, a settings export of five profiles (tst_configfile measures them).
// A larger file reads as empty and is not written over by an update.
constexpr qint64 INI_MACRO_FILE_MAX_BYTES = 1 << 20;
constexpr qint64 INI_PROFILE_FILE_MAX_BYTES = 2 << 20;
constexpr qint64 INI_FILE_MAX_BYTES = 8 << 20; // settings exports, Config.ini and the rest
// The limit for the file at path, chosen by its extension.
qint64 iniFileSizeLimit(const QString &path);
// True when the file at path exceeds iniFileSizeLimit(path).
bool isTooLargeIniFile(const QString &path);

// Where a writer starts: from the target's entries (a change of some keys), or
// from nothing (an export, which must not keep what the target held).
enum class IniStart { FromTarget, Empty };

class IniFile
{
public:
    explicit IniFile(const QString &path);
    ~IniFile();
    IniFile(const IniFile &) = delete;
    IniFile &operator=(const IniFile &) = delete;

    const QString &path() const { return m_path; }
    // True when the file exists (reads of a missing file give absent values).
    bool exists() const;
    const QSettings &settings() const { return m_settings; }

    int intValue(const QString &key, int absent = 0) const;
    uint uintValue(const QString &key, uint absent = 0) const;
    // Byte fields keep their low eight bits, whatever the file holds.
    uint8_t byteValue(const QString &key, uint8_t absent = 0) const;
    QString stringValue(const QString &key) const;
    // A stored colour variant as is; anything else converted (invalid when absent).
    QColor colorValue(const QString &key) const;
    // True when the file was read without errors and has every one of groups.
    bool hasGroups(const QStringList &groups) const;

protected:
    // Reads `source` while standing for the file at `path`; a writer's
    // settings write non-ASCII text as escapes.
    IniFile(const QString &path, const QString &source, bool writing);
    QSettings &mutableSettings() { return m_settings; }
    QSettings::Status openStatus() const { return m_openStatus; }

private:
    QString m_path;
    // What QSettings reads when the file held variants other than colours
    // (see IniVariants.h): the file without them.
    std::unique_ptr<QTemporaryFile> m_cleanCopy;
    QSettings m_settings;
    QSettings::Status m_openStatus = QSettings::NoError;
};

// The private copy an IniWriter works on; a base so it exists before the
// QSettings that reads it and goes after it.
class IniWorkCopy
{
protected:
    IniWorkCopy(const QString &path, IniStart start, const QString &ownedDir);
    ~IniWorkCopy();
    QString sourcePath() const;

    QString m_target;
    QString m_workPath;
    std::unique_ptr<QLockFile> m_lock;
    bool m_ready = false;
    bool m_committed = false;
};

class IniWriter : private IniWorkCopy, public IniFile
{
public:
    // A symbolic link stays a link and the file it points to is replaced, as
    // long as that file lies inside ownedDir (configDir() when empty); a link
    // out of it is not written through and commit() fails. Missing folders are
    // made inside ownedDir only. A new file gets the permissions the umask
    // leaves, a replaced one keeps its own.
    explicit IniWriter(const QString &path, IniStart start = IniStart::FromTarget,
                       const QString &ownedDir = QString());

    QSettings &settings() { return mutableSettings(); }
    QSettings *operator->() { return &mutableSettings(); }

    // Writes all changes and replaces the target with them, then releases the
    // target's lock (taken on construction), so other writers wait for one
    // file's write only. False, with the reason in the debug log, when the
    // folder is missing outside ownedDir or cannot be made, an update's target
    // is too large to read, the lock not taken (within 5 s), the copy not
    // written (folder read-only, disk full) or not moved, or the target is a
    // link out of the owned folder. Once per writer.
    bool commit();

private:
    bool replaceTarget();
};

// Takes lock, waiting up to waitMs for its holder; a lock file that still
// names no process after a short wait (its maker was killed while creating
// it) is taken over. The rule for every lock file the program keeps.
bool takeLock(QLockFile &lock, int waitMs);
