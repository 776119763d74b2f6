#pragma once
// The window's profile controls: the saved-profile library ("PROFILE_LIST" of
// the product's Config.ini, files in profileDir()), the name edit and rename,
// ADD, DELETE, COPY, single-profile export/import, SAVE/LOAD1 and the resets.
// They change the session's working record; the window shows the outcome.
#include <QCoreApplication>
#include <QObject>
#include <QStringList>
#include <functional>

class ApplySession;
class KestPushButton;
class QLineEdit;
class QMenu;
class QWidget;

class ProfileControls : public QObject
{
    // The messages are the window's.
    Q_DECLARE_TR_FUNCTIONS(MousecfgWidget)
public:
    // What the controls need of the window.
    struct Window {
        QWidget *widget;                                    // parent of the dialogs
        std::function<int(int type, const QString &text)> message;
        std::function<void()> panelsChanged;                // the working record's profile changed
        std::function<void(bool writeAll)> write;
        std::function<void(int slot)> slotShown;            // the working record has another slot or record
        std::function<void(int page)> pageShown;
        std::function<void()> relabelled;                   // texts shown again after a reset
        std::function<bool()> settle;                       // edits waiting for Apply: asked about; false = cancelled
    };

    ProfileControls(ApplySession *session, Window window, QLineEdit *nameEdit, KestPushButton *savedProfileButton,
                    QObject *parent = nullptr);

    const QStringList &fileList() const { return m_listProfileFiles; }
    QMenu *savedProfileMenu() const { return m_savedProfileMenu; }
    // The profile buttons by object name; true when the button was one of them.
    bool handleButton(const QString &objectName);
    // Enter in the name edit: renames the current slot's profile.
    void slotProfileNameChange();
    // The list from the files again (another program stored them).
    void reload();

private:
    void loadProfileFileList();
    bool saveProfileFileList();
    void rebuildProfileMenu();
    void reloadProfileListIfProductChanged();
    bool isNameUsedByOtherSlot(const QString &name) const;
    bool isProfileNameTaken(const QString &name) const;
    bool refuseNewProfileName(const QString &name);
    bool refuseFullLibrary();
    QString createProfileFile();
    QString deleteProfileFile(const QString &name);
    int replacementIndex(int deleted) const;
    void bindCurrentSlot(const QString &name);
    void loadCurrentSlotFrom(const QString &name);
    void chooseSavedProfile(const QString &name);
    void renameCurrentProfile(const QString &newName);
    void addProfile();
    void deleteProfile();
    void copyProfile();
    void exportProfile();
    void importProfile();
    void saveConfigFile();
    void loadConfigFile();
    void resetProfile();
    void resetAllProfiles();
    int showMessage(int type, const QString &text) { return m_window.message(type, text); }

    ApplySession *m_session;
    Window m_window;
    QLineEdit *m_profileNameEdit;
    KestPushButton *m_savedProfileButton;
    QMenu *m_savedProfileMenu = nullptr;
    QStringList m_listProfileFiles;
    QString m_profileListProduct; // the product whose list m_listProfileFiles is
};
