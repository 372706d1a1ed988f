// Where the statistics files live: the data drive of a system with drive letters, and the
// "Programme/Quorvel V1.5" folder made level by level under the data home.
#include "appsetup.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace quorvel;

TEST(DataDrive, FirstFixedDiskFromAToY)
{
    struct Row {
        const char* fixed; // letters whose root is a fixed local disk
        char expected;     // 0: none
    };
    const Row rows[] = {
        {"C", 'C'},  {"CD", 'C'}, {"DC", 'C'}, {"A", 'A'},
        {"Y", 'Y'},  {"Z", 0},    {"", 0},     {"XZ", 'X'},
    };
    for (const Row& r : rows) {
        const QString fixed = QString::fromLatin1(r.fixed);
        QString asked;
        const QChar drive = firstFixedDrive([&](QChar letter) {
            asked += letter;
            return fixed.contains(letter);
        });
        SCOPED_TRACE(r.fixed);
        if (r.expected) {
            EXPECT_EQ(drive, QLatin1Char(r.expected));
            // Asked in order, and no further than the drive found.
            EXPECT_EQ(asked, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY").left(r.expected - 'A' + 1));
        } else {
            EXPECT_TRUE(drive.isNull());
            EXPECT_EQ(asked, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY")); // never Z
        }
    }
}

#ifndef Q_OS_WIN
TEST(DataDirectory, MadeLevelByLevelUnderTheDataHome)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const bool had = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    const QString dir = prepareDataDirectory();
    const QString again = prepareDataDirectory(); // already there: the same answer
    if (had)
        qputenv("XDG_DATA_HOME", previous);
    else
        qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(dir, home.path() + QStringLiteral("/Programme/Quorvel V1.5/"));
    EXPECT_EQ(again, dir);
    EXPECT_TRUE(QFileInfo(dir).isDir());
}
#endif
