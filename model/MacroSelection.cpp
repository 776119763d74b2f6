#include "model/MacroSelection.h"

namespace {
MacroSelector &selectorSlot()
{
    static MacroSelector selector;
    return selector;
}
} // namespace

void setMacroSelector(MacroSelector selector)
{
    selectorSlot() = std::move(selector);
}

const MacroSelector &macroSelector()
{
    return selectorSlot();
}
