// The window's profile controls: saved-profile library, import, export and reset.
#include "ui/main/MousecfgWidget.h"

void MousecfgWidget::buildProfileManagement()
{
}

bool MousecfgWidget::handleProfileButton(const QString &objectName)
{
    Q_UNUSED(objectName);
    return false;
}
