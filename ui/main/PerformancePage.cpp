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
    const ProfileData &active = m_working.profiles[activeSlot(m_working)];
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
    const ProfileData &active = m_working.profiles[activeSlot(m_working)];
    m_dpiWindow->setProfile(active, mouseSensor());
    m_reportRate->setProfile(active, m_working.liftHigh);
    m_pointSpeedProfile = active;
    m_pointSpeed->refresh(uiScale());
    m_performanceLoaded = active;
    m_performanceSlot = activeSlot(m_working);
}

namespace {
// Takes the panel's value where the user changed it since the last load or
// Apply; a value the working record got from elsewhere meanwhile is not
// overwritten with the panel's stale copy. The panel's value becomes the new
// starting point.
template <typename T>
void takeEdited(T &working, const T &panel, T &loaded)
{
    if (panel != loaded) {
        working = panel;
        loaded = panel;
    }
}
} // namespace

void MousecfgWidget::collectPerformancePage()
{
    // Copies of another slot (nothing reloaded them since) must not land here.
    if (m_performanceSlot != activeSlot(m_working))
        return;
    ProfileData &active = m_working.profiles[m_performanceSlot];
    ProfileData &loaded = m_performanceLoaded;
    const ProfileData &dpi = m_dpiWindow->profileData();
    takeEdited(active.dpi, dpi.dpi, loaded.dpi);
    for (int i = 0; i < DPI_STAGE_COUNT; ++i) {
        takeEdited(active.dpiInfo[i].used, dpi.dpiInfo[i].used, loaded.dpiInfo[i].used);
        takeEdited(active.dpiInfo[i].link, dpi.dpiInfo[i].link, loaded.dpiInfo[i].link);
        takeEdited(active.dpiInfo[i].xy, dpi.dpiInfo[i].xy, loaded.dpiInfo[i].xy);
        takeEdited(active.dpiInfo[i].x, dpi.dpiInfo[i].x, loaded.dpiInfo[i].x);
        takeEdited(active.dpiInfo[i].y, dpi.dpiInfo[i].y, loaded.dpiInfo[i].y);
    }
    takeEdited(active.scrollSpeed, m_pointSpeedProfile.scrollSpeed, loaded.scrollSpeed);
    takeEdited(active.mouseSpeed, m_pointSpeedProfile.mouseSpeed, loaded.mouseSpeed);
    takeEdited(active.pollrate, m_reportRate->profileData().pollrate, loaded.pollrate);
}
