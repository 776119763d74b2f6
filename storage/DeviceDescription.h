#pragma once
// DefaultProfile.bin beside the executable: the model's defaults, counts and switches.
// Read only; an INI file despite its name.
#include "storage/MouseSettings.h"
#include <QColor>
#include <QString>
#include <cstdint>
#include <memory>

struct DeviceButtonDefault {
    int32_t id = 0;
    int32_t fun = 0;
    int32_t loopNumber = 0;
    int32_t keyNumber = 0;
    uint8_t res1 = 0, res2 = 0, res3 = 0, res4 = 0;
};

struct DeviceLedDefault {
    QColor rgb;
    int32_t bright = 0;
    int32_t breath = 0;
};

constexpr int DESCRIPTION_BUTTON_COUNT = 16;

struct DeviceDescription {
    uint8_t dpi = 0;
    uint32_t dpiValues[DPI_STAGE_COUNT] = {};
    int32_t pollrate = 0;
    uint8_t ledMode = 0;
    uint8_t style = 0;
    uint8_t fontSize[4] = {};
    uint8_t buttonCount = 0;
    QString fontName[4];
    QColor fontRgb;
    QString backPic;
    QString companyName;
    QString productName;
    QString folderPath;
    uint8_t lang[4] = {};
    DeviceLedDefault ledModes[LED_MODE_COUNT];
    DeviceButtonDefault buttons[DESCRIPTION_BUTTON_COUNT];
};

QString deviceDescriptionPath(); // appDir() + "/DefaultProfile.bin"

constexpr int DEFAULT_MIN_DELAY = 10; // ms, when "PROFILE/MinDelay" is absent or not positive

// 0 when read, -1 when the file does not exist (nothing is read).
int readDeviceDescription(DeviceDescription &description);
// The same, shared: one object for as long as the file's bytes stay the same
// (null when there is no file), for readers that build on it.
std::shared_ptr<const DeviceDescription> sharedDeviceDescription();
// The XOR-coded counts; 0 when absent or beyond 16 buttons / 8 stages.
int buttonCount();
int dpiStageCount();
// The DPI stages the pages and the shell offer: dpiStageCount, or all 8 when it gives none.
int shownDpiStageCount();
QString productVersion();
QString descriptionProductName(); // "PROFILE/ProductName"
int disableMacro();
int showSleep();     // 1 when absent
int scrollRev();
int minDelay();      // DEFAULT_MIN_DELAY when absent or not positive
// Entry i = button i's position in the key matrix. -1 (table untouched) when the file is missing.
int loadButtonMatrix(uint8_t matrix[DESCRIPTION_BUTTON_COUNT]);
// Entry i = 255 hides button i. Returns buttonCount(), or -1 when the file is missing.
int loadButtonLayout(uint8_t layout[DESCRIPTION_BUTTON_COUNT]);

// The table loadButtonMatrix fills at the end of loadSettings; the protocol reads it.
uint8_t *buttonMatrix();
