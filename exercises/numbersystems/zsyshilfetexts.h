#pragma once
// The texts of the number-system help window, one per tab: the Roman numerals and their
// rules, and for bases 2, 3, 8 and 16 the method of the remainders with a worked example
// and its check. Lines are at most 45 characters, so the window shows them unwrapped.

#include <QString>
#include <QStringList>
#include <vector>

namespace quorvel::numsys {

struct HelpSheet {
    QString caption;   // the tab
    QStringList lines; // the memo, line by line
};

// "Römische Zahlen", "Dualsystem", "Dreiersystem", "Oktalsystem", "Hexadezimalsystem".
const std::vector<HelpSheet>& helpSheets();

constexpr int kHelpLineLimit = 45;

// The worked example of a base: the division lines ("39:2=19 R 1" ... "1:2= 0 R 1"),
// the digit text, and the check (powers, their values, the sum without zero terms).
struct WorkedExample {
    QStringList divisions;
    QString digits;
    QStringList powers;      // "1 x 2^0", "1 x 2^1", ... from the last digit on
    QStringList values;      // "1 x 1", "1 x 2", ...
    QString sum;             // "1 + 2 + 4 + 32 = 39"
};
WorkedExample workedExample(int value, int base);

} // namespace quorvel::numsys
