// The order in which the data folder is chosen, with scripted places, and the check that a
// folder can hold files, against real folders.
#include "datafolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace quorvel;

TEST(DataFolder, ChoiceOrderNoticeAndSelectionLine)
{
    struct Row {
        const char* given; // nullptr: no --datenordner
        bool givenUsable;
        bool machineUsable;
        DataFolderKind kind;
        const char* path;
        const char* line;
        bool notice;
    };
    const Row rows[] = {
        {"/srv/klasse7a", true, true, DataFolderKind::Given, "/srv/klasse7a/",
         "Klassenordner: /srv/klasse7a", false},
        {"/srv/klasse7a/", true, false, DataFolderKind::Given, "/srv/klasse7a/",
         "Klassenordner: /srv/klasse7a", false},
        // A given folder that cannot be used goes to the own folder, never to the machine's.
        {"/srv/klasse7a", false, true, DataFolderKind::PerUser, "/home/lena/Quorvel/",
         "Klassenordner „/srv/klasse7a“ nicht nutzbar, gespeichert wird im eigenen Ordner.", true},
        {nullptr, false, true, DataFolderKind::Machine, "/var/lib/quorvel/Programme/Quorvel V1.5/",
         "Klassenordner: /var/lib/quorvel/Programme/Quorvel V1.5", false},
        {nullptr, false, false, DataFolderKind::PerUser, "/home/lena/Quorvel/", "", false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.given ? r.given : "(none)");
        QStringList asked;
        DataFolderPlaces places;
        if (r.given)
            places.given = QString::fromLatin1(r.given);
        places.perUser = [] { return QStringLiteral("/home/lena/Quorvel"); };
        places.usable = [&](const QString& folder, bool make, QString* reason) {
            asked << folder + (make ? " +" : "");
            *reason = QStringLiteral("Keine Berechtigung");
            return folder.startsWith("/srv") ? r.givenUsable : r.machineUsable;
        };
        const DataFolderChoice c = chooseDataFolder(places);
        EXPECT_EQ(c.kind, r.kind);
        EXPECT_EQ(c.path, QString::fromLatin1(r.path));
        EXPECT_EQ(c.selectionLine(), QString::fromUtf8(r.line));
        EXPECT_EQ(!c.notice().isEmpty(), r.notice) << c.notice().toStdString();
        // Only the given folder is made; the machine's is never created by the program.
        EXPECT_EQ(asked.first(), r.given ? QStringLiteral("/srv/klasse7a +")
                                         : kMachineDataFolder);
        EXPECT_EQ(asked.size(), 1);
    }
}

TEST(DataFolder, UsableFoldersAreMadeAndProbedWithoutLeavingAnything)
{
    QTemporaryDir root;
    QString reason;
    const QString deep = root.path() + "/a/Programme/Quorvel V1.5";
    EXPECT_FALSE(folderUsable(deep, false, &reason));
    EXPECT_EQ(reason, QStringLiteral("Der Ordner existiert nicht."));
    EXPECT_TRUE(folderUsable(deep, true, &reason)) << reason.toStdString();
    EXPECT_TRUE(QDir(deep).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));

    QFile file(root.path() + "/datei");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_FALSE(folderUsable(file.fileName(), true, &reason));
    EXPECT_EQ(reason, QStringLiteral("Dort liegt eine Datei, kein Ordner."));
    EXPECT_FALSE(folderUsable(file.fileName() + "/klasse", true, &reason));
    EXPECT_FALSE(folderUsable(QString(), true, &reason));
}
