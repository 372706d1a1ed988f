#include "statslock.h"

#include "statsfile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>
#include <QSysInfo>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel::stats {

namespace {

QByteArray native(const QString& path) { return QFile::encodeName(path); }

// The lock files this process holds, so a lock naming this process's own id is known to
// be left over from an earlier process of the same number, not held.
QSet<QString>& heldHere()
{
    static QSet<QString> held;
    return held;
}

bool readLockFile(const QString& path, QByteArray* content, qint64* mtimeMs)
{
    QByteArray data;
    QString reason;
    if (readStatsFile(path, &data, &reason) != ReadStatus::Read)
        return false;
    struct stat st{};
    if (::lstat(native(path).constData(), &st) != 0)
        return false;
    *content = data.left(4096);
    *mtimeMs = qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
    return true;
}

} // namespace

LockHost LockHost::system()
{
    LockHost h;
    h.hostName = QSysInfo::machineHostName();
    h.processId = qint64(::getpid());
    h.bootId = QString::fromLatin1(QSysInfo::bootUniqueId());
    h.nowMs = [] { return QDateTime::currentMSecsSinceEpoch(); };
    h.sleepMs = [](int ms) { QThread::msleep(ulong(ms)); };
    h.processRunning = [](qint64 pid) {
        // EPERM: it runs, under another user.
        return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
    };
    return h;
}

LockOwner parseLockOwner(const QByteArray& content)
{
    const QList<QByteArray> lines = content.split('\n');
    LockOwner o;
    bool ok = false;
    o.pid = lines.value(0).trimmed().toLongLong(&ok);
    if (!ok || o.pid <= 0)
        return {};
    o.program = QString::fromUtf8(lines.value(1).trimmed());
    o.hostName = QString::fromUtf8(lines.value(2).trimmed());
    o.sinceMs = lines.value(3).trimmed().toLongLong();
    o.bootId = QString::fromLatin1(lines.value(4).trimmed());
    return o;
}

StatsLock::StatsLock(const QString& lockPath, const LockHost& host)
    : m_path(lockPath), m_host(host)
{
}

StatsLock::~StatsLock() { unlock(); }

StatsLock::Attempt StatsLock::tryCreate()
{
    const QByteArray target = native(m_path);
    const NewFileRights rights = newFileRights(QFileInfo(m_path).absolutePath());
    const int fd = ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          mode_t(rights.mode));
    if (fd < 0) {
        if (errno == EEXIST)
            return Attempt::Exists;
        m_error = qt_error_string(errno);
        return Attempt::Failed;
    }
    ::fchmod(fd, mode_t(rights.mode)); // not cut by the umask
    // The nonce tells this lock from an earlier one of the same process and time.
    m_content = QByteArray::number(m_host.processId) + "\nQuorvel\n" + m_host.hostName.toUtf8()
                + '\n' + QByteArray::number(m_host.nowMs()) + '\n' + m_host.bootId.toLatin1()
                + '\n' + QByteArray::number(QRandomGenerator::global()->generate64(), 16) + '\n';
    const bool written = ::write(fd, m_content.constData(), size_t(m_content.size()))
                             == ssize_t(m_content.size())
                         && ::fsync(fd) == 0;
    const int err = errno;
    if (::close(fd) != 0 || !written) {
        ::unlink(target.constData());
        m_error = qt_error_string(written ? errno : err);
        return Attempt::Failed;
    }
    return Attempt::Made;
}

bool StatsLock::isStale(const LockOwner& owner, qint64 fileMs, int foreignStaleMs) const
{
    if (owner.pid > 0 && owner.hostName == m_host.hostName) {
        // This host's own: the process can be asked.
        if (!owner.bootId.isEmpty() && !m_host.bootId.isEmpty() && owner.bootId != m_host.bootId)
            return true; // from before the last boot
        if (owner.pid == m_host.processId)
            return !heldHere().contains(m_path);
        return !m_host.processRunning(owner.pid);
    }
    // Another host (or a lock not yet written to the end): only its age tells. Either
    // way round, as a lock dated far ahead of this clock is as implausible.
    return qAbs(m_host.nowMs() - fileMs) > foreignStaleMs;
}

void StatsLock::takeOver(const QByteArray& seen, qint64 seenMs)
{
    // Renamed first: if two copies judged the same lock stale, only one rename finds it.
    const QString aside = m_path + QStringLiteral(".alt-%1").arg(m_host.processId);
    if (::rename(native(m_path).constData(), native(aside).constData()) != 0)
        return;
    QByteArray content;
    qint64 ms = 0;
    if (readLockFile(aside, &content, &ms) && (content != seen || ms != seenMs)) {
        // A fresh lock came in between and was moved instead: it goes back, unless yet
        // another one has been made meanwhile.
        if (::link(native(aside).constData(), native(m_path).constData()) != 0
            && errno != EEXIST && !QFileInfo::exists(m_path))
            ::rename(native(aside).constData(), native(m_path).constData());
    }
    ::unlink(native(aside).constData());
}

StatsLock::Result StatsLock::lock(int waitMs, int foreignStaleMs)
{
    if (m_locked)
        return Result::Locked;
    m_owner = {};
    m_error.clear();
    const qint64 deadline = m_host.nowMs() + waitMs;
    for (;;) {
        switch (tryCreate()) {
        case Attempt::Made:
            m_locked = true;
            heldHere().insert(m_path);
            return Result::Locked;
        case Attempt::Failed:
            return Result::Failed;
        case Attempt::Exists:
            break;
        }
        QByteArray content;
        qint64 fileMs = 0;
        if (!readLockFile(m_path, &content, &fileMs)) {
            if (!QFileInfo::exists(m_path) && !QFileInfo(m_path).isSymLink())
                continue; // given back just now
            m_error = QStringLiteral("„%1“ ist keine Sperrdatei").arg(m_path);
            return Result::Failed;
        }
        m_owner = parseLockOwner(content);
        if (isStale(m_owner, fileMs, foreignStaleMs)) {
            takeOver(content, fileMs);
            continue;
        }
        const qint64 left = deadline - m_host.nowMs();
        if (left <= 0)
            return Result::Busy;
        m_host.sleepMs(int(qMin<qint64>(left, 100)));
    }
}

void StatsLock::unlock()
{
    if (!m_locked)
        return;
    m_locked = false;
    heldHere().remove(m_path);
    QByteArray content;
    qint64 ms = 0;
    if (readLockFile(m_path, &content, &ms) && content == m_content)
        ::unlink(native(m_path).constData());
}

} // namespace quorvel::stats
