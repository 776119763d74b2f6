#include "ui/kit/Skin.h"
#include "storage/AppPaths.h"
#include <QMenu>

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

void applyPopupMenuStyle(QMenu *menu)
{
    if (menu)
        menu->setStyleSheet(QString::fromLatin1(POPUP_MENU_STYLE));
}
