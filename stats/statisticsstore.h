#pragma once
// Every pupil's results per topic, task type and day.

#include "services.h"

namespace quorvel {

class StatisticsStore final : public StatsSink {
public:
    explicit StatisticsStore(const Clock& clock) : m_clock(clock) {}

    void markStatsChanged(int topic) override;
    void countTaskGiven(int topic, int type) override;
    void countTaskCorrect(int topic, int type) override;

    void setDataDirectory(const QString& dir) { m_dataDirectory = dir; }
    // Reads (or creates) the pupil's five files. Interim: nothing is read yet.
    void chooseUser(const QString& userName);
    // Writes every topic whose changed flag is set. Interim: nothing is written yet.
    void saveAllStatistics();

private:
    const Clock& m_clock;
    QString m_dataDirectory;
    QString m_userName;
};

} // namespace quorvel
