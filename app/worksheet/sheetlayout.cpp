#include "sheetlayout.h"

#include <algorithm>

namespace quorvel::worksheet {

namespace {

double rowHeight(const PageGeometry& g, const LayoutInput& in)
{
    return in.stacked ? g.stackedRow : g.inlineRow;
}

int columns(const LayoutInput& in) { return in.oneColumn ? 1 : 2; }

std::vector<LaidPage> part(const PageGeometry& g, const LayoutInput& in, bool key)
{
    std::vector<LaidPage> pages;
    int next = 0;
    do {
        LaidPage page;
        page.key = key;
        page.first = pages.empty();
        const int rows = rowsPerPage(g, in, page.first);
        const int onPage = std::min(in.itemCount - next, rows * columns(in));
        // Fill the left column first; a page that is not full splits its tasks evenly.
        const int perColumn = std::max(1, (onPage + columns(in) - 1) / columns(in));
        for (int i = 0; i < onPage; ++i)
            page.items.push_back({next + i, i / perColumn, i % perColumn});
        next += onPage;
        pages.push_back(std::move(page));
    } while (next < in.itemCount);
    for (LaidPage& p : pages)
        p.partPages = int(pages.size());
    for (std::size_t i = 0; i < pages.size(); ++i)
        pages[i].partPage = int(i) + 1;
    return pages;
}

} // namespace

int rowsPerPage(const PageGeometry& g, const LayoutInput& in, bool firstPage)
{
    const double top = firstPage ? g.firstItemsTop : g.nextItemsTop;
    return std::max(1, int((g.itemsBottom - top) / rowHeight(g, in)));
}

std::vector<LaidPage> layoutPages(const PageGeometry& g, const LayoutInput& in)
{
    std::vector<LaidPage> pages = part(g, in, false);
    if (in.withKey) {
        std::vector<LaidPage> key = part(g, in, true);
        pages.insert(pages.end(), key.begin(), key.end());
    }
    return pages;
}

QRectF cellRect(const PageGeometry& g, const LayoutInput& in, const LaidPage& page,
                const PlacedItem& placed)
{
    const double w = in.oneColumn ? g.contentWidth() : (g.contentWidth() - g.columnGap) / 2;
    const double top = page.first ? g.firstItemsTop : g.nextItemsTop;
    const double h = rowHeight(g, in);
    return {g.left + placed.column * (w + g.columnGap), top + placed.row * h, w, h};
}

} // namespace quorvel::worksheet
