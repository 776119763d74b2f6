#pragma once
// What the tray icon's tool tip says about the mouse: its name, how it is
// connected and, once measured, its battery.
#include <QString>

struct TrayStatus {
    QString product;
    bool receiver = false;
    bool cable = false;
    bool measured = false; // a battery report has arrived since the mouse was opened
    bool off = false;      // connected, but the mouse sends no battery data
    bool charging = false;
    int percent = 0;
};

QString trayToolTip(const TrayStatus &status);
