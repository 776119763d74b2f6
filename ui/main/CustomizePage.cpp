// The window's side of the CUSTOMIZE page: button assignment panel and the picture hot-spots.
#include "ui/main/MousecfgWidget.h"

void MousecfgWidget::buildCustomizePage(QWidget *page)
{
    Q_UNUSED(page);
}

void MousecfgWidget::refreshCustomizePage()
{
}
