#include "tests/support/AppDirFixture.h"
#include "storage/AppPaths.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

AppDirFixture::AppDirFixture(Data data)
{
    m_valid = m_dir.isValid();
    if (m_valid && data == DemoData)
        m_valid = copyDemoFile(QStringLiteral("DefaultProfile.bin"))
            && copyDemoFile(QStringLiteral("Configs/Config.ini"));
    setAppDir(m_dir.path());
}

AppDirFixture::~AppDirFixture()
{
    setAppDir(QString());
}

QString AppDirFixture::filePath(const QString &relative) const
{
    return m_dir.filePath(relative);
}

bool AppDirFixture::copyDemoFile(const QString &relative)
{
    const QString source = demoDataDir();
    if (source.isEmpty())
        return false;
    const QString target = filePath(relative);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile::remove(target);
    if (!QFile::copy(source + QLatin1Char('/') + relative, target))
        return false;
    // Sources may be read-only in the tree; the copy must be writable like an installation.
    return QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
}

QString AppDirFixture::demoDataDir()
{
    const QString source = qEnvironmentVariable("MOUSECFG_SOURCE_DIR");
    if (!source.isEmpty())
        return source + QStringLiteral("/data");
    return qEnvironmentVariable("MOUSECFG_APPDIR");
}

QByteArray readFileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFileBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}
