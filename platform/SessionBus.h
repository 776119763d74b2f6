#pragma once
// Where the running program serves the mouse on the session bus, and whether
// there is a session bus at all. Without one (no DBUS_SESSION_BUS_ADDRESS and
// no $XDG_RUNTIME_DIR/bus) nothing is tried: libdbus would otherwise try to
// start a bus of its own.
#include <QString>

// "org.mousecfg.Mouse", followed by "." and the product name (characters a
// bus name cannot carry become "_"; a leading digit gets a "_" before it),
// so that two products run side by side as they do without the bus.
QString mouseBusServiceName(const QString &productName);
constexpr char MOUSE_BUS_PATH[] = "/org/mousecfg/Mouse";
constexpr char MOUSE_BUS_INTERFACE[] = "org.mousecfg.Mouse";

bool sessionBusConfigured();
