#pragma once
// An answer made of several fields, as every fraction kind asks for one: the texts of
// the fields come in, the number of filled visible fields decides between a notice and a
// check, the check gives a verdict per field, and a wrong try gives the marks the page
// paints (red on the pupil's entries the first time, green with the expected values
// after the last try). Plain C++, no widgets.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace quorvel::fractions {

enum class FieldKind {
    Integer, // a whole number, read like the integer fields of every topic
    Decimal, // a decimal number with a comma; right when its value is exactly the expected one
    Choice,  // a radio group: the text is the chosen item index, empty when none is chosen
};

// One field of the answer as the kind sets it up for the task on screen.
struct AnswerField {
    FieldKind kind = FieldKind::Integer;
    bool visible = true;       // a hidden field is neither counted nor read; it is always right
    std::int64_t expected = 0; // Integer: the value; Choice: the item index
    double expectedDecimal = 0; // Decimal

    static AnswerField integer(std::int64_t value, bool visible = true)
    {
        return {FieldKind::Integer, visible, value, 0};
    }
    static AnswerField decimal(double value, bool visible = true)
    {
        return {FieldKind::Decimal, visible, 0, value};
    }
    static AnswerField choice(int item, bool visible = true)
    {
        return {FieldKind::Choice, visible, item, 0};
    }
    // What a green correction writes into the field (the item index for a choice).
    QString expectedText() const;
};

// The notices of a kind when too little is filled in.
struct MultiFieldTexts {
    QString noValue = QStringLiteral("Du hast noch keinen Wert eingegeben !");
    QString tooFew = QStringLiteral("Zu wenige Werte !");
    QString wrongFirst = QStringLiteral("Die Rot gekennzeichneten Werte sind falsch !!!!!!");
    QString wrongLast = QStringLiteral("Die korrigierten Werte sind Grün gekennzeichnet !");
};

enum class FieldOutcome {
    NoValue, // no visible field filled: the noValue notice
    TooFew,  // some but not all visible fields filled: the tooFew notice
    Invalid, // a filled field is no number: the conversion error, nothing changes
    Right,
    Wrong,
};

struct FieldJudgement {
    FieldOutcome outcome = FieldOutcome::NoValue;
    int filled = 0;          // filled visible fields
    int invalidField = -1;   // Invalid: the first field that could not be read
    QString error;           // Invalid: "'1a' ist kein gültiger Integerwert."
    std::vector<bool> wrong; // per field (Right/Wrong only); hidden fields are never wrong
};

// A field counts as filled when it holds more than blanks; blanks around a number are
// allowed. `texts` holds one text per field (missing ones count as empty).
FieldJudgement judgeFields(const std::vector<AnswerField>& fields, const QStringList& texts);

enum class FieldMark { None, Red, Green };

// What the page paints after a wrong try: every field first back to white (None), then
// the marks. `correctedText` holds, for green fields, the expected value to show; other
// fields keep what the pupil typed.
struct FieldMarks {
    std::vector<FieldMark> marks;
    std::vector<QString> correctedText; // empty (null) where the field keeps its text
};

// Red on the wrong fields while a try is left, green with the expected values after the
// last one.
FieldMarks marksAfterWrongTry(const std::vector<AnswerField>& fields,
                              const std::vector<bool>& wrong, bool finished);

// White everywhere, nothing corrected: a new task or the start.
FieldMarks clearMarks(std::size_t fieldCount);

enum class FieldKey {
    Pass,    // the key reaches the field
    Drop,    // the character is discarded
    Confirm, // Enter: "Ergebnis bestätigen"
};

// The key filter of the fraction answer edits: digits, the blank, the comma and Backspace
// pass; every other character is dropped. Keys that type nothing (arrows, Home, End,
// Delete, Tab, Shift) pass; Enter confirms. `key` is a Qt::Key.
FieldKey fieldKeyVerdict(int key, const QString& text);


// The value of a decimal text with a comma ("0,375", "-2", "3,"); false when it is none.
bool parseCommaDecimal(const QString& text, double& value);
// A value as the fields show it: a comma, no trailing zeros ("0,375", "3").
QString commaDecimalText(double value);

} // namespace quorvel::fractions
