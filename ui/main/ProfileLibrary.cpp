// The window's saved-profile library: its list (kept by storage/ProfileLibrary)
// and the commands that add to it, copy into it and delete from it.
//
// Every profile file lives in profileDir(), whatever the product: slots and
// library resolve a name to the same file. The list itself is per product.
#include "ui/main/ProfileControls.h"
#include "ui/main/ApplySession.h"
#include "storage/ConfigStorage.h"
#include "storage/ProfileLibrary.h"
#include <QDebug>
#include <QFile>
#include <QLineEdit>

void ProfileControls::loadProfileFileList()
{
    m_profileListProduct = currentProductName();
    m_listProfileFiles = ::loadProfileFileList(m_session->working());
}

bool ProfileControls::saveProfileFileList()
{
    if (::saveProfileFileList(m_listProfileFiles))
        return true;
    showMessage(2, tr("The saved-profile list could not be saved in %1.").arg(productConfigFilePath()));
    return false;
}

void ProfileControls::reloadProfileListIfProductChanged()
{
    if (currentProductName() == m_profileListProduct)
        return;
    loadProfileFileList();
    rebuildProfileMenu();
}

bool ProfileControls::isNameUsedByOtherSlot(const QString &name) const
{
    for (int j = 0; j < PROFILE_COUNT; ++j) {
        if (j != m_session->working().profileId && m_session->working().profileNames[j] == name)
            return true;
    }
    return false;
}

bool ProfileControls::isProfileNameTaken(const QString &name) const
{
    return ::isProfileNameTaken(name, m_session->working(), m_listProfileFiles);
}

// Shows why a name cannot become a profile file; false when it can.
bool ProfileControls::refuseNewProfileName(const QString &name)
{
    const QString refusal = profileNameRefusal(name);
    if (refusal.isEmpty())
        return false;
    showMessage(2, refusal);
    return true;
}

bool ProfileControls::refuseFullLibrary()
{
    if (m_listProfileFiles.size() < MAX_PROFILE_FILES)
        return false;
    showMessage(2, tr("The saved-profile list is full (%1 profiles). Delete a profile first.").arg(MAX_PROFILE_FILES));
    return true;
}

QString ProfileControls::createProfileFile()
{
    if (!QFile::exists(defaultProfileFilePath()))
        writeDefaultProfileFile();
    QString name;
    for (int n = 1;; ++n) {
        name = QStringLiteral("Profile %1").arg(n);
        if (!isProfileNameTaken(name))
            break;
    }
    if (!QFile::copy(defaultProfileFilePath(), profileFilePath(name))) {
        qWarning().noquote() << "Could not copy" << defaultProfileFilePath() << "to" << profileFilePath(name);
        return QString();
    }
    m_listProfileFiles << name;
    saveProfileFileList();
    return name;
}

void ProfileControls::addProfile()
{
    if (refuseFullLibrary())
        return;
    const QString name = createProfileFile();
    if (name.isEmpty()) {
        showMessage(2, tr("The profile file could not be written in %1.").arg(profileDir()));
        return;
    }
    bindCurrentSlot(name);
    rebuildProfileMenu();
    loadCurrentSlotFrom(name);
    m_window.panelsChanged();
}

// The entry that takes the place of entry `deleted`: the next one (the one
// before when the last is deleted), else the nearest earlier one that no other
// slot uses, else the nearest later one; -1 when every other entry is in use.
int ProfileControls::replacementIndex(int deleted) const
{
    const int last = m_listProfileFiles.size() - 1;
    const int start = deleted == last ? deleted - 1 : deleted + 1;
    for (int i = start; i >= 0; --i) {
        if (i != deleted && !isNameUsedByOtherSlot(m_listProfileFiles[i]))
            return i;
    }
    for (int i = start + 1; i <= last; ++i) {
        if (i != deleted && !isNameUsedByOtherSlot(m_listProfileFiles[i]))
            return i;
    }
    return -1;
}

// Removes the entry and its file; returns the replacement, or an empty text
// (and nothing changed) when the name is not listed, nothing can replace it or
// the file cannot be removed.
QString ProfileControls::deleteProfileFile(const QString &name)
{
    const int k = m_listProfileFiles.indexOf(name);
    if (k < 0)
        return QString();
    const int r = replacementIndex(k);
    if (r < 0)
        return QString();
    const QString replacement = m_listProfileFiles[r];
    QFile file(profileFilePath(name));
    if (file.exists() && !file.remove()) {
        qWarning().noquote() << "Could not remove" << file.fileName() << "-" << file.errorString();
        return QString();
    }
    m_listProfileFiles.removeAt(k);
    return replacement;
}

void ProfileControls::deleteProfile()
{
    const QString name = m_profileNameEdit->text();
    if (m_listProfileFiles.size() < 2) {
        showMessage(2, tr("AT LEAST ONE PROFILE TO BE RETAINED."));
        return;
    }
    if (isProtectedProfileName(name)) {
        showMessage(2, tr("The default Profile cannot be deleted or renamed."));
        return;
    }
    const int k = m_listProfileFiles.indexOf(name);
    if (k < 0) {
        // Typed without Enter: there is nothing of that name to delete.
        showMessage(2, tr("\"%1\" is not in the saved-profile list.").arg(name));
        m_profileNameEdit->setText(m_session->working().profileNames[m_session->working().profileId]);
        return;
    }
    if (isNameUsedByOtherSlot(name)) {
        showMessage(2, tr("Profile is Already Used!"));
        return;
    }
    if (replacementIndex(k) < 0) {
        showMessage(2, tr("Every other saved profile is in use by another slot."));
        return;
    }
    if (showMessage(1, tr("Are you sure you want delete this profile?")) != 1)
        return;
    const QString replacement = deleteProfileFile(name);
    if (replacement.isEmpty()) {
        showMessage(2, tr("The profile file could not be removed: %1").arg(profileFilePath(name)));
        return;
    }
    bindCurrentSlot(replacement);
    saveProfileFileList();
    rebuildProfileMenu();
    loadCurrentSlotFrom(replacement);
    m_window.panelsChanged();
}

void ProfileControls::copyProfile()
{
    if (refuseFullLibrary())
        return;
    const int slot = m_session->working().profileId;
    const QString source = m_session->working().profileNames[slot];
    QString name = source + QStringLiteral(" copy");
    for (int n = 2; isProfileNameTaken(name); ++n)
        name = source + QStringLiteral(" copy %1").arg(n);
    if (refuseNewProfileName(name))
        return;
    // A slot that was never saved has no file yet: its settings are the copy.
    const bool copied = QFile::exists(profileFilePath(source))
                            ? QFile::copy(profileFilePath(source), profileFilePath(name))
                            : saveProfile(m_session->working().profiles[slot], profileFilePath(name));
    if (!copied) {
        showMessage(2, tr("The profile file could not be written in %1.").arg(profileDir()));
        return;
    }
    m_listProfileFiles << name;
    bindCurrentSlot(name);
    saveProfileFileList();
    rebuildProfileMenu();
}
