// The battery bar, the sleeping state and the changes made on the mouse itself.
#include "ui/main/MousecfgWidget.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/Skin.h"
#include "ui/kit/UiScale.h"
#include "device/BatteryLevel.h"
#include "device/DeviceTable.h"
#include "device/PointerSettings.h"
#include "platform/OsdChannel.h"
#include "storage/ConfigStorage.h"
#include "ui/kit/KestProcessbar.h"
#include "ui/main/HelperPrograms.h"
#include "ui/main/PerformancePage.h"
#include <QApplication>
#include <QDebug>
#include <QFileInfo>
#include <QTimer>
#include <utility>
#include <QLabel>

namespace {
struct RateText {
    int rate;
    const char *text;
};
constexpr RateText kRateTexts[] = {
    {8, QT_TRANSLATE_NOOP("MousecfgWidget", "125 HZ")},
    {4, QT_TRANSLATE_NOOP("MousecfgWidget", "250 HZ")},
    {2, QT_TRANSLATE_NOOP("MousecfgWidget", "500 HZ")},
    {1, QT_TRANSLATE_NOOP("MousecfgWidget", "1000 HZ")},
};
}

void MousecfgWidget::slotRefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte)
{
    const int textPx = int(16 * uiScale());
    if (iCharge == 0 && iLowByte == 0 && iHiByte == 0) {
        m_batteryBar->setFormat(tr("MOUSE OFF"));
        m_batteryBar->setText(tr("MOUSE OFF"));
        m_batteryBar->setTextVisible(false);
        m_batteryBar->setStyleSheet(QString("QProgressBar{background: rgb(100,100,100); border: none; border-radius: 2px;"
                                            " text-align: center; color: white; font-weight: bold; font-size: %1px;}"
                                            "QProgressBar::chunk{background: rgb(100,100,100); border-radius: 2px;}")
                                        .arg(textPx));
        m_chargingIcon->hide();
        g_bDeviceSleeping = true;
        return;
    }
    m_batteryBar->setText(QString());
    m_batteryBar->setTextVisible(true);
    m_batteryBar->setFormat(collectionFound(4) ? QString() : QString("%p%"));
    g_bDeviceSleeping = false;
    const QColor accent = themeColor();
    m_batteryBar->setStyleSheet(QString("QProgressBar{background: white; border: none; border-radius: 2px;"
                                        " text-align: center; color: black; font-weight: bold; font-size: %1px;}"
                                        "QProgressBar::chunk{background: rgb(%2,%3,%4); border-radius: 2px;}")
                                    .arg(textPx).arg(accent.red()).arg(accent.green()).arg(accent.blue()));
    m_chargingIcon->setVisible(iCharge != 0);

    const int percent = batteryPercentFromRaw(iHiByte * 256 + iLowByte, m_iBatteryFull);
    if (percent != m_iBatteryPercent) {
        m_iBatteryPercent = percent;
        reportSaved(setBatteryPercent(percent));
    }
    m_batteryBar->setValue(collectionFound(4) ? 100 : percent);
}

// Mouse-side changes wait while a write runs (it reads the working record) or
// a dialog is open (its choice belongs to the slot it was opened for).
bool MousecfgWidget::holdStatus(const std::function<void()> &replay)
{
    if (!m_session->writing() && !QApplication::activeModalWidget())
        return false;
    m_heldStatus.append(replay);
    if (!m_heldStatusTimer) {
        m_heldStatusTimer = new QTimer(this);
        m_heldStatusTimer->setInterval(STATUS_HOLD_POLL_MS);
        connect(m_heldStatusTimer, &QTimer::timeout, this, [this] {
            if (m_session->writing() || QApplication::activeModalWidget())
                return;
            m_heldStatusTimer->stop();
            const QList<std::function<void()>> held = std::exchange(m_heldStatus, {});
            for (const auto &call : held)
                call();
        });
    }
    m_heldStatusTimer->start();
    return true;
}

void MousecfgWidget::slotRefreshWriteStatus(quint8 iStatus)
{
    if (holdStatus([=] { slotRefreshWriteStatus(iStatus); }))
        return;
    m_session->writeStatusReported(iStatus);
}

void MousecfgWidget::slotRefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode)
{
    if (holdStatus([=] { slotRefreshStatus(iProfile, iDPI, iRate, iMode); }))
        return;
    qDebug().noquote() << QString::asprintf("Test data:profile =%x, dpi= %x, iRate= %x, mode= %x", iProfile, iDPI, iRate, iMode);
    if (iProfile != m_working.profileId)
        slotRefreshProfile(iProfile);
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
    applyPointerSettings();
    showOsd(tr("Profile") + QString(" %1").arg(iProfile + 1));
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
    showOsd(tr("DPI") + QString("%1:%2").arg(iStage + 1).arg(dpi));
}

void MousecfgWidget::slotRefreshRate(quint8 iRate)
{
    m_performancePage->collect();
    m_working.profiles[activeSlot(m_working)].pollrate = iRate;
    m_performancePage->refresh();
    QString text;
    for (const RateText &rate : kRateTexts) {
        if (rate.rate == iRate)
            text = tr(rate.text);
    }
    showOsd(text);
}

void MousecfgWidget::slotRefreshLightMode(quint8 iMode)
{
    if (iMode >= LED_MODE_COUNT)
        return; // a garbled report must not select an effect that does not exist
    if (holdStatus([=] { slotRefreshLightMode(iMode); }))
        return;
    // The mouse runs this effect already: it is what both records hold now.
    m_session->mouseRunsEffect(iMode);
    refreshLightingPage();
}

void MousecfgWidget::showOsd(const QString &text)
{
    qDebug().noquote() << "OSD:" << text;
    emit osdText(text);
    // Failures stay in the debug log: a notice is not worth a message box.
    deliverOsdBlock(encodeOsdBlock(osdNotice(text, themeColor())), osdProgramPath());
}
