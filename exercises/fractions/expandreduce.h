#pragma once
// Expanding and reducing a fraction by a factor, without a window: the draw, the four
// question forms with what each shows and asks, and the expected entries.
//
// For "erweitern" the task shows Z/N and the answer is F*Z / F*N; for "kürzen" it shows
// F*Z / F*N and the answer is Z/N, divided by F only, even where Z/N could be reduced
// further. Z/N is never reduced first and may be improper or whole (N = 1).

#include "fractionkind.h"
#include "services.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>

namespace quorvel::fractions {

enum class ExpandKind : int { Expand = 1, Reduce = 2 }; // "erweitern", "kürzen"

// The three entry fields of the page, in the order they are read and compared.
enum ExpandField : int { ExpandNumerator = 0, ExpandDenominator = 1, ExpandFactor = 2 };
inline constexpr int kExpandFieldCount = 3;

// The four questions: the whole answer fraction for a given factor, the factor, the
// numerator only, the denominator only.
enum ExpandForm : int { FormWholeFraction = 0, FormFactor = 1, FormNumerator = 2, FormDenominator = 3 };

// What a question form shows and asks.
struct ExpandLayout {
    std::array<bool, kExpandFieldCount> editVisible; // numerator, denominator, factor edit
    bool numeratorLabel;   // the answer's numerator shown in place of its edit
    bool denominatorLabel; // the answer's denominator shown in place of its edit
    bool factorCaption;    // "Erweiterungsfaktor:" / "Ergebnis:" beside the factor edit
    int focus;             // the edit that takes the typing
    int needed;            // filled visible edits needed before an answer is judged
};

const ExpandLayout& expandLayout(int form);

struct ExpandReduceTask {
    ExpandKind kind = ExpandKind::Expand;
    std::int32_t numerator = 1;   // Z
    std::int32_t denominator = 1; // N
    int factor = 2;               // F, 2 .. 100
    int form = FormWholeFraction;

    std::int32_t shownNumerator() const;
    std::int32_t shownDenominator() const;
    std::int32_t answerNumerator() const;
    std::int32_t answerDenominator() const;
    // En, Ed, Ef: what the form asks, 0 for every field it does not ask.
    std::array<std::int32_t, kExpandFieldCount> expected() const;
    QString question() const;
    int statType() const { return kind == ExpandKind::Expand ? 5 : 6; }
};

// "Erweiterungsfaktor:" for erweitern, "Ergebnis:" for kürzen.
QString expandFactorCaption(ExpandKind kind);

// Seeds the generator, draws Z, N and F by difficulty (0 leicht, 1 mittel, 2 schwer),
// then the question form.
ExpandReduceTask drawExpandReduceTask(ExpandKind kind, int difficulty, RandomSource& random);

// "Zu wenige Eingaben !": fewer visible edits filled than the form needs (none included).
QString expandTooFewNotice();

// "erweitern" and "kürzen" in the series frame: which of the two is read from the settings
// at the start; every task draws its numbers and its question form anew.
class ExpandReduceTopic final : public FractionKind<ExpandReduceTask> {
public:
    using TopicAdapter::TopicAdapter;

    void prepareSeries() override;
    int drawTask() override;
    int focusField() const override;
    // "Z/N F form": the fraction before expanding (after reducing), the factor and the
    // question form; the statistics type says erweitern or kürzen.
    QString encodeTask(const ExpandReduceTask& task) const override;
    bool poseCard(int type, const QString& text) override;

protected:
    MultiFieldTexts fieldTexts() const override;

private:
    // The fields of m_task set up, then the task shown.
    void showTask();

    ExpandKind m_kind = ExpandKind::Expand;
};

} // namespace quorvel::fractions
