#pragma once
// One running copy per product and user. The lock is a file in the user's
// runtime folder named after the product's mutex name; a lock left by a
// crashed run is recognised as stale (its process is gone) and taken over.
#include <QLockFile>
#include <QString>
#include <memory>

class SingleInstanceLock {
public:
    explicit SingleInstanceLock(const QString &mutexName);
    // True when this process now holds the lock; false when another running
    // process of the same user holds it.
    bool tryAcquire();
    QString lockFilePath() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

// product name + " Wireless Gaming Mouse Mutex1"
QString instanceMutexName(const QString &productName);
