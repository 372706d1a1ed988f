#pragma once
// The gap-task page 'GrundLuecken' (page 3): "a +", the gap to type into, "= c", and the
// three buttons, bound to the gap topic and the series frame.

#include "gaptopic.h"
#include "series.h"

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
            basic::GapTaskTopic::SettingsReader readSettings);
    ~GapPage() override;

    // "&Start" with "Lückenaufgaben" and the count of the settings page.
    void start(int taskCount);

    ExerciseSeries& series() { return *m_series; }
    basic::GapTaskTopic& topic() { return *m_topic; }

    // Handlers.
    void btnGrundLueckenAufgOKClick();
    void btnGrundLueckenAufgUeberspringenClick();
    void btnGrundLueckenAufgAbbruchClick();

private:
    void build(QWidget* page);
    void showTask(const basic::GapTask& task);

    std::unique_ptr<basic::GapTaskTopic> m_topic;
    std::unique_ptr<ExerciseSeries> m_series;
    QLabel* m_left = nullptr;     // lblLuecken01
    QLineEdit* m_answer = nullptr; // edGrundLueckenAufgErg
    QLabel* m_right = nullptr;    // lblLuecken02
    QPushButton* m_ok = nullptr;  // btnGrundLueckenAufgOK
};

} // namespace quorvel
