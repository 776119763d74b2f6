#include "storage/IniFile.h"
#include <QDebug>
#include <QDir>
#include <QFileInfo>

namespace {

// Colours are written by QtGui's variant handler, which registers itself when
// the library loads. Calling into QtGui keeps a linker with --as-needed from
// dropping the library from programs that use no other QtGui code.
bool colourVariantsReady()
{
    static const bool ready = QColor::isValidColor(QStringLiteral("red"));
    return ready;
}

} // namespace

IniFile::IniFile(const QString &path)
    : m_path(path), m_settings(path, QSettings::IniFormat)
{
    colourVariantsReady();
    m_settings.setIniCodec("UTF-8");
    // Never fall back to writing the target in place: a half-written file is worse than none.
    m_settings.setAtomicSyncRequired(true);
    m_openStatus = m_settings.status();
    if (m_openStatus == QSettings::FormatError)
        qWarning().noquote() << "INI file has syntax errors, unreadable lines are ignored:" << path;
}

bool IniFile::exists() const
{
    return QFileInfo(m_path).isFile();
}

bool IniFile::commit()
{
    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath())) {
        qWarning().noquote() << "Cannot create the folder" << info.absolutePath() << "for" << m_path;
        return false;
    }
    m_settings.sync();
    QSettings::Status status = m_settings.status();
    if (m_openStatus != QSettings::NoError) {
        // QSettings keeps the first error it met, so a file that was corrupt
        // when read would hide a failed write. A second object on the same file
        // shares the pending changes, writes them again and reports afresh.
        QSettings probe(m_path, QSettings::IniFormat);
        probe.setIniCodec("UTF-8");
        probe.setAtomicSyncRequired(true);
        probe.sync();
        status = probe.status();
    }
    if (status != QSettings::NoError) {
        qWarning().noquote() << "Cannot write" << m_path << "(folder not writable or disk full)";
        return false;
    }
    return true;
}

int IniFile::intValue(const QString &key, int absent) const
{
    const QVariant v = m_settings.value(key);
    return v.isValid() ? v.toInt() : absent;
}

uint IniFile::uintValue(const QString &key, uint absent) const
{
    const QVariant v = m_settings.value(key);
    return v.isValid() ? v.toUInt() : absent;
}

uint8_t IniFile::byteValue(const QString &key, uint8_t absent) const
{
    const QVariant v = m_settings.value(key);
    return v.isValid() ? uint8_t(v.toInt() & 0xFF) : absent;
}

QString IniFile::stringValue(const QString &key) const
{
    return m_settings.value(key).toString();
}

QColor IniFile::colorValue(const QString &key) const
{
    return m_settings.value(key).value<QColor>();
}
