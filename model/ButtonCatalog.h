#pragma once
// The functions a mouse button can be given: code, label and where the entry
// stands in the assignment menus.
#include "device/ButtonEncoding.h" // FunSingleKey .. FunSniper
#include "storage/MouseSettings.h"  // FunMacro, FunGunFile
#include <QString>

// Where an entry stands in the main menu. Entries of NoMenu exist, are
// translated and are handled when triggered, but no menu offers them.
enum class CatalogPlace {
    TopFirst,    // above the submenus
    Basic,
    Windows,
    Advance,
    Media,
    Dpi,
    PollingRate,
    ProfileMenu, // a submenu that is built but not attached
    TopLast,     // below the submenus
    NoMenu,
};

struct CatalogEntry {
    int fun;
    const char *label; // source text, context "KestBtnWindow"
    CatalogPlace place;
};

// The left click: at least one button keeps it.
constexpr int FunLeftClick = 1;

// Functions without parameters: choosing one only sets the code.
bool isPlainFunction(int fun);
// A stored macro or gun file; hidden with the macro page ("PROFILE/DisableMacro").
bool isMacroFunction(int fun);

// Every entry, in main-menu order (entries outside the menu last).
const CatalogEntry *catalogEntries(int &count);
const CatalogEntry *catalogEntry(int fun);

// The submenus in the order they are attached, with their titles.
struct CatalogSubmenu {
    CatalogPlace place;
    const char *title;
};
const CatalogSubmenu *catalogSubmenus(int &count); // includes the unattached "Profile Menu"

// The wheel menu, in order.
const int *wheelMenuCodes(int &count);

// Translated label of a code; empty for a code the catalog does not know.
QString catalogLabel(int fun);
