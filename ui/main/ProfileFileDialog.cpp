#include "ui/main/ProfileFileDialog.h"
#include <QFileDialog>

namespace {
ProfileFileDialog g_dialog;
}

void setProfileFileDialog(ProfileFileDialog dialog)
{
    g_dialog = std::move(dialog);
}

QString askProfileFilePath(QWidget *parent, FileDialogKind kind, const QString &title, const QString &filter)
{
    if (g_dialog)
        return g_dialog(kind, title, filter);
    if (kind == FileDialogKind::Save)
        return QFileDialog::getSaveFileName(parent, title, QString(), filter);
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}
