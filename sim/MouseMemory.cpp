#include "sim/MouseMemory.h"

namespace {

int indexOf(MemoryArea area)
{
    return static_cast<int>(area) - 1;
}

// Basic settings area layout (data bytes of opcode 0x01).
constexpr int kScrollSpeedAt = 0;
constexpr int kProfileIdAt = 6;
constexpr int kLedMoveOffAt = 7;
constexpr int kLedSleepTimeAt = 8;
constexpr int kPollRateAt = 11;
constexpr int kDpiStageAt = 17;
constexpr int kEffectAt = 18;

constexpr int kDpiStageSize = 5;
constexpr int kKeyEntriesAt = 2;
constexpr int kLightingRecordSize = 8;

} // namespace

void MouseMemory::store(MemoryArea area, int offset, const uint8_t *data, int length)
{
    const int index = indexOf(area);
    if (index < 0 || index >= MEMORY_AREA_COUNT || offset < 0 || length <= 0)
        return;
    QByteArray &bytes = m_areas[index];
    if (bytes.size() < offset + length)
        bytes.append(QByteArray(offset + length - bytes.size(), '\0'));
    bytes.replace(offset, length, reinterpret_cast<const char *>(data), length);
}

void MouseMemory::clear()
{
    for (QByteArray &bytes : m_areas)
        bytes.clear();
}

QByteArray MouseMemory::area(MemoryArea area) const
{
    const int index = indexOf(area);
    return index >= 0 && index < MEMORY_AREA_COUNT ? m_areas[index] : QByteArray();
}

uint8_t MouseMemory::byteAt(MemoryArea area, int offset) const
{
    const int index = indexOf(area);
    if (index < 0 || index >= MEMORY_AREA_COUNT || offset < 0 || offset >= m_areas[index].size())
        return 0;
    return static_cast<uint8_t>(m_areas[index].at(offset));
}

BasicSettingsView MouseMemory::basicSettings() const
{
    BasicSettingsView view;
    for (int i = 0; i < 5; ++i) {
        view.scrollSpeed[i] = byteAt(MemoryArea::Basic, kScrollSpeedAt + i);
        view.pollRate[i] = byteAt(MemoryArea::Basic, kPollRateAt + i);
    }
    view.profileId = byteAt(MemoryArea::Basic, kProfileIdAt);
    view.ledMoveOff = byteAt(MemoryArea::Basic, kLedMoveOffAt);
    view.ledSleepTime = byteAt(MemoryArea::Basic, kLedSleepTimeAt);
    view.activeDpiStage = byteAt(MemoryArea::Basic, kDpiStageAt);
    view.effectNumber = byteAt(MemoryArea::Basic, kEffectAt);
    return view;
}

DpiTableView MouseMemory::dpiTable() const
{
    DpiTableView view;
    view.count = byteAt(MemoryArea::Dpi, 0);
    for (int i = 0; i < 8; ++i) {
        const int at = 1 + kDpiStageSize * i;
        view.stages[i].used = byteAt(MemoryArea::Dpi, at);
        for (int r = 0; r < 4; ++r)
            view.stages[i].registers[r] = byteAt(MemoryArea::Dpi, at + 1 + r);
    }
    return view;
}

std::array<KeyEntryView, KEY_ENTRY_COUNT> MouseMemory::keyEntries() const
{
    std::array<KeyEntryView, KEY_ENTRY_COUNT> entries{};
    for (int i = 0; i < KEY_ENTRY_COUNT; ++i)
        for (int b = 0; b < 4; ++b)
            entries[i][b] = byteAt(MemoryArea::Keys, kKeyEntriesAt + 4 * i + b);
    return entries;
}

std::array<LightingRecordView, LIGHTING_RECORD_COUNT> MouseMemory::lightingRecords() const
{
    std::array<LightingRecordView, LIGHTING_RECORD_COUNT> records{};
    for (int i = 0; i < LIGHTING_RECORD_COUNT; ++i)
        for (int b = 0; b < kLightingRecordSize; ++b)
            records[i][b] = byteAt(MemoryArea::Lighting, kLightingRecordSize * i + b);
    return records;
}

QByteArray MouseMemory::macroSlot(int slot) const
{
    QByteArray bytes(MACRO_SLOT_SIZE, '\0');
    if (slot < 0 || slot >= MACRO_SLOT_COUNT)
        return bytes;
    for (int b = 0; b < MACRO_SLOT_SIZE; ++b)
        bytes[b] = static_cast<char>(byteAt(MemoryArea::Macros, MACRO_SLOT_SIZE * slot + b));
    return bytes;
}

QString MouseMemory::toJson(int activeProfile, bool writeOpen, int refused, int handleFaults) const
{
    QString json = QStringLiteral("{\"activeProfile\": %1, \"writeOpen\": %2, \"areas\": {")
                       .arg(activeProfile)
                       .arg(writeOpen ? QStringLiteral("true") : QStringLiteral("false"));
    for (int i = 0; i < MEMORY_AREA_COUNT; ++i) {
        if (i > 0)
            json += QStringLiteral(", ");
        json += QStringLiteral("\"%1\": \"%2\"").arg(i + 1).arg(QString::fromLatin1(m_areas[i].toHex()));
    }
    json += QStringLiteral("}, \"refused\": %1, \"handleFaults\": %2}").arg(refused).arg(handleFaults);
    return json;
}
