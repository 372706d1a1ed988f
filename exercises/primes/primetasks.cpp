#include "primetasks.h"

#include "conversionerror.h"
#include "primecore.h"
#include "randomdraw.h"

#include <algorithm>
#include <limits>
#include <QStringList>

namespace quorvel::primes {

namespace {

const QString kNoDecision = QStringLiteral("Es wurde noch keine Entscheidung getroffen!");
const QString kNoFactorInput = QStringLiteral("Es ist noch keine Eingabe erfolgt !");
const QString kNoValue = QStringLiteral("Es wurde noch kein Wert eingegeben !");
const QString kTooManyNumbers = QStringLiteral("Bitte höchstens 20 Zahlen eingeben !");

QString joinNumbers(const std::vector<std::int32_t>& numbers)
{
    QString out;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0)
            out += QStringLiteral(" ; ");
        out += QString::number(numbers[i]);
    }
    return out;
}

std::vector<std::uint64_t> unsignedValues(const std::vector<std::int32_t>& numbers)
{
    return {numbers.begin(), numbers.end()};
}

AnswerCheck verdict(bool right) { return {right ? AnswerState::Right : AnswerState::Wrong, {}}; }

} // namespace

// ---- Teilbarkeit ----------------------------------------------------------------

QString DivisibilityTask::question() const
{
    return QStringLiteral("Ist die Zahl %1 durch %2 teilbar?").arg(n).arg(divisor);
}

int divisibilityLimit(int difficulty)
{
    static constexpr int kLimits[] = {5000, 25000, 100000};
    return kLimits[clampDifficulty(difficulty)];
}

DivisibilityTask drawDivisibilityTask(int divisorIndex, int difficulty, RandomSource& random)
{
    DivisibilityTask t;
    t.divisor = kDivisors[std::size_t(std::clamp(divisorIndex, 0, int(kDivisors.size()) - 1))];
    t.n = random.random(divisibilityLimit(difficulty) + 1);
    if (random.random(5) == 4 && t.divisor != 2)
        t.n = t.n / t.divisor * t.divisor;
    t.divisible = t.n % t.divisor == 0;
    return t;
}

AnswerCheck checkDivisibility(const DivisibilityTask& task, const QString& choice)
{
    if (choice == QLatin1String("Ja"))
        return verdict(task.divisible);
    if (choice == QLatin1String("Nein"))
        return verdict(!task.divisible);
    return {AnswerState::Notice, kNoDecision};
}

QString divisibilityVerdict(const DivisibilityTask& task)
{
    return task.divisible
               ? QStringLiteral("Die Zahl %1 ist durch %2 teilbar!").arg(task.n).arg(task.divisor)
               : QStringLiteral("Die Zahl %1 ist nicht durch %2 teilbar!").arg(task.n).arg(task.divisor);
}

// ---- Primfaktorzerlegung --------------------------------------------------------

QString FactorTask::text() const { return QStringLiteral("Zerlegen Sie %1 in Primfaktoren.").arg(n); }

int factorLimit(int difficulty)
{
    static constexpr int kLimits[] = {100, 500, 10000};
    return kLimits[clampDifficulty(difficulty)];
}

FactorTask drawFactorTask(int difficulty, RandomSource& random)
{
    FactorTask t;
    const int limit = factorLimit(difficulty);
    do
        t.n = random.random(limit + 1);
    while (t.n < 2);
    t.expected = factorText(ZerlegePrimfaktoren(std::uint64_t(t.n)));
    return t;
}

FactorAnswer readFactorAnswer(const QString& text)
{
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    FactorAnswer answer;
    int i = 0;
    const int size = int(text.size());
    auto isDigit = [&text](int at) {
        return text[at] >= QLatin1Char('0') && text[at] <= QLatin1Char('9');
    };
    while (i < size) {
        if (!isDigit(i)) {
            ++i;
            continue;
        }
        std::uint64_t value = 0;
        for (; i < size && isDigit(i); ++i) {
            const std::uint64_t digit = std::uint64_t(text[i].unicode() - '0');
            value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
        }
        if (int(answer.numbers.size()) == kMaxFactorNumbers) {
            answer.tooMany = true;
            break;
        }
        answer.numbers.push_back(value);
    }
    return answer;
}

QString factorText(std::vector<std::uint64_t> numbers)
{
    std::sort(numbers.begin(), numbers.end());
    QString out;
    for (std::uint64_t v : numbers)
        out += QString::number(v) + QLatin1Char(' ');
    return out;
}

AnswerCheck checkFactorAnswer(const FactorTask& task, const QString& text)
{
    const FactorAnswer answer = readFactorAnswer(text);
    if (answer.tooMany)
        return {AnswerState::Notice, kTooManyNumbers};
    if (answer.numbers.empty())
        return {AnswerState::Notice, kNoFactorInput}; // only blanks typed: nothing to judge
    return verdict(factorText(answer.numbers) == task.expected);
}

// ---- ggT and kgV ----------------------------------------------------------------

QString GgTKgVTask::numbersText() const { return joinNumbers(numbers); }

GgTKgVTask drawGgTTask(int numberCount, int difficulty, RandomSource& random)
{
    static constexpr int kRanges[] = {11, 21, 101};
    const int range = kRanges[clampDifficulty(difficulty)];
    GgTKgVTask t;
    t.ggt = true;
    const int p = drawNonZero(random, range);
    const int q = drawNonZero(random, range);
    const int r = drawNonZero(random, range);
    if (numberCount >= 3) {
        std::int32_t x = 0, y = 0, z = 0;
        while (x == 0 || y == 0 || z == 0) {
            x = random.random(range) * p * q;
            y = random.random(range) * q * r;
            z = random.random(range) * r;
        }
        t.numbers = {x, y, z};
    } else {
        std::int32_t x = 0, y = 0;
        while (x == 0 || y == 0) {
            x = random.random(range) * p * q;
            y = random.random(range) * q * r;
        }
        t.numbers = {x, y};
    }
    t.expected = std::int32_t(GgTBerechnen(unsignedValues(t.numbers)));
    return t;
}

GgTKgVTask drawKgVTask(int numberCount, int difficulty, RandomSource& random)
{
    static constexpr int kRanges[] = {21, 41, 101};
    const int range = kRanges[clampDifficulty(difficulty)];
    GgTKgVTask t;
    t.ggt = false;
    const int count = numberCount >= 3 ? 3 : 2;
    for (int i = 0; i < count; ++i)
        t.numbers.push_back(drawNonZero(random, range));
    t.expected = std::int32_t(KgVBerechnen(unsignedValues(t.numbers)));
    return t;
}

AnswerCheck checkGgTKgVAnswer(const GgTKgVTask& task, const QString& text)
{
    // Blanks around the number are forgiven; anything else that is no whole number is
    // reported with the text as the pupil typed it.
    const auto value = parseInteger(text.trimmed().toStdString());
    if (!value)
        return {AnswerState::Invalid, integerConversionError(text)};
    return verdict(*value == task.expected);
}

// ---- The topics -----------------------------------------------------------------

SeriesTexts primeSeriesTexts(int type)
{
    // By task type: Teilbarkeit, Primfaktorzerlegung, ggT, kgV.
    static const SeriesTexts kTexts[] = {
        // a yes-or-no question has no second try
        {.emptyAnswer = kNoDecision, .attempts = 1},
        // the typed list stays after a wrong try, so the pupil can mend it
        {.emptyAnswer = kNoFactorInput,
         .wrongAnswer = QStringLiteral("Die eingegebene Zerlegung ist falsch!\r"),
         .rightResultPrefix = QStringLiteral("Die richtige Zerlegung lautet: "),
         .rightJingleAfterWrong = true,
         .clearAfterWrong = false},
        {.emptyAnswer = kNoValue,
         .wrongAnswer = QStringLiteral("Der eingegebene ggT ist falsch !\r"),
         .rightResultPrefix = QStringLiteral("Der richtige ggT lautet: "),
         .rightJingleAfterWrong = true},
        {.emptyAnswer = kNoValue,
         .wrongAnswer = QStringLiteral("Das eingegebene kgV ist falsch !\r"),
         .rightResultPrefix = QStringLiteral("Das richtige kgV lautet: "),
         .rightJingleAfterWrong = true},
    };
    return type >= Teilbarkeit && type <= KgV ? kTexts[type] : SeriesTexts{};
}

int DivisibilityTopic::drawTask()
{
    show(drawDivisibilityTask(m_settings.divisorIndex, m_settings.difficulty, m_random));
    return statType();
}

QString DivisibilityTopic::expectedAnswerText() const
{
    return m_task.divisible ? QStringLiteral("Ja") : QStringLiteral("Nein");
}

QString DivisibilityTopic::wrongMessage(bool) const { return divisibilityVerdict(m_task); }

int FactorTopic::drawTask()
{
    show(drawFactorTask(m_settings.difficulty, m_random));
    return statType();
}

int GgTKgVTopic::drawTask()
{
    show(m_ggt ? drawGgTTask(m_settings.numberCount, m_settings.difficulty, m_random)
               : drawKgVTask(m_settings.numberCount, m_settings.difficulty, m_random));
    return statType();
}

namespace {
// Whole numbers from lo to hi separated by single blanks, between min and max of them.
std::optional<std::vector<std::int32_t>> cardNumbers(const QString& text, int min, int max,
                                                     std::int32_t lo, std::int32_t hi)
{
    const QStringList parts = text.split(QLatin1Char(' '));
    if (parts.size() < min || parts.size() > max)
        return std::nullopt;
    std::vector<std::int32_t> out;
    for (const QString& p : parts) {
        bool ok = false;
        const int v = p.toInt(&ok);
        if (!ok || QString::number(v) != p || v < lo || v > hi)
            return std::nullopt;
        out.push_back(v);
    }
    return out;
}
} // namespace

QString DivisibilityTopic::encodeTask(const DivisibilityTask& task) const
{
    return QStringLiteral("%1 %2").arg(task.n).arg(task.divisor);
}

std::optional<DivisibilityTask> DivisibilityTopic::decodeTask(int type, const QString& text) const
{
    const auto n = cardNumbers(text, 2, 2, 0, divisibilityLimit(Schwer));
    if (type != statType() || !n
        || std::find(kDivisors.begin(), kDivisors.end(), (*n)[1]) == kDivisors.end())
        return std::nullopt;
    return DivisibilityTask{(*n)[0], (*n)[1], (*n)[0] % (*n)[1] == 0};
}

QString FactorTopic::encodeTask(const FactorTask& task) const { return QString::number(task.n); }

std::optional<FactorTask> FactorTopic::decodeTask(int type, const QString& text) const
{
    const auto n = cardNumbers(text, 1, 1, 2, factorLimit(Schwer));
    if (type != statType() || !n)
        return std::nullopt;
    return FactorTask{(*n)[0], factorText(ZerlegePrimfaktoren(std::uint64_t((*n)[0])))};
}

QString GgTKgVTopic::encodeTask(const GgTKgVTask& task) const
{
    QStringList parts;
    for (std::int32_t v : task.numbers)
        parts << QString::number(v);
    return parts.join(QLatin1Char(' '));
}

std::optional<GgTKgVTask> GgTKgVTopic::decodeTask(int type, const QString& text) const
{
    // ggT numbers are products of up to three draws below 101; kgV numbers single draws.
    const auto n = cardNumbers(text, 2, 3, 1, m_ggt ? 1000000 : 100);
    if (type != statType() || !n)
        return std::nullopt;
    GgTKgVTask t;
    t.ggt = m_ggt;
    t.numbers = *n;
    t.expected = std::int32_t(m_ggt ? GgTBerechnen(unsignedValues(t.numbers))
                                    : KgVBerechnen(unsignedValues(t.numbers)));
    return t;
}

} // namespace quorvel::primes
