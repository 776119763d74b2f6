#include "ui/kit/DialogKeys.h"
#include <QDialog>
#include <QKeyEvent>
#include <QToolButton>

bool answerDialogKey(QDialog *dialog, QKeyEvent *event, QToolButton *firstAnswer, QToolButton *escapeAnswer)
{
    QToolButton *pressed = nullptr;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        pressed = qobject_cast<QToolButton *>(dialog->focusWidget());
        if (!pressed || !pressed->isVisible())
            pressed = firstAnswer;
        break;
    case Qt::Key_Escape:
        pressed = escapeAnswer;
        break;
    default:
        break;
    }
    if (!pressed)
        return false;
    pressed->click();
    return true;
}
