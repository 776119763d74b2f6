// The window's side of the MACRO page: the macro editor, and the macro
// selection dialog offered to the button panel.
#include "ui/main/MousecfgWidget.h"
#include "storage/ConfigStorage.h"
#include "model/MacroSelection.h"
#include "ui/macro/KestMacroSelect.h"
#include "ui/macro/MacroDialog.h"
#include "model/MacroLibrary.h"
#include <QVBoxLayout>

namespace {
bool runMacroSelect(QWidget *parent, const QString &title, MacroSelection &selection)
{
    KestMacroSelect dialog(title, selection.name, selection.loopCount, selection.mode, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    selection.name = dialog.chosenName();
    selection.loopCount = dialog.loopCount();
    selection.mode = dialog.mode();
    return true;
}
} // namespace

void MousecfgWidget::buildMacroPage(QWidget *page)
{
    m_pMacroDialog = new MacroDialog(page);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pMacroDialog);
    connect(m_pMacroDialog, &MacroDialog::EnableButtonsSignal, this, &MousecfgWidget::slotEnableButtons);
    setMacroSelector(runMacroSelect);
    m_pMacroDialog->setMacroUsers([this](const QString &name) { return macroButtonNames(m_working, name); },
                                  [this](const QString &oldName, const QString &newName) {
                                      // The working record is sent at the next Apply; the
                                      // files, slots and library alike, follow at once.
                                      for (ProfileData &profile : m_working.profiles)
                                          renameMacroButtons(profile, oldName, newName);
                                      m_customizePage->refresh();
                                      return renameMacroInProfileFiles(oldName, newName);
                                  });
}

void MousecfgWidget::refreshMacroPage()
{
    // Macros belong to no profile; the list is re-read in case the store changed.
    if (m_pMacroDialog && !m_pMacroDialog->isRecording() && !m_pMacroDialog->isEditing())
        m_pMacroDialog->reloadList();
}
