#pragma once
// The running program's mouse on the session bus: its state as properties
// (with PropertiesChanged when they change) and, as methods, what mousectl
// does to the mouse, so that the shell never opens the node while the window
// owns it. Served at MOUSE_BUS_PATH under mouseBusServiceName(product).
#include "platform/SessionBus.h"
#include <QDBusContext>
#include <QObject>
#include <QVariantMap>

class MousecfgWidget;

class MouseBusService : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mousecfg.Mouse")
    // As the slots below, with names for every argument.
    Q_CLASSINFO("D-Bus Introspection", ""
        "  <interface name=\"org.mousecfg.Mouse\">\n"
        "    <annotation name=\"org.freedesktop.DBus.Property.EmitsChangedSignal\" value=\"true\"/>\n"
        "    <property name=\"Connection\" type=\"s\" access=\"read\"/>\n"
        "    <property name=\"Battery\" type=\"i\" access=\"read\"/>\n"
        "    <property name=\"Charging\" type=\"b\" access=\"read\"/>\n"
        "    <property name=\"Sleeping\" type=\"b\" access=\"read\"/>\n"
        "    <property name=\"ActiveSlot\" type=\"i\" access=\"read\"/>\n"
        "    <property name=\"ConfigFolder\" type=\"s\" access=\"read\">\n"
        "      <annotation name=\"org.freedesktop.DBus.Property.EmitsChangedSignal\" value=\"const\"/>\n"
        "    </property>\n"
        "    <method name=\"ApplyGroups\">\n"
        "      <arg name=\"groups\" type=\"i\" direction=\"in\"/>\n"
        "      <arg name=\"result\" type=\"i\" direction=\"out\"/>\n"
        "    </method>\n"
        "    <method name=\"StoreAndApply\">\n"
        "      <arg name=\"groups\" type=\"i\" direction=\"in\"/>\n"
        "      <arg name=\"result\" type=\"i\" direction=\"out\"/>\n"
        "      <arg name=\"diffSaved\" type=\"b\" direction=\"out\"/>\n"
        "    </method>\n"
        "    <method name=\"SwitchSlot\">\n"
        "      <arg name=\"slot\" type=\"i\" direction=\"in\"/>\n"
        "      <arg name=\"result\" type=\"i\" direction=\"out\"/>\n"
        "    </method>\n"
        "    <method name=\"Status\">\n"
        "      <arg name=\"result\" type=\"i\" direction=\"out\"/>\n"
        "      <arg name=\"battery\" type=\"i\" direction=\"out\"/>\n"
        "      <arg name=\"charging\" type=\"b\" direction=\"out\"/>\n"
        "      <arg name=\"sleeping\" type=\"b\" direction=\"out\"/>\n"
        "      <arg name=\"connection\" type=\"s\" direction=\"out\"/>\n"
        "    </method>\n"
        "  </interface>\n")
    Q_PROPERTY(QString Connection READ connection)
    Q_PROPERTY(int Battery READ battery)
    Q_PROPERTY(bool Charging READ charging)
    Q_PROPERTY(bool Sleeping READ sleeping)
    Q_PROPERTY(int ActiveSlot READ activeSlot)
    Q_PROPERTY(QString ConfigFolder READ configFolder)

public:
    explicit MouseBusService(MousecfgWidget &window);
    ~MouseBusService() override;
    // Registers on the session bus; false (with a warning) when there is none
    // or another process holds the name. The program works on either way.
    bool publish(const QString &productName);

    QString connection() const;   // "none", "receiver", "cable", "both"
    int battery() const { return m_battery; }  // percent, 0 while sleeping
    bool charging() const { return m_charging; }
    bool sleeping() const { return m_sleeping; }
    int activeSlot() const;       // 1..5
    QString configFolder() const; // the folder whose settings the methods send

public slots:
    // Each returns the device result code: 0 ok, 1 no mouse, 2 verification
    // failed, 4 write failed.
    // Sends the groups (1 basic, 2 DPI, 4 buttons, 8 lighting, 15 all) of the
    // stored settings; "Config/Diff" is left to the caller.
    int ApplyGroups(int groups);
    // The stored settings' groups as one write transaction ("Config/Diff" and
    // the macros' write marks kept true); diffSaved false when Config.ini
    // could not record it.
    int StoreAndApply(int groups, bool &diffSaved);
    // Makes slot 1..5 active on the mouse; the window shows it.
    int SwitchSlot(int slot);
    // Asks the mouse now; connection "none" and result 1 without a mouse.
    int Status(int &battery, bool &charging, bool &sleeping, QString &connection);

private:
    int finish(int result);
    void batteryReport(quint8 charge, quint8 lowByte, quint8 highByte);
    void publishChanges();

    MousecfgWidget &m_window;
    int m_battery = 0;
    bool m_charging = false;
    bool m_sleeping = true;
    QVariantMap m_published;
    QString m_serviceName; // set while this object owns it
};
