#pragma once
// Paints a worksheet with QPainter: onto a PDF file, a printer or an image for the preview.
// Every text is drawn as text, so a PDF keeps it selectable with its fonts embedded.

#include "sheetlayout.h"
#include "worksheet.h"

#include <QImage>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace quorvel::worksheet {

class SheetPainter {
public:
    explicit SheetPainter(Sheet sheet, PageGeometry geometry = {});

    const Sheet& sheet() const { return m_sheet; }
    const PageGeometry& geometry() const { return m_geometry; }
    const LayoutInput& layoutInput() const { return m_input; }
    const std::vector<LaidPage>& pages() const { return m_pages; }
    int pageCount() const { return int(m_pages.size()); }

    // One page, filling the painter's device (whose resolution sets the scale).
    void paintPage(QPainter& painter, int page) const;
    // All pages onto a paged device that the painter has begun on.
    void paintAll(QPainter& painter, QPagedPaintDevice& device) const;
    // A page as a picture at `dpi`, for the preview.
    QImage pageImage(int page, double dpi) const;
    // The page as words for a screen reader: the head, then "1) 12 + 7 =" line by line.
    QString pageDescription(int page) const;

private:
    Sheet m_sheet;
    PageGeometry m_geometry;
    LayoutInput m_input;
    std::vector<LaidPage> m_pages;
};

// Writes the sheet as an A4 PDF; false with a German reason when the file cannot be written.
bool writeSheetPdf(const Sheet& sheet, const QString& path, QString* error);

} // namespace quorvel::worksheet
