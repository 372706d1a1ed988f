#include "unithelptexts.h"
#include "textlines.h"

namespace quorvel::units {

namespace {
QString u(const char* s) { return QString::fromUtf8(s); }
} // namespace

const std::vector<HelpTab>& helpTabs()
{
    static const std::vector<HelpTab> tabs = {
        {u("Gewichtsmaße"), u("Umrechnung von Gewichtsmaßen"),
         u("Milligramm     <-->     Gramm     <-->     Kilogramm     <-->     Tonnen"),
         u("x1000 <--                  x1000 <--                         x1000 <--"),
         u(":1000 -->                  :1000 -->                          :1000 -->"),
         ul({"1 mg = 0,001 g", "1 g = 0,001 kg", "1 kg = 0,001 t"}),
         ul({"1 g = 1000 mg", "1 kg = 1000 g", "1 t = 1000 kg"})},
        {u("Längenmaße"), u("Umrechnung von Längenmaßen"),
         u("Millimeter   <->   Zentimeter   <->   Dezimeter   <->   Meter   <->   Kilometer"),
         u("x10 <--                       x10 <--                      x10 <--          x1000 <--"),
         u(":10 -->                       :10 -->                       :10 -->           :1000 -->"),
         ul({"1 mm = 0,1 cm", "1 cm = 0,1 dm", "1 dm = 0,1 m", "1 m = 0,001 km"}),
         ul({"1 cm = 10 mm", "1 dm = 10 cm", "1 m = 10 dm", "1 km = 1000 m"})},
        {u("Flächenmaße"), u("Umrechnung von Flächenmaßen"),
         u("mm²    <->    cm²    <->    dm²    <->    m²    <->    a    <->    ha    <->    km²"),
         u("x100 <--         x100 <--         x100 <--      x100 <--     x100 <--      x100 <--"),
         u(":100 -->          :100 -->         :100 -->       :100 -->     :100 -->       :100 -->"),
         ul({"1 mm² = 0,01 cm²", "1 cm² = 0,01 dm²", "1 dm² = 0,01 m²", "1 m² = 0,01 a",
             "1 a = 0,01 ha", "1 ha = 0,01 km²"}),
         ul({"1 cm² = 100 mm²", "1 dm² = 100 cm²", "1 m² = 100 dm²", "1 a = 100 m²",
             "1 ha = 100 a", "1 km² = 100 ha"})},
        {u("Körpermaße"), u("Umrechnung von Körpermaßen"),
         u("mm³     <-->     cm³     <-->     dm³     <-->     m³     <-->    km³"),
         u("x1000 <--          x1000 <--           x1000 <--        x1000000000 <--"),
         u(":1000 -->           :1000 -->           :1000 -->         :1000000000 -->"),
         ul({"1 mm³ = 0,001 cm³", "1 cm³ = 0,001 dm³", "1 dm³ = 0,001 m³",
             "1 m³ = 0,000000001 km³"}),
         ul({"1 cm³ = 1000 mm³", "1 dm³ = 1000 cm³", "1 m³ = 1000 dm³",
             "1 km³ = 1000000000 m³"})},
        {u("Zeitmaße"), u("Umrechnung von Zeitmaßen"),
         u("Millisekunden   <->   Sekunden   <->   Minuten   <->   Stunden   <->   Tage"),
         u("x1000 <--                    x60 <--                x60 <--                  x24 <--"),
         u(":1000 -->                     :60 -->                 :60 -->                  :24 -->"),
         ul({"1 msec = 0,001 sec", "1 sec = 1/60 min", "1 min = 1/60 h", "1 h = 1/24 d"}),
         ul({"1 sec = 1000 msec", "1 min = 60 sec", "1 h = 60 min", "1 d = 24 h"})},
        {u("Währung"), u("Umrechnung Euro <-> Cent"), u("Cent   <->   Euro"), u("x100 <--"),
         u(":100 -->"), ul({"1 ct = 0,01 €"}), ul({"1 € = 100 ct"})},
    };
    return tabs;
}

} // namespace quorvel::units
