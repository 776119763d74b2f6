#include "storage/DeviceDescription.h"
#include "storage/AppPaths.h"
#include "storage/FileRead.h"
#include "storage/IniFile.h"
#include <QMutex>
#include <initializer_list>
#include <memory>

namespace {

uint8_t g_buttonMatrix[DESCRIPTION_BUTTON_COUNT] = {};

QString key(const char *entry)
{
    return QStringLiteral("PROFILE/") + QLatin1String(entry);
}

QString key(const char *format, int index)
{
    return QStringLiteral("PROFILE/") + QString::asprintf(format, index);
}

int readCount(const IniFile &file, std::initializer_list<const char *> entries, int limit)
{
    // The counts are stored XOR-coded with the entries that follow them. A value
    // beyond what the tables hold (a damaged file) must not size any loop.
    int value = 0;
    for (const char *entry : entries)
        value ^= file.intValue(key(entry));
    return value < 0 || value > limit ? 0 : value;
}

// The description's entries, parsed once while its bytes stay the same: every
// factory profile and most pages read it. Null when there is no such file.
std::shared_ptr<const IniFile> descriptionFile()
{
    const QString path = deviceDescriptionPath();
    QByteArray bytes;
    switch (readFileBytes(path, iniFileSizeLimit(path), bytes)) {
    case FileRead::Unreadable:
        return nullptr;
    case FileRead::TooLarge:
        return std::make_shared<const IniFile>(path); // reads as empty, saying why
    case FileRead::Read:
        break;
    }
    static QMutex mutex;
    static QString cachedPath;
    static QByteArray cachedBytes;
    static std::shared_ptr<const IniFile> cached;
    const QMutexLocker locker(&mutex);
    if (!cached || path != cachedPath || bytes != cachedBytes) {
        cached = std::make_shared<const IniFile>(path, bytes);
        cachedPath = path;
        cachedBytes = bytes;
    }
    return cached;
}

// A missing file reads as one without entries.
const IniFile &entriesOf(const std::shared_ptr<const IniFile> &file)
{
    static const IniFile empty{QString(), QByteArray()};
    return file ? *file : empty;
}

int descriptionInt(const char *entry, int absent)
{
    return entriesOf(descriptionFile()).intValue(key(entry), absent);
}

} // namespace

QString deviceDescriptionPath()
{
    return appDir() + QStringLiteral("/DefaultProfile.bin");
}

namespace {

void fillDescription(DeviceDescription &d, const IniFile &file)
{
    d.dpi = file.byteValue(key("dpi"));
    for (int i = 0; i < DPI_STAGE_COUNT; ++i)
        d.dpiValues[i] = file.uintValue(key("DPI_INFO_%d_xy", i));
    d.backPic = file.stringValue(key("BackPic"));
    d.companyName = file.stringValue(key("CompanyName"));
    d.productName = file.stringValue(key("ProductName"));
    d.folderPath = file.stringValue(key("FolderPath"));
    d.pollrate = file.intValue(key("pollrate"));
    d.ledMode = file.byteValue(key("LedMode"));
    for (int i = 0; i < 4; ++i) {
        d.lang[i] = file.byteValue(key("Lang_%d", i));
        d.fontSize[i] = file.byteValue(key("FontSize_%d", i));
        d.fontName[i] = file.stringValue(key("FontName_%d", i));
    }
    d.fontRgb = file.colorValue(key("Font_RGB"));
    d.style = file.byteValue(key("Style"));
    d.buttonCount = file.byteValue(key("ButtonCount"));
    for (int i = 0; i < DESCRIPTION_BUTTON_COUNT; ++i) {
        DeviceButtonDefault &b = d.buttons[i];
        b.id = file.intValue(key("BUTTON_INFO_%d_ID", i));
        b.fun = file.intValue(key("BUTTON_INFO_%d_Fun", i));
        b.loopNumber = file.intValue(key("BUTTON_INFO_%d_LoopNumber", i));
        b.keyNumber = file.intValue(key("BUTTON_INFO_%d_KeyNumber", i));
        b.res1 = file.byteValue(key("BUTTON_INFO_%d_Res1", i));
        b.res2 = file.byteValue(key("BUTTON_INFO_%d_Res2", i));
        b.res3 = file.byteValue(key("BUTTON_INFO_%d_Res3", i));
        b.res4 = file.byteValue(key("BUTTON_INFO_%d_Res4", i));
    }
    for (int i = 0; i < LED_MODE_COUNT; ++i) {
        DeviceLedDefault &led = d.ledModes[i];
        led.rgb = file.colorValue(key("LedMode/LED_MODE_%d_RGB", i));
        led.bright = file.intValue(key("LedMode/LED_MODE_%d_bright", i));
        led.breath = file.intValue(key("LedMode/LED_MODE_%d_breath", i));
    }
}

} // namespace

std::shared_ptr<const DeviceDescription> sharedDeviceDescription()
{
    const std::shared_ptr<const IniFile> file = descriptionFile();
    if (!file)
        return nullptr;
    static QMutex mutex;
    static std::shared_ptr<const IniFile> describedFile;
    static std::shared_ptr<const DeviceDescription> described;
    const QMutexLocker locker(&mutex);
    if (file != describedFile) {
        auto description = std::make_shared<DeviceDescription>();
        fillDescription(*description, *file);
        described = std::move(description);
        describedFile = file;
    }
    return described;
}

int readDeviceDescription(DeviceDescription &d)
{
    const std::shared_ptr<const DeviceDescription> described = sharedDeviceDescription();
    if (!described)
        return -1;
    d = *described;
    return 0;
}

int buttonCount()
{
    return readCount(entriesOf(descriptionFile()), {"ButtonCount", "MouseDpi"}, DESCRIPTION_BUTTON_COUNT);
}

int dpiStageCount()
{
    return readCount(entriesOf(descriptionFile()), {"DPICount", "ButtonCount", "MouseDpi"}, DPI_STAGE_COUNT);
}

int shownDpiStageCount()
{
    const int described = dpiStageCount();
    return described >= 1 ? described : DPI_STAGE_COUNT;
}

QString productVersion()
{
    return entriesOf(descriptionFile()).stringValue(key("Version"));
}

QString descriptionProductName()
{
    return entriesOf(descriptionFile()).stringValue(key("ProductName"));
}

int disableMacro()
{
    return descriptionInt("DisableMacro", 0);
}

int showSleep()
{
    return descriptionInt("ShowSleep", 1);
}

int scrollRev()
{
    return descriptionInt("ScrollRev", 0);
}

int minDelay()
{
    // Delays are divided by it; a zero or negative value would break every macro.
    const int value = descriptionInt("MinDelay", DEFAULT_MIN_DELAY);
    return value > 0 ? value : DEFAULT_MIN_DELAY;
}

int loadButtonMatrix(uint8_t matrix[DESCRIPTION_BUTTON_COUNT])
{
    const std::shared_ptr<const IniFile> description = descriptionFile();
    if (!description)
        return -1;
    const IniFile &file = *description;
    for (int i = 0; i < DESCRIPTION_BUTTON_COUNT; ++i)
        matrix[i] = file.byteValue(key("BUTTON_INFO_%d_Matrix", i));
    return 0;
}

int loadButtonLayout(uint8_t layout[DESCRIPTION_BUTTON_COUNT])
{
    const std::shared_ptr<const IniFile> description = descriptionFile();
    if (!description)
        return -1;
    const IniFile &file = *description;
    for (int i = 0; i < DESCRIPTION_BUTTON_COUNT; ++i)
        layout[i] = file.byteValue(key("BUTTON_INFO_%d_Matrix2", i));
    return readCount(file, {"ButtonCount", "MouseDpi"}, DESCRIPTION_BUTTON_COUNT);
}

uint8_t *buttonMatrix()
{
    return g_buttonMatrix;
}
