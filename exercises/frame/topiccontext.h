#pragma once
// What the main window hands a topic when it builds its pages: the services, the
// exercise notebook, the status bar and the number pad. A topic finds its pages in the
// notebook by their names; where they stand in it is the program's business.

#include "services.h"

#include <QString>
#include <functional>
#include <vector>

class QPushButton;
class QStackedWidget;
class QWidget;

namespace quorvel {

class NumberPad;
class TaskPage;
class TaskResultSink;

// A series of a task page: the page and its number there.
struct PageSeries {
    TaskPage* page = nullptr;
    int index = 0;
};

struct TopicContext {
    Services& services;
    QStackedWidget* exercisePages = nullptr; // NotebookHaupt01a
    NumberPad* numberPad = nullptr;
    QWidget* mainWindow = nullptr;
    std::function<void(const QString&)> setStatusText; // status bar panel 0
    std::function<void()> backToSelection;             // the Back buttons of the start pages
    std::function<void()> announceRight;               // "Richtig!" in the status bar
    // Where every series reports how its tasks ended (the Fehlerkartei), when set before
    // the pages are built.
    TaskResultSink* taskResults = nullptr;
    // Every series the task pages run, in the order they were added: a series of several
    // topics (the review of missed tasks) poses each task on its own topic's page.
    std::vector<PageSeries> pageSeries{};

    // The notebook page of that object name ("GrundAufgaben", "Einheiten" …).
    QWidget* page(const QString& name) const;
    void showPage(QWidget* page) const;
    void setNumberPadEnabled(bool on) const;
    void showStatusText(const QString& text) const;
    void announceRightAnswer() const;
    // The window that the topic's help windows belong to.
    QWidget* helpOwner() const;
};

// "&Zurück zur Auswahl": 200 x 30, bold 10 pt, at y 440 of a topic's start page.
QPushButton* addBackButton(QWidget* page, const QString& objectName, TopicContext& ctx,
                           const QString& hint = QString());

} // namespace quorvel
