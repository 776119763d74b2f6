// One running copy per product and user.
#include "platform/SingleInstance.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QUuid>
#include <QtTest>

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
        QProcess first;
        first.setProcessEnvironment(env);
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
