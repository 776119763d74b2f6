#include "tests/support/DeviceSession.h"
#include "device/DeviceTable.h"
#include "platform/Sleep.h"
#include "storage/AppPaths.h"
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

QString demoDataDir()
{
    const QByteArray source = qgetenv("MOUSECFG_SOURCE_DIR");
    if (!source.isEmpty())
        return QString::fromLocal8Bit(source) + "/data";
    // Run outside CTest: this file lives in <source>/tests/support.
    return QFileInfo(QStringLiteral(__FILE__)).absoluteDir().absoluteFilePath(QStringLiteral("../../data"));
}

namespace {
bool copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    bool ok = true;
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = QDir(from).relativeFilePath(file);
        if (relative.endsWith(QLatin1String("CMakeLists.txt")))
            continue;
        const QString target = to + '/' + relative;
        ok = QDir().mkpath(QFileInfo(target).absolutePath()) && ok;
        ok = QFile::copy(file, target) && ok;
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    return ok;
}
} // namespace

DemoInstallation::DemoInstallation() : m_previous(appDir())
{
    m_valid = m_dir.isValid() && QFileInfo::exists(demoDataDir() + "/DefaultProfile.bin")
              && copyTree(demoDataDir(), m_dir.path());
    setAppDir(m_dir.path());
}

DemoInstallation::~DemoInstallation()
{
    setAppDir(m_previous);
}

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
