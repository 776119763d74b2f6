// One running copy per product and user.
#include "platform/SingleInstance.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QUuid>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <thread>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void secondLockOfTheSameNameIsRefused()
    {
        const QString name = instanceMutexName("T-" + QUuid::createUuid().toString());
        SingleInstanceLock first(name);
        QVERIFY(first.tryAcquire());
        SingleInstanceLock second(name);
        QVERIFY(!second.tryAcquire());
        SingleInstanceLock otherProduct(instanceMutexName("O-" + QUuid::createUuid().toString()));
        QVERIFY(otherProduct.tryAcquire());
    }

    // A second start asks the holder to show; mousectl tells it to show new settings.
    void messagesReachTheHolder_data()
    {
        QTest::addColumn<bool>("reload");
        QTest::newRow("show") << false;
        QTest::newRow("settings changed") << true;
    }
    void messagesReachTheHolder()
    {
        QFETCH(bool, reload);
        const auto send = reload ? notifySettingsChanged : requestActivation;
        const QString name = instanceMutexName("A-" + QUuid::createUuid().toString());
        SingleInstanceLock holder(name);
        QVERIFY(holder.tryAcquire());
        QVERIFY(!send(holder.activationSocketPath())); // nobody listens yet
        ActivationListener listener;
        QSignalSpy shown(&listener, &ActivationListener::activationRequested);
        QSignalSpy changed(&listener, &ActivationListener::settingsChanged);
        QVERIFY(listener.listen(holder.activationSocketPath()));
        // The sender blocks while it knocks; the holder answers from its event loop.
        bool answered = false;
        std::thread second([&] { answered = send(SingleInstanceLock(name).activationSocketPath()); });
        QTRY_COMPARE((reload ? changed : shown).size(), 1);
        second.join();
        QVERIFY(answered);
        QCOMPARE((reload ? shown : changed).size(), 0);
    }

    void mutexNameKeepsTheLeadingSpace()
    {
        QCOMPARE(instanceMutexName("TREVIK"), QString("TREVIK Wireless Gaming Mouse Mutex1"));
        QCOMPARE(instanceMutexName(QString()), QString(" Wireless Gaming Mouse Mutex1"));
    }

    void lockOfACrashedRunDoesNotBlock()
    {
        const QString name = instanceMutexName("C-" + QUuid::createUuid().toString());
        SingleInstanceLock probe(name);
        // What a killed process leaves behind: a lock file naming a process that is gone.
        QProcess gone;
        gone.start("true");
        QVERIFY(gone.waitForFinished());
        QFile file(probe.lockFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::number(gone.processId() ? gone.processId() : 2147483) + "\nmousecfg\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        file.close();
        SingleInstanceLock next(name);
        QVERIFY(next.tryAcquire());
    }

    void secondProgramExitsWithCodeOne()
    {
        const QString program = qEnvironmentVariable("MOUSECFG_APPDIR") + "/mousecfg-sim";
        if (!QFile::exists(program))
            QSKIP("mousecfg-sim is not built");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("ASAN_OPTIONS", "detect_leaks=0");
        env.insert("QT_LOGGING_RULES", "default.debug=true");
        QProcess first;
        first.setProcessEnvironment(env);
        QTemporaryDir logs; // a file, not a pipe nobody reads: a full pipe would stall the copy
        first.setStandardErrorFile(logs.filePath("first.err"));
        first.start(program, QStringList());
        QVERIFY(first.waitForStarted());
        QTest::qWait(3000); // until it holds the lock
        QCOMPARE(first.state(), QProcess::Running);

        QProcess second;
        second.setProcessEnvironment(env);
        second.start(program, QStringList());
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 1);
        QCOMPARE(first.state(), QProcess::Running);
        // It asked the running copy to show its window first.
        const auto firstLog = [&] {
            QFile log(logs.filePath("first.err"));
            return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
        };
        QTRY_VERIFY_WITH_TIMEOUT(firstLog().contains("Shown for a second start"), 5000);

        // Killed without clean-up: the next start is not blocked.
        first.kill();
        QVERIFY(first.waitForFinished());
        QProcess third;
        third.setProcessEnvironment(env);
        third.start(program, QStringList());
        QVERIFY(third.waitForStarted());
        QVERIFY(!third.waitForFinished(3000));
        third.kill();
        third.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
