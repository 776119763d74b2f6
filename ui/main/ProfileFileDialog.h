#pragma once
// The file dialogs of the profile controls (export, import, SAVE, LOAD1),
// behind one function so tests can answer them.
#include <QString>
#include <functional>

class QWidget;

enum class FileDialogKind { Save, Open };
using ProfileFileDialog = std::function<QString(FileDialogKind kind, const QString &title, const QString &filter)>;

// An empty function restores QFileDialog.
void setProfileFileDialog(ProfileFileDialog dialog);
// The chosen path; empty when the user cancelled.
QString askProfileFilePath(QWidget *parent, FileDialogKind kind, const QString &title, const QString &filter);
