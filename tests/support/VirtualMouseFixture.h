#pragma once
// Puts a fresh virtual mouse behind the HID seam for the lifetime of one test.
#include "sim/VirtualMouse.h"
#include <QByteArray>
#include <cstdint>

class VirtualMouseFixture
{
public:
    // Resets the virtual mouse (attached as given, instant time-outs on) and installs its table.
    explicit VirtualMouseFixture(Connection attached = Connection::Receiver, Topology topology = Topology::Hidraw);
    // Resets the virtual mouse again and puts the real hidapi table back.
    ~VirtualMouseFixture();
    VirtualMouseFixture(const VirtualMouseFixture &) = delete;
    VirtualMouseFixture &operator=(const VirtualMouseFixture &) = delete;

    VirtualMouse &mouse() const;
};

// A 33-byte command report (report id 5, checksum, magic 0xFA) as the mouse expects it.
QByteArray simCommand(uint8_t opcode, uint16_t offset, uint8_t length, uint8_t tag,
                      const QByteArray &data = QByteArray());
// The checksum byte of a report: (bytes 2..7 summed, mod 256) XOR 0x66.
uint8_t simChecksum(const uint8_t *report);
