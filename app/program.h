#pragma once
// The program as it runs for a pupil: the clock, the random source, the sound library,
// the message window and the statistics store wired into one main window over the data
// directory. The program's main() and the handbook's screenshot tool build it alike.

#include "datafolder.h"
#include "librarysound.h"
#include "mainwindow.h"
#include "messagedialog.h"
#include "statisticsstore.h"
#include "systemservices.h"

namespace quorvel {

struct Program {
    // `folder`: where the statistics files go (chooseDataFolder); the system's choice
    // without --datenordner by default.
    explicit Program(NameAsker askName = askNameWithDialog,
                     DataFolderChoice folder = chooseDataFolder(DataFolderPlaces::system()));

    // At the start, once the window shows: the notice why the given folder was not used.
    void reportDataFolder();

    DataFolderChoice dataFolder;

    SystemClock clock;
    SystemRandom random;
    LibrarySound sound;
    DialogMessageSink messages;
    StatisticsStore store{clock, messages};
    Services services{store, sound, messages, random, clock};
    TFormHaupt window;
};

} // namespace quorvel
