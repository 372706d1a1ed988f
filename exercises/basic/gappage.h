#pragma once
// The gap-task page 'GrundLuecken' (page 3): "a +", the gap to type into, "= c", and the
// three buttons, bound to the gap topic and the series frame.

#include "gaptopic.h"
#include "taskpage.h"

#include <QObject>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace quorvel {

struct TopicContext;

class GapPage : public QObject {
    Q_OBJECT
public:
    GapPage(TopicContext& ctx,
            basic::GapTaskTopic::ReadSettings readSettings);
    ~GapPage() override;

    // The page's one series: the gap tasks.
    TaskPage& taskPage() const { return *m_taskPage; }

private:
    void showTask(const basic::GapTask& task);

    void build(TopicContext& ctx, QWidget* page);

    std::unique_ptr<basic::GapTaskTopic> m_topic;
    std::unique_ptr<LineAnswer> m_lineAnswer;
    TaskPage* m_taskPage = nullptr; // owned by its page
    QLabel* m_left = nullptr;     // lblLuecken01
    QLineEdit* m_answer = nullptr; // edGrundLueckenAufgErg
    QLabel* m_right = nullptr;    // lblLuecken02
};

} // namespace quorvel
