#pragma once
// Per-user settings for an installed program. An installation's application
// folder belongs to the system, so its Configs folder serves only as the
// template each user's own copy starts from; a build tree or a portable copy
// keeps its settings in its own Configs folder.
#include <QString>

// The file an installation places in its application folder to say that the
// Configs folder beside it is a template and must not be written.
inline constexpr const char kPerUserMarkerFile[] = "per-user-settings";
// Set to "1", this forces per-user settings whatever the application folder allows.
inline constexpr const char kPerUserEnvironmentVariable[] = "MOUSECFG_USER_CONFIG";

// $XDG_CONFIG_HOME/mousecfg/Configs, or ~/.config/mousecfg/Configs.
QString userConfigDir();

// True when the settings of the application folder `appDir` belong under
// userConfigDir(): the environment variable asks for it, the folder carries the
// installation marker, or its Configs folder (the folder itself while there is
// none) exists and refuses new files. A folder that does not exist keeps the
// plain layout.
bool wantsUserConfigDir(const QString &appDir);
// The environment variable or the installation marker asks for per-user
// settings (rather than an application folder that cannot be written).
bool asksForUserConfigDir(const QString &appDir);

// Copies every file of `installedDir` (recursively) that `userDir` lacks, unless
// `userDir` already holds Config.ini: the copy is made once, and what the user
// changed afterwards is never overwritten. Config.ini comes last, so a copy cut
// short is completed on the next start. Copies are writable by their owner even
// when the installed files are not. False when a file could not be copied.
bool seedUserConfig(const QString &installedDir, const QString &userDir);

// Brings the tables installed with the program ("MouseSenSor", "MouseLEDMode",
// "Mouse_List", "FONT_LIST"), which the program only reads, from the installed
// Config.ini into the user's, so that an upgrade reaches a copy made by an
// earlier version. The user's own settings stay as they are. Nothing changes
// while the installed file holds none of those tables. False when the user's
// file could not be written.
bool refreshInstalledTables(const QString &installedConfigFile, const QString &userConfigFile);
