#include "ui/main/PerformancePage.h"
#include "storage/ConfigStorage.h"
#include "ui/kit/UiScale.h"
#include "ui/main/ApplySession.h"
#include "ui/main/ProfileMerge.h"
#include "ui/panels/KestDPIWindow.h"
#include "ui/panels/KestPointSpeed.h"
#include "ui/panels/KestReportRate.h"
#include "ui/panels/PageFitter.h"
#include <cmath>

namespace {
// The DPI panel on the left, rate and pointer speed stacked on the right.
constexpr int kLeftMargin = 12;
constexpr int kColumnGap = 6;
constexpr int kRowGap = 8;

QRect scaledRect(int x, int y, int w, int h, double scale)
{
    return QRect(int(std::lround(x * scale)), int(std::lround(y * scale)), int(std::lround(w * scale)),
                 int(std::lround(h * scale)));
}
} // namespace

PerformancePage::PerformancePage(ApplySession *session, QWidget *parent, bool deferPanels)
    : QWidget(parent), m_session(session)
{
    if (!deferPanels)
        buildPanels();
}

bool PerformancePage::buildPanels()
{
    if (m_dpiWindow)
        return false;
    const ProfileData &active = m_session->activeProfile();
    m_dpiWindow = new KestDPIWindow(active, this);
    m_pointSpeedProfile = active;
    m_pointSpeed = new KestPointSpeed(&m_pointSpeedProfile, this);
    m_reportRate = new KestReportRate(this);
    connect(m_reportRate, &KestReportRate::RefreshLift, this, [this](uchar lift) { m_session->working().liftHigh = lift; });
    followPageSize(this, [this] { layoutPanels(); });
    refresh();
    for (QWidget *panel : QWidgetList{m_dpiWindow, m_reportRate, m_pointSpeed})
        panel->show(); // children made after their parent was shown stay hidden otherwise
    return true;
}

void PerformancePage::showEvent(QShowEvent *event)
{
    buildPanels();
    QWidget::showEvent(event);
}

void PerformancePage::layoutPanels()
{
    const double scale = uiScale();
    const int right = kLeftMargin + KestDPIWindow::BASE_WIDTH + kColumnGap;
    m_dpiWindow->setGeometry(scaledRect(kLeftMargin, 0, KestDPIWindow::BASE_WIDTH, KestDPIWindow::BASE_HEIGHT, scale));
    m_dpiWindow->setScale(scale);
    m_reportRate->setGeometry(scaledRect(right, 0, KestReportRate::BASE_WIDTH, KestReportRate::BASE_HEIGHT, scale));
    m_reportRate->setScale(scale);
    m_pointSpeed->setGeometry(scaledRect(right, KestReportRate::BASE_HEIGHT + kRowGap, KestPointSpeed::BASE_WIDTH,
                                         KestPointSpeed::BASE_HEIGHT, scale));
    m_pointSpeed->refresh(scale);
}

void PerformancePage::refresh()
{
    if (!m_dpiWindow)
        return; // loaded when built
    const ProfileData &active = m_session->activeProfile();
    m_dpiWindow->setProfile(active, mouseSensor());
    m_reportRate->setProfile(active, m_session->working().liftHigh);
    m_pointSpeedProfile = active;
    m_pointSpeed->refresh(uiScale());
    for (ProfileData &loaded : m_loaded)
        loaded = active;
    m_loadedSlot = activeSlot(m_session->working());
}

bool PerformancePage::hasEdits() const
{
    if (!m_dpiWindow || m_loadedSlot != activeSlot(m_session->working()))
        return false;
    const ProfileData *const edited[] = {&m_dpiWindow->profileData(), &m_reportRate->profileData(), &m_pointSpeedProfile};
    for (int i = 0; i < 3; ++i) {
        if (!profile_merge::equal(*edited[i], m_loaded[i]))
            return true;
    }
    return false;
}

void PerformancePage::collect()
{
    // Copies of another slot (nothing reloaded them since) must not land here.
    if (!m_dpiWindow || m_loadedSlot != activeSlot(m_session->working()))
        return;
    ProfileData &active = m_session->activeProfile();
    takeEditedProfile(active, m_dpiWindow->profileData(), m_loaded[0]);
    takeEditedProfile(active, m_reportRate->profileData(), m_loaded[1]);
    takeEditedProfile(active, m_pointSpeedProfile, m_loaded[2]);
}
