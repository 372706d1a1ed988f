#include "taskpage.h"

#include "numberpad.h"
#include "pagekit.h"
#include "topiccontext.h"

#include <QApplication>
#include <algorithm>
#include <array>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace quorvel {

QStringList LineAnswer::texts() const { return {m_edit->text()}; }

void LineAnswer::clear() { m_edit->clear(); }

void LineAnswer::focus() { m_edit->setFocus(); }

struct TaskPage::Entry {
    std::unique_ptr<ExerciseSeries> series;
    SeriesTopic* topic;
    AnswerArea* answer;
    bool usesPad;
    std::function<void()> arrange;
};

TaskPage::TaskPage(TopicContext& ctx, QWidget* page, QWidget* returnPage, QWidget* buttonParent,
                   const SeriesButtonRow& row)
    : QObject(page), NotebookView<>(ctx, page, returnPage)
{
    setObjectName(page->objectName() + QStringLiteral("Frame"));
    auto button = [buttonParent](const SeriesButtonRow::Button& b, const char* caption) {
        const QRect& r = b.geometry;
        return makeButton(buttonParent, QString::fromLatin1(b.name), QString::fromUtf8(caption),
                          r.x(), r.y(), r.width(), r.height());
    };
    // Built in reading order (top to bottom, left to right), which is also the Tab order.
    struct Slot {
        const SeriesButtonRow::Button* button;
        const char* caption;
        QPushButton** made;
    };
    std::array<Slot, 3> order{{{&row.abort, "&Abbrechen", &m_abort},
                               {&row.skip, "&Überspringen", &m_skip},
                               {&row.confirm, "&Ergebnis bestätigen", &m_confirm}}};
    std::stable_sort(order.begin(), order.end(), [](const Slot& a, const Slot& b) {
        const QRect &ra = a.button->geometry, &rb = b.button->geometry;
        return std::pair(ra.y(), ra.x()) < std::pair(rb.y(), rb.x());
    });
    for (const Slot& s : order)
        *s.made = button(*s.button, s.caption);
    for (QPushButton* b : {m_abort, m_skip, m_confirm})
        b->setAutoDefault(false);
    m_confirm->setDefault(row.confirmIsDefault);
    connect(m_abort, &QPushButton::clicked, this, &TaskPage::abort);
    connect(m_skip, &QPushButton::clicked, this, &TaskPage::skip);
    connect(m_confirm, &QPushButton::clicked, this, &TaskPage::confirm);
    // Edits and radio buttons leave Return and Enter to their parents, so from anywhere in
    // the task area the keys arrive here.
    page->installEventFilter(this);
}

TaskPage::~TaskPage() = default;

int TaskPage::addSeries(SeriesTopic& topic, AnswerArea& answer, PadUse pad, QLineEdit* digits)
{
    const bool usesPad = pad != PadUse::Off;
    auto e = std::make_unique<Entry>();
    SeriesView& view = *this;
    e->series = std::make_unique<ExerciseSeries>(m_ctx.services, topic, view, usesPad);
    e->series->setResultSink(m_ctx.taskResults);
    e->topic = &topic;
    e->answer = &answer;
    e->usesPad = usesPad;
    m_entries.push_back(std::move(e));
    m_ctx.pageSeries.push_back({this, int(m_entries.size()) - 1});
    if (usesPad && !m_padRegistered && m_ctx.numberPad) {
        m_ctx.numberPad->registerTarget(
            m_page, {pad == PadUse::Digits ? digits : nullptr, [this] { confirm(); },
                     [this] { skip(); }, [this] { abort(); }});
        m_padRegistered = true;
    }
    return int(m_entries.size()) - 1;
}

void TaskPage::setArrange(int index, std::function<void()> arrange)
{
    m_entries.at(std::size_t(index))->arrange = std::move(arrange);
}

bool TaskPage::begin(int index, int taskCount)
{
    if (index < 0 || index >= int(m_entries.size()))
        return false;
    arrange(index);
    m_current = std::size_t(index);
    return current().begin(taskCount);
}

ExerciseSeries& TaskPage::series(int index) const { return *m_entries.at(std::size_t(index))->series; }

ExerciseSeries& TaskPage::current() const { return *entry().series; }

SeriesTopic& TaskPage::topic(int index) const { return *m_entries.at(std::size_t(index))->topic; }

AnswerArea& TaskPage::answer(int index) const { return *m_entries.at(std::size_t(index))->answer; }

bool TaskPage::usesNumberPad(int index) const { return m_entries.at(std::size_t(index))->usesPad; }

void TaskPage::arrange(int index) const
{
    if (const auto& a = m_entries.at(std::size_t(index))->arrange)
        a();
}

void TaskPage::lend(int index, ExerciseSeries* guest)
{
    if (index >= 0 && index < int(m_entries.size()))
        m_current = std::size_t(index);
    m_guest = guest;
}

ExerciseSeries& TaskPage::acting() const { return m_guest ? *m_guest : current(); }

const TaskPage::Entry& TaskPage::entry() const { return *m_entries.at(m_current); }

void TaskPage::confirm()
{
    if (!m_entries.empty())
        acting().confirm(entry().answer->texts());
}

void TaskPage::skip()
{
    if (!m_entries.empty())
        acting().skip();
}

void TaskPage::abort()
{
    if (!m_entries.empty())
        acting().abort();
}

bool TaskPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // A push button keeps its own keys: Enter on "&Abbrechen" never confirms.
        const bool onButton = qobject_cast<QPushButton*>(QApplication::focusWidget()) != nullptr;
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !onButton) {
            if (m_confirm->isEnabled())
                m_confirm->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TaskPage::clearAnswer() { entry().answer->clear(); }

void TaskPage::focusAnswer() { entry().answer->focus(); }

} // namespace quorvel
