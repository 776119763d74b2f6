// The window's side of the LIGHTING page: lighting panel and colour editor.
#include "ui/main/MousecfgWidget.h"

void MousecfgWidget::buildLightingPage(QWidget *page)
{
    Q_UNUSED(page);
}

void MousecfgWidget::refreshLightingPage()
{
}
