#pragma once
// INI files opened for one storage call. Every file the program keeps goes
// through these classes so that all of them share one encoding and one error
// rule. Non-ASCII text (profile and macro names, paths) is written as Qt's
// plain INI format writes it, "\x" escapes, and read both so and as raw UTF-8.
//
// IniFile reads (parsed in memory, see IniText.h; small files are parsed once
// per process while their bytes stay the same). IniWriter changes a file,
// holding the target's lock file: commit() writes the new bytes beside the
// target and moves them over it in one rename, so a failed write leaves the
// previous file as it was.
#include "storage/IniText.h"
#include <QColor>
#include <QLockFile>
#include <QString>
#include <cstdint>
#include <memory>

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
// Drops the parsed files kept for reuse; the next read of each parses it again.
void forgetParsedIniFiles();

// Where a writer starts: from the target's entries (a change of some keys), or
// from nothing (an export, which must not keep what the target held).
// Deferred is FromTarget with the entries parsed on the first settings() call,
// for a writer that may find the target already holds what it would write.
enum class IniStart { FromTarget, Empty, Deferred };

class IniFile
{
public:
    explicit IniFile(const QString &path);
    // The entries of a file's bytes held in memory; `name` stands for it in messages.
    IniFile(const QString &name, const QByteArray &bytes);
    ~IniFile();
    IniFile(const IniFile &) = delete;
    IniFile &operator=(const IniFile &) = delete;

    const QString &path() const { return m_path; }
    // True when the file exists (reads of a missing file give absent values).
    bool exists() const;
    const IniText &settings() const { return *m_text; }

    int intValue(const QString &key, int absent = 0) const;
    uint uintValue(const QString &key, uint absent = 0) const;
    // Byte fields keep their low eight bits, whatever the file holds.
    uint8_t byteValue(const QString &key, uint8_t absent = 0) const;
    QString stringValue(const QString &key) const;
    // A stored colour variant as is; anything else converted (invalid when absent).
    QColor colorValue(const QString &key) const;
    // The same conversions of a value found otherwise.
    static int intOf(const QVariant &value, int absent);
    static uint uintOf(const QVariant &value, uint absent);
    static uint8_t byteOf(const QVariant &value, uint8_t absent);
    static QColor colorOf(const QVariant &value);
    // True when the file was read without errors and has every one of groups.
    bool hasGroups(const QStringList &groups) const;

protected:
    // A writer's view: `text` is its own copy, `readable` false when the
    // target could not be read (too large) or is not to be written.
    struct Unread {};
    IniFile(const QString &path, Unread);
    IniText &mutableText() { return *m_text; }
    void setText(std::shared_ptr<IniText> text) { m_text = std::move(text), m_readable = true; }

private:
    QString m_path;
    std::shared_ptr<IniText> m_text;
    bool m_readable = true;
    bool m_inMemory = false;
};

class IniWriter : public IniFile
{
public:
    // A symbolic link stays a link and the file it points to is replaced, as
    // long as that file lies inside ownedDir (configDir() when empty); a link
    // out of it is not written through and commit() fails. Missing folders are
    // made inside ownedDir only. A new file gets the permissions the umask
    // leaves, a replaced one keeps its own.
    explicit IniWriter(const QString &path, IniStart start = IniStart::FromTarget,
                       const QString &ownedDir = QString());
    ~IniWriter();

    IniText &settings() { return parsed(); }
    IniText *operator->() { return &parsed(); }
    // The target's bytes as the writer found them (empty for a new file).
    const QByteArray &targetBytes() const { return m_before; }
    // Ends the writer leaving the target as it is; false when it could not start.
    bool keepTarget();

    // Replaces the target with the changed entries in one rename after one
    // sync, then releases the target's lock (taken on construction), so other
    // writers wait for one file's write only. A target that already holds
    // exactly these bytes is left alone. False, with the reason in the debug
    // log, when the folder is missing outside ownedDir or cannot be made, an
    // update's target is too large to read, the lock not taken (within 5 s),
    // the file not written (folder read-only, disk full) or not moved, or the
    // target is a link out of the owned folder. Once per writer.
    bool commit();
    // The same with the file's new bytes made by the caller (the entries are not used).
    bool commitBytes(const QByteArray &bytes);
    // After a successful commit(): whether the target's bytes changed, and what it holds.
    bool changedFile() const { return m_changedFile; }
    const QByteArray &committedBytes() const { return m_after; }

private:
    bool replaceTarget(const QByteArray &bytes);
    IniText &parsed();

    QString m_target;
    QByteArray m_before; // the target's bytes when the writer started
    QByteArray m_after;
    bool m_targetExisted = false;
    std::unique_ptr<QLockFile> m_lock;
    bool m_ready = false;
    bool m_parsePending = false;
    bool m_changedFile = false;
};

// The bytes of a file to read: false when it is missing, unreadable or too large.
bool readIniBytes(const QString &path, QByteArray &bytes);
// The bytes of the file at path, read without its lock, for a save that may
// find the file already holds what it would write: false for a missing,
// unreadable or too large file, for a link (whose target a writer checks) and
// while the file's lock file exists. Files are replaced by one rename, so the
// bytes are one whole version.
bool readUnlockedBytes(const QString &path, QByteArray &bytes);

// Takes lock, waiting up to waitMs for its holder; a lock file that still
// names no process after a short wait (its maker was killed while creating
// it) is taken over. The rule for every lock file the program keeps.
bool takeLock(QLockFile &lock, int waitMs);

// Files a writer of this process replaced with other bytes, or that storage
// removed or renamed, since the count was last taken: a running window needs
// to reload only when it is non-zero.
int takeChangedFileCount();
void noteChangedFile();
