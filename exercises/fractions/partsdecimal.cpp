#include "partsdecimal.h"

#include "decimaltext.h"
#include "fractioncore.h"
#include "randomdraw.h"

#include <algorithm>

namespace quorvel::fractions {

namespace {

struct PartLimits {
    int numerator, denominator, whole; // Random(n) bounds
};
constexpr PartLimits kPartLimits[3] = {{21, 21, 26}, {31, 31, 51}, {51, 51, 501}};

// KommaBruch: Random(n) for the digits r; BruchKomma: Random(n) for M (0: M is 1) and A.
constexpr int kDigitLimits[3] = {101, 1001, 10001};
constexpr int kMultiplierLimits[3] = {0, 11, 51};
constexpr int kNumeratorLimits[3] = {21, 41, 101};

constexpr std::int32_t kPowersOfTen[5] = {1, 10, 100, 1000, 10000};

struct FactorEntry {
    std::int32_t denominator;
    int factor;
};
constexpr FactorEntry kFactors[] = {{1, 1},  {2, 5},   {4, 25}, {5, 2},
                                    {8, 125}, {10, 1}, {25, 4}, {125, 8}};

QString wholeText(std::int64_t fixed) { return QString::number(fixed / kFixedScale); }

} // namespace

FractionPartTask solveFractionPart(std::int32_t numerator, std::int32_t denominator,
                                   std::int32_t whole)
{
    FractionPartTask t;
    t.numerator = numerator;
    t.denominator = denominator;
    t.whole = whole;
    int e3 = numerator * whole;
    int e4 = denominator;
    ReduceFraction(e3, e4);
    t.expected = {numerator * whole, denominator, e3, e4};
    return t;
}

FractionPartTask drawFractionPartTask(int difficulty, RandomSource& random)
{
    const PartLimits& l = kPartLimits[clampDifficulty(difficulty)];
    random.randomize();
    const int z = drawNonZero(random, l.numerator);
    const int n = drawNonZero(random, l.denominator);
    const int w = drawNonZero(random, l.whole);
    return solveFractionPart(z, n, w);
}

QString fractionPartRuleText()
{
    return QStringLiteral(
        "Um den Bruchteil einer Zahl zu bestimmen, multipliziert man\r"
        "die Zahl mit dem Zähler des Bruches und behält den Nenner des\r"
        "Bruches bei. Anschließend kürzt man, wenn möglich, den so\r"
        "entstandenen Bruch.");
}

int powerOfTenFactor(std::int32_t reducedDenominator)
{
    for (const FactorEntry& e : kFactors)
        if (e.denominator == reducedDenominator)
            return e.factor;
    return 0;
}

QString fixedDecimalText(std::int64_t tenThousandths)
{
    return formatNumber(static_cast<long double>(tenThousandths) / kFixedScale);
}

QString DecimalTask::heading() const
{
    return direction == DecimalDirection::DecimalToFraction
               ? QStringLiteral("Wandle folgende Kommazahl in eine Bruchzahl um:")
               : QStringLiteral("Wandle folgenden Bruch in eine Kommazahl um:");
}

QString DecimalTask::decimalText() const { return fixedDecimalText(a); }
QString DecimalTask::numeratorText() const { return wholeText(a); }
QString DecimalTask::denominatorText() const { return wholeText(b); }
QString DecimalTask::expectedDecimalText() const { return formatNumber(decimal); }

DecimalTask solveDecimalToFraction(std::int32_t r, int places)
{
    DecimalTask t;
    t.direction = DecimalDirection::DecimalToFraction;
    t.decimalPlaces = std::clamp(places, 1, 3);
    const std::int32_t denominator = kPowersOfTen[t.decimalPlaces];
    t.a = std::int64_t(r) * (kFixedScale / denominator);
    // A * 10^p, counted back from ten-thousandths: the digits without the comma.
    const auto e1 = std::int32_t(t.a * denominator / kFixedScale);
    int e3 = e1;
    int e4 = denominator;
    ReduceFraction(e3, e4);
    t.expected = {e1, denominator, e3, e4};
    return t;
}

DecimalTask solveFractionToDecimal(std::int32_t numerator, std::int32_t denominator,
                                   int multiplier)
{
    DecimalTask t;
    t.direction = DecimalDirection::FractionToDecimal;
    t.a = std::int64_t(numerator) * kFixedScale;
    t.b = std::int64_t(denominator) * kFixedScale;
    t.multiplier = multiplier;
    int a = numerator;
    int b = denominator;
    ReduceFraction(a, b);
    const int f = powerOfTenFactor(b);
    t.expected = {f * a, f * b, 0, 0};
    // Normalised as the pupil would see it written: to text and back.
    t.decimal = double(roundToWritten(static_cast<long double>(a) / b));
    return t;
}

DecimalTask drawDecimalTask(DecimalDirection direction, int difficulty, RandomSource& random)
{
    const int d = clampDifficulty(difficulty);
    random.randomize();
    if (direction == DecimalDirection::DecimalToFraction) {
        int r = drawNonZero(random, kDigitLimits[d]);
        if (r % 10 == 0)
            r += 1; // never a trailing zero after the comma
        const int k = std::clamp(random.random(3), 0, 2);
        return solveDecimalToFraction(r, k + 1);
    }
    const int m = kMultiplierLimits[d] == 0 ? 1 : drawNonZero(random, kMultiplierLimits[d]);
    const int a = drawNonZero(random, kNumeratorLimits[d]);
    const int table = std::clamp(random.random(int(kDecimalDenominators.size())), 0,
                                 int(kDecimalDenominators.size()) - 1);
    const int b = kDecimalDenominators[std::size_t(table)];
    return solveFractionToDecimal(m * a, m * b, m);
}

MultiFieldTexts partsDecimalTexts()
{
    MultiFieldTexts t;
    t.noValue = QStringLiteral("Es wurde noch kein Wert eingegeben !");
    t.tooFew = QStringLiteral("Zu wenige Werte !");
    return t;
}

int FractionPartTopic::drawTask()
{
    m_task = drawFractionPartTask(m_settings.difficulty, m_random);
    showTask();
    return kFractionPartType;
}

void FractionPartTopic::showTask()
{
    std::vector<AnswerField> fields;
    for (std::int32_t v : m_task.expected)
        fields.push_back(AnswerField::integer(v));
    setAnswerFields(std::move(fields));
    show();
}

QString FractionPartTopic::encodeTask(const FractionPartTask& task) const
{
    return cardFractionText({task.numerator, task.denominator}) + QLatin1Char(' ')
           + QString::number(task.whole);
}

bool FractionPartTopic::poseCard(int type, const QString& text)
{
    const PartLimits& l = kPartLimits[2];
    const std::optional<QStringList> words = cardWords(text, 2);
    if (type != kFractionPartType || !words)
        return false;
    const std::optional<Fraction> f = cardFraction((*words)[0], l.numerator - 1, l.denominator - 1);
    const std::optional<int> whole = cardNumber((*words)[1], 1, l.whole - 1);
    if (!f || !whole)
        return false;
    m_task = solveFractionPart(f->numerator, f->denominator, *whole);
    showTask();
    return true;
}

DecimalTopic::DecimalTopic(RandomSource& random, ReadSettings readSettings,
                           std::function<void(DecimalDirection)> arrange, ShowTask show)
    : TopicAdapter(random, std::move(readSettings), std::move(show)), m_arrange(std::move(arrange))
{
}

void DecimalTopic::prepareSeries()
{
    TopicAdapter::prepareSeries();
    constexpr int kFractionToDecimalItem = 6; // "Bruchzahl -> Kommazahl"
    arrange(m_settings.otherItem == kFractionToDecimalItem ? DecimalDirection::FractionToDecimal
                                                           : DecimalDirection::DecimalToFraction);
}

void DecimalTopic::arrange(DecimalDirection direction)
{
    m_direction = direction;
    if (m_arrange)
        m_arrange(m_direction);
}

int DecimalTopic::drawTask()
{
    m_task = drawDecimalTask(m_direction, m_settings.difficulty, m_random);
    showTask();
    return m_task.statType();
}

void DecimalTopic::showTask()
{
    const auto& e = m_task.expected;
    std::vector<AnswerField> fields = {AnswerField::integer(e[0]), AnswerField::integer(e[1])};
    if (m_direction == DecimalDirection::DecimalToFraction) {
        fields.push_back(AnswerField::integer(e[2]));
        fields.push_back(AnswerField::integer(e[3]));
    } else {
        fields.push_back(AnswerField::decimal(m_task.decimal));
        fields.push_back(AnswerField::integer(0, /*visible=*/false));
    }
    setAnswerFields(std::move(fields));
    show();
}

QString DecimalTopic::encodeTask(const DecimalTask& task) const
{
    if (task.direction == DecimalDirection::DecimalToFraction)
        return task.decimalText();
    return QStringLiteral("%1/%2 %3")
        .arg(task.numeratorText(), task.denominatorText())
        .arg(task.multiplier);
}

namespace {

// "0,41": the digits r and the places p (1 .. 3) of r / 10^p as a draw gives them, r
// without a trailing zero.
std::optional<std::pair<int, int>> cardDecimal(const QString& word)
{
    const QStringList parts = word.split(QLatin1Char(','));
    if (parts.size() != 2 || parts[1].isEmpty() || parts[1].size() > 3 || parts[1].endsWith(QLatin1Char('0')))
        return std::nullopt;
    const int places = int(parts[1].size());
    const std::optional<int> whole = cardNumber(parts[0], 0, 10000);
    const bool digits = std::all_of(parts[1].begin(), parts[1].end(),
                                    [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
    if (!whole || !digits)
        return std::nullopt;
    const int fraction = parts[1].toInt();
    const std::int64_t r = std::int64_t(*whole) * kPowersOfTen[places] + fraction;
    if (r < 1 || r >= kDigitLimits[2])
        return std::nullopt;
    return std::pair(int(r), places);
}

} // namespace

bool DecimalTopic::poseCard(int type, const QString& text)
{
    if (type == 10) {
        const auto read = cardDecimal(text);
        if (!read)
            return false;
        arrange(DecimalDirection::DecimalToFraction);
        m_task = solveDecimalToFraction(read->first, read->second);
    } else if (type == 11) {
        const std::optional<QStringList> words = cardWords(text, 2);
        if (!words)
            return false;
        const int highest = kMultiplierLimits[2] - 1;
        const std::optional<int> m = cardNumber((*words)[1], 1, highest);
        const std::optional<Fraction> f =
            cardFraction((*words)[0], highest * (kNumeratorLimits[2] - 1), highest * 125);
        if (!m || !f || f->numerator % *m != 0 || f->denominator % *m != 0)
            return false;
        const int b = f->denominator / *m;
        if (std::find(kDecimalDenominators.begin(), kDecimalDenominators.end(), b) == kDecimalDenominators.end()
            || f->numerator / *m >= kNumeratorLimits[2])
            return false;
        arrange(DecimalDirection::FractionToDecimal);
        m_task = solveFractionToDecimal(f->numerator, f->denominator, *m);
    } else {
        return false;
    }
    showTask();
    return true;
}

} // namespace quorvel::fractions
