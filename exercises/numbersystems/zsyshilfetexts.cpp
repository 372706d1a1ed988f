#include "zsyshilfetexts.h"

#include "numsyscore.h"
#include "textlines.h"

namespace quorvel::numsys {

namespace {

const QString kRule = QString(44, QLatin1Char('-'));

// Terms joined by " + ", broken into lines of at most kHelpLineLimit characters; the
// first line starts with `lead`, the next ones with "+ ".
QStringList wrapSum(const QString& lead, const QStringList& terms)
{
    QStringList out;
    QString line = lead;
    bool first = true;
    for (const QString& term : terms) {
        const QString piece = first ? term : QStringLiteral(" + ") + term;
        if (!first && line.size() + piece.size() > kHelpLineLimit) {
            out << line;
            line = QStringLiteral("+ ") + term;
        } else {
            line += piece;
        }
        first = false;
    }
    out << line;
    return out;
}

QStringList romanSheet()
{
    QStringList l{kRule};
    l << ul({"Das Umrechnen vom Römischen Zahlensystem in ",
                "das Dezimalsystem und umgekehrt"});
    l << kRule;
    l << ul({"",
                "Die römischen Zahlzeichen:",
                "",
                "- M für 1000     - D für  500",
                "- C für  100     - L für   50",
                "- X für   10     - V für    5",
                "- I für    1",
                "",
                "Die Zahlzeichen werden von links nach rechts",
                "zusammengezählt. Steht ein kleineres Zeichen",
                "vor einem größeren, wird es abgezogen.",
                "",
                "Regeln:",
                "",
                "- Ein Zahlzeichen wird höchstens dreimal",
                "  hintereinander geschrieben. Statt vier",
                "  gleicher Zeichen schreibt man das nächst-",
                "  größere Zeichen und setzt das kleinere",
                "  einmal davor:",
                "  C=100",
                "  CC=100+100=200",
                "  CCC=100+100+100=300",
                "  CD=-100+500=400",
                "",
                "- V, L und D werden nie zweimal hinter-",
                "  einander geschrieben und stehen nie vor",
                "  einem größeren Zahlzeichen.",
                "",
                "- Vor einem Zahlzeichen steht höchstens ein",
                "  kleineres Zeichen, und zwar das nächst-",
                "  kleinere von I, X oder C: I vor V und X,",
                "  X vor L und C, C vor D und M.",
                "  Für 99 schreibt man also nicht IC",
                "  sondern XCIX"});
    return l;
}

struct BaseSheet {
    const char* caption;
    int base;
    int example;
};
constexpr BaseSheet kBaseSheets[] = {
    {"Dualsystem", 2, 39},
    {"Dreiersystem", 3, 41},
    {"Oktalsystem", 8, 98},
    {"Hexadezimalsystem", 16, 563},
};

QStringList baseSheet(const BaseSheet& s)
{
    const QString b = QString::number(s.base);
    const WorkedExample ex = workedExample(s.example, s.base);
    QStringList l{kRule};
    l << QStringLiteral("Die Umrechnung vom Dezimalsystem in das ")
      << QString::fromUtf8(s.caption) + QStringLiteral(" und umgekehrt") << kRule;
    l << QString() << QStringLiteral("Man teilt die Zahl durch %1 und nennt den").arg(b)
      << QStringLiteral("Rest a. Den ganzzahligen Teil teilt man")
      << QStringLiteral("wieder durch %1 und nennt den Rest b.").arg(b)
      << QStringLiteral("So geht es weiter, bis der ganzzahlige")
      << QStringLiteral("Teil 0 ist. Dann schreibt man die Reste")
      << QStringLiteral("in umgekehrter Reihenfolge auf (dcba).");
    if (s.base == 16) {
        l << QString::fromUtf8("Die Reste können nur die Werte 0 bis 9")
          << QStringLiteral("und A bis F annehmen. Dabei steht")
          << QString::fromUtf8("A für 10, B für 11, C für 12,")
          << QString::fromUtf8("D für 13, E für 14 und F für 15.");
    } else if (s.base == 2) {
        l << QString::fromUtf8("Die Reste können nur die Werte 0 und 1")
          << QStringLiteral("annehmen.");
    } else {
        l << QString::fromUtf8("Die Reste können nur die Werte 0 bis %1").arg(s.base - 1)
          << QStringLiteral("annehmen.");
    }
    l << QString() << QStringLiteral("Beispiel: %1").arg(s.example) << QString();
    l << ex.divisions;
    l << QString() << QStringLiteral("Ergebnis: %1 = %2").arg(s.example).arg(ex.digits);
    l << QString() << QStringLiteral("Probe:");
    l << wrapSum(QStringLiteral("  "), ex.powers);
    l << wrapSum(QStringLiteral("= "), ex.values);
    l << QStringLiteral("= ") + ex.sum;
    return l;
}

} // namespace

WorkedExample workedExample(int value, int base)
{
    WorkedExample ex;
    ex.digits = DezimalZuSystem(value, base).text;
    int rest = value;
    do {
        ex.divisions << QStringLiteral("%1:%2=%3 R %4")
                            .arg(rest)
                            .arg(base)
                            .arg(rest / base, 2)
                            .arg(baseAlphabet(base)[rest % base]);
        rest /= base;
    } while (rest != 0);

    QStringList nonZero;
    qint64 power = 1;
    for (int i = 0; i < ex.digits.size(); ++i) {
        const QChar c = ex.digits[ex.digits.size() - 1 - i];
        const QString d = c.isDigit() ? QString(c) : QString::number(baseAlphabet(base).indexOf(c));
        ex.powers << QStringLiteral("%1 x %2^%3").arg(d).arg(base).arg(i);
        ex.values << QStringLiteral("%1 x %2").arg(d).arg(power);
        if (d != QLatin1String("0"))
            nonZero << QString::number(d.toLongLong() * power);
        power *= base;
    }
    ex.sum = nonZero.join(QStringLiteral(" + ")) + QStringLiteral(" = ") + QString::number(value);
    return ex;
}

const std::vector<HelpSheet>& helpSheets()
{
    static const std::vector<HelpSheet> sheets = [] {
        std::vector<HelpSheet> v;
        v.push_back({QStringLiteral("Römische Zahlen"), romanSheet()});
        for (const BaseSheet& s : kBaseSheets)
            v.push_back({QString::fromUtf8(s.caption), baseSheet(s)});
        return v;
    }();
    return sheets;
}

} // namespace quorvel::numsys
