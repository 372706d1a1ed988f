#include "reviewrecorder.h"

namespace quorvel::review {

ReviewRecorder::ReviewRecorder(const Clock& clock, MessageSink& messages)
    : m_clock(clock), m_messages(messages)
{
}

void ReviewRecorder::setFilePath(const QString& path)
{
    m_file = path.isEmpty() ? nullptr : std::make_unique<ReviewFile>(m_messages, path);
}

void ReviewRecorder::setReviewing(bool on)
{
    if (on && !m_reviewing)
        m_counts = {};
    m_reviewing = on;
}

void ReviewRecorder::taskResult(int topic, int type, const QString& cardText, bool firstTry)
{
    if (m_reviewing) {
        ++m_counts.answered;
        if (firstTry)
            ++m_counts.rightFirstTry;
    }
    if (!m_file || !isCardText(cardText) || (!m_reviewing && firstTry))
        return;
    const QDate today = m_clock.today();
    bool mastered = false;
    m_file->update([&](ReviewBox& box) {
        if (m_reviewing)
            mastered = box.recordReview(topic, type, cardText,
                                        firstTry ? ReviewResult::RightFirstTry : ReviewResult::Wrong, today);
        else
            box.recordMiss(topic, type, cardText, today);
        box.pruneMastered(today);
    });
    if (mastered)
        ++m_counts.mastered;
}

void ReviewRecorder::cardUnposable(int topic, int type, const QString& cardText)
{
    if (m_file)
        m_file->update([&](ReviewBox& box) { box.forget(topic, type, cardText); });
}

QString ReviewRecorder::reviewSummary(int taskCount) const
{
    return QStringLiteral("%1 von %2 Aufgaben beim ersten Versuch richtig, %3 gemeistert.")
        .arg(m_counts.rightFirstTry)
        .arg(taskCount)
        .arg(m_counts.mastered);
}

} // namespace quorvel::review
