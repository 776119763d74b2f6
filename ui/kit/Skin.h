#pragma once
// Skin folder and the fixed styles shared by every window.
#include <QPixmap>
#include <QString>
#include <QStringList>

class QMenu;

// appDir() + "/skin/" + name
QString skinPath(const QString &name);

// The picture at path, decoded once and shared by every widget showing it;
// a null pixmap when it cannot be read. GUI thread only.
QPixmap sharedPixmap(const QString &path);
// Starts decoding the pictures on other threads, so that building widgets
// and decoding large pictures overlap; sharedPixmap() waits for them.
void prefetchPixmaps(const QStringList &paths);
// sharedPixmap(skinPath(name))
QPixmap skinPixmap(const QString &name);
// Forgets the decoded pictures, so the next request reads the files again.
void clearSharedPixmaps();

// Dark popup menus: rgb(50,50,50) background, white items with 0/20 px
// padding, rgb(150,150,150) when selected, rgb(200,200,200) when pressed.
extern const char POPUP_MENU_STYLE[];
void applyPopupMenuStyle(QMenu *menu);
