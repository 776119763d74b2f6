// The window's profile controls: the saved-profile menu, choosing a saved
// profile for the current slot, renaming, and the dispatch of the profile
// buttons (library commands in ProfileLibrary.cpp, files in ProfileTransfer.cpp).
#include "ui/main/ProfileControls.h"
#include "ui/main/ApplySession.h"
#include "storage/ConfigStorage.h"
#include "storage/ProfileLibrary.h"
#include "ui/kit/KestAction.h"
#include "ui/kit/KestPushButton.h"
#include "ui/kit/Skin.h"
#include "ui/kit/UiScale.h"
#include "ui/main/StatusPresenter.h"
#include <QLineEdit>
#include <QMenu>
#include <utility>

namespace {
constexpr int kMenuWidth = 152;
}

ProfileControls::ProfileControls(ApplySession *session, Window window, QLineEdit *nameEdit,
                                 KestPushButton *savedProfileButton, QObject *parent)
    : QObject(parent), m_session(session), m_window(std::move(window)), m_profileNameEdit(nameEdit),
      m_savedProfileButton(savedProfileButton)
{
    m_savedProfileMenu = new QMenu(m_window.widget);
    m_savedProfileMenu->setObjectName("savedProfileMenu");
    m_savedProfileMenu->setStyleSheet(QString::fromLatin1(POPUP_MENU_STYLE));
    // The list is per product, and the mouse may have changed since it was read.
    connect(m_savedProfileMenu, &QMenu::aboutToShow, this, [this] {
        reloadProfileListIfProductChanged();
        rebuildProfileMenu();
    });
    m_savedProfileButton->setMenu(m_savedProfileMenu);
    connect(m_profileNameEdit, &QLineEdit::returnPressed, this, &ProfileControls::slotProfileNameChange);
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

bool ProfileControls::handleButton(const QString &objectName)
{
    static const struct {
        const char *objectName;
        void (ProfileControls::*run)();
    } kCommands[] = {
        {"addButton", &ProfileControls::addProfile},
        {"deleteButton", &ProfileControls::deleteProfile},
        {"copyButton", &ProfileControls::copyProfile},
        {"loadButton", &ProfileControls::loadConfigFile},
        {"saveButton", &ProfileControls::saveConfigFile},
        {"exportButton", &ProfileControls::exportProfile},
        {"importButton", &ProfileControls::importProfile},
        {"resetButton", &ProfileControls::resetProfile},
        {"resetAllButton", &ProfileControls::resetAllProfiles},
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

void ProfileControls::rebuildProfileMenu()
{
    if (!m_savedProfileMenu)
        return;
    m_savedProfileMenu->clear();
    m_savedProfileMenu->setFixedWidth(int(kMenuWidth * uiScale()));
    const QString current = m_session->working().profileNames[activeSlot(m_session->working())];
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

void ProfileControls::bindCurrentSlot(const QString &name)
{
    const int slot = activeSlot(m_session->working());
    m_session->working().profileNames[slot] = name;
    m_session->working().profiles[slot].profileName = name;
    m_profileNameEdit->setText(name);
}

// A missing file gives the factory defaults, as at start-up.
void ProfileControls::loadCurrentSlotFrom(const QString &name)
{
    ProfileData &profile = m_session->working().profiles[activeSlot(m_session->working())];
    if (loadProfileByName(profile, name) < 0)
        makeDefaultProfile(profile);
    profile.profileName = name;
}

void ProfileControls::chooseSavedProfile(const QString &name)
{
    if (isNameUsedByOtherSlot(name)) {
        showMessage(2, tr("Profile is Already Used!"));
        return;
    }
    if (!m_window.settle())
        return;
    bindCurrentSlot(name);
    loadCurrentSlotFrom(name);
    m_window.panelsChanged();
    rebuildProfileMenu();
}

void ProfileControls::slotProfileNameChange()
{
    reloadProfileListIfProductChanged();
    renameCurrentProfile(m_profileNameEdit->text().trimmed());
}

// Renames the current slot's profile (storage/ProfileLibrary.h has the rule).
void ProfileControls::renameCurrentProfile(const QString &newName)
{
    const int slot = activeSlot(m_session->working());
    const QString oldName = m_session->working().profileNames[slot];
    const ProfileRenameResult result = renameSlotProfile(m_session->working(), slot, newName, m_listProfileFiles);
    if (m_session->working().profileNames[slot] == oldName) {
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

void ProfileControls::reload()
{
    loadProfileFileList();
    rebuildProfileMenu();
}
