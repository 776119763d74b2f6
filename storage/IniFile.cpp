#include "storage/IniFile.h"
#include "storage/AppPaths.h"
#include "storage/FileRead.h"
#include <QDataStream>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QTemporaryFile>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Long enough for a writer on another thread or process to finish.
constexpr int kLockWaitMs = 5000;
// Files up to this size (Config.ini, the device description, macros) stay
// parsed for as long as their bytes do not change; profiles are read once
// per load and would only hold memory.
constexpr int kCachedFileMaxBytes = 64 << 10;

std::atomic<int> g_changedFiles{0};

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

void warnTooLarge(const QString &path, qint64 size)
{
    qWarning().noquote() << "Not reading" << path << "-" << size << "bytes, more than the"
                         << iniFileSizeLimit(path) << "any file of its kind needs";
}

bool tooLargeToRead(const QString &path)
{
    if (!isTooLargeIniFile(path))
        return false;
    warnTooLarge(path, QFileInfo(path).size());
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


// The file's bytes; false when it cannot be read (missing, a folder, unreadable, too large).
bool readWhole(const QString &path, QByteArray &bytes, qint64 maxBytes)
{
    return readFileBytes(path, maxBytes, bytes) == FileRead::Read;
}

// What a writer copies before changing it: a target of any size an export may replace.
constexpr qint64 kWriterReadMaxBytes = std::numeric_limits<int>::max() - 1;

struct CachedText {
    QByteArray bytes;
    std::shared_ptr<IniText> text;
};

QMutex g_cacheMutex;
QHash<QString, CachedText> g_cache;

// The entries of the file at path holding bytes, parsed once while they stay the same.
std::shared_ptr<IniText> parsedText(const QString &path, const QByteArray &bytes)
{
    if (bytes.size() > kCachedFileMaxBytes)
        return std::make_shared<IniText>(bytes);
    {
        const QMutexLocker locker(&g_cacheMutex);
        const auto it = g_cache.constFind(path);
        if (it != g_cache.constEnd() && it->bytes == bytes)
            return it->text;
    }
    auto text = std::make_shared<IniText>(bytes);
    const QMutexLocker locker(&g_cacheMutex);
    g_cache.insert(path, {bytes, text});
    return text;
}

void warnAbout(const IniText &text, const QString &path)
{
    if (text.droppedEntries())
        qWarning().noquote() << "Ignoring" << text.droppedEntries() << "stored values in" << path
                             << "that are neither text, numbers nor colours";
    if (text.hasSyntaxErrors())
        qWarning().noquote() << "INI file has syntax errors, unreadable lines are ignored:" << path;
}

// QSettings (other programs, the tests) keeps files it has read in a cache it
// trusts while size and modification time (in milliseconds) are unchanged.
// Two same-sized versions written within one clock tick would look alike, so
// the new version is dated after the one it replaces.
void keepTimestampsRising(int fd, const struct stat &old)
{
    struct stat now {};
    if (::fstat(fd, &now) != 0)
        return;
    const auto ms = [](const timespec &t) { return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000; };
    if (ms(now.st_mtim) > ms(old.st_mtim))
        return;
    timespec times[2] = {{0, UTIME_OMIT}, old.st_mtim};
    times[1].tv_nsec = (times[1].tv_nsec / 1000000 + 1) * 1000000;
    if (times[1].tv_nsec >= 1000000000)
        times[1].tv_sec += 1, times[1].tv_nsec -= 1000000000;
    if (::futimens(fd, times) != 0)
        qWarning() << "Cannot date a saved file after the one it replaces";
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

// Work files are named target + kWorkInfix + six random characters.
const QString kWorkInfix = QStringLiteral(".saving-");

// A writer killed mid-save leaves its work files. The target's lock is held,
// so none of them is in use.
void removeLeftovers(const QString &target)
{
    const QFileInfo info(target);
    const QByteArray prefix = QFile::encodeName(info.fileName() + kWorkInfix);
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    // Read straight from the folder: a listing through QDir would stat every file in it.
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent *entry = ::readdir(dir)) {
        if (std::strncmp(entry->d_name, prefix.constData(), size_t(prefix.size())) != 0)
            continue;
        const QByteArray path = folder + '/' + entry->d_name;
        struct stat st {};
        if (::lstat(path.constData(), &st) == 0 && !S_ISDIR(st.st_mode) && ::unlink(path.constData()) != 0)
            qWarning().noquote() << "Cannot remove the leftover" << QFile::decodeName(path);
    }
    ::closedir(dir);
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

bool readIniBytes(const QString &path, QByteArray &bytes)
{
    requireColourVariants();
    return readWhole(path, bytes, iniFileSizeLimit(path));
}

bool readUnlockedBytes(const QString &path, QByteArray &bytes)
{
    // A lock file means a writer at work, or one killed whose leftovers its
    // successor removes under the lock.
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode)
        && !QFileInfo::exists(path + QStringLiteral(".lock")) && readWhole(path, bytes, iniFileSizeLimit(path));
}

void forgetParsedIniFiles()
{
    const QMutexLocker locker(&g_cacheMutex);
    g_cache.clear();
}

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

namespace {

// What a reader of a missing or unreadable file sees; readers never change it.
const std::shared_ptr<IniText> &noEntries()
{
    static const std::shared_ptr<IniText> empty = std::make_shared<IniText>();
    return empty;
}

} // namespace

IniFile::IniFile(const QString &path) : m_path(path), m_text(noEntries())
{
    requireColourVariants();
    QByteArray bytes;
    qint64 size = 0;
    switch (readFileBytes(path, iniFileSizeLimit(path), bytes, &size)) {
    case FileRead::TooLarge:
        warnTooLarge(path, size);
        m_readable = false;
        return;
    case FileRead::Unreadable:
        return;
    case FileRead::Read:
        break;
    }
    m_text = parsedText(path, bytes);
    warnAbout(*m_text, path);
}

IniFile::IniFile(const QString &name, const QByteArray &bytes)
    : m_path(name), m_text(std::make_shared<IniText>(bytes)), m_inMemory(true)
{
    requireColourVariants();
    warnAbout(*m_text, name);
}

IniFile::IniFile(const QString &path, Unread) : m_path(path), m_text(std::make_shared<IniText>()), m_readable(false)
{
    requireColourVariants();
}

IniFile::~IniFile() = default;

bool IniFile::exists() const
{
    return m_inMemory || QFileInfo(m_path).isFile();
}

int IniFile::intOf(const QVariant &v, int absent)
{
    if (!v.isValid())
        return absent;
    // Out-of-range text saturates instead of wrapping into an arbitrary value.
    return int(qBound<qlonglong>(std::numeric_limits<int>::min(), v.toLongLong(),
                                 std::numeric_limits<int>::max()));
}

uint IniFile::uintOf(const QVariant &v, uint absent)
{
    return v.isValid() ? v.toUInt() : absent;
}

uint8_t IniFile::byteOf(const QVariant &v, uint8_t absent)
{
    return v.isValid() ? uint8_t(v.toLongLong() & 0xFF) : absent;
}

namespace {

// An extended colour holds half floats: one that is not a number equals no
// colour, not even itself, and has no 8-bit form to send.
bool hasFiniteComponents(const QColor &colour)
{
    return std::isfinite(colour.redF()) && std::isfinite(colour.greenF()) && std::isfinite(colour.blueF())
           && std::isfinite(colour.alphaF());
}

} // namespace

QColor IniFile::colorOf(const QVariant &v)
{
    if (v.userType() == QMetaType::QColor && !hasKnownColourModel(v))
        return QColor();
    const QColor colour = v.value<QColor>();
    return hasFiniteComponents(colour) ? colour : QColor();
}

int IniFile::intValue(const QString &key, int absent) const
{
    return intOf(m_text->value(key), absent);
}

uint IniFile::uintValue(const QString &key, uint absent) const
{
    return uintOf(m_text->value(key), absent);
}

uint8_t IniFile::byteValue(const QString &key, uint8_t absent) const
{
    return byteOf(m_text->value(key), absent);
}

QString IniFile::stringValue(const QString &key) const
{
    return m_text->value(key).toString();
}

QColor IniFile::colorValue(const QString &key) const
{
    return colorOf(m_text->value(key));
}

bool IniFile::hasGroups(const QStringList &groups) const
{
    if (!m_readable || !exists() || m_text->hasSyntaxErrors())
        return false;
    const QStringList present = m_text->childGroups();
    return std::all_of(groups.begin(), groups.end(), [&](const QString &g) { return present.contains(g); });
}

IniWriter::IniWriter(const QString &path, IniStart start, const QString &ownedDir)
    : IniFile(path, Unread()), m_target(replacedFile(path, ownedDir))
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
    if (start != IniStart::Empty && info.exists() && tooLargeToRead(target))
        return;
    // Writers in other threads and processes take turns on the target
    // instead of losing each other's changes.
    m_lock = std::make_unique<QLockFile>(target + QStringLiteral(".lock"));
    if (!takeLock(*m_lock, kLockWaitMs)) {
        qWarning().noquote() << "Cannot lock" << target << "for writing, lock error" << m_lock->error();
        return;
    }
    removeLeftovers(target);
    m_targetExisted = QFileInfo::exists(target);
    if (m_targetExisted && !readWhole(target, m_before, kWriterReadMaxBytes)) {
        qWarning().noquote() << "Cannot copy" << target << "for writing - it cannot be read";
        return;
    }
    if (start == IniStart::Deferred && m_targetExisted) {
        m_parsePending = true;
    } else if (start == IniStart::FromTarget && m_targetExisted) {
        std::shared_ptr<IniText> old = parsedText(target, m_before);
        warnAbout(*old, target);
        // A cached parse is shared with readers: the writer changes a copy.
        setText(old.use_count() == 1 ? std::move(old) : std::make_shared<IniText>(*old));
    } else {
        setText(std::make_shared<IniText>());
    }
    m_ready = true;
}

IniWriter::~IniWriter() = default;

IniText &IniWriter::parsed()
{
    if (m_parsePending) {
        m_parsePending = false;
        std::shared_ptr<IniText> old = parsedText(m_target, m_before);
        warnAbout(*old, m_target);
        setText(old.use_count() == 1 ? std::move(old) : std::make_shared<IniText>(*old));
    }
    return mutableText();
}

bool IniWriter::keepTarget()
{
    if (!m_ready)
        return false;
    m_ready = false;
    m_after = m_before;
    m_lock->unlock();
    return true;
}

bool IniWriter::commit()
{
    if (!m_ready)
        return false;
    if (m_parsePending)
        return keepTarget();
    return commitBytes(settings().toBytes());
}

bool IniWriter::commitBytes(const QByteArray &bytes)
{
    if (!m_ready)
        return false;
    // One commit per writer; the lock is held for this file's write only.
    m_ready = false;
    m_parsePending = false;
    m_after = bytes;
    const bool written = (m_targetExisted && m_after == m_before) || replaceTarget(m_after);
    m_lock->unlock();
    if (!written)
        m_after.clear();
    return written;
}

bool IniWriter::replaceTarget(const QByteArray &bytes)
{
    QTemporaryFile work(m_target + kWorkInfix + QStringLiteral("XXXXXX"));
    work.setAutoRemove(false);
    if (!work.open()) {
        qWarning().noquote() << "Cannot create a file beside" << m_target << "-" << work.errorString();
        return false;
    }
    const QString workPath = work.fileName();
    const int fd = work.handle();
    // A replaced file keeps its permissions; a new one gets what the umask leaves.
    struct stat old {};
    const bool hadTarget = ::stat(QFile::encodeName(m_target).constData(), &old) == 0;
    bool ok = ::fchmod(fd, hadTarget ? (old.st_mode & 07777) : (0666 & ~currentUmask())) == 0;
    for (qint64 done = 0; ok && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        done += n;
    }
    // A full disk may only show when the data reaches it.
    ok = ok && ::fdatasync(fd) == 0;
    if (ok && hadTarget)
        keepTimestampsRising(fd, old);
    work.close();
    if (!ok) {
        qWarning().noquote() << "Cannot write" << m_target << "(folder not writable or disk full)";
        QFile::remove(workPath);
        return false;
    }
    // rename() replaces the target atomically; QFile::rename would refuse.
    if (std::rename(QFile::encodeName(workPath).constData(), QFile::encodeName(m_target).constData()) != 0) {
        qWarning().noquote() << "Cannot replace" << m_target << "-" << qt_error_string(errno);
        QFile::remove(workPath);
        return false;
    }
    m_changedFile = true;
    noteChangedFile();
    return true;
}

int takeChangedFileCount()
{
    return g_changedFiles.exchange(0);
}

void noteChangedFile()
{
    ++g_changedFiles;
}
