#include "statsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel::stats {

namespace {

// Appends one record's line without a line end: the counts as decimal digits, then the date.
// Everything goes straight into the caller's buffer, so a whole file costs one allocation.
void appendStatsLine(QByteArray& out, const StatRecord& record, int types)
{
    char digits[8];
    const auto appendNumber = [&](quint16 v) {
        const auto end = std::to_chars(digits, digits + sizeof digits, v).ptr;
        out.append(digits, end - digits);
    };
    for (int k = 1; k <= types; ++k) {
        const StatCounts c = record.at(k);
        appendNumber(c.given);
        out += ' ';
        appendNumber(c.correct);
        if (k < types)
            out += ' ';
    }
    for (const QChar ch : record.date)
        out += ch.toLatin1();
}

qsizetype statsLineCapacity(int types) { return qsizetype(types) * 12 + 13; }

} // namespace

QByteArray formatStatsLine(const StatRecord& record, int types)
{
    QByteArray line;
    line.reserve(statsLineCapacity(types));
    appendStatsLine(line, record, types);
    return line;
}

QByteArray formatStatsFile(const StatHistory& history, int types)
{
    QByteArray out;
    out.reserve(qsizetype(history.size()) * statsLineCapacity(types));
    for (const StatRecord& r : history) {
        appendStatsLine(out, r, types);
        out += "\r\n";
    }
    return out;
}

namespace {

class Reader {
public:
    // Plain pointer and size: the loops below run once per byte of the file.
    explicit Reader(const QByteArray& data) : m_bytes(data.constData()), m_size(data.size()) {}

    bool atEnd() const { return m_pos >= m_size; }
    char peek() const { return m_bytes[m_pos]; }
    int line() const { return m_line; }

    static bool isBlank(char c) { return c == ' ' || c == '\t'; }
    static bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }

    // Consumes one line end (CR LF, LF or a lone CR) at the current position.
    void takeLineEnd()
    {
        if (atEnd())
            return;
        if (peek() == '\r') {
            ++m_pos;
            if (!atEnd() && peek() == '\n')
                ++m_pos;
            ++m_line;
        } else if (peek() == '\n') {
            ++m_pos;
            ++m_line;
        }
    }

    void skipSpace()
    {
        while (!atEnd()) {
            if (isBlank(peek()))
                ++m_pos;
            else if (isLineEnd(peek()))
                takeLineEnd();
            else
                break;
        }
    }

    // The text up to the next blank or line end, for messages.
    QString token() const
    {
        qsizetype end = m_pos;
        while (end < m_size && !isBlank(m_bytes[end]) && !isLineEnd(m_bytes[end]))
            ++end;
        return printable(QByteArrayView(m_bytes + m_pos, std::min<qsizetype>(end - m_pos, 20)));
    }

    // Digits at the current position, kept modulo 65536; false if there is no count here.
    bool readCount(quint16* value)
    {
        if (atEnd() || !isDigit(peek()))
            return false;
        const qsizetype start = m_pos;
        quint32 v = 0;
        while (!atEnd() && isDigit(peek())) {
            v = (v * 10 + quint32(peek() - '0')) % 65536u;
            ++m_pos;
        }
        if (!atEnd() && !isBlank(peek()) && !isLineEnd(peek())) {
            m_pos = start; // "12a": the whole token is no count
            return false;
        }
        *value = quint16(v);
        return true;
    }

    // A view into the data, so reading a date copies nothing.
    QByteArrayView restOfLine()
    {
        const qsizetype start = m_pos;
        while (!atEnd() && !isLineEnd(peek()))
            ++m_pos;
        return QByteArrayView(m_bytes + start, m_pos - start);
    }

    static QString printable(QByteArrayView bytes)
    {
        QString s = QString::fromLatin1(bytes);
        for (QChar& ch : s)
            if (ch.category() == QChar::Other_Control)
                ch = QLatin1Char('?');
        return s;
    }

private:
    const char* m_bytes;
    qsizetype m_size;
    qsizetype m_pos = 0;
    int m_line = 1;
};

bool isDateShape(QByteArrayView d)
{
    if (d.size() != 10 || d.at(2) != '.' || d.at(5) != '.')
        return false;
    for (int i = 0; i < 10; ++i)
        if (i != 2 && i != 5 && !Reader::isDigit(d.at(i)))
            return false;
    return true;
}

ParseResult fault(int records, int line, const QString& problem)
{
    return ParseResult{false, records, line, problem};
}

} // namespace

ParseResult parseStatsFile(const QByteArray& data, int types, StatHistory& history)
{
    Reader in(data);
    const int records = std::min<int>(kHistoryLength, int(history.size()));
    // One record's counts are gathered here and taken over only when its line is whole;
    // the buffer serves every line, so reading a file allocates little.
    std::vector<StatCounts> counts(std::size_t(std::max(types, 0)));
    for (int r = 0; r < records; ++r) {
        std::fill(counts.begin(), counts.end(), StatCounts{});
        for (int j = 0; j < 2 * types; ++j) {
            in.skipSpace();
            if (in.atEnd())
                return fault(r, in.line(),
                             QStringLiteral("Die Datei hat nur %1 statt %2 vollständige Zeilen.")
                                 .arg(r)
                                 .arg(kHistoryLength));
            quint16 v = 0;
            if (!in.readCount(&v))
                return fault(r, in.line(),
                             QStringLiteral("Zeile %1: „%2“ ist keine gültige Zahl.")
                                 .arg(in.line())
                                 .arg(in.token()));
            StatCounts& c = counts[std::size_t(j / 2)];
            (j % 2 == 0 ? c.given : c.correct) = v;
        }
        const int line = in.line();
        const QByteArrayView rest = in.restOfLine().trimmed();
        if (rest.isEmpty())
            return fault(r, line, QStringLiteral("Zeile %1: Das Datum fehlt.").arg(line));
        if (!isDateShape(rest))
            return fault(r, line,
                         QStringLiteral("Zeile %1: „%2“ ist kein gültiges Datum.")
                             .arg(line)
                             .arg(Reader::printable(rest.first(std::min<qsizetype>(rest.size(), 20)))));
        StatRecord& rec = history[std::size_t(r)];
        rec.counts = counts; // same size, so the record's own buffer is reused
        rec.date.resize(11);
        rec.date[0] = QLatin1Char(' ');
        for (int i = 0; i < 10; ++i)
            rec.date[1 + i] = QLatin1Char(rest.at(i));
        in.takeLineEnd();
    }
    in.skipSpace();
    if (!in.atEnd())
        return fault(records, in.line(),
                     QStringLiteral("Die Datei hat mehr als %1 Zeilen.").arg(kHistoryLength));
    return ParseResult{true, records, 0, {}};
}

namespace {

QByteArray nativePath(const QString& path) { return QFile::encodeName(path); }

QString systemReason(int error) { return qt_error_string(error); }

// Closes a descriptor when it goes out of scope.
struct Fd {
    int fd = -1;
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Syncs the folder that holds `path`, so a rename in it survives a power cut.
void syncFolderOf(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    Fd dir{::open(nativePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd >= 0)
        ::fsync(dir.fd);
}

bool writeAll(int fd, const char* data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, std::size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

} // namespace

ReadStatus readStatsFile(const QString& path, QByteArray* data, QString* reason)
{
    const QByteArray native = nativePath(path);
    struct stat st{};
    if (::lstat(native.constData(), &st) != 0) {
        if (errno == ENOENT)
            return ReadStatus::Missing;
        *reason = systemReason(errno);
        return ReadStatus::Failed;
    }
    if (S_ISLNK(st.st_mode)) {
        *reason = QStringLiteral("Es ist eine Verknüpfung, keine gewöhnliche Datei.");
        return ReadStatus::Failed;
    }
    // O_NOFOLLOW: a link put in place after the look above is not followed either;
    // O_NONBLOCK: a pipe swapped in does not hang the window.
    Fd f{::open(native.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)};
    if (f.fd < 0) {
        if (errno == ENOENT)
            return ReadStatus::Missing;
        *reason = errno == ELOOP ? QStringLiteral("Es ist eine Verknüpfung, keine gewöhnliche Datei.")
                 : errno == EISDIR ? QStringLiteral("Es ist ein Verzeichnis, keine Datei.")
                                   : systemReason(errno);
        return ReadStatus::Failed;
    }
    if (::fstat(f.fd, &st) != 0) {
        *reason = systemReason(errno);
        return ReadStatus::Failed;
    }
    if (S_ISDIR(st.st_mode)) {
        *reason = QStringLiteral("Es ist ein Verzeichnis, keine Datei.");
        return ReadStatus::Failed;
    }
    if (!S_ISREG(st.st_mode)) { // a pipe or a device would block or never end
        *reason = QStringLiteral("Es ist keine gewöhnliche Datei.");
        return ReadStatus::Failed;
    }
    if (st.st_size > kMaxStatsFileSize)
        return ReadStatus::TooLarge;
    // Room for the size just seen and a byte more, so a file that grew since is noticed;
    // the buffer grows with it up to one byte past the limit.
    QByteArray buf(qsizetype(st.st_size) + 1, Qt::Uninitialized);
    qsizetype got = 0;
    for (;;) {
        if (got == buf.size()) {
            if (buf.size() > kMaxStatsFileSize)
                break;
            buf.resize(std::min<qsizetype>(2 * buf.size(), kMaxStatsFileSize + 1));
        }
        const ssize_t n = ::read(f.fd, buf.data() + got, std::size_t(buf.size() - got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *reason = systemReason(errno);
            return ReadStatus::Failed;
        }
        if (n == 0)
            break;
        got += n;
    }
    if (got > kMaxStatsFileSize)
        return ReadStatus::TooLarge; // grew after the look at its size
    buf.truncate(got);
    *data = std::move(buf);
    return ReadStatus::Read;
}

bool writeFileAtomically(const QString& path, const QByteArray& data, QString* reason)
{
    const QByteArray target = nativePath(path);
    // The new file gets the old one's permissions, or read for all and write for the owner.
    mode_t mode = 0644;
    struct stat old{};
    if (::lstat(target.constData(), &old) == 0 && S_ISREG(old.st_mode))
        mode = old.st_mode & 0777;
    QByteArray temp = target + ".XXXXXX";
    Fd f{::mkostemp(temp.data(), O_CLOEXEC)};
    if (f.fd < 0) {
        *reason = systemReason(errno);
        return false;
    }
    const auto fail = [&](int error) {
        *reason = systemReason(error);
        ::unlink(temp.constData());
        return false;
    };
    if (::fchmod(f.fd, mode) != 0 || !writeAll(f.fd, data.constData(), data.size())
        || ::fsync(f.fd) != 0)
        return fail(errno);
    const int fd = f.fd;
    f.fd = -1;
    if (::close(fd) != 0)
        return fail(errno);
    if (::rename(temp.constData(), target.constData()) != 0)
        return fail(errno);
    syncFolderOf(path);
    return true;
}

QString keepDefectiveAside(const QString& path, QString* reason)
{
    const auto taken = [](const QString& p) {
        struct stat st{};
        return ::lstat(nativePath(p).constData(), &st) == 0;
    };
    QString aside = path + QStringLiteral(".defekt");
    for (int n = 2; taken(aside); ++n) {
        if (n > 999) {
            *reason = QStringLiteral("Es gibt schon zu viele Sicherungskopien.");
            return {};
        }
        aside = path + QStringLiteral(".defekt") + QString::number(n);
    }
    if (::rename(nativePath(path).constData(), nativePath(aside).constData()) != 0) {
        *reason = systemReason(errno);
        return {};
    }
    syncFolderOf(path);
    return aside;
}

int removeLeftoverTempFiles(const QString& path)
{
    const QFileInfo info(path);
    const QString prefix = info.fileName() + QLatin1Char('.');
    QDir folder(info.absolutePath());
    int removed = 0;
    const QStringList names =
        folder.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString& name : names) {
        if (name.size() != prefix.size() + 6 || !name.startsWith(prefix))
            continue;
        bool tempName = true;
        for (qsizetype i = prefix.size(); i < name.size(); ++i) {
            const QChar ch = name.at(i);
            if (!(ch.isDigit() || (ch >= QLatin1Char('a') && ch <= QLatin1Char('z'))
                  || (ch >= QLatin1Char('A') && ch <= QLatin1Char('Z'))))
                tempName = false;
        }
        // "defekt" is six letters too: a kept damaged file is never a leftover.
        if (!tempName || name.endsWith(QLatin1String(".defekt")))
            continue;
        const QByteArray full = nativePath(folder.filePath(name));
        struct stat st{};
        if (::lstat(full.constData(), &st) == 0 && S_ISREG(st.st_mode)
            && ::unlink(full.constData()) == 0)
            ++removed;
    }
    return removed;
}

} // namespace quorvel::stats
