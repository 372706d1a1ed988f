#pragma once
// What the series frame reports, written into the pupil's Fehlerkartei on the clock's
// day: in a normal series every task not solved at the first try becomes a card (or its
// card goes back to box 1); in a review series every answered card moves by the box rules.

#include "reviewfile.h"
#include "series.h"

#include <memory>

namespace quorvel::review {

class ReviewRecorder final : public TaskResultSink {
public:
    ReviewRecorder(const Clock& clock, MessageSink& messages);

    // The pupil's file; an empty path (no pupil) records nothing.
    void setFilePath(const QString& path);
    // While on, results are review answers; switching it on starts the counts afresh,
    // switching it off keeps them for the closing notice.
    void setReviewing(bool on);

    void taskResult(int topic, int type, const QString& cardText, bool firstTry) override;
    // A due card that no topic could pose: it leaves the file, so it is not due forever.
    void cardUnposable(int topic, int type, const QString& cardText);

    struct ReviewCounts {
        int answered = 0;
        int rightFirstTry = 0;
        int mastered = 0;
    };
    const ReviewCounts& reviewCounts() const { return m_counts; }
    // "n von N Aufgaben beim ersten Versuch richtig, m gemeistert."
    QString reviewSummary(int taskCount) const;

private:
    const Clock& m_clock;
    MessageSink& m_messages;
    std::unique_ptr<ReviewFile> m_file;
    bool m_reviewing = false;
    ReviewCounts m_counts;
};

} // namespace quorvel::review
