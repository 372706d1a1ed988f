#include "fractionhelptexts.h"
#include "textlines.h"

namespace quorvel::fractions {

const TextHelpWindow& expandReduceHelp()
{
    static const TextHelpWindow w = {
        QStringLiteral("FormBruchErwHilfe"),
        QStringLiteral("Hilfe: Erweitern / Kürzen"),
        417,
        246,
        false,
        QStringLiteral("PageControl1"),
        123,
        {{QStringLiteral("Erweitern"), QStringLiteral("Das Erweitern von Brüchen"),
          ul({"Durch das Erweitern eines Bruches wird der Wert des Bruches nicht ",
              "verändert. Im Prinzip handelt es sich lediglich um eine Multiplikation mit dem ",
              "Wert eins. ",
              "Soll/muß ein Bruch um eine bestimmte Zahl erweitert werden, so muß man den",
              "Zähler und den Nenner mit der entsprechenden Zahl multiplizieren und schon",
              "erhält man den neuen Zähler und den neuen Nenner des erweiterten Bruches.",
              "",
              "Hat man bereits einen Bruch sowie einen dazugehörigen erweiterten Bruch",
              "vorliegen und man möchte herausfinden mit welcher Zahl der Bruch erweitert",
              "worden ist, so hat man zwei Möglichkeiten die Lösung zu finden:",
              "1. man teilt den Zähler des erweiterten Bruches durch den Zähler des",
              "     Ausgangsbruches. Das Ergebnis ist die gesuchte Zahl.",
              "2. man teilt den Nenner des erweiterten Bruches durch den Nenner des",
              "     Ausgangsbruches. Das Ergebnis ist auch hier wieder die gesuchte Zahl."})},
         {QStringLiteral("Kürzen"), QStringLiteral("Das Kürzen von Brüchen"),
          ul({"Durch das Kürzen eines Bruches wird der Wert des Bruches nicht verändert.",
              "Der Zähler und der Nenner des zu kürzenden Bruches werden beide durch",
              "eine gleiche Zahl dividiert. Wenn der Bruch vollständig gekürzt werden soll",
              "muß diese Zahl der ggT (größten gemeinsamen Teiler) des Zählers und des",
              "Nenners sein. Hat man die Division durchgeführt, kennt man den Zähler und",
              "den Nenner des (vollständig) gekürzten Bruches.",
              "",
              "Kennt man den zu kürzenden Bruch sowie den bereits gekürzten Bruch und",
              "man möchte herausfinden mit welcher Zahl der Bruch gekürzt worden ist, so ",
              "hat man zwei Möglichkeiten:",
              "1. Man teilt den Zähler des zu kürzenden Bruches durch den Zähler des",
              "    gekürzten Bruches. Das Ergebnis ist die Zahl mit der der Bruch gekürzt",
              "    worden ist.",
              "2. Man teilt den Nenner des zu kürzenden Bruches durch den Nenner des",
              "    gekürzten Bruches. Das Ergebnis ist auch hier wieder die Zahl mit der der",
              "    Bruch gekürzt worden ist."})}},
    };
    return w;
}

const TextHelpWindow& decimalHelp()
{
    static const TextHelpWindow w = {
        QStringLiteral("FormBruchKBHilfe"),
        QStringLiteral("Hilfe: Kommazahl <-> Bruchzahl"),
        392,
        266,
        true,
        QStringLiteral("PageControl01"),
        109,
        {{QStringLiteral("Kommazahl -> Bruchzahl"),
          QStringLiteral("Die Umwandlung einer Kommazahl in eine Bruchzahl"),
          ul({"Um eine (endliche) Kommazahl in eine Bruchzahl",
              "umzuwandeln betrachtet man zuerst die Anzahl der Nachkomma-",
              "stellen der umzuwandelnden Kommazahl. An Hand der",
              "Nachkommastellen (z.B. n genannt) kann man den Nenner des",
              "Bruches berechnen. Hierzu wird die Zahl 10 n-mal mit sich",
              "selbst multipliziert. Als Zähler nimmt man die ursprüngliche",
              "Kommazahl allerdings ohne Komma.",
              "",
              "Anschließend muß man noch überprüfen, ob man den so",
              "entstandenen Bruch kürzen kann. Wenn ja, so muß man",
              "den Bruch vollständig kürzen."})},
         {QStringLiteral("Bruchzahl -> Kommazahl"),
          QStringLiteral("Die Umwandlung einer Bruchzahl in eine Kommazahl"),
          ul({"Um einen Bruch in eine Kommazahl umzuwandeln gibt es zwei",
              "Möglichkeiten:",
              "1. man führt eine schriftliche Division aus, bei der man den Zähler",
              "des Bruches durch den Nenner dividiert.",
              "2. man erweitert den Bruch so, das im Nenner eine 10, 100, 1000,",
              "... steht. Anschließend braucht man nur noch das Komma des ",
              "Zählers um die Anzahl der Nullen im Nenner nach links zu ",
              "verschieben.",
              "",
              "Die 2. Methode ist jedoch nicht immer durchführbar, da es Nenner ",
              "gibt, die sich nicht durch eine Multiplikation mit einer natürlichen Zahl",
              "auf die oben genannten  Werte bringen lassen. z.B. wenn der Nenner",
              "ein Vielfaches von 3 ist."})}},
    };
    return w;
}

QStringList helpTabLines(const TextHelpWindow& window, const TextHelpTab& tab)
{
    const QString rule(window.hyphens, QLatin1Char('-'));
    QStringList lines{rule, tab.title, rule, QString()};
    lines << tab.lines;
    return lines;
}

} // namespace quorvel::fractions
