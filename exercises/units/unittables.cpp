#include "unittables.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace quorvel::units {

namespace {

const std::array<UnitFamily, kFamilyCount>& families()
{
    static const std::array<UnitFamily, kFamilyCount> table = {{
        {Gewichte, "Gewichte", {{"mg", 1.0L}, {"g", 1e3L}, {"kg", 1e6L}, {"t", 1e9L}}},
        {Laengenmasse, "Längenmaße",
         {{"mm", 1.0L}, {"cm", 10.0L}, {"dm", 1e2L}, {"m", 1e3L}, {"km", 1e6L}}},
        {Flaechenmasse, "Flächenmaße",
         {{"mm²", 1.0L}, {"cm²", 1e2L}, {"dm²", 1e4L}, {"m²", 1e6L}, {"a", 1e8L},
          {"ha", 1e10L}, {"km²", 1e12L}}},
        {Koerpermasse, "Körpermaße",
         {{"mm³", 1.0L}, {"cm³", 1e3L}, {"dm³", 1e6L}, {"m³", 1e9L}, {"km³", 1e18L}}},
        {Zeitmasse, "Zeitmaße",
         {{"msec", 1.0L}, {"sec", 1000.0L}, {"min", 60000.0L}, {"h", 3600000.0L},
          {"d", 86400000.0L}}},
        {Waehrung, "Währung", {{"ct", 1.0L}, {"€", 100.0L}}},
    }};
    return table;
}

struct ExcludedPair {
    int category;
    const char* target;
    const char* source;
};

// Target from source.
constexpr ExcludedPair kExcluded[] = {
    {Koerpermasse, "km³", "mm³"}, {Koerpermasse, "cm³", "km³"}, {Koerpermasse, "mm³", "km³"},
    {Zeitmasse, "msec", "h"},     {Zeitmasse, "msec", "d"},     {Zeitmasse, "sec", "d"},
    {Zeitmasse, "min", "msec"},   {Zeitmasse, "min", "d"},      {Zeitmasse, "h", "msec"},
    {Zeitmasse, "d", "msec"},     {Zeitmasse, "d", "sec"},
};

struct TimeTarget {
    const char* unit;
    int index;
    long double factor;
};
constexpr TimeTarget kTimeTargets[] = {
    {"msec", 1, 1.0L}, {"min", 2, 6.0L}, {"h", 3, 3.6L}, {"d", 4, 14.4L}, {"sec", 5, 1.0L},
};

} // namespace

const UnitFamily& family(int category)
{
    const int i = std::clamp(category, 1, kFamilyCount) - 1;
    return families()[std::size_t(i)];
}

int unitCount(int category) { return int(family(category).units.size()); }

QString unitName(int category, int index)
{
    const auto& u = family(category).units;
    if (index < 0 || index >= int(u.size()))
        return {};
    return QString::fromUtf8(u[std::size_t(index)].name);
}

QStringList unitNames(int category)
{
    QStringList names;
    for (const Unit& u : family(category).units)
        names << QString::fromUtf8(u.name);
    return names;
}

int unitIndex(int category, const QString& name) { return unitNames(category).indexOf(name); }

bool isExcludedPair(int category, int sourceIndex, int targetIndex)
{
    const QString source = unitName(category, sourceIndex);
    const QString target = unitName(category, targetIndex);
    for (const ExcludedPair& p : kExcluded)
        if (p.category == category && target == QString::fromUtf8(p.target)
            && source == QString::fromUtf8(p.source))
            return true;
    return false;
}

const std::vector<long double>& conversionConstants()
{
    // Largest first, so a factor is split into the largest constant that leaves another.
    static const std::vector<long double> constants = {
        1e9L, 1e8L, 1e6L, 3600000.0L, 1e5L, 60000.0L, 1e4L, 3600.0L, 1000.0L, 100.0L,
        60.0L, 24.0L, 10.0L,
    };
    return constants;
}

ConversionSteps conversionSteps(int category, int sourceIndex, int targetIndex)
{
    ConversionSteps r;
    const auto& u = family(category).units;
    if (sourceIndex == targetIndex || sourceIndex < 0 || targetIndex < 0
        || sourceIndex >= int(u.size()) || targetIndex >= int(u.size()))
        return r;
    const long double s = u[std::size_t(sourceIndex)].size;
    const long double t = u[std::size_t(targetIndex)].size;
    r.divide = s < t;
    const long double ratio = r.divide ? t / s : s / t; // a whole number, exact
    const auto& c = conversionConstants();
    if (std::find(c.begin(), c.end(), ratio) != c.end()) {
        r.steps = {ratio};
        return r;
    }
    for (long double a : c) {
        const long double rest = ratio / a;
        if (std::find(c.begin(), c.end(), rest) != c.end()) {
            r.steps = {a, rest};
            return r;
        }
    }
    // No split in two (the pairs never asked, such as mm³ and km³): the whole factor.
    r.steps = {ratio};
    return r;
}

long double convertQuantity(long double quantity, int category, int sourceIndex,
                            int targetIndex)
{
    const ConversionSteps st = conversionSteps(category, sourceIndex, targetIndex);
    long double v = quantity;
    for (long double f : st.steps)
        v = st.divide ? v / f : v * f;
    return v;
}

int timeTargetIndex(int category, int targetIndex)
{
    if (category != Zeitmasse)
        return 0;
    const QString name = unitName(category, targetIndex);
    for (const TimeTarget& t : kTimeTargets)
        if (name == QString::fromUtf8(t.unit))
            return t.index;
    return 0;
}

long double timeQuantityFactor(int index)
{
    for (const TimeTarget& t : kTimeTargets)
        if (t.index == index)
            return t.factor;
    return 1.0L;
}

} // namespace quorvel::units
