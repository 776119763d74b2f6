// Recording the keyboard into the event table, and replacing the key of a
// row in edit mode; both read the keyboard layer.
#include "platform/KeyboardHook.h"
#include "storage/KeyTables.h"
#include "model/MacroActions.h"
#include "ui/macro/MacroDialog.h"
#include "ui/macro/MacroEventModel.h"
#include <QAbstractSpinBox>
#include <QApplication>
#include <QDebug>
#include <QLineEdit>
#include <QTableView>

void MacroDialog::setRecorderClock(MacroRecorder::Clock clock)
{
    m_recorder.setClock(std::move(clock));
}

void MacroDialog::startRecording()
{
    beginRecording(false);
}

void MacroDialog::recordAfter()
{
    beginRecording(true);
}

void MacroDialog::beginRecording(bool after)
{
    // Nothing to record into without a listed macro.
    if (m_bRecording || m_bEdit || m_bBatch || currentMacroName().isEmpty())
        return;
    m_recordingName = currentMacroName();
    if (after) {
        m_iRecordInsertRow = currentRow() < 0 ? m_model->rowCount() : currentRow() + 1;
    } else {
        m_iRecordInsertRow = -1;
        m_model->clear();
    }
    m_bRecording = true;
    emit EnableButtonsSignal(false);
    m_recorder.start(m_iDelayType, m_defaultDelayEdit->text().toInt(), m_iDelayUnit);
    installHook();
    setFocus(Qt::OtherFocusReason);
    updateControls();
}

void MacroDialog::stopRecording()
{
    if (!m_bRecording)
        return;
    m_bRecording = false;
    m_iRecordInsertRow = -1;
    removeHook();
    clearFocus();
    emit EnableButtonsSignal(true);
    updateControls();
    if (!MacroRecorder::allKeysReleased(m_model->events()))
        showMessage(tr("ONE OR MORE KEYS HAS NOT BEEN RELEASED."), tr("Warning"));
    // Kept as recorded either way: the user can fix the rows afterwards.
    saveMacro(m_recordingName);
}

void MacroDialog::installHook()
{
    if (!m_hook)
        m_hook = std::make_unique<KeyboardHook>(KeyboardHook::MacroRecorder,
                                                [this](int scanCode, int flags) { onHookKey(scanCode, flags); });
}

void MacroDialog::removeHook()
{
    m_hook.reset();
    m_lastEditScan = m_lastEditFlags = -1;
}

void MacroDialog::onHookKey(int scanCode, int flags)
{
    if (m_bRecording)
        recordKey(scanCode, flags);
    else if (m_bEdit)
        editKey(scanCode, flags);
}

void MacroDialog::recordKey(int scanCode, int flags)
{
    const QVector<MacroEvent> rows = m_recorder.keyEvent(scanCode, flags, m_model->events());
    if (rows.isEmpty())
        return;
    int at = m_iRecordInsertRow >= 0 ? m_iRecordInsertRow : m_model->rowCount();
    m_model->insertEvents(at, rows);
    at += rows.size();
    if (m_iRecordInsertRow >= 0)
        m_iRecordInsertRow = at;
    setCurrentRow(at - 1);
}

void MacroDialog::editKey(int scanCode, int flags)
{
    // A typed distance or delay belongs to its field.
    QWidget *focus = QApplication::focusWidget();
    if (auto *edit = qobject_cast<QLineEdit *>(focus); edit && !edit->isReadOnly())
        return;
    if (qobject_cast<QAbstractSpinBox *>(focus))
        return;
    if (scanCode == m_lastEditScan && flags == m_lastEditFlags)
        return;
    m_lastEditScan = scanCode;
    m_lastEditFlags = flags;
    const int row = currentRow();
    MacroEvent e = m_model->event(row);
    if (row < 0 || rowKind(e) != RowKind::Key)
        return;
    int usage = 0;
    if (!keyCodeToHidUsage(MacroRecorder::keyCodeOf(scanCode, flags), usage))
        return;
    e.low = uint8_t(usage);
    m_model->replaceEvent(row, e);
    showEditField();
}
