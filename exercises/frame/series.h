#pragma once
// The exercise series frame shared by every topic with typed answers: start, next task,
// confirm with two tries, skip, abort, end, the status text, counting and jingles.
// A topic supplies only drawing, checking and its texts; the page binds controls.

#include "services.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace quorvel {

// Right and Wrong use up a try; Invalid (a text that is no number: the conversion error in
// the error box) and Notice (an answer that cannot be judged yet, such as too few fields
// filled or no choice made: a notice) cost nothing and leave the task as it is.
enum class AnswerState { Right, Wrong, Invalid, Notice };

struct AnswerCheck {
    AnswerState state = AnswerState::Wrong;
    QString error; // Invalid: the conversion error; Notice: the notice text
};

// The texts and rules in which topics differ.
struct SeriesTexts {
    QString emptyAnswer = QStringLiteral("Sie haben noch keinen Wert eingegeben!");
    QString wrongAnswer = QStringLiteral("Das von Ihnen eingegebene\rErgebnis ist leider falsch !\r");
    QString rightResultPrefix = QStringLiteral("Das richtige Ergebnis lautet: ");
    MessageKind wrongKind = MessageKind::Information;
    int attempts = 2; // tries per task
    // A right answer at a later try still plays the right jingle (it never counts as correct).
    bool rightJingleAfterWrong = false;
    // Empty the answer after a wrong try; otherwise the pupil's text stays for a second look.
    bool clearAfterWrong = true;
};

// A task a series poses instead of drawing one: a card's statistics topic, type and text.
struct GivenTask {
    int type = 0;
    QString text;
    int topic = 0;
};

class SeriesTopic {
public:
    virtual ~SeriesTopic() = default;
    virtual int statTopic() const = 0;
    // A reason not to start (a German notice), or empty. Asked before anything is counted.
    virtual QString startRefusal() { return {}; }
    // Called after the generator is seeded, before the first task: read the settings.
    virtual void prepareSeries() {}
    // Draw the next task, show it, and return its statistics type.
    virtual int drawTask() = 0;
    // Check an answer against the task on screen: the texts of the answer fields in the
    // page's order (one text for a topic with one field, never a lone empty one).
    virtual AnswerCheck checkAnswer(const QStringList& fields) = 0;
    // The right answer as the notice after the second wrong try shows it.
    virtual QString expectedAnswerText() const = 0;
    virtual SeriesTexts texts() const { return {}; }
    // The message after a wrong try; `finished` is true when no try is left. By default
    // the wrong-answer text, after the last try followed by the right result.
    virtual QString wrongMessage(bool finished) const;
    // Called after a wrong try's jingle and before its message: a topic with several
    // answer fields marks them here (red the first time, corrected the last time).
    virtual void onWrongAnswer(bool finished) { Q_UNUSED(finished); }

    // The task on screen as the one line of text a Fehlerkartei card keeps, enough to pose
    // exactly this task again; empty for a topic whose tasks are not kept.
    virtual QString cardText() const { return {}; }
    // Poses the task of a card instead of drawing one (shows it like a drawn task). False
    // when `text` is no task of this topic and statistics type.
    virtual bool poseCard(int type, const QString& text)
    {
        Q_UNUSED(type);
        Q_UNUSED(text);
        return false;
    }
    // Poses a given task (a card of this topic by default).
    virtual bool poseGiven(const GivenTask& task);
    // Called when a series has ended (its last task, a skip past it or an abort), after
    // the return page is shown.
    virtual void seriesFinished() {}
};

// Where the frame reports how each task ended that was tried: solved at the first try or
// not (a wrong try, also one followed by a right answer or a skip). A task skipped
// without a try is not reported.
class TaskResultSink {
public:
    virtual ~TaskResultSink() = default;
    virtual void taskResult(int topic, int type, const QString& cardText, bool firstTry) = 0;
};

// A topic whose answer is one typed text.
class OneFieldTopic : public SeriesTopic {
public:
    AnswerCheck checkAnswer(const QStringList& fields) final { return checkText(fields.value(0)); }
    // Check a non-empty answer text against the task on screen.
    virtual AnswerCheck checkText(const QString& text) = 0;
};

// What the frame asks of the window: the task page and the settings page it returns to,
// the status bar, the number pad and the topic's answer.
class SeriesView {
public:
    virtual ~SeriesView() = default;
    virtual void showTaskPage() = 0;
    virtual void showReturnPage() = 0;
    virtual void setNumberPadEnabled(bool on) = 0;
    virtual void setStatusText(const QString& text) = 0;
    virtual void clearAnswer() = 0;
    virtual void focusAnswer() = 0;
    // A short visible (and spoken) sign of a right answer, for pupils who hear no jingle.
    virtual void announceRight() = 0;
};

class ExerciseSeries {
public:
    ExerciseSeries(Services& services, SeriesTopic& topic, SeriesView& view,
                   bool usesNumberPad = true);

    // "&Start": refuse with a notice, or mark the topic changed, switch to the task page
    // and run the first task. Returns false when refused.
    bool begin(int taskCount);
    // Like begin(), but the tasks are the given ones in their order, not drawn. A given
    // task the topic cannot pose is passed over.
    bool beginGiven(std::vector<GivenTask> tasks);
    // Every tried task is reported here (none when empty).
    void setResultSink(TaskResultSink* sink) { m_results = sink; }
    void confirm(const QStringList& answer);
    void skip();
    void abort();

    bool running() const { return m_running; }
    quint16 taskCount() const { return m_taskCount; }
    quint16 taskNumber() const { return m_taskNumber; }
    int wrongAttempts() const { return m_wrongAttempts; }

private:
    void start(int taskCount);
    void nextTask();
    void finish(bool disablePad);
    void reportResult(bool firstTry);

    Services& m_s;
    SeriesTopic& m_topic;
    SeriesView& m_view;
    bool m_usesNumberPad;
    bool m_running = false;
    quint16 m_taskCount = 0;
    quint16 m_taskNumber = 0;
    int m_wrongAttempts = 0;
    int m_currentType = 0;
    TaskResultSink* m_results = nullptr;
    std::vector<GivenTask> m_given; // empty: draw
    std::size_t m_nextGiven = 0;
};

QString seriesStatusText(int taskNumber, int taskCount);

// The opening and closing that every series shares, the equation puzzle's too. Opening:
// a refusal is said and nothing else happens (false); otherwise the topic is marked
// changed and the task page is shown with the number pad on or off. Closing: the status
// text is emptied, the pad switched as asked, the settings page shown and "MUSIN02" played.
bool openSeries(Services& services, SeriesView& view, int statTopic, const QString& refusal,
                bool usesNumberPad);
enum class PadAtEnd { Keep, Off, On };
void closeSeries(Services& services, SeriesView& view, PadAtEnd pad);

} // namespace quorvel
