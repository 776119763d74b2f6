#pragma once
// Config.ini, LangConfig.ini, profile files (.prof) and settings exports (.conf).
// Every call opens, reads or writes, and closes its file; nothing is cached.
// Save operations return false when the file could not be written completely
// (the previous file is then left as it was).
#include "storage/MouseSettings.h"
#include <QString>
#include <QStringList>

QString configFilePath();      // configDir() + "/Config.ini"
QString profileFilePath(const QString &name); // configDir() + "/Profile/" + name + ".prof"

bool loadSettings(MouseSettings &settings);
bool saveSettings(const MouseSettings &settings);
bool saveProfileList(const MouseSettings &settings);
bool saveCurrentProfileId(int profileId);
bool saveProfileDpi(const QString &name, int stage);

// Returns -1 when the file does not exist (the profile then reads as all-absent values).
int loadProfile(ProfileData &profile, const QString &path);
bool saveProfile(const ProfileData &profile, const QString &path);
int loadProfileByName(ProfileData &profile, const QString &name);
bool saveProfileByName(const ProfileData &profile, const QString &name);
bool writeDefaultProfileFile();

bool exportSettings(const MouseSettings &settings, const QString &path);
int importSettings(MouseSettings &settings, const QString &path);
bool writeMouseName(const QString &name, const QString &path);
QString readMouseName(const QString &path);

int readDiffFlag();
bool writeDiffFlag(int diff);
QString currentProductName();
bool setCurrentProductName(const QString &name);
int mouseSensor();
int mouseLedModeKind();
int langId();
bool setLangId(int id);
int colorId();          // "Config/GColorID", 0 when outside the colour table
int batteryPercent();   // "Config/Battery"
bool setBatteryPercent(int percent);
int batteryFull();      // "Config/BatteryFull", 4200 when absent
QString modelText();    // "Config/Model"
QString deviceListName(); // "Mouse_List/0"

constexpr int MAX_LANGUAGES = 10;
struct FontList {
    int count = 0; // "FONT_LIST/LANGNUM", at most MAX_LANGUAGES
    QString names[MAX_LANGUAGES];
    QString files[MAX_LANGUAGES];
};
void readFontList(FontList &list);
QString fontFamily(int lang);   // "FONT_LIST/FONT_%d"
int fontPixelSize(int lang);    // "FONT_LIST/FONT_SIZE_%d"

// Theme colour table selected by "Config/GColorID".
QColor themeColor();
