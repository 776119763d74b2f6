#include "platform/DesktopNotifications.h"
#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDebug>
#include <QVariantMap>

namespace {
const char kService[] = "org.freedesktop.Notifications";
const char kPath[] = "/org/freedesktop/Notifications";
const char kInterface[] = "org.freedesktop.Notifications";
constexpr int kDefaultTimeout = -1; // the server decides
} // namespace

DesktopNotifications::DesktopNotifications(const QDBusConnection &bus, QObject *parent)
    : QObject(parent), m_bus(bus)
{
}

void DesktopNotifications::notify(const QString &summary, const QString &body, const QString &icon)
{
    if (!m_bus.isConnected()) {
        qDebug() << "No session bus for the notice:" << summary;
        emit failed(QStringLiteral("no session bus"));
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar(1))); // normal
    call << QCoreApplication::applicationName() << uint(0) << icon << summary << body << QStringList() << hints
         << kDefaultTimeout;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *w) {
        const QDBusPendingReply<uint> reply = *w;
        w->deleteLater();
        if (reply.isError()) {
            qDebug() << "The notice was not shown:" << reply.error().message();
            emit failed(reply.error().message());
            return;
        }
        emit shown(reply.value());
    });
}
