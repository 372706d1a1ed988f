#include "formula.h"

#include <QStringList>
#include <algorithm>

namespace quorvel::fractions {

namespace {

FormulaTerm frac(const char* n, const char* d)
{
    FormulaTerm t;
    t.kind = FormulaTerm::Fraction;
    t.numerator.text = QString::fromLatin1(n);
    t.denominator.text = QString::fromLatin1(d);
    return t;
}

FormulaTerm mixed(const char* w, const char* n, const char* d)
{
    FormulaTerm t = frac(n, d);
    t.kind = FormulaTerm::Mixed;
    t.whole = QString::fromLatin1(w);
    return t;
}

FormulaTerm sign(const char* s)
{
    FormulaTerm t;
    t.sign = QString::fromUtf8(s);
    return t;
}

FormulaNumber struck(const char* text, const char* replacement, FormulaColour c)
{
    return {QString::fromLatin1(text), QString::fromLatin1(replacement), c};
}

std::vector<Formula> makeFormulas()
{
    const FormulaColour G = FormulaColour::Green, R = FormulaColour::Red;
    std::vector<Formula> f(8);
    f[0] = {frac("6", "7"), sign("+"), frac("4", "3"), sign("="), frac("18", "21"), sign("+"),
            frac("28", "21"), sign("="), frac("46", "21"), sign("="), mixed("2", "5", "21")};
    f[1] = {mixed("2", "3", "4"), sign("+"), mixed("5", "7", "8"), sign("="), mixed("7", "6", "8"),
            sign("+"), frac("7", "8"), sign("="), mixed("7", "13", "8"), sign("="),
            mixed("8", "5", "8")};
    f[2] = {frac("7", "8"), sign("-"), frac("1", "3"), sign("="), frac("21", "24"), sign("-"),
            frac("8", "24"), sign("="), frac("13", "24")};
    f[3] = {mixed("4", "4", "5"), sign("-"), mixed("1", "2", "7"), sign("="), mixed("3", "28", "35"),
            sign("-"), frac("10", "35"), sign("="), mixed("3", "18", "35")};
    f[4] = {frac("5", "9"), sign("·"), frac("7", "8"), sign("="), frac("35", "72")};
    f[5] = {mixed("3", "2", "5"), sign("·"), mixed("5", "3", "4"), sign("="), frac("17", "5"),
            sign("·"), frac("23", "4"), sign("="), frac("391", "20"), sign("="),
            mixed("19", "11", "20")};
    FormulaTerm a = frac("15", "22"), b = frac("11", "9");
    a.numerator = struck("15", "5", G);
    b.denominator = struck("9", "3", G);
    a.denominator = struck("22", "2", R);
    b.numerator = struck("11", "1", R);
    f[6] = {frac("15", "22"), sign(":"), frac("9", "11"), sign("="), a, sign("·"), b, sign("="),
            frac("5", "6")};
    FormulaTerm c = frac("9", "4"), d = frac("8", "35");
    c.denominator = struck("4", "1", R);
    d.numerator = struck("8", "2", R);
    f[7] = {mixed("2", "1", "4"), sign(":"), mixed("4", "3", "8"), sign("="), c, sign("·"), d,
            sign("="), frac("18", "35")};
    return f;
}

QString termText(const FormulaTerm& t)
{
    switch (t.kind) {
    case FormulaTerm::Fraction:
        return t.numerator.text + QLatin1Char('/') + t.denominator.text;
    case FormulaTerm::Mixed:
        return t.whole + QLatin1Char(' ') + t.numerator.text + QLatin1Char('/') + t.denominator.text;
    case FormulaTerm::Sign:
        break;
    }
    return t.sign;
}

} // namespace

const Formula& helpFormula(int index)
{
    static const std::vector<Formula> formulas = makeFormulas();
    return formulas[std::size_t(std::clamp(index, 0, 7))];
}

QString formulaText(const Formula& formula)
{
    QStringList parts;
    for (const FormulaTerm& t : formula)
        parts << termText(t);
    return parts.join(QLatin1Char(' '));
}

QString formulaDescription(const Formula& formula)
{
    QStringList green, red;
    for (const FormulaTerm& t : formula) {
        for (const FormulaNumber* n : {&t.numerator, &t.denominator}) {
            if (n->replacement.isEmpty())
                continue;
            const QString s = n->text + QStringLiteral(" zu ") + n->replacement;
            (n->colour == FormulaColour::Green ? green : red) << s;
        }
    }
    QString text = formulaText(formula);
    if (green.isEmpty() && red.isEmpty())
        return text;
    QStringList groups;
    if (!green.isEmpty())
        groups << green.join(QStringLiteral(" und ")) + QStringLiteral(" (grün)");
    if (!red.isEmpty())
        groups << red.join(QStringLiteral(" und ")) + QStringLiteral(" (rot)");
    return text + QStringLiteral("; über Kreuz gekürzt: ") + groups.join(QStringLiteral(", "));
}

FormulaLayout layoutFormula(const Formula& formula, const FormulaMetrics& m)
{
    auto h = [&](FormulaRole r) { return m.lineHeight[int(r)]; };
    auto w = [&](const QString& s, FormulaRole r) { return m.textWidth ? m.textWidth(s, r) : 8.0 * s.size(); };
    bool anyStruck = false;
    for (const FormulaTerm& t : formula)
        anyStruck = anyStruck || !t.numerator.replacement.isEmpty() || !t.denominator.replacement.isEmpty();
    const double rep = anyStruck ? h(FormulaRole::Replacement) : 0;
    const double num = h(FormulaRole::Number);
    // The bar lies in the middle: room for a replacement and a number above and below it.
    const double barY = rep + num + 2;
    FormulaLayout out;
    out.height = 2 * barY;
    double x = 0;

    auto placeFraction = [&](const FormulaTerm& t, FormulaRole role) {
        const double lh = h(role);
        const double wn = w(t.numerator.text, role), wd = w(t.denominator.text, role);
        double width = std::max(wn, wd);
        for (const FormulaNumber* n : {&t.numerator, &t.denominator})
            if (!n->replacement.isEmpty())
                width = std::max(width, w(n->replacement, FormulaRole::Replacement));
        width += 4;
        const double ny = barY - 2 - lh, dy = barY + 2;
        const FormulaNumber* nums[2] = {&t.numerator, &t.denominator};
        const double ys[2] = {ny, dy};
        const double ws[2] = {wn, wd};
        for (int i = 0; i < 2; ++i) {
            const FormulaNumber& n = *nums[i];
            PlacedText p{n.text, role, n.colour, x + (width - ws[i]) / 2, ys[i], ws[i], lh,
                         !n.replacement.isEmpty()};
            out.texts.push_back(p);
            if (!n.replacement.isEmpty()) {
                const double rw = w(n.replacement, FormulaRole::Replacement);
                const double ry = i == 0 ? ny - rep : dy + lh;
                out.texts.push_back({n.replacement, FormulaRole::Replacement, n.colour,
                                     x + (width - rw) / 2, ry, rw, rep, false});
            }
        }
        out.bars.push_back({x, barY, width});
        x += width;
    };

    for (std::size_t i = 0; i < formula.size(); ++i) {
        const FormulaTerm& t = formula[i];
        if (i > 0)
            x += m.gap;
        switch (t.kind) {
        case FormulaTerm::Fraction:
            placeFraction(t, FormulaRole::Number);
            break;
        case FormulaTerm::Mixed: {
            const double lh = h(FormulaRole::Whole);
            const double ww = w(t.whole, FormulaRole::Whole);
            out.texts.push_back({t.whole, FormulaRole::Whole, FormulaColour::Plain, x,
                                 barY - lh / 2, ww, lh, false});
            x += ww + 1;
            placeFraction(t, FormulaRole::SmallNumber);
            break;
        }
        case FormulaTerm::Sign: {
            const double lh = h(FormulaRole::Sign);
            const double sw = w(t.sign, FormulaRole::Sign);
            out.texts.push_back({t.sign, FormulaRole::Sign, FormulaColour::Plain, x, barY - lh / 2,
                                 sw, lh, false});
            x += sw;
            break;
        }
        }
    }
    out.width = x;
    return out;
}

const std::vector<GrundHelpTab>& grundHelpTabs()
{
    static const QString kKgV = QStringLiteral(
        "Um den kleinsten geeigneten Nenner zu finden wird das kgV der Nenner gesucht. Hierzu ist "
        "es sinnvoll die beteiligten Brüche vorher so weit wie möglich zu kürzen.");
    static const std::vector<GrundHelpTab> tabs{
        {QStringLiteral("Addieren"),
         QStringLiteral("Um Brüche addieren zu können ist es notwendig, das man die Brüche vor dem "
                        "Addieren auf einen gleichen Nenner bringt. Dies geschieht durch geeignete "
                        "Erweiterung der beteiligten Brüche."),
         {0, 1}, kKgV, false},
        {QStringLiteral("Subtrahieren"),
         QStringLiteral("Um Brüche subtrahieren zu können ist es notwendig das man die Brüche vorher "
                        "auf einen gleichen Nenner bringt. Dies geschieht durch geeignete Erweiterung "
                        "der beteiligten Brüche."),
         {2, 3}, kKgV, false},
        {QStringLiteral("Multiplizieren"),
         QStringLiteral("Brüche werden miteinander multipliziert indem man die Zähler der beteiligten "
                        "Brüche sowie die Nenner der beteiligten Brüche miteinander multipliziert."),
         {4, 5},
         QStringLiteral("Vor dem multiplizieren der Brüche sollte man diese kürzen. Das Kürzen ist bei "
                        "der Multiplikation auch \"über Kreuz\" möglich, d.h. haben der Zähler des "
                        "1.Bruches und der Nenner des 2. Bruches einen gemeinsamen Teiler, so kann man "
                        "beide Zahlen um den entsprechenden Teiler kürzen. Gleiches gilt für den Zähler "
                        "des 2. Bruches und den Nenner des 1. Bruches."),
         true},
        {QStringLiteral("Dividieren"),
         QStringLiteral("Man dividiert durch einen Bruch indem man mit seinem Kehrwert multipliziert. "
                        "Um den Kehrwert eines Bruches zu erhalten werden Nenner und Zähler "
                        "miteinander vertauscht."),
         {6, 7}, QString(), false},
    };
    return tabs;
}

} // namespace quorvel::fractions
