#pragma once
// "--tray": the program starts in the tray without showing its window (the
// login autostart entry uses it). The window shows itself once shortly after
// construction; in tray mode that first show stays off the screen and is
// undone at once, so later shows (tray icon, mouse plugged in) behave as usual.
#include <QEvent>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QWidget>

inline bool startsInTray(const QStringList &arguments)
{
    return arguments.mid(1).contains(QStringLiteral("--tray"));
}

class FirstShowInTray : public QObject
{
public:
    explicit FirstShowInTray(QWidget *window) : QObject(window), m_window(window)
    {
        m_window->setAttribute(Qt::WA_DontShowOnScreen, true);
        m_window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Show) {
            m_window->removeEventFilter(this);
            // Not from inside show(): hide once it has returned.
            QTimer::singleShot(0, m_window, [window = m_window, self = this] {
                window->hide();
                window->setAttribute(Qt::WA_DontShowOnScreen, false);
                self->deleteLater();
            });
        }
        return false;
    }

private:
    QWidget *m_window;
};

// Keeps the window's first show off the screen (the helper belongs to the window).
inline void keepFirstShowInTray(QWidget *window)
{
    new FirstShowInTray(window);
}
