#pragma once
// One INI file opened for a single storage call. Every file the program keeps
// goes through this class so that all of them share one encoding (UTF-8, so
// unicode profile and macro names survive) and one error rule: a write is
// reported as failed unless the whole file reached the disk.
#include <QColor>
#include <QSettings>
#include <QString>
#include <cstdint>

class IniFile
{
public:
    explicit IniFile(const QString &path);

    QSettings &settings() { return m_settings; }
    const QSettings &settings() const { return m_settings; }
    QSettings *operator->() { return &m_settings; }
    const QString &path() const { return m_path; }

    // True when the file exists (reads of a missing file give absent values).
    bool exists() const;
    // Creates the folder when needed, writes all pending changes and checks
    // the result. The file is replaced through a temporary file, so a failed
    // commit leaves the previous file as it was. Logs the reason on failure.
    bool commit();

    int intValue(const QString &key, int absent = 0) const;
    uint uintValue(const QString &key, uint absent = 0) const;
    // Byte fields keep their low eight bits, whatever the file holds.
    uint8_t byteValue(const QString &key, uint8_t absent = 0) const;
    QString stringValue(const QString &key) const;
    // A stored colour variant as is; anything else converted (invalid when absent).
    QColor colorValue(const QString &key) const;

private:
    QString m_path;
    QSettings m_settings;
    QSettings::Status m_openStatus = QSettings::NoError;
};
