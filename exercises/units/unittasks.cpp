#include "unittasks.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <QStringList>

#include "conversionerror.h"
#include "unitnumber.h"

#include <algorithm>

namespace quorvel::units {

namespace {

// Upper limits of Random(n) by difficulty.
constexpr int kGeneralLimits[3] = {10000, 100000, 500000};
constexpr int kTimeLimits[3] = {101, 251, 1001};
constexpr int kTimeSecLimits[3] = {11, 26, 101};
constexpr int kTimeSecIndex = 5;

constexpr long double kPowersOfTen[4] = {1.0L, 10.0L, 100.0L, 1000.0L};

int clampedTarget(const UnitSettings& s, int category)
{
    const int i = s.targetIndex[std::size_t(category - 1)];
    return std::clamp(i, 0, unitCount(category) - 1);
}

} // namespace

QString UnitTask::quantityText() const { return formatNumber(quantity); }

QString UnitTask::instruction() const
{
    return QStringLiteral("Geben Sie ") + quantityText() + QLatin1Char(' ') + source()
           + QStringLiteral(" in ") + target() + QStringLiteral(" an");
}

QString UnitTask::quantityLabel() const
{
    return quantityText() + QLatin1Char(' ') + source() + QStringLiteral(" =");
}

QString UnitTask::expectedText() const
{
    return formatNumber(expected) + QLatin1Char(' ') + target();
}

void drawUnits(const UnitSettings& settings, RandomSource& random, UnitTask& task)
{
    if (settings.choice == Gemischt) {
        task.category = random.random(kFamilyCount) + 1;
        task.targetIndex = settings.randomTarget ? random.random(unitCount(task.category))
                                                 : clampedTarget(settings, task.category);
    } else {
        task.category = std::clamp(settings.choice, 1, kFamilyCount);
        task.targetIndex = clampedTarget(settings, task.category);
    }
    task.timeTargetIndex = timeTargetIndex(task.category, task.targetIndex);
    if (task.category == Waehrung) {
        task.sourceIndex = 1 - task.targetIndex;
        return;
    }
    const int n = unitCount(task.category);
    do {
        task.sourceIndex = std::clamp(random.random(n), 0, n - 1);
    } while (task.sourceIndex == task.targetIndex
             || isExcludedPair(task.category, task.sourceIndex, task.targetIndex));
}

int drawQuantity(const UnitSettings& settings, int timeTargetIndex, RandomSource& random)
{
    const int d = std::clamp(settings.difficulty, 0, 2);
    if (settings.choice != Zeitmasse)
        return random.random(kGeneralLimits[d]);
    if (timeTargetIndex == kTimeSecIndex)
        return random.random(kTimeSecLimits[d]);
    return random.random(kTimeLimits[d]);
}

UnitTask drawUnitTask(const UnitSettings& settings, RandomSource& random)
{
    UnitTask task;
    drawUnits(settings, random, task);
    if (task.category == Zeitmasse) {
        const int q = drawQuantity(settings, task.timeTargetIndex, random);
        task.quantity = (long double)q * timeQuantityFactor(task.timeTargetIndex);
    } else {
        const int k = std::clamp(random.random(4), 0, 3);
        const int q = drawQuantity(settings, task.timeTargetIndex, random);
        task.quantity = (long double)q / kPowersOfTen[k];
    }
    task.expected = convertQuantity(task.quantity, task.category, task.sourceIndex,
                                    task.targetIndex);
    return task;
}

AnswerCheck checkUnitAnswer(const UnitTask& task, const QString& text)
{
    long double given = 0;
    if (!parseNumber(text, given))
        return {AnswerState::Invalid, floatConversionError(text)};
    const long double expected = roundToWritten(task.expected);
    return {given == expected ? AnswerState::Right : AnswerState::Wrong, {}};
}

int quantityLabelLeft(const QString& labelText)
{
    return kQuantityLabelRight - 8 * int(labelText.size());
}

SeriesTexts unitSeriesTexts()
{
    SeriesTexts t;
    t.emptyAnswer = QStringLiteral("Sie haben noch keinen Wert eingegeben");
    t.wrongAnswer = QStringLiteral("Das von Ihnen eingegebene Ergebnis ist falsch.\r");
    t.wrongKind = MessageKind::Warning;
    return t;
}

int UnitConversionTopic::drawTask()
{
    show(drawUnitTask(m_settings, m_random));
    return m_task.category;
}

QString UnitConversionTopic::encodeTask(const UnitTask& task) const
{
    char q[64];
    std::snprintf(q, sizeof q, "%.*Lg", LDBL_DECIMAL_DIG, task.quantity);
    return QStringLiteral("%1 %2 %3").arg(task.sourceIndex).arg(task.targetIndex).arg(QLatin1String(q));
}

std::optional<UnitTask> UnitConversionTopic::decodeTask(int type, const QString& text) const
{
    const QStringList parts = text.split(QLatin1Char(' '));
    if (type < 1 || type > kFamilyCount || parts.size() != 3)
        return std::nullopt;
    bool okS = false, okT = false;
    UnitTask task;
    task.category = type;
    task.sourceIndex = parts[0].toInt(&okS);
    task.targetIndex = parts[1].toInt(&okT);
    const int count = unitCount(type);
    if (!okS || !okT || task.sourceIndex < 0 || task.sourceIndex >= count || task.targetIndex < 0
        || task.targetIndex >= count || task.sourceIndex == task.targetIndex
        || isExcludedPair(type, task.sourceIndex, task.targetIndex))
        return std::nullopt;
    const QByteArray q = parts[2].toLatin1();
    char* end = nullptr;
    task.quantity = std::strtold(q.constData(), &end);
    if (q.isEmpty() || end != q.constData() + q.size() || !std::isfinite(task.quantity)
        || task.quantity < 0 || task.quantity > 1e12L)
        return std::nullopt;
    task.timeTargetIndex = timeTargetIndex(type, task.targetIndex);
    task.expected = convertQuantity(task.quantity, type, task.sourceIndex, task.targetIndex);
    return task;
}

} // namespace quorvel::units
