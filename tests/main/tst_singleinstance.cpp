// One running copy per product and user, and the private runtime folder its
// lock, its socket and the OSD helper's socket live in.
#include "platform/OsdChannel.h"
#include "platform/RuntimeFolder.h"
#include "platform/SingleInstance.h"
#include "storage/AppPaths.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QUuid>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <memory>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr uid_t kOtherUser = 65534; // nobody

// The temp folder the runtime folder falls back to, for one test: anyone may
// make folders in it, as in /tmp.
class FallbackBase
{
public:
    FallbackBase() : m_before(qgetenv("TMPDIR"))
    {
        ::chmod(QFile::encodeName(m_dir.path()).constData(), 01777);
        qputenv("TMPDIR", QFile::encodeName(m_dir.path()));
    }
    ~FallbackBase() { m_before.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", m_before); }
    QString path() const { return m_dir.path(); }
    QString runtimeFolder(uid_t uid = ::getuid()) const { return m_dir.path() + QStringLiteral("/mousecfg-%1").arg(uid); }

private:
    QTemporaryDir m_dir;
    QByteArray m_before;
};

// Type and permission bits without following a link; 0 when there is nothing.
mode_t modeOf(const QString &path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode : 0;
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FallbackBase> m_base;

private slots:
    void initTestCase()
    {
        // The fallback, in a temp folder of this test's own: what a session
        // without XDG_RUNTIME_DIR gets, and no other run shares it.
        qunsetenv("XDG_RUNTIME_DIR");
        m_base = std::make_unique<FallbackBase>();
    }

    // Whoever may write in the folder could take the lock, the activation
    // socket or the helper's socket first: it is used only when it is the user's alone.
    void runtimeFolderIsTheUsersAlone_data()
    {
        QTest::addColumn<QString>("kind"); // what is there before: none, folder, link or file
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("otherUsers");
        QTest::addColumn<QString>("refusal"); // empty: used, and made 0700
        QTest::newRow("none: made 0700") << "none" << 0 << false << QString();
        QTest::newRow("own, 0700") << "folder" << 0700 << false << QString();
        QTest::newRow("own, 0755 of an earlier version: made 0700") << "folder" << 0755 << false << QString();
        QTest::newRow("own, 0770") << "folder" << 0770 << false << "can be written by other users \\(mode 0770\\)";
        QTest::newRow("own, 0777") << "folder" << 0777 << false << "can be written by other users \\(mode 0777\\)";
        QTest::newRow("another user's, 0700") << "folder" << 0700 << true << "belongs to user 65534";
        QTest::newRow("another user's, 0755") << "folder" << 0755 << true << "belongs to user 65534";
        QTest::newRow("another user's, 0777") << "folder" << 0777 << true << "belongs to user 65534";
        QTest::newRow("link to an own private folder") << "link" << 0700 << false << "is a symbolic link";
        QTest::newRow("a file") << "file" << 0600 << false << "is not a folder";
    }
    void runtimeFolderIsTheUsersAlone()
    {
        QFETCH(QString, kind);
        QFETCH(int, mode);
        QFETCH(bool, otherUsers);
        QFETCH(QString, refusal);
        if (otherUsers && ::geteuid() != 0)
            QSKIP("making another user's folder needs root");
        FallbackBase base;
        const QString folder = base.runtimeFolder();
        const QByteArray native = QFile::encodeName(folder);
        const QString target = base.path() + "/elsewhere";
        if (kind == "folder") {
            QVERIFY(::mkdir(native.constData(), 0700) == 0 && ::chmod(native.constData(), mode_t(mode)) == 0);
            if (otherUsers)
                QVERIFY(::chown(native.constData(), kOtherUser, kOtherUser) == 0);
        } else if (kind == "link") {
            QVERIFY(::mkdir(QFile::encodeName(target).constData(), mode_t(mode)) == 0);
            QVERIFY(QFile::link(target, folder));
        } else if (kind == "file") {
            QVERIFY(QFile(folder).open(QIODevice::WriteOnly));
        }
        const mode_t before = modeOf(folder);
        if (!refusal.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Not using the runtime folder "
                                                                  + QRegularExpression::escape(folder) + ": it " + refusal));

        const QString name = instanceMutexName("F-" + QUuid::createUuid().toString());
        SingleInstanceLock first(name);
        SingleInstanceLock second(name);
        if (refusal.isEmpty()) {
            QCOMPARE(privateRuntimeFolder(), folder);
            QCOMPARE(modeOf(folder), mode_t(S_IFDIR | 0700));
            // The lock, its socket and the helper's socket all in the one checked folder.
            QCOMPARE(QFileInfo(first.lockFilePath()).path(), folder);
            QCOMPARE(QFileInfo(first.activationSocketPath()).path(), folder);
            QCOMPARE(QFileInfo(osdServerName()).path(), folder);
            QVERIFY(first.tryAcquire());
            QVERIFY(!second.tryAcquire());
            return;
        }
        QCOMPARE(privateRuntimeFolder(), QString());
        QCOMPARE(first.lockFilePath(), QString());
        QCOMPARE(first.activationSocketPath(), QString());
        QCOMPARE(osdServerName(), QString());
        // Every start runs, without single-instance, rather than none.
        QVERIFY(first.tryAcquire());
        QVERIFY(second.tryAcquire());
        ActivationListener listener;
        QVERIFY(!listener.listen(first.activationSocketPath()));
        QVERIFY(!notifySettingsChanged(second.activationSocketPath(), configDir()));
        // Nothing was put into it, and it was left as it was.
        QCOMPARE(modeOf(folder), before);
        QCOMPARE(QDir(kind == "link" ? target : folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System), QStringList());
    }

    // The review's case: another user's folder of the same name, at 0755, kept
    // the program from starting at all (exit code 1, as if a copy ran).
    void anotherUsersFolderDoesNotStopTheProgram()
    {
        const QString program = qEnvironmentVariable("MOUSECFG_APPDIR") + "/mousecfg-sim";
        if (!QFile::exists(program))
            QSKIP("mousecfg-sim is not built");
        if (::geteuid() != 0)
            QSKIP("running the program as another user needs root");
        const QString setpriv = QStandardPaths::findExecutable("setpriv");
        QVERIFY2(!setpriv.isEmpty(), "setpriv (util-linux) is needed");
        FallbackBase base;
        // Made by root, for nobody's program.
        const QString folder = base.runtimeFolder(kOtherUser);
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0755) == 0);
        const QString home = base.path() + "/home";
        QVERIFY(QDir().mkdir(home) && ::chown(QFile::encodeName(home).constData(), kOtherUser, kOtherUser) == 0);

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("XDG_RUNTIME_DIR");
        env.insert("TMPDIR", base.path());
        env.insert("HOME", home);
        env.insert("XDG_CONFIG_HOME", home);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("ASAN_OPTIONS", "detect_leaks=0");
        env.insert("QT_LOGGING_RULES", "default.debug=true");
        QProcess nobody;
        nobody.setProcessEnvironment(env);
        nobody.setStandardErrorFile(base.path() + "/nobody.err");
        nobody.start(setpriv, {"--reuid=65534", "--regid=65534", "--clear-groups", program});
        QVERIFY(nobody.waitForStarted());
        const auto log = [&] {
            QFile file(base.path() + "/nobody.err");
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        // It says why it runs without single-instance, and goes on to build its window.
        QTRY_VERIFY_WITH_TIMEOUT(log().contains("RefreshMouseList") || nobody.state() == QProcess::NotRunning, 20000);
        QVERIFY2(log().contains(("Not using the runtime folder " + folder + ": it belongs to user 0").toUtf8()), log().constData());
        QCOMPARE(nobody.state(), QProcess::Running);
        nobody.kill();
        nobody.waitForFinished();
    }

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

    // A second start asks the holder to show; mousectl tells it to show new
    // settings, but only a holder whose settings are in the folder it stored in.
    void messagesReachTheHolder_data()
    {
        QTest::addColumn<bool>("reload");
        QTest::addColumn<bool>("ownFolder");
        QTest::newRow("show") << false << true;
        QTest::newRow("settings changed") << true << true;
        QTest::newRow("settings changed in another folder") << true << false;
    }
    void messagesReachTheHolder()
    {
        QFETCH(bool, reload);
        QFETCH(bool, ownFolder);
        QTemporaryDir app, other;
        QVERIFY(QDir(app.path()).mkdir(QStringLiteral("Configs")) && QDir(other.path()).mkdir(QStringLiteral("Configs")));
        setAppDir(app.path());
        // Another spelling of the same folder is the same folder.
        const QString folder = (ownFolder ? app.path() + QStringLiteral("/Configs/../Configs") : other.path() + QStringLiteral("/Configs"));
        const auto send = [&](const QString &socket) { return reload ? notifySettingsChanged(socket, folder) : requestActivation(socket); };
        const QString name = instanceMutexName("A-" + QUuid::createUuid().toString());
        SingleInstanceLock holder(name);
        QVERIFY(holder.tryAcquire());
        QVERIFY(!send(holder.activationSocketPath())); // nobody listens yet
        ActivationListener listener;
        QSignalSpy shown(&listener, &ActivationListener::activationRequested);
        QSignalSpy changed(&listener, &ActivationListener::settingsChanged);
        QVERIFY(listener.listen(holder.activationSocketPath()));
        // The sender blocks while it knocks; the holder answers from its event loop.
        std::atomic<bool> done{false};
        bool answered = false;
        std::thread second([&] {
            answered = send(SingleInstanceLock(name).activationSocketPath());
            done = true;
        });
        QTRY_VERIFY(done);
        second.join();
        QVERIFY(answered);
        QCOMPARE(shown.size(), reload ? 0 : 1);
        QCOMPARE(changed.size(), reload && ownFolder ? 1 : 0);
    }

    void mutexNameKeepsTheLeadingSpace()
    {
        QCOMPARE(instanceMutexName("TREVIK"), QString("TREVIK Wireless Gaming Mouse Mutex1"));
        QCOMPARE(instanceMutexName(QString()), QString(" Wireless Gaming Mouse Mutex1"));
    }

    // What a killed process leaves behind.
    void lockOfACrashedRunDoesNotBlock_data()
    {
        QTest::addColumn<bool>("empty");
        QTest::newRow("names a process that is gone") << false;
        QTest::newRow("empty: killed while making it") << true;
    }
    void lockOfACrashedRunDoesNotBlock()
    {
        QFETCH(bool, empty);
        const QString name = instanceMutexName("C-" + QUuid::createUuid().toString());
        SingleInstanceLock probe(name);
        QProcess gone;
        gone.start("true", QStringList());
        QVERIFY(gone.waitForFinished());
        QFile file(probe.lockFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (!empty)
            file.write(QByteArray::number(gone.processId() ? gone.processId() : 2147483) + "\nmousecfg\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        file.close();
        if (empty)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Taking over a lock file that names no process"));
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
