#pragma once
// What the window is dressed in, apart from what it shows: the skin's
// background and mask at the UI scale of its screen, the drag that moves the
// frameless window, the tray icon and its menu, and the language menu with
// the installed translation.
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QTranslator>

class KestPushButton;
class QAction;
class QMenu;
class QPainter;
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
    void paint(QPainter &painter) const;

    // The stored language and its translation; the menu on the button switches it.
    int language() const { return m_iLanguage; }
    // The stored language and the languages of the font list.
    void readLanguages();
    void buildLanguageMenu(KestPushButton *button);
    // The stored language's translation, once the window's texts exist.
    void installTranslation();
    void buildTray();
    void retranslateTray();
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
    void applyScaleStep(int step);
    void switchLanguage(QAction *action);
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    QString trayToolTip() const;

    QWidget *m_window;
    double m_scale = 1.0;
    int m_iDpiVal = 0;
    QPixmap m_background;
    QPixmap m_scaledBackgrounds[17];
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
    bool m_bUnsaved = false;
};
