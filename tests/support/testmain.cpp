// Test entry: a QApplication for widget tests (offscreen), then GoogleTest.
#include "designfonts.h"

#include <QApplication>
#include <QFont>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                     : qgetenv("QT_QPA_PLATFORM"));
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // The designed families resolve to the same installed fonts as in the program.
    quorvel::installDesignedFonts();
    return RUN_ALL_TESTS();
}
