// One copy of the program as far as its files go, without a window, for the tests that
// start several copies as different users or on different host names: it takes the
// program's own command line, chooses the data folder as the program does at its start,
// chooses the pupil, does one series of basic tasks and saves, then prints what it did.
//   savecopy PUPIL GIVEN CORRECT [program options ...]
// The shared folder of the machine is taken from QUORVEL_TEST_MACHINE_FOLDER (none if
// unset), so a test never depends on what this machine has in /var/lib.
#include "commandline.h"
#include "datafolder.h"
#include "services.h"
#include "statisticsstore.h"
#include "systemservices.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

struct PrintedMessages : quorvel::MessageSink {
    int showMessage(const QString& text, quorvel::MessageKind, quorvel::MessageButtons, int,
                    const QString&) override
    {
        std::printf("meldung %s\n", qPrintable(QString(text).replace('\r', ' ')));
        return 1;
    }
    void showError(const QString& text) override
    {
        std::printf("fehler %s\n", qPrintable(QString(text).replace('\r', ' ').replace('\n', ' ')));
    }
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 4) {
        std::fputs("usage: savecopy PUPIL GIVEN CORRECT [options]\n", stderr);
        return 2;
    }
    const quorvel::CommandLineAnswer answer =
        quorvel::answerCommandLine(std::vector<std::string>(argv + 4, argv + argc));
    if (!answer.startWindow) {
        std::fputs(answer.text.c_str(), stderr);
        return answer.exitCode;
    }
    quorvel::DataFolderPlaces places = quorvel::DataFolderPlaces::system(
        answer.dataFolder ? std::optional<QString>(QString::fromLocal8Bit(answer.dataFolder->c_str()))
                          : std::nullopt);
    places.machine = qEnvironmentVariable("QUORVEL_TEST_MACHINE_FOLDER");
    const quorvel::DataFolderChoice folder = quorvel::chooseDataFolder(places);
    std::printf("ordner %s\n", qPrintable(folder.path));
    if (!folder.notice().isEmpty())
        std::printf("hinweis %s\n", qPrintable(folder.notice().replace('\r', ' ')));
    if (!folder.selectionLine().isEmpty())
        std::printf("auswahlseite %s\n", qPrintable(folder.selectionLine()));

    quorvel::SystemClock clock;
    PrintedMessages messages;
    quorvel::StatisticsStore store(clock, messages);
    store.setDataDirectory(folder.path);
    if (!store.chooseUser(QString::fromLocal8Bit(argv[1])))
        return 1;
    const int given = std::atoi(argv[2]);
    const int correct = std::atoi(argv[3]);
    store.markStatsChanged(quorvel::TopicBasic);
    for (int i = 0; i < given; ++i)
        store.countTaskGiven(quorvel::TopicBasic, 1);
    for (int i = 0; i < correct; ++i)
        store.countTaskCorrect(quorvel::TopicBasic, 1);
    const bool saved = store.saveAllStatistics();
    std::printf("gespeichert %s\n", saved ? "ja" : "nein");
    return saved ? 0 : 3;
}
