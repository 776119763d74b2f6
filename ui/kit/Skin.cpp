#include "ui/kit/Skin.h"
#include "storage/AppPaths.h"
#include <QMenu>
#include <QHash>
#include <QImage>

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
} // namespace

QPixmap sharedPixmap(const QString &path)
{
    auto it = pixmaps().constFind(path);
    if (it == pixmaps().constEnd())
        it = pixmaps().insert(path, QPixmap::fromImage(QImage(path))); // no stat of the time zone, as QPixmap::load does
    return *it;
}

void clearSharedPixmaps()
{
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
