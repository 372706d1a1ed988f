#pragma once
// The unit-conversion pages: settings page 'Einheiten' (4) and task page
// 'EinheitenAufgaben' (5), the series in the shared frame, and the help window.

#include <QObject>
#include <memory>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quorvel {

struct TopicContext;
class ExerciseSeries;
class LineAnswer;
class TaskPage;
class TUmrechnungshilfe;
class TUpDownLong;
namespace units {
class UnitConversionTopic;
struct UnitSettings;
struct UnitTask;
} // namespace units

class UnitsPages : public QObject {
    Q_OBJECT
public:
    UnitsPages(TopicContext& ctx, QObject* parent);
    ~UnitsPages() override;

    // The settings as the page shows them (SelectTaskType module 1, ReadTargetUnit,
    // the difficulty).
    units::UnitSettings readSettings() const;

    void startClicked();   // BitBtnStart02Click
    void helpClicked();    // BitBtnEinheiten01Click, also btnEinheitenAufgHilfe

    ExerciseSeries& series() const;
    const units::UnitConversionTopic& topic() const { return *m_topic; }
    TUmrechnungshilfe* helpWindow() const { return m_help; }

private:
    void buildSettingsPage();
    void buildTaskPage();
    void showTask(const units::UnitTask& task);

    TopicContext& m_ctx;
    QButtonGroup* m_families = nullptr;
    QComboBox* m_targets[6] = {};
    QComboBox* m_mixedTarget = nullptr;
    QButtonGroup* m_difficulty = nullptr;
    TUpDownLong* m_count = nullptr;
    QLabel* m_instruction = nullptr;
    QLabel* m_quantity = nullptr;
    QLabel* m_targetUnit = nullptr;
    QLineEdit* m_answer = nullptr;
    TUmrechnungshilfe* m_help = nullptr;
    std::unique_ptr<units::UnitConversionTopic> m_topic;
    std::unique_ptr<LineAnswer> m_lineAnswer;
    TaskPage* m_taskPage = nullptr; // owned by its page
};

// Builds this topic's pages inside the exercise notebook and wires them. The returned
// object belongs to the settings page.
UnitsPages* installUnitsPages(TopicContext& ctx);

} // namespace quorvel
