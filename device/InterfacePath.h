#pragma once
// Classifies the interface path of a device notification: which collection it
// names and the vendor and product id it carries.
#include <QString>

struct InterfacePathMatch {
    bool matched = false;
    int collection = 0;     // 1 (mouse collection) or 4 (command collection)
    bool composite = false; // interface 0 of a composite device ("MI_00")
    int vendorId = 0;
    int productId = 0;
};

// Tests "HID#VID_xxxx&PID_xxxx&col01", "...&col04", "...&MI_00&col01" and
// "...&MI_00&col04" in that order, ignoring case; the first match wins.
InterfacePathMatch classifyInterfacePath(const QString &path);
