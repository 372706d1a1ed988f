#pragma once
// The fraction pages: settings page 'Bruchrechnung' (12) and task page
// 'BruchrechnungAufgaben' (13) with the notebook NotebookBruch01 of the six task pages,
// the four buttons below it, and the dispatch of Start, skip, confirm and help to the
// chosen kind. Each kind registers itself with its topic, its answer fields and its help.

#include "fractionkind.h"
#include "serieschoices.h"

#include <QObject>
#include <array>
#include <functional>
#include <memory>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QStackedWidget;

namespace quorvel {

struct TopicContext;
class ExerciseSeries;
class TaskPage;
class TUpDownLong;

namespace fractions {

class AnswerFieldSet;
class GrundPage;
class TFormBruchGrundHilfe;

// Pages of NotebookBruch01.
enum FractionPage : int {
    PageGrund = 0,       // 'BruchrechnungGrund'
    PageErweitern = 1,   // 'BruchrechnungErweitern'
    PageOrdnen = 2,      // 'BruchrechnungOrdnen'
    PageVergleich = 3,   // 'BruchrechnungVergleich'
    PageBruchteile = 4,  // 'BruchrechnungBruchteile'
    PageKommaBruch = 5,  // 'BruchrechnungKommaBruch'
    FractionPageCount = 6,
};

// Items of RadioGroupBruch02.
enum OtherKindItem : int {
    ItemErweitern = 0,
    ItemKuerzen = 1,
    ItemOrdnen = 2,
    ItemVergleichen = 3,
    ItemBruchteile = 4,
    ItemKommaBruch = 5,
    ItemBruchKomma = 6,
    OtherKindCount = 7,
};

// The notebook page of a choice: `otherItem` -1 is the arithmetic group.
int fractionPageFor(int otherItem);

// What a kind hands the dispatcher. The fields are those of its notebook page, in the
// order of the topic's AnswerField list; `help` answers "&Hilfe".
struct FractionKindBinding {
    std::shared_ptr<FractionKindTopic> topic;
    AnswerFieldSet* fields = nullptr;
    std::function<void()> help;
};

class FractionsPages : public QObject {
    Q_OBJECT
public:
    explicit FractionsPages(TopicContext& ctx);
    ~FractionsPages() override;

    FractionSettings settings() const;

    void BitBtnStart05Click();
    void BitBtnBruch04Click(); // Hilfe

    // The series of the current choice; null when nothing is chosen.
    ExerciseSeries* currentSeries() const;
    TFormBruchGrundHilfe* grundHelp() const { return m_grundHelp; }

private:
    class KindAnswer;
    struct Slot {
        FractionKindBinding binding;
        std::unique_ptr<KindAnswer> answer;
        int series = -1; // on the task page
    };
    void buildSettingsPage();
    void buildTaskPage();
    // The eleven kinds on their pages, each with its answer fields and its help.
    void registerKinds();
    // Registers the kind behind an item of RadioGroupBruch02 (-1: the arithmetic group).
    void registerKind(int otherItem, FractionKindBinding binding);
    // The page of NotebookBruch01 a kind builds its controls on.
    QWidget* kindPage(int page) const;
    void groupEntered(int group); // RadioGroupBruch01Enter / RadioGroupBruch02Enter
    void groupClicked(int group); // RadioGroupBruchClick
    int currentSlot() const;      // 0 arithmetic, 1 + item of RadioGroupBruch02, -1 none

    TopicContext& m_ctx;
    QButtonGroup* m_groups[3] = {};
    QGroupBox* m_groupBoxes[3] = {};
    TUpDownLong* m_count = nullptr;
    QStackedWidget* m_notebook = nullptr;
    TaskPage* m_taskPage = nullptr; // owned by its page
    std::array<Slot, 1 + OtherKindCount> m_slots;
    SeriesChoices m_starts; // by slot
    TFormBruchGrundHilfe* m_grundHelp = nullptr;
};

} // namespace fractions

// Builds this topic's pages inside the exercise notebook and wires them. The returned
// object belongs to the settings page.
fractions::FractionsPages* installFractionsPages(TopicContext& ctx);

} // namespace quorvel
