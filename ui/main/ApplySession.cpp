#include "ui/main/ApplySession.h"
#include "device/CommandProtocol.h"
#include "device/InputReports.h"
#include "device/MouseConnection.h"
#include "device/NodeAccess.h"
#include "device/PointerSettings.h"
#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include "ui/main/KestProcessThread.h"
#include "ui/main/ProfileMerge.h"
#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <memory>
#include <QStringList>
#include <utility>

ApplySession::ApplySession(MouseConnection *connection, QObject *parent) : QObject(parent), m_connection(connection)
{
}

void ApplySession::load()
{
    loadSettings(m_applied);
    m_working = m_applied;
}

bool ApplySession::reload()
{
    MouseSettings stored;
    if (!loadSettings(stored))
        return false;
    // What the user changed here and has not applied yet stays on top of what was stored.
    MouseSettings working = stored;
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        ProfileData loaded = m_applied.profiles[i];
        takeEditedProfile(working.profiles[i], m_working.profiles[i], loaded);
    }
    for (const SettingField<MouseSettings> &field : configFields()) {
        if (field.differs(m_working, m_applied))
            field.member.assign(working, m_working);
    }
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        if (m_working.profileNames[i] != m_applied.profileNames[i])
            working.profileNames[i] = m_working.profileNames[i];
    }
    m_applied = stored;
    m_working = working;
    return true;
}

int ApplySession::write(bool writeAll, const Wait &wait)
{
    if (m_bWriteRunning)
        return -1;
    m_bWriteRunning = true;
    writeAll = std::exchange(m_bForceNextWrite, false) || writeAll;
    if (m_connection)
        m_connection->hold();

    KestProcessThread thread(m_working, m_applied, writeAll, m_connection ? m_connection->downloadLinks() : DownloadLinks());
    thread.m_iActivateSlot = std::exchange(m_activateSlot, -1);
    if (wait) {
        wait(thread);
    } else {
        QEventLoop loop;
        connect(&thread, &QThread::finished, &loop, &QEventLoop::quit);
        thread.start(QThread::InheritPriority);
        loop.exec();
    }
    thread.wait();
    m_iLastSent = thread.m_iSentFlags;
    m_bWriteRunning = false;
    // Device changes held back during the write are taken in now.
    if (m_connection)
        m_connection->release();

    if (!thread.m_bDiffSaved)
        forceNextWrite();
    return thread.m_iStatus;
}

QString ApplySession::sentText(int flags)
{
    static const struct {
        int flag;
        const char *name;
    } kGroups[] = {
        {ChangeDpi, QT_TRANSLATE_NOOP("MousecfgWidget", "DPI")},
        {ChangeButtons, QT_TRANSLATE_NOOP("MousecfgWidget", "buttons")},
        {ChangeLighting, QT_TRANSLATE_NOOP("MousecfgWidget", "lighting")},
        {ChangeBasic, QT_TRANSLATE_NOOP("MousecfgWidget", "rate and speeds")},
    };
    QStringList names;
    for (const auto &group : kGroups) {
        if (flags & group.flag)
            names << QCoreApplication::translate("MousecfgWidget", group.name);
    }
    if (names.isEmpty())
        return QCoreApplication::translate("MousecfgWidget", "Nothing to send");
    return QCoreApplication::translate("MousecfgWidget", "Sent: %1").arg(names.join(QStringLiteral(", ")));
}

int ApplySession::pendingChanges() const
{
    return diffSettings(m_working, m_applied);
}

void ApplySession::discardEdits()
{
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        ProfileData &profile = m_working.profiles[i];
        const QString &name = m_working.profileNames[i];
        // A slot without a file yet goes back to what was applied under its name.
        if (loadProfileByName(profile, name) < 0 && name == m_applied.profileNames[i])
            profile = m_applied.profiles[i];
        profile.profileName = name;
    }
    const uint8_t slot = m_working.profileId;
    for (const SettingField<MouseSettings> &field : configFields())
        field.member.assign(m_working, m_applied);
    m_working.profileId = slot;
}

QString ApplySession::failureText(int status)
{
    if (status == WriteStatusSleeping)
        return QCoreApplication::translate("MousecfgWidget", "Mouse is sleeping or not connected.");
    if (status == WriteStatusNotSaved)
        return QCoreApplication::translate("MousecfgWidget", "The settings could not be saved in %1. Nothing was sent to the mouse.")
            .arg(configDir());
    // No handle because the mouse may not be opened: say that, not that sending failed.
    if (status == 1 && !refusedNodes().isEmpty())
        return refusedNodesText();
    return QCoreApplication::translate("MousecfgWidget", "Send data failed, please try again.");
}

void ApplySession::forceNextWrite()
{
    m_bForceNextWrite = true;
    emit notSaved();
}

void ApplySession::writeStatusReported(quint8 status)
{
    if (status == 0 && !writeDiffFlag(1))
        forceNextWrite();
}

void ApplySession::mouseRunsEffect(quint8 mode)
{
    const int slot = activeSlot(m_working);
    m_working.profiles[slot].ledMode = mode;
    m_applied.profiles[slot].ledMode = mode;
}

int ApplySession::runHeld(const std::function<int(const DownloadLinks &links)> &job)
{
    if (m_bWriteRunning)
        return -1;
    m_bWriteRunning = true;
    if (m_connection)
        m_connection->hold();
    const DownloadLinks links = m_connection ? m_connection->downloadLinks() : DownloadLinks();
    int result = 0;
    const std::unique_ptr<QThread> thread(QThread::create([&] { result = job(links); }));
    QEventLoop loop;
    connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    thread->start(QThread::InheritPriority);
    loop.exec();
    thread->wait();
    m_bWriteRunning = false;
    if (m_connection)
        m_connection->release();
    return result;
}
