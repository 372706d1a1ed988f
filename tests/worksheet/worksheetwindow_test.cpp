// The window "Arbeitsblatt": its choices follow the kind, the sheet it saves is the one the
// settings give, refusals reach the message window and nothing is written.
#include "worksheetwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace quorvel::worksheet;

TEST(WorksheetWindow, ChoicesFollowTheKindAndTheSheetFollowsTheChoices)
{
    QStringList notices;
    TFormArbeitsblatt w([&](const QString& t) { notices << t; });
    auto* kind = w.findChild<QComboBox*>(QStringLiteral("cbBlattArt"));
    auto* lower = w.findChild<QSpinBox*>(QStringLiteral("spBlattVon"));
    auto* level = w.findChild<QComboBox*>(QStringLiteral("cbBlattStufe"));
    auto* title = w.findChild<QLineEdit*>(QStringLiteral("edBlattTitel"));
    ASSERT_TRUE(kind && lower && level && title);
    EXPECT_EQ(w.findChild<QSpinBox*>(QStringLiteral("spBlattAnzahl"))->value(), 20);
    EXPECT_EQ(w.findChild<QSpinBox*>(QStringLiteral("spBlattAnzahl"))->maximum(), 60);
    EXPECT_TRUE(w.findChild<QCheckBox*>(QStringLiteral("cbBlattLoesungen"))->isChecked());
    EXPECT_GE(w.previewPageCount(), 2); // the preview shows at once

    struct Case { const char* code; bool range, level; };
    for (const Case c : {Case{"grundrechnen:dividieren", true, false}, Case{"brueche:ordnen", false, true},
                         Case{"einheiten:zeiten", false, true}}) {
        const int k = *findKind(QString::fromLatin1(c.code));
        w.selectKind(k);
        EXPECT_EQ(w.settings().kind, k);
        EXPECT_EQ(!lower->isHidden(), c.range) << c.code;
        EXPECT_EQ(!level->isHidden(), c.level) << c.code;
        EXPECT_EQ(title->text(), QString::fromUtf8(sheetKinds()[std::size_t(k)].kindName));
    }
    title->setText(QStringLiteral("Klasse 6c"));
    w.selectKind(*findKind(QStringLiteral("brueche:vergleichen")));
    EXPECT_EQ(title->text(), QStringLiteral("Klasse 6c")); // the teacher's own title stays
    level->setCurrentIndex(2);
    w.findChild<QSpinBox*>(QStringLiteral("spBlattNummer"))->setValue(42);
    const SheetSettings s = w.settings();
    EXPECT_EQ(s.difficulty, 2);
    EXPECT_EQ(s.number, 42u);

    QTemporaryDir dir;
    QString suggested;
    w.setSavePathAsker([&](QWidget*, const QString& sug) { suggested = sug; return dir.filePath("b.pdf"); });
    ASSERT_TRUE(w.btnBlattPdfClick());
    EXPECT_TRUE(suggested.endsWith(QStringLiteral("Arbeitsblatt-brueche-vergleichen-42.pdf")));
    EXPECT_GT(QFileInfo(dir.filePath("b.pdf")).size(), 1000);
    ASSERT_TRUE(w.btnBlattVorschauClick());
    EXPECT_EQ(w.previewPageCount(), SheetPainter(makeSheet(s)).pageCount());
    auto* first = w.findChild<QLabel*>(QStringLiteral("lblBlattSeite1"));
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->accessibleDescription().contains(makeSheet(s).taskLines().first()));
    EXPECT_TRUE(notices.isEmpty());
}

TEST(WorksheetWindow, ARefusedRangeIsNoticedAndNothingIsWritten)
{
    QStringList notices;
    TFormArbeitsblatt w([&](const QString& t) { notices << t; });
    w.selectKind(*findKind(QStringLiteral("grundrechnen:addieren")));
    w.findChild<QSpinBox*>(QStringLiteral("spBlattVon"))->setValue(90);
    w.findChild<QSpinBox*>(QStringLiteral("spBlattBis"))->setValue(10);
    bool asked = false;
    w.setSavePathAsker([&](QWidget*, const QString&) { asked = true; return QString(); });
    EXPECT_FALSE(w.btnBlattPdfClick());
    EXPECT_FALSE(asked);
    EXPECT_FALSE(w.btnBlattVorschauClick());
    ASSERT_EQ(notices.size(), 2);
    EXPECT_TRUE(notices[0].contains(QStringLiteral("untere Grenze")));
    notices.clear();
    w.findChild<QSpinBox*>(QStringLiteral("spBlattVon"))->setValue(0);
    EXPECT_FALSE(w.savePdf(QStringLiteral("/nonexistent-folder/x.pdf")));
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains(QStringLiteral("kann nicht geschrieben werden")));
}
