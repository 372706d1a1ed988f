#include "reviewfile.h"

#include "statsfile.h"
#include "statslock.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace quorvel::review {

namespace {
const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

QByteArray dateBytes(QDate d) { return d.toString(kDateFormat).toLatin1(); }

QDate readDate(const QString& text)
{
    if (text.size() != 10)
        return {};
    return QDate::fromString(text, kDateFormat);
}

bool readInt(const QString& text, int lo, int hi, int* out)
{
    if (text.isEmpty() || text.size() > 3)
        return false;
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < lo || v > hi || QString::number(v) != text)
        return false;
    *out = v;
    return true;
}

ReviewParse fault(int line, const QString& what)
{
    return ReviewParse{false, line, QStringLiteral("Zeile %1: %2").arg(line).arg(what)};
}
} // namespace

std::optional<stats::CardCounts> countReviewFile(const QByteArray& data, QDate today)
{
    ReviewBox box;
    if (!parseReviewFile(data, &box).ok)
        return std::nullopt;
    return stats::CardCounts{int(box.cards().size()), box.masteredRecently(today)};
}

bool isCardText(const QString& task)
{
    if (task.isEmpty() || task.size() > 200)
        return false;
    for (QChar c : task)
        if (c.category() == QChar::Other_Control)
            return false;
    return true;
}

QByteArray formatReviewFile(const ReviewBox& box)
{
    QByteArray out = QByteArray(kFileHeader) + '\n';
    for (const Card& c : box.cards()) {
        out += "K " + QByteArray::number(c.box) + ' ' + QByteArray::number(c.topic) + ' '
               + QByteArray::number(c.type) + ' ' + dateBytes(c.missed) + ' ' + dateBytes(c.since)
               + ' ' + c.task.toUtf8() + '\n';
    }
    for (QDate d : box.mastered())
        out += "G " + dateBytes(d) + '\n';
    return out;
}

ReviewParse parseReviewFile(const QByteArray& data, ReviewBox* box)
{
    *box = ReviewBox{};
    const QString text = QString::fromUtf8(data);
    if (text.toUtf8() != data)
        return ReviewParse{false, 0, QStringLiteral("Die Datei ist kein gültiger UTF-8-Text.")};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    if (lines.isEmpty() || lines.front() != QLatin1String(kFileHeader))
        return fault(1, QStringLiteral("Die erste Zeile muss „%1“ lauten.")
                            .arg(QLatin1String(kFileHeader)));
    std::vector<Card> cards;
    std::vector<QDate> mastered;
    for (int i = 1; i < lines.size(); ++i) {
        const QString& l = lines[i];
        const int n = i + 1;
        if (l.startsWith(QLatin1String("G "))) {
            const QDate d = readDate(l.mid(2));
            if (!d.isValid())
                return fault(n, QStringLiteral("„%1“ ist kein gültiges Datum.").arg(l.mid(2)));
            mastered.push_back(d);
            continue;
        }
        if (!l.startsWith(QLatin1String("K ")))
            return fault(n, QStringLiteral("Die Zeile ist weder eine Karte noch ein gemeisterter Tag."));
        const QStringList f = l.split(QLatin1Char(' '));
        if (f.size() < 7)
            return fault(n, QStringLiteral("Der Karte fehlen Angaben."));
        Card c;
        if (!readInt(f[1], 1, kBoxCount, &c.box))
            return fault(n, QStringLiteral("„%1“ ist kein gültiges Fach.").arg(f[1]));
        if (!readInt(f[2], 1, 99, &c.topic) || !readInt(f[3], 1, 99, &c.type))
            return fault(n, QStringLiteral("Bereich oder Aufgabenart ist ungültig."));
        c.missed = readDate(f[4]);
        c.since = readDate(f[5]);
        if (!c.missed.isValid() || !c.since.isValid() || c.since < c.missed)
            return fault(n, QStringLiteral("Die Tage der Karte sind ungültig."));
        c.task = l.section(QLatin1Char(' '), 6);
        if (!isCardText(c.task))
            return fault(n, QStringLiteral("Die Aufgabe der Karte ist ungültig."));
        for (const Card& other : cards)
            if (other.sameTask(c.topic, c.type, c.task))
                return fault(n, QStringLiteral("Die Aufgabe steht zweimal in der Kartei."));
        cards.push_back(std::move(c));
    }
    if (int(cards.size()) > kMaxCards)
        return fault(lines.size(), QStringLiteral("Die Kartei hat mehr als %1 Karten.").arg(kMaxCards));
    box->setContents(std::move(cards), std::move(mastered));
    return {};
}

ReviewFile::ReviewFile(MessageSink& messages, QString path)
    : m_messages(messages), m_path(std::move(path))
{
}

ReviewFile::Loaded ReviewFile::load(ReviewBox* box)
{
    *box = ReviewBox{};
    QByteArray data;
    QString reason;
    ReviewParse parsed;
    switch (stats::readStatsFile(m_path, &data, &reason)) {
    case stats::ReadStatus::Missing:
        return Loaded::Fresh;
    case stats::ReadStatus::Failed:
        m_messages.showError(QStringLiteral("Ein-/Ausgabefehler: Die Fehlerkartei „%1“ konnte "
                                            "nicht gelesen werden (%2). Sie wird nicht "
                                            "überschrieben.")
                                 .arg(m_path, reason));
        return Loaded::Refused;
    case stats::ReadStatus::TooLarge:
        parsed = ReviewParse{false, 0, QStringLiteral("Die Datei ist für eine Fehlerkartei zu groß.")};
        break;
    case stats::ReadStatus::Read:
        parsed = parseReviewFile(data, box);
        if (parsed.ok)
            return Loaded::Ok;
        break;
    }
    *box = ReviewBox{};
    const QString name = QFileInfo(m_path).fileName();
    const QString aside = stats::keepDefectiveAside(m_path, &reason);
    if (aside.isEmpty()) {
        m_messages.showError(QStringLiteral("Die Fehlerkartei „%1“ ist beschädigt. %2\rEs konnte "
                                            "keine Sicherungskopie angelegt werden (%3), daher "
                                            "wird die Datei nicht überschrieben.")
                                 .arg(name, parsed.problem, reason));
        return Loaded::Refused;
    }
    m_messages.showError(QStringLiteral("Die Fehlerkartei „%1“ ist beschädigt. %2 Eine neue "
                                        "Fehlerkartei wird angelegt.\rDie beschädigte Datei "
                                        "wurde unverändert als „%3“ im Ordner „%4“ aufbewahrt.")
                             .arg(name, parsed.problem, QFileInfo(aside).fileName(),
                                  QDir::toNativeSeparators(QFileInfo(aside).absolutePath())));
    return Loaded::Fresh;
}

bool ReviewFile::update(const std::function<void(ReviewBox&)>& change, ReviewBox* result)
{
    // The statistics files' lock, safe when several computers share the class folder.
    stats::StatsLock lock(m_path + QStringLiteral(".lock"), stats::LockHost::system());
    switch (lock.lock()) {
    case stats::StatsLock::Result::Locked:
        break;
    case stats::StatsLock::Result::Busy:
        m_messages.showError(QStringLiteral("Ein-/Ausgabefehler: Die Fehlerkartei „%1“ ist gerade "
                                            "von einer anderen Kopie des Programms gesperrt und "
                                            "bleibt diesmal unverändert.")
                                 .arg(m_path));
        return false;
    case stats::StatsLock::Result::Failed:
        m_messages.showError(QStringLiteral("Ein-/Ausgabefehler: Die Fehlerkartei „%1“ konnte "
                                            "nicht geöffnet werden (die Sperrdatei konnte nicht "
                                            "angelegt werden: %2).")
                                 .arg(m_path, lock.error()));
        return false;
    }
    stats::removeLeftoverTempFiles(m_path);
    ReviewBox box;
    const Loaded loaded = load(&box);
    if (loaded == Loaded::Refused)
        return false;
    if (change) {
        change(box);
        QString reason;
        if (!stats::writeFileAtomically(m_path, formatReviewFile(box), &reason)) {
            m_messages.showError(QStringLiteral("Ein-/Ausgabefehler: Die Fehlerkartei „%1“ "
                                                "konnte nicht geschrieben werden (%2). Die "
                                                "bisherige Datei bleibt unverändert.")
                                     .arg(m_path, reason));
            return false;
        }
    }
    if (result)
        *result = std::move(box);
    return true;
}

} // namespace quorvel::review
