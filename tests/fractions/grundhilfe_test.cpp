// "Hilfe: Grundrechnen mit Brüchen": size, flags, tabs, texts and the pictures with their
// descriptions; a screenshot of the pictures for a look by eye (QUORVEL_SHOT_DIR).
#include "grundhilfe.h"

#include <QLabel>
#include <QPixmap>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace quorvel::fractions;

TEST(GrundHilfe, SizeFlagsTabsAndTexts)
{
    QWidget main;
    main.setGeometry(100, 50, 800, 600);
    TFormBruchGrundHilfe w(&main);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Hilfe: Grundrechnen mit Brüchen"));
    EXPECT_EQ(w.size(), QSize(410, 250));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(w.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(w.centredOn(QRect(100, 50, 800, 600)), QPoint(100 + 195, 50 + 175));
    QTabWidget* tabs = w.pageControl();
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->currentIndex(), 0);
    const QStringList captions{"Addieren", "Subtrahieren", "Multiplizieren", "Dividieren"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(tabs->tabText(i), captions[i]);
    EXPECT_TRUE(w.findChild<QLabel*>(QStringLiteral("Label01"))->text().startsWith(
        QStringLiteral("Um Brüche addieren zu können ist es notwendig, das man")));
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("Label04"))->text(),
              w.findChild<QLabel*>(QStringLiteral("Label02"))->text());
    EXPECT_EQ(w.findChild<QLabel*>(QStringLiteral("Label06"))->size(), QSize(385, 97));
    for (int i = 0; i < 8; ++i) {
        QLabel* img = w.image(i);
        ASSERT_NE(img, nullptr);
        EXPECT_EQ(img->objectName(), QStringLiteral("Image0%1").arg(i + 1));
        EXPECT_EQ(img->accessibleName(), formulaText(helpFormula(i)));
        EXPECT_FALSE(img->pixmap().isNull());
    }
    EXPECT_EQ(w.image(4)->size(), QSize(120, 49));
    EXPECT_TRUE(w.image(6)->accessibleDescription().contains(QStringLiteral("15 zu 5")));

    // Every picture and text fits inside its tab.
    w.show();
    for (int t = 0; t < 4; ++t) {
        tabs->setCurrentIndex(t);
        QWidget* sheet = tabs->widget(t);
        for (QLabel* l : sheet->findChildren<QLabel*>()) {
            const QRect r(l->mapTo(sheet, QPoint(0, 0)), l->size());
            EXPECT_TRUE(sheet->rect().contains(r)) << l->objectName().toStdString();
            if (l->wordWrap()) {
                EXPECT_GE(l->height(), l->heightForWidth(l->width())) << l->objectName().toStdString();
            }
        }
    }
    if (const QByteArray dir = qgetenv("QUORVEL_SHOT_DIR"); !dir.isEmpty()) {
        for (int t = 0; t < 4; ++t) {
            tabs->setCurrentIndex(t);
            w.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/grundhilfe%1.png").arg(t));
        }
    }
    w.hide();
}

TEST(GrundHilfe, StruckNumbersAreDrawnInTheirColours)
{
    const QPixmap pm = renderFormula(helpFormula(6));
    const QImage img = pm.toImage();
    int green = 0, red = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            green += c.green() > 120 && c.red() < 80 && c.blue() < 80;
            red += c.red() > 150 && c.green() < 80 && c.blue() < 80;
        }
    EXPECT_GT(green, 20);
    EXPECT_GT(red, 20);
    const QImage plain = renderFormula(helpFormula(0)).toImage();
    int coloured = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            const QColor c = plain.pixelColor(x, y);
            coloured += std::abs(c.red() - c.green()) > 40 || std::abs(c.green() - c.blue()) > 40;
        }
    EXPECT_EQ(coloured, 0);
}
