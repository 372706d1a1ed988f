#pragma once
// What the main window hands a topic when it builds its pages: the services, the
// exercise notebook with its fixed page indices, the status bar and the number pad.

#include "series.h"
#include "services.h"

#include <QString>
#include <functional>

class QLineEdit;
class QStackedWidget;
class QWidget;

namespace quorvel {

class NumberPad;

// Page indices of the exercise notebook (NotebookHaupt01a).
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

struct TopicContext {
    Services& services;
    QStackedWidget* exercisePages = nullptr; // NotebookHaupt01a
    NumberPad* numberPad = nullptr;
    QWidget* mainWindow = nullptr;
    std::function<void(const QString&)> setStatusText; // status bar panel 0
    std::function<void()> backToSelection;             // the Back buttons of the start pages
    std::function<void()> announceRight;               // "Richtig!" in the status bar

    QWidget* page(int index) const;
    void showPage(int index) const;
    int currentPage() const;

    // The frame's view for a series whose answer field is `answer`.
    SeriesView seriesView(QLineEdit* answer) const;
};

} // namespace quorvel
