#include "worksheet.h"

#include "arithmetic.h"
#include "decimaltext.h"
#include "expandreduce.h"
#include "gaptasks.h"
#include "numsystasks.h"
#include "ordercompare.h"
#include "partsdecimal.h"
#include "plaintasks.h"
#include "primetasks.h"
#include "randomdraw.h"
#include "unittasks.h"

#include <algorithm>

namespace quorvel::worksheet {

// ---- The generator ----------------------------------------------------------------

SheetRandom::SheetRandom(std::uint32_t sheetNumber)
    : m_state(0x51C0FFEEull * 0x9E3779B97F4A7C15ull + sheetNumber)
{
}

int SheetRandom::random(int n)
{
    if (n <= 0)
        return 0;
    // splitmix64, then the upper 32 bits scaled into 0 .. n-1.
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return int(((z >> 32) * std::uint64_t(n)) >> 32);
}

// ---- The kinds --------------------------------------------------------------------

namespace {

// Items: basic 1..5 plain tasks of that "Rechenart", 6..10 gap tasks of item - 5; units the
// family 1..7; number systems the kind 1..5; primes the "Aufgabentyp" 0..3; fractions
// 0..4 the item of "Rechnen mit Brüchen", 10..16 the item - 10 of the second group.
constexpr unsigned kPlainMulDiv = ChoiceRange | ChoiceRangeKind;
constexpr unsigned kDiff = ChoiceDifficulty;

const std::vector<SheetKind> kKinds = {
    {Topic::Basic, "grundrechnen", "addieren", "Grundrechnen", "Addieren", "Rechne aus.", 1, ChoiceRange},
    {Topic::Basic, "grundrechnen", "subtrahieren", "Grundrechnen", "Subtrahieren", "Rechne aus.", 2, ChoiceRange},
    {Topic::Basic, "grundrechnen", "multiplizieren", "Grundrechnen", "Multiplizieren", "Rechne aus.", 3, kPlainMulDiv | ChoiceSquares},
    {Topic::Basic, "grundrechnen", "dividieren", "Grundrechnen", "Dividieren", "Rechne aus.", 4, kPlainMulDiv},
    {Topic::Basic, "grundrechnen", "gemischt", "Grundrechnen", "Gemischt", "Rechne aus.", 5, ChoiceRange},
    {Topic::Basic, "grundrechnen", "luecken-addieren", "Grundrechnen", "Lückenaufgaben Addieren", "Fülle die Lücken aus.", 6, ChoiceRange},
    {Topic::Basic, "grundrechnen", "luecken-subtrahieren", "Grundrechnen", "Lückenaufgaben Subtrahieren", "Fülle die Lücken aus.", 7, ChoiceRange},
    {Topic::Basic, "grundrechnen", "luecken-multiplizieren", "Grundrechnen", "Lückenaufgaben Multiplizieren", "Fülle die Lücken aus.", 8, ChoiceRange},
    {Topic::Basic, "grundrechnen", "luecken-dividieren", "Grundrechnen", "Lückenaufgaben Dividieren", "Fülle die Lücken aus.", 9, ChoiceRange},
    {Topic::Basic, "grundrechnen", "luecken-gemischt", "Grundrechnen", "Lückenaufgaben Gemischt", "Fülle die Lücken aus.", 10, ChoiceRange},
    {Topic::Units, "einheiten", "gewichte", "Einheiten", "Gewichte", "Rechne in die angegebene Einheit um.", 1, kDiff | ChoiceTarget},
    {Topic::Units, "einheiten", "laengen", "Einheiten", "Längenmaße", "Rechne in die angegebene Einheit um.", 2, kDiff | ChoiceTarget},
    {Topic::Units, "einheiten", "flaechen", "Einheiten", "Flächenmaße", "Rechne in die angegebene Einheit um.", 3, kDiff | ChoiceTarget},
    {Topic::Units, "einheiten", "koerper", "Einheiten", "Körpermaße", "Rechne in die angegebene Einheit um.", 4, kDiff | ChoiceTarget},
    {Topic::Units, "einheiten", "zeiten", "Einheiten", "Zeitmaße", "Rechne in die angegebene Einheit um.", 5, kDiff | ChoiceTarget},
    {Topic::Units, "einheiten", "waehrung", "Einheiten", "Währung", "Rechne in die angegebene Einheit um.", 6, kDiff | ChoiceTarget},
    {Topic::Units, "einheiten", "gemischt", "Einheiten", "Gemischt", "Rechne in die angegebene Einheit um.", 7, kDiff | ChoiceMixedTarget},
    {Topic::NumberSystems, "zahlensysteme", "roemisch", "Zahlensysteme", "Römisches", "", 1, kDiff | ChoiceDirection},
    {Topic::NumberSystems, "zahlensysteme", "dual", "Zahlensysteme", "Duales", "", 2, kDiff | ChoiceDirection},
    {Topic::NumberSystems, "zahlensysteme", "dreier", "Zahlensysteme", "Dreier", "", 3, kDiff | ChoiceDirection},
    {Topic::NumberSystems, "zahlensysteme", "oktal", "Zahlensysteme", "Oktales", "", 4, kDiff | ChoiceDirection},
    {Topic::NumberSystems, "zahlensysteme", "hexadezimal", "Zahlensysteme", "Hexadezimales", "", 5, kDiff | ChoiceDirection},
    {Topic::Primes, "primfaktoren", "teilbarkeit", "Primfaktoren", "Teilbarkeit", "Schreibe Ja oder Nein.", 0, kDiff | ChoiceDivisor},
    {Topic::Primes, "primfaktoren", "primfaktorzerlegung", "Primfaktoren", "Primfaktorzerlegung", "Zerlege in Primfaktoren.", 1, kDiff},
    {Topic::Primes, "primfaktoren", "ggt", "Primfaktoren", "ggT", "Bestimme den ggT.", 2, kDiff | ChoiceNumberCount},
    {Topic::Primes, "primfaktoren", "kgv", "Primfaktoren", "kgV", "Bestimme das kgV.", 3, kDiff | ChoiceNumberCount},
    {Topic::Fractions, "brueche", "addieren", "Bruchrechnung", "Brüche addieren", "Rechne aus und kürze vollständig.", 0, kDiff},
    {Topic::Fractions, "brueche", "subtrahieren", "Bruchrechnung", "Brüche subtrahieren", "Rechne aus und kürze vollständig.", 1, kDiff},
    {Topic::Fractions, "brueche", "multiplizieren", "Bruchrechnung", "Brüche multiplizieren", "Rechne aus und kürze vollständig.", 2, kDiff},
    {Topic::Fractions, "brueche", "dividieren", "Bruchrechnung", "Brüche dividieren", "Rechne aus und kürze vollständig.", 3, kDiff},
    {Topic::Fractions, "brueche", "gemischt", "Bruchrechnung", "Brüche gemischt", "Rechne aus und kürze vollständig.", 4, kDiff},
    {Topic::Fractions, "brueche", "erweitern", "Bruchrechnung", "Brüche erweitern", "Erweitere die Brüche.", 10, kDiff},
    {Topic::Fractions, "brueche", "kuerzen", "Bruchrechnung", "Brüche kürzen", "Kürze die Brüche.", 11, kDiff},
    {Topic::Fractions, "brueche", "ordnen", "Bruchrechnung", "Brüche ordnen", "Gib jedem Bruch seinen Platz: 1 ist der kleinste, gleich große teilen sich einen Platz.", 12, kDiff},
    {Topic::Fractions, "brueche", "vergleichen", "Bruchrechnung", "Brüche vergleichen", "Setze <, > oder = ein.", 13, kDiff},
    {Topic::Fractions, "brueche", "bruchteile", "Bruchrechnung", "Bruchteile bestimmen", "Bestimme den Bruchteil und kürze vollständig.", 14, kDiff},
    {Topic::Fractions, "brueche", "kommazahl-bruchzahl", "Bruchrechnung", "Kommazahl -> Bruchzahl", "Schreibe als vollständig gekürzten Bruch.", 15, kDiff},
    {Topic::Fractions, "brueche", "bruchzahl-kommazahl", "Bruchrechnung", "Bruchzahl -> Kommazahl", "Schreibe als Kommazahl.", 16, kDiff},
};

const SheetKind& kindAt(int index)
{
    return kKinds[std::size_t(std::clamp(index, 0, int(kKinds.size()) - 1))];
}

} // namespace

const std::vector<SheetKind>& sheetKinds() { return kKinds; }

QString kindCode(const SheetKind& kind)
{
    return QString::fromUtf8(kind.topicWord) + QLatin1Char(':') + QString::fromUtf8(kind.kindWord);
}

std::optional<int> findKind(const QString& code)
{
    for (std::size_t i = 0; i < kKinds.size(); ++i)
        if (kindCode(kKinds[i]) == code.trimmed().toLower())
            return int(i);
    return std::nullopt;
}

QStringList topicNames()
{
    QStringList names;
    for (const SheetKind& k : kKinds)
        if (!names.contains(QString::fromUtf8(k.topicName)))
            names << QString::fromUtf8(k.topicName);
    return names;
}

std::vector<int> kindsOfTopic(const QString& topicName)
{
    std::vector<int> out;
    for (std::size_t i = 0; i < kKinds.size(); ++i)
        if (QString::fromUtf8(kKinds[i].topicName) == topicName)
            out.push_back(int(i));
    return out;
}

// ---- Settings as each topic reads them ---------------------------------------------

namespace {

basic::PlainSettings plainSettings(const SheetSettings& s, int operation)
{
    basic::PlainSettings p;
    p.selectedTaskType = operation;
    p.lowerBound = s.lower;
    p.upperBound = s.upper;
    p.squareLimit = std::clamp(s.squareLimit, 10, 100);
    const unsigned choices = kindAt(s.kind).choices;
    if ((choices & ChoiceRangeKind) && s.table >= 2 && s.table <= 9)
        p.range = {basic::RangeKind::TimesTable, s.table};
    else if ((choices & ChoiceSquares) && s.table == 1)
        p.range = {basic::RangeKind::Squares, 0};
    return p;
}

units::UnitSettings unitSettings(const SheetSettings& s, int category)
{
    units::UnitSettings u;
    u.choice = category;
    u.difficulty = clampDifficulty(s.difficulty);
    u.randomTarget = s.randomTarget;
    if (category >= 1 && category <= units::kFamilyCount)
        u.targetIndex[std::size_t(category - 1)] =
            std::clamp(s.target, 0, units::unitCount(category) - 1);
    return u;
}

primes::PrimeTaskSettings primeSettings(const SheetSettings& s, int type)
{
    primes::PrimeTaskSettings p;
    p.type = type;
    p.divisorIndex = std::clamp(s.divisorIndex, 0, int(primes::kDivisors.size()) - 1);
    p.numberCount = s.numberCount == 3 ? 3 : 2;
    p.difficulty = clampDifficulty(s.difficulty);
    return p;
}

// ---- Pieces -----------------------------------------------------------------------

Piece text(const QString& t) { return {Piece::Text, t, {}, {}, false, false, 0}; }
Piece box(const QString& answer, int width) { return {Piece::Box, answer, {}, {}, false, false, width}; }
Piece fraction(qint64 n, qint64 d)
{
    return {Piece::Fraction, {}, QString::number(n), QString::number(d), false, false, 0};
}
Piece fractionBoxes(qint64 n, qint64 d, bool numeratorBox = true, bool denominatorBox = true)
{
    Piece p = fraction(n, d);
    p.numeratorBox = numeratorBox;
    p.denominatorBox = denominatorBox;
    p.boxWidth = 5;
    return p;
}

// ---- Items per topic ---------------------------------------------------------------

SheetItem basicItem(const SheetKind& kind, const SheetSettings& s, RandomSource& random,
                    std::int32_t& previous)
{
    if (kind.item <= basic::SelectedMixed) {
        const basic::PlainTask t = basic::nextPlainTask(random, plainSettings(s, kind.item), previous);
        previous = t.expected;
        return {{text(t.text), box(QString::number(t.expected), 6)}};
    }
    const basic::GapTask t = basic::nextGapTask(random, kind.item - 5, s.lower, s.upper);
    return {{text(t.left), box(QString::number(t.missing), 6), text(t.right)}};
}

SheetItem unitItem(const SheetKind& kind, const SheetSettings& s, RandomSource& random)
{
    const units::UnitTask t = units::drawUnitTask(unitSettings(s, kind.item), random);
    return {{text(t.quantityLabel()), box(formatNumber(t.expected), 10), text(t.target())}};
}

numsys::TaskSettings numeralSettings(const SheetKind& kind, const SheetSettings& s)
{
    return {kind.item, clampDifficulty(s.difficulty),
            s.intoDecimal ? numsys::IntoDecimal : numsys::IntoSystem};
}

SheetItem numeralItem(const SheetKind& kind, const SheetSettings& s, RandomSource& random)
{
    const numsys::NumeralTask t = numsys::drawNumeralTask(numeralSettings(kind, s), random);
    const int width = s.intoDecimal ? 6 : (kind.item == numsys::KindRoman ? 15 : 12);
    return {{text(t.taskLabel()), box(t.expectedAnswerText(), width)}};
}

SheetItem primeItem(const SheetKind& kind, const SheetSettings& s, RandomSource& random)
{
    const primes::PrimeTaskSettings p = primeSettings(s, kind.item);
    switch (kind.item) {
    case primes::Teilbarkeit: {
        const auto t = primes::drawDivisibilityTask(p.divisorIndex, p.difficulty, random);
        return {{text(t.question()), box(t.divisible ? QStringLiteral("Ja") : QStringLiteral("Nein"), 4)}};
    }
    case primes::Primfaktorzerlegung: {
        const auto t = primes::drawFactorTask(p.difficulty, random);
        const QStringList factors = t.expected.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        return {{text(QString::number(t.n) + QStringLiteral(" =")),
                 box(factors.join(QStringLiteral(" · ")), 16)}};
    }
    default: {
        const bool ggt = kind.item == primes::GgT;
        const auto t = ggt ? primes::drawGgTTask(p.numberCount, p.difficulty, random)
                           : primes::drawKgVTask(p.numberCount, p.difficulty, random);
        return {{text((ggt ? QStringLiteral("ggT(") : QStringLiteral("kgV(")) + t.numbersText()
                      + QStringLiteral(") =")),
                 box(QString::number(t.expected), 6)}};
    }
    }
}

const char* const kRelationSigns[] = {">", "<", "="}; // by fractions::Relation

SheetItem fractionItem(const SheetKind& kind, const SheetSettings& s, RandomSource& random)
{
    using namespace fractions;
    const int difficulty = clampDifficulty(s.difficulty);
    if (kind.item <= 4) {
        const ArithmeticTask t = drawArithmeticTask(random, kind.item, difficulty);
        const int operation = t.operation;
        const bool product = operation == OpMultiplication;
        const int rn = product ? t.expected[0] : t.expected[4];
        const int rd = product ? t.expected[1] : t.expected[5];
        return {{fraction(t.first.numerator, t.first.denominator),
                 text(QString::fromLatin1(arithmeticLayout(operation).operatorSign)),
                 fraction(t.second.numerator, t.second.denominator), text(QStringLiteral("=")),
                 fractionBoxes(rn, rd)}};
    }
    switch (kind.item) {
    case 10:
    case 11: {
        const auto t = drawExpandReduceTask(kind.item == 10 ? ExpandKind::Expand : ExpandKind::Reduce,
                                            difficulty, random);
        SheetItem item{{fraction(t.shownNumerator(), t.shownDenominator()), text(QStringLiteral("="))}};
        const qint64 an = t.answerNumerator(), ad = t.answerDenominator();
        switch (t.form) {
        case FormWholeFraction:
            item.pieces.push_back(fractionBoxes(an, ad));
            item.pieces.push_back(text(QStringLiteral("(mit %1)").arg(t.factor)));
            break;
        case FormFactor:
            item.pieces.push_back(fraction(an, ad));
            item.pieces.push_back(text(QStringLiteral("mit")));
            item.pieces.push_back(box(QString::number(t.factor), 4));
            break;
        case FormNumerator:
            item.pieces.push_back(fractionBoxes(an, ad, true, false));
            break;
        default:
            item.pieces.push_back(fractionBoxes(an, ad, false, true));
            break;
        }
        return item;
    }
    case 12: {
        const OrderingTask t = drawOrderingTask(difficulty, random);
        SheetItem item;
        for (std::size_t i = 0; i < 3; ++i) {
            if (i > 0)
                item.pieces.push_back(text(QStringLiteral(";")));
            item.pieces.push_back(fraction(t.shown[i].numerator, t.shown[i].denominator));
        }
        item.pieces.push_back(text(QStringLiteral("Platz:")));
        for (int p : t.positions)
            item.pieces.push_back(box(QString::number(p + 1), 2));
        return item;
    }
    case 13: {
        const ComparingTask t = drawComparingTask(difficulty, random);
        return {{fraction(t.shown[0].numerator, t.shown[0].denominator),
                 box(QString::fromLatin1(kRelationSigns[std::clamp(t.relation, 0, 2)]), 2),
                 fraction(t.shown[1].numerator, t.shown[1].denominator)}};
    }
    case 14: {
        const FractionPartTask t = drawFractionPartTask(difficulty, random);
        return {{fraction(t.numerator, t.denominator), text(t.ofText() + QStringLiteral(" =")),
                 fractionBoxes(t.expected[2], t.expected[3])}};
    }
    case 15: {
        const DecimalTask t = drawDecimalTask(DecimalDirection::DecimalToFraction, difficulty, random);
        return {{text(t.decimalText() + QStringLiteral(" =")),
                 fractionBoxes(t.expected[2], t.expected[3])}};
    }
    default: {
        const DecimalTask t = drawDecimalTask(DecimalDirection::FractionToDecimal, difficulty, random);
        return {{fraction(t.a, t.b), text(QStringLiteral("=")), box(t.expectedDecimalText(), 7)}};
    }
    }
}

QString numeralInstruction(const SheetKind& kind, const SheetSettings& s)
{
    const QString system = numsys::kindNumberName(kind.item) + QStringLiteral("en");
    const QString decimal = numsys::kDecimalNumberName + QStringLiteral("en");
    return s.intoDecimal ? QStringLiteral("Schreibe die %1 als %2.").arg(system, decimal)
                         : QStringLiteral("Schreibe die %1 als %2.").arg(decimal, system);
}

} // namespace

QString refusal(const SheetSettings& s)
{
    if (s.kind < 0 || s.kind >= int(kKinds.size()))
        return QStringLiteral("Diese Aufgabenart gibt es nicht.");
    if (s.count < kMinTasks || s.count > kMaxTasks)
        return QStringLiteral("Die Anzahl der Aufgaben muss zwischen %1 und %2 liegen.")
            .arg(kMinTasks)
            .arg(kMaxTasks);
    const SheetKind& kind = kKinds[std::size_t(s.kind)];
    if (kind.choices & ChoiceRange) {
        if (s.lower < -kRangeLimit || s.upper > kRangeLimit || s.upper < -kRangeLimit
            || s.lower > kRangeLimit)
            return QStringLiteral("Die Grenzen müssen zwischen %1 und %2 liegen.")
                .arg(-kRangeLimit)
                .arg(kRangeLimit);
        // The start checks of the task pages, so a sheet refuses what a series refuses.
        if (kind.item <= basic::SelectedMixed)
            return basic::plainStartRefusal(plainSettings(s, kind.item));
        return basic::gapStartRefusal(kind.item - 5, s.lower, s.upper);
    }
    return {};
}

// ---- Items and sheets --------------------------------------------------------------

bool SheetItem::stacked() const
{
    return std::any_of(pieces.begin(), pieces.end(),
                       [](const Piece& p) { return p.kind == Piece::Fraction; });
}

namespace {

QString joinedText(const std::vector<Piece>& pieces, bool answers)
{
    QStringList words;
    for (const Piece& p : pieces) {
        switch (p.kind) {
        case Piece::Text:
            words << p.text;
            break;
        case Piece::Box:
            if (answers)
                words << p.text;
            break;
        case Piece::Fraction:
            if (p.numeratorBox && p.denominatorBox && !answers)
                break; // two empty boxes: nothing to read
            words << ((p.numeratorBox && !answers) ? QString() : p.numerator) + QLatin1Char('/')
                         + ((p.denominatorBox && !answers) ? QString() : p.denominator);
            break;
        }
    }
    words.removeAll(QString());
    return words.join(QLatin1Char(' '));
}

QStringList numbered(const std::vector<SheetItem>& items, bool answers)
{
    QStringList lines;
    for (std::size_t i = 0; i < items.size(); ++i)
        lines << QStringLiteral("%1) ").arg(i + 1)
                     + (answers ? items[i].answerText() : items[i].taskText());
    return lines;
}

} // namespace

QString SheetItem::taskText() const { return joinedText(pieces, false); }
QString SheetItem::answerText() const { return joinedText(pieces, true); }
QStringList Sheet::taskLines() const { return numbered(items, false); }
QStringList Sheet::keyLines() const { return numbered(items, true); }

Sheet makeSheet(const SheetSettings& settings)
{
    const SheetKind& kind = kindAt(settings.kind);
    Sheet sheet;
    sheet.title = settings.title.trimmed().isEmpty() ? QString::fromUtf8(kind.kindName)
                                                     : settings.title.trimmed();
    sheet.instruction = kind.topic == Topic::NumberSystems ? numeralInstruction(kind, settings)
                                                           : QString::fromUtf8(kind.instruction);
    sheet.number = settings.number;
    sheet.withKey = settings.withKey;
    SheetRandom random(settings.number);
    std::int32_t previous = 0;
    const int count = std::clamp(settings.count, kMinTasks, kMaxTasks);
    for (int i = 0; i < count; ++i) {
        switch (kind.topic) {
        case Topic::Basic:
            sheet.items.push_back(basicItem(kind, settings, random, previous));
            break;
        case Topic::Units:
            sheet.items.push_back(unitItem(kind, settings, random));
            break;
        case Topic::NumberSystems:
            sheet.items.push_back(numeralItem(kind, settings, random));
            break;
        case Topic::Primes:
            sheet.items.push_back(primeItem(kind, settings, random));
            break;
        case Topic::Fractions:
            sheet.items.push_back(fractionItem(kind, settings, random));
            break;
        }
    }
    return sheet;
}

} // namespace quorvel::worksheet
