// The ".qvf" file: the text round-trips, faults are named, and on disk a damaged file is
// set aside with a notice and a fresh Kartei, a link is never followed.
#include "reviewfile.h"

#include "fakes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::review;

namespace {

const QDate kDay(2026, 12, 1);

ReviewBox sampleBox()
{
    ReviewBox box;
    box.recordMiss(1, 11, QStringLiteral("3/4 + 1/6"), kDay);
    box.recordMiss(3, 5, QStringLiteral("g 12 + _ = 20"), kDay);
    box.recordMiss(2, 3, QStringLiteral("7 km = ? m · ä"), kDay.addDays(1));
    box.recordReview(3, 5, QStringLiteral("g 12 + _ = 20"), ReviewResult::RightFirstTry, kDay.addDays(2));
    box.setContents(box.cards(), {kDay, kDay.addDays(3)});
    return box;
}

TEST(ReviewFileFormat, RoundTripsAndStartsWithItsHeader)
{
    const ReviewBox box = sampleBox();
    const QByteArray text = formatReviewFile(box);
    EXPECT_TRUE(text.startsWith("Quorvel-Fehlerkartei 1\n"));
    EXPECT_TRUE(text.contains("\nK 2 3 5 2026-12-01 2026-12-03 g 12 + _ = 20\n"));
    EXPECT_EQ(text.count('\n'), 6);
    ReviewBox back;
    ASSERT_TRUE(parseReviewFile(text, &back).ok);
    EXPECT_EQ(back, box);
}

TEST(ReviewFileFormat, FaultsAreNamedAndLeaveAFreshBox)
{
    const QByteArray head = "Quorvel-Fehlerkartei 1\n";
    const struct {
        QByteArray data;
        int line;
    } rows[] = {
        {"", 1},
        {"Quorvel-Fehlerkartei 2\n", 1},
        {head + "K 4 1 1 2026-12-01 2026-12-01 x\n", 2},
        {head + "K 1 1 1 2026-12-01 2026-12-01\n", 2},
        {head + "K 1 1 1 2026-13-01 2026-12-01 x\n", 2},
        {head + "K 1 1 1 2026-12-02 2026-12-01 x\n", 2},
        {head + "K 1 1 01 2026-12-01 2026-12-01 x\n", 2},
        {head + "G 2026-12-01\nK 1 1 1 2026-12-01 2026-12-01 x\nK 2 1 1 2026-12-01 2026-12-02 x\n", 4},
        {head + "X\n", 2},
        {head + "G 1.12.2026\n", 2},
    };
    for (const auto& r : rows) {
        ReviewBox box = sampleBox();
        const ReviewParse p = parseReviewFile(r.data, &box);
        EXPECT_FALSE(p.ok) << r.data.constData();
        EXPECT_EQ(p.line, r.line) << r.data.constData();
        EXPECT_FALSE(p.problem.isEmpty());
        EXPECT_TRUE(box.cards().empty());
    }
    ReviewBox box;
    EXPECT_FALSE(parseReviewFile(head + "K 1 1 1 2026-12-01 2026-12-01 a\tb\n", &box).ok);
    EXPECT_FALSE(parseReviewFile("\xff\xfe", &box).ok);
}

struct ReviewFileOnDisk : testing::Test {
    QTemporaryDir dir;
    test::EventLog log;
    test::RecordingMessages messages{log};
    QString path() const { return dir.filePath(QStringLiteral("Anna.qvf")); }
    QByteArray contents() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(ReviewFileOnDisk, UpdateWritesAndReadsBack)
{
    ReviewFile file(messages, path());
    ReviewBox seen;
    ASSERT_TRUE(file.read(&seen));
    EXPECT_TRUE(seen.cards().empty());
    EXPECT_FALSE(QFile::exists(path())); // reading alone writes nothing
    ASSERT_TRUE(file.update([](ReviewBox& b) { b = sampleBox(); }));
    EXPECT_EQ(contents(), formatReviewFile(sampleBox()));
    ASSERT_TRUE(file.update([](ReviewBox& b) { b.recordMiss(4, 2, QStringLiteral("84"), kDay); }, &seen));
    EXPECT_EQ(seen.cards().size(), 4u);
    ReviewBox again;
    ASSERT_TRUE(ReviewFile(messages, path()).read(&again));
    EXPECT_EQ(again, seen);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_FALSE(QFile::exists(path() + QStringLiteral(".lock")));
}

TEST_F(ReviewFileOnDisk, DamagedFileIsSetAsideWithANoticeAndAFreshBoxStarts)
{
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Quorvel-Fehlerkartei 1\nunsinn\n");
    }
    ReviewFile file(messages, path());
    ReviewBox seen = sampleBox();
    ASSERT_TRUE(file.update([](ReviewBox& b) { b.recordMiss(3, 1, QStringLiteral("p 2 + 3"), kDay); }, &seen));
    EXPECT_EQ(seen.cards().size(), 1u);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].text.contains(QStringLiteral("„Anna.qvf“ ist beschädigt. Zeile 2")));
    EXPECT_TRUE(messages.messages[0].text.contains(QStringLiteral("„Anna.qvf.defekt“")));
    QFile aside(path() + QStringLiteral(".defekt"));
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), QByteArray("Quorvel-Fehlerkartei 1\nunsinn\n"));
    EXPECT_TRUE(contents().contains("p 2 + 3"));
}

TEST_F(ReviewFileOnDisk, ALinkOrAFolderInItsPlaceIsNeverReadNorWritten)
{
    const QString target = dir.filePath(QStringLiteral("elsewhere"));
    {
        QFile f(target);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("keep");
    }
    ASSERT_TRUE(QFile::link(target, path()));
    ReviewFile file(messages, path());
    EXPECT_FALSE(file.update([](ReviewBox& b) { b.recordMiss(3, 1, QStringLiteral("x"), kDay); }));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].text.contains(QStringLiteral("Verknüpfung")));
    QFile t(target);
    ASSERT_TRUE(t.open(QIODevice::ReadOnly));
    EXPECT_EQ(t.readAll(), QByteArray("keep"));
    ASSERT_TRUE(QFile::remove(path()));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Anna.qvf")));
    EXPECT_FALSE(file.read(nullptr));
}

TEST_F(ReviewFileOnDisk, ATooLargeFileIsDamaged)
{
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray((1 << 20) + 1, 'K'));
    }
    ReviewBox seen = sampleBox();
    ASSERT_TRUE(ReviewFile(messages, path()).read(&seen));
    EXPECT_TRUE(seen.cards().empty());
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].text.contains(QStringLiteral("zu groß")));
    EXPECT_TRUE(QFile::exists(path() + QStringLiteral(".defekt")));
}

} // namespace
