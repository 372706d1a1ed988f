#pragma once
// Helpers for the statistics tests: expected lines, reading and writing raw bytes,
// modification times and listing what lies on disk.

#include "fakes.h"
#include "statisticsstore.h"
#include "statsmodel.h"

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

namespace quorvel::test {

// "0 0 ... 0" with 2 * types counts followed by the date text, no line end.
inline QByteArray zeroLine(int types, const char* date = " 00.00.0000")
{
    QByteArray line;
    for (int i = 0; i < 2 * types; ++i) {
        line += '0';
        if (i + 1 < 2 * types)
            line += ' ';
    }
    return line + date;
}

// A file whose first line is `first` and whose other nine lines are empty records.
inline QByteArray fileWithFirstLine(int types, const QByteArray& first)
{
    QByteArray out = first + "\r\n";
    for (int i = 1; i < stats::kHistoryLength; ++i)
        out += zeroLine(types) + "\r\n";
    return out;
}

inline QByteArray readBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return f.readAll();
}

inline void writeBytes(const QString& path, const QByteArray& data)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(data);
}

inline QStringList splitLines(const QByteArray& data)
{
    QStringList lines = QString::fromLatin1(data).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

using FileTime = std::filesystem::file_time_type;

inline FileTime mtime(const QString& path)
{
    return std::filesystem::last_write_time(path.toStdString());
}

// Puts a file's modification time a day into the past, so an unchanged time proves that
// nothing wrote it afterwards, however fast the test runs.
inline FileTime ageFile(const QString& path)
{
    const FileTime old = mtime(path) - std::chrono::hours(24);
    std::filesystem::last_write_time(path.toStdString(), old);
    return old;
}

// Every file and directory below `root`, relative to it, sorted.
inline QStringList listTree(const QString& root)
{
    QStringList out;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        out << QDir(root).relativeFilePath(it.next());
    out.sort();
    return out;
}

// A store over "<temporary folder>/Programme/Quorvel V1.5/" with recorded messages and a
// fixed day, 7 December 2026.
struct StoreInTempDir : ::testing::Test {
    QTemporaryDir root;
    QString dir;
    EventLog log;
    RecordingMessages messages{log};
    FixedClock clock{QDate(2026, 12, 7)};
    StatisticsStore store{clock, messages};

    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        dir = root.path() + QStringLiteral("/Programme/Quorvel V1.5/");
        ASSERT_TRUE(QDir().mkpath(dir));
        store.setDataDirectory(dir);
    }
};

} // namespace quorvel::test
