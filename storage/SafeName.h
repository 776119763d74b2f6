#pragma once
#include <QString>

// Profile and macro names become file names. A name is usable when it is not
// empty, not "." or "..", at most 100 characters, and holds no path separator,
// control character or any of < > : " | ? * (characters some file systems refuse).
bool isSafeFileName(const QString &name);
// The user-facing reason a name is refused; empty when it is usable.
QString fileNameProblem(const QString &name);
