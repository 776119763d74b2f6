#include "tests/support/DeviceSession.h"
#include "device/DeviceTable.h"
#include "platform/Sleep.h"
#include "storage/AppPaths.h"
#include <algorithm>

PauseRecorder::PauseRecorder(std::function<void(int)> onPause) : m_onPause(std::move(onPause))
{
    setSleepHook([this](int ms) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_pauses.append(ms);
        }
        if (m_onPause)
            m_onPause(ms);
    });
}

PauseRecorder::~PauseRecorder()
{
    setSleepHook({});
}

QVector<int> PauseRecorder::pauses() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_pauses;
}

int PauseRecorder::count(int milliseconds) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return static_cast<int>(std::count(m_pauses.begin(), m_pauses.end(), milliseconds));
}

int PauseRecorder::total() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    int sum = 0;
    for (int ms : m_pauses)
        sum += ms;
    return sum;
}

void PauseRecorder::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pauses.clear();
}

ConnectedMouse::ConnectedMouse(Connection attached) : fixture(attached)
{
    closeDevice();
    loadDeviceTable();
    enumerateDevices();
    openDeviceByName(currentDeviceName());
}

ConnectedMouse::~ConnectedMouse()
{
    closeDevice();
}
