#include "storage/IniFile.h"
#include "storage/AppPaths.h"
#include "storage/IniVariants.h"
#include <QDataStream>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Long enough for a writer on another thread or process to finish.
constexpr int kLockWaitMs = 5000;

// A failed writer's QSettings points below a file that is not a folder: it can
// never be created, so nothing is written there, not even when it is destroyed.
const QString kNowhere = QStringLiteral("/dev/null/unwritable.ini");

// Colours are written by QtGui's variant handler, which registers itself when
// the library loads. Calling into QtGui keeps a linker with --as-needed from
// dropping the library from programs that use no other QtGui code.
void requireColourVariants()
{
    static const bool ready = QColor::isValidColor(QStringLiteral("red"));
    Q_UNUSED(ready);
}

struct SizeLimit {
    const char *suffix;
    qint64 maxBytes;
};
const SizeLimit kSizeLimits[] = {
    {".MSMACRO", INI_MACRO_FILE_MAX_BYTES},
    {".prof", INI_PROFILE_FILE_MAX_BYTES},
};

bool tooLargeToRead(const QString &path)
{
    if (!isTooLargeIniFile(path))
        return false;
    qWarning().noquote() << "Not reading" << path << "-" << QFileInfo(path).size() << "bytes, more than the"
                         << iniFileSizeLimit(path) << "any file of its kind needs";
    return true;
}

// The process's umask; Linux tells it without changing it.
mode_t currentUmask()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("Umask:"))
                return mode_t(line.mid(6).trimmed().toUInt(nullptr, 8));
        }
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// A new file gets what open(2) gives one: 0666 less the umask.
bool setNewFileMode(const QString &path)
{
    return ::chmod(QFile::encodeName(path).constData(), 0666 & ~currentUmask()) == 0;
}

enum class Access { Read, Write };

void configure(QSettings &settings, Access access)
{
    // Files are written in Qt's plain INI form, which escapes non-ASCII text as
    // "\x" sequences. Earlier versions wrote it as raw UTF-8: reading as UTF-8
    // takes both, as the escapes are decoded whatever the codec.
    if (access == Access::Read)
        settings.setIniCodec("UTF-8");
    // Never fall back to writing in place: a half-written file is worse than none.
    settings.setAtomicSyncRequired(true);
}

bool isAscii(const QByteArray &bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
}

// A file with raw UTF-8 text is rewritten into the escaped form on the way:
// a writer reads without a codec and would otherwise take it byte by byte.
bool escapeInto(const QString &source, const QString &target)
{
    QSettings in(source, QSettings::IniFormat);
    configure(in, Access::Read);
    QSettings out(target, QSettings::IniFormat);
    configure(out, Access::Write);
    for (const QString &key : in.allKeys())
        out.setValue(key, in.value(key));
    out.sync();
    return out.status() == QSettings::NoError;
}

QByteArray withoutForeignVariantsOf(const QString &path, const QByteArray &bytes)
{
    int dropped = 0;
    QByteArray clean = withoutForeignVariants(bytes, &dropped);
    if (dropped)
        qWarning().noquote() << "Ignoring" << dropped << "stored values in" << path
                             << "that are neither text, numbers nor colours";
    return clean;
}

bool copyInto(const QString &source, QFile &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = withoutForeignVariantsOf(source, in.readAll());
    if (in.error() != QFile::NoError || !target.setPermissions(in.permissions()))
        return false;
    if (isAscii(bytes))
        return target.write(bytes) == bytes.size();
    QTemporaryFile raw;
    return raw.open() && raw.write(bytes) == bytes.size() && raw.flush()
        && escapeInto(raw.fileName(), target.fileName()) && QFile::setPermissions(target.fileName(), in.permissions());
}

// The file QSettings may read for `source`: itself, or a private copy without
// the values it must not stream.
QString readableSource(const QString &source, std::unique_ptr<QTemporaryFile> &cleanCopy)
{
    if (tooLargeToRead(source))
        return kNowhere;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return source;
    const QByteArray bytes = in.readAll();
    const QByteArray clean = withoutForeignVariantsOf(source, bytes);
    if (clean.size() == bytes.size())
        return source;
    cleanCopy = std::make_unique<QTemporaryFile>();
    if (!cleanCopy->open() || cleanCopy->write(clean) != clean.size() || !cleanCopy->flush())
        return kNowhere;
    return cleanCopy->fileName();
}

// QSettings keeps files it has read in a per-process cache that it trusts while
// size and modification time (in milliseconds) are unchanged. Two same-sized
// versions written within one clock tick would look alike, so the new version
// is dated after the one it replaces.
void keepTimestampsRising(const QString &target, const QString &replacement)
{
    const QFileInfo old(target);
    if (!old.exists())
        return;
    const QDateTime previous = old.lastModified();
    if (QFileInfo(replacement).lastModified() > previous)
        return;
    QFile file(replacement);
    if (!file.open(QIODevice::ReadWrite)
        || !file.setFileTime(previous.addMSecs(1), QFileDevice::FileModificationTime))
        qWarning().noquote() << "Cannot date" << replacement << "after" << target;
}

// A stored colour variant carries its colour model as a byte that Qt takes as
// it is; an unknown model would be an invalid enumeration value in the QColor,
// so its own serialisation is checked before the colour is touched.
bool hasKnownColourModel(const QVariant &colour)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << colour;
    QDataStream in(bytes);
    quint32 type = 0;
    quint8 isNull = 0;
    qint8 colourModel = -1;
    in >> type >> isNull >> colourModel;
    return in.status() == QDataStream::Ok && colourModel >= QColor::Invalid && colourModel <= QColor::ExtendedRgb;
}

// QSettings writes through QSaveFile, which takes a write cut short by a full
// disk or a file-size limit for a complete one and commits the shorter file.
// Reading the file back, under a name QSettings has no cached copy of, tells.
bool writtenInFull(const QSettings &written, const QString &path)
{
    const QString probe = path + QStringLiteral(".check");
    QFile::remove(probe);
    if (::link(QFile::encodeName(path).constData(), QFile::encodeName(probe).constData()) != 0)
        return false;
    bool same = false;
    {
        QSettings reread(probe, QSettings::IniFormat);
        configure(reread, Access::Write);
        const QStringList keys = written.allKeys();
        same = reread.status() == QSettings::NoError && reread.allKeys() == keys
               && std::all_of(keys.begin(), keys.end(),
                              [&](const QString &key) { return reread.value(key) == written.value(key); });
    }
    QFile::remove(probe);
    return same;
}

// Work files are named target + kWorkInfix + six random characters; QSaveFile
// and the read-back add their own files beside them.
const QString kWorkInfix = QStringLiteral(".saving-");

// A writer killed mid-save leaves its work files. The target's lock is held,
// so none of them is in use.
void removeLeftovers(const QString &target)
{
    const QFileInfo info(target);
    const QString prefix = info.fileName() + kWorkInfix;
    QDir folder = info.absoluteDir();
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (name.startsWith(prefix) && !folder.remove(name))
            qWarning().noquote() << "Cannot remove the leftover" << folder.filePath(name);
    }
}
} // namespace

// A writer killed between creating its lock file and writing its process id
// into it leaves a lock that names nobody, which QLockFile would honour for
// 30 s. A live writer fills its lock at once, so one still empty after a
// short wait is taken over.
bool takeLock(QLockFile &lock, int waitMs)
{
    constexpr int kTornLockWaitMs = 200;
    if (lock.tryLock(kTornLockWaitMs))
        return true;
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock.error() == QLockFile::LockFailedError && !lock.getLockInfo(&pid, &host, &application)) {
        qWarning().noquote() << "Taking over a lock file that names no process:" << lock.error();
        lock.removeStaleLockFile();
    }
    return lock.tryLock(waitMs);
}

namespace {

// The canonical form of a path whose last parts may not exist yet: the
// existing part with every link resolved, the rest as written.
QString resolvedPath(const QString &path)
{
    QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QString rest;
    while (!QFileInfo::exists(existing)) {
        const int cut = existing.lastIndexOf(QLatin1Char('/'));
        if (cut <= 0)
            return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
        rest.prepend(existing.mid(cut));
        existing = existing.left(cut);
    }
    return QFileInfo(existing).canonicalFilePath() + rest;
}

bool isInside(const QString &path, const QString &folder)
{
    return resolvedPath(path).startsWith(resolvedPath(folder) + QLatin1Char('/'));
}

// The file a save replaces: the path itself, or for a symbolic link the file it
// finally points to. Empty when that file lies outside the owned folder
// (`ownedDir`, else configDir()): writing there would replace a file the
// program does not own.
QString replacedFile(const QString &path, const QString &ownedDir)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString owned = ownedDir.isEmpty() ? configDir() : ownedDir;
    const QString target = info.exists() ? info.canonicalFilePath() : resolvedPath(info.symLinkTarget());
    if (isInside(target, owned))
        return target;
    qWarning().noquote() << "Not saving" << path << "- it links to" << target << "outside" << owned;
    return QString();
}

} // namespace

qint64 iniFileSizeLimit(const QString &path)
{
    for (const SizeLimit &limit : kSizeLimits) {
        if (path.endsWith(QLatin1String(limit.suffix), Qt::CaseInsensitive))
            return limit.maxBytes;
    }
    return INI_FILE_MAX_BYTES;
}

bool isTooLargeIniFile(const QString &path)
{
    return QFileInfo(path).size() > iniFileSizeLimit(path);
}

IniFile::IniFile(const QString &path) : IniFile(path, path, false) {}

IniFile::IniFile(const QString &path, const QString &source, bool writing)
    : m_path(path),
      m_settings(writing ? source : readableSource(source, m_cleanCopy), QSettings::IniFormat)
{
    requireColourVariants();
    configure(m_settings, writing ? Access::Write : Access::Read);
    m_openStatus = m_settings.status();
    if (!writing && m_settings.fileName() == kNowhere)
        m_openStatus = QSettings::AccessError;
    if (m_openStatus == QSettings::FormatError)
        qWarning().noquote() << "INI file has syntax errors, unreadable lines are ignored:" << path;
}

IniFile::~IniFile() = default;

bool IniFile::exists() const
{
    return QFileInfo(m_path).isFile();
}

int IniFile::intValue(const QString &key, int absent) const
{
    const QVariant v = m_settings.value(key);
    if (!v.isValid())
        return absent;
    // Out-of-range text saturates instead of wrapping into an arbitrary value.
    return int(qBound<qlonglong>(std::numeric_limits<int>::min(), v.toLongLong(),
                                 std::numeric_limits<int>::max()));
}

uint IniFile::uintValue(const QString &key, uint absent) const
{
    const QVariant v = m_settings.value(key);
    return v.isValid() ? v.toUInt() : absent;
}

uint8_t IniFile::byteValue(const QString &key, uint8_t absent) const
{
    const QVariant v = m_settings.value(key);
    return v.isValid() ? uint8_t(v.toLongLong() & 0xFF) : absent;
}

QString IniFile::stringValue(const QString &key) const
{
    return m_settings.value(key).toString();
}

QColor IniFile::colorValue(const QString &key) const
{
    const QVariant v = m_settings.value(key);
    if (v.userType() == QMetaType::QColor && !hasKnownColourModel(v))
        return QColor();
    return v.value<QColor>();
}

bool IniFile::hasGroups(const QStringList &groups) const
{
    if (!exists() || m_openStatus != QSettings::NoError)
        return false;
    const QStringList present = m_settings.childGroups();
    return std::all_of(groups.begin(), groups.end(), [&](const QString &g) { return present.contains(g); });
}

IniWorkCopy::IniWorkCopy(const QString &path, IniStart start, const QString &ownedDir)
    : m_target(replacedFile(path, ownedDir))
{
    if (m_target.isEmpty())
        return;
    const QString &target = m_target;
    const QFileInfo info(target);
    // Only the program's own folders are made on the way; a missing folder
    // elsewhere is most likely a mistyped path.
    if (!info.absoluteDir().exists()
        && (!isInside(target, ownedDir.isEmpty() ? configDir() : ownedDir) || !QDir().mkpath(info.absolutePath()))) {
        qWarning().noquote() << "Cannot write" << target << "- no folder" << info.absolutePath();
        return;
    }
    if (start == IniStart::FromTarget && info.exists() && tooLargeToRead(target))
        return;
    // The lock QSettings itself takes on the target, so writers in other
    // threads and processes take turns instead of losing each other's changes.
    m_lock = std::make_unique<QLockFile>(target + QStringLiteral(".lock"));
    if (!takeLock(*m_lock, kLockWaitMs)) {
        qWarning().noquote() << "Cannot lock" << target << "for writing, lock error" << m_lock->error();
        return;
    }
    removeLeftovers(target);
    QTemporaryFile copy(target + kWorkInfix + QStringLiteral("XXXXXX"));
    copy.setAutoRemove(false);
    if (!copy.open()) {
        qWarning().noquote() << "Cannot create a file beside" << target << "-" << copy.errorString();
        return;
    }
    m_workPath = copy.fileName();
    // A replaced file keeps its permissions; a new one gets what the umask leaves.
    bool copied = false;
    if (!info.exists())
        copied = setNewFileMode(m_workPath);
    else if (start == IniStart::Empty)
        copied = copy.setPermissions(QFile(target).permissions());
    else
        copied = copyInto(target, copy);
    copy.close();
    if (!copied || copy.error() != QFile::NoError) {
        qWarning().noquote() << "Cannot copy" << target << "for writing -" << copy.errorString();
        return;
    }
    m_ready = true;
}

IniWorkCopy::~IniWorkCopy()
{
    if (!m_committed && !m_workPath.isEmpty())
        QFile::remove(m_workPath);
}

QString IniWorkCopy::sourcePath() const
{
    return m_ready ? m_workPath : kNowhere;
}

IniWriter::IniWriter(const QString &path, IniStart start, const QString &ownedDir)
    : IniWorkCopy(path, start, ownedDir), IniFile(path, sourcePath(), true)
{
}

bool IniWriter::commit()
{
    if (!m_ready)
        return false;
    // One commit per writer; the lock is held for this file's write only.
    m_ready = false;
    const bool written = replaceTarget();
    m_lock->unlock();
    return written;
}

bool IniWriter::replaceTarget()
{
    QSettings &settings = mutableSettings();
    settings.sync();
    QSettings::Status status = settings.status();
    if (status == QSettings::FormatError) {
        // QSettings keeps the first error it met, and it parses sections only
        // when they are needed, often first while writing: a copy with a line
        // it could not read (a hand edit) would hide whether the write worked.
        // A second object on the same file shares any pending changes, writes
        // them again and reports afresh.
        QSettings probe(m_workPath, QSettings::IniFormat);
        configure(probe, Access::Write);
        probe.sync();
        status = probe.status();
    }
    if (status != QSettings::NoError || !writtenInFull(settings, m_workPath)) {
        qWarning().noquote() << "Cannot write" << m_target << "(folder not writable or disk full)";
        return false;
    }
    keepTimestampsRising(m_target, m_workPath);
    // rename() replaces the target atomically; QFile::rename would refuse.
    if (std::rename(QFile::encodeName(m_workPath).constData(), QFile::encodeName(m_target).constData()) != 0) {
        qWarning().noquote() << "Cannot replace" << m_target << "-" << qt_error_string(errno);
        return false;
    }
    m_committed = true;
    return true;
}
