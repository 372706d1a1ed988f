#pragma once
// The equation-building puzzle without any window: three columns of ten numbers, the
// pupil shifts them until the bottom row reads x op y = z and confirms. Five valid
// equations hide among five rows of random numbers; five confirmations per board, shown
// by five green and five red lamps; a series is N confirmations.

#include "series.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace quorvel::basic {

// What the puzzle asks of the window: what every series asks, and the board. The board
// has no answer field to empty or focus.
class PuzzleView : public SeriesView {
public:
    virtual void showBoard() = 0; // fields, signs and lamps from the puzzle's state
    void clearAnswer() override {}
    void focusAnswer() override {}
};

class EquationPuzzle {
public:
    static constexpr int kRows = 10;   // entries of a column, rows of the board
    static constexpr int kColumns = 3; // first operand, second operand, result
    static constexpr int kLamps = 5;   // per colour; also confirmations per board
    using Column = std::array<std::int32_t, kRows>;

    EquationPuzzle(Services& services, PuzzleView& view);

    // A reason not to start in this range (a German notice), or empty.
    static QString startRefusal(int operation, std::int32_t lower, std::int32_t upper);

    // "&Start" with "Gleichungen": refuse with a notice, or mark the topic changed, show
    // the board page without the number pad and deal the first board. False when refused.
    bool begin(int operation, std::int32_t lower, std::int32_t upper, int taskCount);

    // NewPuzzle: seed, fill and mix a fresh board with all lamps off.
    void newPuzzle();
    // The two halves of a deal, for tests: rows 1 to 5 valid equations, rows 6 to 10
    // random numbers (no seeding, counters reset); then the mixing of the columns.
    void fillBoard();
    void shuffleColumns();

    void shiftColumn(int column); // 1 to 3; changes no counter
    void confirm();               // the bottom row as the pupil's equation
    void checkSolvable();         // tell whether an equation can still be formed
    void abort();

    // Can the active entries still form a valid equation? A board without solved rows
    // counts as solvable without searching.
    bool solvable() const;
    // Does x op y = z hold? Division by 0 never does.
    static bool holds(int operation, std::int32_t x, std::int32_t y, std::int32_t z);

    bool running() const { return m_running; }
    int operation() const { return m_operation; }
    int solvedCount() const { return m_solved; }
    int errorCount() const { return m_errors; }
    int activeLength() const { return kRows - m_solved; }
    quint16 taskCount() const { return m_taskCount; }
    quint16 taskNumber() const { return m_taskNumber; }
    std::int32_t lowerBound() const { return m_lower; }
    std::int32_t upperBound() const { return m_upper; }

    // Entry k (1 to 10) of column c (1 to 3).
    std::int32_t entry(int column, int k) const;
    void setColumn(int column, const Column& values); // for tests: a board of one's own
    void setCounts(int solved, int errors);           // for tests
    // What row r (1 to 10) of column c shows: nothing in the blank rows at the top.
    std::optional<std::int32_t> cell(int column, int row) const;
    // Lamp 1 to 10: LEDPaint1..5 green (solved), LEDPaint6..10 red (wrong).
    bool lamp(int index) const;

    // "+", "-", "x" or ":".
    static QString operatorSign(int operation);
    // The bottom row as it reads: "12 + 7 = 19".
    QString bottomRowText() const;
    // "3 Gleichung(en) von 10 bearbeitet".
    static QString statusText(int taskNumber, int taskCount);
    int statType() const { return m_operation + 8; }

private:
    std::int32_t draw();
    Column& col(int column);
    void rotateActive(Column& c);
    void removeSolvedRow();
    void updateLamps();
    void refresh();

    Services& m_s;
    PuzzleView& m_view;
    bool m_running = false;
    int m_operation = 1;
    std::int32_t m_lower = 0;
    std::int32_t m_upper = 100;
    std::array<Column, kColumns> m_columns{};
    int m_solved = 0;
    int m_errors = 0;
    std::array<bool, 2 * kLamps> m_lamps{};
    quint16 m_taskCount = 0;
    quint16 m_taskNumber = 0;
};

} // namespace quorvel::basic
