#pragma once
// Skin folder and the fixed styles shared by every window.
#include <QString>

class QMenu;

// appDir() + "/skin/" + name
QString skinPath(const QString &name);

// Dark popup menus: rgb(50,50,50) background, white items with 0/20 px
// padding, rgb(150,150,150) when selected, rgb(200,200,200) when pressed.
extern const char POPUP_MENU_STYLE[];
void applyPopupMenuStyle(QMenu *menu);
