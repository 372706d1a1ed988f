#include "statsfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace quorvel::stats {

QByteArray formatStatsLine(const StatRecord& record, int types)
{
    QByteArray line;
    line.reserve(types * 12 + 11);
    for (int k = 1; k <= types; ++k) {
        const StatCounts c = record.at(k);
        line += QByteArray::number(c.given);
        line += ' ';
        line += QByteArray::number(c.correct);
        if (k < types)
            line += ' ';
    }
    line += record.date.toLatin1();
    return line;
}

QByteArray formatStatsFile(const StatHistory& history, int types)
{
    QByteArray out;
    for (const StatRecord& r : history) {
        out += formatStatsLine(r, types);
        out += "\r\n";
    }
    return out;
}

namespace {

class Reader {
public:
    explicit Reader(const QByteArray& data) : m_data(data) {}

    bool atEnd() const { return m_pos >= m_data.size(); }
    char peek() const { return m_data.at(m_pos); }
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
        while (end < m_data.size() && !isBlank(m_data.at(end)) && !isLineEnd(m_data.at(end)))
            ++end;
        return printable(m_data.mid(m_pos, std::min<qsizetype>(end - m_pos, 20)));
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

    QByteArray restOfLine()
    {
        const qsizetype start = m_pos;
        while (!atEnd() && !isLineEnd(peek()))
            ++m_pos;
        return m_data.mid(start, m_pos - start);
    }

    static QString printable(const QByteArray& bytes)
    {
        QString s = QString::fromLatin1(bytes);
        for (QChar& ch : s)
            if (ch.category() == QChar::Other_Control)
                ch = QLatin1Char('?');
        return s;
    }

private:
    const QByteArray& m_data;
    qsizetype m_pos = 0;
    int m_line = 1;
};

bool isDateShape(const QByteArray& d)
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
    for (int r = 0; r < records; ++r) {
        StatRecord rec;
        rec.counts.resize(types);
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
            StatCounts& c = rec.counts[j / 2];
            (j % 2 == 0 ? c.given : c.correct) = v;
        }
        const int line = in.line();
        const QByteArray rest = in.restOfLine().trimmed();
        if (rest.isEmpty())
            return fault(r, line, QStringLiteral("Zeile %1: Das Datum fehlt.").arg(line));
        if (!isDateShape(rest))
            return fault(r, line,
                         QStringLiteral("Zeile %1: „%2“ ist kein gültiges Datum.")
                             .arg(line)
                             .arg(Reader::printable(rest.left(20))));
        rec.date = QLatin1Char(' ') + QString::fromLatin1(rest);
        history[r] = std::move(rec);
        in.takeLineEnd();
    }
    in.skipSpace();
    if (!in.atEnd())
        return fault(records, in.line(),
                     QStringLiteral("Die Datei hat mehr als %1 Zeilen.").arg(kHistoryLength));
    return ParseResult{true, records, 0, {}};
}

ReadStatus readStatsFile(const QString& path, QByteArray* data, QString* reason)
{
    QFileInfo fi(path);
    if (!fi.exists() && !fi.isSymLink())
        return ReadStatus::Missing;
    if (fi.isDir()) {
        *reason = QStringLiteral("Es ist ein Verzeichnis, keine Datei.");
        return ReadStatus::Failed;
    }
    if (fi.exists() && !fi.isFile()) { // a pipe or a device would block or never end
        *reason = QStringLiteral("Es ist keine gewöhnliche Datei.");
        return ReadStatus::Failed;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *reason = f.errorString();
        return ReadStatus::Failed;
    }
    *data = f.read(kMaxStatsFileSize + 1);
    if (f.error() != QFileDevice::NoError) {
        *reason = f.errorString();
        return ReadStatus::Failed;
    }
    return ReadStatus::Read;
}

bool writeFileAtomically(const QString& path, const QByteArray& data, QString* reason)
{
    QSaveFile f(path);
    // Unbuffered: Qt 6.4's commit() ignores an error of the final buffer flush and would
    // rename a cut-off file over the old one (seen with a full disk). Writing straight
    // through makes every failure show up here, before anything is renamed.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        *reason = f.errorString();
        return false;
    }
    if (f.write(data) != data.size() || !f.flush() || f.error() != QFileDevice::NoError) {
        *reason = f.errorString();
        f.cancelWriting();
        f.commit(); // drops the new file, the old one stays
        return false;
    }
    if (!f.commit()) {
        *reason = f.errorString();
        return false;
    }
    return true;
}

QString keepDefectiveCopy(const QString& path, QString* reason)
{
    QString copy = path + QStringLiteral(".defekt");
    for (int n = 2; QFileInfo::exists(copy) || QFileInfo(copy).isSymLink(); ++n) {
        if (n > 999) {
            *reason = QStringLiteral("Es gibt schon zu viele Sicherungskopien.");
            return {};
        }
        copy = path + QStringLiteral(".defekt") + QString::number(n);
    }
    QFile src(path);
    if (!src.copy(copy)) {
        *reason = src.errorString();
        QFile::remove(copy);
        return {};
    }
    return copy;
}

} // namespace quorvel::stats
