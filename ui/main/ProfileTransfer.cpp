// Profiles in and out of the window: one profile to or from a .prof file,
// the whole configuration to or from a .conf file, and the two resets.
#include "ui/main/ProfileControls.h"
#include "ui/main/ApplySession.h"
#include "storage/ConfigStorage.h"
#include "ui/main/ProfileFileDialog.h"
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSaveFile>

namespace {

// A name typed without extension gets the one of the dialog's filter.
QString withSuffix(const QString &path, const QString &suffix)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + suffix : path;
}

bool readableFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

// Replaces target in one step: the save dialog has already asked about an
// existing file, and a failed write leaves it as it was.
bool copyReplacing(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = in.readAll();
    QDir().mkpath(QFileInfo(target).absolutePath());
    QSaveFile out(target);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
}

} // namespace

void ProfileControls::exportProfile()
{
    const int slot = activeSlot(m_session->working());
    const QString name = m_session->working().profileNames[slot];
    QString path = askProfileFilePath(m_window.widget, FileDialogKind::Save, tr("Save Profile File"), tr("Profile File(*.prof)"));
    if (path.isEmpty())
        return;
    path = withSuffix(path, QStringLiteral("prof"));
    const QString source = profileFilePath(name);
    // A slot that was never saved has no file yet: its settings are what is exported.
    const bool ready = (QFile::exists(source) || saveProfileByName(m_session->working().profiles[slot], name))
                       && writeMouseName(currentProductName(), source);
    if (!ready) {
        showMessage(2, tr("The file could not be written: %1").arg(source));
        return;
    }
    if (QFileInfo(path) == QFileInfo(source))
        return;
    if (!copyReplacing(source, path))
        showMessage(2, tr("The file could not be written: %1").arg(path));
}

void ProfileControls::importProfile()
{
    const QString path = askProfileFilePath(m_window.widget, FileDialogKind::Open, tr("Load Profile File"), tr("Profile File(*.prof)"));
    if (path.isEmpty())
        return;
    if (!readableFile(path)) {
        showMessage(2, tr("The file could not be read: %1").arg(path));
        return;
    }
    if (readMouseName(path) != currentProductName()) {
        showMessage(2, tr("The file is not match current mouse!"));
        return;
    }
    if (!isProfileFile(path)) {
        showMessage(2, tr("The file does not hold complete profile settings: %1").arg(path));
        return;
    }
    const QString name = QFileInfo(path).completeBaseName();
    if (refuseNewProfileName(name))
        return;
    if (isProfileNameTaken(name)) {
        showMessage(2, tr("Profile Exist!"));
        return;
    }
    if (refuseFullLibrary() || !m_window.settle())
        return;
    if (!QFile::copy(path, profileFilePath(name))) {
        showMessage(2, tr("The file could not be written: %1").arg(profileFilePath(name)));
        return;
    }
    m_listProfileFiles << name;
    saveProfileFileList();
    bindCurrentSlot(name);
    rebuildProfileMenu();
    loadCurrentSlotFrom(name);
    m_window.panelsChanged();
    m_window.write(false);
}

void ProfileControls::saveConfigFile()
{
    QString path = askProfileFilePath(m_window.widget, FileDialogKind::Save, tr("Save Config File"), tr("Config File(*.conf)"));
    if (path.isEmpty())
        return;
    path = withSuffix(path, QStringLiteral("conf"));
    const MouseSettings copy = m_session->working();
    if (!writeMouseName(currentProductName(), path) || !exportSettings(copy, path))
        showMessage(2, tr("The file could not be written: %1").arg(path));
}

void ProfileControls::loadConfigFile()
{
    const QString path = askProfileFilePath(m_window.widget, FileDialogKind::Open, tr("Load Config File"), tr("Config File(*.conf)"));
    if (path.isEmpty())
        return;
    if (!readableFile(path)) {
        showMessage(2, tr("The file could not be read: %1").arg(path));
        return;
    }
    if (readMouseName(path) != currentProductName()) {
        showMessage(2, tr("The file is not match current mouse!"));
        return;
    }
    if (!isSettingsExport(path)) {
        showMessage(2, tr("The file does not hold complete profile settings: %1").arg(path));
        return;
    }
    if (!m_window.settle())
        return;
    // Imported over a copy of the last-applied settings into the working
    // ones, so the write that follows sees, and sends, what the file changes.
    MouseSettings imported = m_session->applied();
    QList<int> renamed;
    if (importSettings(imported, path, &renamed) < 0) {
        showMessage(2, tr("The file could not be read: %1").arg(path));
        return;
    }
    for (int slot : renamed)
        showMessage(2, tr("Two slots had the same profile name. Slot %1 is now called \"%2\".")
                           .arg(slot + 1)
                           .arg(imported.profileNames[slot]));
    m_session->working() = imported;
    m_window.pageShown(0);
    m_window.slotShown(m_session->working().profileId);
    rebuildProfileMenu();
    m_window.write(false);
}

void ProfileControls::resetProfile()
{
    if (showMessage(1, tr("Are you sure you want reset this profile?")) != 1)
        return;
    const int slot = activeSlot(m_session->working());
    qDebug("Accepted %d", slot);
    makeDefaultProfile(m_session->working().profiles[slot]);
    m_session->working().profiles[slot].profileName = m_session->working().profileNames[slot];
    m_window.relabelled();
    m_window.panelsChanged();
    m_profileNameEdit->setText(m_session->working().profileNames[slot]);
    m_window.write(false);
}

void ProfileControls::resetAllProfiles()
{
    if (showMessage(1, tr("Are you sure you want reset all profiles?")) != 1)
        return;
    makeDefaultSettings(m_session->working());
    // "All profiles" means all five, not only the first.
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        makeDefaultProfile(m_session->working().profiles[i]);
        m_session->working().profiles[i].profileName = m_session->working().profileNames[i];
    }
    m_window.slotShown(m_session->working().profileId);
    rebuildProfileMenu();
    m_window.write(true);
}
