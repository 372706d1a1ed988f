// Takes the handbook's screenshots from the real program window: builds the main window as
// the program does, walks it by object names (a table of steps below), and saves a PNG of
// the window at each "shot". Run through tools/handbook_shots.sh under a virtual X display.
#include "appsetup.h"
#include "program.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

// click:Name, type:Name:text, draw:Name (a few strokes), solve:N (answer N basic tasks
// right), back, kartei (three cards due today), shot:file.png, overview:file.png (the
// window "Klassenübersicht")
const char* const kSteps[] = {
    "click:BitBtnBenutzername", "shot:auswahl.png",
    "click:BitBtnGrundrechnen", "shot:grundrechnen.png",
    "click:BitBtnStart01", "type:edGrundAufgErg:1", "draw:Notizblatt", "shot:grundaufgabe.png",
    "shot:notizblatt.png", "click:btnGrundAufgAbbruch", "back",
    "click:BitBtnEinheiten", "shot:einheiten.png", "back",
    "click:BitBtnZahlensysteme", "shot:zahlensysteme.png", "back",
    "click:BitBtnPrimfaktoren", "shot:primzahlen.png", "back",
    "click:BitBtnBruchrechnung", "click:BitBtnStart05", "type:edBruchAufg01:3",
    "type:edBruchAufg02:12", "shot:brueche.png", "click:BitBtnBruch01", "back",
    "click:BitBtnGrundrechnen", "click:BitBtnStart01", "solve:10", "back",
    "click:BitBtnStatistik04", "click:BitBtnStat03", "shot:statistik.png", "click:BitBtnStat01",
    // Three tasks missed yesterday, so that "Fehler üben" has something due today.
    "kartei", "shot:fehler-auswahl.png", "click:BitBtnFehlerUeben", "type:edGrundAufgErg:56",
    "shot:fehler-ueben.png", "overview:klassen.png",
};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fputs("usage: handbook_shots OUTPUT_DIR\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    quorvel::setUpApplication(app);
    const QDir out(QString::fromLocal8Bit(argv[1]));

    quorvel::Program program([](QWidget*, const QString&, QString* name) {
        *name = QStringLiteral("Anna");
        return true;
    });
    quorvel::TFormHaupt& window = program.window;
    window.move(0, 0);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    int failures = 0;
    for (const char* step : kSteps) {
        const QStringList parts = QString::fromLatin1(step).split(QLatin1Char(':'));
        const QString& verb = parts[0];
        QWidget* target = parts.size() > 1 && verb != QLatin1String("shot")
                && verb != QLatin1String("solve")
            ? window.findChild<QWidget*>(parts[1]) : nullptr;
        if (verb == QLatin1String("solve")) {
            auto* task = window.findChild<QLabel*>(QStringLiteral("lblGrundAufg"));
            auto* answer = window.findChild<QLineEdit*>(QStringLiteral("edGrundAufgErg"));
            auto* ok = window.findChild<QAbstractButton*>(QStringLiteral("btnGrundAufgOK"));
            for (int i = 0; task && answer && ok && i < parts.value(1).toInt(); ++i) {
                static const QRegularExpression re(QStringLiteral(R"((\d+) \+ (\d+) =)"));
                const auto m = re.match(task->text());
                answer->setText(QString::number(m.captured(1).toInt() + m.captured(2).toInt()));
                ok->click();
            }
        } else if (verb == QLatin1String("back")) {
            window.backToSelection();
        } else if (verb == QLatin1String("kartei")) {
            const QString yesterday =
                program.clock.today().addDays(-1).toString(QStringLiteral("yyyy-MM-dd"));
            QFile f(program.store.dataDirectory() + QStringLiteral("Anna.qvf"));
            if (!f.open(QIODevice::WriteOnly)) {
                ++failures;
                continue;
            }
            f.write(QStringLiteral("Quorvel-Fehlerkartei 1\n"
                                   "K 1 3 3 %1 %1 7 8\n"
                                   "K 1 2 2 %1 %1 3 1 2\n"
                                   "K 1 1 1 %1 %1 1/2 1/3\n")
                        .arg(yesterday)
                        .toUtf8());
            f.close();
            window.backToSelection();
            window.showDueCards();
        } else if (verb == QLatin1String("overview")) {
            if (auto* open = window.findChild<QAction*>(QStringLiteral("HMenuDateiKlassen")))
                open->trigger();
            QTest::qWait(300);
            QWidget* overview = window.findChild<QWidget*>(QStringLiteral("FormKlassenuebersicht"));
            const QString file = out.filePath(parts[1]);
            if (!overview || !overview->grab().save(file)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                ++failures;
            }
            std::printf("%s\n", qPrintable(file));
        } else if (verb == QLatin1String("shot")) {
            QTest::qWait(150);
            const QString file = out.filePath(parts[1]);
            if (!window.grab().save(file)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                ++failures;
            }
            std::printf("%s\n", qPrintable(file));
        } else if (!target) {
            std::fprintf(stderr, "step %s: no such control\n", step);
            ++failures;
        } else if (verb == QLatin1String("click")) {
            if (auto* b = qobject_cast<QAbstractButton*>(target))
                b->click();
        } else if (verb == QLatin1String("type")) {
            if (auto* e = qobject_cast<QLineEdit*>(target))
                e->setText(parts.value(2));
        } else if (verb == QLatin1String("draw")) {
            const QPoint a(30, 40), b(200, 90), c(60, 150);
            QTest::mousePress(target, Qt::LeftButton, {}, a);
            for (int i = 1; i <= 20; ++i)
                QTest::mouseMove(target, a + (b - a) * i / 20);
            for (int i = 1; i <= 20; ++i)
                QTest::mouseMove(target, b + (c - b) * i / 20);
            QTest::mouseRelease(target, Qt::LeftButton, {}, c);
        }
        QTest::qWait(50);
    }
    return failures == 0 ? 0 : 1;
}
