#include "storage/MouseSettings.h"
#include "storage/ConfigStorage.h"
#include "storage/DeviceDescription.h"
#include "storage/MacroFiles.h"
#include "storage/SettingFields.h"
#include <QMutex>
#include <cstdlib>

namespace {

// Factory defaults used when the installation carries no device description.
constexpr uint32_t kBuiltInStages[DPI_STAGE_COUNT] = {8, 12, 16, 24, 50, 75, 0, 0};
constexpr int32_t kBuiltInButtonFuns[] = {1, 2, 3, 4, 5, 4, 5};
constexpr int kDescribedButtonSlots = 20; // slots 16..19 get function 0
constexpr int32_t kWheelTiltFuns[2] = {52, 53}; // slots 40 and 41

struct BuiltInLed { int mode; int32_t breath; QColor rgb; };

void applyBuiltInDefaults(ProfileData &p)
{
    p.ledMode = 9;
    for (int i = 0; i < DPI_STAGE_COUNT; ++i)
        p.dpiInfo[i] = {1, 1, kBuiltInStages[i], kBuiltInStages[i], kBuiltInStages[i]};
    for (size_t i = 0; i < sizeof kBuiltInButtonFuns / sizeof kBuiltInButtonFuns[0]; ++i)
        p.buttonInfo[i].fun = kBuiltInButtonFuns[i];
    for (LedModeSetting &led : p.ledModes) {
        led.rgb = QColor(255, 0, 0);
        led.bright = 3;
        led.breath = 3;
    }
    const BuiltInLed exceptions[] = {
        {4, 2, QColor(255, 0, 0)},
        {9, 4, QColor(255, 0, 0)},
        {10, 5, QColor(0, 255, 0)},
        {12, 1, QColor(255, 0, 0)},
    };
    for (const BuiltInLed &e : exceptions) {
        p.ledModes[e.mode].breath = e.breath;
        p.ledModes[e.mode].rgb = e.rgb;
    }
}

// A damaged description must not give the factory profile an index beyond
// its tables; such an index reads as 0, as it does from a profile file.
uint8_t describedIndex(uint8_t value, int count)
{
    return value < count ? value : 0;
}

void applyDescription(ProfileData &p, const DeviceDescription &d)
{
    p.pollrate = uint8_t(d.pollrate);
    p.ledMode = describedIndex(d.ledMode, LED_MODE_COUNT);
    p.dpi = describedIndex(d.dpi, DPI_STAGE_COUNT);
    for (int i = 0; i < DPI_STAGE_COUNT; ++i) {
        const uint32_t v = d.dpiValues[i];
        p.dpiInfo[i] = {1, 1, v, v, v};
    }
    for (int i = 0; i < kDescribedButtonSlots; ++i)
        p.buttonInfo[i].fun = i < DESCRIPTION_BUTTON_COUNT ? d.buttons[i].fun : 0;
    for (int i = 0; i < LED_MODE_COUNT; ++i) {
        p.ledModes[i].rgb = d.ledModes[i].rgb;
        p.ledModes[i].bright = d.ledModes[i].bright;
        p.ledModes[i].breath = d.ledModes[i].breath;
    }
}

// The profiles a report takes its fields from, for the working record. The
// effect profile is looked up only when a field needs it: it reads Config.ini.
class SendingProfiles
{
public:
    explicit SendingProfiles(const MouseSettings &working) : m_working(working) {}

    template <typename Visit>
    bool any(SentFrom from, Visit differs) const
    {
        if (from == SentFrom::EveryProfile) {
            for (int p = 0; p < PROFILE_COUNT; ++p) {
                if (differs(p))
                    return true;
            }
            return false;
        }
        // A slot beyond the table sends nothing of its own.
        if (m_working.profileId >= PROFILE_COUNT)
            return false;
        const int active = m_working.profileId;
        switch (from) {
        case SentFrom::ActiveProfile:
            return differs(active);
        case SentFrom::ActiveAndFirst:
            return differs(active) || differs(0);
        case SentFrom::ActiveAndEffect:
            return differs(active) || differs(effectProfile());
        default:
            return false;
        }
    }

private:
    int effectProfile() const
    {
        if (m_effect < 0)
            m_effect = effectProfileIndex(m_working, isSingleLightingModel(deviceListName()));
        return m_effect;
    }

    const MouseSettings &m_working;
    mutable int m_effect = -1;
};

// The fields of one record sent in group that differ, each as its report says.
template <typename Record>
bool fieldsDiffer(const FieldTable<Record> &fields, int group, const Record &w, const Record &a)
{
    for (const SettingField<Record> &field : fields) {
        for (const FieldReport<Record> &report : field.reports) {
            if ((report.group & group) && (!report.when || report.when(w)) && field.differs(w, a))
                return true;
        }
    }
    return false;
}

template <typename Owner, typename Entry, int Count>
bool entriesDiffer(const EntryTable<Owner, Entry, Count> &table, int group, const Owner &w, const Owner &a)
{
    for (int i = 0; i < Count; ++i) {
        if (fieldsDiffer(table.fields, group, table.at(w, i), table.at(a, i)))
            return true;
    }
    return false;
}

// Config fields that differ: the groups their reports name.
int configChanges(const MouseSettings &w, const MouseSettings &a)
{
    int flags = 0;
    for (const SettingField<MouseSettings> &field : configFields()) {
        if (field.differs(w, a))
            flags |= field.reports[0].group | field.reports[1].group;
    }
    return flags;
}

bool profileFieldsDiffer(const MouseSettings &w, const MouseSettings &a, int group, const SendingProfiles &sending)
{
    for (const SettingField<ProfileData> &field : profileFields()) {
        for (const FieldReport<ProfileData> &report : field.reports) {
            if ((report.group & group)
                && sending.any(report.from, [&](int p) { return field.differs(w.profiles[p], a.profiles[p]); }))
                return true;
        }
    }
    return false;
}

bool basicDiffers(const MouseSettings &w, const MouseSettings &a)
{
    return profileFieldsDiffer(w, a, ChangeBasic, SendingProfiles(w));
}

bool dpiDiffers(const MouseSettings &w, const MouseSettings &a)
{
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        if (entriesDiffer(dpiStageFields(), ChangeDpi, w.profiles[i], a.profiles[i]))
            return true;
    }
    return false;
}

// Same name and events in the record, but the macro file may have been
// edited since the last write: its mark tells until a download clears it.
bool macroEditedSinceWrite(const ButtonInfo &button)
{
    return button.fun == FunMacro && readWriteSign(button.macroName) != 0;
}

bool buttonsDiffer(const MouseSettings &w, const MouseSettings &a)
{
    const auto &buttons = buttonFields();
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        for (int s = 0; s < BUTTON_SLOT_COUNT; ++s) {
            const ButtonInfo &x = buttons.at(w.profiles[i], s), &y = buttons.at(a.profiles[i], s);
            if (fieldsDiffer(buttons.fields, ChangeButtons, x, y) || entriesDiffer(keyInfoFields(), ChangeButtons, x, y)
                || macroEditedSinceWrite(x))
                return true;
        }
    }
    return false;
}

bool lightingDiffers(const MouseSettings &w, const MouseSettings &a)
{
    const auto &leds = ledModeFields();
    // Profile 0 carries the whole table the mouse gets.
    if (entriesDiffer(leds, ChangeLighting, w.profiles[0], a.profiles[0])
        || profileFieldsDiffer(w, a, ChangeLighting, SendingProfiles(w)))
        return true;
    // Every profile's own effect, with its entry of the table.
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        const ProfileData &pw = w.profiles[i], &pa = a.profiles[i];
        if (pw.ledMode < LED_MODE_COUNT
            && fieldsDiffer(leds.fields, ChangeLighting, leds.at(pw, pw.ledMode), leds.at(pa, pw.ledMode)))
            return true;
    }
    return false;
}

} // namespace

void makeDefaultProfile(ProfileData &profile)
{
    // Built once per description: every slot without a file and every reset asks for it.
    const std::shared_ptr<const DeviceDescription> description = sharedDeviceDescription();
    static QMutex mutex;
    static bool made = false;
    static std::shared_ptr<const DeviceDescription> madeFrom;
    static ProfileData factory;
    const QMutexLocker locker(&mutex);
    if (!made || description != madeFrom) {
        factory = ProfileData();
        applyFactoryValues(profileFields(), factory);
        for (int i = 0; i < LED_MODE_COUNT; ++i)
            applyFactoryValues(ledModeFields().fields, ledModeFields().at(factory, i));
        if (description)
            applyDescription(factory, *description);
        else
            applyBuiltInDefaults(factory);
        factory.buttonInfo[40].fun = kWheelTiltFuns[0];
        factory.buttonInfo[41].fun = kWheelTiltFuns[1];
        made = true;
        madeFrom = description;
    }
    profile = factory;
}

void makeDefaultSettings(MouseSettings &settings)
{
    applyFactoryValues(configFields(), settings);
    makeDefaultProfile(settings.profiles[0]);
    for (int i = 0; i < PROFILE_COUNT; ++i)
        settings.profileNames[i] = QStringLiteral("Profile %1").arg(i + 1);
}

int effectProfileIndex(const MouseSettings &settings, bool singleLighting)
{
    return singleLighting ? 0 : activeSlot(settings);
}

int diffSettings(const MouseSettings &working, const MouseSettings &applied)
{
    int flags = configChanges(working, applied);
    if (basicDiffers(working, applied))
        flags |= ChangeBasic;
    if (dpiDiffers(working, applied))
        flags |= ChangeDpi;
    if (buttonsDiffer(working, applied))
        flags |= ChangeButtons;
    if (lightingDiffers(working, applied))
        flags |= ChangeLighting;
    return flags;
}

bool isNear(int a, int b)
{
    return std::abs(a - b) <= 9;
}
