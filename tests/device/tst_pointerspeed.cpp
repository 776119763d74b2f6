// The host pointer speed: the profile whose speed is applied, the kept value
// without a display, and the X server's acceleration on a private Xvfb.
#include "device/CommandProtocol.h"
#include "device/DeviceImage.h"
#include "device/PointerSettings.h"
#include "platform/PointerSpeed.h"
#include "storage/ConfigStorage.h"
#include "tests/support/DeviceSession.h"
#include <QProcess>
#include <QStandardPaths>
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
    QTest::addColumn<int>("applied");
    QTest::newRow("zero") << 0 << 1;
    QTest::newRow("one") << 1 << 1;
    QTest::newRow("twenty") << 20 << 20;
    QTest::newRow("beyond") << 200 << 20;
}

void TestPointerSpeed::valuesAreClamped()
{
    QFETCH(int, stored);
    QFETCH(int, applied);
    InstalledPointer pointer;
    deviceImage() = MouseSettings();
    deviceImage().profiles[0].mouseSpeed = uint8_t(stored);
    applyPointerSettings();
    QCOMPARE(pointer.fake.applied, QVector<int>{applied});
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
    server.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp")});
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
    // speed / 10 in lowest terms; reading maps back.
    const struct {
        int speed, numerator, denominator;
    } cases[] = {{1, 1, 10}, {7, 7, 10}, {10, 1, 1}, {15, 3, 2}, {20, 2, 1}};
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
    QCOMPARE(readPointerSpeed(), 12);
    XCloseDisplay(x);
    QCOMPARE(setPointerSpeed(10), 0);
    server.terminate();
    server.waitForFinished(5000);
}

QTEST_GUILESS_MAIN(TestPointerSpeed)
#include "tst_pointerspeed.moc"
