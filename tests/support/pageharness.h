#pragma once
// The exercise notebook as the main window builds it: fourteen empty 539 x 500 pages,
// the number pad beside them and a TopicContext over recorded services. Topic page
// tests build their pages into it.
#include "exercisepages.h"
#include "fakes.h"
#include "numberpad.h"
#include "topiccontext.h"

#include <QAbstractButton>
#include <QStackedWidget>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace quorvel::test {

// The event logged when a series says the typed result is wrong.
inline const QString kWrong =
    QStringLiteral("message Das von Ihnen eingegebene\rErgebnis ist leider falsch !\r");

struct PageHarness {
    TestServices ts;
    QWidget window;
    QStackedWidget* pages = new QStackedWidget(&window);
    NumberPad* pad = new NumberPad([this] { return pages->currentWidget(); }, &window);
    QString status;         // status bar panel 0
    bool logStatus = false; // also put "status ..." into the event log
    int backClicks = 0;     // Back buttons of the start pages
    TopicContext ctx{ts.services, pages, pad, &window,
                     [this](const QString& s) {
                         status = s;
                         if (logStatus)
                             ts.log.add(QStringLiteral("status ") + s);
                     },
                     [this] { ++backClicks; },
                     {}};

    PageHarness()
    {
        window.resize(800, 590);
        pages->setGeometry(0, 0, 539, 500);
        pad->move(545, 312);
        for (const char* name : kExercisePageNames) {
            auto* p = new QWidget;
            p->setObjectName(QString::fromLatin1(name));
            p->resize(539, 500);
            pages->addWidget(p);
        }
    }

    template <class T = QWidget> T* find(const char* name) const
    {
        T* w = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void click(const char* name)
    {
        QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton);
    }
};

} // namespace quorvel::test
