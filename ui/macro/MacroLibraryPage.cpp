// The macro list of the page and the store behind it: loading and saving the
// current macro, NEW, DELETE, CHANGE NAME, IMPORT, EXPORT, BATCH and GUN SET.
#include "storage/SafeName.h"
#include "ui/kit/KestListItem.h"
#include "ui/kit/KestMessageBox.h"
#include "ui/kit/KestPushButton.h"
#include "ui/kit/UiScale.h"
#include "ui/macro/GunSet.h"
#include "ui/macro/KestGunsetDialog.h"
#include "ui/macro/MacroDialog.h"
#include "ui/macro/MacroEventModel.h"
#include "model/MacroLibrary.h"
#include <QCheckBox>
#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>

namespace {
constexpr auto kMacroFileFilter = QT_TRANSLATE_NOOP("MacroDialog", "Macro File(*.MSMACRO)");
const QString kSuffix = QStringLiteral(".MSMACRO");
constexpr int kNewDefaultDelay = 10;
constexpr int kNewLoopTime = 1;
} // namespace

QString MacroDialog::currentMacroName() const
{
    const QListWidgetItem *item = m_list->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

QStringList MacroDialog::listedNames() const
{
    QStringList names;
    for (int i = 0; i < m_list->count(); ++i)
        names << m_list->item(i)->data(Qt::UserRole).toString();
    return names;
}

QStringList MacroDialog::checkedNames() const
{
    QStringList names;
    for (int i = 0; i < m_list->count(); ++i) {
        if (m_list->item(i)->checkState() == Qt::Checked)
            names << m_list->item(i)->data(Qt::UserRole).toString();
    }
    return names;
}

void MacroDialog::reloadList(const QString &select)
{
    const QString wanted = select.isEmpty() ? currentMacroName() : select;
    const QStringList names = macroNames();
    m_bLoading = true;
    m_list->clear();
    for (const QString &name : names) {
        auto *item = new QListWidgetItem(m_list);
        item->setData(Qt::UserRole, name);
        item->setSizeHint(QSize(0, scaled(24)));
        item->setToolTip(name);
        if (m_bBatch) {
            item->setText(name);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        } else {
            auto *row = new KestListItem(name);
            row->setObjectName(QStringLiteral("macroListItem"));
            // Queued: a refused name rebuilds the list, and with it this row.
            connect(row, &KestListItem::EditFinishedSignal, this,
                    [this](KestListItem *, const QString &text) { renameMacro(text); }, Qt::QueuedConnection);
            m_list->setItemWidget(item, row);
        }
    }
    m_bLoading = false;
    int row = names.indexOf(wanted);
    if (row < 0 && !names.isEmpty())
        row = 0;
    if (row >= 0) {
        m_list->setCurrentRow(row);
    } else {
        m_model->clear();
        showEditField();
        updateControls();
    }
}

void MacroDialog::selectMacro(const QString &name)
{
    const int row = listedNames().indexOf(name);
    if (row >= 0)
        m_list->setCurrentRow(row);
}

void MacroDialog::CurrentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    Q_UNUSED(previous);
    qDebug("CurrentChanged 1\n");
    if (m_bLoading)
        return;
    if (!current.isValid()) {
        qDebug("CurrentChanged 2\n");
        m_model->clear();
        updateControls();
        return;
    }
    qDebug("CurrentChanged 3\n");
    loadMacro(current.data(Qt::UserRole).toString());
    qDebug("CurrentChanged 4\n");
}

void MacroDialog::loadMacro(const QString &name)
{
    MacroFile macro;
    if (loadMacroFile(name, macro) < 0) {
        qDebug().noquote() << "Macro" << name << "has no file; showing it empty";
        macro = emptyMacro();
    }
    m_bLoading = true;
    setDelayType(macro.delayType);
    m_defaultDelayEdit->setText(QString::number(std::max(0, macro.defaultDelay)));
    setLoopType(macro.loopType);
    m_loopTimeEdit->setText(QString::number(qBound(1, macro.loopTime, 255)));
    m_model->setEvents(macro.events);
    m_bLoading = false;
    setCurrentRow(-1);
    showEditField();
    updateControls();
}

MacroFile MacroDialog::macroFromPage() const
{
    MacroFile macro;
    macro.defaultDelay = m_defaultDelayEdit->text().toInt();
    macro.delayType = m_iDelayType;
    macro.loopType = m_iLoopType;
    macro.loopTime = qBound(1, m_loopTimeEdit->text().toInt(), 255);
    macro.events = m_model->events();
    return macro;
}

bool MacroDialog::saveMacro(const QString &name)
{
    if (name.isEmpty())
        return false;
    if (saveMacroFile(name, macroFromPage()))
        return true;
    showMessage(tr("The macro could not be saved. Check that the folder %1 can be written.")
                    .arg(QDir::toNativeSeparators(macroDir())),
                tr("Warning"));
    return false;
}

void MacroDialog::saveOptionsWhenIdle()
{
    if (m_bLoading || m_bRecording || m_bEdit)
        return;
    saveMacro(currentMacroName());
}

bool MacroDialog::refuseFullStore()
{
    if (!macroStoreFull())
        return false;
    showMessage(tr("TOO MANY MACROS TO BE CREATE!"), tr("WARNING"));
    return true;
}

void MacroDialog::newMacro()
{
    if (m_bRecording || m_bEdit || m_bBatch || refuseFullStore())
        return;
    const QString name = firstFreeNumberedName(QStringLiteral("name"));
    m_model->clear();
    m_defaultDelayEdit->setText(QString::number(kNewDefaultDelay));
    m_loopTimeEdit->setText(QString::number(kNewLoopTime));
    if (!createMacro(name, macroFromPage())) {
        showMessage(tr("The macro could not be saved. Check that the folder %1 can be written.")
                        .arg(QDir::toNativeSeparators(macroDir())),
                    tr("Warning"));
        reloadList();
        return;
    }
    reloadList(name);
}

void MacroDialog::setMacroUsers(MacroUsers users, MacroRenamed renamed)
{
    m_macroUsers = std::move(users);
    m_macroRenamed = std::move(renamed);
}

void MacroDialog::deleteMacro()
{
    const QString name = currentMacroName();
    if (name.isEmpty() || m_bRecording || m_bEdit || m_bBatch)
        return;
    const QStringList users = m_macroUsers ? m_macroUsers(name) : QStringList();
    if (!users.isEmpty()) {
        KestMessageBox box(1, QString(), tr("Warning"),
                           tr("The macro \"%1\" is played by %2. Those buttons will play nothing. Delete it anyway?")
                               .arg(name, users.join(QStringLiteral(", "))),
                           this);
        if (box.exec() != 1)
            return;
    }
    const int row = m_list->currentRow();
    const MacroStoreResult result = removeMacro(name);
    if (!result.ok()) {
        showMessage(result.message, macroStoreCaption(result.error));
        return;
    }
    const QStringList remaining = macroNames();
    reloadList(remaining.value(std::min(row, int(remaining.size()) - 1)));
}

void MacroDialog::beginRename()
{
    if (m_bRecording || m_bEdit || m_bBatch)
        return;
    if (auto *row = qobject_cast<KestListItem *>(m_list->itemWidget(m_list->currentItem())))
        row->editPressSlot();
}

bool MacroDialog::renameMacro(const QString &newName)
{
    const QString oldName = currentMacroName();
    if (oldName.isEmpty() || newName == oldName || m_bRecording || m_bEdit)
        return false;
    auto refuse = [this, &oldName](const QString &message) {
        showMessage(message, tr("Warning"));
        reloadList(oldName);
        return false;
    };
    const QString problem = fileNameProblem(newName);
    if (!problem.isEmpty())
        return refuse(problem);
    if (macroFileExists(newName) || macroNames().contains(newName))
        return refuse(tr("Macro Exist!"));
    if (!renameMacroFile(oldName, newName))
        return refuse(tr("The macro could not be renamed."));
    QStringList names = macroNames();
    std::replace(names.begin(), names.end(), oldName, newName);
    writeMacroNames(names);
    if (!macroNames().contains(newName)) {
        renameMacroFile(newName, oldName);
        return refuse(tr("The macro list could not be saved."));
    }
    reloadList(newName);
    // The buttons that played it follow the new name.
    if (m_macroRenamed && !m_macroRenamed(oldName, newName))
        showMessage(tr("Some profiles could not be updated to the new macro name."), tr("Warning"));
    return true;
}

void MacroDialog::chooseImportFiles()
{
    if (m_bRecording || m_bEdit || refuseFullStore())
        return;
    const QString filter = tr(kMacroFileFilter);
    QStringList paths;
    if (m_bBatch)
        paths = QFileDialog::getOpenFileNames(this, tr("Load Macro File"), QString(), filter);
    else
        paths << QFileDialog::getOpenFileName(this, tr("Load Macro File"), QString(), filter);
    paths.removeAll(QString());
    importMacroFiles(paths);
}

void MacroDialog::importMacroFiles(const QStringList &paths)
{
    QString imported;
    for (const QString &path : paths) {
        const MacroStoreResult result = importMacroFile(path);
        if (result.ok()) {
            imported = result.name;
            continue;
        }
        showMessage(result.message, macroStoreCaption(result.error));
        if (result.error == MacroStoreError::StoreFull)
            break;
    }
    if (!imported.isEmpty())
        reloadList(imported);
}

void MacroDialog::chooseExportTarget()
{
    if (m_bRecording || m_bEdit)
        return;
    if (m_bBatch) {
        if (checkedNames().isEmpty()) {
            showMessage(tr("No macro is checked."), tr("Warning"));
            return;
        }
        const QString directory = QFileDialog::getExistingDirectory(this, tr("Save Macro File"), QStringLiteral("./"));
        if (!directory.isEmpty())
            exportCheckedTo(directory);
        return;
    }
    const QString name = currentMacroName();
    if (name.isEmpty())
        return;
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Macro File"), name + kSuffix, tr(kMacroFileFilter));
    if (path.isEmpty())
        return;
    exportMacroTo(macroExportPath(path));
}

bool MacroDialog::exportMacroTo(const QString &path)
{
    const QString name = currentMacroName();
    if (name.isEmpty())
        return false;
    const MacroStoreResult result = exportMacroFile(name, path);
    if (!result.ok())
        showMessage(result.message, macroStoreCaption(result.error));
    return result.ok();
}

void MacroDialog::exportCheckedTo(const QString &directory)
{
    QStringList failed;
    for (const QString &name : checkedNames()) {
        const QString target = directory + QLatin1Char('/') + name + kSuffix;
        if (!exportMacroFile(name, target).ok())
            failed << QDir::toNativeSeparators(target);
    }
    if (!failed.isEmpty())
        showMessage(tr("The macro file %1 could not be copied.").arg(failed.join(QStringLiteral(", "))), tr("Warning"));
}

void MacroDialog::setBatchMode(bool on)
{
    if (m_bRecording || m_bEdit)
        on = false;
    m_bBatch = on;
    pageButton(QStringLiteral("macroBatchButton"))->setChecked(on);
    reloadList();
    updateControls();
}

void MacroDialog::toggleBatch()
{
    setBatchMode(!m_bBatch);
}

void MacroDialog::openGunSet()
{
    if (m_bRecording || m_bEdit || m_bBatch || refuseFullStore())
        return;
    KestGunsetDialog dialog(this, uiScale());
    if (dialog.exec() != QDialog::Accepted)
        return;
    createGunFile(dialog.fileName(), dialog.events());
}

bool MacroDialog::createGunFile(const QString &name, const QVector<MacroEvent> &events)
{
    if (refuseFullStore())
        return false;
    const QString fileName = uniqueMacroName(name);
    const QString problem = fileNameProblem(fileName);
    if (!problem.isEmpty()) {
        showMessage(problem, tr("Warning"));
        return false;
    }
    m_model->clear();
    m_defaultDelayEdit->setText(QString::number(GUN_DELAY_STEP_MS));
    m_loopTimeEdit->setText(QString::number(kNewLoopTime));
    if (!createMacro(fileName, gunMacroFile(events))) {
        showMessage(tr("The macro could not be saved. Check that the folder %1 can be written.")
                        .arg(QDir::toNativeSeparators(macroDir())),
                    tr("Warning"));
        reloadList();
        return false;
    }
    reloadList(fileName);
    return true;
}
