#include "storage/ProfileLayout.h"
#include <QDebug>
#include <algorithm>
#include <type_traits>
#include <charconv>

namespace {

template <typename Record>
void appendFieldValue(QByteArray &out, const void *field, const char *record)
{
    const auto &f = *static_cast<const SettingField<Record> *>(field);
    const auto &r = *reinterpret_cast<const Record *>(record);
    long long number = 0;
    switch (f.kind) {
    case FieldKind::Byte:
    case FieldKind::Int:
        number = int(f.member.number(r));
        break;
    case FieldKind::Uint:
    case FieldKind::SignedAsUint:
        number = uint(f.member.number(r));
        break;
    default:
        // Text and colours take the escapes and quoting every other writer uses.
        out += IniText::valueBytes(fieldFileValue(f, r));
        return;
    }
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out.append(digits, int(end - digits));
}

// What readProfileEntries makes of an entry's value.
template <typename Record>
void readFieldValue(const void *field, char *record, const QVariant &v, const QString &path)
{
    const auto &f = *static_cast<const SettingField<Record> *>(field);
    auto &r = *reinterpret_cast<Record *>(record);
    long long value = 0;
    switch (f.kind) {
    case FieldKind::Text:
        r.*f.member.text = v.toString();
        return;
    case FieldKind::Colour:
        r.*f.member.colour = IniFile::colorOf(v);
        return;
    case FieldKind::Byte:
        value = IniFile::byteOf(v, uint8_t(f.absent));
        break;
    case FieldKind::Int:
        value = IniFile::intOf(v, f.absent);
        break;
    case FieldKind::Uint:
        value = IniFile::uintOf(v, uint(f.absent));
        break;
    case FieldKind::SignedAsUint:
        value = int32_t(IniFile::uintOf(v, uint(f.absent)));
        break;
    }
    if (f.indexCount > 0 && (value < 0 || value >= f.indexCount)) {
        // The profile's own index fields fall back to their absent value; those
        // of its tables keep what they held.
        if constexpr (std::is_same_v<Record, ProfileData>) {
            qWarning().noquote() << "Profile entry" << f.key << "=" << value << "is out of range in" << path
                                 << "- using" << f.absent;
            f.member.setNumber(r, f.absent);
        }
        return;
    }
    f.member.setNumber(r, value);
}

struct Named {
    QString name;
    const void *field;
    int offset;
    void (*append)(QByteArray &, const void *, const char *);
    void (*read)(const void *, char *, const QVariant &, const QString &);
};

int offsetIn(const ProfileData &profile, const void *record)
{
    return int(static_cast<const char *>(record) - reinterpret_cast<const char *>(&profile));
}

template <typename Record>
void addFields(std::vector<Named> &out, const QString &prefix, const FieldTable<Record> &fields, int offset,
               bool withInstallationEntries = true)
{
    for (const SettingField<Record> &field : fields) {
        if (withInstallationEntries || !field.installationOnly)
            out.push_back({prefix + QLatin1String(field.key), &field, offset, &appendFieldValue<Record>,
                           &readFieldValue<Record>});
    }
}

} // namespace

// The same entries, in the same key space, as writeProfileEntries writes.
ProfileLayout::ProfileLayout(LedPowerEntries ledPower)
{
    static const ProfileData sample;
    std::vector<Named> named;
    named.reserve(9000);
    addFields(named, QString(), profileFields(), 0, ledPower == LedPowerEntries::Included);
    const auto stem = [](const char *s, int i) { return QLatin1String(s) + QString::number(i); };
    const auto &stages = dpiStageFields();
    for (int i = 0; i < stages.count; ++i)
        addFields(named, stem(stages.stem, i), stages.fields, offsetIn(sample, &stages.at(sample, i)));
    const auto &buttons = buttonFields();
    const auto &events = keyInfoFields();
    for (int i = 0; i < buttons.count; ++i) {
        const ButtonInfo &button = buttons.at(sample, i);
        const QString key = stem(buttons.stem, i);
        addFields(named, key, buttons.fields, offsetIn(sample, &button));
        for (int j = 0; j < events.count; ++j)
            addFields(named, key + stem(events.stem, j), events.fields, offsetIn(sample, &events.at(button, j)));
    }
    const auto &leds = ledModeFields();
    for (int i = 0; i < leds.count; ++i)
        addFields(named, stem(leds.stem, i), leds.fields, offsetIn(sample, &leds.at(sample, i)));

    // A key written twice holds its last value, as a second setValue leaves it.
    std::stable_sort(named.begin(), named.end(), [](const Named &a, const Named &b) { return a.name < b.name; });
    m_entries.reserve(named.size());
    for (size_t i = 0; i < named.size(); ++i) {
        if (i + 1 < named.size() && named[i + 1].name == named[i].name)
            continue;
        const QByteArray key = IniText::keyBytes(named[i].name);
        const auto field = uint16_t(std::find_if(m_fields.begin(), m_fields.end(),
                                                 [&](const Field &f) { return f.field == named[i].field; })
                                    - m_fields.begin());
        if (field == m_fields.size())
            m_fields.push_back({named[i].field, named[i].append, named[i].read});
        m_entries.push_back({field, uint16_t(key.size() + 1), named[i].offset});
        m_keys += key + '=';
    }
}

const ProfileLayout &ProfileLayout::of(LedPowerEntries ledPower)
{
    // Each built on first use: a profile file holds every entry, an export leaves some out.
    if (ledPower == LedPowerEntries::Included) {
        static const ProfileLayout included(ledPower);
        return included;
    }
    static const ProfileLayout left(ledPower);
    return left;
}

void ProfileLayout::appendEntries(QByteArray &out, const ProfileData &profile) const
{
    const char *base = reinterpret_cast<const char *>(&profile);
    const char *key = m_keys.constData();
    for (const Entry &entry : m_entries) {
        const Field &field = m_fields[entry.field];
        out.append(key, entry.keyLength);
        key += entry.keyLength;
        field.append(out, field.field, base + entry.offset);
        out += '\n';
    }
}

QByteArray ProfileLayout::groupText(const QString &group, const ProfileData &profile) const
{
    QByteArray out;
    out.reserve(m_keys.size() + 4 * int(m_entries.size()) + 64);
    out += '[' + IniText::keyBytes(group) + "]\n";
    appendEntries(out, profile);
    return out;
}

bool ProfileLayout::holdsOnlyGroup(const QByteArray &bytes, const QString &group) const
{
    return IniText::holdsExactly(bytes, '[' + IniText::keyBytes(group) + ']', m_keys);
}

bool ProfileLayout::readGroup(const QByteArray &bytes, const QString &group, ProfileData &profile,
                              const QString &path) const
{
    std::vector<QVariant> values;
    values.reserve(m_entries.size());
    if (!IniText::holdsExactly(bytes, '[' + IniText::keyBytes(group) + ']', m_keys, &values))
        return false;
    char *base = reinterpret_cast<char *>(&profile);
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const Field &field = m_fields[m_entries[i].field];
        field.read(field.field, base + m_entries[i].offset, values[i], path);
    }
    return true;
}
