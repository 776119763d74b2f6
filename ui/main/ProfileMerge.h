#pragma once
// Takes what was edited on a private copy of a profile into the working one:
// every field where the copy differs from what it was loaded with. A field the
// working record got from elsewhere meanwhile is not overwritten by the copy's
// stale value. The fields are listed by structured bindings, so a field added
// to a record and not here does not compile.
#include "storage/MouseSettings.h"
#include <cstddef>
#include <tuple>
#include <type_traits>
#include <utility>

namespace profile_merge {

// The fields of a record as a tuple of references; leaves have none.
template <typename T>
struct Fields {
};

#define MOUSECFG_FIELDS(Type, ...)                                                                                   \
    template <>                                                                                                      \
    struct Fields<Type> {                                                                                            \
        template <typename R>                                                                                        \
        static auto of(R &record)                                                                                    \
        {                                                                                                            \
            auto &[__VA_ARGS__] = record;                                                                            \
            return std::tie(__VA_ARGS__);                                                                            \
        }                                                                                                            \
    };

MOUSECFG_FIELDS(KeyInfo, map, low, high)
MOUSECFG_FIELDS(DpiStage, used, link, xy, x, y)
MOUSECFG_FIELDS(ButtonInfo, id, fun, loopNumber, keyNumber, keyInfo, res1, res2, res3, res4, macroName)
MOUSECFG_FIELDS(LedModeSetting, rgb, h, s, v, bright, breath)
MOUSECFG_FIELDS(ProfileData, pollrate, dpi, ledMode, ledMoveOff, ledSleepTime, dpiInfo, mouseSpeed, dbClickSpeed,
                scrollIsPage, scrollSpeed, accelEnable, acee, buttonInfo, ledModes, profileName, profilePath)
#undef MOUSECFG_FIELDS

template <typename T, typename = void>
struct HasFields : std::false_type {
};
template <typename T>
struct HasFields<T, std::void_t<decltype(Fields<T>::of(std::declval<T &>()))>> : std::true_type {
};

template <typename T>
void take(T &working, const T &edited, const T &loaded);

template <typename W, typename E, typename L, std::size_t... I>
void takeFields(W working, E edited, L loaded, std::index_sequence<I...>)
{
    (take(std::get<I>(working), std::get<I>(edited), std::get<I>(loaded)), ...);
}

template <typename T>
void take(T &working, const T &edited, const T &loaded)
{
    if constexpr (std::is_array_v<T>) {
        for (std::size_t i = 0; i < std::extent_v<T>; ++i)
            take(working[i], edited[i], loaded[i]);
    } else if constexpr (HasFields<T>::value) {
        auto fields = Fields<T>::of(working);
        takeFields(fields, Fields<T>::of(edited), Fields<T>::of(loaded),
                   std::make_index_sequence<std::tuple_size_v<decltype(fields)>>{});
    } else if (!(edited == loaded)) {
        working = edited;
    }
}

template <typename T>
bool equal(const T &a, const T &b);

template <typename A, typename B, std::size_t... I>
bool equalFields(A a, B b, std::index_sequence<I...>)
{
    return (equal(std::get<I>(a), std::get<I>(b)) && ...);
}

template <typename T>
bool equal(const T &a, const T &b)
{
    if constexpr (std::is_array_v<T>) {
        for (std::size_t i = 0; i < std::extent_v<T>; ++i) {
            if (!equal(a[i], b[i]))
                return false;
        }
        return true;
    } else if constexpr (HasFields<T>::value) {
        auto fields = Fields<T>::of(a);
        return equalFields(fields, Fields<T>::of(b), std::make_index_sequence<std::tuple_size_v<decltype(fields)>>{});
    } else {
        return a == b;
    }
}

} // namespace profile_merge

// Takes the copy's edits into working; the copy becomes the new starting point.
inline void takeEditedProfile(ProfileData &working, const ProfileData &edited, ProfileData &loaded)
{
    profile_merge::take(working, edited, loaded);
    loaded = edited;
}
