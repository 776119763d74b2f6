#pragma once
// How the button panel asks for a stored macro or gun file. The selection
// dialog belongs to the macro editor, which installs a selector when its page
// is built; without one, choosing a macro changes nothing.
#include <QString>
#include <functional>

class QWidget;

// How a button plays its macro (the record's res1).
enum ButtonMacroMode { MacroPlayLoops, MacroPlayWhileHeld, MacroPlayUntilPressed, MACRO_PLAY_MODE_COUNT };
// The loop counts the selection dialog takes.
constexpr int MACRO_LOOP_COUNT_MIN = 1;
constexpr int MACRO_LOOP_COUNT_MAX = 255;

struct MacroSelection {
    QString name;      // empty: none chosen
    int loopCount = 1; // MACRO_LOOP_COUNT_MIN..MACRO_LOOP_COUNT_MAX
    int mode = MacroPlayLoops;
};

// Runs the selection dialog modally with the given title ("MACRO SELECT" or
// "GUNFILE SELECT", translated) and preset; true when the user accepted, with
// the choice written back into selection.
using MacroSelector = std::function<bool(QWidget *parent, const QString &title, MacroSelection &selection)>;

void setMacroSelector(MacroSelector selector);
const MacroSelector &macroSelector();
