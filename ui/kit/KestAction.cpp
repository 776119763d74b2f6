#include "ui/kit/KestAction.h"
#include "ui/kit/Fonts.h"

KestAction::KestAction(QObject *parent) : QAction(parent)
{
    applyFont();
}

KestAction::KestAction(const QString &text, QObject *parent) : QAction(text, parent)
{
    applyFont();
}

void KestAction::setText(const QString &text)
{
    QAction::setText(text);
    applyFont();
}

void KestAction::applyFont()
{
    setFont(languageFont());
}
