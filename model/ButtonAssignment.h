#pragma once
// Writing a chosen function into a button record: the steps the panel takes
// after its menu and dialogs, shared with the command line so that both fill
// a record alike, and the refusals both make.
#include "storage/KeyTables.h"
#include "storage/MouseSettings.h"
#include "model/ComboKeys.h"
#include "model/MacroSelection.h"

// The refusal texts: context "MousecfgWidget" (the window's box) and "KestBtnWindow".
extern const char *const LAST_LEFT_CLICK_TEXT;
extern const char *const GUN_ON_LEFT_BUTTON_TEXT;

// Giving record recordIndex of profile the function fun would take away the
// last left click: the record holds it, fun is another function and no other
// record of the profile has it. Without a profile no other record counts.
bool takesLastLeftClick(const ButtonInfo &record, int fun, const ProfileData *profile, int recordIndex);
// The left button (record 0) never plays a gun file.
bool gunFileAllowed(int recordIndex);

// Each writes the fields its dialog fills and the code; the rest stay.
void assignPlainFunction(ButtonInfo &record, int fun);
void assignSingleKey(ButtonInfo &record, KeyCode key);
void assignComboKey(ButtonInfo &record, const ComboKeyState &combo); // keyNumber = entries written
void assignFireKey(ButtonInfo &record, uint8_t target, int times, int delay); // target: fireTargetValue()
void assignSniper(ButtonInfo &record, int step);
// fun is FunMacro or FunGunFile; the file's events are copied in. False, and
// the record untouched, when the name cannot be a file name.
bool assignMacroSelection(ButtonInfo &record, int fun, const MacroSelection &selection);
