#pragma once
// The entries of a profile group in the order and form the files hold them,
// laid out once per process: a save writes a group straight from the record
// instead of building thousands of keys and entries.
#include "storage/ProfileEntries.h"
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

class ProfileLayout
{
public:
    static const ProfileLayout &of(LedPowerEntries ledPower);

    // "key=value\n" for every entry, in write order.
    void appendEntries(QByteArray &out, const ProfileData &profile) const;
    // The whole text of a file holding [group] and nothing else.
    QByteArray groupText(const QString &group, const ProfileData &profile) const;
    // True when a save over bytes would leave nothing but this group's entries.
    bool holdsOnlyGroup(const QByteArray &bytes, const QString &group) const;
    // Reads such bytes as readProfileEntries does, entry by entry in order
    // (path names the file in messages); false, with profile untouched, for
    // any other bytes.
    bool readGroup(const QByteArray &bytes, const QString &group, ProfileData &profile, const QString &path) const;

private:
    explicit ProfileLayout(LedPowerEntries ledPower);

    // How one field is written and read, shared by its entries in every table row.
    struct Field {
        const void *field;
        void (*append)(QByteArray &out, const void *field, const char *record);
        void (*read)(const void *field, char *record, const QVariant &value, const QString &path);
    };
    // Entries in write order; their "key=" texts follow each other in m_keys.
    struct Entry {
        uint16_t field;     // index into m_fields
        uint16_t keyLength; // of "key="
        int offset;         // of the field's record inside ProfileData
    };
    QByteArray m_keys;
    std::vector<Field> m_fields;
    std::vector<Entry> m_entries;
};
