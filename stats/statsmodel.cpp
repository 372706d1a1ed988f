#include "statsmodel.h"

namespace quorvel::stats {

namespace {

struct TopicInfo {
    const char* extension;
    std::vector<const char*> typeNames; // UTF-8
};

const TopicInfo& info(int topic)
{
    static const TopicInfo table[kTopicCount] = {
        {".qvb",
         {"Addition", "Subtraktion", "Multiplikation", "Division", "Erweitern", "Kürzen",
          "Ordnen", "Vergleichen", "Bruchteile", "KommaBruch", "BruchKomma"}},
        {".qve", {"Gewichte", "Längenmaße", "Flächenmaße", "Körpermaße", "Zeitmaße", "Währung"}},
        {".qvg",
         {"Addition", "Subtraktion", "Multiplikation", "Division", "Lückenaufgaben Addition",
          "Lückenaufgaben Subtraktion", "Lückenaufgaben Multiplikation",
          "Lückenaufgaben Division", "Gleichungen Addition", "Gleichungen Subtraktion",
          "Gleichungen Multiplikation", "Gleichungen Division"}},
        {".qvp", {"Teilbarkeit", "Primfaktorzerlegung", "ggT bestimmen", "kgV bestimmen"}},
        {".qvz",
         {"Römische Zahlen", "Dualsystem", "Dreiersystem", "Oktalsystem", "Hexadezimalsystem"}},
    };
    return table[isValidTopic(topic) ? topic - 1 : 0];
}

} // namespace

bool isValidTopic(int topic) { return topic >= 1 && topic <= kTopicCount; }

int typeCount(int topic) { return isValidTopic(topic) ? int(info(topic).typeNames.size()) : 0; }

bool isValidType(int topic, int type) { return type >= 1 && type <= typeCount(topic); }

QString fileExtension(int topic)
{
    return isValidTopic(topic) ? QString::fromLatin1(info(topic).extension) : QString();
}

QString typeName(int topic, int type)
{
    return isValidType(topic, type) ? QString::fromUtf8(info(topic).typeNames[type - 1])
                                    : QString();
}

QString emptyDateText() { return QStringLiteral(" 00.00.0000"); }

QString dateText(const QDate& day)
{
    return QLatin1Char(' ') + day.toString(QStringLiteral("dd.MM.yyyy"));
}

StatCounts StatRecord::at(int type) const
{
    return type >= 1 && type <= int(counts.size()) ? counts[type - 1] : StatCounts{};
}

TopicStats::TopicStats(int topicNumber)
    : topic(topicNumber), pending(stats::typeCount(topicNumber)),
      history(emptyHistory(stats::typeCount(topicNumber)))
{
}

const StatRecord* TopicStats::record(const QString& date) const
{
    for (const StatRecord& r : history)
        if (r.date == date)
            return &r;
    return nullptr;
}

bool TopicStats::hasPending() const
{
    for (const StatCounts& c : pending)
        if (c.given != 0 || c.correct != 0)
            return true;
    return false;
}

StatHistory emptyHistory(int types)
{
    StatRecord empty;
    empty.counts.assign(types, StatCounts{});
    return StatHistory(kHistoryLength, empty);
}

void clearHistory(TopicStats& t) { t.history = emptyHistory(t.typeCount()); }

void clearPending(TopicStats& t) { t.pending.assign(t.pending.size(), StatCounts{}); }

qint64 errorRateHundredths(qint64 given, qint64 correct)
{
    if (given <= 0 || correct >= given)
        return 0;
    return 10000 * (given - correct) / given;
}

void mergePending(TopicStats& t, const QString& todayText)
{
    const QString empty = emptyDateText();
    std::size_t i = 0;
    while (i + 1 < t.history.size() && t.history[i].date != empty
           && t.history[i].date != todayText)
        ++i;
    StatRecord& r = t.history[i];
    if (r.date == todayText) {
        for (std::size_t k = 0; k < t.pending.size(); ++k) {
            r.counts[k].given = quint16(r.counts[k].given + t.pending[k].given);
            r.counts[k].correct = quint16(r.counts[k].correct + t.pending[k].correct);
        }
    } else if (r.date == empty) {
        r.counts = t.pending;
        r.date = todayText;
    } else {
        // The last record is an older day: the new day goes to the end, the oldest drops out.
        t.history.erase(t.history.begin());
        t.history.push_back(StatRecord{t.pending, todayText});
    }
    clearPending(t);
}

const TopicStats& StatsModel::topic(int topicNumber) const
{
    return topics[isValidTopic(topicNumber) ? topicNumber - 1 : 0];
}

TopicStats& StatsModel::topic(int topicNumber)
{
    return topics[isValidTopic(topicNumber) ? topicNumber - 1 : 0];
}

} // namespace quorvel::stats
