// The firmware button on the virtual mouse: the cable test on press and on
// click, the hand-over to the updater, and the installed updater stand-in.
#include "device/DeviceTable.h"
#include "storage/ConfigStorage.h"
#include "tests/support/AppDirFixture.h"
#include "tests/support/MessageWatcher.h"
#include "tests/support/VirtualMouseFixture.h"
#include "ui/kit/KestPushButton.h"
#include "ui/main/HelperPrograms.h"
#include "ui/main/MousecfgWidget.h"
#include <QProcess>
#include <QtTest>
#include <memory>

namespace {
const QString kCableText = "To update the firmware, please connect to the computer with a cable.";
const QString kConfirmText = "Do you want to upgrade the firmware?";

struct HandOver {
    QList<QPair<QString, QStringList>> started;
    QList<int> exits;
    bool startWorks = true;
    HandOver()
    {
        setHelperProgramHooks(
            [this](const QString &program, const QStringList &arguments) {
                started << qMakePair(program, arguments);
                return startWorks;
            },
            [this](int code) { exits << code; });
    }
    ~HandOver() { setHelperProgramHooks({}, {}); }
};

struct FirmwareWindow {
    AppDirFixture app{AppDirFixture::DemoData};
    std::unique_ptr<VirtualMouseFixture> mouse;
    std::unique_ptr<MessageWatcher> messages;
    std::unique_ptr<MousecfgWidget> window;
    HandOver handOver;

    FirmwareWindow(Connection attached, bool confirm, int language = 0)
    {
        if (language != 0)
            setLangId(language);
        mouse = std::make_unique<VirtualMouseFixture>(attached);
        messages = std::make_unique<MessageWatcher>(confirm);
        window = std::make_unique<MousecfgWidget>();
        window->show();
    }
    ~FirmwareWindow() { window.reset(); }
    KestPushButton *button() const { return window->button("firmwareButton"); }
    void press() { QTest::mousePress(button(), Qt::LeftButton); }
    void release() { QTest::mouseRelease(button(), Qt::LeftButton); }
};
} // namespace

class TestFirmwareUpdate : public QObject
{
    Q_OBJECT

private slots:
    // First: the cable's release number, once recorded, stays for the process.
    void clickWithoutCableAsksForIt()
    {
        FirmwareWindow f(Connection::Receiver, true);
        QCOMPARE(int(lastReleaseNumber()), 0);
        f.button()->click();
        QCOMPARE(f.messages->texts(), QStringList{kCableText});
        QVERIFY(f.handOver.started.isEmpty());
        QVERIFY(f.handOver.exits.isEmpty());
        QVERIFY(!f.button()->isChecked());
    }

    void pressWithoutCableAsksForIt()
    {
        FirmwareWindow f(Connection::Receiver, true);
        f.press();
        f.release();
        // The click that ends the press does not ask a second time.
        QCOMPARE(f.messages->texts(), QStringList{kCableText});
        QVERIFY(f.handOver.started.isEmpty());
        QVERIFY(f.handOver.exits.isEmpty());
        QTRY_VERIFY(f.window->statusThreadRunning());
    }

    void pressWithCableHandsOver_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("program");
        QTest::newRow("English") << 0 << "K550-6118-20230727-en";
        QTest::newRow("other language") << 1 << "K550-6118-20230727";
    }

    void pressWithCableHandsOver()
    {
        QFETCH(int, language);
        QFETCH(QString, program);
        FirmwareWindow f(Connection::Cable, true, language);
        f.press();
        const QString updater = f.app.path() + "/skin/mouse/bin/" + program;
        QCOMPARE(firmwareUpdaterPath(language), updater);
        QCOMPARE(f.messages->texts().size(), 1);
        QCOMPARE(f.handOver.started.size(), 1);
        QCOMPARE(f.handOver.started.first().first, updater);
        QCOMPARE(f.handOver.started.first().second, QStringList{updater});
        QCOMPARE(f.handOver.exits, QList<int>{0});
        QVERIFY(!f.window->statusThreadRunning());
    }

    void clickWithCableHandsOver()
    {
        FirmwareWindow f(Connection::Cable, true);
        QVERIFY(lastReleaseNumber() != 0);
        f.button()->click();
        QCOMPARE(f.messages->texts(), QStringList{kConfirmText});
        QCOMPARE(f.handOver.started.size(), 1);
        QCOMPARE(f.handOver.exits, QList<int>{0});
    }

    void declinedUpdateChangesNothing()
    {
        FirmwareWindow f(Connection::Cable, false);
        f.press();
        f.release();
        QCOMPARE(f.messages->texts(), QStringList{kConfirmText});
        QVERIFY(f.handOver.started.isEmpty());
        QVERIFY(f.handOver.exits.isEmpty());
        QTRY_VERIFY(f.window->statusThreadRunning());
    }

    void updaterThatCannotStartKeepsTheUtility()
    {
        FirmwareWindow f(Connection::Cable, true);
        f.handOver.startWorks = false;
        f.button()->click();
        const QString updater = firmwareUpdaterPath(0);
        QCOMPARE(f.messages->texts(), QStringList({kConfirmText, "The firmware updater could not be started: " + updater}));
        QVERIFY(f.handOver.exits.isEmpty());
        QTRY_VERIFY(f.window->statusThreadRunning());
    }

    void installedStandInSaysNoUpdaterIsInstalled_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("English") << "K550-6118-20230727-en";
        QTest::newRow("other language") << "K550-6118-20230727";
    }

    void installedStandInSaysNoUpdaterIsInstalled()
    {
        QFETCH(QString, program);
        const QString path = qEnvironmentVariable("MOUSECFG_APPDIR") + "/skin/mouse/bin/" + program;
        QProcess updater;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen"); // no window to click away: the text goes to stderr
        env.insert("ASAN_OPTIONS", "detect_leaks=0");
        updater.setProcessEnvironment(env);
        updater.start(path, {path});
        QVERIFY2(updater.waitForFinished(30000), qPrintable(path));
        QCOMPARE(updater.exitStatus(), QProcess::NormalExit);
        QCOMPARE(updater.exitCode(), 1);
        QVERIFY(QString::fromUtf8(updater.readAllStandardError())
                    .contains("No firmware updater for this mouse model is installed on this system."));
    }
};

QTEST_MAIN(TestFirmwareUpdate)
#include "tst_firmwareupdate.moc"
