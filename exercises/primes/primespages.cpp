#include "primespages.h"

#include "pagekit.h"
#include "topiccontext.h"

#include <QLabel>

namespace quorvel {

void installPrimesPages(TopicContext& ctx)
{
    QWidget* start = ctx.page(PagePrimfaktoren);
    makeLabel(start, QStringLiteral("LabelPrimFak01"), QStringLiteral("Primfaktoren"), 20, 16);
    addBackButton(start, QStringLiteral("BitBtnBack04"), ctx);
}

} // namespace quorvel
