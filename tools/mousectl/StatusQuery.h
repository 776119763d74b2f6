#pragma once
// One status query, as the status thread sends it, and the reply it gets.
#include <cstdint>

typedef struct hid_device_ hid_device;

struct MouseStatus {
    bool answered = false; // a status reply (byte 3 = 0x48) arrived
    uint8_t low = 0;       // byte 4
    uint8_t high = 0;      // byte 5
    uint8_t charge = 0;    // byte 6, non-zero while charging
    uint8_t writeStatus = 0; // byte 7

    int raw() const { return high * 256 + low; }
    bool charging() const { return charge != 0; }
    // The window's "MOUSE OFF": no reply, or battery and charge bytes all zero.
    bool sleeping() const { return !answered || (low == 0 && high == 0 && charge == 0); }
};

// Reports of other collections and those the mouse sends unasked (state
// changes) are skipped; after this many
// reads without a status reply the mouse counts as not answering.
constexpr int STATUS_REPLY_READS = 10;

// 0 with status filled (possibly unanswered), 4 when the query could not be
// written, 1 when the handle failed while reading.
int queryMouseStatus(hid_device *handle, MouseStatus &status);
