#pragma once
// Enter and Esc on the kit's dialogs, whose answers are tool buttons: Enter
// presses the focused answer (the first one while none has the focus), Esc
// the answer that changes nothing.
class QDialog;
class QKeyEvent;
class QToolButton;

// True when the key was Enter or Esc and a button took it.
bool answerDialogKey(QDialog *dialog, QKeyEvent *event, QToolButton *firstAnswer, QToolButton *escapeAnswer);
