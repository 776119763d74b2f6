#include "storage/ConfigStorage.h"
#include "storage/IniFile.h"

namespace {

struct Rgb { int r, g, b; };

const Rgb kThemeColors[THEME_COLOR_COUNT] = {
    {255, 0, 0},
    {0, 255, 0},
    {0, 0, 255},
    {219, 200, 182},
    {255, 0, 255},
    {0, 255, 255},
    {255, 125, 0},
};

bool inTable(int index)
{
    return index >= 0 && index < THEME_COLOR_COUNT;
}

} // namespace

int colorId()
{
    const int id = IniFile(configFilePath()).intValue(QStringLiteral("Config/GColorID"));
    return inTable(id) ? id : 0;
}

QColor themeColorAt(int index)
{
    const Rgb &c = kThemeColors[inTable(index) ? index : 0];
    return QColor(c.r, c.g, c.b);
}

QColor themeColor()
{
    return themeColorAt(colorId());
}
