#pragma once
// Battery percentage from the raw value of a status reply.

// raw = high byte * 256 + low byte; millivolts = raw * 990 / 240.
// fullMillivolts is "Config/BatteryFull".
int batteryPercentFromRaw(int raw, int fullMillivolts);
