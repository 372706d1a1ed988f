// The equation-building puzzle without a window: dealing and mixing, shifting with
// wrap-around, confirming, lamps, solved rows, the solvability search, series end.
#include "equationpuzzle.h"
#include "fakes.h"

#include <gtest/gtest.h>
#include <algorithm>

using namespace quorvel;
using namespace quorvel::basic;
using namespace quorvel::test;

namespace {

using Column = EquationPuzzle::Column;
const Column kOneToTen{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
const Column kEven{2, 4, 6, 8, 10, 12, 14, 16, 18, 20};

struct Puzzle : ::testing::Test {
    TestServices ts;
    QString status;
    int page = -1, pad = -1; // pad: -1 untouched, 0 off, 1 on
    // The board page is page 1, the settings page page 0.
    struct Board : PuzzleView {
        Puzzle& t;
        explicit Board(Puzzle& test) : t(test) {}
        void showBoard() override {}
        void showTaskPage() override { t.page = 1; }
        void showReturnPage() override { t.page = 0; }
        void setNumberPadEnabled(bool on) override { t.pad = on; }
        void setStatusText(const QString& s) override { t.status = s; }
        void announceRight() override {}
    } boardView{*this};
    EquationPuzzle p{ts.services, boardView};

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
    // Shifts column c until its bottom entry is v.
    bool bringDown(int c, std::int32_t v)
    {
        for (int i = 0; i < p.activeLength() && p.entry(c, p.activeLength()) != v; ++i)
            p.shiftColumn(c);
        return p.entry(c, p.activeLength()) == v;
    }
    std::vector<int> lit() const
    {
        std::vector<int> on;
        for (int i = 1; i <= 10; ++i)
            if (p.lamp(i))
                on.push_back(i);
        return on;
    }
};

} // namespace

TEST_F(Puzzle, EveryBoardHoldsFiveEquationsThatShiftingFormsOneAfterTheOther)
{
    for (int op = 1; op <= 4; ++op) {
        for (const auto& [lower, upper] : {std::pair{0, 100}, {-20, 20}, {0, 1}, {5, 9}}) {
            ASSERT_TRUE(p.begin(op, lower, upper, 1000));
            for (int round = 0; round < 20; ++round) {
                p.fillBoard();
                std::vector<std::array<std::int32_t, 3>> built;
                for (int k = 1; k <= 5; ++k) {
                    built.push_back({p.entry(1, k), p.entry(2, k), p.entry(3, k)});
                    EXPECT_TRUE(EquationPuzzle::holds(op, built.back()[0], built.back()[1], built.back()[2]));
                }
                const Column a = column(1), b = column(2), c = column(3);
                p.shuffleColumns();
                // Column 1 turned down by 1 to 9 places, column 2 the same values, column 3 kept.
                bool turned = false;
                for (int r = 1; r <= 9; ++r) {
                    Column t{};
                    for (int i = 0; i < 10; ++i)
                        t[std::size_t((i + r) % 10)] = a[std::size_t(i)];
                    turned = turned || t == column(1);
                }
                EXPECT_TRUE(turned);
                Column b1 = b, b2 = column(2);
                std::sort(b1.begin(), b1.end());
                std::sort(b2.begin(), b2.end());
                EXPECT_EQ(b1, b2);
                EXPECT_EQ(c, column(3));
                for (const auto& e : built) {
                    ASSERT_TRUE(bringDown(1, e[0]) && bringDown(2, e[1]) && bringDown(3, e[2]));
                    EXPECT_TRUE(p.solvable());
                    p.confirm();
                    ASSERT_EQ(p.errorCount(), 0);
                }
                EXPECT_EQ(p.solvedCount(), 0); // the fifth dealt a new board
            }
        }
    }
    // Multiplication 0 to 100: results up to 10000 beside random numbers from 0 to 201.
    ASSERT_TRUE(p.begin(3, 0, 100, 10));
    p.fillBoard();
    EXPECT_EQ(ts.random.asked.back(), 202);
    for (int k = 6; k <= 10; ++k)
        EXPECT_LE(p.entry(3, k), 201);
}

TEST_F(Puzzle, ShiftingWrapsOverTheActiveEntriesOnly)
{
    for (int solved = 0; solved <= 4; ++solved) {
        board(1, kOneToTen, kOneToTen, kOneToTen);
        p.setCounts(solved, 0);
        const int n = 10 - solved;
        p.shiftColumn(1);
        Column expected = kOneToTen;
        std::rotate(expected.begin(), expected.begin() + n - 1, expected.begin() + n);
        EXPECT_EQ(column(1), expected);
        for (int i = 1; i < n; ++i)
            p.shiftColumn(1);
        EXPECT_EQ(column(1), kOneToTen);
        EXPECT_TRUE(ts.log.events.empty());
    }
}

TEST_F(Puzzle, ConfirmingTheBottomRow)
{
    const QString wrong = "Die Gleichung ist fehlerhaft !", zero = "Division durch Null nicht erlaubt!";
    const struct { int op, x, y, z; QString message; } rows[] = {
        {1, 12, 7, 19, {}}, {1, 12, 7, 20, wrong}, {2, 5, 9, -4, {}}, {2, 9, 5, -4, wrong},
        {3, -4, 6, -24, {}}, {3, 30000, 30000, 900000000, {}}, {4, 12, 0, 0, zero},
        {4, 0, 0, 5, zero}, {4, 0, 5, 0, {}}, {4, 7, 2, 3, wrong}, {4, -12, -3, 4, {}},
    };
    for (const auto& row : rows) {
        Column a = kOneToTen, b = kOneToTen, c = kOneToTen;
        a[9] = row.x, b[9] = row.y, c[9] = row.z;
        board(row.op, a, b, c);
        p.confirm();
        const QString type = QString::number(row.op + 8);
        if (row.message.isEmpty())
            EXPECT_EQ(ts.log.events, QStringList({"correct 3 " + type, "sound right", "given 3 " + type}));
        else
            EXPECT_EQ(ts.log.events, QStringList({"sound wrong", "message " + row.message, "given 3 " + type}));
        EXPECT_EQ(lit(), std::vector<int>({row.message.isEmpty() ? 1 : 6})) << row.x << row.y << row.z;
        EXPECT_EQ(status, "1 Gleichung(en) von 100 bearbeitet");
    }
}

TEST_F(Puzzle, SolvedRowsLampsAndTheNewBoardAfterFive)
{
    board(1, kOneToTen, kOneToTen, kEven);
    p.confirm(); // 10 + 10 = 20
    for (int c = 1; c <= 3; ++c)
        EXPECT_FALSE(p.cell(c, 1).has_value());
    // The other nine moved down one more place; the old entry 9 wrapped to the top.
    for (int row = 2; row <= 10; ++row)
        EXPECT_EQ(p.cell(1, row), row == 2 ? 9 : row - 2);
    EXPECT_EQ(p.bottomRowText(), "8 + 8 = 16");
    p.confirm();
    p.shiftColumn(3);
    p.confirm(); // 6 + 6 = 10
    EXPECT_EQ(lit(), std::vector<int>({1, 2, 6}));
    p.confirm();
    EXPECT_EQ(lit(), std::vector<int>({1, 2, 6, 7}));
    const int seedings = ts.random.seedings;
    p.confirm();
    EXPECT_TRUE(lit().empty());
    EXPECT_EQ(p.solvedCount() + p.errorCount(), 0);
    EXPECT_EQ(ts.random.seedings, seedings + 2); // the deal and the mixing
    EXPECT_EQ(ts.log.events.filter("given").size(), 5);
    EXPECT_EQ(ts.log.events.filter("correct").size(), 2);
}

TEST_F(Puzzle, TheSolvabilitySearch)
{
    const QString yes = "message Es können noch gültige\rGleichungen gebildet werden!";
    const QString no = "message Es können keine gültigen\rGleichungen mehr gebildet werden!";
    const Column ones{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, zeros{}, threes{3, 3, 3, 3, 3, 3, 3, 3, 3, 3};
    const struct { int op, solved; Column a, b, c; bool solvable; } rows[] = {
        {3, 0, kOneToTen, kOneToTen, ones, true}, // a fresh board is not searched
        {1, 1, {1, 50, 1, 1, 1, 1, 1, 1, 1, 1}, {2, 2, 2, 2, 40, 2, 2, 2, 2, 2}, {1, 1, 1, 1, 1, 1, 90, 1, 1, 1}, true},
        {1, 1, ones, ones, {5, 5, 5, 5, 5, 5, 5, 5, 5, 2}, false}, // 1 + 1 = 2 is out of play
        {4, 2, zeros, zeros, threes, false},
        {4, 4, {0, 9, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 3, 0, 0, 0, 0, 0, 0, 0}, threes, true},
        {2, 3, {5, 5, 5, 5, 5, 5, 5, 5, 5, 5}, {9, 9, 9, 9, 9, 9, 9, 9, 9, 9}, {7, -4, 7, 7, 7, 7, 7, 7, 7, 7}, true},
    };
    for (const auto& row : rows) {
        board(row.op, row.a, row.b, row.c);
        p.setCounts(row.solved, 1);
        status = "before";
        const int seedings = ts.random.seedings;
        EXPECT_EQ(p.solvable(), row.solvable);
        p.checkSolvable();
        EXPECT_EQ(ts.log.events, QStringList({row.solvable ? yes : no}));
        // Without a solution a new board is dealt; nothing is counted.
        EXPECT_EQ(ts.random.seedings, seedings + (row.solvable ? 0 : 2));
        EXPECT_EQ(p.errorCount(), row.solvable ? 1 : 0);
        EXPECT_EQ(status, "before");
    }
}

TEST_F(Puzzle, StartRefusalsAndTheEndOfASeries)
{
    EXPECT_FALSE(p.begin(4, -20, -5, 10));
    EXPECT_FALSE(p.begin(1, 50, 10, 10));
    EXPECT_EQ(ts.log.events.filter("Zahlenbereich").size(), 2);
    EXPECT_EQ(ts.log.events.size(), 2);
    EXPECT_EQ(page, -1);

    ASSERT_TRUE(p.begin(2, -20, 20, 1));
    EXPECT_EQ(ts.log.events.mid(2), QStringList({"changed 3", "given 3 10"}));
    EXPECT_EQ(status, "0 Gleichung(en) von 1 bearbeitet");
    EXPECT_EQ(page, 1);
    EXPECT_EQ(pad, 0);
    ts.log.clear();
    p.confirm(); // a count of 1: the first confirmation ends the series
    EXPECT_EQ(ts.log.events.back(), "sound MUSIN02");
    EXPECT_EQ(ts.log.events.filter("given").size(), 0);
    EXPECT_EQ(status, "");
    EXPECT_EQ(page, 0);
    EXPECT_EQ(pad, 1);
    p.confirm();
    p.shiftColumn(1);
    EXPECT_EQ(ts.log.events.filter("sound").size(), 2);
}
