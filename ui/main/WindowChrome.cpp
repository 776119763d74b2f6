#include "ui/main/WindowChrome.h"
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

WindowChrome::WindowChrome(QWidget *window) : QObject(window), m_window(window)
{
    m_background.load(skinPath("cfgMainback.png"));
    const ScaleStep step = scaleStepForScreen(QGuiApplication::primaryScreen());
    m_iDpiVal = step.index;
    m_scale = step.scale;
    setUiScale(m_scale);
    window->setMinimumSize(BASE_WIDTH, BASE_HEIGHT);
    window->resize(int(BASE_WIDTH * m_scale), int(BASE_HEIGHT * m_scale));
    if (QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
    window->setWindowFlags(window->windowFlags() | Qt::FramelessWindowHint);
    window->setAttribute(Qt::WA_TranslucentBackground);
    window->installEventFilter(this);
}

WindowChrome::~WindowChrome()
{
    QCoreApplication::removeTranslator(&m_translator);
}

void WindowChrome::applyScaleStep(int step)
{
    const ScaleStep s = scaleStepAt(step);
    m_iDpiVal = s.index;
    m_scale = s.scale;
    setUiScale(m_scale);
    QPixmap &scaled = m_scaledBackgrounds[m_iDpiVal];
    if (scaled.isNull() && !m_background.isNull())
        scaled = m_background.scaled(int(BASE_WIDTH * m_scale), int(BASE_HEIGHT * m_scale), Qt::IgnoreAspectRatio,
                                     Qt::SmoothTransformation);
    if (!scaled.isNull())
        m_window->setMask(scaled.mask());
}

void WindowChrome::followResize()
{
    QScreen *screen = QGuiApplication::screenAt(m_window->geometry().center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const ScaleStep step = scaleStepForScreen(screen);
    if (step.index != m_iDpiVal) {
        applyScaleStep(step.index);
    } else if (m_window->size() == QSize(int(BASE_WIDTH * m_scale), int(BASE_HEIGHT * m_scale))) {
        qDebug("singleShot\n");
        const int initial = scaleStepForInitialWidth(m_window->width());
        applyScaleStep(initial < 0 ? m_iDpiVal : initial);
    }
    qDebug("width = %d, height = %d m_iDpiVal = %d\n", m_window->width(), m_window->height(), m_iDpiVal);
}

void WindowChrome::paint(QPainter &painter) const
{
    const QPixmap &scaled = m_scaledBackgrounds[m_iDpiVal];
    painter.drawPixmap(m_window->rect(), scaled.isNull() ? m_background : scaled);
}

bool WindowChrome::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    // Presses no child took arrive here too: the whole window is a handle.
    switch (event->type()) {
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

void WindowChrome::buildTray()
{
    const QIcon icon(skinPath("icon.ico"));
    m_window->setWindowIcon(icon);
    m_trayMenu = new QMenu(m_window);
    auto *load = new KestAction(m_trayMenu);
    load->setObjectName("loadConfigAction");
    auto *quit = new KestAction(m_trayMenu);
    quit->setObjectName("quitAction");
    connect(load, &QAction::triggered, this, &WindowChrome::showRequested);
    connect(quit, &QAction::triggered, this, &WindowChrome::quitRequested);
    m_trayMenu->addAction(load);
    m_trayMenu->addAction(quit);
    retranslateTray();
    m_trayIcon = new QSystemTrayIcon(icon, this);
    m_trayIcon->setContextMenu(m_trayMenu);
    m_trayIcon->setToolTip(trayToolTip());
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &WindowChrome::iconActivated);
    if (QSystemTrayIcon::isSystemTrayAvailable())
        m_trayIcon->show();
}

void WindowChrome::retranslateTray()
{
    if (!m_trayMenu)
        return;
    m_trayMenu->actions().value(0)->setText(QCoreApplication::translate("MousecfgWidget", "&Load Config"));
    m_trayMenu->actions().value(1)->setText(QCoreApplication::translate("MousecfgWidget", "&Quit"));
}

QString WindowChrome::trayToolTip() const
{
    return currentProductName() + (m_bUnsaved ? QStringLiteral(" *") : QString());
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
