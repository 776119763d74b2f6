#pragma once
// Test helpers for the device layer: a temporary copy of the demo installation,
// recorded protocol pauses, and a virtual mouse found and opened the way the
// window does it.
#include "tests/support/AppDirFixture.h"
#include "tests/support/VirtualMouseFixture.h"
#include <QString>
#include <QTemporaryDir>
#include <QVector>
#include <functional>
#include <mutex>

// The demo installation in a fresh application folder.
class DemoInstallation : public AppDirFixture
{
public:
    DemoInstallation() : AppDirFixture(DemoData) {}
};

// Records every protocol pause instead of waiting for it. An optional
// callback sees each pause as it happens (on the pausing thread).
class PauseRecorder
{
public:
    explicit PauseRecorder(std::function<void(int)> onPause = {});
    ~PauseRecorder();
    PauseRecorder(const PauseRecorder &) = delete;
    PauseRecorder &operator=(const PauseRecorder &) = delete;

    QVector<int> pauses() const;
    int count(int milliseconds) const;
    int total() const;
    void clear();

private:
    mutable std::mutex m_mutex;
    QVector<int> m_pauses;
    std::function<void(int)> m_onPause;
};

// Demo installation, a virtual mouse attached as given, and the device table
// loaded, enumerated and opened by the configured device name. Pauses are
// recorded, not waited for. Closes the device at the end.
class ConnectedMouse
{
public:
    explicit ConnectedMouse(Connection attached = Connection::Receiver);
    ~ConnectedMouse();

    VirtualMouse &mouse() const { return fixture.mouse(); }

    DemoInstallation installation;
    VirtualMouseFixture fixture;
    PauseRecorder pauses;
};
