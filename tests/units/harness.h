#pragma once
// The unit pages built as the main window builds them: a stack of fourteen empty
// 539 x 500 pages, the number pad, recorded services.
#include "pageharness.h"
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

struct UnitsHarness : PageHarness {
    UnitsPages* units = nullptr;

    UnitsHarness()
    {
        QApplication::setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
        units = installUnitsPages(ctx);
        pages->setCurrentIndex(PageEinheiten);
    }

    QLineEdit* answer() const { return find<QLineEdit>("edEinheitenAufgErg"); }
    void type(const QString& text)
    {
        QLineEdit* a = answer();
        a->selectAll();
        QTest::keyClicks(a, text);
    }
};

} // namespace quorvel::test
