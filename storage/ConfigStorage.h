#pragma once
// Config.ini, LangConfig.ini, profile files (.prof) and settings exports (.conf).
// Every call opens, reads or writes, and closes its file; nothing is cached.
// Save operations return false when the file could not be written completely
// (the previous file is then left as it was); the reason goes to the debug log.
// Operations that take a profile name refuse names isSafeFileName() rejects:
// they read nothing, write nothing and return failure.
#include "storage/MouseSettings.h"
#include <QColor>
#include <QString>
#include <QStringList>

QString configFilePath();      // configDir() + "/Config.ini"
QString langConfigFilePath();  // configDir() + "/LangConfig.ini"
// One folder holds every profile file, whatever the current product: slots,
// the saved-profile library and the default template all resolve a name here.
QString profileDir();          // configDir() + "/Profile"
QString profileFilePath(const QString &name); // profileDir() + "/" + name + ".prof"
QString defaultProfileFilePath();             // profileDir() + "/DefaultProfile.prof"
// The current product's own Config.ini (its saved-profile list). The global
// Config.ini when the product name is empty or unusable as a folder name.
QString productConfigFilePath();

// False when Config.ini is missing. Empty or unusable names in Config.ini read
// as "Profile N"; a slot whose profile file is missing gets the factory defaults;
// an out-of-range "Config/ProfileID" reads as 0. A slot named like an earlier
// one keeps the settings it read under a name of its own (separateSlotNames).
bool loadSettings(MouseSettings &settings);
// Writes the Config keys, all five profile names and all five profile files.
bool saveSettings(const MouseSettings &settings);
// Config.ini's part of it: the Config keys and the five slot names.
bool saveConfigEntries(const MouseSettings &settings);
bool saveProfileList(const MouseSettings &settings);
bool saveCurrentProfileId(int profileId);
// Writes only "PROFILE/dpi"; false (and nothing written) when the file does not exist.
bool saveProfileDpi(const QString &name, int stage);

// Returns -1 when the file does not exist (the profile then reads as all-absent
// values: zeros, ledMoveOff 255, ledSleepTime 1, invalid colours), else 0.
// "dpi" and "LedMode" beyond the stage and mode tables read as 0.
int loadProfile(ProfileData &profile, const QString &path);
bool saveProfile(const ProfileData &profile, const QString &path);
// -1 also for a refused name (the profile is then left untouched).
int loadProfileByName(ProfileData &profile, const QString &name);
bool saveProfileByName(const ProfileData &profile, const QString &name);
bool writeDefaultProfileFile();
// Points every macro or gun-file button of the profile files that plays
// oldName at newName; false when a file that needed it could not be written.
bool renameMacroInProfileFiles(const QString &oldName, const QString &newName);

// [PROFILE_<slot>] of a settings export: every profile entry except "LedMoveOFF"
// and "LedSleepTime", which stay with the installation. Import returns -1 when
// the file does not exist.
bool exportProfileGroup(int slot, const ProfileData &profile, const QString &path);
int importProfileGroup(int slot, ProfileData &profile, const QString &path);
bool exportSettings(const MouseSettings &settings, const QString &path);
// Returns -1 when the file does not exist (nothing changes), else 0. Profile
// names that are absent or unusable keep their previous value; a slot named
// like an earlier one keeps its imported settings under a name of its own
// (separateSlotNames), and is added to renamedSlots when given.
int importSettings(MouseSettings &settings, const QString &path, QList<int> *renamedSlots = nullptr);
// Importing a file without its profile groups would turn the missing profiles
// into zeros, so every importer asks first. A settings export holds [Config]
// and [PROFILE_0]..[PROFILE_4], a profile file [PROFILE]; a file with syntax
// errors is neither.
bool isSettingsExport(const QString &path);
bool isProfileFile(const QString &path);
// The same on a file's bytes in memory (the fuzz targets drive these): what
// a load of a file holding `bytes` gives, and what a save over a file holding
// `previous` leaves in it.
bool isProfileText(const QByteArray &bytes);
void readProfileText(ProfileData &profile, const QByteArray &bytes);
QByteArray profileText(const ProfileData &profile, const QByteArray &previous);
bool isSettingsExportText(const QByteArray &bytes);
void importSettingsText(MouseSettings &settings, const QByteArray &bytes, QList<int> *renamedSlots = nullptr);
// One [PROFILE_<slot>] group of an export, written over `previous` and read back.
QByteArray exportProfileGroupText(int slot, const ProfileData &profile, const QByteArray &previous);
void importProfileGroupText(int slot, ProfileData &profile, const QByteArray &bytes);
QString mouseNameText(const QByteArray &bytes);
bool writeMouseName(const QString &name, const QString &path);
QString readMouseName(const QString &path);

int readDiffFlag();
bool writeDiffFlag(int diff);
QString currentProductName();
bool setCurrentProductName(const QString &name);
int mouseSensor();
int mouseLedModeKind();
int langId();           // 0 when outside 0..MAX_LANGUAGES-1
bool setLangId(int id);
int colorId();          // "Config/GColorID", 0 when outside the colour table
int batteryPercent();   // "Config/Battery"
bool setBatteryPercent(int percent);
int batteryFull();      // "Config/BatteryFull", 4200 when absent
QString modelText();    // "Config/Model"
QString deviceListName(); // "Mouse_List/0"
// The single-lighting model ("6350") takes all of its lighting, the effect
// included, from profile 0.
bool isSingleLightingModel(const QString &deviceName);

constexpr int MAX_LANGUAGES = 10;
struct FontList {
    int count = 0; // "FONT_LIST/LANGNUM", clamped to 0..MAX_LANGUAGES
    QString names[MAX_LANGUAGES];
    QString files[MAX_LANGUAGES];
};
void readFontList(FontList &list);
QString fontFamily(int lang);   // "FONT_LIST/FONT_%d"
// "FONT_LIST/FONT_SIZE_%d"; DEFAULT_FONT_PIXEL_SIZE when absent or not positive,
// as text of size 0 would be drawn one pixel high.
int fontPixelSize(int lang);
constexpr int DEFAULT_FONT_PIXEL_SIZE = 12;

// Theme colour table selected by "Config/GColorID".
constexpr int THEME_COLOR_COUNT = 7;
QColor themeColorAt(int index); // entry 0 when outside the table
QColor themeColor();
