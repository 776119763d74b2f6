#pragma once
// The window's settings and their write: the working record the pages edit,
// the record last applied to the mouse, and the write that turns one into the
// other. No widgets: the caller shows the wait however it likes.
#include "device/CommandProtocol.h"
#include "storage/MouseSettings.h"
#include <QObject>
#include <QString>
#include <functional>

class KestProcessThread;
class MouseConnection;

class ApplySession : public QObject
{
    Q_OBJECT
public:
    // The connection, when given, is held for the length of a write.
    explicit ApplySession(MouseConnection *connection = nullptr, QObject *parent = nullptr);
    void setConnection(MouseConnection *connection) { m_connection = connection; }

    MouseSettings &working() { return m_working; }
    const MouseSettings &working() const { return m_working; }
    const MouseSettings &applied() const { return m_applied; }
    ProfileData &activeProfile() { return m_working.profiles[activeSlot(m_working)]; }
    bool writing() const { return m_bWriteRunning; }

    // Both records from the files (factory defaults where there are none).
    void load();
    // The files again after another program stored them: they become the
    // last-applied record, and the working one with this window's unapplied
    // edits taken over on top. Without a Config.ini both stay as they are and
    // the answer is false.
    bool reload();

    // Runs until the started thread has ended; an empty function waits in a local event loop.
    using Wait = std::function<void(KestProcessThread &thread)>;
    // The write: saves the working record and sends what differs from the
    // applied one (everything with writeAll, or when an earlier write could
    // not record that the mouse needs it). Returns the thread's status: 0, a
    // device result code, WriteStatusSleeping or WriteStatusNotSaved; -1 when
    // a write is running already.
    int write(bool writeAll, const Wait &wait = {});
    // The groups the last write sent (ChangeFlag bits); 0 when it sent nothing.
    int lastSent() const { return m_iLastSent; }
    // What Apply should say once a write ended with status 0.
    static QString sentText(int flags);
    // The message for a write status other than 0.
    static QString failureText(int status);

    // Edits of the working record that have not reached the mouse: the
    // groups in which it differs from the last-applied one.
    int pendingChanges() const;
    // Throws the working record's edits away: each slot again as its profile
    // file holds it (as bound now), the global values as last applied.
    void discardEdits();

    // Config.ini could not record that the mouse needs everything: the next write sends it anyway.
    void forceNextWrite();
    // The mouse confirmed a write (status 0) or reported a failure.
    void writeStatusReported(quint8 status);
    // The mouse runs this effect already: both records hold it now.
    void mouseRunsEffect(quint8 mode);
    // The next write makes the slot active on the mouse before it sends
    // anything else, on its own thread.
    void activateWithNextWrite(int slot) { m_activateSlot = slot; }

    // Runs job on a thread of its own as a write would run (the connection
    // held, other writes refused) while this thread's events go on; job gets
    // the connection's links. Returns job's result, -1 when a write runs already.
    int runHeld(const std::function<int(const DownloadLinks &links)> &job);

signals:
    // A settings file could not be written.
    void notSaved();

private:
    MouseConnection *m_connection;
    MouseSettings m_working;
    MouseSettings m_applied;
    bool m_bWriteRunning = false;
    bool m_bForceNextWrite = false;
    int m_activateSlot = -1;
    int m_iLastSent = 0;
};
