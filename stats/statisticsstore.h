#pragma once
// Every pupil's results per topic, task type and day: the counts the exercise series
// report, merged into the day records of the pupil's five files "<name>.qvb" (fractions),
// ".qve" (units), ".qvg" (basic arithmetic), ".qvp" (primes), ".qvz" (number systems).

#include "messages.h"
#include "statssink.h"
#include "statslock.h"
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

    // The name as it becomes a file name: without blanks around it, in composed form (NFC).
    static QString normalizedUserName(const QString& typed);

    // A German notice why `name` cannot be a pupil's name (it would reach outside the data
    // directory or is no file name), or empty when it can.
    static QString userNameRefusal(const QString& name);

    // The pupil is chosen (the name normalised as above): for each topic the history is
    // cleared, the pupil's file read if it exists, and the file written with a record for
    // today; temporary files a killed save left behind are removed. An empty name means no
    // pupil: nothing is read or written. A name that cannot be a file name is refused with
    // a notice; then the previous pupil stays and nothing is written (returns false).
    // Unreadable or damaged files are reported; each topic is loaded on its own. Counts
    // the previous pupil could not save are not carried over to another name.
    bool chooseUser(const QString& userName);
    QString userName() const { return m_userName; }

    // With a pupil chosen, saves every topic whose changed flag is set, in the order
    // fractions, units, basic arithmetic, primes, number systems. Returns false (after
    // reporting) when a file could not be written but a later try may succeed (a full
    // disk); a file that could not be read when the pupil was chosen is never written,
    // which is reported but does not count as such a failure.
    bool saveAllStatistics();
    // Reads the topic's file as it is on disk now (another copy of the program may have
    // saved since), merges the pending counts into today's record and writes it, all under
    // a lock file. The changed flag is cleared only when the file was written. A link, a
    // folder or a pipe in the file's place is reported and never read or written. A lock
    // another copy holds is waited for up to 5 s (see StatsLock); then a notice says so
    // and the counts stay pending for the next save.
    bool saveTopicStatistics(int topic);

    // "<data directory>/<name><extension>" of the current pupil.
    QString topicFilePath(int topic) const;
    // Today's date text from the clock, " dd.mm.yyyy".
    QString todayDateText() const;

    // What the charts read: histories, pending counts and changed flags of the five topics.
    const stats::StatsModel& model() const { return m_model; }
    const stats::TopicStats& topic(int topicNumber) const { return m_model.topic(topicNumber); }

    void setFileWriter(FileWriter writer) { m_writer = std::move(writer); }
    // Host name, process id and clock the lock files name and judge by; the system's by
    // default.
    void setLockHost(stats::LockHost host) { m_lockHost = std::move(host); }

private:
    enum class DiskState { Missing, Read, Refused };
    enum class SaveResult { Written, Failed, Refused };
    // Reads the topic's file as it is now into `history`; reports and moves a damaged one
    // aside. Refused: something that is no statistics file is in its place.
    DiskState readTopicFile(int topic, bool choosing, stats::StatHistory* history);
    // Under the topic's lock file: reads the file, merges the pending counts into it and
    // writes it back; on a failed write the pending counts stay for the next try.
    // `folderNames`: when choosing, the names beginning with the pupil's, for removing
    // what a killed save left behind.
    SaveResult syncTopic(int topic, bool choosing, const QStringList& folderNames = {});
    void reportBusy(int topic, const stats::LockOwner& owner, bool choosing);
    SaveResult saveTopic(int topic);
    void reportErrors();

    const Clock& m_clock;
    MessageSink& m_messages;
    FileWriter m_writer;
    stats::LockHost m_lockHost = stats::LockHost::system();
    QString m_dataDirectory;
    QString m_userName;
    stats::StatsModel m_model;
    QStringList m_errors; // collected during one operation, shown in one error box
};

} // namespace quorvel
