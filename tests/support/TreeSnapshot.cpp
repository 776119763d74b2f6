#include "tests/support/TreeSnapshot.h"
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

QString describe(const QFileInfo &info)
{
    const QString permissions = QString::number(int(info.permissions()), 16);
    if (info.isSymLink())
        return QStringLiteral("link ") + info.symLinkTarget();
    if (info.isDir())
        return QStringLiteral("dir ") + permissions;
    QFile file(info.filePath());
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return QStringLiteral("unreadable ") + permissions;
    return QStringLiteral("file ") + permissions + QLatin1Char(' ') + QString::fromLatin1(hash.result().toHex());
}

const QDir::Filters kEverything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

} // namespace

TreeSnapshot snapshotTree(const QString &root)
{
    TreeSnapshot snapshot;
    const QDir base(root);
    QDirIterator it(root, kEverything, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        snapshot.insert(base.relativeFilePath(it.filePath()), describe(it.fileInfo()));
    }
    return snapshot;
}

QStringList treeDifferences(const TreeSnapshot &before, const TreeSnapshot &after)
{
    QStringList differences;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (!before.contains(it.key()))
            differences << QStringLiteral("+ ") + it.key();
        else if (before.value(it.key()) != it.value())
            differences << QStringLiteral("~ ") + it.key();
    }
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (!after.contains(it.key()))
            differences << QStringLiteral("- ") + it.key();
    }
    return differences;
}

bool setTreeWritable(const QString &root, bool writable)
{
    const QFile::Permissions writeBits = QFile::WriteOwner | QFile::WriteUser;
    auto apply = [&](const QString &path) {
        const QFileInfo info(path);
        if (info.isSymLink())
            return true;
        QFile::Permissions permissions = info.permissions();
        permissions = writable ? permissions | writeBits
                               : permissions & ~(writeBits | QFile::WriteGroup | QFile::WriteOther);
        return QFile::setPermissions(path, permissions);
    };
    bool ok = apply(root);
    QDirIterator it(root, kEverything, QDirIterator::Subdirectories);
    while (it.hasNext())
        ok = apply(it.next()) && ok;
    return ok;
}
