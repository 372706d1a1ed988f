#include "fractionspages.h"

#include "pagekit.h"
#include "topiccontext.h"

#include <QLabel>

namespace quorvel {

void installFractionsPages(TopicContext& ctx)
{
    QWidget* start = ctx.page(PageBruchrechnung);
    makeLabel(start, QStringLiteral("LabelBruch01"), QStringLiteral("Bruchrechnung"), 20, 16);
    addBackButton(start, QStringLiteral("BitBtnBack05"), ctx);
}

} // namespace quorvel
