#include "appsetup.h"
#include "commandline.h"
#include "librarysound.h"
#include "mainwindow.h"
#include "messagedialog.h"
#include "statisticsstore.h"
#include "systemservices.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>

int main(int argc, char** argv)
{
    const quorvel::CommandLineAnswer answer =
        quorvel::answerCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!answer.startWindow) {
        std::fputs(answer.text.c_str(), answer.toStandardError ? stderr : stdout);
        return answer.exitCode;
    }

    QApplication app(argc, argv);
    quorvel::setUpApplication(app);

    quorvel::AppState state;
    quorvel::SystemClock clock;
    quorvel::SystemRandom random;
    quorvel::LibrarySound sound;
    quorvel::DialogMessageSink messages;
    quorvel::StatisticsStore store(clock, messages);
    quorvel::Services services{state, store, sound, messages, random, clock};

    quorvel::TFormHaupt window(services, store);
    messages.setParent(&window);
    state.dataDirectory = quorvel::prepareDataDirectory();
    store.setDataDirectory(state.dataDirectory);

    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.center() - window.rect().center());
    window.show();
    return app.exec();
}
