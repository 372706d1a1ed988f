#pragma once
// Worksheets without any window: which task kinds a sheet can hold (as a table), the
// choices a kind takes, and the sheet itself, drawn by each topic's own task drawing from
// a generator seeded by the sheet number, so the same number and settings always give
// the same sheet.
//
// A task is a row of pieces: plain text, an answer box, or a fraction whose numerator and
// denominator are text or boxes. Its text form puts nothing in a box on the task pages and
// the answer in the key: "3) 12 + 7 =" / "3) 12 + 7 = 19", "5) 14 + = 23" / "5) 14 + 9 = 23".

#include "services.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace quorvel::worksheet {

// The generator behind a sheet: a fixed sequence for each sheet number. Re-seeding from the
// clock, which some topics do before every task, leaves the sequence alone, so the sheet
// stays reproducible.
class SheetRandom final : public RandomSource {
public:
    explicit SheetRandom(std::uint32_t sheetNumber);
    void randomize() override {}
    int random(int n) override;

private:
    std::uint64_t m_state;
};

enum class Topic { Basic, Units, NumberSystems, Primes, Fractions };

// Which choices of its settings page a kind takes.
enum Choice : unsigned {
    ChoiceRange = 1u << 0,       // von / bis
    ChoiceDifficulty = 1u << 1,  // leicht / mittel / schwer
    ChoiceRangeKind = 1u << 2,   // Zahlenraum, times tables (multiplication, division)
    ChoiceSquares = 1u << 3,     // Quadratzahlen (multiplication)
    ChoiceTarget = 1u << 4,      // the unit to convert into
    ChoiceMixedTarget = 1u << 5, // "wie oben" / "zufällig"
    ChoiceDirection = 1u << 6,   // into the chosen system or into decimal
    ChoiceDivisor = 1u << 7,     // 2, 3, 4, 5, 6, 8, 9, 10
    ChoiceNumberCount = 1u << 8, // 2 or 3 numbers
};

struct SheetKind {
    Topic topic;
    const char* topicWord; // "grundrechnen"
    const char* kindWord;  // "luecken-addieren"
    const char* topicName; // "Grundrechnen", as the selection page names the topic
    const char* kindName;  // "Lückenaufgaben Addieren": the default title
    const char* instruction; // the line under the title
    int item;              // the kind's item on its settings page (see worksheet.cpp)
    unsigned choices;
};

const std::vector<SheetKind>& sheetKinds();
// "grundrechnen:addieren"
QString kindCode(const SheetKind& kind);
// Index into sheetKinds() for "thema:art"; nothing for an unknown word.
std::optional<int> findKind(const QString& code);
// The topic names in table order, and the kinds of one of them (indexes).
QStringList topicNames();
std::vector<int> kindsOfTopic(const QString& topicName);

inline constexpr int kMinTasks = 1;
inline constexpr int kMaxTasks = 60;
inline constexpr int kDefaultTasks = 20;
inline constexpr int kRangeLimit = 32767;

struct SheetSettings {
    int kind = 0; // index into sheetKinds()
    int count = kDefaultTasks;
    std::uint32_t number = 1;
    bool withKey = true;
    QString title;  // empty: the kind's name
    // Choices; a kind reads only the ones it takes.
    int lower = 0, upper = 100;
    int difficulty = 0;   // 0 leicht .. 2 schwer
    int table = 0;        // 0: Zahlenraum, 2..9: that times table, 1: Quadratzahlen
    int squareLimit = 10; // 10 .. 100
    int target = 0;       // unit index in the family (single families)
    bool randomTarget = false;
    bool intoDecimal = false;
    int divisorIndex = 0; // into {2, 3, 4, 5, 6, 8, 9, 10}
    int numberCount = 2;
};

// Why a sheet cannot be made with these settings (German, for a message); empty when it can.
QString refusal(const SheetSettings& settings);

struct Piece {
    enum Kind { Text, Box, Fraction } kind = Text;
    QString text;      // Text; Box: its answer
    QString numerator; // Fraction
    QString denominator;
    bool numeratorBox = false;   // Fraction: the part is to be filled in
    bool denominatorBox = false;
    int boxWidth = 4;  // Box: room in characters
};

struct SheetItem {
    std::vector<Piece> pieces;
    bool stacked() const; // holds a fraction: needs a taller row
    // Without answers ("12 + 7 =") and with them ("12 + 7 = 19").
    QString taskText() const;
    QString answerText() const;
};

struct Sheet {
    QString title;
    QString instruction;
    std::uint32_t number = 1;
    bool withKey = true;
    std::vector<SheetItem> items;
    // "1) 12 + 7 =" per line, and the key's lines.
    QStringList taskLines() const;
    QStringList keyLines() const;
};

// Draws the sheet. The settings must pass refusal() (anything else is clamped to sense).
Sheet makeSheet(const SheetSettings& settings);

} // namespace quorvel::worksheet
