#pragma once
// The interlocks of the basic-arithmetic settings page as a plain function over the state
// of its controls: "Gemischt" and "Gleichungen" exclude each other, the times tables are
// offered for multiplication and division, the squares for multiplication only, and
// neither with "Gleichungen".

#include "plaintasks.h"

namespace quorvel::basic {

// "Rechenart" items.
enum RechenartItem : int { ItemAddieren, ItemSubtrahieren, ItemMultiplizieren, ItemDividieren, ItemGemischt };
// "Aufgabentyp" items.
enum AufgabentypItem : int { ItemAufgaben, ItemLueckenaufgaben, ItemGleichungen };

struct GrundSettingsState {
    int operation = ItemAddieren;   // RadioGroupGrund01
    int taskType = ItemAufgaben;    // RadioGroupGrund02
    bool mixedEnabled = true;       // item "Gemischt"
    bool equationsEnabled = true;   // item "Gleichungen"
    RangeChoice range;              // the checked button of GroupBoxGrund01
    bool tablesEnabled = false;     // RBReihe02 .. RBReihe09
    bool squaresEnabled = false;    // RBQuadratzahlen, EditGrund04, QuadratObereGrenze
    bool operator==(const GrundSettingsState&) const = default;

    // The von/bis fields: out of play for squares of plain tasks, which take no bounds.
    bool boundsEnabled() const;
};

// RadioGroupGrund01Click: after "Rechenart" changed.
GrundSettingsState rechenartClicked(GrundSettingsState s);
// RadioGroupGrund02Click: after "Aufgabentyp" changed; ends with the same as above.
GrundSettingsState aufgabentypClicked(GrundSettingsState s);

} // namespace quorvel::basic
