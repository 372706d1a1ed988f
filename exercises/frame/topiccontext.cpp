#include "topiccontext.h"

#include "numberpad.h"
#include "pagekit.h"

#include <QPushButton>
#include <QStackedWidget>

namespace quorvel {

QWidget* TopicContext::page(const QString& name) const
{
    for (int i = 0; i < exercisePages->count(); ++i)
        if (exercisePages->widget(i)->objectName() == name)
            return exercisePages->widget(i);
    qFatal("The exercise notebook has no page %s", qPrintable(name));
}

void TopicContext::showPage(QWidget* page) const { exercisePages->setCurrentWidget(page); }

void TopicContext::setNumberPadEnabled(bool on) const
{
    if (numberPad)
        numberPad->setPadEnabled(on);
}

void TopicContext::showStatusText(const QString& text) const
{
    if (setStatusText)
        setStatusText(text);
}

void TopicContext::announceRightAnswer() const
{
    if (announceRight)
        announceRight();
}

QWidget* TopicContext::helpOwner() const
{
    return mainWindow ? mainWindow : exercisePages->window();
}

QPushButton* addBackButton(QWidget* page, const QString& objectName, TopicContext& ctx,
                           const QString& hint)
{
    QPushButton* b = makeButton(page, objectName, QStringLiteral("&Zurück zur Auswahl"), 20, 440,
                                200, 30);
    QFont f = b->font();
    f.setBold(true);
    f.setPointSize(10);
    b->setFont(f);
    if (!hint.isEmpty())
        setHint(b, hint);
    QObject::connect(b, &QPushButton::clicked, page, [&ctx] {
        if (ctx.backToSelection)
            ctx.backToSelection();
    });
    return b;
}

} // namespace quorvel
