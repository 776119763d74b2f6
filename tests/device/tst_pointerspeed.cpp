// The host pointer speed: the profile whose speed is applied, the scale of the
// desktops' settings, which back end a session gets, GNOME's settings through
// GSettings' keyfile back end, KWin's input devices on a private D-Bus session
// bus, the kept value without a display, and the X server's core pointer
// acceleration on a private Xvfb.
#include "device/CommandProtocol.h"
#include "device/DeviceImage.h"
#include "device/PointerSettings.h"
#include "platform/PointerSpeed.h"
#include "storage/ConfigStorage.h"
#include "tests/support/DeviceSession.h"
#include <QDBusConnection>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>
#include <vector>
#include <QThread>
#include <QtTest>
#include <X11/Xlib.h> // last: its macros must not reach the headers above

namespace {

class FakePointer : public PointerSpeedBackend
{
public:
    int speed() override { return current; }
    int setSpeed(int s) override
    {
        applied.append(s);
        current = s;
        return error;
    }
    int current = 10;
    int error = 0;
    QVector<int> applied;
};

// Installs a backend for one test.
struct InstalledPointer {
    FakePointer fake;
    InstalledPointer() { setPointerSpeedBackend(&fake); }
    ~InstalledPointer() { setPointerSpeedBackend(nullptr); }
};

// Sets or clears DISPLAY for one test.
struct DisplayVariable {
    QByteArray previous = qgetenv("DISPLAY");
    bool had = qEnvironmentVariableIsSet("DISPLAY");
    explicit DisplayVariable(const QByteArray &value)
    {
        if (value.isEmpty())
            qunsetenv("DISPLAY");
        else
            qputenv("DISPLAY", value);
    }
    ~DisplayVariable()
    {
        if (had)
            qputenv("DISPLAY", previous);
        else
            qunsetenv("DISPLAY");
    }
};

// KWin's input devices as its D-Bus interface shows them.
class FakeKWinDevice : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.KWin.InputDevice")
    Q_PROPERTY(bool pointer MEMBER pointer)
    Q_PROPERTY(uint vendor MEMBER vendor)
    Q_PROPERTY(double pointerAcceleration MEMBER pointerAcceleration)
public:
    bool pointer = true;
    uint vendor = 0;
    double pointerAcceleration = 0.0;
};

class FakeKWinManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.KWin.InputDeviceManager")
    Q_PROPERTY(QStringList devicesSysNames MEMBER devicesSysNames)
public:
    QStringList devicesSysNames;
};

} // namespace

class TestPointerSpeed : public QObject
{
    Q_OBJECT
private slots:
    void appliesActiveProfileOfDeviceImage();
    void speedOfLastDownloadWins();
    void errorCodeIsLogged();
    void readsFromBackend();
    void valuesAreClamped_data();
    void valuesAreClamped();
    void keptWithoutDisplay();
    void xServerAcceleration();
    void desktopScale_data();
    void desktopScale();
    void backendChoice_data();
    void backendChoice();
    void gnomeSettings();
    void kwinInputDevices_data();
    void kwinInputDevices();
};

void TestPointerSpeed::appliesActiveProfileOfDeviceImage()
{
    InstalledPointer pointer;
    deviceImage() = MouseSettings();
    deviceImage().profileId = 2;
    deviceImage().profiles[0].mouseSpeed = 4;
    deviceImage().profiles[2].mouseSpeed = 15;
    QTest::ignoreMessage(QtDebugMsg, "Error in SystemParametersInfo :0");
    applyPointerSettings();
    QCOMPARE(pointer.fake.applied, QVector<int>{15});
    QCOMPARE(readPointerSpeed(), 15);
}

void TestPointerSpeed::speedOfLastDownloadWins()
{
    InstalledPointer pointer;
    ConnectedMouse m;
    MouseSettings working;
    loadSettings(working);
    working.profileId = 1;
    working.profiles[1].mouseSpeed = 7;
    QCOMPARE(applyAllSettings(working, ChangeBasic), 0);
    // Another profile chosen since, without a download.
    working.profileId = 3;
    working.profiles[3].mouseSpeed = 18;
    applyPointerSettings();
    QCOMPARE(pointer.fake.applied, QVector<int>{7});
}

void TestPointerSpeed::errorCodeIsLogged()
{
    InstalledPointer pointer;
    pointer.fake.error = 1400;
    deviceImage() = MouseSettings();
    deviceImage().profiles[0].mouseSpeed = 10;
    QTest::ignoreMessage(QtDebugMsg, "Error in SystemParametersInfo :1400");
    applyPointerSettings();
    QCOMPARE(pointer.fake.applied, QVector<int>{10});
}

void TestPointerSpeed::readsFromBackend()
{
    InstalledPointer pointer;
    pointer.fake.current = 7;
    QCOMPARE(readPointerSpeed(), 7);
}

void TestPointerSpeed::valuesAreClamped_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QVector<int>>("applied");
    QTest::newRow("zero: nothing downloaded, the desktop keeps its own") << 0 << QVector<int>{};
    QTest::newRow("one") << 1 << QVector<int>{1};
    QTest::newRow("twenty") << 20 << QVector<int>{20};
    QTest::newRow("beyond") << 200 << QVector<int>{20};
}

void TestPointerSpeed::valuesAreClamped()
{
    QFETCH(int, stored);
    QFETCH(QVector<int>, applied);
    InstalledPointer pointer;
    deviceImage() = MouseSettings();
    deviceImage().profiles[0].mouseSpeed = uint8_t(stored);
    applyPointerSettings();
    QCOMPARE(pointer.fake.applied, applied);
}

void TestPointerSpeed::keptWithoutDisplay()
{
    DisplayVariable noDisplay(QByteArray{});
    PointerSpeedBackend &kept = defaultPointerSpeedBackend();
    QCOMPARE(kept.setSpeed(13), 0);
    QCOMPARE(readPointerSpeed(), 13);
    QCOMPARE(setPointerSpeed(4), 0);
    QCOMPARE(readPointerSpeed(), 4);
    QCOMPARE(setPointerSpeed(10), 0);
}

void TestPointerSpeed::xServerAcceleration()
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty())
        QSKIP("Xvfb is not installed");
    QProcess server;
    // The server picks a free display and writes its number to standard output.
    // -noreset: a server whose last client leaves resets and refuses connections meanwhile.
    server.start(xvfb, {QStringLiteral("-noreset"), QStringLiteral("-displayfd"), QStringLiteral("1"),
                        QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!server.waitForStarted(5000))
        QSKIP("Xvfb did not start");
    QByteArray number;
    while (!number.contains('\n') && server.waitForReadyRead(10000))
        number += server.readAllStandardOutput();
    if (number.trimmed().isEmpty()) {
        server.kill();
        server.waitForFinished();
        QSKIP("Xvfb named no display");
    }
    const QString display = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
    DisplayVariable onXvfb(display.toLatin1());
    Display *x = nullptr;
    for (int i = 0; i < 100 && !x; ++i) {
        x = XOpenDisplay(nullptr);
        if (!x)
            QTest::qWait(50);
    }
    if (!x) {
        server.kill();
        server.waitForFinished();
        QSKIP("Xvfb did not accept clients");
    }
    // The server's own default, 2/1, reads as the neutral 10.
    QCOMPARE(readPointerSpeed(), 10);
    QCOMPARE(QString(pointerSpeedBackendName()), QString("X core pointer"));
    // speed / 5 in lowest terms; reading maps back.
    const struct {
        int speed, numerator, denominator;
    } cases[] = {{1, 1, 5}, {7, 7, 5}, {10, 2, 1}, {15, 3, 1}, {20, 4, 1}};
    for (const auto &c : cases) {
        QCOMPARE(setPointerSpeed(c.speed), 0);
        int numerator = 0, denominator = 0, threshold = 0;
        XGetPointerControl(x, &numerator, &denominator, &threshold);
        QCOMPARE(numerator, c.numerator);
        QCOMPARE(denominator, c.denominator);
        QCOMPARE(readPointerSpeed(), c.speed);
    }
    // A value set by another program reads on the same scale.
    XChangePointerControl(x, True, False, 6, 5, 0);
    XSync(x, False);
    QCOMPARE(readPointerSpeed(), 6);
    XCloseDisplay(x);
    QCOMPARE(setPointerSpeed(10), 0);
    server.terminate();
    server.waitForFinished(5000);
}

void TestPointerSpeed::desktopScale_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<double>("acceleration");
    QTest::newRow("1") << 1 << -0.9;
    QTest::newRow("5") << 5 << -0.5;
    QTest::newRow("10 is neutral") << 10 << 0.0;
    QTest::newRow("17") << 17 << 0.7;
    QTest::newRow("20") << 20 << 1.0;
}

void TestPointerSpeed::desktopScale()
{
    QFETCH(int, speed);
    QFETCH(double, acceleration);
    QCOMPARE(speedToAcceleration(speed), acceleration);
    QCOMPARE(accelerationToSpeed(acceleration), speed);
    // Values set elsewhere round to the nearest speed; the ends hold.
    QCOMPARE(accelerationToSpeed(acceleration + 0.04), speed);
    QCOMPARE(accelerationToSpeed(-1.0), 1);
    QCOMPARE(accelerationToSpeed(1.0), 20);
}

void TestPointerSpeed::backendChoice_data()
{
    QTest::addColumn<QString>("desktop");
    QTest::addColumn<bool>("wayland");
    QTest::addColumn<bool>("gnomeSchema");
    QTest::addColumn<bool>("xDisplay");
    QTest::addColumn<bool>("libinput");
    QTest::addColumn<int>("kind");
    const int gnome = int(PointerSpeedKind::Gnome), kwin = int(PointerSpeedKind::KWin),
              libinput = int(PointerSpeedKind::Libinput), core = int(PointerSpeedKind::CorePointer),
              kept = int(PointerSpeedKind::Kept);
    QTest::newRow("GNOME on Wayland") << "ubuntu:GNOME" << true << true << false << false << gnome;
    QTest::newRow("GNOME on X11") << "GNOME" << false << true << true << true << gnome;
    QTest::newRow("GNOME without its schema") << "GNOME" << false << false << true << true << libinput;
    QTest::newRow("Plasma on Wayland") << "KDE" << true << false << true << false << kwin;
    QTest::newRow("Plasma on X11") << "KDE" << false << false << true << true << libinput;
    QTest::newRow("Xorg with libinput") << "XFCE" << false << false << true << true << libinput;
    QTest::newRow("Xorg without libinput") << "" << false << false << true << false << core;
    QTest::newRow("no display") << "" << false << false << false << false << kept;
}

void TestPointerSpeed::backendChoice()
{
    QFETCH(QString, desktop);
    QFETCH(bool, wayland);
    QFETCH(bool, gnomeSchema);
    QFETCH(bool, xDisplay);
    QFETCH(bool, libinput);
    QFETCH(int, kind);
    const QByteArray name = desktop.toLatin1();
    DesktopSession session;
    session.currentDesktop = name.constData();
    session.wayland = wayland;
    session.gnomeSchema = gnomeSchema;
    session.xDisplay = xDisplay;
    session.libinputPointers = libinput;
    QCOMPARE(int(choosePointerSpeedKind(session)), kind);
}

void TestPointerSpeed::gnomeSettings()
{
    // GSettings' keyfile back end in a private folder stands for the desktop's settings.
    QTemporaryDir home;
    qputenv("GSETTINGS_BACKEND", "keyfile");
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qputenv("XDG_CURRENT_DESKTOP", "GNOME");
    DisplayVariable noDisplay(QByteArray{});
    if (QString(pointerSpeedBackendName()) != QLatin1String("GNOME"))
        QSKIP("GNOME's mouse settings schema is not installed");
    QCOMPARE(setPointerSpeed(15), 0);
    QCOMPARE(readPointerSpeed(), 15);
    QFile keyfile(home.filePath("glib-2.0/settings/keyfile"));
    QVERIFY(keyfile.open(QIODevice::ReadOnly));
    const QByteArray stored = keyfile.readAll();
    QVERIFY2(stored.contains("[org/gnome/desktop/peripherals/mouse]") && stored.contains("speed=0.5"),
             stored.constData());
    QCOMPARE(setPointerSpeed(0), 0); // never applied
    QCOMPARE(readPointerSpeed(), 15);
    qunsetenv("XDG_CURRENT_DESKTOP");
}

void TestPointerSpeed::kwinInputDevices_data()
{
    // The mouse's own pointers change; without any, every pointer does.
    QTest::addColumn<QVector<uint>>("vendors");
    QTest::addColumn<QVector<double>>("after");
    QTest::newRow("the mouse among others") << QVector<uint>{0x046D, 0x248A, 0x248A} << QVector<double>{0.0, 0.7, 0.7};
    QTest::newRow("another mouse only") << QVector<uint>{0x046D} << QVector<double>{0.7};
}

void TestPointerSpeed::kwinInputDevices()
{
    QFETCH(QVector<uint>, vendors);
    QFETCH(QVector<double>, after);
    if (!QDBusConnection::sessionBus().isConnected())
        QSKIP("no D-Bus session bus (the test runs under dbus-run-session)");
    // The fake KWin answers from a thread of its own, on a connection of its own.
    QThread serviceThread;
    serviceThread.start();
    QDBusConnection kwin = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake-kwin"));
    FakeKWinManager manager;
    std::vector<std::unique_ptr<FakeKWinDevice>> devices;
    for (int i = 0; i < vendors.size(); ++i) {
        devices.push_back(std::make_unique<FakeKWinDevice>());
        devices.back()->vendor = vendors[i];
        devices.back()->moveToThread(&serviceThread);
        manager.devicesSysNames << QStringLiteral("event%1").arg(i);
        QVERIFY(kwin.registerObject(QStringLiteral("/org/kde/KWin/InputDevice/event%1").arg(i), devices.back().get(),
                                    QDBusConnection::ExportAllProperties));
    }
    auto keyboard = std::make_unique<FakeKWinDevice>();
    keyboard->pointer = false;
    keyboard->vendor = 0x248A;
    keyboard->moveToThread(&serviceThread);
    manager.devicesSysNames << QStringLiteral("event9");
    QVERIFY(kwin.registerObject(QStringLiteral("/org/kde/KWin/InputDevice/event9"), keyboard.get(),
                                QDBusConnection::ExportAllProperties));
    manager.moveToThread(&serviceThread);
    QVERIFY(kwin.registerObject(QStringLiteral("/org/kde/KWin/InputDevice"), &manager,
                                QDBusConnection::ExportAllProperties));
    QVERIFY(kwin.registerService(QStringLiteral("org.kde.KWin")));

    qputenv("XDG_CURRENT_DESKTOP", "KDE");
    qputenv("XDG_SESSION_TYPE", "wayland");
    QCOMPARE(QString(pointerSpeedBackendName()), QString("KWin"));
    QCOMPARE(setPointerSpeed(17), 0);
    for (size_t i = 0; i < devices.size(); ++i)
        QCOMPARE(devices[i]->pointerAcceleration, after[int(i)]);
    QCOMPARE(keyboard->pointerAcceleration, 0.0);
    QCOMPARE(readPointerSpeed(), 17);
    qunsetenv("XDG_CURRENT_DESKTOP");
    qunsetenv("XDG_SESSION_TYPE");

    kwin.unregisterService(QStringLiteral("org.kde.KWin"));
    QDBusConnection::disconnectFromBus(QStringLiteral("fake-kwin"));
    serviceThread.quit();
    serviceThread.wait();
}

QTEST_GUILESS_MAIN(TestPointerSpeed)
#undef Bool // Xlib's, which the generated property table would meet
#include "tst_pointerspeed.moc"
