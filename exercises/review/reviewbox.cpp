#include "reviewbox.h"

#include <algorithm>
#include <array>

namespace quorvel::review {

namespace {
constexpr std::array<int, kBoxCount> kWaitingDays = {1, 2, 5};

bool olderMiss(const Card& a, const Card& b)
{
    if (a.missed != b.missed)
        return a.missed < b.missed;
    return a.since < b.since;
}
} // namespace

int waitingDays(int box)
{
    return kWaitingDays[std::size_t(std::clamp(box, 1, kBoxCount) - 1)];
}

QDate dueDate(const Card& card) { return card.since.addDays(waitingDays(card.box)); }

Card* ReviewBox::find(int topic, int type, const QString& task)
{
    const auto it = std::find_if(m_cards.begin(), m_cards.end(), [&](const Card& c) {
        return c.sameTask(topic, type, task);
    });
    return it == m_cards.end() ? nullptr : &*it;
}

void ReviewBox::recordMiss(int topic, int type, const QString& task, QDate today)
{
    if (Card* c = find(topic, type, task)) {
        c->box = 1;
        c->since = today;
        return;
    }
    m_cards.push_back(Card{topic, type, task, today, 1, today});
    trim();
}

bool ReviewBox::recordReview(int topic, int type, const QString& task, ReviewResult result,
                             QDate today)
{
    Card* c = find(topic, type, task);
    if (!c)
        return false;
    if (result == ReviewResult::Wrong) {
        c->box = 1;
        c->since = today;
        return false;
    }
    if (c->box < kBoxCount) {
        ++c->box;
        c->since = today;
        return false;
    }
    m_cards.erase(m_cards.begin() + (c - m_cards.data()));
    m_mastered.push_back(today);
    return true;
}

void ReviewBox::forget(int topic, int type, const QString& task)
{
    std::erase_if(m_cards, [&](const Card& c) { return c.sameTask(topic, type, task); });
}

std::vector<Card> ReviewBox::due(QDate today, int limit) const
{
    std::vector<Card> out;
    for (const Card& c : m_cards)
        if (dueDate(c) <= today)
            out.push_back(c);
    std::stable_sort(out.begin(), out.end(), olderMiss);
    if (int(out.size()) > limit)
        out.resize(std::size_t(std::max(limit, 0)));
    return out;
}

int ReviewBox::dueCount(QDate today) const
{
    return int(std::count_if(m_cards.begin(), m_cards.end(),
                             [&](const Card& c) { return dueDate(c) <= today; }));
}

int ReviewBox::masteredRecently(QDate today) const
{
    const QDate first = today.addDays(1 - kMasteredWindowDays);
    return int(std::count_if(m_mastered.begin(), m_mastered.end(),
                             [&](QDate d) { return d >= first && d <= today; }));
}

void ReviewBox::pruneMastered(QDate today)
{
    const QDate first = today.addDays(1 - kMasteredWindowDays);
    std::erase_if(m_mastered, [&](QDate d) { return d < first; });
}

void ReviewBox::setContents(std::vector<Card> cards, std::vector<QDate> mastered)
{
    m_cards = std::move(cards);
    m_mastered = std::move(mastered);
    trim();
}

void ReviewBox::trim()
{
    while (int(m_cards.size()) > kMaxCards) {
        const int highest = std::max_element(m_cards.begin(), m_cards.end(), [](const Card& a, const Card& b) {
                                return a.box < b.box;
                            })->box;
        auto oldest = m_cards.end();
        for (auto it = m_cards.begin(); it != m_cards.end(); ++it)
            if (it->box == highest && (oldest == m_cards.end() || olderMiss(*it, *oldest)))
                oldest = it;
        m_cards.erase(oldest);
    }
}

} // namespace quorvel::review
