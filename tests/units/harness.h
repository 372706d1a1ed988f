#pragma once
// The unit pages built as the main window builds them: a stack of fourteen empty
// 539 x 500 pages, the number pad, recorded services.
#include "fakes.h"
#include "numberpad.h"
#include "topiccontext.h"
#include "unitspages.h"

#include <QApplication>
#include <QFont>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace quorvel::test {

struct UnitsHarness {
    TestServices ts;
    QWidget window;
    QStackedWidget* pages = new QStackedWidget(&window);
    NumberPad* pad = new NumberPad([this] { return pages->currentIndex(); }, &window);
    QString status;
    int backClicks = 0;
    TopicContext ctx{ts.services, pages, pad, &window,
                     [this](const QString& s) { status = s; }, [this] { ++backClicks; }};
    UnitsPages* units = nullptr;

    UnitsHarness()
    {
        QApplication::setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
        window.resize(800, 590);
        pages->setGeometry(0, 0, 539, 500);
        pad->move(545, 300);
        for (int i = 0; i < ExercisePageCount; ++i) {
            auto* p = new QWidget;
            p->setFixedSize(539, 500);
            pages->addWidget(p);
        }
        units = installUnitsPages(ctx);
        pages->setCurrentIndex(PageEinheiten);
    }

    template <class T> T* find(const char* name) const
    {
        T* w = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
    QLineEdit* answer() const { return find<QLineEdit>("edEinheitenAufgErg"); }
    void type(const QString& text)
    {
        QLineEdit* a = answer();
        a->selectAll();
        QTest::keyClicks(a, text);
    }
};

} // namespace quorvel::test
