#include "app/Startup.h"
#include "app/DeviceNotices.h"
#include "app/MouseBusService.h"
#include "app/TrayStart.h"
#include "platform/RasterOnlyWindows.h"
#include "platform/SingleInstance.h"
#include "storage/AppPaths.h"
#include "storage/DeviceDescription.h"
#include "ui/main/MousecfgWidget.h"
#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLoggingCategory>
#include <QSystemTrayIcon>

MousecfgWidget *createWindow(DeviceNotices &notices)
{
    auto *window = new MousecfgWidget;
    notices.deliverTo(window);
    return window;
}

int runMousecfg(int &argc, char **argv, const StartupHooks &hooks)
{
    useRasterOnlyWindows();
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    // Lets desktops match the window to mousecfg.desktop and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("mousecfg"));
    // Diagnostics stay quiet unless asked for with QT_LOGGING_RULES.
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        QLoggingCategory::setFilterRules("default.debug=false");
    // The window lives in the tray when closed; only "&Quit" ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    const QString productName = descriptionProductName();
    SingleInstanceLock lock(instanceMutexName(productName));
    if (!lock.tryAcquire()) {
        // The running copy shows its window; it may be hidden in a tray that is gone.
        requestActivation(lock.activationSocketPath());
        return 1;
    }

    if (hooks.beforeWindow)
        hooks.beforeWindow();
    DeviceNotices notices;
    if (hooks.hotplug)
        hooks.hotplug(notices);
    auto *window = createWindow(notices);
    // Other programs reach the mouse through this window while it runs.
    (new MouseBusService(*window))->publish(productName);
    const bool tray = startsInTray(QCoreApplication::arguments());
    window->setStartedInTray(tray);
    QObject::connect(window, &MousecfgWidget::quitAccepted, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    ActivationListener activation;
    QObject::connect(&activation, &ActivationListener::activationRequested, window, &MousecfgWidget::bringToFront);
    QObject::connect(&activation, &ActivationListener::settingsChanged, window, &MousecfgWidget::reloadStoredSettings);
    activation.listen(lock.activationSocketPath());
    // Without a tray to live in, a tray start shows its window.
    if (tray && QSystemTrayIcon::isSystemTrayAvailable()) {
        keepFirstShowInTray(window);
    } else if (tray || window->mouseCount() != 0) {
        window->setWindowOpacity(1.0);
        window->show();
    }
    // Started from a menu, the working folder is not the application folder.
    const QString icon = QStringLiteral("./skin/icon.ico");
    window->setWindowIcon(QIcon(QFileInfo::exists(icon) ? icon : appDir() + QStringLiteral("/skin/icon.ico")));
    window->setWindowTitle(productName + QStringLiteral("[*]")); // "*" while edits wait for Apply
    if (hooks.afterWindow)
        hooks.afterWindow(*window);

    const int code = app.exec();
    delete window;
    return code;
}
