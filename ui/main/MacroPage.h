#pragma once
// The MACRO page: the macro editor, and the macro selection dialog it
// installs for the button panel. While it records or edits, the rest of the
// window is disabled (enableButtons).
#include <QWidget>

class ApplySession;
class MacroDialog;

class MacroPage : public QWidget
{
    Q_OBJECT
public:
    MacroPage(ApplySession *session, QWidget *parent = nullptr);
    MacroDialog *editor() const { return m_pMacroDialog; }
    // Macros belong to no profile; the list is re-read in case the store changed.
    void refresh();

signals:
    void enableButtons(bool enable);
    // A macro was renamed in the working record's button assignments.
    void assignmentsChanged();

private:
    ApplySession *m_session;
    MacroDialog *m_pMacroDialog;
};
