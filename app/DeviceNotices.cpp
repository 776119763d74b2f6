#include "app/DeviceNotices.h"
#include "ui/main/MousecfgWidget.h"
#include <QTimer>

void DeviceNotices::deliverTo(MousecfgWidget *window)
{
    m_window = window;
    // Not from inside start-up: the window takes them from its event loop.
    QTimer::singleShot(0, this, &DeviceNotices::flush);
}

void DeviceNotices::notice(const QString &interfaceName, bool arrival)
{
    // Nothing overtakes what waits.
    if (!m_window || !m_waiting.isEmpty()) {
        m_waiting.append({interfaceName, arrival});
        return;
    }
    m_window->handleDeviceChange(interfaceName, arrival);
}

void DeviceNotices::flush()
{
    while (m_window && !m_waiting.isEmpty()) {
        const QPair<QString, bool> next = m_waiting.takeFirst();
        m_window->handleDeviceChange(next.first, next.second);
    }
}
