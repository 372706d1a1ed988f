#include "datafolder.h"

#include "appsetup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvel {

namespace {

QString withSlash(QString path)
{
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

QString shownFolder(const QString& path)
{
    QString p = QDir::toNativeSeparators(path);
    if (p.size() > 1 && p.endsWith(QDir::separator()))
        p.chop(1);
    return p;
}

} // namespace

bool folderUsable(const QString& folder, bool make, QString* reason)
{
    if (folder.isEmpty()) {
        *reason = QStringLiteral("Es wurde kein Ordner angegeben.");
        return false;
    }
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir()) {
        *reason = QStringLiteral("Dort liegt eine Datei, kein Ordner.");
        return false;
    }
    if (!info.exists()) {
        if (!make) {
            *reason = QStringLiteral("Der Ordner existiert nicht.");
            return false;
        }
        if (!QDir().mkpath(folder)) {
            *reason = QStringLiteral("Der Ordner konnte nicht angelegt werden.");
            return false;
        }
    }
    // Asking for the rights is not enough on a share mounted read-only or mapped to another
    // user: a file is made and removed again.
    QByteArray probe = QFile::encodeName(withSlash(folder)) + ".quorvel-probe-XXXXXX";
    const int fd = ::mkostemp(probe.data(), O_CLOEXEC);
    if (fd < 0) {
        *reason = qt_error_string(errno);
        return false;
    }
    ::close(fd);
    ::unlink(probe.constData());
    return true;
}

DataFolderPlaces DataFolderPlaces::system(std::optional<QString> given)
{
    DataFolderPlaces p;
    p.given = std::move(given);
    p.perUser = [] { return prepareDataDirectory(); };
    p.usable = folderUsable;
    return p;
}

DataFolderChoice chooseDataFolder(const DataFolderPlaces& places)
{
    DataFolderChoice choice;
    QString reason;
    if (places.given) {
        const QString given = QDir::cleanPath(QDir(*places.given).absolutePath());
        if (places.usable(given, true, &reason)) {
            choice.path = withSlash(given);
            choice.kind = DataFolderKind::Given;
            return choice;
        }
        choice.refused = given;
        choice.refusedReason = reason;
    } else if (!places.machine.isEmpty() && places.usable(places.machine, false, &reason)) {
        choice.path = withSlash(places.machine);
        choice.kind = DataFolderKind::Machine;
        return choice;
    }
    choice.path = withSlash(places.perUser());
    choice.kind = DataFolderKind::PerUser;
    return choice;
}

QString DataFolderChoice::notice() const
{
    if (refused.isEmpty())
        return {};
    QString why = refusedReason;
    if (why.endsWith(QLatin1Char('.')))
        why.chop(1); // "(… angelegt werden)." rather than "(… werden.)."
    QString text = QStringLiteral("Der Datenordner „%1“ kann nicht verwendet werden (%2).")
                       .arg(shownFolder(refused), why);
    if (path.isEmpty())
        return text + QStringLiteral("\rAuch der eigene Ordner konnte nicht angelegt werden; "
                                     "die Ergebnisse können nicht gespeichert werden.");
    return text + QStringLiteral("\rDie Ergebnisse werden stattdessen im eigenen Ordner „%1“ "
                                 "gespeichert.")
                      .arg(shownFolder(path));
}

QString DataFolderChoice::selectionLine() const
{
    if (!refused.isEmpty())
        return QStringLiteral("Klassenordner „%1“ nicht nutzbar, gespeichert wird im eigenen "
                              "Ordner.")
            .arg(shownFolder(refused));
    if (kind == DataFolderKind::PerUser)
        return {};
    return QStringLiteral("Klassenordner: ") + shownFolder(path);
}

} // namespace quorvel
