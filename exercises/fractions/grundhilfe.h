#pragma once
// TFormBruchGrundHilfe, "Hilfe: Grundrechnen mit Brüchen": four tabs of explanations with
// worked examples drawn by the program (fractions with bars, mixed numbers, cross
// reductions struck through in green and red). Created once beside the main window,
// shown modally, centred on it, staying on top; the tab chosen last stays.

#include "formula.h"
#include "helpwindow.h"

#include <QPixmap>

class QLabel;

namespace quorvel::fractions {

// The formula drawn into a picture of its natural size (or stretched into `size`).
QPixmap renderFormula(const Formula& formula, QSize size = QSize());
QSize formulaNaturalSize(const Formula& formula);

class TFormBruchGrundHilfe : public TabbedHelpDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 410;
    static constexpr int kClientHeight = 250;

    explicit TFormBruchGrundHilfe(QWidget* mainWindow);

    QLabel* image(int index) const; // Image01 .. Image08 as 0 .. 7

private:
    QLabel* m_images[8] = {};
};

} // namespace quorvel::fractions
