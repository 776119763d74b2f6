#pragma once
// Every field of the settings record that the files keep, declared once: its
// INI key, member, how it is written, its absent value, the values the editors
// offer, the report group that sends it and which profiles that report takes
// it from. Files are read and written, records compared and command-line keys
// made by walking these tables.
//
// A new setting needs its member in MouseSettings.h, its row here, its place
// in the report that device/ encodes, and the page widget that edits it.
#include "storage/MouseSettings.h"
#include <QVariant>

// How a value is written and read back.
enum class FieldKind {
    Byte,         // a number of which the low eight bits are kept
    Int,
    Uint,
    SignedAsUint, // a signed member written as an unsigned number
    Text,
    Colour,       // a colour variant
};

// What values the editors offer.
enum class FieldValues {
    None,           // no editor
    Range,          // min..max
    Switch,         // on or off, stored as `on` and `off`
    StageNumber,    // an index into the DPI stages, shown from 1
    ReportRate,     // the entries of the rate table
    LightingEffect, // the effects of the effect menu
    SensorDpi,      // the sensor's raw range, shown as DPI
    AxisLink,       // a switch offered only on sensors that set X and Y apart
    Colour,         // #RRGGBB
};

struct ValueRule {
    FieldValues values = FieldValues::None;
    int min = 0;
    int max = 0;
    int on = 1;
    int off = 0;
};

// The profiles whose copies of a field a report takes.
enum class SentFrom {
    EveryProfile,
    ActiveProfile,
    ActiveAndFirst,   // the active profile and profile 0
    ActiveAndEffect,  // the active profile and the one whose effect shows
    FirstAndShownModes, // lighting table: profile 0's whole table, every profile's current mode
};

template <typename Record>
struct FieldReport {
    int group = 0; // ChangeFlag bits
    SentFrom from = SentFrom::EveryProfile;
    // When set, the field counts only while this holds for the working record.
    bool (*when)(const Record &) = nullptr;
};

// One member of a record: exactly one pointer is set.
template <typename Record>
struct FieldMember {
    FieldMember(uint8_t Record::*m) : byte(m) {}
    FieldMember(int32_t Record::*m) : int32(m) {}
    FieldMember(uint32_t Record::*m) : uint32(m) {}
    FieldMember(QString Record::*m) : text(m) {}
    FieldMember(QColor Record::*m) : colour(m) {}

    uint8_t Record::*byte = nullptr;
    int32_t Record::*int32 = nullptr;
    uint32_t Record::*uint32 = nullptr;
    QString Record::*text = nullptr;
    QColor Record::*colour = nullptr;

    FieldKind naturalKind() const
    {
        return byte ? FieldKind::Byte : int32 ? FieldKind::Int : uint32 ? FieldKind::Uint
            : text  ? FieldKind::Text : FieldKind::Colour;
    }
    long long number(const Record &r) const
    {
        return byte ? r.*byte : int32 ? r.*int32 : uint32 ? r.*uint32 : 0;
    }
    void setNumber(Record &r, long long value) const
    {
        if (byte)
            r.*byte = uint8_t(value);
        else if (int32)
            r.*int32 = int32_t(value);
        else if (uint32)
            r.*uint32 = uint32_t(value);
    }
    bool equal(const Record &a, const Record &b) const
    {
        if (text)
            return a.*text == b.*text;
        if (colour)
            return a.*colour == b.*colour;
        return number(a) == number(b);
    }
    void assign(Record &to, const Record &from) const
    {
        if (text)
            to.*text = from.*text;
        else if (colour)
            to.*colour = from.*colour;
        else
            setNumber(to, number(from));
    }
};

template <typename Record>
struct SettingField {
    SettingField(const char *iniKey, FieldMember<Record> m) : key(iniKey), member(m), kind(m.naturalKind()) {}

    const char *key;          // INI key, or its tail after the entry number
    FieldMember<Record> member;
    FieldKind kind;
    int absent = 0;           // what a missing entry reads as
    bool hasFactory = false;  // a reset sets the field to factory
    int factory = 0;          // unless the device description gives the profile's own
    int indexCount = 0;       // > 0: an index into a table of this size
    bool installationOnly = false; // settings exports leave it out
    FieldReport<Record> reports[2] = {};
    ValueRule rule;
    const char *command = nullptr; // mousectl key; "N" stands for the entry number
    const char *summary = nullptr; // "%1" stands for the entry number

    SettingField &writtenAs(FieldKind k) { kind = k; return *this; }
    SettingField &absentAs(int value) { absent = value; return *this; }
    SettingField &startsAs(int value) { hasFactory = true; factory = value; return *this; }
    SettingField &indexInto(int count) { indexCount = count; return *this; }
    SettingField &keptByInstallation() { installationOnly = true; return *this; }
    SettingField &sentIn(int group, SentFrom from = SentFrom::EveryProfile, bool (*when)(const Record &) = nullptr)
    {
        reports[reports[0].group ? 1 : 0] = {group, from, when};
        return *this;
    }
    SettingField &offers(ValueRule r) { rule = r; return *this; }
    SettingField &named(const char *name, const char *text) { command = name; summary = text; return *this; }

    bool sends(int group) const { return (reports[0].group | reports[1].group) & group; }
    bool differs(const Record &a, const Record &b) const { return !member.equal(a, b); }
};

template <typename Record>
struct FieldTable {
    const SettingField<Record> *first;
    const SettingField<Record> *last;
    const SettingField<Record> *begin() const { return first; }
    const SettingField<Record> *end() const { return last; }
};

// Entries of an owner's array: "<stem><index><key>" in the owner's key space.
template <typename Owner, typename Entry, int Count>
struct EntryTable {
    static constexpr int count = Count;
    const char *stem;
    Entry (Owner::*entries)[Count];
    FieldTable<Entry> fields;

    const Entry &at(const Owner &owner, int i) const { return (owner.*entries)[i]; }
    Entry &at(Owner &owner, int i) const { return (owner.*entries)[i]; }
};

// "Config/<key>" of Config.ini and settings exports.
const FieldTable<MouseSettings> &configFields();
const SettingField<MouseSettings> &configField(uint8_t MouseSettings::*member);
// "<group>/<key>" of a profile group.
const FieldTable<ProfileData> &profileFields();
const EntryTable<ProfileData, DpiStage, DPI_STAGE_COUNT> &dpiStageFields();
const EntryTable<ProfileData, ButtonInfo, BUTTON_SLOT_COUNT> &buttonFields();
// Inside a button's key space: "BUTTON_INFO_<slot>_KeyInfo_<event><key>".
const EntryTable<ButtonInfo, KeyInfo, KEY_INFO_COUNT> &keyInfoFields();
const EntryTable<ProfileData, LedModeSetting, LED_MODE_COUNT> &ledModeFields();

// The fields that have a factory value set to it; the others left as they are.
template <typename Record>
void applyFactoryValues(const FieldTable<Record> &fields, Record &record)
{
    for (const SettingField<Record> &field : fields) {
        if (field.hasFactory)
            field.member.setNumber(record, field.factory);
    }
}

// The value as the file holds it.
template <typename Record>
QVariant fieldFileValue(const SettingField<Record> &f, const Record &r)
{
    switch (f.kind) {
    case FieldKind::Byte:
    case FieldKind::Int:
        return int(f.member.number(r));
    case FieldKind::Uint:
    case FieldKind::SignedAsUint:
        return uint(f.member.number(r));
    case FieldKind::Text:
        return r.*f.member.text;
    case FieldKind::Colour:
        // A QColor variant is what QSettings serialises as @Variant(...).
        return QVariant::fromValue(r.*f.member.colour);
    }
    return {};
}
