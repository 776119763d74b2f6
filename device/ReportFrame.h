#pragma once
// The 33-byte output report every command travels in:
// id 5, checksum, magic 0xFA, opcode, 16-bit offset (or parameters), length, tag, data.
#include <array>
#include <cstdint>
#include <vector>

constexpr int REPORT_SIZE = 33;
constexpr int REPORT_DATA_OFFSET = 8;
constexpr int REPORT_DATA_MAX = REPORT_SIZE - REPORT_DATA_OFFSET; // 25
constexpr uint8_t REPORT_ID = 0x05;
constexpr uint8_t REPORT_MAGIC = 0xFA;

enum Opcode : uint8_t {
    OpBasicSettings = 0x01,
    OpDpiStages = 0x02,
    OpButtonTable = 0x03,
    OpLightingTable = 0x04,
    OpMacros = 0x05,
    OpControl = 0x40,      // byte 4 = 0xF3, byte 5 = flag
    OpSetProfile = 0x44,   // byte 4 = profile index; never read back
    OpWriteMode = 0x46,    // byte 4 = 0 begin, 1 end
    OpQueryStatus = 0x48,  // also the status reply
    OpStateChange = 0x49,  // unsolicited reply only
};

enum ChunkTag : uint8_t {
    TagFirstChunk = 0xD1,
    TagNextChunk = 0xD2,
    TagClosingWrite = 0xD3,
};

using Report = std::array<uint8_t, REPORT_SIZE>;
using ReportList = std::vector<Report>;

// (bytes 2..7 summed, mod 256) XOR 0x66.
uint8_t reportChecksum(const uint8_t *report);
Report withChecksum(Report report);

// An area write; length is cut to REPORT_DATA_MAX. The checksum byte stays 0
// (the send routine fills it).
Report areaReport(uint8_t opcode, uint16_t offset, uint8_t tag, const uint8_t *data, int length);
// The write that closes an area: offset 0x007F (0x0FFF for the macro area), tag 0xD3, data 0x1A.
Report closingReport(uint8_t opcode);
// A command whose offset bytes carry parameters (opcodes 0x40, 0x44, 0x46); tag 0.
Report commandReport(uint8_t opcode, uint8_t param0, uint8_t param1 = 0);
// 05 24 FA 48 and zeros, checksum included.
Report statusQueryReport();
