// The window's side of the DPI page: DPI stages, report rate and lift-off, pointer and scroll speed.
#include "ui/main/MousecfgWidget.h"

void MousecfgWidget::buildPerformancePage(QWidget *page)
{
    Q_UNUSED(page);
}

void MousecfgWidget::refreshPerformancePage()
{
}

void MousecfgWidget::collectPerformancePage()
{
}
