#include "worksheetcommand.h"

#include "primetasks.h"
#include "sheetpaint.h"
#include "unittables.h"

#include <QGuiApplication>

#include <cstdio>
#include <functional>

namespace quorvel::worksheet {

namespace {

const QStringList kLevels = {QStringLiteral("leicht"), QStringLiteral("mittel"), QStringLiteral("schwer")};

std::optional<long long> wholeNumber(const QString& text)
{
    bool ok = false;
    const long long v = text.toLongLong(&ok);
    return ok ? std::optional<long long>(v) : std::nullopt;
}

// A value in [lo, hi], or the reason in German.
QString readInt(const QString& text, long long lo, long long hi, long long& out)
{
    const auto v = wholeNumber(text);
    if (!v || *v < lo || *v > hi)
        return QStringLiteral("'%1' ist keine ganze Zahl von %2 bis %3").arg(text).arg(lo).arg(hi);
    out = *v;
    return {};
}

struct OptionRule {
    const char* name;
    bool takesValue;
    unsigned needs; // a kind's choice the option belongs to; 0: every kind
    // Applies the value; returns the reason it is wrong, empty when fine.
    std::function<QString(SheetSettings&, const QString&)> apply;
};

QString applyInt(const QString& v, long long lo, long long hi, int& field)
{
    long long n = 0;
    const QString e = readInt(v, lo, hi, n);
    if (e.isEmpty())
        field = int(n);
    return e;
}

const std::vector<OptionRule>& optionRules()
{
    static const std::vector<OptionRule> rules = {
        {"--von", true, ChoiceRange,
         [](SheetSettings& s, const QString& v) { return applyInt(v, -kRangeLimit, kRangeLimit, s.lower); }},
        {"--bis", true, ChoiceRange,
         [](SheetSettings& s, const QString& v) { return applyInt(v, -kRangeLimit, kRangeLimit, s.upper); }},
        {"--stufe", true, ChoiceDifficulty,
         [](SheetSettings& s, const QString& v) {
             s.difficulty = int(kLevels.indexOf(v.toLower()));
             return s.difficulty < 0 ? QStringLiteral("'%1' ist keine Stufe (leicht, mittel oder schwer)").arg(v)
                                     : QString();
         }},
        {"--anzahl", true, 0,
         [](SheetSettings& s, const QString& v) { return applyInt(v, kMinTasks, kMaxTasks, s.count); }},
        {"--nummer", true, 0,
         [](SheetSettings& s, const QString& v) {
             long long n = 0;
             const QString e = readInt(v, 1, 999999999, n);
             s.number = std::uint32_t(n);
             return e;
         }},
        {"--titel", true, 0, [](SheetSettings& s, const QString& v) { s.title = v; return QString(); }},
        {"--ohne-loesungen", false, 0, [](SheetSettings& s, const QString&) { s.withKey = false; return QString(); }},
        {"--reihe", true, ChoiceRangeKind,
         [](SheetSettings& s, const QString& v) { return applyInt(v, 2, 9, s.table); }},
        {"--quadratzahlen", true, ChoiceSquares,
         [](SheetSettings& s, const QString& v) {
             s.table = 1;
             return applyInt(v, 10, 100, s.squareLimit);
         }},
        {"--ziel", true, ChoiceTarget,
         [](SheetSettings& s, const QString& v) {
             const int category = sheetKinds()[std::size_t(s.kind)].item;
             s.target = units::unitIndex(category, v);
             return s.target < 0 ? QStringLiteral("'%1' ist keine Einheit dieser Aufgabenart (%2)")
                                       .arg(v, units::unitNames(category).join(QStringLiteral(", ")))
                                 : QString();
         }},
        {"--zufaellig", false, ChoiceMixedTarget,
         [](SheetSettings& s, const QString&) { s.randomTarget = true; return QString(); }},
        {"--umrechnen-in", true, ChoiceDirection,
         [](SheetSettings& s, const QString& v) {
             if (v == QLatin1String("system") || v == QLatin1String("dezimal")) {
                 s.intoDecimal = v == QLatin1String("dezimal");
                 return QString();
             }
             return QStringLiteral("'%1' ist weder system noch dezimal").arg(v);
         }},
        {"--teiler", true, ChoiceDivisor,
         [](SheetSettings& s, const QString& v) {
             const auto n = wholeNumber(v);
             for (std::size_t i = 0; n && i < primes::kDivisors.size(); ++i)
                 if (primes::kDivisors[i] == *n) {
                     s.divisorIndex = int(i);
                     return QString();
                 }
             return QStringLiteral("'%1' ist kein Teiler der Auswahl (2, 3, 4, 5, 6, 8, 9, 10)").arg(v);
         }},
        {"--zahlen", true, ChoiceNumberCount,
         [](SheetSettings& s, const QString& v) { return applyInt(v, 2, 3, s.numberCount); }},
    };
    return rules;
}

const OptionRule* findRule(const QString& name)
{
    for (const OptionRule& r : optionRules())
        if (name == QLatin1String(r.name))
            return &r;
    return nullptr;
}

} // namespace

bool isWorksheetCall(const std::vector<std::string>& args)
{
    for (const std::string& a : args)
        if (a == "--arbeitsblatt" || a.rfind("--arbeitsblatt=", 0) == 0)
            return true;
    return false;
}

CallParse parseWorksheetCall(const std::vector<std::string>& args)
{
    CallParse out;
    // Words as (option, value) pairs; "--x=v" and "--x v" both work.
    struct Word { QString option, value; bool hasValue; };
    std::vector<Word> words;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const QString a = QString::fromLocal8Bit(args[i].c_str());
        if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            out.ok = true;
            out.call.help = true;
            return out;
        }
        if (!a.startsWith(QLatin1String("--"))) {
            out.error = QStringLiteral("unerwartetes Wort '%1'").arg(a);
            return out;
        }
        const qsizetype eq = a.indexOf(QLatin1Char('='));
        const QString name = eq < 0 ? a : a.left(eq);
        const bool isKnown = name == QLatin1String("--arbeitsblatt") || name == QLatin1String("--pdf")
                             || findRule(name);
        if (!isKnown) {
            out.error = QStringLiteral("unbekannte Option '%1'").arg(name);
            return out;
        }
        const OptionRule* rule = findRule(name);
        const bool takesValue = !rule || rule->takesValue;
        Word w{name, {}, false};
        if (eq >= 0) {
            w.value = a.mid(eq + 1);
            w.hasValue = true;
        } else if (takesValue) {
            if (i + 1 >= args.size()) {
                out.error = QStringLiteral("Die Option '%1' braucht einen Wert").arg(name);
                return out;
            }
            w.value = QString::fromLocal8Bit(args[++i].c_str());
            w.hasValue = true;
        }
        if (!takesValue && w.hasValue) {
            out.error = QStringLiteral("Die Option '%1' nimmt keinen Wert").arg(name);
            return out;
        }
        words.push_back(w);
    }

    // First the kind, since the other options depend on it.
    std::optional<int> kind;
    for (const Word& w : words)
        if (w.option == QLatin1String("--arbeitsblatt")) {
            kind = findKind(w.value);
            if (!kind) {
                out.error = QStringLiteral("unbekannte Aufgabenart '%1' (quorvel --help nennt alle)").arg(w.value);
                return out;
            }
        }
    out.call.settings.kind = *kind;
    const SheetKind& k = sheetKinds()[std::size_t(*kind)];
    for (const Word& w : words) {
        if (w.option == QLatin1String("--arbeitsblatt"))
            continue;
        if (w.option == QLatin1String("--pdf")) {
            out.call.pdfPath = w.value;
            continue;
        }
        const OptionRule* rule = findRule(w.option);
        if (rule->needs && !(k.choices & rule->needs)) {
            out.error = QStringLiteral("Die Option '%1' passt nicht zu '%2'").arg(w.option, kindCode(k));
            return out;
        }
        const QString e = rule->apply(out.call.settings, w.value);
        if (!e.isEmpty()) {
            out.error = w.option + QStringLiteral(": ") + e;
            return out;
        }
    }
    if (out.call.pdfPath.isEmpty()) {
        out.error = QStringLiteral("Es fehlt --pdf DATEI");
        return out;
    }
    const QString refused = refusal(out.call.settings);
    if (!refused.isEmpty()) {
        out.error = refused;
        out.error.replace(QLatin1Char('\r'), QLatin1Char(' ')); // the notice's line breaks
        return out;
    }
    out.ok = true;
    return out;
}

std::string worksheetHelpText()
{
    QString t = QStringLiteral(
        "Arbeitsblätter ohne Fenster (auch ohne Bildschirm):\n"
        "  --arbeitsblatt THEMA:ART  ein Arbeitsblatt mit Lösungsblatt als PDF schreiben\n"
        "      [--von A --bis B | --stufe leicht|mittel|schwer] [--anzahl N (1-60, 20)]\n"
        "      [--nummer N (1)] [--titel TEXT] [--ohne-loesungen] --pdf DATEI\n"
        "      je nach Art auch: --reihe 2..9, --quadratzahlen 10..100, --ziel EINHEIT,\n"
        "      --zufaellig, --umrechnen-in system|dezimal, --teiler 2|3|4|5|6|8|9|10,\n"
        "      --zahlen 2|3\n"
        "  Dieselbe Nummer und dieselben Angaben geben dasselbe Blatt.\n"
        "  THEMA:ART ist eines von:\n");
    QString line = QStringLiteral("   ");
    for (const SheetKind& k : sheetKinds()) {
        const QString code = kindCode(k);
        if (line.size() + code.size() + 1 > 79) {
            t += line + QLatin1Char('\n');
            line = QStringLiteral("   ");
        }
        line += QLatin1Char(' ') + code;
    }
    t += line + QLatin1Char('\n');
    return t.toStdString();
}

int runWorksheetCommand(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    const CallParse parsed = parseWorksheetCall(args);
    if (!parsed.ok) {
        std::fprintf(stderr, "quorvel: %s\n", parsed.error.toLocal8Bit().constData());
        return 2;
    }
    if (parsed.call.help) {
        std::fputs(worksheetHelpText().c_str(), stdout);
        return 0;
    }
    // No window and no display: the PDF is painted off screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A terminal or a cron job without a session has no runtime folder; Qt would say so
    // on every run, although a sheet needs none.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtDebugMsg && !text.startsWith(QLatin1String("QStandardPaths:")))
            std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    });
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    QString error;
    if (!writeSheetPdf(makeSheet(parsed.call.settings), parsed.call.pdfPath, &error)) {
        std::fprintf(stderr, "quorvel: %s\n", error.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

} // namespace quorvel::worksheet
