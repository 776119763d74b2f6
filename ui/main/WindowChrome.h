#pragma once
// What the window is dressed in, apart from what it shows: the skin's
// background and mask at the UI scale of its screen, the drag that moves the
// frameless window, the tray icon and its menu, and the language menu with
// the installed translation.
#include "ui/main/LowBatteryWarning.h"
#include "ui/main/StatusPresenter.h"
#include "ui/main/TrayStatus.h"
#include <QHash>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QTranslator>

class DesktopNotifications;
class KestPushButton;
class QAction;
class QMenu;
class QPainter;
class QScreen;
class QWidget;

class WindowChrome : public QObject
{
    Q_OBJECT
public:
    // Scales the window for its screen, sizes and centres it, and follows its drags.
    explicit WindowChrome(QWidget *window);
    ~WindowChrome() override;

    double scale() const { return m_scale; }
    // The scale step a resize asks for (another screen, or the first
    // showing at the start size); the caller lays out again.
    void followResize();
    void paint(QPainter &painter);

    // The stored language and its translation; the menu on the button switches it.
    int language() const { return m_iLanguage; }
    // The stored language and the languages of the font list.
    void readLanguages();
    void buildLanguageMenu(KestPushButton *button);
    // The stored language's translation, once the window's texts exist.
    void installTranslation();
    // The tray icon; its menu offers the window, the slot actions and Quit.
    void buildTray(const QList<QAction *> &slotActions);
    void retranslateTray();
    // The tray's tool tip follows the connection and the battery; a low
    // battery is told once through a desktop notification.
    void showConnection(bool receiver, bool cable);
    void showBattery(const StatusPresenter::Battery &battery, bool measured);
    QSystemTrayIcon *trayIcon() const { return m_trayIcon; }
    // Edits wait for Apply: the tray's tooltip says so.
    void setUnsavedMark(bool unsaved);

signals:
    // Another translation is installed: the window shows its texts again.
    void languageSwitched();
    // The tray asks for the window ("Load Config", a click on a hidden window).
    void showRequested();
    void notSaved();
    // "&Quit" from the tray menu; the window decides whether to end.
    void quitRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The step's scale, or less when the window would not fit the screen's free area.
    double scaleOnScreen(double stepScale, const QScreen *screen) const;
    void applyScale(int step, double scale);
    void applyMask();
    void switchLanguage(QAction *action);
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    QString trayToolTip() const;

    QWidget *m_window;
    double m_scale = 1.0;
    int m_iDpiVal = 0;
    QPixmap m_background;
    double m_maskScale = 0; // the scale the window's mask was made for
    QHash<int, QPixmap> m_scaledBackgrounds; // by scale in thousandths, built once each
    bool m_dragging = false;
    QPoint m_pressPos;
    QPoint m_windowOrigin;

    int m_iLanguage = 0;
    QStringList m_languageNames;
    QStringList m_languageFiles;
    QTranslator m_translator;
    KestPushButton *m_languageButton = nullptr;
    QMenu *m_languageMenu = nullptr;
    QSystemTrayIcon *m_trayIcon = nullptr;
    QMenu *m_trayMenu = nullptr;
    QAction *m_loadAction = nullptr;
    QAction *m_quitAction = nullptr;
    TrayStatus m_trayStatus;
    LowBatteryWarning m_lowBattery;
    DesktopNotifications *m_notifications = nullptr;
    bool m_bUnsaved = false;
};
