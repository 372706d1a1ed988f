#pragma once
// The gap tasks as a topic of the exercise series frame. No widgets: the settings come
// from a reader, the task goes to a view callback.

#include "gaptasks.h"
#include "plaintopic.h"
#include "series.h"

#include <functional>

namespace quorvel::basic {

class GapTaskTopic final : public SeriesTopic {
public:
    using SettingsReader = std::function<GrundPageSettings()>;
    using TaskView = std::function<void(const GapTask&)>;

    GapTaskTopic(RandomSource& random, SettingsReader read, TaskView show);

    int statTopic() const override { return TopicBasic; }
    QString startRefusal() override;
    void prepareSeries() override;
    int drawTask() override; // returns CurrentOperation + 4, the statistics type
    AnswerCheck checkAnswer(const QString& text) override;
    QString expectedAnswerText() const override;


private:
    RandomSource& m_random;
    SettingsReader m_read;
    TaskView m_show;
    int m_selectedTaskType = 1;
    std::int32_t m_lower = 0;
    std::int32_t m_upper = 100;
    GapTask m_task;
};

// Gap tasks count under the statistics types 5 to 8.
constexpr int gapStatType(int operation) { return operation + 4; }

} // namespace quorvel::basic
