#include "ui/kit/Fonts.h"
#include "storage/ConfigStorage.h"
#include "storage/FileRead.h"
#include "ui/kit/UiScale.h"
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <atomic>
#include <cmath>
#include <mutex>

namespace {

std::atomic<int> g_language{0};

// Widgets ask for the font on every paint; the configuration file is read
// again only when the language, the file or its stamp changed.
struct FontCache {
    std::mutex mutex;
    bool valid = false;
    int lang = -1;
    QString path;
    FileStamp stamp;
    QString family;
    int pixelSize = 0;
};

FontCache &cache()
{
    static FontCache c;
    return c;
}

void lookUp(QString &family, int &pixelSize)
{
    FontCache &c = cache();
    const int lang = g_language.load();
    const QString path = configFilePath();
    const qint64 looked = fileClock();
    FileStamp stamp;
    FileStamp::of(path, stamp);
    std::lock_guard<std::mutex> lock(c.mutex);
    // A stamp taken in the clock tick of a change may hide the next one.
    if (!c.valid || c.lang != lang || c.path != path || c.stamp != stamp) {
        c.family = installedFontFamily(fontFamily(lang));
        c.pixelSize = fontPixelSize(lang);
        c.lang = lang;
        c.path = path;
        c.stamp = stamp;
        c.valid = stamp.settledBefore(looked);
    }
    family = c.family;
    pixelSize = c.pixelSize;
}

// What fontconfig gives for "sans-serif"; when that is a monospace face,
// the first proportional family installed.
QString sansFamily()
{
    QFont sans(QStringLiteral("sans-serif"));
    sans.setStyleHint(QFont::SansSerif);
    const QFontInfo info(sans);
    if (!info.fixedPitch())
        return info.family();
    const QFontDatabase db;
    for (const QString &family : db.families()) {
        if (!db.isFixedPitch(family))
            return family;
    }
    return info.family();
}

} // namespace

QString installedFontFamily(const QString &requested)
{
    // The font database needs the GUI; without it the name stays as given.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return requested;
    const QFontDatabase db;
    if (!requested.trimmed().isEmpty()) {
        for (const QString &family : db.families()) {
            if (family.compare(requested.trimmed(), Qt::CaseInsensitive) == 0 && !db.isFixedPitch(family))
                return family;
        }
    }
    return sansFamily();
}

int currentLanguage()
{
    return g_language.load();
}

void setCurrentLanguage(int lang)
{
    g_language.store(lang);
}

QString languageFontFamily()
{
    QString family;
    int size = 0;
    lookUp(family, size);
    return family;
}

int languageFontPixelSize()
{
    QString family;
    int size = 0;
    lookUp(family, size);
    return size > 0 ? size : DEFAULT_FONT_PIXEL_SIZE;
}

QFont languageFont(int pixelSize)
{
    QString family;
    int size = 0;
    lookUp(family, size);
    QFont font;
    font.setFamily(family);
    const int base = pixelSize > 0 ? pixelSize : (size > 0 ? size : DEFAULT_FONT_PIXEL_SIZE);
    font.setPixelSize(qMax(1, int(std::lround(base * uiScale()))));
    return font;
}
