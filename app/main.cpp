#include "appsetup.h"
#include "commandline.h"
#include "program.h"
#include "worksheetcommand.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>

int main(int argc, char** argv)
{
    // A worksheet is written without any window (quorvel --arbeitsblatt ... --pdf DATEI).
    if (quorvel::worksheet::isWorksheetCall(std::vector<std::string>(argv + 1, argv + argc)))
        return quorvel::worksheet::runWorksheetCommand(argc, argv);

    const quorvel::CommandLineAnswer answer =
        quorvel::answerCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!answer.startWindow) {
        std::fputs(answer.text.c_str(), answer.toStandardError ? stderr : stdout);
        return answer.exitCode;
    }

    QApplication app(argc, argv);
    quorvel::setUpApplication(app);

    quorvel::Program program;
    quorvel::TFormHaupt& window = program.window;
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.center() - window.rect().center());
    window.show();
    return app.exec();
}
