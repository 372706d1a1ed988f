#pragma once
// The statistics model: per topic the pending counts since the last merge, the changed
// flag and the history of the last ten days of use. Plain data, no files, no windows;
// the charts read it through StatisticsStore::model().

#include <QDate>
#include <QString>
#include <QtGlobal>

#include <array>
#include <vector>

namespace quorvel::stats {

constexpr int kTopicCount = 5;     // topics are numbered 1..5 (StatTopic)
constexpr int kHistoryLength = 10; // day records per topic
constexpr int kMaxTypeCount = 12;

// Number of task types of a topic (fractions 11, units 6, basic 12, primes 4, number
// systems 5); 0 for a number that is no topic.
int typeCount(int topic);
bool isValidTopic(int topic);
bool isValidType(int topic, int type);
// ".qvb", ".qve", ".qvg", ".qvp", ".qvz".
QString fileExtension(int topic);
// The name of task type `type` (1..T) as the charts label it, e.g. "Addition".
QString typeName(int topic, int type);

// Date texts are a blank and the day as dd.mm.yyyy; they are compared as text, never parsed.
QString emptyDateText(); // " 00.00.0000"
QString dateText(const QDate& day);

struct StatCounts {
    quint16 given = 0;
    quint16 correct = 0;
    friend bool operator==(const StatCounts&, const StatCounts&) = default;
};

struct StatRecord {
    std::vector<StatCounts> counts; // one pair per task type, in type order
    QString date = emptyDateText();

    bool isEmpty() const { return date == emptyDateText(); }
    // Counts of type `type` (1..T); zeros for a type out of range.
    StatCounts at(int type) const;
    friend bool operator==(const StatRecord&, const StatRecord&) = default;
};

// Oldest first; always kHistoryLength records.
using StatHistory = std::vector<StatRecord>;

struct TopicStats {
    int topic = 0;
    std::vector<StatCounts> pending;
    bool changed = false;
    StatHistory history;

    explicit TopicStats(int topicNumber = 0);
    int typeCount() const { return int(pending.size()); }
    // The record whose date text is `date`, or nullptr.
    const StatRecord* record(const QString& date) const;
    bool hasPending() const;
};

// Ten empty records of `types` task types.
StatHistory emptyHistory(int types);
// Every record gets zero counts and the empty date text; pending counts stay.
void clearHistory(TopicStats& t);
void clearPending(TopicStats& t);

// The share of wrong answers in hundredths of a percent, cut to two decimals: 1 wrong of 3
// gives 3333. Nothing given, or more right answers than tasks (a count that wrapped round
// or an edited file), is no error rather than a negative rate.
qint64 errorRateHundredths(qint64 given, qint64 correct);

// Adds one to a 16-bit count; 65535 + 1 gives 0.
inline void bump(quint16& c) { c = quint16(c + 1); }

// Merges the pending counts into today's record: walk from the oldest record to the
// first that is empty, is today's or is the last; a record of today adds the counts, an
// empty one takes them with today's date, and when the last record is an older day a new
// record is appended and the oldest one drops out. The pending counts are zero afterwards.
void mergePending(TopicStats& t, const QString& todayText);

// The five topics, indexed by topic number - 1.
struct StatsModel {
    std::array<TopicStats, kTopicCount> topics{TopicStats(1), TopicStats(2), TopicStats(3),
                                               TopicStats(4), TopicStats(5)};
    // Topic 1..5; anything else is a programming error and gives topic 1.
    const TopicStats& topic(int topicNumber) const;
    TopicStats& topic(int topicNumber);
};

} // namespace quorvel::stats
