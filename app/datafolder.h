#pragma once
// Which folder holds the statistics files, chosen once at the start, in this order:
//  1. the folder given with --datenordner (made if missing); one that cannot be made or
//     written is reported and the pupil's own folder is used instead;
//  2. the folder every user of the computer shares,
//     /var/lib/quorvel/Programme/Quorvel V1.5, when it exists and the user may write to it
//     (the package makes it; a school may mount the class's network share there);
//  3. the user's own "~/.local/share/Programme/Quorvel V1.5".

#include <QString>

#include <functional>
#include <optional>

namespace quorvel {

inline const QString kMachineDataFolder = QStringLiteral("/var/lib/quorvel/Programme/Quorvel V1.5");

enum class DataFolderKind { Given, Machine, PerUser };

struct DataFolderChoice {
    QString path; // with a trailing slash; empty when not even the own folder could be made
    DataFolderKind kind = DataFolderKind::PerUser;
    QString refused;       // the --datenordner folder that could not be used, or empty
    QString refusedReason; // the system's words for why

    // The German notice shown at the start when `refused` is set, else empty.
    QString notice() const;
    // The line of the selection page: "Klassenordner: …" when the folder is not the own
    // one, a short word when the given one was refused, empty otherwise.
    QString selectionLine() const;
};

// What the choice looks at; the system's by default, scripted in tests.
struct DataFolderPlaces {
    std::optional<QString> given;         // --datenordner
    QString machine = kMachineDataFolder; // the shared folder
    std::function<QString()> perUser;     // makes and returns the own folder
    // True when `folder` can hold statistics files (a file can be made there and removed
    // again); `make`: create missing levels first. `reason` gets the system's words.
    std::function<bool(const QString& folder, bool make, QString* reason)> usable;

    static DataFolderPlaces system(std::optional<QString> given = std::nullopt);
};

DataFolderChoice chooseDataFolder(const DataFolderPlaces& places);

// The check the system's places use: every missing level made when asked, then a probe
// file created (exclusive, not followed through links) and removed.
bool folderUsable(const QString& folder, bool make, QString* reason);

} // namespace quorvel
