#pragma once
#include <QString>

// Profile and macro names become file names. A name is usable when it is not
// empty, not "." or "..", at most 100 characters and 200 bytes in UTF-8 (room
// for the extension and the temporary file of a safe write), and holds no path
// separator, control character, unpaired surrogate or any of < > : " | ? *
// (characters some file systems refuse).
constexpr int SAFE_NAME_MAX_CHARS = 100;
constexpr int SAFE_NAME_MAX_UTF8_BYTES = 200;

bool isSafeFileName(const QString &name);
// The user-facing reason a name is refused; empty when it is usable.
QString fileNameProblem(const QString &name);
