#pragma once
// A button's function as one line of text, for the command line: parsed into
// the record exactly as the panel's menus and dialogs fill it, and formatted
// back so that the text of any record the panel makes assigns that record.
#include "storage/MouseSettings.h"
#include <QString>
#include <QStringList>
#include <QVector>

// Which buttons the configured model has, as the shell names them.
struct ButtonKey {
    QString key;
    int recordIndex;
    bool wheel;
};
// "button.N" for each slot the assignment panel shows (N = the number on its
// badge, in panel order), then "wheel.up" (record 40) and "wheel.down"
// (record 41). Reads the device description of the current product.
QVector<ButtonKey> buttonKeys();

struct ButtonFunctionContext {
    int recordIndex = 0;                  // 0..41
    int sensor = 0;                       // mouseSensor()
    const ProfileData *profile = nullptr; // the profile being edited (last-left-click rule; none: no other left click)
    // false: the caller changes several buttons at once and checks the rule on the outcome.
    bool checkLastLeftClick = true;
};

// The record's function as text: "Left", "DPI +", "Button Off", "key:F5",
// "combo:LShift+LCtr+S", "fire:Left:3:100", "fire:key=K:5:50", "sniper:400",
// "macro:NAME", "macro:NAME:loop=3", "macro:NAME:hold", "macro:NAME:toggle",
// "gun:NAME" (same options). A code the catalog does not know reads "code:N".
QString buttonFunctionText(const ButtonInfo &record, int sensor);

// Empty on success, with record filled exactly as the menus and dialogs fill
// it for that choice; otherwise a one-line message naming the valid values,
// and record untouched. When a value had to be fitted to what the panel offers
// (a sniper DPI between two steps) and adjusted is given, it receives a
// one-line note saying what was set; otherwise it is cleared.
QString assignButtonFunction(const QString &text, const ButtonFunctionContext &context, ButtonInfo &record,
                             QString *adjusted = nullptr);

// Every accepted form on a button (wheel false) or a wheel direction: the
// plain labels in menu order, then the parameter forms ("key:KEY",
// "combo:KEYS", "macro:NAME[:loop=N|:hold|:toggle]", ...). Forms the model
// hides (macros turned off) are left out.
QStringList buttonFunctionNames(bool wheel);

// A few lines explaining the forms, for `mousectl help button.N`.
QString buttonFunctionHelp();
