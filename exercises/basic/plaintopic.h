#pragma once
// The plain basic-arithmetic tasks as a topic of the exercise series frame. No widgets:
// the settings come from a reader, the task goes to a view callback.

#include "plaintasks.h"
#include "topicadapter.h"

namespace quorvel::basic {

// The settings page as it stands when "&Start" is pressed.
struct GrundPageSettings {
    int rechenartItem = 0;
    std::int32_t lowerBound = 0;
    std::int32_t upperBound = 100;
    RangeChoice range;
    int squareLimit = 10;
};

// The typed answer as a whole number against `expected`; a text that is no number is the
// conversion error.
AnswerCheck checkWholeNumber(const QString& text, std::int32_t expected);

class PlainTaskTopic final : public TopicAdapter<GrundPageSettings, PlainTask> {
public:
    using TopicAdapter::TopicAdapter;

    int statTopic() const override { return TopicBasic; }
    QString startRefusal() override;
    int drawTask() override; // returns CurrentOperation, the statistics type
    AnswerCheck checkText(const QString& text) override;
    QString expectedAnswerText() const override;
};

} // namespace quorvel::basic
