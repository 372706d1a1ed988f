#include "furtherkinds.h"

#include "answerfields.h"
#include "expandpage.h"
#include "expandreduce.h"
#include "fractionhelpwindows.h"
#include "fractionspages.h"
#include "ordercompare.h"
#include "orderpages.h"
#include "partpages.h"
#include "partsdecimal.h"
#include "topiccontext.h"

#include <QLineEdit>
#include <QStackedWidget>

namespace quorvel::fractions {

void installSecondFractionKinds(FractionsPages& pages)
{
    TopicContext& ctx = pages.context();
    RandomSource& random = ctx.services.random;
    MessageSink& messages = ctx.services.messages;
    QWidget* owner = ctx.helpOwner();

    auto* expandHelp = new TFormBruchErwHilfe(owner);
    auto* decimalHelp = new TFormBruchKBHilfe(owner);
    auto ruleText = [&messages](QString (*text)()) {
        return [&messages, text] { messages.showMessage(text()); };
    };

    auto* expand = new ExpandPage(pages.kindPage(PageErweitern));
    auto expandTopic = std::make_shared<ExpandReduceTopic>(
        random, [expand](const ExpandReduceTask& t) { expand->showTask(t); });
    const FractionKindBinding expandBinding{expandTopic, expand->fields(),
                                            [expandHelp] { expandHelp->showModal(); }};
    pages.registerKind(ItemErweitern, expandBinding);
    pages.registerKind(ItemKuerzen, expandBinding);

    auto* order = new OrderPage(pages.kindPage(PageOrdnen));
    pages.registerKind(ItemOrdnen,
                       {std::make_shared<OrderingTopic>(
                            random, [order](const OrderingTask& t) { order->showTask(t); }),
                        order->fields(), ruleText(orderingRuleText)});

    auto* compare = new ComparePage(pages.kindPage(PageVergleich));
    pages.registerKind(ItemVergleichen,
                       {std::make_shared<ComparingTopic>(
                            random, [compare](const ComparingTask& t) { compare->showTask(t); }),
                        compare->fields(), ruleText(comparingRuleText)});

    auto* part = new PartPage(pages.kindPage(PageBruchteile));
    pages.registerKind(ItemBruchteile,
                       {std::make_shared<FractionPartTopic>(
                            random, [part](const FractionPartTask& t) { part->showTask(t); }),
                        part->fields(), ruleText(fractionPartRuleText)});
    // These edits take any key; Enter still confirms, through the task page.

    auto* decimal = new DecimalPage(pages.kindPage(PageKommaBruch));
    auto decimalTopic = std::make_shared<DecimalTopic>(
        random, [decimal](DecimalDirection d) { decimal->arrange(d); },
        [decimal](const DecimalTask& t) { decimal->showTask(t); });
    const FractionKindBinding decimalBinding{decimalTopic, decimal->fields(),
                                             [decimalHelp] { decimalHelp->showModal(); }};
    pages.registerKind(ItemKommaBruch, decimalBinding);
    pages.registerKind(ItemBruchKomma, decimalBinding);
}

} // namespace quorvel::fractions
