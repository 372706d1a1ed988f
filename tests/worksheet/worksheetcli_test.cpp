// The program itself on the command line, without a display: a sheet is written and exits
// 0; a wrong option, a wrong value and a file that cannot be written are reported.
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CliRun { int code; QString out, err; };

CliRun runQuorvel(const QStringList& args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(QUORVEL_BIN), args);
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

TEST(WorksheetCli, WritesASheetWithoutADisplay)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("5a.pdf"));
    const CliRun r = runQuorvel({"--arbeitsblatt", "brueche:kuerzen", "--stufe", "mittel", "--anzahl", "12",
                              "--nummer", "5", "--pdf", pdf});
    EXPECT_EQ(r.code, 0) << qPrintable(r.err);
    EXPECT_TRUE(r.err.isEmpty()) << qPrintable(r.err);
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
}

TEST(WorksheetCli, WrongWordsEndWithCode2AndAreNamed)
{
    struct Case { QStringList args; int code; const char* message; };
    const Case cases[] = {
        {{"--arbeitsblatt", "grundrechnen:addieren", "--farbe", "rot", "--pdf", "x.pdf"}, 2, "unbekannte Option '--farbe'"},
        {{"--arbeitsblatt", "brueche:teilen", "--pdf", "x.pdf"}, 2, "unbekannte Aufgabenart 'brueche:teilen'"},
        {{"--arbeitsblatt", "grundrechnen:addieren", "--anzahl", "zwanzig", "--pdf", "x.pdf"}, 2, "'zwanzig' ist keine ganze Zahl"},
        {{"--arbeitsblatt", "grundrechnen:addieren", "--pdf", "/nonexistent-folder/x.pdf"}, 1, "kann nicht geschrieben werden"},
    };
    for (const Case& c : cases) {
        const CliRun r = runQuorvel(c.args);
        EXPECT_EQ(r.code, c.code) << qPrintable(c.args.join(' '));
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("quorvel: "))) << qPrintable(r.err);
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << qPrintable(r.err);
    }
    const CliRun help = runQuorvel({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("grundrechnen:luecken-addieren")));
    EXPECT_TRUE(help.out.contains(QStringLiteral("brueche:bruchzahl-kommazahl")));
}
