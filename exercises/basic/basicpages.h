#pragma once
// The basic-arithmetic pages: the settings page 'Grundrechenarten' (page 0) and the task
// page 'GrundAufgaben' (page 2), bound to the plain-task topic and the series frame.

#include "grundsettings.h"
#include "plaintopic.h"
#include "serieschoices.h"
#include "taskpage.h"

#include <QObject>
#include <memory>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QWidget;

namespace quorvel {

struct TopicContext;
class GapPage;
class PuzzlePage;

// The character filter of the answer fields (digits, "-", Backspace); Enter goes on to
// the task page, which confirms. Shared by every answer field of the basic-arithmetic
// task pages.
void installAnswerKeyFilter(QLineEdit* field);

// The three buttons below the task of the plain and the gap-task page, by their names.
SeriesButtonRow basicButtonRow(const char* abort, const char* skip, const char* confirm);

class BasicPages : public QObject {
    Q_OBJECT
public:
    explicit BasicPages(TopicContext& ctx);
    ~BasicPages() override;

    ExerciseSeries& plainSeries() { return m_taskPage->series(0); }
    const basic::PlainTaskTopic& plainTopic() const { return *m_topic; }
    PuzzlePage& puzzlePage() const { return *m_puzzle; }

    // The controls of the settings page read as the task series and the interlocks see them.
    basic::GrundPageSettings pageSettings() const;
    basic::GrundSettingsState settingsState() const;

    // Handlers.
    void RadioGroupGrund01Click();
    void RadioGroupGrund02Click();
    void BitBtnStart01Click();

private:
    void buildSettingsPage(QWidget* page);
    void buildTaskPage(QWidget* page);
    void applyState(const basic::GrundSettingsState& s);
    void showTask(const basic::PlainTask& task);

    TopicContext& m_ctx;
    std::unique_ptr<basic::PlainTaskTopic> m_topic;
    std::unique_ptr<LineAnswer> m_lineAnswer;
    TaskPage* m_taskPage = nullptr; // owned by its page
    SeriesChoices m_starts;         // by "Aufgabentyp" item
    GapPage* m_gaps = nullptr;       // page 'GrundLuecken', owned by its page
    PuzzlePage* m_puzzle = nullptr;  // page 'GrundGleichungen', owned by its page

    // Settings page.
    QButtonGroup* m_rechenart = nullptr;  // RadioGroupGrund01
    QButtonGroup* m_aufgabentyp = nullptr; // RadioGroupGrund02
    QButtonGroup* m_range = nullptr;      // RBZahlenraum 0, RBReihe02..09 as 2..9, RBQuadratzahlen 10
    QSpinBox* m_count = nullptr;          // UpDownGrund01
    QSpinBox* m_lower = nullptr;          // GrundUntereGrenze
    QSpinBox* m_upper = nullptr;          // GrundObereGrenze
    QSpinBox* m_squareLimit = nullptr;    // QuadratObereGrenze

    // Task page.
    QLabel* m_taskText = nullptr;         // lblGrundAufg
    QLineEdit* m_answer = nullptr;        // edGrundAufgErg
};

// Builds the pages inside the exercise notebook and wires them; the returned object
// lives as long as the notebook.
BasicPages* installBasicPages(TopicContext& ctx);

} // namespace quorvel
