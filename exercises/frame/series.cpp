#include "series.h"

namespace quorvel {

QString seriesStatusText(int taskNumber, int taskCount)
{
    return QStringLiteral("Aufgabe %1 von %2").arg(taskNumber).arg(taskCount);
}

QString SeriesTopic::wrongMessage(int wrongAttempts, bool finished) const
{
    Q_UNUSED(wrongAttempts);
    const SeriesTexts t = texts();
    if (finished && t.attempts > 1)
        return t.wrongAnswer + t.rightResultPrefix + expectedAnswerText();
    return t.wrongAnswer;
}

ExerciseSeries::ExerciseSeries(Services& services, SeriesTopic& topic, SeriesView view,
                               int taskPage, int returnPage, bool usesNumberPad)
    : m_s(services), m_topic(topic), m_view(std::move(view)), m_taskPage(taskPage),
      m_returnPage(returnPage), m_usesNumberPad(usesNumberPad)
{
}

bool ExerciseSeries::begin(int taskCount)
{
    const QString refusal = m_topic.startRefusal();
    if (!refusal.isEmpty()) {
        m_s.messages.showMessage(refusal);
        return false;
    }
    m_s.stats.markStatsChanged(m_topic.statTopic());
    if (m_view.showPage)
        m_view.showPage(m_taskPage);
    if (m_view.setNumberPadEnabled)
        m_view.setNumberPadEnabled(m_usesNumberPad);
    start(taskCount);
    return true;
}

void ExerciseSeries::start(int taskCount)
{
    m_s.random.randomize();
    m_topic.prepareSeries();
    m_taskCount = quint16(taskCount);
    m_taskNumber = 0;
    m_running = true;
    if (m_view.focusAnswer)
        m_view.focusAnswer();
    m_wrongAttempts = 0;
    nextTask();
    m_s.sound.musik("MUSIN02", m_s.state.soundOn);
}

void ExerciseSeries::nextTask()
{
    m_currentType = m_topic.drawTask();
    ++m_taskNumber;
    m_s.stats.countTaskGiven(m_topic.statTopic(), m_currentType);
    m_wrongAttempts = 0;
    if (m_view.clearAnswer)
        m_view.clearAnswer();
    if (m_view.setStatusText)
        m_view.setStatusText(seriesStatusText(m_taskNumber, m_taskCount));
    // Every new task takes the typing back, also after a skip clicked with the mouse.
    if (m_view.focusAnswer)
        m_view.focusAnswer();
}

void ExerciseSeries::confirm(const QString& answerText)
{
    if (!m_running)
        return;
    if (m_view.focusAnswer)
        m_view.focusAnswer();
    const SeriesTexts texts = m_topic.texts();
    if (answerText.isEmpty()) {
        m_s.messages.showMessage(texts.emptyAnswer);
        return;
    }
    const AnswerCheck check = m_topic.checkAnswer(answerText);
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
        m_s.sound.fehlerMusik(m_s.state.soundOn);
        const bool finished = m_wrongAttempts >= texts.attempts;
        m_topic.onWrongAnswer(m_wrongAttempts, finished);
        m_s.messages.showMessage(m_topic.wrongMessage(m_wrongAttempts, finished),
                                 texts.wrongKind);
        if (texts.clearAfterWrong && m_view.clearAnswer)
            m_view.clearAnswer();
        if (!finished)
            return;
    } else {
        if (m_wrongAttempts == 0)
            m_s.stats.countTaskCorrect(m_topic.statTopic(), m_currentType);
        if (m_wrongAttempts == 0 || texts.rightJingleAfterWrong)
            m_s.sound.richtigMusik(m_s.state.soundOn);
        if (m_view.announceRight)
            m_view.announceRight();
    }
    if (m_taskNumber >= m_taskCount)
        finish(false);
    else
        nextTask();
}

void ExerciseSeries::skip()
{
    if (!m_running)
        return;
    if (m_taskNumber < m_taskCount)
        nextTask();
    else
        finish(true);
}

void ExerciseSeries::abort()
{
    if (!m_running)
        return;
    finish(true);
}

void ExerciseSeries::finish(bool disablePad)
{
    m_running = false;
    if (m_view.setStatusText)
        m_view.setStatusText(QString());
    if (disablePad && m_view.setNumberPadEnabled)
        m_view.setNumberPadEnabled(false);
    if (m_view.showPage)
        m_view.showPage(m_returnPage);
    m_s.sound.musik("MUSIN02", m_s.state.soundOn);
}

} // namespace quorvel
