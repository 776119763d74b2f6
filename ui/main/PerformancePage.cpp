// The window's side of the DPI page: DPI stages, report rate and lift-off, pointer and scroll speed.
#include "ui/main/MousecfgWidget.h"
#include "storage/ConfigStorage.h"
#include "ui/kit/UiScale.h"
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

void MousecfgWidget::buildPerformancePage(QWidget *page)
{
    const ProfileData &active = m_working.profiles[m_working.profileId % PROFILE_COUNT];
    m_dpiWindow = new KestDPIWindow(active, page);
    m_pointSpeedProfile = active;
    m_pointSpeed = new KestPointSpeed(&m_pointSpeedProfile, page);
    m_reportRate = new KestReportRate(page);
    connect(m_reportRate, &KestReportRate::RefreshLift, this, &MousecfgWidget::slotLiftChange);

    followPageSize(page, [this] {
        const double scale = uiScale();
        const int right = kLeftMargin + KestDPIWindow::BASE_WIDTH + kColumnGap;
        m_dpiWindow->setGeometry(
            scaledRect(kLeftMargin, 0, KestDPIWindow::BASE_WIDTH, KestDPIWindow::BASE_HEIGHT, scale));
        m_dpiWindow->setScale(scale);
        m_reportRate->setGeometry(
            scaledRect(right, 0, KestReportRate::BASE_WIDTH, KestReportRate::BASE_HEIGHT, scale));
        m_reportRate->setScale(scale);
        m_pointSpeed->setGeometry(scaledRect(right, KestReportRate::BASE_HEIGHT + kRowGap, KestPointSpeed::BASE_WIDTH,
                                             KestPointSpeed::BASE_HEIGHT, scale));
        m_pointSpeed->refresh(scale);
    });
}

void MousecfgWidget::refreshPerformancePage()
{
    const ProfileData &active = m_working.profiles[m_working.profileId % PROFILE_COUNT];
    m_dpiWindow->setProfile(active, mouseSensor());
    m_reportRate->setProfile(active, m_working.liftHigh);
    m_pointSpeedProfile = active;
    m_pointSpeed->refresh(uiScale());
}

void MousecfgWidget::collectPerformancePage()
{
    ProfileData &active = m_working.profiles[m_working.profileId % PROFILE_COUNT];
    const ProfileData &dpi = m_dpiWindow->profileData();
    active.dpi = dpi.dpi;
    for (int i = 0; i < DPI_STAGE_COUNT; ++i)
        active.dpiInfo[i] = dpi.dpiInfo[i];
    active.scrollSpeed = m_pointSpeedProfile.scrollSpeed;
    active.mouseSpeed = m_pointSpeedProfile.mouseSpeed;
    active.pollrate = m_reportRate->profileData().pollrate;
}
