#pragma once
// The MACRO page: the macro editor, and the macro selection dialog it
// installs for the button panel. While it records or edits, the rest of the
// window is disabled (enableButtons). The editor is made when the page is
// first shown or asked for.
#include <QWidget>

class ApplySession;
class MacroDialog;

class MacroPage : public QWidget
{
    Q_OBJECT
public:
    MacroPage(ApplySession *session, QWidget *parent = nullptr);
    MacroDialog *editor();
    // Macros belong to no profile; the list is re-read in case the store changed.
    void refresh();

signals:
    void enableButtons(bool enable);
    // A macro was renamed in the working record's button assignments.
    void assignmentsChanged();
    // The editor was made (its fields join the window's Tab order).
    void editorBuilt();

protected:
    void showEvent(QShowEvent *event) override;

private:
    ApplySession *m_session;
    MacroDialog *m_pMacroDialog = nullptr;
};
