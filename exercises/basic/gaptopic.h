#pragma once
// The gap tasks as a topic of the exercise series frame. No widgets: the settings come
// from a reader, the task goes to a view callback.

#include "gaptasks.h"
#include "plaintopic.h"

namespace quorvel::basic {

class GapTaskTopic final : public TopicAdapter<GrundPageSettings, GapTask> {
public:
    using TopicAdapter::TopicAdapter;

    int statTopic() const override { return TopicBasic; }
    QString startRefusal() override;
    int drawTask() override; // returns CurrentOperation + 4, the statistics type
    AnswerCheck checkText(const QString& text) override;
    QString expectedAnswerText() const override;
    // "a b c": the operation is the statistics type less 4.
    QString encodeTask(const GapTask& task) const override;
    std::optional<GapTask> decodeTask(int type, const QString& text) const override;
};

// Gap tasks count under the statistics types 5 to 8.
constexpr int gapStatType(int operation) { return operation + 4; }

} // namespace quorvel::basic
