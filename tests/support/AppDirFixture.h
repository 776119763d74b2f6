#pragma once
// A fresh application folder for one test: a temporary directory that appDir()
// points at for the fixture's lifetime, optionally holding a copy of the
// installation data (DefaultProfile.bin and Configs/Config.ini).
#include <QString>
#include <QTemporaryDir>

class AppDirFixture
{
public:
    enum Data { Empty, DemoData };

    explicit AppDirFixture(Data data = DemoData);
    // Points appDir() back at the executable's folder.
    ~AppDirFixture();
    AppDirFixture(const AppDirFixture &) = delete;
    AppDirFixture &operator=(const AppDirFixture &) = delete;

    // False when the folder could not be made or the data not copied.
    bool isValid() const { return m_valid; }
    QString path() const { return m_dir.path(); }
    // path() + "/" + relative
    QString filePath(const QString &relative) const;

    // Copies one file of the installation data (relative to data/) into the folder.
    bool copyDemoFile(const QString &relative);

    // The source tree's data/ folder (from MOUSECFG_SOURCE_DIR, else the build's
    // application folder from MOUSECFG_APPDIR); empty when neither is set.
    static QString demoDataDir();

private:
    QTemporaryDir m_dir;
    bool m_valid = false;
};

// The bytes of a file; empty when it cannot be read.
QByteArray readFileBytes(const QString &path);
// Writes bytes to a file, creating its folder; false on failure.
bool writeFileBytes(const QString &path, const QByteArray &bytes);
