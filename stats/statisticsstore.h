#pragma once
// Every pupil's results per topic, task type and day: the counts the exercise series
// report, merged into the day records of the pupil's five files "<name>.qvb" (fractions),
// ".qve" (units), ".qvg" (basic arithmetic), ".qvp" (primes), ".qvz" (number systems).

#include "services.h"
#include "statsmodel.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace quorvel {

class StatisticsStore final : public StatsSink {
public:
    // Writes `data` to `path` so that a failure leaves the old file as it was; `reason`
    // gets the system's error text. Replaceable for tests.
    using FileWriter = std::function<bool(const QString& path, const QByteArray& data,
                                          QString* reason)>;

    StatisticsStore(const Clock& clock, MessageSink& messages);

    // The operations the exercise series call. A topic or type out of range is ignored.
    void markStatsChanged(int topic) override;
    void countTaskGiven(int topic, int type) override;
    void countTaskCorrect(int topic, int type) override;

    // The directory of the statistics files (with or without a trailing slash).
    void setDataDirectory(const QString& dir);
    QString dataDirectory() const { return m_dataDirectory; }

    // A German notice why `name` cannot be a pupil's name (it would reach outside the data
    // directory or is no file name), or empty when it can.
    static QString userNameRefusal(const QString& name);

    // The pupil is chosen: for each topic the history is cleared, the pupil's file read if
    // it exists, and the file written with a record for today. An empty name means no
    // pupil: nothing is read or written. A name that cannot be a file name is refused with
    // a notice; then the previous pupil stays and nothing is written (returns false).
    // Unreadable or damaged files are reported; each topic is loaded on its own.
    bool chooseUser(const QString& userName);
    QString userName() const { return m_userName; }

    // With a pupil chosen, saves every topic whose changed flag is set, in the order
    // fractions, units, basic arithmetic, primes, number systems. Returns false (after
    // reporting) when a file could not be written but a later try may succeed (a full
    // disk); a file that could not be read when the pupil was chosen is never written,
    // which is reported but does not count as such a failure.
    bool saveAllStatistics();
    // Merges the pending counts into today's record and writes the topic's file. The
    // changed flag is cleared only when the file was written.
    bool saveTopicStatistics(int topic);

    // "<data directory>/<name><extension>" of the current pupil.
    QString topicFilePath(int topic) const;
    // Today's date text from the clock, " dd.mm.yyyy".
    QString todayDateText() const;

    // What the charts read: histories, pending counts and changed flags of the five topics.
    const stats::StatsModel& model() const { return m_model; }
    const stats::TopicStats& topic(int topicNumber) const { return m_model.topic(topicNumber); }

    void setFileWriter(FileWriter writer) { m_writer = std::move(writer); }

private:
    void loadTopic(int topic);
    // Merge and write without reporting; errors are collected in m_errors.
    bool writeTopicWithMerge(int topic);
    bool saveTopic(int topic);
    void reportErrors();

    const Clock& m_clock;
    MessageSink& m_messages;
    FileWriter m_writer;
    QString m_dataDirectory;
    QString m_userName;
    stats::StatsModel m_model;
    // Topics whose file exists but could not be secured (unreadable, no copy of a damaged
    // one): they are not overwritten until the next pupil is chosen.
    bool m_blocked[stats::kTopicCount] = {};
    QStringList m_errors; // collected during one operation, shown in one error box
};

} // namespace quorvel
