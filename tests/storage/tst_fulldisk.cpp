// Saves onto a file system with no space left: each reports the failure and
// leaves the previous files as they were. The test mounts a small tmpfs over
// the Configs folder where it may (root, a machine that allows mounts);
// elsewhere a file-size limit makes the writes fail at the file layer. Either
// way there is room for the writer's lock file and none for its data, so the
// failure is the copy's or the sync's, not the lock's.
#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include "storage/MacroFiles.h"
#include "tests/support/AppDirFixture.h"
#include "tests/support/SettingsSamples.h"
#include "tests/support/TreeSnapshot.h"
#include <QtTest>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// More than a lock file holds (process id, program and host name), less
// than any of the files saved here.
constexpr rlim_t kLockRoom = 512;

// The Configs folder on a 2 MiB tmpfs, or writes limited to kLockRoom bytes.
class FullDisk
{
public:
    explicit FullDisk(const QString &configs) : m_configs(configs)
    {
        const QByteArray installed = readFileBytes(configs + QStringLiteral("/Config.ini"));
        if (geteuid() != 0)
            m_why = QStringLiteral("not root");
        else if (!qEnvironmentVariableIsEmpty("MOUSECFG_NO_MOUNT"))
            m_why = QStringLiteral("MOUSECFG_NO_MOUNT is set");
        else if (::mount("tmpfs", QFile::encodeName(configs).constData(), "tmpfs", 0, "size=2m") == 0)
            m_mounted = true;
        else
            m_why = QStringLiteral("mount failed: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        if (m_mounted)
            writeFileBytes(configs + QStringLiteral("/Config.ini"), installed);
    }
    ~FullDisk()
    {
        if (m_mounted)
            ::umount(QFile::encodeName(m_configs).constData());
        setrlimit(RLIMIT_FSIZE, &m_unlimited);
    }
    QString mode() const
    {
        return m_mounted ? QStringLiteral("a full 2 MiB tmpfs with one page left for the lock file")
                         : QStringLiteral("files limited to %1 bytes (no tmpfs: %2)").arg(kLockRoom).arg(m_why);
    }

    // Takes what space is left but the room of a lock file.
    bool fill()
    {
        if (!m_mounted) {
            std::signal(SIGXFSZ, SIG_IGN);
            getrlimit(RLIMIT_FSIZE, &m_unlimited);
            const rlimit room{kLockRoom, m_unlimited.rlim_max};
            return setrlimit(RLIMIT_FSIZE, &room) == 0;
        }
        QFile filler(m_configs + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly))
            return false;
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        // Small files still fit in a block of their own until these go too.
        for (int i = 0; i < 4096; ++i) {
            QFile small(m_configs + QStringLiteral("/filler-%1").arg(i));
            if (!small.open(QIODevice::WriteOnly) || small.write("x") != 1 || !small.flush()) {
                small.remove();
                break;
            }
        }
        // Gives back one block: the lock file's.
        filler.close();
        const qint64 blocks = QFileInfo(filler.fileName()).size() / block.size();
        return blocks > 0 && QFile::resize(filler.fileName(), (blocks - 1) * block.size());
    }

private:
    QString m_configs;
    QString m_why;
    bool m_mounted = false;
    rlimit m_unlimited{RLIM_INFINITY, RLIM_INFINITY};
};

// The warnings logged while it lives.
class WarningLog
{
public:
    WarningLog() { s_lines.clear(), m_previous = qInstallMessageHandler(&WarningLog::keep); }
    ~WarningLog() { qInstallMessageHandler(m_previous); }
    QStringList lines() const { return s_lines; }

private:
    static void keep(QtMsgType type, const QMessageLogContext &, const QString &text)
    {
        if (type == QtWarningMsg)
            s_lines << text;
    }
    static QStringList s_lines;
    QtMessageHandler m_previous = nullptr;
};
QStringList WarningLog::s_lines;

using Save = std::function<bool()>;

} // namespace

Q_DECLARE_METATYPE(Save)

class TestFullDisk : public QObject
{
    Q_OBJECT
private slots:
    void saveFailsAndKeepsTheOldFiles_data();
    void saveFailsAndKeepsTheOldFiles();
};

void TestFullDisk::saveFailsAndKeepsTheOldFiles_data()
{
    QTest::addColumn<Save>("save");
    QTest::newRow("saveSettings") << Save([] { return saveSettings(sampleSettings(2)); });
    QTest::newRow("slot names") << Save([] { return saveProfileList(sampleSettings(2)); });
    QTest::newRow("DPI stage") << Save([] { return saveProfileDpi(sampleSettings(1).profileNames[0], 5); });
    QTest::newRow("macro") << Save([] {
        MacroFile macro;
        macro.events.fill({MacroKey | MacroPress, 0, 4}, 40);
        return saveMacroFile(QStringLiteral("recoil"), macro);
    });
    QTest::newRow("MACRO_LIST") << Save([] { return writeMacroNames({QStringLiteral("a"), QStringLiteral("b")}); });
    QTest::newRow("diff flag") << Save([] { return writeDiffFlag(1); });
}

void TestFullDisk::saveFailsAndKeepsTheOldFiles()
{
    QFETCH(Save, save);
    AppDirFixture app;
    QVERIFY(app.isValid());
    FullDisk disk(configDir());
    qInfo().noquote() << disk.mode();
    QVERIFY(saveSettings(sampleSettings(1)));
    QVERIFY(saveMacroFile(QStringLiteral("recoil"), MacroFile()));
    QVERIFY(writeMacroNames({QStringLiteral("recoil")}));
    QVERIFY(disk.fill());
    const TreeSnapshot before = snapshotTree(configDir());
    const WarningLog log;
    QVERIFY(!save());
    // The lock was taken; copying the old file or writing the new one failed.
    const QString warnings = log.lines().join(QLatin1Char('\n'));
    QVERIFY2(!warnings.contains(QLatin1String("Cannot lock")), qPrintable(warnings));
    QVERIFY2(warnings.contains(QLatin1String("Cannot copy")) || warnings.contains(QLatin1String("Cannot write")),
             qPrintable(warnings));
    QCOMPARE(treeDifferences(before, snapshotTree(configDir())), QStringList());
    MouseSettings loaded;
    QVERIFY(loadSettings(loaded));
    QCOMPARE(settingsDifference(loaded, sampleSettings(1)), QString());
}

QTEST_GUILESS_MAIN(TestFullDisk)
#include "tst_fulldisk.moc"
