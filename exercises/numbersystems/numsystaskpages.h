#pragma once
// The number-system tasks: the right half "Übungsaufgaben" of 'Zahlensysteme' (6), the
// task page 'ZahlensystemeAufgaben' (8), the series in the shared frame and the help
// window "Hilfe: Zahlensysteme".

#include <QObject>
#include <memory>

class QButtonGroup;
class QLabel;
class QLineEdit;

namespace quorvel {

struct TopicContext;
class ExerciseSeries;
class LineAnswer;
class TaskPage;
class TFormZSysHilfe;
class TUpDownLong;
namespace numsys {
class NumeralTaskTopic;
struct NumeralTask;
struct TaskSettings;
} // namespace numsys

class NumberSystemTaskPages : public QObject {
    Q_OBJECT
public:
    NumberSystemTaskPages(TopicContext& ctx, QObject* parent);
    ~NumberSystemTaskPages() override;

    // The settings as the page shows them (SelectTaskType module 2, the difficulty and
    // the direction).
    numsys::TaskSettings readSettings() const;

    void BitBtnStart03Click();
    void btnZSysAufgHilfeClick();

    ExerciseSeries& series() const;
    TFormZSysHilfe* helpWindow() const { return m_help; }

private:
    void buildSettingsHalf();
    void buildTaskPage();
    void showTask(const numsys::NumeralTask& task);

    TopicContext& m_ctx;
    QButtonGroup* m_system = nullptr;
    QButtonGroup* m_direction = nullptr;
    QButtonGroup* m_difficulty = nullptr;
    TUpDownLong* m_count = nullptr;
    QLabel* m_shownName = nullptr;
    QLabel* m_answerName = nullptr;
    QLabel* m_number = nullptr;
    QLineEdit* m_answer = nullptr;
    TFormZSysHilfe* m_help = nullptr;
    std::unique_ptr<numsys::NumeralTaskTopic> m_topic;
    std::unique_ptr<LineAnswer> m_lineAnswer;
    TaskPage* m_taskPage = nullptr; // owned by its page
};

// Builds the task half and the task page and wires them; the object belongs to the
// settings page.
NumberSystemTaskPages* installNumberSystemTaskPages(TopicContext& ctx);

} // namespace quorvel
