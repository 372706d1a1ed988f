#pragma once
// The Fehlerkartei: every task a pupil missed comes back as a card, spaced over days in
// three boxes, until it is answered right at the first try in the last box ("gemeistert").
// Plain rules on plain data; the file side is in reviewfile.h.

#include <QDate>
#include <QString>
#include <vector>

namespace quorvel::review {

// One missed task: its topic and statistics type, the task's own data as a topic codec
// wrote it (one line of text), the day it was missed, its box and the day it entered
// that box (the miss, or its last answer in a review).
struct Card {
    int topic = 0;
    int type = 0;
    QString task;
    QDate missed;
    int box = 1;
    QDate since;

    bool sameTask(int t, int ty, const QString& text) const
    {
        return topic == t && type == ty && task == text;
    }
    bool operator==(const Card&) const = default;
};

constexpr int kBoxCount = 3;
constexpr int kMaxCards = 300;
constexpr int kMaxDuePerSeries = 20;
constexpr int kMasteredWindowDays = 30;

// Days after entering a box until the card is due again: box 1 the next day, box 2 two
// days later, box 3 five days later.
int waitingDays(int box);
QDate dueDate(const Card& card);

enum class ReviewResult { RightFirstTry, Wrong };

class ReviewBox {
public:
    // A task not solved at the first try: a new card in box 1, or the card of that very
    // task put back into box 1. Past kMaxCards the oldest cards of the highest box go.
    void recordMiss(int topic, int type, const QString& task, QDate today);
    // A due card answered in a review: right at the first try moves it up one box, right
    // in the last box masters it (it leaves and is remembered with the day); wrong at any
    // try puts it back into box 1. Returns true when the card was mastered.
    bool recordReview(int topic, int type, const QString& task, ReviewResult result, QDate today);
    // Takes out a card that no topic can pose any more (a file changed by hand).
    void forget(int topic, int type, const QString& task);

    // The cards due today, oldest miss first, at most `limit`.
    std::vector<Card> due(QDate today, int limit = kMaxDuePerSeries) const;
    int dueCount(QDate today) const;
    // Cards mastered in the last kMasteredWindowDays days, today included.
    int masteredRecently(QDate today) const;
    // Forgets mastered days older than the window.
    void pruneMastered(QDate today);

    const std::vector<Card>& cards() const { return m_cards; }
    const std::vector<QDate>& mastered() const { return m_mastered; }
    // For the file reader: taken as they are, then trimmed to kMaxCards.
    void setContents(std::vector<Card> cards, std::vector<QDate> mastered);

    bool operator==(const ReviewBox&) const = default;

private:
    Card* find(int topic, int type, const QString& task);
    void trim();

    std::vector<Card> m_cards;   // in the order they were missed
    std::vector<QDate> m_mastered;
};

} // namespace quorvel::review
