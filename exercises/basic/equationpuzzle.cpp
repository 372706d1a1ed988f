#include "equationpuzzle.h"

#include "plaintasks.h"

#include <algorithm>
#include <cstdlib>

namespace quorvel::basic {

namespace {

const char* const kSigns[] = {"", "+", "-", "x", ":"};

} // namespace

EquationPuzzle::EquationPuzzle(Services& services, PuzzleView& view)
    : m_s(services), m_view(view)
{
}

QString EquationPuzzle::startRefusal(int operation, std::int32_t lower, std::int32_t upper)
{
    // The same range rules as a plain series of that operation: the order of the bounds,
    // and a dividend (0 allowed) for every divisor the range gives.
    PlainSettings s;
    s.selectedTaskType = std::clamp(operation, 1, 4);
    s.lowerBound = lower;
    s.upperBound = upper;
    return plainStartRefusal(s);
}

bool EquationPuzzle::begin(int operation, std::int32_t lower, std::int32_t upper, int taskCount)
{
    // The board needs no number pad.
    if (!openSeries(m_s, m_view, TopicBasic, startRefusal(operation, lower, upper), false))
        return false;
    m_operation = std::clamp(operation, 1, 4);
    m_lower = lower;
    m_upper = upper;
    m_taskCount = quint16(taskCount);
    m_taskNumber = 0;
    m_running = true;
    newPuzzle();
    m_view.setStatusText(statusText(m_taskNumber, m_taskCount));
    m_s.stats.countTaskGiven(TopicBasic, statType());
    return true;
}

std::int32_t EquationPuzzle::draw() { return randomInRange(m_s.random, m_lower, m_upper); }

EquationPuzzle::Column& EquationPuzzle::col(int column)
{
    return m_columns[std::size_t(std::clamp(column, 1, kColumns) - 1)];
}

std::int32_t EquationPuzzle::entry(int column, int k) const
{
    return m_columns[std::size_t(std::clamp(column, 1, kColumns) - 1)]
                    [std::size_t(std::clamp(k, 1, kRows) - 1)];
}

void EquationPuzzle::setColumn(int column, const Column& values)
{
    col(column) = values;
    refresh();
}

void EquationPuzzle::setCounts(int solved, int errors)
{
    m_solved = std::clamp(solved, 0, kLamps);
    m_errors = std::clamp(errors, 0, kLamps);
    refresh();
}

void EquationPuzzle::newPuzzle()
{
    m_s.random.randomize();
    fillBoard();
    shuffleColumns();
    refresh();
}

void EquationPuzzle::fillBoard()
{
    m_solved = 0;
    m_errors = 0;
    Column& a = m_columns[0];
    Column& b = m_columns[1];
    Column& c = m_columns[2];
    for (int i = 0; i < kLamps; ++i) {
        switch (m_operation) {
        case OpAddition:
            a[i] = draw();
            b[i] = draw();
            c[i] = a[i] + b[i];
            break;
        case OpSubtraction:
            a[i] = draw();
            b[i] = draw();
            c[i] = a[i] - b[i]; // negative results stay
            break;
        case OpMultiplication:
            a[i] = draw();
            b[i] = draw();
            c[i] = a[i] * b[i];
            break;
        default: // division: a multiple of the divisor, 0 allowed
            b[i] = divisorFromDraw(draw());
            a[i] = drawDividend(m_s.random, std::abs(b[i]), m_lower, m_upper);
            if (b[i] < 0 && m_s.random.random(2) == 0)
                a[i] = -a[i];
            c[i] = a[i] / b[i];
            break;
        }
    }
    m_lamps.fill(false);
    // Rows 6 to 10: random numbers, the results from a range twice as wide.
    for (int i = kLamps; i < kRows; ++i) {
        a[i] = draw();
        b[i] = draw();
        c[i] = m_s.random.random(2 * (m_upper + 1 - m_lower)) + m_lower;
    }
}

void EquationPuzzle::shuffleColumns()
{
    m_s.random.randomize();
    int r;
    do {
        r = m_s.random.random(kRows);
    } while (r == 0);
    // Column 1 turns down by r places.
    const Column old = m_columns[0];
    for (int i = 0; i < kRows; ++i)
        m_columns[0][std::size_t((i + r) % kRows)] = old[std::size_t(i)];
    // Column 2 keeps its ten values in a random order, so the five built equations can
    // still be formed by shifting; column 3 stays as it is.
    Column& b = m_columns[1];
    for (int i = kRows - 1; i > 0; --i)
        std::swap(b[std::size_t(i)], b[std::size_t(m_s.random.random(i + 1))]);
}

void EquationPuzzle::rotateActive(Column& c)
{
    const int n = activeLength();
    if (n < 2)
        return;
    const std::int32_t last = c[std::size_t(n - 1)];
    for (int k = n - 1; k >= 1; --k)
        c[std::size_t(k)] = c[std::size_t(k - 1)];
    c[0] = last;
}

void EquationPuzzle::shiftColumn(int column)
{
    if (!m_running || column < 1 || column > kColumns)
        return;
    rotateActive(col(column));
    refresh();
}

bool EquationPuzzle::holds(int operation, std::int32_t x, std::int32_t y, std::int32_t z)
{
    const std::int64_t X = x, Y = y, Z = z;
    switch (operation) {
    case OpAddition:
        return X + Y == Z;
    case OpSubtraction:
        return X - Y == Z;
    case OpMultiplication:
        return X * Y == Z;
    default:
        return Y != 0 && X == Y * Z; // x / y, exactly
    }
}

void EquationPuzzle::confirm()
{
    if (!m_running)
        return;
    const int n = activeLength();
    const std::int32_t x = entry(1, n), y = entry(2, n), z = entry(3, n);
    if (m_operation == OpDivision && y == 0) {
        m_s.sound.fehlerMusik();
        m_s.messages.showMessage(QStringLiteral("Division durch Null nicht erlaubt!"));
        ++m_errors;
    } else if (!holds(m_operation, x, y, z)) {
        ++m_errors;
        m_s.sound.fehlerMusik();
        m_s.messages.showMessage(QStringLiteral("Die Gleichung ist fehlerhaft !"));
    } else {
        removeSolvedRow();
        m_s.sound.richtigMusik();
        m_view.announceRight();
    }
    updateLamps();
    ++m_taskNumber;
    if (m_taskNumber < m_taskCount) {
        if (m_solved + m_errors >= kLamps)
            newPuzzle();
        refresh();
        m_view.setStatusText(statusText(m_taskNumber, m_taskCount));
        m_s.stats.countTaskGiven(TopicBasic, statType());
        return;
    }
    // The last confirmation of the series.
    m_running = false;
    refresh();
    closeSeries(m_s, m_view, PadAtEnd::On);
}

void EquationPuzzle::removeSolvedRow()
{
    ++m_solved;
    // The solved triple was the bottom entry; it is now out of play, and the rest of
    // every column turns down one more place.
    for (Column& c : m_columns)
        rotateActive(c);
    m_s.stats.countTaskCorrect(TopicBasic, statType());
}

void EquationPuzzle::updateLamps()
{
    if (m_errors >= 1 && m_errors <= kLamps)
        m_lamps[std::size_t(kLamps + m_errors - 1)] = true;
    if (m_solved >= 1 && m_solved <= kLamps)
        m_lamps[std::size_t(m_solved - 1)] = true;
}

bool EquationPuzzle::solvable() const
{
    if (m_solved == 0)
        return true;
    const int n = activeLength();
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            for (int k = 1; k <= n; ++k)
                if (holds(m_operation, entry(1, i), entry(2, j), entry(3, k)))
                    return true;
    return false;
}

void EquationPuzzle::checkSolvable()
{
    if (!m_running)
        return;
    if (solvable()) {
        m_s.messages.showMessage(QStringLiteral("Es können noch gültige\rGleichungen gebildet werden!"));
        return;
    }
    m_s.messages.showMessage(
        QStringLiteral("Es können keine gültigen\rGleichungen mehr gebildet werden!"));
    newPuzzle();
}

void EquationPuzzle::abort()
{
    if (!m_running)
        return;
    m_running = false;
    closeSeries(m_s, m_view, PadAtEnd::Keep);
}

std::optional<std::int32_t> EquationPuzzle::cell(int column, int row) const
{
    if (row <= m_solved || row > kRows)
        return std::nullopt;
    return entry(column, row - m_solved);
}

bool EquationPuzzle::lamp(int index) const
{
    if (index < 1 || index > 2 * kLamps)
        return false;
    return m_lamps[std::size_t(index - 1)];
}

QString EquationPuzzle::operatorSign(int operation)
{
    return QString::fromLatin1(kSigns[std::clamp(operation, 1, 4)]);
}

QString EquationPuzzle::bottomRowText() const
{
    const int n = activeLength();
    return QStringLiteral("%1 %2 %3 = %4")
        .arg(entry(1, n))
        .arg(operatorSign(m_operation))
        .arg(entry(2, n))
        .arg(entry(3, n));
}

QString EquationPuzzle::statusText(int taskNumber, int taskCount)
{
    return QStringLiteral("%1 Gleichung(en) von %2 bearbeitet").arg(taskNumber).arg(taskCount);
}

void EquationPuzzle::refresh()
{
    m_view.showBoard();
}

} // namespace quorvel::basic
