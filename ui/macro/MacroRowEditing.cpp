// Rows of the event table: mouse actions and delays inserted by hand, moves,
// deletions, the row clipboard, the edit fields and edit mode.
#include "device/MacroEncoding.h"
#include "storage/MouseSettings.h"
#include "ui/macro/KestTreeWidget.h"
#include "model/MacroActions.h"
#include "ui/macro/MacroDialog.h"
#include "ui/macro/MacroEventModel.h"
#include <QCheckBox>
#include <QDebug>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableView>
#include <algorithm>

namespace {
// The delay of "INSERT DELAY" and the one that follows an inserted action
// when real delays are recorded.
constexpr int kInsertedDelayMs = 10;
} // namespace

int MacroDialog::currentRow() const
{
    const QModelIndex current = m_table->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void MacroDialog::setCurrentRow(int row)
{
    if (row < 0 || row >= m_model->rowCount()) {
        m_table->selectionModel()->clearCurrentIndex();
        m_table->clearSelection();
        showEditField();
        updateControls();
        return;
    }
    const QModelIndex index = m_model->index(row, 0);
    m_table->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_table->scrollTo(index);
}

void MacroDialog::SelectRow(const QModelIndex &current)
{
    qDebug("SelectRow %d\n", current.row());
    m_lastEditScan = m_lastEditFlags = -1;
    showEditField();
    updateControls();
    // A key row in edit mode takes the next key pressed.
    if (m_bEdit && m_hook && rowKind(m_model->event(current.row())) == RowKind::Key)
        setFocus(Qt::OtherFocusReason);
}

QVector<int> MacroDialog::selectedRows() const
{
    QVector<int> rows;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
        rows << index.row();
    if (rows.isEmpty() && currentRow() >= 0)
        rows << currentRow();
    std::sort(rows.begin(), rows.end());
    return rows;
}

QVector<MacroEvent> MacroDialog::accompanyingDelay() const
{
    switch (m_iDelayType) {
    case DelayRecorded:
        return {delayEvent(delayToUnits(kInsertedDelayMs, m_iDelayUnit))};
    case DelayDefault:
        return {delayEvent(delayToUnits(m_defaultDelayEdit->text().toInt(), m_iDelayUnit))};
    default:
        return {};
    }
}

bool MacroDialog::insertRows(const QVector<MacroEvent> &rows)
{
    if (currentMacroName().isEmpty() || m_bRecording || m_bBatch || rows.isEmpty())
        return false;
    if (!macroHasRoom(m_model->events() + rows)) {
        showMessage(tr("The macro has no room for this. The mouse takes at most %1 events in a macro, or %2 "
                       "without delays.")
                        .arg(KEY_INFO_COUNT)
                        .arg(MACRO_SLOT_PLAIN_EVENTS),
                    tr("Warning"));
        return false;
    }
    enterEditMode();
    const int at = currentRow() < 0 ? m_model->rowCount() : currentRow() + 1;
    m_model->insertEvents(at, rows);
    setCurrentRow(at + rows.size() - 1);
    return true;
}

void MacroDialog::TreeitemClick(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(column);
    if (!item || currentMacroName().isEmpty() || m_bRecording || m_bBatch)
        return;
    const int index = KestTreeWidget::entryIndex(item);
    qDebug("TreeitemClick = %d\n", index);
    QVector<MacroEvent> rows;
    switch (KestTreeWidget::entryKind(item)) {
    case KestTreeWidget::ButtonEntry:
        if (!item->isExpanded()) {
            m_tree->expandOnly(item);
            return;
        }
        rows << mouseButtonEvent(index, true) << accompanyingDelay() << mouseButtonEvent(index, false)
             << accompanyingDelay();
        break;
    case KestTreeWidget::PressEntry:
    case KestTreeWidget::ReleaseEntry:
        rows << mouseButtonEvent(index, KestTreeWidget::entryKind(item) == KestTreeWidget::PressEntry)
             << accompanyingDelay();
        break;
    case KestTreeWidget::MoveEntry: {
        const auto direction = MoveDirection(index);
        rows << ::moveEvent(direction, m_tree->distance(direction)) << accompanyingDelay();
        break;
    }
    case KestTreeWidget::HeadingEntry:
        return;
    }
    insertRows(rows);
}

void MacroDialog::insertDelay()
{
    insertRows({delayEvent(delayToUnits(kInsertedDelayMs, m_iDelayUnit))});
}

void MacroDialog::moveCurrentRow(int target)
{
    const int row = currentRow();
    if (row < 0 || target == row || target < 0 || target >= m_model->rowCount())
        return;
    enterEditMode();
    m_model->moveEvent(row, target);
    setCurrentRow(target);
}

void MacroDialog::moveRowUp()
{
    moveCurrentRow(currentRow() - 1);
}

void MacroDialog::moveRowDown()
{
    if (currentRow() >= 0)
        moveCurrentRow(currentRow() + 1);
}

void MacroDialog::moveRowTop()
{
    moveCurrentRow(0);
}

void MacroDialog::moveRowBottom()
{
    moveCurrentRow(m_model->rowCount() - 1);
}

void MacroDialog::deleteRow()
{
    const QVector<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    const int count = rows.last() - rows.first() + 1;
    // Without delay rows the mouse gets a pause after every fourth event: taking
    // out the last delays can make a macro longer than a slot.
    QVector<MacroEvent> rest = m_model->events();
    rest.remove(rows.first(), count);
    if (!macroHasRoom(rest) && encodedMacroSize(rest) > encodedMacroSize(m_model->events())) {
        showMessage(tr("Without its delays the macro would be too long for the mouse: it takes at most %1 events "
                       "without delays.")
                        .arg(MACRO_SLOT_PLAIN_EVENTS),
                    tr("Warning"));
        return;
    }
    enterEditMode();
    m_model->removeEvents(rows.first(), count);
    // The row that took the place of the first one removed, or the new last row.
    setCurrentRow(std::min(rows.first(), m_model->rowCount() - 1));
}

void MacroDialog::clearRows()
{
    if (m_model->rowCount() == 0)
        return;
    enterEditMode();
    m_model->clear();
    setCurrentRow(-1);
}

void MacroDialog::copyRows()
{
    const QVector<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    m_clipboard = m_model->events().mid(rows.first(), rows.last() - rows.first() + 1);
}

void MacroDialog::cutRows()
{
    if (selectedRows().isEmpty())
        return;
    copyRows();
    deleteRow();
}

void MacroDialog::pasteRows()
{
    insertRows(m_clipboard);
}

void MacroDialog::editRow()
{
    if (currentMacroName().isEmpty() || m_bRecording || m_bBatch)
        return;
    enterEditMode();
    installHook();
    if (rowKind(m_model->event(currentRow())) == RowKind::Key)
        setFocus(Qt::OtherFocusReason);
}

void MacroDialog::saveEdit()
{
    if (!m_bEdit)
        return;
    removeHook();
    if (!saveMacro(currentMacroName()))
        return; // still editing: nothing is lost
    leaveEditMode();
}

void MacroDialog::cancelEdit()
{
    if (!m_bEdit)
        return;
    removeHook();
    leaveEditMode();
    loadMacro(currentMacroName());
}

void MacroDialog::enterEditMode()
{
    if (m_bEdit)
        return;
    m_bEdit = true;
    emit EnableButtonsSignal(false);
    updateControls();
}

void MacroDialog::leaveEditMode()
{
    if (!m_bEdit)
        return;
    m_bEdit = false;
    clearFocus();
    emit EnableButtonsSignal(true);
    updateControls();
}

void MacroDialog::EditMoveChanged(const QString &text)
{
    const int row = currentRow();
    if (!m_bEdit || rowKind(m_model->event(row)) != RowKind::Move || text.isEmpty())
        return;
    m_model->replaceEvent(row, withMoveDistance(m_model->event(row), std::clamp(text.toInt(), 1, MACRO_MAX_MOVE)));
}

void MacroDialog::EditDelayChanged(const QString &text)
{
    const int row = currentRow();
    if (!m_bEdit || rowKind(m_model->event(row)) != RowKind::Delay || text.isEmpty())
        return;
    MacroEvent e = delayEvent(delayToUnits(text.toInt(), m_iDelayUnit));
    e.map = m_model->event(row).map;
    m_model->replaceEvent(row, e);
}

void MacroDialog::DefDelayChanged(const QString &text)
{
    // The next delay row reads the field; the macro keeps it.
    if (!text.isEmpty())
        saveOptionsWhenIdle();
}

void MacroDialog::LoopTimeChanged(const QString &text)
{
    if (!text.isEmpty())
        saveOptionsWhenIdle();
}

void MacroDialog::setDelayType(int type)
{
    m_iDelayType = (type == DelayRecorded || type == DelayDefault) ? type : DelayNone;
    m_recordDelayCheck->setChecked(m_iDelayType == DelayRecorded);
    m_defaultDelayCheck->setChecked(m_iDelayType == DelayDefault);
}

void MacroDialog::setLoopType(int type)
{
    m_iLoopType = (type >= 1 && type <= 3) ? type : 0;
    for (int i = 0; i < 3; ++i)
        m_loopChecks[i]->setChecked(m_iLoopType == i + 1);
}

void MacroDialog::checkbtn_clicked()
{
    auto *check = qobject_cast<QCheckBox *>(sender());
    if (check == m_recordDelayCheck)
        setDelayType(check->isChecked() ? DelayRecorded : DelayNone);
    else if (check == m_defaultDelayCheck)
        setDelayType(check->isChecked() ? DelayDefault : DelayNone);
    for (int i = 0; i < 3; ++i) {
        if (check == m_loopChecks[i])
            setLoopType(check->isChecked() ? i + 1 : 0);
    }
    saveOptionsWhenIdle();
}
