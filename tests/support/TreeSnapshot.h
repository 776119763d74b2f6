#pragma once
// What a folder tree holds, to show that something left it untouched: every
// entry's relative path with its kind, permissions and (for files) a hash of
// its bytes.
#include <QMap>
#include <QString>
#include <QStringList>

using TreeSnapshot = QMap<QString, QString>;

TreeSnapshot snapshotTree(const QString &root);
// The entries that differ, were added or went missing ("+ path", "- path", "~ path").
QStringList treeDifferences(const TreeSnapshot &before, const TreeSnapshot &after);

// Sets the permissions of every entry below and including `root`: folders keep
// or lose their write bits with `writable`, files too; exec bits stay.
bool setTreeWritable(const QString &root, bool writable);
