// GNOME keeps the mouse speed in its settings, on X11 and on Wayland alike.
#include "platform/PointerSpeedDesktops.h"
#include <gio/gio.h>

namespace {

constexpr char SCHEMA[] = "org.gnome.desktop.peripherals.mouse";
constexpr char KEY[] = "speed";

class GnomePointerSpeed : public PointerSpeedBackend
{
public:
    const char *name() const override { return "GNOME"; }

    int speed() override
    {
        GSettings *settings = g_settings_new(SCHEMA);
        const double value = g_settings_get_double(settings, KEY);
        g_object_unref(settings);
        return accelerationToSpeed(value);
    }

    int setSpeed(int speed) override
    {
        GSettings *settings = g_settings_new(SCHEMA);
        const bool written = g_settings_set_double(settings, KEY, speedToAcceleration(speed));
        g_settings_sync();
        g_object_unref(settings);
        return written ? 0 : 1;
    }
};

} // namespace

bool gnomeMouseSchemaInstalled()
{
    // g_settings_new aborts on a schema that is not installed.
    GSettingsSchemaSource *source = g_settings_schema_source_get_default();
    if (!source)
        return false;
    GSettingsSchema *schema = g_settings_schema_source_lookup(source, SCHEMA, TRUE);
    const bool found = schema && g_settings_schema_has_key(schema, KEY);
    if (schema)
        g_settings_schema_unref(schema);
    return found;
}

PointerSpeedBackend &gnomePointerSpeed()
{
    static GnomePointerSpeed backend;
    return backend;
}
