// The firmware button: hands the mouse over to the updater program, which
// needs the cable, and ends the utility.
#include "ui/main/MousecfgWidget.h"
#include "ui/kit/KestPushButton.h"
#include "ui/main/HelperPrograms.h"
#include <QDebug>

void MousecfgWidget::runFirmwareUpdate(bool cablePresent)
{
    m_firmwareButton->setChecked(false);
    if (!cablePresent) {
        showMessage(2, tr("To update the firmware, please connect to the computer with a cable."));
        return;
    }
    if (showMessage(1, tr("Do you want to upgrade the firmware?")) != 1)
        return;
    stopStatusThread();
    const QString updater = firmwareUpdaterPath(m_chrome->language());
    if (!startDetachedProgram(updater, {updater})) {
        // Quitting now would leave the user with neither the utility nor an updater.
        qDebug().noquote() << "Could not start the firmware updater" << updater;
        showMessage(2, tr("The firmware updater could not be started: %1").arg(updater));
        startStatusThread();
        return;
    }
    exitProcessNow(0);
}
