#include "model/ButtonCatalog.h"
#include <QCoreApplication>
#include <algorithm>
#include <iterator>

namespace {

const CatalogEntry kCatalog[] = {
    {1, QT_TRANSLATE_NOOP("KestBtnWindow", "Left"), CatalogPlace::TopFirst},
    {2, QT_TRANSLATE_NOOP("KestBtnWindow", "Right"), CatalogPlace::TopFirst},
    {3, QT_TRANSLATE_NOOP("KestBtnWindow", "Middle"), CatalogPlace::TopFirst},
    {4, QT_TRANSLATE_NOOP("KestBtnWindow", "Forward"), CatalogPlace::TopFirst},
    {5, QT_TRANSLATE_NOOP("KestBtnWindow", "Back"), CatalogPlace::TopFirst},
    {17, QT_TRANSLATE_NOOP("KestBtnWindow", "Cut"), CatalogPlace::Basic},
    {18, QT_TRANSLATE_NOOP("KestBtnWindow", "Copy"), CatalogPlace::Basic},
    {19, QT_TRANSLATE_NOOP("KestBtnWindow", "Paste"), CatalogPlace::Basic},
    {20, QT_TRANSLATE_NOOP("KestBtnWindow", "All"), CatalogPlace::Basic},
    {21, QT_TRANSLATE_NOOP("KestBtnWindow", "Find"), CatalogPlace::Basic},
    {22, QT_TRANSLATE_NOOP("KestBtnWindow", "New"), CatalogPlace::Basic},
    {23, QT_TRANSLATE_NOOP("KestBtnWindow", "Print"), CatalogPlace::Basic},
    {24, QT_TRANSLATE_NOOP("KestBtnWindow", "Save"), CatalogPlace::Basic},
    {25, QT_TRANSLATE_NOOP("KestBtnWindow", "Switch Window"), CatalogPlace::Windows},
    {26, QT_TRANSLATE_NOOP("KestBtnWindow", "Close Window"), CatalogPlace::Windows},
    {27, QT_TRANSLATE_NOOP("KestBtnWindow", "My Computer"), CatalogPlace::Windows},
    {28, QT_TRANSLATE_NOOP("KestBtnWindow", "Run"), CatalogPlace::Windows},
    {29, QT_TRANSLATE_NOOP("KestBtnWindow", "Show Desktop"), CatalogPlace::Windows},
    {30, QT_TRANSLATE_NOOP("KestBtnWindow", "Lock PC"), CatalogPlace::Windows},
    {31, QT_TRANSLATE_NOOP("KestBtnWindow", "Browser Home"), CatalogPlace::Windows},
    {32, QT_TRANSLATE_NOOP("KestBtnWindow", "Browser Backward"), CatalogPlace::Windows},
    {33, QT_TRANSLATE_NOOP("KestBtnWindow", "Browser Forward"), CatalogPlace::Windows},
    {34, QT_TRANSLATE_NOOP("KestBtnWindow", "Browser Stop"), CatalogPlace::Windows},
    {35, QT_TRANSLATE_NOOP("KestBtnWindow", "Browser Refresh"), CatalogPlace::Windows},
    {36, QT_TRANSLATE_NOOP("KestBtnWindow", "Browser Search"), CatalogPlace::Windows},
    {37, QT_TRANSLATE_NOOP("KestBtnWindow", "Browser Favorite"), CatalogPlace::Windows},
    {38, QT_TRANSLATE_NOOP("KestBtnWindow", "Mail"), CatalogPlace::Windows},
    {62, QT_TRANSLATE_NOOP("KestBtnWindow", "Boss Key"), CatalogPlace::Windows},
    {FunSingleKey, QT_TRANSLATE_NOOP("KestBtnWindow", "SINGLE KEY"), CatalogPlace::Advance},
    {FunComboKey, QT_TRANSLATE_NOOP("KestBtnWindow", "COMBO KEY"), CatalogPlace::Advance},
    {FunFireKey, QT_TRANSLATE_NOOP("KestBtnWindow", "FIRE KEY"), CatalogPlace::Advance},
    {39, QT_TRANSLATE_NOOP("KestBtnWindow", "Play/Pause"), CatalogPlace::Media},
    {40, QT_TRANSLATE_NOOP("KestBtnWindow", "Stop"), CatalogPlace::Media},
    {41, QT_TRANSLATE_NOOP("KestBtnWindow", "Previous Track"), CatalogPlace::Media},
    {42, QT_TRANSLATE_NOOP("KestBtnWindow", "Next Track"), CatalogPlace::Media},
    {43, QT_TRANSLATE_NOOP("KestBtnWindow", "Volume Up"), CatalogPlace::Media},
    {44, QT_TRANSLATE_NOOP("KestBtnWindow", "Volume Down"), CatalogPlace::Media},
    {45, QT_TRANSLATE_NOOP("KestBtnWindow", "Mute"), CatalogPlace::Media},
    {46, QT_TRANSLATE_NOOP("KestBtnWindow", "Media Player"), CatalogPlace::Media},
    {47, QT_TRANSLATE_NOOP("KestBtnWindow", "DPI Switch"), CatalogPlace::Dpi},
    {48, QT_TRANSLATE_NOOP("KestBtnWindow", "DPI +"), CatalogPlace::Dpi},
    {49, QT_TRANSLATE_NOOP("KestBtnWindow", "DPI -"), CatalogPlace::Dpi},
    {63, QT_TRANSLATE_NOOP("KestBtnWindow", "Rate Switch"), CatalogPlace::PollingRate},
    {50, QT_TRANSLATE_NOOP("KestBtnWindow", "Rate +"), CatalogPlace::PollingRate},
    {51, QT_TRANSLATE_NOOP("KestBtnWindow", "Rate -"), CatalogPlace::PollingRate},
    {59, QT_TRANSLATE_NOOP("KestBtnWindow", "Profile Switch"), CatalogPlace::ProfileMenu},
    {57, QT_TRANSLATE_NOOP("KestBtnWindow", "Profile +"), CatalogPlace::ProfileMenu},
    {58, QT_TRANSLATE_NOOP("KestBtnWindow", "Profile -"), CatalogPlace::ProfileMenu},
    {FunMacro, QT_TRANSLATE_NOOP("KestBtnWindow", "Macro Manager"), CatalogPlace::TopLast},
    {54, QT_TRANSLATE_NOOP("KestBtnWindow", "Led Switch"), CatalogPlace::TopLast},
    {16, QT_TRANSLATE_NOOP("KestBtnWindow", "Button Off"), CatalogPlace::TopLast},
    {52, QT_TRANSLATE_NOOP("KestBtnWindow", "Scroll Up"), CatalogPlace::NoMenu},
    {53, QT_TRANSLATE_NOOP("KestBtnWindow", "Scroll Down"), CatalogPlace::NoMenu},
    {FunSniper, QT_TRANSLATE_NOOP("KestBtnWindow", "SNIPER"), CatalogPlace::NoMenu},
    {FunGunFile, QT_TRANSLATE_NOOP("KestBtnWindow", "GunFile Manager"), CatalogPlace::NoMenu},
};

const CatalogSubmenu kSubmenus[] = {
    {CatalogPlace::Basic, QT_TRANSLATE_NOOP("KestBtnWindow", "Basic")},
    {CatalogPlace::Windows, QT_TRANSLATE_NOOP("KestBtnWindow", "Windows")},
    {CatalogPlace::Advance, QT_TRANSLATE_NOOP("KestBtnWindow", "Advance")},
    {CatalogPlace::Media, QT_TRANSLATE_NOOP("KestBtnWindow", "Media")},
    {CatalogPlace::Dpi, QT_TRANSLATE_NOOP("KestBtnWindow", "DPI")},
    {CatalogPlace::PollingRate, QT_TRANSLATE_NOOP("KestBtnWindow", "Polling Rate")},
    {CatalogPlace::ProfileMenu, QT_TRANSLATE_NOOP("KestBtnWindow", "Profile Menu")},
};

const int kWheelMenu[] = {52, 53, 43, 44, 1, 2, 3, 4, 5, FunSingleKey, FunComboKey};

} // namespace

bool isPlainFunction(int fun)
{
    static const int kParameterised[] = {FunSingleKey, FunComboKey, FunFireKey, FunSniper, FunMacro, FunGunFile};
    return std::find(std::begin(kParameterised), std::end(kParameterised), fun) == std::end(kParameterised);
}

bool isMacroFunction(int fun)
{
    return fun == FunMacro || fun == FunGunFile;
}

const CatalogEntry *catalogEntries(int &count)
{
    count = int(std::size(kCatalog));
    return kCatalog;
}

const CatalogEntry *catalogEntry(int fun)
{
    for (const CatalogEntry &entry : kCatalog) {
        if (entry.fun == fun)
            return &entry;
    }
    return nullptr;
}

const CatalogSubmenu *catalogSubmenus(int &count)
{
    count = int(std::size(kSubmenus));
    return kSubmenus;
}

const int *wheelMenuCodes(int &count)
{
    count = int(std::size(kWheelMenu));
    return kWheelMenu;
}

QString catalogLabel(int fun)
{
    const CatalogEntry *entry = catalogEntry(fun);
    return entry ? QCoreApplication::translate("KestBtnWindow", entry->label) : QString();
}
