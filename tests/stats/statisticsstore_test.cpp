// The statistics store against real files in a temporary data directory, with today's
// date from a fixed clock: what the pupil's five files hold byte for byte after choosing
// a name, counting, saving and the days going by, and what happens to bad names, damaged
// files and failing writes.
#include "fakes.h"
#include "series.h"
#include "statisticsstore.h"
#include "statsfile.h"
#include "statstestutil.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <map>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace quorvel;
using namespace quorvel::stats;
using namespace quorvel::test;

namespace {

struct TopicRow {
    int topic;
    const char* ext;
    int types;
};
constexpr TopicRow kTopics[] = {{TopicFractions, ".qvb", 11}, {TopicUnits, ".qve", 6},
                                {TopicBasic, ".qvg", 12},     {TopicPrimes, ".qvp", 4},
                                {TopicNumberSystems, ".qvz", 5}};

struct StoreFixture : StoreInTempDir {
    void SetUp() override
    {
        StoreInTempDir::SetUp();
        qputenv("XDG_DATA_HOME", root.path().toUtf8());
    }

    QString file(const char* name, const char* ext) const
    {
        return dir + QString::fromUtf8(name) + QLatin1String(ext);
    }
    QByteArray bytes(const char* name, const char* ext) const { return readBytes(file(name, ext)); }
    QStringList lines(const char* name, const char* ext) const { return splitLines(bytes(name, ext)); }

    // One series of `given` tasks of which `correct` were right at once.
    void series(int topic, int type, int given, int correct)
    {
        store.markStatsChanged(topic);
        for (int i = 0; i < given; ++i)
            store.countTaskGiven(topic, type);
        for (int i = 0; i < correct; ++i)
            store.countTaskCorrect(topic, type);
    }

    void nextDay() { clock.date = clock.date.addDays(1); }
};

QByteArray unitsLine(int weightsGiven, int weightsCorrect, const QDate& d)
{
    return QByteArray::number(weightsGiven) + ' ' + QByteArray::number(weightsCorrect)
           + " 0 0 0 0 0 0 0 0 0 0" + dateText(d).toLatin1();
}

} // namespace

TEST_F(StoreFixture, FirstUseOfANameCreatesFiveFilesByteForByte)
{
    ASSERT_TRUE(store.chooseUser(QStringLiteral("Anna")));
    EXPECT_TRUE(messages.messages.empty());
    for (const TopicRow& t : kTopics) {
        const QByteArray expected = fileWithFirstLine(t.types, zeroLine(t.types, " 07.12.2026"));
        EXPECT_EQ(bytes("Anna", t.ext), expected) << t.ext;
        EXPECT_FALSE(store.topic(t.topic).changed);
    }
    EXPECT_EQ(listTree(dir), QStringList({"Anna.qvb", "Anna.qve", "Anna.qvg", "Anna.qvp", "Anna.qvz"}));
    // Exactly as the example: the units file's first line for today.
    EXPECT_EQ(lines("Anna", ".qve").value(0), "0 0 0 0 0 0 0 0 0 0 0 0 07.12.2026");
    EXPECT_EQ(lines("Anna", ".qve").value(9), "0 0 0 0 0 0 0 0 0 0 0 0 00.00.0000");
}

TEST_F(StoreFixture, TwoSeriesOnOneDayAddIntoOneRecordAndTheNextDayFillsTheNext)
{
    store.chooseUser("Anna");
    series(TopicUnits, 1, 3, 2);
    ASSERT_TRUE(store.saveAllStatistics());
    series(TopicUnits, 1, 4, 4);
    series(TopicUnits, 6, 1, 0);
    ASSERT_TRUE(store.saveAllStatistics());
    EXPECT_EQ(lines("Anna", ".qve").value(0), "7 6 0 0 0 0 0 0 0 0 1 0 07.12.2026");
    EXPECT_EQ(lines("Anna", ".qve").value(1), QString::fromLatin1(zeroLine(6)));

    nextDay();
    store.chooseUser("Anna"); // the program started again the next day
    EXPECT_EQ(lines("Anna", ".qve").value(1), QString::fromLatin1(unitsLine(0, 0, clock.date)));
    series(TopicUnits, 1, 2, 1);
    store.saveAllStatistics();
    const QByteArray expected = unitsLine(7, 6, QDate(2026, 12, 7)).replace(" 0 0 07.12", " 1 0 07.12")
                                + "\r\n" + unitsLine(2, 1, clock.date) + "\r\n";
    EXPECT_TRUE(bytes("Anna", ".qve").startsWith(expected)) << bytes("Anna", ".qve").toStdString();
    EXPECT_EQ(lines("Anna", ".qve").size(), 10);
    EXPECT_EQ(lines("Anna", ".qve").value(2), QString::fromLatin1(zeroLine(6)));
}

TEST_F(StoreFixture, TheEleventhDayDropsTheOldestLine)
{
    const QDate first = clock.date;
    for (int d = 0; d < 10; ++d) {
        store.chooseUser("Anna");
        series(TopicUnits, 1, d + 1, d);
        store.saveAllStatistics();
        nextDay();
    }
    QStringList before = lines("Anna", ".qve");
    ASSERT_EQ(before.size(), 10);
    EXPECT_EQ(before[0], QString::fromLatin1(unitsLine(1, 0, first)));
    EXPECT_EQ(before[9], QString::fromLatin1(unitsLine(10, 9, first.addDays(9))));

    store.chooseUser("Anna"); // day eleven
    QStringList after = lines("Anna", ".qve");
    ASSERT_EQ(after.size(), 10);
    EXPECT_EQ(after.mid(0, 9), before.mid(1));
    EXPECT_EQ(after[9], QString::fromLatin1(unitsLine(0, 0, first.addDays(10))));
    // The other topics were written every day too, with zero counts.
    EXPECT_EQ(lines("Anna", ".qvp").value(0), QString::fromLatin1(zeroLine(4)).replace(" 00.00.0000", dateText(first.addDays(1))));
}

TEST_F(StoreFixture, ASaveWhoseLastRecordIsTodayAppendsNothing)
{
    QByteArray full;
    for (int d = 0; d < 10; ++d)
        full += "1 1 0 0 0 0 0 0" + dateText(clock.date.addDays(d - 9)).toLatin1() + "\r\n";
    writeBytes(file("Anna", ".qvp"), full);
    store.chooseUser("Anna");
    EXPECT_EQ(bytes("Anna", ".qvp"), full); // today's record was there already
    series(TopicPrimes, 3, 2, 1);
    store.saveAllStatistics();
    QByteArray expected = full;
    expected.replace("1 1 0 0 0 0 0 0 07.12.2026", "1 1 0 0 2 1 0 0 07.12.2026");
    EXPECT_EQ(bytes("Anna", ".qvp"), expected);
}

TEST_F(StoreFixture, ThroughTheSeriesFrameSecondTriesSkipsAndAbortsCountAsGivenOnly)
{
    // A topic whose every task is of type 2 and has the answer "5".
    struct FiveTopic : OneFieldTopic {
        int statTopic() const override { return TopicNumberSystems; }
        int drawTask() override { return 2; }
        AnswerCheck checkText(const QString& t) override
        {
            return {t == "5" ? AnswerState::Right : AnswerState::Wrong, {}};
        }
        QString expectedAnswerText() const override { return "5"; }
    } topic;
    TestServices ts;
    Services services{store, ts.sound, ts.messages, ts.random, ts.clock};
    NullView view;
    ExerciseSeries run(services, topic, view);

    store.chooseUser("Anna");
    ASSERT_TRUE(run.begin(5));
    EXPECT_TRUE(store.topic(TopicNumberSystems).changed);
    run.confirm({"5"}); // task 1: right at once
    run.confirm({"4"}); // task 2: wrong ...
    run.confirm({"5"}); // ... then right
    run.confirm({"1"}); // task 3: wrong twice
    run.confirm({"2"});
    run.skip();       // task 4 skipped
    run.abort();      // task 5 on screen at the abort
    EXPECT_EQ(store.topic(TopicNumberSystems).pending[1], (StatCounts{5, 1}));
    store.saveAllStatistics();
    EXPECT_EQ(lines("Anna", ".qvz").value(0), "0 0 5 1 0 0 0 0 0 0 07.12.2026");
    EXPECT_FALSE(store.topic(TopicNumberSystems).changed);
    EXPECT_FALSE(store.topic(TopicNumberSystems).hasPending());
}

TEST_F(StoreFixture, SavingAllWritesOnlyTheTopicsWithAStartedSeries)
{
    store.chooseUser("Anna");
    std::map<std::string, FileTime> aged;
    for (const TopicRow& t : kTopics)
        aged[t.ext] = ageFile(file("Anna", t.ext));
    series(TopicFractions, 11, 1, 1);
    store.markStatsChanged(TopicPrimes); // a series started: written even with nothing counted
    store.countTaskGiven(TopicUnits, 2); // counted without a start: no flag, not written
    ASSERT_TRUE(store.saveAllStatistics());
    for (const TopicRow& t : kTopics) {
        const bool written = t.topic == TopicFractions || t.topic == TopicPrimes;
        EXPECT_EQ(mtime(file("Anna", t.ext)) != aged[t.ext], written) << t.ext;
    }
    EXPECT_TRUE(lines("Anna", ".qvb").value(0).startsWith(QString("0 0 ").repeated(10) + "1 1 07.12.2026"));
    // The units count waits in memory for the next save of that topic.
    EXPECT_EQ(store.topic(TopicUnits).pending[1], (StatCounts{1, 0}));
}

TEST_F(StoreFixture, WithoutANameNothingIsWritten)
{
    series(TopicBasic, 1, 3, 3);
    EXPECT_TRUE(store.saveAllStatistics());
    EXPECT_TRUE(store.chooseUser(QString()));
    EXPECT_TRUE(store.saveAllStatistics());
    EXPECT_TRUE(listTree(root.path()).filter(".qv").isEmpty());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(StoreFixture, ReadsExtraBlanksAndLfOnlyAndWritesTheExactForm)
{
    writeBytes(file("Anna", ".qve"),
               "  3  2 0 0 0 0 0 0 0 0  1 0    06.12.2026 \n0 0 0 0 0 0 0 0 0 0 0 0 00.00.0000\n"
               "0 0 0 0 0 0 0 0 0 0 0 0 00.00.0000\n0 0 0 0 0 0 0 0 0 0 0 0 00.00.0000\n"
               "0 0 0 0 0 0 0 0 0 0 0 0 00.00.0000\n0 0 0 0 0 0 0 0 0 0 0 0 00.00.0000\n"
               "0 0 0 0 0 0 0 0 0 0 0 0 00.00.0000\n0 0 0 0 0 0 0 0 0 0 0 0 00.00.0000\n"
               "0 0 0 0 0 0 0 0 0 0 0 0 00.00.0000\n0 0 0 0 0 0 0 0 0 0 0 0 00.00.0000\n");
    store.chooseUser("Anna");
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(lines("Anna", ".qve").mid(0, 3),
              QStringList({"3 2 0 0 0 0 0 0 0 0 1 0 06.12.2026", "0 0 0 0 0 0 0 0 0 0 0 0 07.12.2026",
                           QString::fromLatin1(zeroLine(6))}));
    EXPECT_EQ(bytes("Anna", ".qve").count("\r\n"), 10);
    EXPECT_EQ(listTree(dir).filter("defekt").size(), 0);
}

TEST_F(StoreFixture, CountsAbove65535InAFileWrap)
{
    writeBytes(file("Anna", ".qvp"),
               fileWithFirstLine(4, "65535 65536 70000 2 0 0 0 0 07.12.2026"));
    store.chooseUser("Anna");
    series(TopicPrimes, 1, 1, 0);
    store.saveAllStatistics();
    EXPECT_EQ(lines("Anna", ".qvp").value(0), "0 0 4464 2 0 0 0 0 07.12.2026");
}

TEST_F(StoreFixture, PendingCountsWrapAt65536)
{
    store.chooseUser("Anna");
    store.markStatsChanged(TopicBasic);
    for (int i = 0; i < 65536 + 3; ++i)
        store.countTaskGiven(TopicBasic, 12);
    store.countTaskCorrect(TopicBasic, 12);
    EXPECT_EQ(store.topic(TopicBasic).pending[11], (StatCounts{3, 1}));
    // Out-of-range topics and types change nothing.
    store.countTaskGiven(TopicBasic, 13);
    store.countTaskGiven(0, 1);
    store.countTaskCorrect(6, 1);
    store.markStatsChanged(9);
    for (const TopicRow& t : kTopics) {
        if (t.topic != TopicBasic) {
            EXPECT_FALSE(store.topic(t.topic).hasPending() || store.topic(t.topic).changed);
        }
    }
}

TEST_F(StoreFixture, ADamagedFileIsReportedAndKeptAsACopy)
{
    // Bert first, so that a topic that failed to load would show his data.
    store.chooseUser("Bert");
    series(TopicBasic, 1, 9, 9);
    store.saveAllStatistics();

    QByteArray damaged = fileWithFirstLine(12, "1 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 05.12.2026");
    damaged.replace(damaged.indexOf("0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 00.00.0000"), 1, "x");
    writeBytes(file("Anna", ".qvg"), damaged);
    writeBytes(file("Anna", ".qvp"), fileWithFirstLine(4, "2 1 0 0 0 0 0 0 05.12.2026"));
    messages.messages.clear();
    store.chooseUser("Anna");

    ASSERT_EQ(messages.messages.size(), 1u);
    const RecordedMessage& m = messages.messages[0];
    EXPECT_TRUE(m.error);
    // The file by its name, once; where the damaged one was kept on a line of its own.
    EXPECT_TRUE(m.text.startsWith(QStringLiteral("Die Statistikdatei „Anna.qvg“ ist beschädigt.")))
        << m.text.toStdString();
    EXPECT_FALSE(m.text.contains(dir)) << m.text.toStdString();
    EXPECT_EQ(m.text.count(QStringLiteral("Anna.qvg")), 2) << m.text.toStdString();
    EXPECT_TRUE(m.text.contains(QStringLiteral("Zeile 2"))) << m.text.toStdString();
    EXPECT_TRUE(m.text.contains(QStringLiteral("\rDie beschädigte Datei wurde unverändert als „Anna.qvg.defekt“ im Ordner „")
                                + QDir::toNativeSeparators(QDir(dir).absolutePath()) + "“ aufbewahrt."))
        << m.text.toStdString();
    EXPECT_EQ(readBytes(file("Anna", ".qvg.defekt")), damaged);
    // The readable first line goes on, with today's record after it; nothing of Bert's.
    EXPECT_EQ(lines("Anna", ".qvg").mid(0, 3),
              QStringList({"1 1 " + QString("0 0 ").repeated(11).trimmed() + " 05.12.2026",
                           QString::fromLatin1(zeroLine(12, " 07.12.2026")),
                           QString::fromLatin1(zeroLine(12))}));
    EXPECT_EQ(lines("Anna", ".qvp").value(0), "2 1 0 0 0 0 0 0 05.12.2026");
    for (const TopicRow& t : kTopics)
        EXPECT_EQ(store.topic(t.topic).record(" 07.12.2026")->counts[0].given, 0) << t.ext;

    // The next damage of the same file does not overwrite the first copy.
    writeBytes(file("Anna", ".qvg"), "kaputt");
    store.chooseUser("Anna");
    EXPECT_EQ(readBytes(file("Anna", ".qvg.defekt")), damaged);
    EXPECT_EQ(readBytes(file("Anna", ".qvg.defekt2")), QByteArray("kaputt"));
    EXPECT_EQ(bytes("Anna", ".qvg"), fileWithFirstLine(12, zeroLine(12, " 07.12.2026")));
}

TEST_F(StoreFixture, FilesWithMoreOrFewerThanTenLines)
{
    // Day d of November: d tasks of the first type given, nothing else.
    auto line = [](int types, int d) {
        return QByteArray::number(d) + QByteArray(" 0").repeated(2 * types - 1) + ' '
               + QByteArray::number(d).rightJustified(2, '0') + ".11.2026\r\n";
    };
    QByteArray seven, eleven;
    for (int d = 1; d <= 11; ++d) {
        if (d <= 7)
            seven += line(5, d);
        eleven += line(11, d);
    }
    writeBytes(file("Anna", ".qvz"), seven);
    writeBytes(file("Anna", ".qvb"), eleven);
    store.chooseUser("Anna");
    ASSERT_EQ(messages.messages.size(), 1u); // one box for both files
    const QString text = messages.messages[0].text;
    EXPECT_TRUE(text.contains("„Anna.qvz“") && text.contains("nur 7 statt 10"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("„Anna.qvb“") && text.contains("mehr als 10 Zeilen"))
        << text.toStdString();
    EXPECT_EQ(readBytes(file("Anna", ".qvz.defekt")), seven);
    EXPECT_EQ(readBytes(file("Anna", ".qvb.defekt")), eleven);
    // Seven days kept, today in the eighth record.
    const QStringList z = lines("Anna", ".qvz");
    EXPECT_EQ(z.mid(0, 7), splitLines(seven));
    EXPECT_EQ(z.value(7), QString::fromLatin1(zeroLine(5, " 07.12.2026")));
    // Ten days kept; today pushed the oldest out; the eleventh line went to the copy only.
    const QStringList b = lines("Anna", ".qvb");
    EXPECT_EQ(b.mid(0, 9), splitLines(eleven).mid(1, 9));
    EXPECT_EQ(b.value(9), QString::fromLatin1(zeroLine(11, " 07.12.2026")));
}

TEST_F(StoreFixture, HostileNamesAreRefusedAndWriteNothingOutsideTheDataDirectory)
{
    store.chooseUser("Anna");
    series(TopicUnits, 2, 1, 1);
    const QStringList before = listTree(root.path());
    const char* names[] = {"../x", "a/b", "..", ".", "a\\b", "..\\..\\x", "/etc/passwd",
                           "Tab\tName", "Zeile\nUmbruch", "nul\x01"};
    for (const char* n : names) {
        messages.messages.clear();
        EXPECT_FALSE(store.chooseUser(QString::fromUtf8(n))) << n;
        ASSERT_EQ(messages.messages.size(), 1u) << n;
        EXPECT_FALSE(messages.messages[0].error);
        EXPECT_EQ(messages.messages[0].kind, MessageKind::Information);
        EXPECT_TRUE(messages.messages[0].text.startsWith(QStringLiteral("Der Name „")))
            << messages.messages[0].text.toStdString();
        EXPECT_TRUE(messages.messages[0].text.contains(
            QStringLiteral("kann nicht als Benutzername verwendet werden")));
        EXPECT_FALSE(messages.messages[0].text.contains(QChar('\n')));
        EXPECT_EQ(store.userName(), "Anna");
    }
    EXPECT_FALSE(store.chooseUser(QString(300, QLatin1Char('a'))));
    EXPECT_TRUE(messages.messages.back().text.startsWith("Der Benutzername ist zu lang."));
    EXPECT_EQ(listTree(root.path()), before);
    // The pupil's counts are still there and go to Anna's file.
    EXPECT_EQ(store.topic(TopicUnits).pending[1], (StatCounts{1, 1}));
    store.saveAllStatistics();
    EXPECT_EQ(lines("Anna", ".qve").value(0), "0 0 1 1 0 0 0 0 0 0 0 0 07.12.2026");
    // Unusual but harmless names are taken as typed, without the blanks around them.
    for (const char* n : {"Anna Lena", " Ölçü ", "...", "a.b", "-x", "Anna:2"}) {
        EXPECT_TRUE(store.chooseUser(QString::fromUtf8(n))) << n;
        EXPECT_TRUE(QFileInfo::exists(dir + QString::fromUtf8(n).trimmed() + ".qvz")) << n;
    }
    EXPECT_FALSE(QFileInfo::exists(dir + " Ölçü .qvz"));
}

TEST_F(StoreFixture, AFailingWriteKeepsTheOldFileAndIsReported)
{
    store.chooseUser("Anna");
    const QByteArray old = bytes("Anna", ".qvg");
    series(TopicBasic, 3, 4, 2);

    // The disk is "full": the process may not write files longer than 40 bytes.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tiny = saved;
    tiny.rlim_cur = 40;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const bool ok = store.saveAllStatistics();
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_FALSE(ok);
    EXPECT_EQ(bytes("Anna", ".qvg"), old);
    EXPECT_EQ(listTree(dir).size(), 5) << listTree(dir).join(' ').toStdString(); // no stray temp file
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].error);
    EXPECT_TRUE(messages.messages[0].text.startsWith("Ein-/Ausgabefehler: Die Statistikdatei „"
                                                     + file("Anna", ".qvg") + "“ konnte nicht geschrieben werden"))
        << messages.messages[0].text.toStdString();
    EXPECT_TRUE(store.topic(TopicBasic).changed); // tried again at the next save

    EXPECT_TRUE(store.saveAllStatistics());
    EXPECT_EQ(lines("Anna", ".qvg").value(0), "0 0 0 0 4 2 " + QString("0 0 ").repeated(9) + "07.12.2026");
}

TEST_F(StoreFixture, AFailedWriteIsReportedWithTheSystemsReasonAndRetried)
{
    store.chooseUser("Anna");
    const QByteArray old = bytes("Anna", ".qvb");
    int attempts = 0;
    store.setFileWriter([&](const QString&, const QByteArray&, QString* reason) {
        ++attempts;
        *reason = QStringLiteral("Auf dem Datenträger ist kein Speicherplatz mehr frei.");
        return false;
    });
    series(TopicFractions, 1, 1, 1);
    EXPECT_FALSE(store.saveAllStatistics());
    EXPECT_EQ(bytes("Anna", ".qvb"), old);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].error);
    EXPECT_TRUE(messages.messages[0].text.contains(file("Anna", ".qvb")));
    EXPECT_TRUE(messages.messages[0].text.contains("kein Speicherplatz"));
    EXPECT_TRUE(messages.messages[0].text.contains("Die bisherige Datei bleibt unverändert."));
    // The counts stay pending and the flag stays, so the next save merges them into the
    // file as it is then.
    EXPECT_TRUE(store.topic(TopicFractions).changed);
    EXPECT_EQ(store.topic(TopicFractions).pending[0], (StatCounts{1, 1}));
    EXPECT_EQ(store.topic(TopicFractions).record(" 07.12.2026")->at(1), (StatCounts{}));
    EXPECT_FALSE(store.saveAllStatistics());
    EXPECT_EQ(attempts, 2);
    store.setFileWriter(&writeFileAtomically);
    EXPECT_TRUE(store.saveAllStatistics());
    EXPECT_TRUE(lines("Anna", ".qvb").value(0).startsWith("1 1 0 0 "));
    EXPECT_FALSE(store.topic(TopicFractions).changed);
}

TEST_F(StoreFixture, AnUnreadableFileIsReportedAndNeverOverwritten)
{
    ASSERT_TRUE(QDir().mkpath(file("Anna", ".qve"))); // a directory where the file belongs
    ASSERT_EQ(::mkfifo(file("Anna", ".qvp").toLocal8Bit().constData(), 0600), 0); // would block
    store.chooseUser("Anna");
    ASSERT_EQ(messages.messages.size(), 1u);
    const QString text = messages.messages[0].text;
    EXPECT_TRUE(text.contains(file("Anna", ".qve") + "“ konnte nicht gelesen werden")) << text.toStdString();
    EXPECT_TRUE(text.contains(file("Anna", ".qvp") + "“ konnte nicht gelesen werden")) << text.toStdString();
    EXPECT_TRUE(QFileInfo(file("Anna", ".qve")).isDir());
    EXPECT_FALSE(QFileInfo(file("Anna", ".qvp")).isFile());
    for (const TopicRow& t : kTopics) {
        if (t.topic != TopicUnits && t.topic != TopicPrimes) {
            EXPECT_TRUE(QFileInfo(file("Anna", t.ext)).isFile()) << t.ext;
        }
    }
    series(TopicUnits, 1, 1, 1);
    const std::size_t shown = messages.messages.size();
    // Reported, but no later try can write it, so it does not hold the pupil.
    EXPECT_TRUE(store.saveAllStatistics());
    ASSERT_EQ(messages.messages.size(), shown + 1);
    EXPECT_TRUE(messages.messages.back().error);
    EXPECT_TRUE(messages.messages.back().text.contains("wird nicht überschrieben"));
    EXPECT_TRUE(messages.messages.back().text.contains("nicht gespeichert werden"));
    EXPECT_TRUE(QFileInfo(file("Anna", ".qve")).isDir());
}

TEST_F(StoreFixture, NoDataDirectoryIsReportedOnce)
{
    store.setDataDirectory(QString());
    store.chooseUser("Anna");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].error);
    EXPECT_EQ(messages.messages[0].text.count("Es gibt kein Verzeichnis"), 5);
    EXPECT_TRUE(listTree(QDir::currentPath()).filter("Anna.qv").isEmpty());
}

TEST_F(StoreFixture, TheChartsSeeTheMergedHistories)
{
    store.chooseUser("Anna");
    series(TopicBasic, 5, 3, 2);
    const StatsModel& view = store.model();
    EXPECT_TRUE(view.topic(TopicBasic).changed);
    EXPECT_EQ(view.topic(TopicBasic).pending[4], (StatCounts{3, 2}));
    store.saveAllStatistics();
    const StatRecord* today = view.topic(TopicBasic).record(store.todayDateText());
    ASSERT_NE(today, nullptr);
    EXPECT_EQ(today->at(5), (StatCounts{3, 2}));
    EXPECT_EQ(today->at(13), (StatCounts{}));
    EXPECT_EQ(store.todayDateText(), " 07.12.2026");
    EXPECT_EQ(store.topicFilePath(TopicPrimes), file("Anna", ".qvp"));
}
