#pragma once
// Which series "&Start" runs for the choice made on a settings page: a table the topic
// fills once, instead of a switch in every topic.

#include <functional>
#include <map>

namespace quorvel {

class TaskPage;

class SeriesChoices {
public:
    using Start = std::function<bool(int taskCount)>;

    // Choice `choice` runs series `series` of `page`; `arrange` is the page's set-up for
    // that series (see TaskPage::setArrange).
    void add(int choice, TaskPage& page, int series, std::function<void()> arrange = {});
    void add(int choice, Start start);

    // Starts the series of `choice`; false when the choice has none or its start was
    // refused.
    bool start(int choice, int taskCount) const;

private:
    std::map<int, Start> m_starts;
};

} // namespace quorvel
