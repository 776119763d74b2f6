// Saves onto a file system with no space left: each reports the failure and
// leaves the previous files as they were. The test mounts a small tmpfs over
// the Configs folder where it may (root, a machine that allows mounts);
// elsewhere a file-size limit makes every write fail at the file layer.
#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include "storage/MacroFiles.h"
#include "tests/support/AppDirFixture.h"
#include "tests/support/SettingsSamples.h"
#include "tests/support/TreeSnapshot.h"
#include <QtTest>
#include <csignal>
#include <functional>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// The Configs folder on a 2 MiB tmpfs, or writes limited to one byte.
class FullDisk
{
public:
    explicit FullDisk(const QString &configs) : m_configs(configs)
    {
        const QByteArray installed = readFileBytes(configs + QStringLiteral("/Config.ini"));
        m_mounted = geteuid() == 0 && qEnvironmentVariableIsEmpty("MOUSECFG_NO_MOUNT")
                    && ::mount("tmpfs", QFile::encodeName(configs).constData(), "tmpfs", 0, "size=2m") == 0;
        if (m_mounted)
            writeFileBytes(configs + QStringLiteral("/Config.ini"), installed);
    }
    ~FullDisk()
    {
        if (m_mounted)
            ::umount(QFile::encodeName(m_configs).constData());
        setrlimit(RLIMIT_FSIZE, &m_unlimited);
    }
    bool mounted() const { return m_mounted; }

    // Takes what space is left (or limits every file to one byte).
    bool fill()
    {
        if (!m_mounted) {
            std::signal(SIGXFSZ, SIG_IGN);
            getrlimit(RLIMIT_FSIZE, &m_unlimited);
            const rlimit one{1, m_unlimited.rlim_max};
            return setrlimit(RLIMIT_FSIZE, &one) == 0;
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
            if (!small.open(QIODevice::WriteOnly) || small.write("x") != 1 || !small.flush())
                break;
        }
        return true;
    }

private:
    QString m_configs;
    bool m_mounted = false;
    rlimit m_unlimited{RLIM_INFINITY, RLIM_INFINITY};
};

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
    qInfo() << (disk.mounted() ? "a full 2 MiB tmpfs" : "writes limited to one byte (no mount here)");
    QVERIFY(saveSettings(sampleSettings(1)));
    QVERIFY(saveMacroFile(QStringLiteral("recoil"), MacroFile()));
    QVERIFY(writeMacroNames({QStringLiteral("recoil")}));
    QVERIFY(disk.fill());
    const TreeSnapshot before = snapshotTree(configDir());
    QVERIFY(!save());
    QCOMPARE(treeDifferences(before, snapshotTree(configDir())), QStringList());
    MouseSettings loaded;
    QVERIFY(loadSettings(loaded));
    QCOMPARE(settingsDifference(loaded, sampleSettings(1)), QString());
}

QTEST_GUILESS_MAIN(TestFullDisk)
#include "tst_fulldisk.moc"
