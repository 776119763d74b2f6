#pragma once
// The host pointer speed that belongs to the active profile of the last download.

// Applies mouseSpeed of the device image's active profile to the host and
// writes the result code to the debug log.
void applyPointerSettings();
