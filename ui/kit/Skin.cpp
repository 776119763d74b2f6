#include "ui/kit/Skin.h"
#include "storage/AppPaths.h"
#include <QHash>
#include <QImage>
#include <QMenu>
#include <future>
#include <map>

const char POPUP_MENU_STYLE[] =
    "QMenu{background-color: rgb(50,50,50); border: none;}"
    "QMenu::item{color: rgb(255,255,255); background-color: transparent;"
    " padding: 0px 20px; border: none;}"
    "QMenu::item:selected{background-color: rgb(150,150,150);}"
    "QMenu::item:pressed{background-color: rgb(200,200,200);}";

QString skinPath(const QString &name)
{
    return appDir() + "/skin/" + name;
}

namespace {
// Keyed by path: the skin is a few dozen small files, held by the widgets anyway.
QHash<QString, QPixmap> &pixmaps()
{
    static QHash<QString, QPixmap> cache;
    return cache;
}

// Pictures being decoded on other threads (QImage is reentrant, QPixmap is not).
std::map<QString, std::future<QImage>> &pending()
{
    static std::map<QString, std::future<QImage>> decoding;
    return decoding;
}
} // namespace

void prefetchPixmaps(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (!pixmaps().contains(path) && !pending().count(path))
            pending().emplace(path, std::async(std::launch::async, [path] { return QImage(path); }));
    }
}

QPixmap sharedPixmap(const QString &path)
{
    auto it = pixmaps().constFind(path);
    if (it != pixmaps().constEnd())
        return *it;
    QImage image;
    const auto decoding = pending().find(path);
    if (decoding != pending().end()) {
        image = decoding->second.get();
        pending().erase(decoding);
    } else {
        image.load(path); // no stat of the time zone for a cache key, as QPixmap::load makes
    }
    return *pixmaps().insert(path, QPixmap::fromImage(image));
}

void clearSharedPixmaps()
{
    pending().clear(); // waits for the decoders
    pixmaps().clear();
}

QPixmap skinPixmap(const QString &name)
{
    return sharedPixmap(skinPath(name));
}

void applyPopupMenuStyle(QMenu *menu)
{
    if (menu)
        menu->setStyleSheet(QString::fromLatin1(POPUP_MENU_STYLE));
}
