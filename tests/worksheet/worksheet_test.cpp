// Every kind of sheet: each key answer worked out again from the task's text, the same
// number giving the same sheet, the settings a sheet refuses, and the command line.
#include "sheetcheck.h"
#include "worksheet.h"
#include "worksheetcommand.h"

#include <gtest/gtest.h>

using namespace quorvel::worksheet;

namespace {

QString stripNumber(const QString& line) { return line.section(QLatin1Char(' '), 1); }

SheetSettings settingsFor(int kind, std::uint32_t number, int difficulty)
{
    SheetSettings s;
    s.kind = kind;
    s.count = kMaxTasks;
    s.number = number;
    s.difficulty = difficulty;
    return s;
}

void expectKeyRecomputed(const SheetSettings& s)
{
    const SheetKind& kind = sheetKinds()[std::size_t(s.kind)];
    const Sheet sheet = makeSheet(s);
    ASSERT_EQ(int(sheet.items.size()), s.count);
    const QStringList tasks = sheet.taskLines(), keys = sheet.keyLines();
    for (int i = 0; i < tasks.size(); ++i) {
        const QString task = stripNumber(tasks[i]), key = stripNumber(keys[i]);
        ASSERT_TRUE(tasks[i].startsWith(QStringLiteral("%1) ").arg(i + 1)));
        if (kind.topic == Topic::Units)
            EXPECT_TRUE(sheetcheck::unitAnswerClose(task, key)) << qPrintable(task + " | " + key);
        else
            EXPECT_EQ(key, sheetcheck::keyFor(kind, task, s.intoDecimal)) << qPrintable(kindCode(kind) + ": " + task);
    }
}

} // namespace

TEST(Worksheet, EveryKeyAnswerFollowsFromItsTaskAtEveryLevel)
{
    for (int k = 0; k < int(sheetKinds().size()); ++k)
        for (int difficulty = 0; difficulty < 3; ++difficulty) {
            SCOPED_TRACE(kindCode(sheetKinds()[std::size_t(k)]).toStdString());
            expectKeyRecomputed(settingsFor(k, 11 + std::uint32_t(difficulty), difficulty));
        }
}

TEST(Worksheet, ChoicesOfTheSettingsPagesReachTheTasks)
{
    struct Case { const char* code; void (*set)(SheetSettings&); QString mustContain; };
    const Case cases[] = {
        {"grundrechnen:addieren", [](SheetSettings& s) { s.lower = -20; s.upper = -1; }, "(-"},
        {"grundrechnen:multiplizieren", [](SheetSettings& s) { s.table = 7; }, "7"},
        {"grundrechnen:dividieren", [](SheetSettings& s) { s.table = 3; }, ": 3 ="},
        {"grundrechnen:multiplizieren", [](SheetSettings& s) { s.table = 1; s.squareLimit = 12; }, " x "},
        {"zahlensysteme:hexadezimal", [](SheetSettings& s) { s.intoDecimal = true; }, "="},
        {"zahlensysteme:roemisch", [](SheetSettings& s) { s.intoDecimal = true; }, "="},
        {"primfaktoren:teilbarkeit", [](SheetSettings& s) { s.divisorIndex = 7; }, "durch 10 teilbar"},
        {"primfaktoren:kgv", [](SheetSettings& s) { s.numberCount = 3; }, " ; "},
        {"einheiten:laengen", [](SheetSettings& s) { s.target = 3; }, "= m"},
        {"einheiten:gemischt", [](SheetSettings& s) { s.randomTarget = true; }, " = "},
    };
    for (const Case& c : cases) {
        SheetSettings s = settingsFor(*findKind(QString::fromLatin1(c.code)), 5, 1);
        c.set(s);
        ASSERT_TRUE(refusal(s).isEmpty()) << c.code;
        expectKeyRecomputed(s);
        const Sheet sheet = makeSheet(s);
        for (const QString& line : sheet.taskLines())
            EXPECT_TRUE(line.contains(c.mustContain)) << c.code << ": " << qPrintable(line);
    }
    // Squares: every task multiplies a number by itself, and no two in a row give the same.
    SheetSettings sq = settingsFor(*findKind(QStringLiteral("grundrechnen:multiplizieren")), 9, 0);
    sq.table = 1;
    QString before;
    for (const QString& key : makeSheet(sq).keyLines()) {
        const auto m = sheetcheck::match(QStringLiteral("\\d+\\) (\\d+) x (\\d+) = (\\d+)"), key);
        ASSERT_TRUE(m.hasMatch()) << qPrintable(key);
        EXPECT_EQ(m.captured(1), m.captured(2));
        EXPECT_NE(m.captured(3), before);
        before = m.captured(3);
    }
}

TEST(Worksheet, TheSameNumberGivesTheSameSheetAndAnotherNumberAnother)
{
    for (int k = 0; k < int(sheetKinds().size()); ++k) {
        const SheetSettings a = settingsFor(k, 4711, 2);
        SheetSettings b = a;
        b.number = 4712;
        EXPECT_EQ(makeSheet(a).taskLines(), makeSheet(a).taskLines());
        EXPECT_EQ(makeSheet(a).keyLines(), makeSheet(a).keyLines());
        EXPECT_NE(makeSheet(a).taskLines(), makeSheet(b).taskLines()) << k;
    }
}

TEST(Worksheet, TextFormOfAPlainTask)
{
    SheetSettings s = settingsFor(*findKind(QStringLiteral("grundrechnen:addieren")), 1, 0);
    s.count = 3;
    const Sheet sheet = makeSheet(s);
    EXPECT_EQ(sheet.title, QStringLiteral("Addieren"));
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(sheet.taskLines()[i].endsWith(QStringLiteral(" ="))) << qPrintable(sheet.taskLines()[i]);
        EXPECT_TRUE(sheet.keyLines()[i].startsWith(sheet.taskLines()[i] + QLatin1Char(' ')));
    }
    s.title = QStringLiteral("  Klasse 5b ");
    EXPECT_EQ(makeSheet(s).title, QStringLiteral("Klasse 5b"));
}

TEST(Worksheet, RefusesWhatTheTaskPagesRefuse)
{
    struct Case { const char* code; int lower, upper, count, table; bool refused; };
    const Case cases[] = {
        {"grundrechnen:addieren", 0, 100, 20, 0, false},
        {"grundrechnen:addieren", 50, 10, 20, 0, true},     // bounds the wrong way round
        {"grundrechnen:dividieren", 10, 11, 20, 7, true},   // no multiple of 7 in 10..11
        {"grundrechnen:luecken-multiplizieren", 0, 0, 20, 0, true},
        {"grundrechnen:addieren", 0, 100, 0, 0, true},
        {"grundrechnen:addieren", 0, 100, 61, 0, true},
        {"brueche:ordnen", 50, 10, 60, 0, false},           // fractions take no bounds
    };
    for (const Case& c : cases) {
        SheetSettings s = settingsFor(*findKind(QString::fromLatin1(c.code)), 1, 0);
        s.lower = c.lower;
        s.upper = c.upper;
        s.count = c.count;
        s.table = c.table;
        EXPECT_EQ(!refusal(s).isEmpty(), c.refused) << c.code << " " << c.lower << ".." << c.upper;
    }
}

TEST(WorksheetCommand, ReadsOptionsAndNamesWhatIsWrong)
{
    struct Case { std::vector<std::string> args; bool ok; const char* errorPart; };
    const Case cases[] = {
        {{"--arbeitsblatt", "grundrechnen:addieren", "--pdf", "x.pdf"}, true, ""},
        {{"--arbeitsblatt=brueche:kuerzen", "--stufe", "schwer", "--anzahl=60", "--nummer", "9", "--pdf", "x.pdf"}, true, ""},
        {{"--arbeitsblatt", "einheiten:laengen", "--ziel", "km", "--ohne-loesungen", "--pdf", "x.pdf"}, true, ""},
        {{"--arbeitsblatt", "grundrechnen:addieren", "--bunt", "--pdf", "x.pdf"}, false, "unbekannte Option '--bunt'"},
        {{"--arbeitsblatt", "grundrechnen:potenzieren", "--pdf", "x.pdf"}, false, "unbekannte Aufgabenart 'grundrechnen:potenzieren'"},
        {{"--arbeitsblatt", "grundrechnen:addieren", "--anzahl", "61", "--pdf", "x.pdf"}, false, "--anzahl: '61' ist keine ganze Zahl von 1 bis 60"},
        {{"--arbeitsblatt", "grundrechnen:addieren", "--stufe", "leicht", "--pdf", "x.pdf"}, false, "Die Option '--stufe' passt nicht zu 'grundrechnen:addieren'"},
        {{"--arbeitsblatt", "primfaktoren:ggt", "--stufe", "sehr", "--pdf", "x.pdf"}, false, "'sehr' ist keine Stufe"},
        {{"--arbeitsblatt", "primfaktoren:teilbarkeit", "--teiler", "7", "--pdf", "x.pdf"}, false, "'7' ist kein Teiler"},
        {{"--arbeitsblatt", "einheiten:laengen", "--ziel", "kg", "--pdf", "x.pdf"}, false, "'kg' ist keine Einheit"},
        {{"--arbeitsblatt", "grundrechnen:addieren", "--von", "50", "--bis", "10", "--pdf", "x.pdf"}, false, "untere Grenze"},
        {{"--arbeitsblatt", "grundrechnen:addieren"}, false, "Es fehlt --pdf DATEI"},
        {{"--arbeitsblatt", "grundrechnen:addieren", "--pdf"}, false, "Die Option '--pdf' braucht einen Wert"},
    };
    for (const Case& c : cases) {
        const CallParse p = parseWorksheetCall(c.args);
        EXPECT_EQ(p.ok, c.ok) << c.args[1] << ": " << qPrintable(p.error);
        EXPECT_TRUE(p.error.contains(QString::fromUtf8(c.errorPart), Qt::CaseInsensitive))
            << qPrintable(p.error);
    }
    const CallParse p = parseWorksheetCall({"--arbeitsblatt", "einheiten:laengen", "--ziel", "km", "--stufe",
                                            "mittel", "--nummer", "77", "--ohne-loesungen", "--pdf", "a.pdf"});
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.call.settings.target, 4);
    EXPECT_EQ(p.call.settings.difficulty, 1);
    EXPECT_EQ(p.call.settings.number, 77u);
    EXPECT_FALSE(p.call.settings.withKey);
    EXPECT_EQ(p.call.pdfPath, QStringLiteral("a.pdf"));
}

TEST(WorksheetCommand, HelpNamesEveryKind)
{
    const QString help = QString::fromStdString(worksheetHelpText());
    for (const SheetKind& k : sheetKinds())
        EXPECT_TRUE(help.contains(QLatin1Char(' ') + kindCode(k) + QLatin1Char(' '))
                    || help.contains(QLatin1Char(' ') + kindCode(k) + QLatin1Char('\n')))
            << qPrintable(kindCode(k));
}
