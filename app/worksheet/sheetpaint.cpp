#include "sheetpaint.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace quorvel::worksheet {

namespace {

QFont sheetFont(double points, bool bold = false)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

constexpr double kItemPoints = 12;

// Millimetres on a device of a given resolution.
struct Scale {
    double dpi;
    double operator()(double mm) const { return mm * dpi / 25.4; }
    double toMm(double px) const { return px * 25.4 / dpi; }
};

// Sizes of the pieces of one task, in device units.
struct PieceMetrics {
    QFontMetricsF fm;
    Scale s;
    double pad() const { return s(1.0); }
    double digit() const { return fm.horizontalAdvance(QLatin1Char('0')); }
    double boxWidth(int chars) const { return chars * digit() + 2 * pad(); }
    double partWidth(const Piece& p, bool numerator, bool answers) const
    {
        const bool isBox = numerator ? p.numeratorBox : p.denominatorBox;
        const QString& t = numerator ? p.numerator : p.denominator;
        if (isBox && !answers)
            return boxWidth(p.boxWidth);
        return fm.horizontalAdvance(t);
    }
    double width(const Piece& p, bool answers) const
    {
        switch (p.kind) {
        case Piece::Text:
            return fm.horizontalAdvance(p.text);
        case Piece::Box:
            return answers ? fm.horizontalAdvance(p.text) : boxWidth(p.boxWidth);
        case Piece::Fraction:
            return std::max(partWidth(p, true, answers), partWidth(p, false, answers)) + 2 * pad();
        }
        return 0;
    }
};

QString labelText(int item) { return QStringLiteral("%1)").arg(item + 1); }

double itemWidthMm(const SheetItem& item, int index, bool answers)
{
    // Measured on a 300 dpi picture, as the sheet's pages are.
    static QImage reference = [] {
        QImage img(1, 1, QImage::Format_RGB32);
        img.setDotsPerMeterX(11811);
        img.setDotsPerMeterY(11811);
        return img;
    }();
    const Scale s{300};
    PieceMetrics m{QFontMetricsF(sheetFont(kItemPoints), &reference), s};
    double w = m.fm.horizontalAdvance(QStringLiteral("60) "));
    (void)index;
    for (const Piece& p : item.pieces)
        w += m.width(p, answers) + m.fm.horizontalAdvance(QLatin1Char(' '));
    return s.toMm(w);
}

void drawItem(QPainter& painter, const Scale& s, const QRectF& cellMm, const SheetItem& item,
              int index, bool answers)
{
    const QFont plain = sheetFont(kItemPoints);
    QFont bold = plain;
    bold.setBold(true);
    painter.setFont(plain);
    PieceMetrics m{QFontMetricsF(plain, painter.device()), s};
    QFontMetricsF boldMetrics(bold, painter.device());
    const double axis = s(cellMm.center().y());
    const double inlineBaseline = axis + m.fm.xHeight() / 2;
    const double space = m.fm.horizontalAdvance(QLatin1Char(' '));
    const double barGap = s(0.9);
    const double cap = m.fm.capHeight();
    QPen line(Qt::black, s(0.25));
    painter.setPen(line);

    double x = s(cellMm.left());
    const QString label = labelText(index);
    const double labelColumn = m.fm.horizontalAdvance(QStringLiteral("60)")) + space;
    painter.drawText(QPointF(x + labelColumn - space - m.fm.horizontalAdvance(label), inlineBaseline), label);
    x += labelColumn;

    auto answerText = [&](const QString& t, double left, double baseline, double room) {
        painter.setFont(bold);
        const double w = boldMetrics.horizontalAdvance(t);
        painter.drawText(QPointF(left + (room - w) / 2, baseline), t);
        painter.setFont(plain);
    };
    auto boxRect = [&](double left, double top, int chars) {
        return QRectF(left, top, m.boxWidth(chars), cap + 2 * s(1.3));
    };

    for (const Piece& p : item.pieces) {
        switch (p.kind) {
        case Piece::Text:
            painter.drawText(QPointF(x, inlineBaseline), p.text);
            x += m.fm.horizontalAdvance(p.text);
            break;
        case Piece::Box:
            if (answers) {
                const double w = boldMetrics.horizontalAdvance(p.text);
                answerText(p.text, x, inlineBaseline, w);
                x += w;
            } else {
                const QRectF r = boxRect(x, axis - (cap + 2 * s(1.3)) / 2, p.boxWidth);
                painter.drawRect(r);
                x += r.width();
            }
            break;
        case Piece::Fraction: {
            const double w = m.width(p, answers);
            painter.drawLine(QPointF(x, axis), QPointF(x + w, axis));
            const double nb = axis - barGap - m.fm.descent();
            const double db = axis + barGap + cap;
            if (p.numeratorBox && !answers) {
                const QRectF r = boxRect(x + m.pad(), 0, p.boxWidth);
                painter.drawRect(r.translated(0, axis - barGap - r.height()));
            } else if (p.numeratorBox) {
                answerText(p.numerator, x, nb, w);
            } else {
                painter.drawText(QPointF(x + (w - m.fm.horizontalAdvance(p.numerator)) / 2, nb), p.numerator);
            }
            if (p.denominatorBox && !answers) {
                painter.drawRect(boxRect(x + m.pad(), axis + barGap, p.boxWidth));
            } else if (p.denominatorBox) {
                answerText(p.denominator, x, db, w);
            } else {
                painter.drawText(QPointF(x + (w - m.fm.horizontalAdvance(p.denominator)) / 2, db), p.denominator);
            }
            x += w;
            break;
        }
        }
        x += space;
    }
}

QString headTitle(const Sheet& sheet, bool key)
{
    return key ? QStringLiteral("Lösungen: ") + sheet.title : sheet.title;
}

QString numberText(const Sheet& sheet) { return QStringLiteral("Blatt Nr. %1").arg(sheet.number); }

} // namespace

SheetPainter::SheetPainter(Sheet sheet, PageGeometry geometry)
    : m_sheet(std::move(sheet)), m_geometry(geometry)
{
    m_input.itemCount = int(m_sheet.items.size());
    m_input.withKey = m_sheet.withKey;
    const double half = (m_geometry.contentWidth() - m_geometry.columnGap) / 2;
    for (std::size_t i = 0; i < m_sheet.items.size(); ++i) {
        const SheetItem& item = m_sheet.items[i];
        m_input.stacked = m_input.stacked || item.stacked();
        const double w = std::max(itemWidthMm(item, int(i), false), itemWidthMm(item, int(i), true));
        m_input.oneColumn = m_input.oneColumn || w > half;
    }
    m_pages = layoutPages(m_geometry, m_input);
}

void SheetPainter::paintPage(QPainter& painter, int index) const
{
    if (index < 0 || index >= pageCount())
        return;
    const LaidPage& page = m_pages[std::size_t(index)];
    const PageGeometry& g = m_geometry;
    const Scale s{double(painter.device()->logicalDpiX())};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QPen(Qt::black, s(0.25)));
    const double left = s(g.left), right = s(g.width - g.right);

    auto drawRight = [&](const QString& t, double baseline) {
        painter.drawText(QPointF(right - QFontMetricsF(painter.font(), painter.device()).horizontalAdvance(t), baseline), t);
    };

    if (page.first) {
        double baseline = s(g.top + 5);
        if (!page.key) {
            painter.setFont(sheetFont(11));
            const QFontMetricsF fm(painter.font(), painter.device());
            // The blanks are long enough to write in: the lines go on past the underscores.
            const QString name = QStringLiteral("Name: ______");
            const QString date = QStringLiteral("  Datum: ______");
            painter.drawText(QPointF(left, baseline), name);
            const double nameEnd = left + fm.horizontalAdvance(name);
            const double dateLeft = s(g.left + 110);
            painter.drawLine(QPointF(nameEnd, baseline + fm.underlinePos()),
                             QPointF(dateLeft - s(4), baseline + fm.underlinePos()));
            painter.drawText(QPointF(dateLeft - fm.horizontalAdvance(QStringLiteral("  ")), baseline), date);
            painter.drawLine(QPointF(dateLeft - fm.horizontalAdvance(QStringLiteral("  ")) + fm.horizontalAdvance(date),
                                     baseline + fm.underlinePos()),
                             QPointF(right, baseline + fm.underlinePos()));
        }
        baseline = s(g.top + 19);
        painter.setFont(sheetFont(17, true));
        painter.drawText(QPointF(left, baseline), headTitle(m_sheet, page.key));
        painter.setFont(sheetFont(11));
        drawRight(numberText(m_sheet), baseline);
        painter.drawLine(QPointF(left, s(g.top + 22)), QPointF(right, s(g.top + 22)));
        if (!m_sheet.instruction.isEmpty()) {
            QFont f = sheetFont(11);
            f.setItalic(true);
            painter.setFont(f);
            painter.drawText(QRectF(left, s(g.top + 24), right - left, s(g.firstItemsTop - g.top - 26)),
                             Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, m_sheet.instruction);
        }
    } else {
        const double baseline = s(g.top + 6);
        painter.setFont(sheetFont(11, true));
        painter.drawText(QPointF(left, baseline), headTitle(m_sheet, page.key));
        painter.setFont(sheetFont(11));
        drawRight(numberText(m_sheet), baseline);
        painter.drawLine(QPointF(left, s(g.top + 9)), QPointF(right, s(g.top + 9)));
    }

    for (const PlacedItem& placed : page.items)
        drawItem(painter, s, cellRect(g, m_input, page, placed), m_sheet.items[std::size_t(placed.item)],
                 placed.item, page.key);

    painter.setFont(sheetFont(10));
    const QString footer = QStringLiteral("Seite %1 von %2").arg(page.partPage).arg(page.partPages);
    const double fw = QFontMetricsF(painter.font(), painter.device()).horizontalAdvance(footer);
    painter.drawText(QPointF((s(g.width) - fw) / 2, s(g.footerBaseline)), footer);
    painter.restore();
}

void SheetPainter::paintAll(QPainter& painter, QPagedPaintDevice& device) const
{
    for (int i = 0; i < pageCount(); ++i) {
        if (i > 0)
            device.newPage();
        paintPage(painter, i);
    }
}

QImage SheetPainter::pageImage(int page, double dpi) const
{
    const Scale s{dpi};
    QImage img(int(s(m_geometry.width)), int(s(m_geometry.height)), QImage::Format_RGB32);
    const int dpm = int(dpi / 0.0254 + 0.5);
    img.setDotsPerMeterX(dpm);
    img.setDotsPerMeterY(dpm);
    img.fill(Qt::white);
    QPainter p(&img);
    paintPage(p, page);
    return img;
}

QString SheetPainter::pageDescription(int index) const
{
    if (index < 0 || index >= pageCount())
        return {};
    const LaidPage& page = m_pages[std::size_t(index)];
    QStringList lines;
    lines << headTitle(m_sheet, page.key) + QStringLiteral(", ") + numberText(m_sheet);
    if (page.first)
        lines << m_sheet.instruction;
    for (const PlacedItem& placed : page.items) {
        const SheetItem& item = m_sheet.items[std::size_t(placed.item)];
        lines << labelText(placed.item) + QLatin1Char(' ') + (page.key ? item.answerText() : item.taskText());
    }
    lines << QStringLiteral("Seite %1 von %2").arg(page.partPage).arg(page.partPages);
    return lines.join(QLatin1Char('\n'));
}

bool writeSheetPdf(const Sheet& sheet, const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (error)
            *error = QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: %2")
                         .arg(path, file.errorString());
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        writer.setResolution(300);
        writer.setTitle(sheet.title + QStringLiteral(", ") + numberText(sheet));
        writer.setCreator(QStringLiteral("Quorvel"));
        const SheetPainter painter(sheet);
        QPainter p;
        if (!p.begin(&writer)) {
            if (error)
                *error = QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden.").arg(path);
            return false;
        }
        painter.paintAll(p, writer);
        p.end();
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: %2")
                         .arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace quorvel::worksheet
