#pragma once
// One running copy per product and user. The lock is a file in the user's
// private runtime folder named after the product's mutex name; a lock left by
// a crashed run is recognised as stale (its process is gone, or it names none)
// and taken over. Without a private folder there is no lock: every start runs.
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class SingleInstanceLock {
public:
    explicit SingleInstanceLock(const QString &mutexName);
    // False only when another running process of the same user holds the
    // lock. True when this process holds it now, and also, with a warning,
    // when no lock can be kept (no private runtime folder, lock file not
    // creatable): a start is not refused for that.
    bool tryAcquire();
    // Empty without a private runtime folder.
    QString lockFilePath() const { return m_path; }
    // Beside the lock: the holder listens there, so that a second start can
    // ask it to show its window instead of leaving the user with nothing.
    // Empty without a private runtime folder.
    QString activationSocketPath() const;

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

// product name + " Wireless Gaming Mouse Mutex1"
QString instanceMutexName(const QString &productName);

// The holder's side: activationRequested() for every second start that knocks,
// settingsChanged() when another program has stored new settings in the
// configuration folder this process uses (configDir()); news of another
// folder is not for this window.
class ActivationListener : public QObject {
    Q_OBJECT
public:
    explicit ActivationListener(QObject *parent = nullptr);
    bool listen(const QString &socketPath);

signals:
    void activationRequested();
    void settingsChanged();

private:
    QLocalServer m_server;
};

// The second start's side; false when no copy answered.
bool requestActivation(const QString &socketPath);
// Tells a running copy that settings were stored in `configFolder`, so that a
// window using that folder shows them; false when none runs.
bool notifySettingsChanged(const QString &socketPath, const QString &configFolder);
