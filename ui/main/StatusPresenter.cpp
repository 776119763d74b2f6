#include "ui/main/StatusPresenter.h"
#include "device/BatteryLevel.h"
#include "device/DeviceTable.h"
#include "model/RateTable.h"
#include "platform/OsdChannel.h"
#include "storage/ConfigStorage.h"
#include "ui/main/HelperPrograms.h"
#include "ui/main/MousecfgWidget.h"
#include <QCoreApplication>
#include <QDebug>
#include <QTimer>
#include <algorithm>
#include <utility>

StatusPresenter::StatusPresenter(std::function<bool()> busy, QObject *parent)
    : QObject(parent), m_busy(std::move(busy)), m_iBatteryFull(batteryFull())
{
}

StatusPresenter::Battery StatusPresenter::batteryReport(quint8 charge, quint8 lowByte, quint8 highByte)
{
    Battery battery;
    battery.off = charge == 0 && lowByte == 0 && highByte == 0;
    g_bDeviceSleeping = battery.off;
    if (battery.off)
        return battery;
    battery.charging = charge != 0;
    battery.cable = collectionFound(4);
    const int percent = batteryPercentFromRaw(highByte * 256 + lowByte, m_iBatteryFull);
    if (percent != m_iBatteryPercent) {
        m_iBatteryPercent = percent;
        if (::batteryPercent() != percent && !setBatteryPercent(percent))
            emit notSaved();
    }
    battery.percent = percent;
    return battery;
}

bool StatusPresenter::hold(const std::function<void()> &replay)
{
    return holdAs(-1, replay);
}

bool StatusPresenter::hold(HeldReport kind, const std::function<void()> &replay)
{
    return holdAs(int(kind), replay);
}

bool StatusPresenter::holdAs(int kind, const std::function<void()> &replay)
{
    if (!m_busy())
        return false;
    if (kind >= 0)
        m_held.erase(std::remove_if(m_held.begin(), m_held.end(), [kind](const Held &h) { return h.kind == kind; }),
                     m_held.end());
    m_held.append({kind, replay});
    if (!m_holdTimer) {
        m_holdTimer = new QTimer(this);
        m_holdTimer->setInterval(HOLD_POLL_MS);
        connect(m_holdTimer, &QTimer::timeout, this, [this] {
            if (m_busy())
                return;
            m_holdTimer->stop();
            const QList<Held> held = std::exchange(m_held, {});
            for (const Held &h : held)
                h.replay();
        });
    }
    m_holdTimer->start();
    return true;
}

QString StatusPresenter::profileNotice(int slot)
{
    return QCoreApplication::translate("MousecfgWidget", "Profile") + QString(" %1").arg(slot + 1);
}

QString StatusPresenter::dpiNotice(int stage, int dpi)
{
    return QCoreApplication::translate("MousecfgWidget", "DPI") + QString("%1:%2").arg(stage + 1).arg(dpi);
}

QString StatusPresenter::rateNotice(int pollrate)
{
    const int index = rateIndex(pollrate);
    return index < 0 ? QString() : QCoreApplication::translate("KestReportRate", rateEntries()[index].text);
}

void StatusPresenter::showOsd(const QString &text)
{
    qDebug().noquote() << "OSD:" << text;
    emit osdText(text);
    // Failures stay in the debug log: a notice is not worth a message box.
    deliverOsdBlock(encodeOsdBlock(osdNotice(text, themeColor())), osdProgramPath());
}
