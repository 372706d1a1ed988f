#include "basicpages.h"

#include "pagekit.h"
#include "topiccontext.h"

#include <QLabel>

namespace quorvel {

void installBasicPages(TopicContext& ctx)
{
    QWidget* start = ctx.page(PageGrundrechenarten);
    makeLabel(start, QStringLiteral("LabelGrund01"), QStringLiteral("Grundrechenarten"), 20, 16);
    addBackButton(start, QStringLiteral("BitBtnBack01"), ctx);
}

} // namespace quorvel
