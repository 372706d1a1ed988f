#include "numbersystemspages.h"

#include "pagekit.h"
#include "topiccontext.h"

#include <QLabel>

namespace quorvel {

void installNumberSystemsPages(TopicContext& ctx)
{
    QWidget* start = ctx.page(PageZahlensysteme);
    makeLabel(start, QStringLiteral("LabelZahlen01"), QStringLiteral("Zahlensysteme"), 20, 16);
    addBackButton(start, QStringLiteral("BitBtnBack03"), ctx);
}

} // namespace quorvel
