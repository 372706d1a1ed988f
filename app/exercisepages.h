#pragma once
// The pages of the exercise notebook (NotebookHaupt01a) in the order the main window
// builds them. The topics find their pages by name; only the program knows the numbers.

namespace quorvel {

enum ExercisePage : int {
    PageGrundrechenarten = 0,
    PageGrundGleichungen = 1,
    PageGrundAufgaben = 2,
    PageGrundLuecken = 3,
    PageEinheiten = 4,
    PageEinheitenAufgaben = 5,
    PageZahlensysteme = 6,
    PageZahlensystemeBerechnung = 7,
    PageZahlensystemeAufgaben = 8,
    PagePrimfaktoren = 9,
    PagePrimfaktorenBerechnung = 10,
    PagePrimfaktorenAufgaben = 11,
    PageBruchrechnung = 12,
    PageBruchrechnungAufgaben = 13,
    ExercisePageCount = 14,
};

// The object name of each page, by number.
inline constexpr const char* kExercisePageNames[ExercisePageCount] = {
    "Grundrechenarten", "GrundGleichungen", "GrundAufgaben", "GrundLuecken",
    "Einheiten", "EinheitenAufgaben", "Zahlensysteme", "ZahlensystemeBerechnung",
    "ZahlensystemeAufgaben", "Primfaktoren", "PrimfaktorenBerechnung", "PrimfaktorenAufgaben",
    "Bruchrechnung", "BruchrechnungAufgaben",
};

} // namespace quorvel
