#pragma once
// The lock file beside a statistics file ("Anna.qvg.lock"), safe when thirty computers
// save into one folder on a network share (NFS, SMB/CIFS). The lock file names its holder:
// process id, program, host name, the holder's clock and its boot, one line each (the
// first three as earlier versions wrote them). It is made with an exclusive create, which
// both share protocols carry to the server.
//
// Who waits for whom:
//  - a lock of a live process on this host is waited for, up to the wait given;
//  - a lock of a process on this host that is gone (or from before the last boot) is
//    taken over at once;
//  - a lock from another host, whose process cannot be asked, is taken over only when the
//    file has not been touched for longer than the stale age (60 s); a save takes
//    milliseconds, so such a lock is one a crash, a power cut or a pulled cable left.
// Taking over renames the old lock to a name of the taker's own first, so of two copies
// that find the same stale lock only one removes it.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <functional>

namespace quorvel::stats {

// What the lock needs of the machine; the system's values by default, scripted in tests.
struct LockHost {
    QString hostName;
    qint64 processId = 0;
    QString bootId;                       // empty where the system has none
    std::function<qint64()> nowMs;        // wall clock, ms since 1970
    std::function<void(int ms)> sleepMs;  // waits between two tries
    std::function<bool(qint64 pid)> processRunning;

    static LockHost system();
};

// The holder a lock file names; empty fields when it names none (a half-made lock).
struct LockOwner {
    qint64 pid = 0;
    QString program;
    QString hostName;
    qint64 sinceMs = 0; // the holder's clock when it took the lock, 0 if not named
    QString bootId;
};
LockOwner parseLockOwner(const QByteArray& content);

constexpr int kLockWaitMs = 5000;
constexpr int kForeignLockStaleMs = 60000;

class StatsLock {
public:
    enum class Result {
        Locked,
        Busy,   // another copy holds it: owner() names it
        Failed, // no lock file could be made (no right to write, the folder is gone): error()
    };

    StatsLock(const QString& lockPath, const LockHost& host);
    ~StatsLock(); // gives the lock back
    StatsLock(const StatsLock&) = delete;
    StatsLock& operator=(const StatsLock&) = delete;

    Result lock(int waitMs = kLockWaitMs, int foreignStaleMs = kForeignLockStaleMs);
    // Removes the lock file if it still is this one's (a copy that took it over as stale
    // keeps its own).
    void unlock();
    bool isLocked() const { return m_locked; }

    const LockOwner& owner() const { return m_owner; }
    const QString& error() const { return m_error; }

private:
    enum class Attempt { Made, Exists, Failed };
    Attempt tryCreate();
    bool isStale(const LockOwner& owner, qint64 fileMs, int foreignStaleMs) const;
    void takeOver(const QByteArray& seen, qint64 seenMs);

    QString m_path;
    LockHost m_host;
    QByteArray m_content;
    bool m_locked = false;
    LockOwner m_owner;
    QString m_error;
};

} // namespace quorvel::stats
