#include "statisticsstore.h"

#include "statsfile.h"

#include <QDir>
#include <QFileInfo>
#include <QtDebug>

namespace quorvel {

using namespace stats;

namespace {

// The name plus ".qvb.defekt999" must stay within the 255 bytes a file name may have.
constexpr int kMaxNameBytes = 240;

QString shown(const QString& name)
{
    QString s = name;
    for (QChar& ch : s)
        if (ch.category() == QChar::Other_Control)
            ch = QLatin1Char('?');
    return s;
}

} // namespace

StatisticsStore::StatisticsStore(const Clock& clock, MessageSink& messages)
    : m_clock(clock), m_messages(messages), m_writer(&writeFileAtomically)
{
}

void StatisticsStore::markStatsChanged(int topic)
{
    if (!isValidTopic(topic)) {
        qWarning("markStatsChanged: no topic %d", topic);
        return;
    }
    m_model.topic(topic).changed = true;
}

void StatisticsStore::countTaskGiven(int topic, int type)
{
    if (!isValidType(topic, type)) {
        qWarning("countTaskGiven: no task type %d of topic %d", type, topic);
        return;
    }
    bump(m_model.topic(topic).pending[type - 1].given);
}

void StatisticsStore::countTaskCorrect(int topic, int type)
{
    if (!isValidType(topic, type)) {
        qWarning("countTaskCorrect: no task type %d of topic %d", type, topic);
        return;
    }
    bump(m_model.topic(topic).pending[type - 1].correct);
}

void StatisticsStore::setDataDirectory(const QString& dir)
{
    m_dataDirectory = dir;
    if (!m_dataDirectory.isEmpty() && !m_dataDirectory.endsWith(QLatin1Char('/')))
        m_dataDirectory += QLatin1Char('/');
}

QString StatisticsStore::userNameRefusal(const QString& name)
{
    bool bad = name == QLatin1String(".") || name == QLatin1String("..");
    for (QChar ch : name)
        if (ch == QLatin1Char('/') || ch == QLatin1Char('\\')
            || ch.category() == QChar::Other_Control)
            bad = true;
    if (bad)
        return QStringLiteral("Der Name „%1“ kann nicht als Benutzername verwendet werden.\r"
                              "Ein Benutzername darf weder „/“ noch „\\“ noch Steuerzeichen "
                              "enthalten und nicht „.“ oder „..“ lauten.")
            .arg(shown(name));
    if (name.toUtf8().size() > kMaxNameBytes)
        return QStringLiteral("Der Benutzername ist zu lang.\r"
                              "Bitte geben Sie einen kürzeren Namen ein.");
    return {};
}

QString StatisticsStore::normalizedUserName(const QString& typed)
{
    // "Zoë" typed with a combined or with a separate diaeresis is one pupil.
    return typed.trimmed().normalized(QString::NormalizationForm_C);
}

bool StatisticsStore::chooseUser(const QString& typed)
{
    const QString userName = normalizedUserName(typed);
    if (userName.isEmpty()) {
        m_userName.clear();
        return true;
    }
    const QString refusal = userNameRefusal(userName);
    if (!refusal.isEmpty()) {
        m_messages.showMessage(refusal);
        return false;
    }
    if (userName != m_userName) {
        // What the previous pupil could not save (reported then) is not counted for the new one.
        for (TopicStats& ts : m_model.topics) {
            clearPending(ts);
            ts.changed = false;
        }
    }
    m_userName = userName;
    // One look at the folder's names for all five files; no other pupil's file is opened.
    const QStringList leftovers = m_dataDirectory.isEmpty()
                                      ? QStringList()
                                      : tempFileCandidates(m_dataDirectory, m_userName + '.');
    for (int t = 1; t <= kTopicCount; ++t) {
        clearHistory(m_model.topic(t));
        if (syncTopic(t, true, leftovers) == SaveResult::Written)
            m_model.topic(t).changed = false;
    }
    reportErrors();
    return true;
}

StatisticsStore::DiskState StatisticsStore::readTopicFile(int topic, bool choosing,
                                                          StatHistory* history)
{
    const TopicStats& ts = m_model.topic(topic);
    const QString path = topicFilePath(topic);
    const QString name = QFileInfo(path).fileName();
    QByteArray data;
    QString reason;
    ParseResult parsed;
    switch (readStatsFile(path, &data, &reason)) {
    case ReadStatus::Missing:
        return DiskState::Missing;
    case ReadStatus::Failed:
        m_errors << QStringLiteral("Ein-/Ausgabefehler: Die Statistikdatei „%1“ konnte nicht "
                                   "gelesen werden (%2). Sie wird nicht überschrieben; die "
                                   "neuen Ergebnisse dieses Bereichs können daher nicht "
                                   "gespeichert werden.")
                        .arg(path, reason);
        return DiskState::Refused;
    case ReadStatus::TooLarge:
        parsed = ParseResult{false, 0, 0,
                             QStringLiteral("Die Datei ist für eine Statistikdatei zu groß.")};
        break;
    case ReadStatus::Read:
        *history = emptyHistory(ts.typeCount());
        parsed = parseStatsFile(data, ts.typeCount(), *history);
        if (parsed.ok)
            return DiskState::Read;
        break;
    }
    // Damaged: moved aside. When the pupil is chosen its readable records go on; later the
    // history in memory (read from the sound file before) is the better one.
    if (!choosing || parsed.recordsRead == 0)
        *history = ts.history;
    const QString aside = keepDefectiveAside(path, &reason);
    if (aside.isEmpty()) {
        m_errors << QStringLiteral("Die Statistikdatei „%1“ ist beschädigt. %2\rEs konnte keine "
                                   "Sicherungskopie angelegt werden (%3), daher wird die Datei "
                                   "nicht überschrieben.")
                        .arg(name, parsed.problem, reason);
        return DiskState::Refused;
    }
    m_errors << QStringLiteral("Die Statistikdatei „%1“ ist beschädigt. %2 Die lesbaren "
                               "Einträge werden weitergeführt.\rDie beschädigte Datei wurde "
                               "unverändert als „%3“ im Ordner „%4“ aufbewahrt.")
                    .arg(name, parsed.problem, QFileInfo(aside).fileName(),
                         QDir::toNativeSeparators(QFileInfo(aside).absolutePath()));
    return DiskState::Read;
}

StatisticsStore::SaveResult StatisticsStore::syncTopic(int topic, bool choosing,
                                                      const QStringList& folderNames)
{
    TopicStats& ts = m_model.topic(topic);
    const QString path = topicFilePath(topic);
    if (m_dataDirectory.isEmpty()) {
        m_errors << QStringLiteral("Ein-/Ausgabefehler: Es gibt kein Verzeichnis für die "
                                   "Statistikdateien, „%1“ konnte nicht geschrieben werden.")
                        .arg(path);
        return SaveResult::Failed;
    }
    // Another copy of the program may save the same pupil: read, merge and write under a
    // lock file beside the statistics file, so both copies' counts end up in it; the
    // copies may run on different computers sharing the folder.
    StatsLock lock(path + QStringLiteral(".lock"), m_lockHost);
    switch (lock.lock()) {
    case StatsLock::Result::Locked:
        break;
    case StatsLock::Result::Busy:
        reportBusy(topic, lock.owner(), choosing);
        return SaveResult::Failed;
    case StatsLock::Result::Failed:
        m_errors << QStringLiteral("Ein-/Ausgabefehler: Die Statistikdatei „%1“ konnte nicht "
                                   "geschrieben werden (die Sperrdatei konnte nicht angelegt "
                                   "werden: %2). Die bisherige Datei bleibt unverändert.")
                        .arg(path, lock.error());
        return SaveResult::Failed;
    }
    if (choosing)
        removeLeftoverTempFiles(path, folderNames);

    StatHistory history;
    switch (readTopicFile(topic, choosing, &history)) {
    case DiskState::Refused:
        return SaveResult::Refused;
    case DiskState::Missing:
        history = ts.history; // first use, or removed since: what is known is written anew
        break;
    case DiskState::Read:
        break;
    }
    const StatHistory before = ts.history;
    const std::vector<StatCounts> pending = ts.pending;
    ts.history = std::move(history);
    mergePending(ts, todayDateText());
    QString reason;
    if (!m_writer(path, formatStatsFile(ts.history, ts.typeCount()), &reason)) {
        // The next save merges the same counts into the file as it is then.
        ts.history = before;
        ts.pending = pending;
        m_errors << QStringLiteral("Ein-/Ausgabefehler: Die Statistikdatei „%1“ konnte nicht "
                                   "geschrieben werden (%2). Die bisherige Datei bleibt "
                                   "unverändert.")
                        .arg(path, reason);
        return SaveResult::Failed;
    }
    return SaveResult::Written;
}

void StatisticsStore::reportBusy(int topic, const LockOwner& owner, bool choosing)
{
    const QString name = QFileInfo(topicFilePath(topic)).fileName();
    QString who;
    if (owner.pid > 0 && owner.hostName == m_lockHost.hostName)
        who = QStringLiteral(" auf diesem Rechner (Prozess %1)").arg(owner.pid);
    else if (owner.pid > 0 && !owner.hostName.isEmpty())
        who = QStringLiteral(" auf dem Rechner „%1“ (Prozess %2)").arg(shown(owner.hostName))
                  .arg(owner.pid);
    QString text = QStringLiteral("Die Statistikdatei „%1“ wird gerade von einer anderen Kopie "
                                  "des Programms%2 gespeichert und war auch nach %3 Sekunden "
                                  "noch gesperrt.")
                       .arg(name, who)
                       .arg(kLockWaitMs / 1000);
    if (choosing) {
        text += QStringLiteral(" Die bisherigen Ergebnisse dieses Bereichs werden beim "
                               "nächsten Speichern gelesen und weitergeführt.");
    } else {
        quint32 given = 0;
        quint32 correct = 0;
        for (const StatCounts& c : m_model.topic(topic).pending) {
            given += c.given;
            correct += c.correct;
        }
        text += QStringLiteral("\rDie neuen Ergebnisse dieses Bereichs (%1 %2, davon %3 beim "
                               "ersten Versuch richtig) bleiben vorgemerkt und werden beim "
                               "nächsten Speichern eingetragen.")
                    .arg(given)
                    .arg(given == 1 ? QStringLiteral("Aufgabe") : QStringLiteral("Aufgaben"))
                    .arg(correct);
    }
    m_errors << text;
}

StatisticsStore::SaveResult StatisticsStore::saveTopic(int topic)
{
    if (!isValidTopic(topic) || m_userName.isEmpty())
        return SaveResult::Failed;
    const SaveResult r = syncTopic(topic, false);
    if (r == SaveResult::Written)
        m_model.topic(topic).changed = false; // otherwise the next save tries again
    return r;
}

bool StatisticsStore::saveTopicStatistics(int topic)
{
    const bool ok = saveTopic(topic) == SaveResult::Written;
    reportErrors();
    return ok;
}

bool StatisticsStore::saveAllStatistics()
{
    if (m_userName.isEmpty())
        return true;
    bool ok = true;
    for (int t = 1; t <= kTopicCount; ++t)
        // Something that is no statistics file in the file's place is reported, but no
        // later try can write over it, so it does not count as a failed save.
        if (m_model.topic(t).changed && saveTopic(t) == SaveResult::Failed)
            ok = false;
    reportErrors();
    return ok;
}

QString StatisticsStore::topicFilePath(int topic) const
{
    return m_dataDirectory + m_userName + fileExtension(topic);
}

QString StatisticsStore::todayDateText() const { return dateText(m_clock.today()); }

void StatisticsStore::reportErrors()
{
    if (m_errors.isEmpty())
        return;
    const QString text = m_errors.join(QLatin1Char('\n'));
    m_errors.clear();
    m_messages.showError(text);
}

} // namespace quorvel
