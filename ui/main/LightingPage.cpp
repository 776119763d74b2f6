#include "ui/main/LightingPage.h"
#include "model/LightingEffects.h"
#include "storage/ConfigStorage.h"
#include "ui/kit/UiScale.h"
#include "ui/main/ApplySession.h"
#include "ui/panels/KestColorWindow.h"
#include "ui/panels/PageFitter.h"

LightingPage::LightingPage(ApplySession *session, QWidget *parent)
    : QWidget(parent), m_session(session), m_colorWindow(new KestColorWindow(this, uiScale()))
{
    m_colorWindow->setSettings(&m_session->working());
    followPageSize(this, [this] {
        m_colorWindow->setGeometry(rect());
        m_colorWindow->setScale(uiScale());
    });
}

void LightingPage::refresh()
{
    // The single-lighting model keeps its lighting in the first profile.
    MouseSettings &working = m_session->working();
    const int shown = isSingleLightingModel(deviceListName()) ? 0 : activeSlot(working);
    m_colorWindow->setProfileData(&working.profiles[shown]);
}
