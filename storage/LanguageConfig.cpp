#include "storage/ConfigStorage.h"
#include "storage/IniFile.h"
#include "storage/SafeName.h"
#include <QDebug>

namespace {

const QString kLangIdKey = QStringLiteral("Config/LangID");

} // namespace

int langId()
{
    // The index selects entries of the fixed-size language table.
    const int id = IniFile(langConfigFilePath()).intValue(kLangIdKey);
    return id >= 0 && id < MAX_LANGUAGES ? id : 0;
}

bool setLangId(int id)
{
    IniWriter ini(langConfigFilePath());
    ini->setValue(kLangIdKey, id);
    return ini.commit();
}

void readFontList(FontList &list)
{
    const IniFile ini(configFilePath());
    list = FontList();
    list.count = qBound(0, ini.intValue(QStringLiteral("FONT_LIST/LANGNUM")), MAX_LANGUAGES);
    for (int i = 0; i < MAX_LANGUAGES; ++i) {
        list.names[i] = ini.stringValue(QStringLiteral("FONT_LIST/LangName_%1").arg(i));
        // The file name becomes a path under lang/: one that could leave it reads as absent.
        const QString file = ini.stringValue(QStringLiteral("FONT_LIST/LangFile_%1").arg(i));
        list.files[i] = isSafeFileName(file) ? file : QString();
        if (list.files[i] != file)
            qWarning().noquote() << "Ignoring the language file name" << file << "in" << configFilePath();
    }
}

QString fontFamily(int lang)
{
    return IniFile(configFilePath()).stringValue(QStringLiteral("FONT_LIST/FONT_%1").arg(lang));
}

int fontPixelSize(int lang)
{
    const int size = IniFile(configFilePath()).intValue(QStringLiteral("FONT_LIST/FONT_SIZE_%1").arg(lang));
    return size > 0 ? size : DEFAULT_FONT_PIXEL_SIZE;
}
