// The window's side of the LIGHTING page: lighting panel and colour editor.
#include "ui/main/MousecfgWidget.h"
#include "storage/ConfigStorage.h"
#include "ui/kit/UiScale.h"
#include "ui/panels/KestColorWindow.h"
#include "model/LightingEffects.h"
#include "ui/panels/PageFitter.h"

void MousecfgWidget::buildLightingPage(QWidget *page)
{
    m_colorWindow = new KestColorWindow(page, uiScale());
    m_colorWindow->setSettings(&m_working);
    followPageSize(page, [this, page] {
        m_colorWindow->setGeometry(page->rect());
        m_colorWindow->setScale(uiScale());
    });
}

void MousecfgWidget::refreshLightingPage()
{
    // The single-lighting model keeps its lighting in the first profile.
    const int shown = isSingleLightingModel(deviceListName()) ? 0 : activeSlot(m_working);
    m_colorWindow->setProfileData(&m_working.profiles[shown]);
}
