#pragma once
// When the battery warning is due: once as the battery reaches LOW_PERCENT,
// and again only after the mouse has been charged (or put on the cable).
class LowBatteryWarning
{
public:
    static constexpr int LOW_PERCENT = 20;

    // One measured reading; true when it should warn. A sleeping mouse
    // (no data) changes nothing.
    bool report(int percent, bool charging, bool cable, bool off);

private:
    bool m_armed = true;
};
