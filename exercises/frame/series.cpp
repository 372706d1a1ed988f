#include "series.h"

namespace quorvel {

QString seriesStatusText(int taskNumber, int taskCount)
{
    return QStringLiteral("Aufgabe %1 von %2").arg(taskNumber).arg(taskCount);
}

QString SeriesTopic::wrongMessage(bool finished) const
{
    const SeriesTexts t = texts();
    if (finished && t.attempts > 1)
        return t.wrongAnswer + t.rightResultPrefix + expectedAnswerText();
    return t.wrongAnswer;
}

bool SeriesTopic::poseGiven(const GivenTask& task) { return poseCard(task.type, task.text); }

ExerciseSeries::ExerciseSeries(Services& services, SeriesTopic& topic, SeriesView& view,
                               bool usesNumberPad)
    : m_s(services), m_topic(topic), m_view(view), m_usesNumberPad(usesNumberPad)
{
}

bool openSeries(Services& services, SeriesView& view, int statTopic, const QString& refusal,
                bool usesNumberPad)
{
    if (!refusal.isEmpty()) {
        services.messages.showMessage(refusal);
        return false;
    }
    services.stats.markStatsChanged(statTopic);
    view.showTaskPage();
    view.setNumberPadEnabled(usesNumberPad);
    return true;
}

void closeSeries(Services& services, SeriesView& view, PadAtEnd pad)
{
    view.setStatusText(QString());
    if (pad != PadAtEnd::Keep)
        view.setNumberPadEnabled(pad == PadAtEnd::On);
    view.showReturnPage();
    services.sound.musik("MUSIN02");
}

bool ExerciseSeries::begin(int taskCount)
{
    if (!openSeries(m_s, m_view, m_topic.statTopic(), m_topic.startRefusal(), m_usesNumberPad))
        return false;
    m_given.clear();
    start(taskCount);
    return true;
}

bool ExerciseSeries::beginGiven(std::vector<GivenTask> tasks)
{
    const QString refusal = tasks.empty()
                                ? QStringLiteral("Heute ist keine Aufgabe zum Wiederholen fällig.")
                                : m_topic.startRefusal();
    if (!openSeries(m_s, m_view, m_topic.statTopic(), refusal, m_usesNumberPad))
        return false;
    m_given = std::move(tasks);
    m_nextGiven = 0;
    start(int(m_given.size()));
    return true;
}

void ExerciseSeries::start(int taskCount)
{
    m_s.random.randomize();
    m_topic.prepareSeries();
    m_taskCount = quint16(taskCount);
    m_taskNumber = 0;
    m_running = true;
    m_view.focusAnswer();
    m_wrongAttempts = 0;
    nextTask();
    m_s.sound.musik("MUSIN02");
}

void ExerciseSeries::nextTask()
{
    if (m_given.empty()) {
        m_currentType = m_topic.drawTask();
    } else {
        // A card no longer posable (a changed file) is passed over; the count stays.
        while (m_nextGiven < m_given.size()
               && !m_topic.poseGiven(m_given[m_nextGiven]))
            ++m_nextGiven;
        if (m_nextGiven >= m_given.size()) {
            finish(true);
            return;
        }
        m_currentType = m_given[m_nextGiven++].type;
    }
    ++m_taskNumber;
    m_s.stats.countTaskGiven(m_topic.statTopic(), m_currentType);
    m_wrongAttempts = 0;
    m_view.clearAnswer();
    m_view.setStatusText(seriesStatusText(m_taskNumber, m_taskCount));
    // Every new task takes the typing back, also after a skip clicked with the mouse.
    m_view.focusAnswer();
}

void ExerciseSeries::confirm(const QStringList& answer)
{
    if (!m_running)
        return;
    m_view.focusAnswer();
    const SeriesTexts texts = m_topic.texts();
    if (answer.isEmpty() || (answer.size() == 1 && answer.front().isEmpty())) {
        m_s.messages.showMessage(texts.emptyAnswer);
        return;
    }
    const AnswerCheck check = m_topic.checkAnswer(answer);
    if (check.state == AnswerState::Invalid) {
        m_s.messages.showError(check.error);
        return;
    }
    if (check.state == AnswerState::Notice) {
        m_s.messages.showMessage(check.error);
        return;
    }
    if (check.state == AnswerState::Wrong) {
        ++m_wrongAttempts;
        m_s.sound.fehlerMusik();
        const bool finished = m_wrongAttempts >= texts.attempts;
        m_topic.onWrongAnswer(finished);
        m_s.messages.showMessage(m_topic.wrongMessage(finished), texts.wrongKind);
        if (texts.clearAfterWrong)
            m_view.clearAnswer();
        if (!finished)
            return;
        reportResult(false);
    } else {
        reportResult(m_wrongAttempts == 0);
        if (m_wrongAttempts == 0)
            m_s.stats.countTaskCorrect(m_topic.statTopic(), m_currentType);
        if (m_wrongAttempts == 0 || texts.rightJingleAfterWrong)
            m_s.sound.richtigMusik();
        m_view.announceRight();
    }
    if (m_taskNumber >= m_taskCount)
        finish(false);
    else
        nextTask();
}

void ExerciseSeries::reportResult(bool firstTry)
{
    if (m_results)
        m_results->taskResult(m_topic.statTopic(), m_currentType, m_topic.cardText(), firstTry);
}

void ExerciseSeries::skip()
{
    if (!m_running)
        return;
    if (m_wrongAttempts > 0)
        reportResult(false);
    if (m_taskNumber < m_taskCount)
        nextTask();
    else
        finish(true);
}

void ExerciseSeries::abort()
{
    if (!m_running)
        return;
    if (m_wrongAttempts > 0)
        reportResult(false);
    finish(true);
}

void ExerciseSeries::finish(bool disablePad)
{
    m_running = false;
    closeSeries(m_s, m_view, disablePad ? PadAtEnd::Off : PadAtEnd::Keep);
    m_topic.seriesFinished();
}

} // namespace quorvel
