// DefaultProfile.bin, the model's description: every reader, and the factory
// profile built from it, which must be a valid record.
#include "fuzz/FuzzSupport.h"
#include "storage/ConfigStorage.h"
#include "storage/DeviceDescription.h"
#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace fuzz;
    Sandbox &box = Sandbox::instance();
    box.reset();
    // Watched once with the installed file; each input is checked against its own bytes.
    static const bool watching = (box.watchOutside(), true);
    Q_UNUSED(watching);
    const QByteArray input = Sandbox::bytes(data, size);
    Sandbox::writeFile(deviceDescriptionPath(), input);

    DeviceDescription description;
    check(readDeviceDescription(description) == 0, "description present but not read");
    check(buttonCount() >= 0 && buttonCount() <= DESCRIPTION_BUTTON_COUNT, "button count");
    check(dpiStageCount() >= 0 && dpiStageCount() <= DPI_STAGE_COUNT, "DPI stage count");
    check(minDelay() > 0, "minimum macro delay");
    // Run for what they touch: their counts are clamped and a present file always reads.
    uint8_t table[DESCRIPTION_BUTTON_COUNT] = {};
    loadButtonLayout(table);
    loadButtonMatrix(buttonMatrix());
    productVersion();
    descriptionProductName();
    disableMacro();
    showSleep();
    scrollRev();

    ProfileData factory;
    makeDefaultProfile(factory);
    checkProfile(factory, "factory profile");
    MouseSettings settings;
    makeDefaultSettings(settings);
    checkSettings(settings, "factory settings");
    QFile placed(deviceDescriptionPath());
    check(placed.open(QIODevice::ReadOnly) && placed.readAll() == input, "description changed by a reader");
    Sandbox::writeFile(deviceDescriptionPath(), box.installedDescription());
    box.checkOutside();
    return 0;
}
