#include "grundsettings.h"

namespace quorvel::basic {

bool GrundSettingsState::boundsEnabled() const
{
    PlainSettings plain;
    plain.selectedTaskType = taskType == ItemAufgaben ? operation + 1 : 0;
    plain.range = range;
    return !squaresOnly(plain);
}

GrundSettingsState rechenartClicked(GrundSettingsState s)
{
    // "Gleichungen" has no mixed operations.
    s.equationsEnabled = s.operation != ItemGemischt;
    if (!s.equationsEnabled && s.taskType == ItemGleichungen)
        s.taskType = ItemAufgaben;

    const bool multiplyOrDivide =
        s.operation == ItemMultiplizieren || s.operation == ItemDividieren;
    if (!multiplyOrDivide) {
        s.range = {};
        s.tablesEnabled = false;
        s.squaresEnabled = false;
        return s;
    }
    if (s.taskType == ItemGleichungen) {
        s.tablesEnabled = false;
        s.range = {};
    } else {
        s.tablesEnabled = true;
    }
    s.squaresEnabled = s.operation == ItemMultiplizieren && s.taskType != ItemGleichungen;
    if (s.operation == ItemDividieren && s.range.kind == RangeKind::Squares)
        s.range = {};
    return s;
}

GrundSettingsState aufgabentypClicked(GrundSettingsState s)
{
    s.mixedEnabled = s.taskType != ItemGleichungen;
    if (!s.mixedEnabled && s.operation == ItemGemischt)
        s.operation = ItemAddieren;
    return rechenartClicked(s);
}

} // namespace quorvel::basic
