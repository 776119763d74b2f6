#include "ui/main/MacroPage.h"
#include "ui/main/ApplySession.h"
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

MacroPage::MacroPage(ApplySession *session, QWidget *parent) : QWidget(parent), m_session(session)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    setMacroSelector(runMacroSelect);
}

MacroDialog *MacroPage::editor()
{
    if (m_pMacroDialog)
        return m_pMacroDialog;
    m_pMacroDialog = new MacroDialog(this);
    layout()->addWidget(m_pMacroDialog);
    m_pMacroDialog->show(); // at once, not when the event loop next runs
    connect(m_pMacroDialog, &MacroDialog::EnableButtonsSignal, this, &MacroPage::enableButtons);
    m_pMacroDialog->setMacroUsers([this](const QString &name) { return macroButtonNames(m_session->working(), name); },
                                  [this](const QString &oldName, const QString &newName) {
                                      // The working record is sent at the next Apply; the
                                      // files, slots and library alike, follow at once.
                                      for (ProfileData &profile : m_session->working().profiles)
                                          renameMacroButtons(profile, oldName, newName);
                                      emit assignmentsChanged();
                                      return renameMacroInProfileFiles(oldName, newName);
                                  });
    emit editorBuilt();
    return m_pMacroDialog;
}

void MacroPage::showEvent(QShowEvent *event)
{
    editor();
    QWidget::showEvent(event);
}

void MacroPage::refresh()
{
    // An editor not made yet reads the list when it is.
    if (m_pMacroDialog && !m_pMacroDialog->isRecording() && !m_pMacroDialog->isEditing())
        m_pMacroDialog->reloadList();
}
