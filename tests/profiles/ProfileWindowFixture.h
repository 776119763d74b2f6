#pragma once
// The main window on the virtual mouse in a fresh copy of the demo
// installation, with the profile files, slot names and saved-profile list a
// test sets up before opening it, and its file dialogs answered by the test.
#include "storage/ConfigStorage.h"
#include "storage/IniFile.h"
#include "storage/ProfileLibrary.h"
#include "tests/support/AppDirFixture.h"
#include "tests/support/MessageWatcher.h"
#include "tests/support/SettingsSamples.h"
#include "tests/support/VirtualMouseFixture.h"
#include "ui/kit/KestPushButton.h"
#include "ui/main/MousecfgWidget.h"
#include "ui/main/ProfileFileDialog.h"
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>
#include <memory>

struct ProfileWindowFixture {
    AppDirFixture app{AppDirFixture::DemoData};
    VirtualMouseFixture mouse{Connection::Receiver};
    std::unique_ptr<MessageWatcher> messages = std::make_unique<MessageWatcher>(true);
    std::unique_ptr<MousecfgWidget> window;
    // What the next file dialog answers, and what the dialogs were asked.
    QString nextPath;
    QStringList dialogTitles;

    ProfileWindowFixture()
    {
        setProfileFileDialog([this](FileDialogKind, const QString &title, const QString &filter) {
            dialogTitles << title + QLatin1Char('|') + filter;
            return nextPath;
        });
    }
    ~ProfileWindowFixture()
    {
        setProfileFileDialog({});
        window.reset();
    }

    // A second call closes the first window before the next one opens (both
    // would share the one device connection).
    MousecfgWidget &open()
    {
        window.reset();
        window = std::make_unique<MousecfgWidget>();
        window->show();
        return *window;
    }
    // Answer the next message boxes with No (false) or Yes/Ok (true).
    void answer(bool yes) { messages = std::make_unique<MessageWatcher>(yes); }
    QStringList texts() const { return messages->texts(); }

    void click(const char *objectName)
    {
        KestPushButton *button = window->button(QString::fromLatin1(objectName));
        QVERIFY2(button, objectName);
        // The signal itself: a real click on a button with a menu opens the menu.
        emit button->clicked(false);
    }
    void enterName(const QString &name)
    {
        window->profileNameEdit()->setText(name);
        QTest::keyClick(window->profileNameEdit(), Qt::Key_Return);
    }
    // Triggers the saved-profile menu entry of that name; false when there is none.
    bool chooseSaved(const QString &name)
    {
        for (QAction *action : window->savedProfileMenu()->actions()) {
            if (action->data().toString() == name) {
                action->trigger();
                return true;
            }
        }
        return false;
    }
    QString slotName() const
    {
        const MouseSettings &w = window->workingSettings();
        return w.profileNames[w.profileId];
    }
    const ProfileData &slotProfile() const
    {
        const MouseSettings &w = window->workingSettings();
        return w.profiles[w.profileId];
    }
};

inline bool setSlotNames(const QStringList &names)
{
    IniWriter ini(configFilePath());
    for (int i = 0; i < names.size() && i < PROFILE_COUNT; ++i)
        ini->setValue(QStringLiteral("Config/Profile%1").arg(i + 1), names[i]);
    return ini.commit();
}

// The list as stored; "PROFILE_LIST/Count" entries in order.
inline QStringList storedProfileList()
{
    const IniFile ini(productConfigFilePath());
    QStringList names;
    const int count = ini.intValue(QStringLiteral("PROFILE_LIST/Count"));
    for (int i = 1; i <= count; ++i)
        names << ini.stringValue(QStringLiteral("PROFILE_LIST/%1").arg(i));
    return names;
}

// A profile file holding sampleProfile(seed) under its own name.
inline ProfileData makeProfileFile(const QString &name, int seed)
{
    ProfileData profile = sampleProfile(seed);
    profile.profileName = name;
    saveProfile(profile, profileFilePath(name));
    return profile;
}

inline ProfileData loadedProfile(const QString &path)
{
    ProfileData profile;
    loadProfile(profile, path);
    return profile;
}
