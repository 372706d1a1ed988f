#pragma once
// What the exercises report to the statistics: a series started, a task given, a task
// solved at the first try; and the day those counts fall on.

#include <QDate>

namespace quorvel {

// Statistics topics and their number of task types. The order indexes the counts
// in memory, in the files and in the charts.
enum StatTopic : int {
    TopicFractions = 1,     // 11 types
    TopicUnits = 2,         // 6 types
    TopicBasic = 3,         // 12 types: plain 1-4, gaps 5-8, puzzle 9-12
    TopicPrimes = 4,        // 4 types
    TopicNumberSystems = 5, // 5 types
};

class StatsSink {
public:
    virtual ~StatsSink() = default;
    virtual void markStatsChanged(int topic) = 0;
    virtual void countTaskGiven(int topic, int type) = 0;
    virtual void countTaskCorrect(int topic, int type) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

} // namespace quorvel
