#pragma once
// The plain basic-arithmetic tasks as a topic of the exercise series frame. No widgets:
// the settings come from a reader, the task goes to a view callback.

#include "plaintasks.h"
#include "topicadapter.h"

#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

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
    // "x y": the operation is the statistics type.
    QString encodeTask(const PlainTask& task) const override;
    std::optional<PlainTask> decodeTask(int type, const QString& text) const override;
};

// The result of x op y, or nothing when it is no whole number in 32 bits.
std::optional<std::int32_t> operationResult(int operation, std::int64_t x, std::int64_t y);
// Two or three whole numbers separated by single blanks, as the basic codecs write them.
std::optional<std::vector<std::int32_t>> readCardNumbers(const QString& text, int count);

} // namespace quorvel::basic
