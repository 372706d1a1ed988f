#include "statisticsstore.h"

#include "statsfile.h"

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

bool StatisticsStore::chooseUser(const QString& userName)
{
    if (userName.isEmpty()) {
        m_userName.clear();
        return true;
    }
    const QString refusal = userNameRefusal(userName);
    if (!refusal.isEmpty()) {
        m_messages.showMessage(refusal);
        return false;
    }
    m_userName = userName;
    for (int t = 1; t <= kTopicCount; ++t) {
        loadTopic(t);
        if (!m_blocked[t - 1] && writeTopicWithMerge(t))
            m_model.topic(t).changed = false;
    }
    reportErrors();
    return true;
}

void StatisticsStore::loadTopic(int topic)
{
    TopicStats& ts = m_model.topic(topic);
    clearHistory(ts);
    m_blocked[topic - 1] = false;
    if (m_dataDirectory.isEmpty())
        return; // reported when the file is written
    const QString path = topicFilePath(topic);
    QByteArray data;
    QString reason;
    switch (readStatsFile(path, &data, &reason)) {
    case ReadStatus::Missing:
        return; // first use of the name: the save that follows creates the file
    case ReadStatus::Failed:
        m_blocked[topic - 1] = true;
        m_errors << QStringLiteral("Ein-/Ausgabefehler: Die Statistikdatei „%1“ konnte nicht "
                                   "gelesen werden (%2). Sie wird nicht überschrieben.")
                        .arg(path, reason);
        return;
    case ReadStatus::Read:
        break;
    }
    ParseResult parsed;
    if (data.size() > kMaxStatsFileSize)
        parsed = ParseResult{false, 0, 0,
                             QStringLiteral("Die Datei ist für eine Statistikdatei zu groß.")};
    else
        parsed = parseStatsFile(data, ts.typeCount(), ts.history);
    if (parsed.ok)
        return;
    const QString copy = keepDefectiveCopy(path, &reason);
    if (copy.isEmpty()) {
        m_blocked[topic - 1] = true;
        m_errors << QStringLiteral("Die Statistikdatei „%1“ ist beschädigt. %2 Es konnte keine "
                                   "Sicherungskopie angelegt werden (%3), daher wird die Datei "
                                   "nicht überschrieben.")
                        .arg(path, parsed.problem, reason);
        return;
    }
    m_errors << QStringLiteral("Die Statistikdatei „%1“ ist beschädigt. %2 Die Datei wurde "
                               "unverändert als „%3“ aufbewahrt; die lesbaren Einträge "
                               "werden weitergeführt.")
                    .arg(path, parsed.problem, copy);
}

bool StatisticsStore::writeTopicWithMerge(int topic)
{
    TopicStats& ts = m_model.topic(topic);
    mergePending(ts, todayDateText());
    const QString path = topicFilePath(topic);
    if (m_blocked[topic - 1]) {
        m_errors << QStringLiteral("Ein-/Ausgabefehler: Die Statistikdatei „%1“ wird nicht "
                                   "überschrieben, weil sie beim Laden nicht gelesen oder "
                                   "gesichert werden konnte. Die neuen Ergebnisse dieses "
                                   "Bereichs können daher nicht gespeichert werden.")
                        .arg(path);
        return false;
    }
    if (m_dataDirectory.isEmpty()) {
        m_errors << QStringLiteral("Ein-/Ausgabefehler: Es gibt kein Verzeichnis für die "
                                   "Statistikdateien, „%1“ konnte nicht geschrieben werden.")
                        .arg(path);
        return false;
    }
    QString reason;
    if (!m_writer(path, formatStatsFile(ts.history, ts.typeCount()), &reason)) {
        m_errors << QStringLiteral("Ein-/Ausgabefehler: Die Statistikdatei „%1“ konnte nicht "
                                   "geschrieben werden (%2). Die bisherige Datei bleibt "
                                   "unverändert.")
                        .arg(path, reason);
        return false;
    }
    return true;
}

bool StatisticsStore::saveTopic(int topic)
{
    if (!isValidTopic(topic) || m_userName.isEmpty())
        return false;
    if (!writeTopicWithMerge(topic))
        return false; // the flag stays set, so the next save tries again
    m_model.topic(topic).changed = false;
    return true;
}

bool StatisticsStore::saveTopicStatistics(int topic)
{
    const bool ok = saveTopic(topic);
    reportErrors();
    return ok;
}

bool StatisticsStore::saveAllStatistics()
{
    if (m_userName.isEmpty())
        return true;
    bool ok = true;
    for (int t = 1; t <= kTopicCount; ++t)
        // A file held back since loading stays unwritable until another pupil is chosen:
        // it is reported, but waiting for it would keep this pupil for good.
        if (m_model.topic(t).changed && !saveTopic(t) && !m_blocked[t - 1])
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
