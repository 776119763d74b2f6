#include "helpers/updater/UpdaterNotice.h"
#include "storage/ConfigStorage.h"
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char *const kHeadlessPlatforms[] = {"offscreen", "minimal", "minimalegl"};
}

QString appDirOfUpdater(const QString &programDir)
{
    return QDir::cleanPath(programDir + QStringLiteral("/../../.."));
}

QString updaterNoticeTitle()
{
    return QCoreApplication::translate("FirmwareUpdater", "Firmware Update");
}

QString updaterNoticeText()
{
    return QCoreApplication::translate("FirmwareUpdater",
                                       "No firmware updater for this mouse model is installed on this system. "
                                       "The mouse has not been changed.");
}

bool canShowWindows()
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM").section(QLatin1Char(':'), 0, 0);
    for (const char *headless : kHeadlessPlatforms) {
        if (platform == QLatin1String(headless))
            return false;
    }
    if (!platform.isEmpty())
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void showUpdaterNotice()
{
    const QColor accent = themeColor();
    QDialog dialog;
    dialog.setObjectName("updaterNotice");
    dialog.setWindowTitle(updaterNoticeTitle());
    dialog.setStyleSheet(QStringLiteral("QDialog{background: rgb(30,30,34);}"
                                        "QLabel{color: white; font-size: 14px;}"
                                        "QLabel#updaterTitle{font-size: 18px; font-weight: bold; color: rgb(%1,%2,%3);}"
                                        "QPushButton{background: rgb(0,0,0); color: white; border: 1px solid rgb(%1,%2,%3);"
                                        " border-radius: 3px; padding: 6px 28px;}"
                                        "QPushButton:hover{background: rgb(%1,%2,%3); color: black;}")
                             .arg(accent.red())
                             .arg(accent.green())
                             .arg(accent.blue()));
    auto *title = new QLabel(updaterNoticeTitle(), &dialog);
    title->setObjectName("updaterTitle");
    auto *text = new QLabel(updaterNoticeText(), &dialog);
    text->setWordWrap(true);
    text->setMinimumWidth(360);
    auto *ok = new QPushButton(QCoreApplication::translate("FirmwareUpdater", "OK"), &dialog);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(28, 24, 28, 20);
    layout->setSpacing(14);
    layout->addWidget(title);
    layout->addWidget(text);
    layout->addLayout(buttons);
    dialog.exec();
}
