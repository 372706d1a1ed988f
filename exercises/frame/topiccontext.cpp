#include "topiccontext.h"
#include "numberpad.h"

#include <QLineEdit>
#include <QStackedWidget>

namespace quorvel {

QWidget* TopicContext::page(int index) const { return exercisePages->widget(index); }

void TopicContext::showPage(int index) const { exercisePages->setCurrentIndex(index); }

int TopicContext::currentPage() const { return exercisePages->currentIndex(); }

SeriesView TopicContext::seriesView(QLineEdit* answer) const
{
    SeriesView v;
    v.setStatusText = setStatusText;
    v.showPage = [this](int i) { showPage(i); };
    v.setNumberPadEnabled = [pad = numberPad](bool on) {
        if (pad)
            pad->setPadEnabled(on);
    };
    v.clearAnswer = [answer] { if (answer) answer->clear(); };
    v.focusAnswer = [answer] { if (answer) answer->setFocus(); };
    v.announceRight = announceRight;
    return v;
}

} // namespace quorvel
