#include "ui/main/WindowChrome.h"
#include "platform/DesktopNotifications.h"
#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include "storage/DeviceDescription.h"
#include "ui/kit/Fonts.h"
#include "ui/kit/KestAction.h"
#include "ui/kit/KestPushButton.h"
#include "ui/kit/Skin.h"
#include "ui/kit/UiScale.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/main/WindowLayout.h"
#include <QApplication>
#include <QBitmap>
#include <QDebug>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <cmath>

WindowChrome::WindowChrome(QWidget *window) : QObject(window), m_window(window)
{
    prefetchPixmaps({skinPath("cfgMainback.png")});
    QScreen *screen = QGuiApplication::primaryScreen();
    const ScaleStep step = scaleStepForScreen(screen);
    // A fixed size at the scale the screen takes: a window manager has
    // nothing to maximise that the skin could follow.
    window->setWindowFlags((window->windowFlags() | Qt::FramelessWindowHint) & ~Qt::WindowMaximizeButtonHint);
    applyScale(step.index, scaleOnScreen(step.scale, screen));
    if (screen)
        window->move(screen->availableGeometry().center() - window->rect().center());
    window->setAttribute(Qt::WA_TranslucentBackground);
    window->installEventFilter(this);
}

WindowChrome::~WindowChrome()
{
    QCoreApplication::removeTranslator(&m_translator);
}

double WindowChrome::scaleOnScreen(double stepScale, const QScreen *screen) const
{
    if (!screen)
        return stepScale;
    return fittingScale(stepScale, QSize(BASE_WIDTH, BASE_HEIGHT), screen->availableGeometry().size());
}

void WindowChrome::applyScale(int step, double scale)
{
    m_iDpiVal = scaleStepAt(step).index;
    m_scale = scale;
    setUiScale(m_scale);
    const QSize size(int(BASE_WIDTH * m_scale), int(BASE_HEIGHT * m_scale));
    if (m_window->size() != size || m_window->minimumSize() != size || m_window->maximumSize() != size)
        m_window->setFixedSize(size);
    if (m_window->isVisible())
        applyMask();
}

// The background decodes while the window is built; only the shown window needs it.
void WindowChrome::applyMask()
{
    if (m_maskScale == m_scale)
        return;
    if (m_background.isNull())
        m_background = skinPixmap("cfgMainback.png");
    const QSize size(int(BASE_WIDTH * m_scale), int(BASE_HEIGHT * m_scale));
    QPixmap &scaled = m_scaledBackgrounds[int(std::lround(m_scale * 1000))];
    if (scaled.isNull() && !m_background.isNull())
        scaled = m_background.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!scaled.isNull())
        m_window->setMask(scaled.mask());
    m_maskScale = m_scale;
}

void WindowChrome::followResize()
{
    QScreen *screen = QGuiApplication::screenAt(m_window->geometry().center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const ScaleStep step = scaleStepForScreen(screen);
    const double scale = scaleOnScreen(step.scale, screen);
    if (step.index != m_iDpiVal || scale != m_scale) {
        applyScale(step.index, scale);
    } else if (m_window->size() == QSize(int(BASE_WIDTH * m_scale), int(BASE_HEIGHT * m_scale))) {
        qDebug("singleShot\n");
        const int initial = scaleStepForInitialWidth(m_window->width());
        if (initial < 0)
            applyScale(m_iDpiVal, m_scale);
        else
            applyScale(initial, scaleOnScreen(scaleStepAt(initial).scale, screen));
    }
    qDebug("width = %d, height = %d m_iDpiVal = %d\n", m_window->width(), m_window->height(), m_iDpiVal);
}

void WindowChrome::paint(QPainter &painter)
{
    if (m_background.isNull()) // a hidden window painted into an image
        m_background = skinPixmap("cfgMainback.png");
    const QPixmap scaled = m_scaledBackgrounds.value(int(std::lround(m_scale * 1000)));
    painter.drawPixmap(m_window->rect(), scaled.isNull() ? m_background : scaled);
}

bool WindowChrome::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    // Presses no child took arrive here too: the whole window is a handle.
    switch (event->type()) {
    case QEvent::Show: // before the window is mapped
        applyMask();
        break;
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            m_dragging = true;
            m_pressPos = mouse->globalPos();
            m_windowOrigin = m_window->frameGeometry().topLeft();
        }
        break;
    }
    case QEvent::MouseMove:
        if (m_dragging) {
            const QPoint delta = static_cast<QMouseEvent *>(event)->globalPos() - m_pressPos;
            // The window system's own move works on Wayland too, where a window
            // may not place itself; without one the window follows the pointer.
            if (qAbs(delta.x()) + qAbs(delta.y()) > 4) {
                if (m_window->windowHandle() && m_window->windowHandle()->startSystemMove())
                    m_dragging = false;
                else
                    m_window->move(m_windowOrigin + delta);
            }
        }
        break;
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        break;
    default:
        break;
    }
    return false;
}

void WindowChrome::readLanguages()
{
    m_iLanguage = langId();
    setCurrentLanguage(m_iLanguage);
    FontList fonts;
    readFontList(fonts);
    for (int i = 0; i < fonts.count; ++i) {
        m_languageNames << fonts.names[i];
        m_languageFiles << fonts.files[i];
    }
}

void WindowChrome::buildLanguageMenu(KestPushButton *button)
{
    m_languageButton = button;
    m_languageMenu = new QMenu(m_window);
    m_languageMenu->setStyleSheet(QString::fromLatin1(POPUP_MENU_STYLE));
    for (const QString &name : m_languageNames)
        m_languageMenu->addAction(new KestAction(name, m_languageMenu));
    connect(m_languageMenu, &QMenu::triggered, this, &WindowChrome::switchLanguage);
    m_languageButton->setMenu(m_languageMenu);
    m_languageButton->setText(m_languageNames.value(m_iLanguage));
    if (m_languageNames.size() < 2)
        m_languageButton->hide();
}

void WindowChrome::installTranslation()
{
    const QString languageFile = m_languageFiles.value(m_iLanguage);
    if (!languageFile.isEmpty() && m_translator.load(appDir() + "/lang/" + languageFile + ".qm"))
        QCoreApplication::installTranslator(&m_translator);
}

void WindowChrome::switchLanguage(QAction *action)
{
    const int index = m_languageMenu->actions().indexOf(action);
    if (index < 0)
        return;
    m_iLanguage = index;
    setCurrentLanguage(index);
    const bool loaded = m_translator.load(appDir() + "/lang/" + m_languageFiles.value(index) + ".qm");
    m_languageButton->setText(action->text());
    if (!setLangId(index))
        emit notSaved();
    if (loaded) {
        QCoreApplication::removeTranslator(&m_translator);
        QCoreApplication::installTranslator(&m_translator);
        emit languageSwitched();
    }
}

void WindowChrome::buildTray(const QList<QAction *> &slotActions)
{
    const QIcon icon(skinPath("icon.ico"));
    m_window->setWindowIcon(icon);
    m_trayMenu = new QMenu(m_window);
    m_loadAction = new KestAction(m_trayMenu);
    m_loadAction->setObjectName("loadConfigAction");
    m_quitAction = new KestAction(m_trayMenu);
    m_quitAction->setObjectName("quitAction");
    connect(m_loadAction, &QAction::triggered, this, &WindowChrome::showRequested);
    connect(m_quitAction, &QAction::triggered, this, &WindowChrome::quitRequested);
    m_trayMenu->addAction(m_loadAction);
    m_trayMenu->addSeparator();
    m_trayMenu->addActions(slotActions); // the slot menu's own actions: same texts, same effect
    m_trayMenu->addSeparator();
    m_trayMenu->addAction(m_quitAction);
    m_trayIcon = new QSystemTrayIcon(icon, this);
    m_trayIcon->setContextMenu(m_trayMenu);
    m_trayStatus.product = currentProductName();
    retranslateTray();
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &WindowChrome::iconActivated);
    if (QSystemTrayIcon::isSystemTrayAvailable())
        m_trayIcon->show();
}

void WindowChrome::retranslateTray()
{
    if (!m_trayMenu)
        return;
    m_loadAction->setText(QCoreApplication::translate("MousecfgWidget", "&Load Config"));
    m_quitAction->setText(QCoreApplication::translate("MousecfgWidget", "&Quit"));
    m_trayIcon->setToolTip(trayToolTip());
}

void WindowChrome::showConnection(bool receiver, bool cable)
{
    if (receiver != m_trayStatus.receiver || cable != m_trayStatus.cable)
        m_trayStatus.measured = false; // the last reading was of the other connection
    m_trayStatus.receiver = receiver;
    m_trayStatus.cable = cable;
    m_trayStatus.product = currentProductName();
    if (m_trayIcon)
        m_trayIcon->setToolTip(trayToolTip());
}

void WindowChrome::showBattery(const StatusPresenter::Battery &battery, bool measured)
{
    if (!measured)
        return; // the start-up placeholder says nothing about the battery
    m_trayStatus.measured = true;
    m_trayStatus.off = battery.off;
    m_trayStatus.charging = battery.charging;
    m_trayStatus.percent = battery.percent;
    if (m_trayIcon)
        m_trayIcon->setToolTip(trayToolTip());
    if (m_lowBattery.report(battery.percent, battery.charging, battery.cable, battery.off)) {
        if (!m_notifications) // the session bus only once there is something to say
            m_notifications = new DesktopNotifications(QDBusConnection::sessionBus(), this);
        const QString product = currentProductName();
        m_notifications->notify(QCoreApplication::translate("TrayStatus", "Mouse battery low"),
                                QCoreApplication::translate("TrayStatus", "%1 has %2 % left. Connect the cable to charge it.")
                                    .arg(product.isEmpty() ? QCoreApplication::translate("TrayStatus", "The mouse") : product)
                                    .arg(battery.percent),
                                QStringLiteral("battery-caution"));
    }
}

QString WindowChrome::trayToolTip() const
{
    return ::trayToolTip(m_trayStatus) + (m_bUnsaved ? QStringLiteral(" *") : QString());
}

void WindowChrome::setUnsavedMark(bool unsaved)
{
    m_bUnsaved = unsaved;
    if (m_trayIcon)
        m_trayIcon->setToolTip(trayToolTip());
}

void WindowChrome::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::DoubleClick && reason != QSystemTrayIcon::Trigger)
        return;
    if (m_window->isHidden())
        emit showRequested();
    else if (!g_bWarnVisible)
        m_window->hide();
}
