#pragma once
// "Fehler üben": one series of the due cards, each posed on its own topic's task page and
// judged by that topic's rules, in the shared frame (two tries, jingles, "Aufgabe i von
// N", skip, abort). The tasks count in the statistics like any task of their topic; the
// answers move the cards by the box rules; at the end a notice says how it went.

#include "reviewbox.h"
#include "reviewrecorder.h"
#include "topiccontext.h"

#include <optional>

namespace quorvel::review {

class ReviewSeries final : private SeriesTopic, private SeriesView {
public:
    ReviewSeries(TopicContext& ctx, ReviewRecorder& recorder);

    // Runs the cards in their order; false after a notice when there are none.
    bool begin(const std::vector<Card>& cards);

private:
    // SeriesTopic: each call goes to the topic of the card on screen.
    int statTopic() const override;
    int drawTask() override { return 0; }
    bool poseGiven(const GivenTask& task) override;
    AnswerCheck checkAnswer(const QStringList& fields) override;
    QString expectedAnswerText() const override;
    SeriesTexts texts() const override;
    QString wrongMessage(bool finished) const override;
    void onWrongAnswer(bool finished) override;
    QString cardText() const override { return m_text; }
    void seriesFinished() override;

    // SeriesView: the page of the card on screen, the selection page at the end.
    void showTaskPage() override;
    void showReturnPage() override;
    void setNumberPadEnabled(bool on) override;
    void setStatusText(const QString& text) override { m_ctx.showStatusText(text); }
    void clearAnswer() override;
    void focusAnswer() override;
    void announceRight() override { m_ctx.announceRightAnswer(); }

    SeriesTopic& topic() const;
    void giveBack();

    TopicContext& m_ctx;
    ReviewRecorder& m_recorder;
    ExerciseSeries m_series;
    std::optional<PageSeries> m_current; // the series whose topic poses the card on screen
    int m_firstTopic = 0;
    QString m_text;
};

} // namespace quorvel::review
