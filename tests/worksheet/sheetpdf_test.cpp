// The PDF as a reader gets it: pdftotext's words, put back together per task cell, give
// the sheet's own text form, and every key answer follows from the task read there.
#include "sheetcheck.h"
#include "sheetpaint.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <gtest/gtest.h>

using namespace quorvel::worksheet;

namespace {

struct Word { double x0, y0, x1, y1; QString text; };
using PageWords = std::vector<std::vector<Word>>;

PageWords pdfWords(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(p.waitForFinished(30000));
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    PageWords pages;
    static const QRegularExpression tag(QStringLiteral(
        "<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            pages.emplace_back();
            continue;
        }
        pages.back().push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                                m.captured(4).toDouble(), QTextDocumentFragment::fromHtml(m.captured(5)).toPlainText()});
    }
    return pages;
}

// A cell's words as one line: words beside the number are read as they stand, those above
// and below it as numerators and denominators, paired where they stand over each other.
QString cellText(const std::vector<Word>& words, const QRectF& cellPt)
{
    std::vector<Word> in;
    for (const Word& w : words)
        if (cellPt.contains(QPointF((w.x0 + w.x1) / 2, (w.y0 + w.y1) / 2)))
            in.push_back(w);
    const auto label = std::find_if(in.begin(), in.end(), [](const Word& w) {
        return QRegularExpression(QStringLiteral("^\\d+\\)$")).match(w.text).hasMatch();
    });
    if (label == in.end())
        return {};
    const double cy = (label->y0 + label->y1) / 2, h = label->y1 - label->y0;
    std::vector<Word> line, above, below;
    for (const Word& w : in) {
        const double c = (w.y0 + w.y1) / 2;
        (c < cy - 0.3 * h ? above : c > cy + 0.3 * h ? below : line).push_back(w);
    }
    std::vector<std::pair<double, QString>> tokens;
    for (const Word& w : line)
        tokens.push_back({w.x0, w.text});
    std::vector<bool> used(below.size());
    for (const Word& a : above) {
        const double ac = (a.x0 + a.x1) / 2;
        QString den;
        for (std::size_t i = 0; i < below.size(); ++i)
            if (!used[i] && std::abs((below[i].x0 + below[i].x1) / 2 - ac) < 8) {
                den = below[i].text;
                used[i] = true;
                break;
            }
        tokens.push_back({std::min(a.x0, ac - 1), a.text + QLatin1Char('/') + den});
    }
    for (std::size_t i = 0; i < below.size(); ++i)
        if (!used[i])
            tokens.push_back({below[i].x0, QLatin1Char('/') + below[i].text});
    std::sort(tokens.begin(), tokens.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList out;
    for (const auto& t : tokens)
        out << t.second;
    return out.join(QLatin1Char(' '));
}

QRectF toPoints(const QRectF& mm)
{
    const double k = 72 / 25.4;
    return {mm.x() * k, mm.y() * k, mm.width() * k, mm.height() * k};
}

// The task lines and key lines read back from a written PDF.
std::pair<QStringList, QStringList> readBack(const SheetPainter& painter, const QString& pdf)
{
    const PageWords words = pdfWords(pdf);
    EXPECT_EQ(int(words.size()), painter.pageCount());
    QStringList tasks, keys;
    for (int p = 0; p < painter.pageCount() && p < int(words.size()); ++p) {
        const LaidPage& page = painter.pages()[std::size_t(p)];
        std::vector<std::pair<int, QString>> lines;
        for (const PlacedItem& placed : page.items)
            lines.push_back({placed.item, cellText(words[std::size_t(p)],
                                                   toPoints(cellRect(painter.geometry(), painter.layoutInput(), page, placed)))});
        for (const auto& [item, text] : lines)
            (page.key ? keys : tasks) << text;
    }
    return {tasks, keys};
}

QString allText(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

TEST(SheetPdf, EachTopicReadsBackAsItsTextAndItsKeyFollowsFromIt)
{
    QTemporaryDir dir;
    // One kind of each topic, and every shape a task can take (gaps, units, boxes in
    // fractions, places, relations, factor lists).
    const char* const codes[] = {
        "grundrechnen:gemischt", "grundrechnen:luecken-dividieren", "einheiten:flaechen",
        "zahlensysteme:dual", "primfaktoren:primfaktorzerlegung", "primfaktoren:teilbarkeit",
        "primfaktoren:ggt", "brueche:gemischt", "brueche:erweitern", "brueche:kuerzen", "brueche:ordnen",
        "brueche:vergleichen", "brueche:bruchteile", "brueche:kommazahl-bruchzahl", "brueche:bruchzahl-kommazahl"};
    for (const char* code : codes) {
        SCOPED_TRACE(code);
        SheetSettings s;
        s.kind = *findKind(QString::fromLatin1(code));
        s.count = 30;
        s.number = 321;
        s.difficulty = 1;
        s.lower = -50;
        s.upper = 50;
        const Sheet sheet = makeSheet(s);
        const QString pdf = dir.filePath(QString::fromLatin1(code).replace(QLatin1Char(':'), QLatin1Char('_')) + ".pdf");
        QString error;
        ASSERT_TRUE(writeSheetPdf(sheet, pdf, &error)) << qPrintable(error);
        const SheetPainter painter(sheet);
        const auto [tasks, keys] = readBack(painter, pdf);
        EXPECT_EQ(tasks, sheet.taskLines());
        EXPECT_EQ(keys, sheet.keyLines());
        const SheetKind& kind = sheetKinds()[std::size_t(s.kind)];
        for (int i = 0; i < tasks.size() && i < keys.size(); ++i) {
            const QString task = tasks[i].section(QLatin1Char(' '), 1), key = keys[i].section(QLatin1Char(' '), 1);
            if (kind.topic == Topic::Units)
                EXPECT_TRUE(sheetcheck::unitAnswerClose(task, key)) << qPrintable(key);
            else
                EXPECT_EQ(key, sheetcheck::keyFor(kind, task)) << qPrintable(task);
        }
        const QString text = allText(pdf);
        EXPECT_TRUE(text.contains(QStringLiteral("Name: ______")));
        EXPECT_TRUE(text.contains(QStringLiteral("Datum: ______")));
        EXPECT_TRUE(text.contains(QStringLiteral("Blatt Nr. 321")));
        EXPECT_TRUE(text.contains(QStringLiteral("Seite 1 von ")));
        EXPECT_TRUE(text.contains(QStringLiteral("Lösungen: ") + sheet.title));
    }
}

TEST(SheetPdf, TheSameNumberGivesByteIdenticalText)
{
    QTemporaryDir dir;
    SheetSettings s;
    s.kind = *findKind(QStringLiteral("brueche:addieren"));
    s.count = 60;
    s.number = 99;
    ASSERT_TRUE(writeSheetPdf(makeSheet(s), dir.filePath("a.pdf"), nullptr));
    ASSERT_TRUE(writeSheetPdf(makeSheet(s), dir.filePath("b.pdf"), nullptr));
    const QString a = allText(dir.filePath("a.pdf"));
    EXPECT_FALSE(a.isEmpty());
    EXPECT_EQ(a.toUtf8(), allText(dir.filePath("b.pdf")).toUtf8());
    s.number = 100;
    ASSERT_TRUE(writeSheetPdf(makeSheet(s), dir.filePath("c.pdf"), nullptr));
    EXPECT_NE(a, allText(dir.filePath("c.pdf")));
}

TEST(SheetPdf, PagesKeyAndFonts)
{
    QTemporaryDir dir;
    struct Case { int count; bool key; int pages; };
    // 60 plain tasks need more than one page of two columns; the key repeats the pages.
    for (const Case c : {Case{1, true, 2}, Case{20, false, 1}, Case{60, true, 4}, Case{60, false, 2}}) {
        SheetSettings s;
        s.kind = *findKind(QStringLiteral("grundrechnen:addieren"));
        s.count = c.count;
        s.withKey = c.key;
        const SheetPainter painter(makeSheet(s));
        EXPECT_EQ(painter.pageCount(), c.pages) << c.count;
        ASSERT_TRUE(writeSheetPdf(painter.sheet(), dir.filePath("p.pdf"), nullptr));
        const QString text = allText(dir.filePath("p.pdf"));
        EXPECT_EQ(text.contains(QStringLiteral("Lösungen")), c.key);
        EXPECT_TRUE(text.contains(QStringLiteral("Seite %1 von %1").arg(c.key ? c.pages / 2 : c.pages)));
    }
    QProcess fonts;
    fonts.start(QStringLiteral("pdffonts"), {dir.filePath("p.pdf")});
    fonts.waitForFinished(30000);
    const QStringList lines = QString::fromUtf8(fonts.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GT(lines.size(), 2);
    for (const QString& line : lines.mid(2))
        EXPECT_TRUE(line.contains(QRegularExpression(QStringLiteral("\\byes\\b")))) << qPrintable(line); // embedded
}

TEST(SheetPdf, AFileThatCannotBeWrittenIsReported)
{
    SheetSettings s;
    QString error;
    EXPECT_FALSE(writeSheetPdf(makeSheet(s), QStringLiteral("/nonexistent-folder/blatt.pdf"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("kann nicht geschrieben werden"))) << qPrintable(error);
    EXPECT_TRUE(error.contains(QStringLiteral("/nonexistent-folder/blatt.pdf")));
}
