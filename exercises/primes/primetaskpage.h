#pragma once
// The prime tasks on screen: the right half "Übungsaufgaben" of the start page
// 'Primfaktoren' (9), the task page 'PrimfaktorenAufgaben' (11) with the four pages of
// NotebookPrim01, one series of the shared frame per task type, and the divisibility
// help window.

#include "primetasks.h"
#include "serieschoices.h"

#include <QObject>
#include <array>
#include <memory>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace quorvel {

struct TopicContext;
class AnswerArea;
class ExerciseSeries;
class TaskPage;
class TFormTeilbarkeitHilfe;
class TUpDownLong;

class PrimeTaskPages : public QObject {
    Q_OBJECT
public:
    PrimeTaskPages(TopicContext& ctx, QObject* parent);
    ~PrimeTaskPages() override;

    // The settings as the page shows them.
    primes::PrimeTaskSettings readSettings() const;

    void typeChanged();    // RadioGroupPrimFak01Click: the interlock
    void startClicked();   // BitBtnStart04Click
    void helpClicked();    // BitBtnPrim04Click

    // The series of each type.
    ExerciseSeries& series(int type) const;
    TFormTeilbarkeitHilfe* helpWindow() const { return m_help; }

private:
    void buildSettings();
    void buildTaskPage();
    QWidget* buildDivisibilityPage();
    QWidget* buildFactorPage();
    QWidget* buildGgTKgVPage(bool ggt);
    class Choice;

    TopicContext& m_ctx;
    QButtonGroup* m_typeGroup = nullptr;
    QButtonGroup* m_divisorGroup = nullptr;
    QButtonGroup* m_countGroup = nullptr;
    QButtonGroup* m_difficultyGroup = nullptr;
    QGroupBox* m_divisorBox = nullptr;
    QGroupBox* m_countBox = nullptr;
    TUpDownLong* m_count = nullptr;

    QStackedWidget* m_notebook = nullptr;
    std::array<QLabel*, primes::kPrimeTaskTypes> m_taskLabels{};
    QButtonGroup* m_choice = nullptr;
    QRadioButton* m_yes = nullptr;
    QRadioButton* m_no = nullptr;
    std::array<QLineEdit*, primes::kPrimeTaskTypes> m_answers{}; // none for Teilbarkeit
    QPushButton* m_helpButton = nullptr;
    TFormTeilbarkeitHilfe* m_help = nullptr;

    int m_type = primes::Teilbarkeit;
    std::array<std::unique_ptr<SeriesTopic>, primes::kPrimeTaskTypes> m_topics;
    std::array<std::unique_ptr<AnswerArea>, primes::kPrimeTaskTypes> m_answerAreas;
    TaskPage* m_taskPage = nullptr; // owned by its page
    SeriesChoices m_starts;         // by task type
};

// Builds the task half of the start page, the task page and the help window, and wires
// them. The returned object belongs to the start page.
PrimeTaskPages* installPrimeTaskPages(TopicContext& ctx);

} // namespace quorvel
