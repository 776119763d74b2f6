#pragma once
// How the button panel asks for a stored macro or gun file. The selection
// dialog belongs to the macro editor, which installs a selector when its page
// is built; without one, choosing a macro changes nothing.
#include <QString>
#include <functional>

class QWidget;

struct MacroSelection {
    QString name;      // empty: none chosen
    int loopCount = 1; // 1..255
    int mode = 0;      // 0 loop count, 1 repeat while held, 2 repeat until pressed again
};

// Runs the selection dialog modally with the given title ("MACRO SELECT" or
// "GUNFILE SELECT", translated) and preset; true when the user accepted, with
// the choice written back into selection.
using MacroSelector = std::function<bool(QWidget *parent, const QString &title, MacroSelection &selection)>;

void setMacroSelector(MacroSelector selector);
const MacroSelector &macroSelector();
