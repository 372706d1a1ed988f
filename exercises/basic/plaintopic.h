#pragma once
// The plain basic-arithmetic tasks as a topic of the exercise series frame. No widgets:
// the settings come from a reader, the task goes to a view callback.

#include "plaintasks.h"
#include "series.h"

#include <functional>

namespace quorvel::basic {

// The settings page as it stands when "&Start" is pressed.
struct GrundPageSettings {
    int rechenartItem = 0;
    std::int32_t lowerBound = 0;
    std::int32_t upperBound = 100;
    RangeChoice range;
    int squareLimit = 10;
};

class PlainTaskTopic final : public SeriesTopic {
public:
    using SettingsReader = std::function<GrundPageSettings()>;
    using TaskView = std::function<void(const PlainTask&)>;

    PlainTaskTopic(RandomSource& random, SettingsReader read, TaskView show);

    int statTopic() const override { return TopicBasic; }
    QString startRefusal() override;
    void prepareSeries() override;
    int drawTask() override; // returns CurrentOperation, the statistics type
    AnswerCheck checkAnswer(const QString& text) override;
    QString expectedAnswerText() const override;

    const PlainTask& currentTask() const { return m_task; }
    std::int32_t expectedResult() const { return m_task.expected; }

private:
    PlainSettings settingsNow() const;

    RandomSource& m_random;
    SettingsReader m_read;
    TaskView m_show;
    PlainSettings m_settings;
    PlainTask m_task; // ExpectedResult lives on after a series, 0 at program start
};

} // namespace quorvel::basic
