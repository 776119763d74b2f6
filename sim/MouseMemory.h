#pragma once
// The mouse's five settings areas as the firmware keeps them, with read-only
// decoders for what the utility stores there.
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

enum class MemoryArea : int {
    Basic = 1,     // opcode 0x01
    Dpi = 2,       // opcode 0x02
    Keys = 3,      // opcode 0x03
    Lighting = 4,  // opcode 0x04
    Macros = 5     // opcode 0x05
};
constexpr int MEMORY_AREA_COUNT = 5;

struct BasicSettingsView {
    std::array<uint8_t, 5> scrollSpeed{};
    uint8_t profileId = 0;
    uint8_t ledMoveOff = 0;
    uint8_t ledSleepTime = 0;
    std::array<uint8_t, 5> pollRate{};
    uint8_t activeDpiStage = 0;
    uint8_t effectNumber = 0;
};

struct DpiStageView {
    uint8_t used = 0;
    std::array<uint8_t, 4> registers{};  // XL XH YL YH as written
};

struct DpiTableView {
    uint8_t count = 0;
    std::array<DpiStageView, 8> stages{};
};

constexpr int KEY_ENTRY_COUNT = 24;
constexpr int LIGHTING_RECORD_COUNT = 10;
constexpr int MACRO_SLOT_COUNT = 20;
constexpr int MACRO_SLOT_SIZE = 200;

using KeyEntryView = std::array<uint8_t, 4>;
using LightingRecordView = std::array<uint8_t, 8>;

class MouseMemory
{
public:
    // Stores bytes at offset; the area grows to the highest byte ever written.
    void store(MemoryArea area, int offset, const uint8_t *data, int length);
    void clear();

    // Bytes from offset 0 up to the highest byte ever written (empty when never written).
    QByteArray area(MemoryArea area) const;
    // One byte, 0 when never written.
    uint8_t byteAt(MemoryArea area, int offset) const;

    BasicSettingsView basicSettings() const;
    DpiTableView dpiTable() const;
    std::array<KeyEntryView, KEY_ENTRY_COUNT> keyEntries() const;  // entry i at offset 2 + 4*i
    std::array<LightingRecordView, LIGHTING_RECORD_COUNT> lightingRecords() const;
    QByteArray macroSlot(int slot) const;  // always MACRO_SLOT_SIZE bytes

    // {"activeProfile": N, "writeOpen": true|false, "areas": {"1": "hex", ...},
    //  "refused": N, "handleFaults": N}
    QString toJson(int activeProfile, bool writeOpen, int refused = 0, int handleFaults = 0) const;

private:
    std::array<QByteArray, MEMORY_AREA_COUNT> m_areas;
};
