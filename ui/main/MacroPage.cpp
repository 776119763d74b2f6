// The window's side of the MACRO page: macro editor.
#include "ui/main/MousecfgWidget.h"

void MousecfgWidget::buildMacroPage(QWidget *page)
{
    Q_UNUSED(page);
}

void MousecfgWidget::refreshMacroPage()
{
}
