#include "storage/SafeName.h"
#include <QCoreApplication>

namespace {

const QString kForbidden = QStringLiteral("/\\<>:\"|?*");

QString tr(const char *text)
{
    return QCoreApplication::translate("SafeName", text);
}

bool hasBadCharacter(const QString &name)
{
    for (int i = 0; i < name.size(); ++i) {
        const QChar ch = name.at(i);
        if (ch.isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (ch.isSurrogate() || ch.category() == QChar::Other_Control || kForbidden.contains(ch))
            return true;
    }
    return false;
}

} // namespace

QString fileNameProblem(const QString &name)
{
    if (name.isEmpty())
        return tr("The name is empty.");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return tr("The name cannot be \".\" or \"..\".");
    if (name.size() > SAFE_NAME_MAX_CHARS || name.toUtf8().size() > SAFE_NAME_MAX_UTF8_BYTES)
        return tr("The name is too long.");
    if (hasBadCharacter(name))
        return tr("The name cannot contain / \\ < > : \" | ? * or control characters.");
    return QString();
}

bool isSafeFileName(const QString &name)
{
    return fileNameProblem(name).isEmpty();
}
