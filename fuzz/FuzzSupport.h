#pragma once
// What every fuzz target shares: a private application folder whose Configs
// folder is reset before each input, a watch on everything outside that folder,
// and the range checks of a loaded settings record.
#include "storage/MouseSettings.h"
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace fuzz {

// Prints what broke and aborts, so that libFuzzer keeps the input.
[[noreturn]] void fail(const char *what, const QString &detail = QString());
inline void check(bool condition, const char *what, const QString &detail = QString())
{
    if (!condition)
        fail(what, detail);
}

// <top>/a/b/app holds DefaultProfile.bin and Configs/; <top>/import holds the
// files an import reads. Created once per process; messages are silenced
// unless FUZZ_VERBOSE is set.
class Sandbox
{
public:
    static Sandbox &instance();
    QString top() const { return m_top; }
    QString appDir() const { return m_appDir; }
    QString importDir() const { return m_top + QStringLiteral("/import"); }

    // Configs/ back to the installed Config.ini only, DefaultProfile.bin back
    // to the installed one.
    void reset();
    // The installed DefaultProfile.bin, as reset() puts it back.
    const QByteArray &installedDescription() const { return m_description; }
    static bool writeFile(const QString &path, const QByteArray &bytes);
    static QByteArray bytes(const uint8_t *data, size_t size);

    // Remembers every file outside Configs/ (call after placing the input);
    // checkOutside() fails when one of them changed or another appeared.
    void watchOutside();
    void checkOutside() const;

private:
    Sandbox();
    QByteArray snapshot() const;
    QString m_top;
    QString m_appDir;
    QByteArray m_configIni;
    QByteArray m_description;
    QByteArray m_outside;
};

// Index fields inside their tables, names usable as file names and distinct.
void checkProfile(const ProfileData &profile, const char *where);
void checkSettings(const MouseSettings &settings, const char *where);
// The fields a file keeps, compared after a save and a second load.
bool sameProfile(const ProfileData &a, const ProfileData &b, bool ledPower, QString *difference);

} // namespace fuzz

#include "storage/IniFile.h"
#include "storage/ProfileEntries.h"

namespace fuzz {

// The part of a profile group that two bytes of an input pick.
inline int profilePartOf(const uint8_t *twoBytes)
{
    return (twoBytes[0] << 8 | twoBytes[1]) % PROFILE_PART_COUNT;
}

// One part of a profile group as a file round-trips it: `loaded` (read from
// `file`) saved over the file, which must still hold `groups`; reloaded, the
// part must be unchanged, and a second save of it must change no byte.
void roundTripProfilePart(const IniFile &file, const QStringList &groups, const QString &group, int part,
                          const ProfileData &loaded, LedPowerEntries ledPower);

} // namespace fuzz
