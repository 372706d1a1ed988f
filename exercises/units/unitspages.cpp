#include "unitspages.h"

#include "pagekit.h"
#include "topiccontext.h"

#include <QLabel>

namespace quorvel {

void installUnitsPages(TopicContext& ctx)
{
    QWidget* start = ctx.page(PageEinheiten);
    makeLabel(start, QStringLiteral("LabelEinheiten01"), QStringLiteral("Aufgabenstellung:     Einheiten"), 20, 16);
    addBackButton(start, QStringLiteral("BitBtnBack02"), ctx);
}

} // namespace quorvel
