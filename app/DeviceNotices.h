#pragma once
// Device notifications from the start of the program on: the hot-plug source
// listens before the window's first enumeration, so a mouse plugged or pulled
// while the window is built is not missed. What comes before the window takes
// notices waits here and reaches it, in order, once the event loop runs.
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

class MousecfgWidget;

class DeviceNotices : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    void deliverTo(MousecfgWidget *window);
    int waiting() const { return int(m_waiting.size()); }

public slots:
    void notice(const QString &interfaceName, bool arrival);

private:
    void flush();

    MousecfgWidget *m_window = nullptr;
    QList<QPair<QString, bool>> m_waiting;
};
