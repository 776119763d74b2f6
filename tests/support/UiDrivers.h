#pragma once
// Drives popup menus and modal dialogs in GUI tests from a timer, while the
// menu's or the dialog's own event loop runs.
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

class QDialog;

class MenuDriver : public QObject
{
    Q_OBJECT
public:
    // Follows the entry texts of path through the open popup menu and its
    // submenus and activates the last entry, as the keyboard would.
    explicit MenuDriver(const QStringList &path);
    bool done() const { return m_done; }
    // Entry texts of the popup menu seen at each step.
    const QList<QStringList> &seen() const { return m_seen; }

private:
    void poll();
    QTimer m_timer;
    QStringList m_path;
    int m_step = 0;
    bool m_done = false;
    QList<QStringList> m_seen;
};

class DialogDriver : public QObject
{
    Q_OBJECT
public:
    // Runs action once on the first modal dialog whose object name is
    // objectName; the action answers it (accept, reject or a button click).
    DialogDriver(const QString &objectName, std::function<void(QDialog *)> action);
    bool done() const { return m_done; }

private:
    void poll();
    QTimer m_timer;
    QString m_objectName;
    std::function<void(QDialog *)> m_action;
    bool m_done = false;
};
