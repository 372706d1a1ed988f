#pragma once
// The six families of measures as data: their units in list order, the size of each
// unit in the family's smallest unit, the pairs never asked, and the constants a
// conversion multiplies or divides by.

#include <QString>
#include <QStringList>
#include <vector>

namespace quorvel::units {

enum UnitCategory : int {
    Gewichte = 1,
    Laengenmasse = 2,
    Flaechenmasse = 3,
    Koerpermasse = 4,
    Zeitmasse = 5,
    Waehrung = 6,
    Gemischt = 7, // settings page only
};
constexpr int kFamilyCount = 6;

struct Unit {
    const char* name;     // UTF-8, as shown ("mm²", "€")
    long double size;     // in the family's smallest unit
};

struct UnitFamily {
    UnitCategory category;
    const char* caption;  // radio button and statistics type caption
    std::vector<Unit> units;
};

const UnitFamily& family(int category); // 1 .. 6
int unitCount(int category);
QString unitName(int category, int index);
QStringList unitNames(int category);
int unitIndex(int category, const QString& name); // -1 when not in the family

// A pair that is never asked: converting `source` into `target`.
bool isExcludedPair(int category, int sourceIndex, int targetIndex);

// The constants a conversion is built from (10 ... 3600000).
const std::vector<long double>& conversionConstants();

// How a factor is applied: multiply (or divide) by each step in turn; one or two steps.
struct ConversionSteps {
    bool divide = false;
    std::vector<long double> steps; // empty for the same unit
};
ConversionSteps conversionSteps(int category, int sourceIndex, int targetIndex);

// quantity * size(source) / size(target) in extended precision, applied as the steps.
long double convertQuantity(long double quantity, int category, int sourceIndex,
                            int targetIndex);

// For times: the number tied to the target unit ("msec" 1, "min" 2, "h" 3, "d" 4,
// "sec" 5); 0 for other families.
int timeTargetIndex(int category, int targetIndex);
// The factor a drawn time quantity is multiplied by for a time target index: 1, 6, 3.6,
// 14.4, 1.
long double timeQuantityFactor(int timeTargetIndex);

} // namespace quorvel::units
