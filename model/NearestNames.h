#pragma once
// Names compared as people type them: without regard to case or spaces
// ("DPI+" is "DPI +"), and the few nearest to a name that matched none.
#include <QString>
#include <QStringList>

// Lower case, no white space.
QString looseName(const QString &name);
bool sameLooseName(const QString &a, const QString &b);
// At most count of names, nearest first by edit distance between their loose
// forms; names at the same distance keep their order.
QStringList nearestNames(const QString &input, const QStringList &names, int count = 5);
