// The equation-building puzzle without a window: dealing and mixing, shifting with
// wrap-around, confirming, lamps, solved rows, the solvability search, the counts and
// jingles of a whole series.
#include "equationpuzzle.h"
#include "fakes.h"

#include <gtest/gtest.h>
#include <algorithm>

using namespace quorvel;
using namespace quorvel::basic;
using namespace quorvel::test;

namespace {

using Column = EquationPuzzle::Column;

struct Puzzle : ::testing::Test {
    TestServices ts;
    QString status = QStringLiteral("untouched");
    int page = -1;
    int pad = -1; // -1 untouched, 0 disabled, 1 enabled
    int boards = 0;
    EquationPuzzle p{ts.services,
                     {[this] { ++boards; }, [this](const QString& s) { status = s; },
                      [this](int i) { page = i; }, [this](bool on) { pad = on ? 1 : 0; }, {}},
                     1, 0};

    // A running series of the operation with a board of one's own.
    void board(int op, const Column& a, const Column& b, const Column& c, int count = 100)
    {
        ASSERT_TRUE(p.begin(op, 0, 100, count));
        p.setColumn(1, a);
        p.setColumn(2, b);
        p.setColumn(3, c);
        ts.log.clear();
    }
    Column column(int c) const
    {
        Column v{};
        for (int k = 1; k <= 10; ++k)
            v[std::size_t(k - 1)] = p.entry(c, k);
        return v;
    }
    // Shifts column c until its bottom entry is v; false when v is not among the active ones.
    bool bringDown(int c, std::int32_t v)
    {
        for (int i = 0; i < p.activeLength(); ++i) {
            if (p.entry(c, p.activeLength()) == v)
                return true;
            p.shiftColumn(c);
        }
        return p.entry(c, p.activeLength()) == v;
    }
    std::vector<int> litLamps() const
    {
        std::vector<int> lit;
        for (int i = 1; i <= 10; ++i)
            if (p.lamp(i))
                lit.push_back(i);
        return lit;
    }
};

const Column kOneToTen{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

} // namespace

TEST_F(Puzzle, EveryDealtBoardHoldsFiveEquationsThatShiftingCanFormOneAfterTheOther)
{
    const struct { int lower, upper; } ranges[] = {{0, 100}, {-20, 20}, {0, 1}, {5, 9}};
    for (int op = 1; op <= 4; ++op) {
        for (const auto& range : ranges) {
            SCOPED_TRACE(QStringLiteral("%1 %2..%3").arg(op).arg(range.lower).arg(range.upper)
                             .toStdString());
            ASSERT_TRUE(p.begin(op, range.lower, range.upper, 1000));
            for (int round = 0; round < 20; ++round) {
                p.fillBoard();
                std::vector<std::array<std::int32_t, 3>> built;
                for (int k = 1; k <= 5; ++k) {
                    built.push_back({p.entry(1, k), p.entry(2, k), p.entry(3, k)});
                    EXPECT_TRUE(EquationPuzzle::holds(op, p.entry(1, k), p.entry(2, k), p.entry(3, k)));
                }
                const Column a = column(1), b = column(2), c = column(3);
                p.shuffleColumns();
                // Column 1 turned down by 1 to 9 places, column 2 the same values, column 3 kept.
                bool turned = false;
                for (int r = 1; r <= 9 && !turned; ++r) {
                    Column t{};
                    for (int i = 0; i < 10; ++i)
                        t[std::size_t((i + r) % 10)] = a[std::size_t(i)];
                    turned = t == column(1);
                }
                EXPECT_TRUE(turned);
                Column sortedB = b, sortedNow = column(2);
                std::sort(sortedB.begin(), sortedB.end());
                std::sort(sortedNow.begin(), sortedNow.end());
                EXPECT_EQ(sortedB, sortedNow);
                EXPECT_EQ(c, column(3));
                // All five built equations can be formed and confirmed, one after the other.
                for (const auto& e : built) {
                    const int solved = p.solvedCount();
                    ASSERT_TRUE(bringDown(1, e[0]) && bringDown(2, e[1]) && bringDown(3, e[2]));
                    if (solved < 4) {
                        EXPECT_TRUE(p.solvable());
                    }
                    p.confirm();
                    ASSERT_EQ(p.errorCount(), 0);
                    if (solved < 4) {
                        EXPECT_EQ(p.solvedCount(), solved + 1);
                    }
                }
                EXPECT_EQ(p.solvedCount(), 0); // the fifth dealt a new board
            }
        }
    }
}

TEST_F(Puzzle, RandomRowsAndResultsOfAMultiplicationBoard)
{
    ASSERT_TRUE(p.begin(3, 0, 100, 10));
    for (int round = 0; round < 50; ++round) {
        p.fillBoard();
        for (int k = 1; k <= 5; ++k)
            EXPECT_LE(p.entry(3, k), 10000);
        for (int k = 6; k <= 10; ++k) {
            EXPECT_GE(p.entry(3, k), 0);
            EXPECT_LE(p.entry(3, k), 201);
        }
    }
    EXPECT_EQ(ts.random.asked.back(), 202);
}

TEST_F(Puzzle, StartCountsTheFirstEquationAndPlaysNoJingle)
{
    ASSERT_TRUE(p.begin(2, -20, 20, 10));
    EXPECT_EQ(ts.log.events, QStringList({"changed 3", "given 3 10"}));
    EXPECT_EQ(status, "0 Gleichung(en) von 10 bearbeitet");
    EXPECT_EQ(page, 1);
    EXPECT_EQ(pad, 0);
    EXPECT_EQ(ts.random.seedings, 2); // the deal and the mixing
    EXPECT_EQ(p.solvedCount(), 0);
    EXPECT_TRUE(litLamps().empty());
    EXPECT_GT(boards, 0);
}

TEST_F(Puzzle, StartIsRefusedWhereNoBoardCanBeDealt)
{
    const struct { int op, lower, upper; const char* contains; } rows[] = {
        {4, -20, -5, "Zahlenbereich"},
        {1, 50, 10, "ist größer"},
        {4, 10, 11, "von 10 bis 11"},
    };
    for (const auto& row : rows) {
        ts.log.clear();
        EXPECT_FALSE(p.begin(row.op, row.lower, row.upper, 10));
        ASSERT_EQ(ts.log.events.size(), 1);
        EXPECT_TRUE(ts.log.events[0].contains(QString::fromUtf8(row.contains)));
        EXPECT_FALSE(p.running());
        EXPECT_EQ(page, -1);
    }
    EXPECT_TRUE(EquationPuzzle::startRefusal(4, 0, 0).isEmpty()); // 0 : 1 = 0 is an equation
}

TEST_F(Puzzle, ShiftingWrapsOverTheActiveEntriesOnly)
{
    for (int solved = 0; solved <= 4; ++solved) {
        board(1, kOneToTen, kOneToTen, kOneToTen);
        p.setCounts(solved, 0);
        const int n = 10 - solved;
        for (int c = 1; c <= 3; ++c)
            p.shiftColumn(c);
        for (int c = 1; c <= 3; ++c) {
            EXPECT_EQ(p.entry(c, 1), n);
            for (int k = 2; k <= n; ++k)
                EXPECT_EQ(p.entry(c, k), k - 1);
            for (int k = n + 1; k <= 10; ++k)
                EXPECT_EQ(p.entry(c, k), k); // out of play, untouched
        }
        for (int i = 1; i < n; ++i)
            p.shiftColumn(2);
        EXPECT_EQ(column(2), kOneToTen); // n shifts bring the column back
        EXPECT_TRUE(ts.log.events.empty());
        EXPECT_EQ(p.taskNumber(), 0);
    }
}

TEST_F(Puzzle, ConfirmingTheBottomRow)
{
    const struct {
        int op, x, y, z;
        const char* verdict; // "right" or the message
    } rows[] = {
        {1, 12, 7, 19, "right"},
        {1, 12, 7, 20, "Die Gleichung ist fehlerhaft !"},
        {2, 5, 9, -4, "right"},
        {2, 9, 5, -4, "Die Gleichung ist fehlerhaft !"},
        {3, -4, 6, -24, "right"},
        {3, 30000, 30000, 900000000, "right"},
        {4, 12, 0, 0, "Division durch Null nicht erlaubt!"},
        {4, 0, 0, 5, "Division durch Null nicht erlaubt!"},
        {4, 0, 5, 0, "right"},
        {4, 7, 2, 3, "Die Gleichung ist fehlerhaft !"},
        {4, -12, -3, 4, "right"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(QStringLiteral("%1: %2 %3 %4").arg(row.op).arg(row.x).arg(row.y).arg(row.z)
                         .toStdString());
        Column a = kOneToTen, b = kOneToTen, c = kOneToTen;
        a[9] = row.x;
        b[9] = row.y;
        c[9] = row.z;
        board(row.op, a, b, c);
        const QString type = QString::number(row.op + 8);
        p.confirm();
        if (QString::fromUtf8(row.verdict) == "right") {
            EXPECT_EQ(ts.log.events, QStringList({"correct 3 " + type, "sound right", "given 3 " + type}));
            EXPECT_EQ(litLamps(), std::vector<int>({1}));
            EXPECT_EQ(p.solvedCount(), 1);
        } else {
            EXPECT_EQ(ts.log.events, QStringList({"sound wrong", "message " + QString::fromUtf8(row.verdict),
                                                  "given 3 " + type}));
            EXPECT_EQ(litLamps(), std::vector<int>({6}));
            EXPECT_EQ(p.errorCount(), 1);
        }
        EXPECT_EQ(status, "1 Gleichung(en) von 100 bearbeitet");
    }
}

TEST_F(Puzzle, ASolvedRowLeavesRowOneBlankAndTurnsTheRestDownOnceMore)
{
    board(1, kOneToTen, kOneToTen, {2, 4, 6, 8, 10, 12, 14, 16, 18, 20});
    p.confirm(); // 10 + 10 = 20
    for (int c = 1; c <= 3; ++c) {
        EXPECT_FALSE(p.cell(c, 1).has_value());
        EXPECT_EQ(p.cell(c, 2), p.entry(c, 1));
    }
    EXPECT_EQ(p.cell(1, 2), 9); // the old entry 9 wrapped to the top
    for (int row = 3; row <= 10; ++row)
        EXPECT_EQ(p.cell(1, row), row - 2);
    EXPECT_EQ(p.cell(3, 10), 16);
    EXPECT_EQ(p.bottomRowText(), "8 + 8 = 16");
}

TEST_F(Puzzle, LampsOfABoardAndTheNewBoardAfterFiveConfirmations)
{
    board(1, kOneToTen, kOneToTen, {2, 4, 6, 8, 10, 12, 14, 16, 18, 20});
    p.confirm(); // 10 + 10 = 20
    p.confirm(); // 8 + 8 = 16
    p.shiftColumn(3);
    p.confirm(); // 6 + 6 = 10 is wrong
    EXPECT_EQ(litLamps(), std::vector<int>({1, 2, 6}));
    const int seedings = ts.random.seedings;
    p.confirm();
    EXPECT_EQ(litLamps(), std::vector<int>({1, 2, 6, 7}));
    p.confirm(); // the fifth: a new board with every lamp off
    EXPECT_TRUE(litLamps().empty());
    EXPECT_EQ(p.solvedCount() + p.errorCount(), 0);
    EXPECT_EQ(ts.random.seedings, seedings + 2);
    EXPECT_EQ(status, "5 Gleichung(en) von 100 bearbeitet");
    EXPECT_EQ(ts.log.events.filter("given").size(), 5);
    EXPECT_EQ(ts.log.events.filter("correct").size(), 2);
}

TEST_F(Puzzle, TheSolvabilitySearch)
{
    // A fresh board counts as solvable without searching.
    board(3, kOneToTen, kOneToTen, {100, 100, 100, 100, 100, 100, 100, 100, 100, 100});
    EXPECT_TRUE(p.solvable());
    p.checkSolvable();
    EXPECT_EQ(ts.log.events, QStringList({"message Es können noch gültige\rGleichungen gebildet werden!"}));

    const struct {
        int op;
        Column a, b, c;
        bool solvable;
    } rows[] = {
        // After one solved row the nine active entries are searched in every combination.
        {1, {1, 50, 1, 1, 1, 1, 1, 1, 1, 0}, {2, 2, 2, 2, 40, 2, 2, 2, 2, 0}, {1, 1, 1, 1, 1, 1, 90, 1, 1, 0}, true},
        {1, {1, 1, 1, 1, 1, 1, 1, 1, 1, 7}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 7}, {5, 5, 5, 5, 5, 5, 5, 5, 5, 14}, false},
        {4, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {3, 3, 3, 3, 3, 3, 3, 3, 3, 3}, false},
        {4, {0, 0, 0, 0, 0, 0, 0, 0, 9, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 3, 0}, {3, 3, 3, 3, 3, 3, 3, 3, 3, 3}, true},
        {2, {5, 5, 5, 5, 5, 5, 5, 5, 5, 0}, {9, 9, 9, 9, 9, 9, 9, 9, 9, 0}, {7, 7, 7, 7, 7, 7, 7, 7, -4, 0}, true},
    };
    for (const auto& row : rows) {
        board(row.op, row.a, row.b, row.c);
        p.setCounts(1, 2);
        ts.log.clear();
        status = QStringLiteral("before");
        const int seedings = ts.random.seedings;
        EXPECT_EQ(p.solvable(), row.solvable);
        p.checkSolvable();
        ASSERT_FALSE(ts.log.events.isEmpty());
        if (row.solvable) {
            EXPECT_EQ(ts.log.events, QStringList({"message Es können noch gültige\rGleichungen gebildet werden!"}));
            EXPECT_EQ(p.solvedCount(), 1);
        } else {
            // A new board: nothing counted, the status kept.
            EXPECT_EQ(ts.log.events, QStringList({"message Es können keine gültigen\rGleichungen mehr gebildet werden!"}));
            EXPECT_EQ(p.solvedCount() + p.errorCount(), 0);
            EXPECT_EQ(ts.random.seedings, seedings + 2);
        }
        EXPECT_EQ(status, "before");
        EXPECT_EQ(p.taskNumber(), 0);
    }
}

TEST_F(Puzzle, ACountOfOneEndsTheSeriesAtTheFirstConfirmation)
{
    for (const bool right : {true, false}) {
        Column c = kOneToTen;
        c[9] = right ? 20 : 21;
        board(1, kOneToTen, kOneToTen, c, 1);
        p.confirm();
        EXPECT_FALSE(p.running());
        EXPECT_EQ(status, "");
        EXPECT_EQ(page, 0);
        EXPECT_EQ(pad, 1);
        EXPECT_EQ(ts.log.events.back(), "sound MUSIN02");
        EXPECT_EQ(ts.log.events.filter("given").size(), 0);
        EXPECT_EQ(ts.log.events.filter("correct").size(), right ? 1 : 0);
        p.confirm(); // nothing after the end
        p.shiftColumn(1);
        EXPECT_EQ(ts.log.events.filter("sound").size(), 2);
    }
}

TEST_F(Puzzle, AWholeSeriesCountsEveryConfirmationAndEveryRightOne)
{
    ASSERT_TRUE(p.begin(1, 0, 20, 12));
    const auto bottomHolds = [this] {
        const int n = p.activeLength();
        return EquationPuzzle::holds(1, p.entry(1, n), p.entry(2, n), p.entry(3, n));
    };
    int rights = 0;
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(status, EquationPuzzle::statusText(i, 12));
        if (i % 3 != 2 && p.solvable()) {
            // Search the active entries for an equation and shift it into the bottom row.
            const int n = p.activeLength();
            bool found = false;
            for (int x = 1; x <= n && !found; ++x)
                for (int y = 1; y <= n && !found; ++y)
                    for (int z = 1; z <= n && !found; ++z)
                        if (EquationPuzzle::holds(1, p.entry(1, x), p.entry(2, y), p.entry(3, z))) {
                            const auto e = std::array{p.entry(1, x), p.entry(2, y), p.entry(3, z)};
                            found = bringDown(1, e[0]) && bringDown(2, e[1]) && bringDown(3, e[2]);
                        }
            ASSERT_TRUE(found);
        } else {
            for (int k = 0; k < p.activeLength() && bottomHolds(); ++k)
                p.shiftColumn(3);
        }
        rights += bottomHolds() ? 1 : 0;
        p.confirm();
    }
    EXPECT_FALSE(p.running());
    EXPECT_GT(rights, 0);
    EXPECT_LT(rights, 12);
    EXPECT_EQ(ts.log.events.filter("given 3 9").size(), 12);
    EXPECT_EQ(ts.log.events.filter("correct 3 9").size(), rights);
    EXPECT_EQ(ts.log.events.filter("sound right").size(), rights);
    EXPECT_EQ(ts.log.events.filter("sound wrong").size(), 12 - rights);
    EXPECT_EQ(ts.log.events.back(), "sound MUSIN02");
}

TEST_F(Puzzle, AbortReturnsWithoutTouchingThePad)
{
    board(2, kOneToTen, kOneToTen, kOneToTen);
    pad = -1;
    p.abort();
    EXPECT_EQ(ts.log.events, QStringList({"sound MUSIN02"}));
    EXPECT_EQ(status, "");
    EXPECT_EQ(page, 0);
    EXPECT_EQ(pad, -1);
    EXPECT_FALSE(p.running());
}
