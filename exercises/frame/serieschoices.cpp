#include "serieschoices.h"

#include "taskpage.h"

namespace quorvel {

void SeriesChoices::add(int choice, TaskPage& page, int series, std::function<void()> arrange)
{
    if (arrange)
        page.setArrange(series, std::move(arrange));
    add(choice, [&page, series](int taskCount) { return page.begin(series, taskCount); });
}

void SeriesChoices::add(int choice, Start start) { m_starts[choice] = std::move(start); }

bool SeriesChoices::start(int choice, int taskCount) const
{
    const auto it = m_starts.find(choice);
    return it != m_starts.end() && it->second(taskCount);
}

} // namespace quorvel
