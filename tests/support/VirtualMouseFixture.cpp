#include "tests/support/VirtualMouseFixture.h"
#include "sim/VirtualHidApi.h"

VirtualMouseFixture::VirtualMouseFixture(Connection attached, Topology topology)
{
    virtualMouse().reset(attached, topology);
    setHidApi(&virtualHidApi());
}

VirtualMouseFixture::~VirtualMouseFixture()
{
    setHidApi(nullptr);
    virtualMouse().reset();
}

VirtualMouse &VirtualMouseFixture::mouse() const
{
    return virtualMouse();
}

uint8_t simChecksum(const uint8_t *report)
{
    unsigned sum = 0;
    for (int i = 2; i <= 7; ++i)
        sum += report[i];
    return static_cast<uint8_t>((sum & 0xFF) ^ 0x66);
}

QByteArray simCommand(uint8_t opcode, uint16_t offset, uint8_t length, uint8_t tag, const QByteArray &data)
{
    QByteArray report(SIM_REPORT_SIZE, '\0');
    report[0] = 5;
    report[2] = char(0xFA);
    report[3] = char(opcode);
    report[4] = char(offset & 0xFF);
    report[5] = char(offset >> 8);
    report[6] = char(length);
    report[7] = char(tag);
    for (int i = 0; i < data.size() && 8 + i < SIM_REPORT_SIZE; ++i)
        report[8 + i] = data[i];
    report[1] = char(simChecksum(reinterpret_cast<const uint8_t *>(report.constData())));
    return report;
}
