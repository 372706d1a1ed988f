#pragma once
// The skeleton of every task page: the row of "&Abbrechen", "&Überspringen" and
// "&Ergebnis bestätigen", Enter anywhere in the task area, the number pad's target and
// the focus on the answer. A topic page builds only its task area and answer fields and
// adds a series for each topic that runs on the page.

#include "series.h"
#include "topiccontext.h"

#include <QObject>
#include <QRect>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QLineEdit;
class QPushButton;
class QWidget;

namespace quorvel {

// Where a page puts its three buttons: object names and places, as data.
struct SeriesButtonRow {
    struct Button {
        const char* name;
        QRect geometry;
    };
    Button abort, skip, confirm;
    // The confirm button is drawn as the default button of the page.
    bool confirmIsDefault = true;
};

// What a topic's task area hands the frame: how to read, empty and focus its answer.
class AnswerArea {
public:
    virtual ~AnswerArea() = default;
    virtual QStringList texts() const = 0;
    virtual void clear() = 0;
    virtual void focus() = 0;
};

// An answer typed into one line edit.
class LineAnswer final : public AnswerArea {
public:
    explicit LineAnswer(QLineEdit* edit) : m_edit(edit) {}
    QStringList texts() const override;
    void clear() override;
    void focus() override;

private:
    QLineEdit* m_edit;
};

// How a series uses the number pad beside the task pages.
enum class PadUse {
    Off,      // the pad stays off
    Commands, // the pad's three command buttons act on this page, its digits do nothing
    Digits,   // the commands, and the digits type into the answer field
};

// The parts of a series' view that belong to the exercise notebook and the main window:
// the task page and the settings page, the number pad, the status bar and "Richtig!".
template <class View = SeriesView>
class NotebookView : public View {
public:
    NotebookView(TopicContext& ctx, QWidget* page, QWidget* returnPage)
        : m_ctx(ctx), m_page(page), m_returnPage(returnPage)
    {
    }
    void showTaskPage() override { m_ctx.showPage(m_page); }
    void showReturnPage() override { m_ctx.showPage(m_returnPage); }
    void setNumberPadEnabled(bool on) override { m_ctx.setNumberPadEnabled(on); }
    void setStatusText(const QString& text) override { m_ctx.showStatusText(text); }
    void announceRight() override { m_ctx.announceRightAnswer(); }

protected:
    TopicContext& m_ctx;
    QWidget* m_page;
    QWidget* m_returnPage;
};

class TaskPage : public QObject, private NotebookView<> {
    Q_OBJECT
public:
    // `page` is the notebook page the tasks are shown on, `returnPage` the topic's settings
    // page; the buttons are built on `buttonParent` (the page or a panel on it).
    TaskPage(TopicContext& ctx, QWidget* page, QWidget* returnPage, QWidget* buttonParent,
             const SeriesButtonRow& row);
    ~TaskPage() override;

    // A series run on this page. `digits` takes the pad's digits with PadUse::Digits.
    // Returns the series' number on this page.
    int addSeries(SeriesTopic& topic, AnswerArea& answer, PadUse pad = PadUse::Off,
                  QLineEdit* digits = nullptr);
    // What sets up the page for series `index` before its tasks are shown (the inner
    // notebook's page of the kind, say).
    void setArrange(int index, std::function<void()> arrange);
    // "&Start" for series `index`: the page is arranged for it and it becomes the page's
    // current series.
    bool begin(int index, int taskCount);

    ExerciseSeries& series(int index) const;
    ExerciseSeries& current() const;
    SeriesTopic& topic(int index) const;
    AnswerArea& answer(int index) const;
    bool usesNumberPad(int index) const;
    void arrange(int index) const;
    // While `guest` (a series of several topics) poses a task of series `index` here, the
    // page's buttons, Enter and the number pad act on it; nullptr gives them back.
    void lend(int index, ExerciseSeries* guest);

    void confirm(); // "&Ergebnis bestätigen", Enter, the pad's "Ergebnis bestätigen"
    void skip();
    void abort();

    QPushButton* abortButton() const { return m_abort; }
    QPushButton* skipButton() const { return m_skip; }
    QPushButton* confirmButton() const { return m_confirm; }
    QWidget* page() const { return m_page; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry;
    const Entry& entry() const;
    // The series the buttons act on: a guest's while the page is lent, else the current one.
    ExerciseSeries& acting() const;

    void clearAnswer() override;
    void focusAnswer() override;

    QPushButton* m_abort = nullptr;
    QPushButton* m_skip = nullptr;
    QPushButton* m_confirm = nullptr;
    std::vector<std::unique_ptr<Entry>> m_entries;
    std::size_t m_current = 0;
    ExerciseSeries* m_guest = nullptr;
    bool m_padRegistered = false;
};

} // namespace quorvel
