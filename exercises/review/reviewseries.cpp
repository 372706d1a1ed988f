#include "reviewseries.h"

#include "taskpage.h"

namespace quorvel::review {

ReviewSeries::ReviewSeries(TopicContext& ctx, ReviewRecorder& recorder)
    : m_ctx(ctx), m_recorder(recorder), m_series(ctx.services, *this, *this, /*usesNumberPad=*/false)
{
    m_series.setResultSink(&m_recorder);
}

bool ReviewSeries::begin(const std::vector<Card>& cards)
{
    std::vector<GivenTask> tasks;
    for (const Card& c : cards)
        tasks.push_back({c.type, c.task, c.topic});
    m_firstTopic = cards.empty() ? 0 : cards.front().topic;
    m_current.reset();
    m_recorder.setReviewing(true);
    if (m_series.beginGiven(std::move(tasks)))
        return true;
    m_recorder.setReviewing(false);
    return false;
}

SeriesTopic& ReviewSeries::topic() const { return m_current->page->topic(m_current->index); }

int ReviewSeries::statTopic() const { return m_current ? topic().statTopic() : m_firstTopic; }

bool ReviewSeries::poseGiven(const GivenTask& task)
{
    // The series of the card's topic that takes its type and text (each topic and type
    // belongs to one series), set up as its own start would set it up.
    for (const PageSeries& s : m_ctx.pageSeries) {
        SeriesTopic& t = s.page->topic(s.index);
        if (t.statTopic() != task.topic)
            continue;
        s.page->arrange(s.index);
        t.prepareSeries();
        if (!t.poseCard(task.type, task.text))
            continue;
        if (m_current && m_current->page != s.page)
            giveBack();
        m_current = s;
        m_text = task.text;
        s.page->lend(s.index, &m_series);
        m_ctx.services.stats.markStatsChanged(task.topic);
        m_ctx.showPage(s.page->page());
        m_ctx.setNumberPadEnabled(s.page->usesNumberPad(s.index));
        return true;
    }
    m_recorder.cardUnposable(task.topic, task.type, task.text);
    return false;
}

AnswerCheck ReviewSeries::checkAnswer(const QStringList& fields) { return topic().checkAnswer(fields); }

QString ReviewSeries::expectedAnswerText() const { return topic().expectedAnswerText(); }

SeriesTexts ReviewSeries::texts() const { return m_current ? topic().texts() : SeriesTexts{}; }

QString ReviewSeries::wrongMessage(bool finished) const { return topic().wrongMessage(finished); }

void ReviewSeries::onWrongAnswer(bool finished) { topic().onWrongAnswer(finished); }

void ReviewSeries::seriesFinished()
{
    giveBack();
    m_recorder.setReviewing(false);
    // Tasks posed, the one left by an abort included.
    m_ctx.services.messages.showMessage(m_recorder.reviewSummary(m_series.taskNumber()));
}

void ReviewSeries::giveBack()
{
    if (m_current)
        m_current->page->lend(m_current->index, nullptr);
}

// The page is shown when its first card is posed.
void ReviewSeries::showTaskPage() {}

void ReviewSeries::showReturnPage()
{
    if (m_ctx.backToSelection)
        m_ctx.backToSelection();
}

// Each card's page says whether the pad is on; at the end it goes off.
void ReviewSeries::setNumberPadEnabled(bool on)
{
    if (!on)
        m_ctx.setNumberPadEnabled(false);
}

void ReviewSeries::clearAnswer()
{
    if (m_current)
        m_current->page->answer(m_current->index).clear();
}

void ReviewSeries::focusAnswer()
{
    if (m_current)
        m_current->page->answer(m_current->index).focus();
}

} // namespace quorvel::review
