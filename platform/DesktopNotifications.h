#pragma once
// Desktop notices through the freedesktop notification service
// (org.freedesktop.Notifications) on a session bus. A notice never waits for
// the service: without one it is dropped and the reason goes to the log.
#include <QDBusConnection>
#include <QObject>
#include <QString>

class DesktopNotifications : public QObject
{
    Q_OBJECT
public:
    explicit DesktopNotifications(const QDBusConnection &bus, QObject *parent = nullptr);

    // Shows summary and body under the application's name; icon is a
    // freedesktop icon name ("battery-caution").
    void notify(const QString &summary, const QString &body, const QString &icon);

signals:
    // The service took the notice under this id.
    void shown(uint id);
    void failed(const QString &error);

private:
    QDBusConnection m_bus;
};
