// Apply: the write thread behind the busy dialog, then its outcome.
#include "ui/main/MousecfgWidget.h"
#include "storage/AppPaths.h"
#include "ui/kit/KestProcessDialog.h"
#include "device/PointerSettings.h"
#include "ui/main/KestProcessThread.h"
#include <QDebug>
#include <utility>
#include <QLabel>
#include <QTimer>

void MousecfgWidget::apply()
{
    collectPanelValues();
    runWrite(false);
}

void MousecfgWidget::runWrite(bool writeAll)
{
    // Esc must neither end the wait early (the window would block on the
    // thread without its dialog) nor hide the outcome: the dialog returns
    // until the thread has ended.
    const int status = m_session->write(writeAll, [this](KestProcessThread &thread) {
        KestProcessDialog dialog(this);
        connect(&thread, SIGNAL(DoProcessDlg()), &dialog, SLOT(slotProcessDlg()));
        bool ended = false;
        connect(&thread, &QThread::finished, &dialog, [&] {
            ended = true;
            dialog.accept();
        });
        thread.start(QThread::InheritPriority);
        while (!ended)
            dialog.exec();
    });
    if (status > 0) {
        showMessage(1, ApplySession::failureText(status));
    } else if (status == 0) {
        m_applyNotice->setText(ApplySession::sentText(m_session->lastSent()));
        m_applyNotice->show();
        m_applyNotice->raise();
        m_noticeTimer->start();
    }
    updateUnsavedMark();
}

void MousecfgWidget::reportSaved(bool saved)
{
    if (saved) {
        m_bNotSavedShown = false;
        return;
    }
    if (std::exchange(m_bNotSavedShown, true))
        return;
    // Not from inside the caller (a constructor, a status slot): from the event loop.
    QTimer::singleShot(0, this, [this] { showMessage(1, tr("The settings could not be saved in %1.").arg(configDir())); });
}

void MousecfgWidget::chooseSlot(int index)
{
    if (index < 0 || index >= PROFILE_COUNT)
        return;
    // The DPI page's copies belong to the slot shown now.
    if (!settleUnappliedEdits())
        return;
    switchToSlot(index, false);
    // The slot goes active on the mouse on the write thread, ahead of its tables.
    m_session->activateWithNextWrite(index);
    sendSlotTables();
}

void MousecfgWidget::sendSlotTables()
{
    // The mouse holds one DPI table and one key table: the new slot's go out now.
    // From the tray no busy dialog pops up; the window's event loop runs either way.
    if (isVisible()) {
        runWrite(false);
    } else {
        const int status = m_session->write(false);
        if (status > 0)
            qDebug() << "slot tables not sent:" << status;
    }
    applyPointerSettings();
}
