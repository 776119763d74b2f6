// The window's profile controls: the saved-profile menu, choosing a saved
// profile for the current slot, renaming, and the dispatch of the profile
// buttons (library commands in ProfileLibrary.cpp, files in ProfileTransfer.cpp).
#include "ui/main/MousecfgWidget.h"
#include "storage/ConfigStorage.h"
#include "storage/ProfileLibrary.h"
#include "ui/kit/KestAction.h"
#include "ui/kit/KestPushButton.h"
#include "ui/kit/Skin.h"
#include "ui/kit/UiScale.h"
#include "ui/main/StatusPresenter.h"
#include <QLineEdit>
#include <QMenu>

namespace {
constexpr int kMenuWidth = 152;
}

void MousecfgWidget::buildProfileManagement()
{
    m_savedProfileButton = button("savedProfileButton");
    m_savedProfileMenu = new QMenu(this);
    m_savedProfileMenu->setObjectName("savedProfileMenu");
    m_savedProfileMenu->setStyleSheet(QString::fromLatin1(POPUP_MENU_STYLE));
    // The list is per product, and the mouse may have changed since it was read.
    connect(m_savedProfileMenu, &QMenu::aboutToShow, this, [this] {
        reloadProfileListIfProductChanged();
        rebuildProfileMenu();
    });
    m_savedProfileButton->setMenu(m_savedProfileMenu);
    connect(m_profileNameEdit, &QLineEdit::returnPressed, this, &MousecfgWidget::slotProfileNameChange);
    const QColor accent = themeColor();
    m_profileNameEdit->setStyleSheet(QStringLiteral("QLineEdit{background: rgb(24,24,26); color: white;"
                                                    " border: 1px solid rgb(70,70,74); border-radius: 3px; padding: 0px 6px;"
                                                    " selection-background-color: rgb(%1,%2,%3);}"
                                                    "QLineEdit:focus{border: 1px solid rgb(%1,%2,%3);}")
                                         .arg(accent.red())
                                         .arg(accent.green())
                                         .arg(accent.blue()));
    loadProfileFileList();
    rebuildProfileMenu();
}

bool MousecfgWidget::handleProfileButton(const QString &objectName)
{
    static const struct {
        const char *objectName;
        void (MousecfgWidget::*run)();
    } kCommands[] = {
        {"addButton", &MousecfgWidget::addProfile},
        {"deleteButton", &MousecfgWidget::deleteProfile},
        {"copyButton", &MousecfgWidget::copyProfile},
        {"loadButton", &MousecfgWidget::loadConfigFile},
        {"saveButton", &MousecfgWidget::saveConfigFile},
        {"exportButton", &MousecfgWidget::exportProfile},
        {"importButton", &MousecfgWidget::importProfile},
        {"resetButton", &MousecfgWidget::resetProfile},
        {"resetAllButton", &MousecfgWidget::resetAllProfiles},
    };
    if (objectName == QLatin1String("savedProfileButton")) {
        reloadProfileListIfProductChanged();
        renameCurrentProfile(m_profileNameEdit->text().trimmed());
        rebuildProfileMenu();
        return true;
    }
    for (const auto &command : kCommands) {
        if (objectName == QLatin1String(command.objectName)) {
            reloadProfileListIfProductChanged();
            (this->*command.run)();
            return true;
        }
    }
    return false;
}

void MousecfgWidget::rebuildProfileMenu()
{
    if (!m_savedProfileMenu)
        return;
    m_savedProfileMenu->clear();
    m_savedProfileMenu->setFixedWidth(int(kMenuWidth * uiScale()));
    const QString current = m_working.profileNames[activeSlot(m_working)];
    for (const QString &name : m_listProfileFiles.mid(0, MAX_PROFILE_FILES)) {
        // The text is shown, the data is the name ("&" would otherwise mark a shortcut).
        auto *action = new KestAction(QString(name).replace(QLatin1Char('&'), QLatin1String("&&")), m_savedProfileMenu);
        action->setData(name);
        action->setCheckable(true);
        action->setChecked(name == current);
        connect(action, &QAction::triggered, this, [this, name] { chooseSavedProfile(name); });
        m_savedProfileMenu->addAction(action);
    }
}

void MousecfgWidget::bindCurrentSlot(const QString &name)
{
    const int slot = activeSlot(m_working);
    m_working.profileNames[slot] = name;
    m_working.profiles[slot].profileName = name;
    m_profileNameEdit->setText(name);
}

// A missing file gives the factory defaults, as at start-up.
void MousecfgWidget::loadCurrentSlotFrom(const QString &name)
{
    ProfileData &profile = m_working.profiles[activeSlot(m_working)];
    if (loadProfileByName(profile, name) < 0)
        makeDefaultProfile(profile);
    profile.profileName = name;
}

void MousecfgWidget::chooseSavedProfile(const QString &name)
{
    if (isNameUsedByOtherSlot(name)) {
        showMessage(2, tr("Profile is Already Used!"));
        return;
    }
    bindCurrentSlot(name);
    loadCurrentSlotFrom(name);
    refreshPanels();
    rebuildProfileMenu();
}

void MousecfgWidget::slotProfileNameChange()
{
    reloadProfileListIfProductChanged();
    renameCurrentProfile(m_profileNameEdit->text().trimmed());
}

// Renames the current slot's profile (storage/ProfileLibrary.h has the rule).
void MousecfgWidget::renameCurrentProfile(const QString &newName)
{
    const int slot = activeSlot(m_working);
    const QString oldName = m_working.profileNames[slot];
    const ProfileRenameResult result = renameSlotProfile(m_working, slot, newName, m_listProfileFiles);
    if (m_working.profileNames[slot] == oldName) {
        for (const QString &message : result.messages)
            showMessage(2, message);
        if (isProtectedProfileName(oldName))
            m_profileNameEdit->setText(oldName);
        return;
    }
    m_profileNameEdit->setText(newName);
    rebuildProfileMenu();
    for (const QString &message : result.messages)
        showMessage(2, message);
}

// The files are what Apply would have saved: edits not yet applied give way
// to what the other program stored. Held while a write runs or a dialog is open.
void MousecfgWidget::reloadStoredSettings()
{
    if (m_status->hold([this] { reloadStoredSettings(); }))
        return;
    if (!m_session->reload())
        return;
    const int slot = activeSlot(m_working);
    m_slotButton->setText(m_slotActions[slot]->text());
    m_profileNameEdit->setText(m_working.profileNames[slot]);
    loadProfileFileList();
    rebuildProfileMenu();
    refreshPanels();
}
