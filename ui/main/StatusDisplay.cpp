// The window's side of the status: the battery bar, and the changes made on
// the mouse itself taken into the pages (StatusPresenter has the rules).
#include "ui/main/MousecfgWidget.h"
#include "device/DeviceTable.h"
#include "device/PointerSettings.h"
#include "storage/ConfigStorage.h"
#include "ui/kit/KestProcessbar.h"
#include "ui/kit/UiScale.h"
#include "ui/main/LightingPage.h"
#include "ui/main/PerformancePage.h"
#include "ui/main/StatusPresenter.h"
#include <QDebug>
#include <QFileInfo>
#include <QLabel>

void MousecfgWidget::slotRefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte)
{
    const StatusPresenter::Battery battery = m_status->batteryReport(iCharge, iLowByte, iHiByte);
    // Readings come from the connection; the start-up placeholder is a direct call.
    m_chrome->showBattery(battery, sender() != nullptr);
    const int textPx = int(16 * uiScale());
    if (battery.off) {
        m_batteryBar->setFormat(tr("MOUSE OFF"));
        m_batteryBar->setText(tr("MOUSE OFF"));
        m_batteryBar->setTextVisible(false);
        m_batteryBar->setStyleSheet(QString("QProgressBar{background: rgb(100,100,100); border: none; border-radius: 2px;"
                                            " text-align: center; color: white; font-weight: bold; font-size: %1px;}"
                                            "QProgressBar::chunk{background: rgb(100,100,100); border-radius: 2px;}")
                                        .arg(textPx));
        m_chargingIcon->hide();
        return;
    }
    m_batteryBar->setText(QString());
    m_batteryBar->setTextVisible(true);
    m_batteryBar->setFormat(battery.cable ? QString() : QString("%p%"));
    const QColor accent = themeColor();
    m_batteryBar->setStyleSheet(QString("QProgressBar{background: white; border: none; border-radius: 2px;"
                                        " text-align: center; color: black; font-weight: bold; font-size: %1px;}"
                                        "QProgressBar::chunk{background: rgb(%2,%3,%4); border-radius: 2px;}")
                                    .arg(textPx).arg(accent.red()).arg(accent.green()).arg(accent.blue()));
    m_chargingIcon->setVisible(battery.charging);
    m_batteryBar->setValue(battery.cable ? 100 : battery.percent);
}

void MousecfgWidget::slotRefreshWriteStatus(quint8 iStatus)
{
    if (iStatus != 0)
        return; // only a lost write has something to do, and a held 1 must not replace a held 0
    if (m_status->hold(StatusPresenter::HeldReport::WriteStatus, [=] { slotRefreshWriteStatus(iStatus); }))
        return;
    m_session->writeStatusReported(iStatus);
}

void MousecfgWidget::slotRefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode)
{
    if (m_status->hold(StatusPresenter::HeldReport::State, [=] { slotRefreshStatus(iProfile, iDPI, iRate, iMode); }))
        return;
    qDebug().noquote() << QString::asprintf("Test data:profile =%x, dpi= %x, iRate= %x, mode= %x", iProfile, iDPI, iRate, iMode);
    if (iProfile != m_working.profileId) {
        // The stage and rate in this report are still the old slot's: the
        // new slot's tables go out now, and its notice stays on screen.
        slotRefreshProfile(iProfile);
        return;
    }
    const ProfileData &current = m_working.profiles[activeSlot(m_working)];
    if (iDPI != current.dpi)
        slotRefreshDPIStage(iDPI);
    if (iRate != current.pollrate)
        slotRefreshRate(iRate);
}

void MousecfgWidget::slotRefreshProfile(quint8 iProfile)
{
    if (iProfile >= PROFILE_COUNT)
        return; // a garbled report must not select a slot that does not exist
    switchToSlot(iProfile, false);
    m_status->showOsd(StatusPresenter::profileNotice(iProfile));
    // The mouse holds one DPI table and one key table, as after the slot menu.
    sendSlotTables();
}

void MousecfgWidget::slotRefreshDPIStage(quint8 iStage)
{
    if (iStage >= DPI_STAGE_COUNT)
        return;
    // Edits still on the DPI page stay; only the stage changes.
    m_performancePage->collect();
    ProfileData &current = m_working.profiles[activeSlot(m_working)];
    current.dpi = iStage;
    m_performancePage->refresh();
    // A slot whose profile was never saved has no file to hold the stage yet; that is not a failure.
    const QString name = m_working.profileNames[activeSlot(m_working)];
    if (!saveProfileDpi(name, iStage) && QFileInfo::exists(profileFilePath(name)))
        reportSaved(false);
    const int dpi = sensorDpi(int(current.dpiInfo[iStage].y), mouseSensor());
    m_status->showOsd(StatusPresenter::dpiNotice(iStage, dpi));
}

void MousecfgWidget::slotRefreshRate(quint8 iRate)
{
    m_performancePage->collect();
    m_working.profiles[activeSlot(m_working)].pollrate = iRate;
    m_performancePage->refresh();
    m_status->showOsd(StatusPresenter::rateNotice(iRate));
}

void MousecfgWidget::slotRefreshLightMode(quint8 iMode)
{
    if (iMode >= LED_MODE_COUNT)
        return; // a garbled report must not select an effect that does not exist
    if (m_status->hold(StatusPresenter::HeldReport::LightMode, [=] { slotRefreshLightMode(iMode); }))
        return;
    // The mouse runs this effect already: it is what both records hold now.
    m_session->mouseRunsEffect(iMode);
    m_lightingPage->refresh();
}
