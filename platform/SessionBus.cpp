#include "platform/SessionBus.h"
#include <QFileInfo>

QString mouseBusServiceName(const QString &productName)
{
    QString element;
    for (const QChar c : productName)
        element += (c.isLetterOrNumber() && c.unicode() < 128) || c == QLatin1Char('_') ? c : QLatin1Char('_');
    if (!element.isEmpty() && element.at(0).isDigit())
        element.prepend(QLatin1Char('_'));
    const QString base = QString::fromLatin1(MOUSE_BUS_INTERFACE);
    return element.isEmpty() ? base : base + QLatin1Char('.') + element;
}

bool sessionBusConfigured()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}
