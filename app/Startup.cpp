#include "app/Startup.h"
#include "platform/SingleInstance.h"
#include "storage/DeviceDescription.h"
#include "ui/main/MousecfgWidget.h"
#include <QApplication>
#include <QIcon>
#include <QLoggingCategory>

int runMousecfg(int &argc, char **argv, const StartupHooks &hooks)
{
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    // Diagnostics stay quiet unless asked for with QT_LOGGING_RULES.
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        QLoggingCategory::setFilterRules("default.debug=false");
    // The window lives in the tray when closed; only "&Quit" ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    const QString productName = descriptionProductName();
    SingleInstanceLock lock(instanceMutexName(productName));
    if (!lock.tryAcquire())
        return 1;

    if (hooks.beforeWindow)
        hooks.beforeWindow();
    auto *window = new MousecfgWidget;
    if (window->mouseCount() != 0) {
        window->setWindowOpacity(1.0);
        window->show();
    }
    window->setWindowIcon(QIcon("./skin/icon.ico"));
    window->setWindowTitle(productName);
    if (hooks.afterWindow)
        hooks.afterWindow(*window);

    const int code = app.exec();
    delete window;
    return code;
}
