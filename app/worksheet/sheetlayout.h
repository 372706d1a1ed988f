#pragma once
// Where everything of a worksheet goes on A4 portrait paper, in millimetres: the head
// of the first page of the tasks and of the key, the rows of numbered tasks in one or two
// columns, the page numbers. Plain arithmetic; the painter only draws what it says.

#include <QRectF>
#include <vector>

namespace quorvel::worksheet {

struct PageGeometry {
    double width = 210, height = 297;
    double left = 18, right = 18;
    double top = 14;
    double firstItemsTop = 50; // below name line, title and instruction
    double nextItemsTop = 28;  // below the short head of a following page
    double itemsBottom = 297 - 20;
    double footerBaseline = 297 - 11;
    double columnGap = 8;
    double inlineRow = 12;  // a row of plain tasks
    double stackedRow = 19; // a row with fractions
    double contentWidth() const { return width - left - right; }
};

struct LayoutInput {
    int itemCount = 0;
    bool stacked = false;   // the tasks hold fractions
    bool oneColumn = false; // a task is too wide for half the page
    bool withKey = true;
};

struct PlacedItem {
    int item = 0;   // index into the sheet's items
    int column = 0; // 0 left, 1 right
    int row = 0;    // on its page
};

struct LaidPage {
    bool key = false;     // a page of the answer key
    bool first = false;   // the first page of the tasks or of the key: the full head
    int partPage = 1;     // "Seite i von n" within the tasks or the key
    int partPages = 1;
    std::vector<PlacedItem> items;
};

// Rows that fit on a page below its head.
int rowsPerPage(const PageGeometry& g, const LayoutInput& in, bool firstPage);
// The task pages, then (with the key) the key pages with the same items in the same places.
// The tasks run down the left column and then down the right one of each page.
std::vector<LaidPage> layoutPages(const PageGeometry& g, const LayoutInput& in);
// The cell of a placed item on its page.
QRectF cellRect(const PageGeometry& g, const LayoutInput& in, const LaidPage& page,
                const PlacedItem& placed);

} // namespace quorvel::worksheet
