#pragma once
// Per-language font: family "FONT_LIST/FONT_<L>" and pixel size
// "FONT_LIST/FONT_SIZE_<L>" of Config.ini for the current language L.
#include "storage/ConfigStorage.h" // DEFAULT_FONT_PIXEL_SIZE
#include <QFont>
#include <QString>

int currentLanguage();
void setCurrentLanguage(int lang);

// The installed family (fontconfig's) that shows the current language's font.
QString languageFontFamily();
// The installed family for a configured name: the name itself when it is
// installed and proportional, else the desktop's sans-serif face, never a
// monospace one.
QString installedFontFamily(const QString &requested);
// Unscaled pixel size; DEFAULT_FONT_PIXEL_SIZE when the table has none.
int languageFontPixelSize();
// Family of the current language at pixelSize (the language's own size when 0)
// times the UI scale; never below one pixel.
QFont languageFont(int pixelSize = 0);
