#pragma once
// Takes what was edited on a private copy of a profile into the working one:
// every field where the copy differs from what it was loaded with. A field the
// working record got from elsewhere meanwhile is not overwritten by the copy's
// stale value. The fields are those of the settings table, the same that the
// files keep, so none can be left out here.
#include "storage/SettingFields.h"

namespace profile_merge {

template <typename Owner, typename Entry, int Count, typename A, typename Visit>
void forEntries(const EntryTable<Owner, Entry, Count> &table, A &a, const Owner &b, const Owner &c, Visit &visit)
{
    for (int i = 0; i < Count; ++i) {
        auto &x = table.at(a, i);
        for (const SettingField<Entry> &field : table.fields)
            visit(field, x, table.at(b, i), table.at(c, i));
    }
}

// visit(field, a's record, b's record, c's record) for every field of three
// profiles; A is ProfileData or const ProfileData.
template <typename A, typename Visit>
void forEachField(A &a, const ProfileData &b, const ProfileData &c, Visit visit)
{
    for (const SettingField<ProfileData> &field : profileFields())
        visit(field, a, b, c);
    forEntries(dpiStageFields(), a, b, c, visit);
    forEntries(ledModeFields(), a, b, c, visit);
    forEntries(buttonFields(), a, b, c, visit);
    const auto &buttons = buttonFields();
    for (int i = 0; i < BUTTON_SLOT_COUNT; ++i)
        forEntries(keyInfoFields(), buttons.at(a, i), buttons.at(b, i), buttons.at(c, i), visit);
}

inline bool equal(const ProfileData &a, const ProfileData &b)
{
    bool same = true;
    forEachField(a, b, b, [&](const auto &field, const auto &x, const auto &y, const auto &) {
        same = same && field.member.equal(x, y);
    });
    return same;
}

} // namespace profile_merge

// Takes the copy's edits into working; the copy becomes the new starting point.
inline void takeEditedProfile(ProfileData &working, const ProfileData &edited, ProfileData &loaded)
{
    profile_merge::forEachField(working, edited, loaded, [](const auto &field, auto &to, const auto &copy, const auto &start) {
        if (!field.member.equal(copy, start))
            field.member.assign(to, copy);
    });
    loaded = edited;
}
