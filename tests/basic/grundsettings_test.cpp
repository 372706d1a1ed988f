// The interlocks of the settings page "Grundrechenarten" as a table: each row is the page
// before a click and the page after it.
#include "grundsettings.h"

#include <gtest/gtest.h>

using namespace quorvel::basic;

namespace {

enum Click { Rechenart, Aufgabentyp };

constexpr RangeChoice kNumber{};
constexpr RangeChoice kTable3{RangeKind::TimesTable, 3};
constexpr RangeChoice kTable7{RangeKind::TimesTable, 7};
constexpr RangeChoice kSquares{RangeKind::Squares, 0};

GrundSettingsState page(int op, int typ, bool mixed, bool equations, RangeChoice range,
                        bool tables, bool squares)
{
    return {op, typ, mixed, equations, range, tables, squares};
}

std::string describe(const GrundSettingsState& s)
{
    return "op " + std::to_string(s.operation) + " typ " + std::to_string(s.taskType)
        + " mixed " + std::to_string(s.mixedEnabled) + " equations "
        + std::to_string(s.equationsEnabled) + " range " + std::to_string(int(s.range.kind)) + "/"
        + std::to_string(s.range.table) + " tables " + std::to_string(s.tablesEnabled)
        + " squares " + std::to_string(s.squaresEnabled);
}

} // namespace

TEST(Interlocks, Table)
{
    const struct {
        const char* what;
        Click click;
        GrundSettingsState before, after;
    } rows[] = {
        {"start-up state", Rechenart,
         page(0, 0, true, true, kNumber, false, false), page(0, 0, true, true, kNumber, false, false)},
        {"multiplication offers tables and squares", Rechenart,
         page(2, 0, true, true, kNumber, false, false), page(2, 0, true, true, kNumber, true, true)},
        {"division offers tables only", Rechenart,
         page(3, 0, true, true, kNumber, false, false), page(3, 0, true, true, kNumber, true, false)},
        {"a checked table stays from multiplication to division", Rechenart,
         page(3, 0, true, true, kTable7, true, true), page(3, 0, true, true, kTable7, true, false)},
        {"squares go back to the number range for division", Rechenart,
         page(3, 0, true, true, kSquares, true, true), page(3, 0, true, true, kNumber, true, false)},
        {"addition takes tables away", Rechenart,
         page(0, 0, true, true, kTable3, true, true), page(0, 0, true, true, kNumber, false, false)},
        {"subtraction takes squares away", Rechenart,
         page(1, 1, true, true, kSquares, true, true), page(1, 1, true, true, kNumber, false, false)},
        {"gap tasks keep tables and squares", Rechenart,
         page(2, 1, true, true, kSquares, false, false), page(2, 1, true, true, kSquares, true, true)},
        {"Gemischt disables Gleichungen", Rechenart,
         page(4, 0, true, true, kNumber, false, false), page(4, 0, true, false, kNumber, false, false)},
        {"Gemischt moves Gleichungen back to Aufgaben", Rechenart,
         page(4, 2, true, true, kNumber, false, false), page(4, 0, true, false, kNumber, false, false)},
        {"leaving Gemischt enables Gleichungen", Rechenart,
         page(1, 0, true, false, kNumber, false, false), page(1, 0, true, true, kNumber, false, false)},
        {"Gemischt resets a table", Rechenart,
         page(4, 1, true, true, kTable3, true, false), page(4, 1, true, false, kNumber, false, false)},
        {"multiplication with Gleichungen has neither", Rechenart,
         page(2, 2, false, true, kNumber, true, true), page(2, 2, false, true, kNumber, false, false)},
        {"Gleichungen disables Gemischt", Aufgabentyp,
         page(0, 2, true, true, kNumber, false, false), page(0, 2, false, true, kNumber, false, false)},
        {"Gleichungen moves Gemischt back to Addieren", Aufgabentyp,
         page(4, 2, true, false, kNumber, false, false), page(0, 2, false, true, kNumber, false, false)},
        {"Gleichungen takes a table away", Aufgabentyp,
         page(3, 2, true, true, kTable7, true, false), page(3, 2, false, true, kNumber, false, false)},
        {"Gleichungen takes squares away", Aufgabentyp,
         page(2, 2, true, true, kSquares, true, true), page(2, 2, false, true, kNumber, false, false)},
        {"back to Aufgaben enables Gemischt and the tables", Aufgabentyp,
         page(2, 0, false, true, kNumber, false, false), page(2, 0, true, true, kNumber, true, true)},
        {"Lückenaufgaben with division", Aufgabentyp,
         page(3, 1, false, true, kNumber, false, false), page(3, 1, true, true, kNumber, true, false)},
    };
    for (const auto& row : rows) {
        const GrundSettingsState got =
            row.click == Rechenart ? rechenartClicked(row.before) : aufgabentypClicked(row.before);
        EXPECT_EQ(got, row.after) << row.what << "\n  got      " << describe(got)
                                  << "\n  expected " << describe(row.after);
    }
}

TEST(Interlocks, GemischtAndGleichungenNeverTogether)
{
    // Every combination of the two groups, clicked either way, ends with at most one of them.
    for (int op = 0; op < 5; ++op)
        for (int typ = 0; typ < 3; ++typ)
            for (Click c : {Rechenart, Aufgabentyp}) {
                GrundSettingsState s;
                s.operation = op;
                s.taskType = typ;
                const GrundSettingsState got = c == Rechenart ? rechenartClicked(s) : aufgabentypClicked(s);
                EXPECT_FALSE(got.operation == ItemGemischt && got.taskType == ItemGleichungen)
                    << describe(got);
                EXPECT_EQ(got.equationsEnabled, got.operation != ItemGemischt);
                if (c == Aufgabentyp) {
                    EXPECT_EQ(got.mixedEnabled, got.taskType != ItemGleichungen);
                }
            }
}
