#pragma once
// The number-system calculator without any window: decimal <-> Roman numerals and
// decimal <-> bases 2, 3, 8 and 16, and the calculator's "&Umrechnen" step that decides
// the direction and which notice the pupil sees. The task series use the same operations.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace quorvel::numsys {

// The notices of the calculator, word for word as pupils know them.
inline const QString kNoValue = QStringLiteral("Es wurde noch kein Wert eingegeben !");
inline const QString kTooManyInputs = QStringLiteral("Zu viele Eingaben !");
inline const QString kRomanTooLarge = QStringLiteral("Zahl darf nicht größer sein als 3999");
inline const QString kRomanBadFormat = QStringLiteral("Fehlerhaftes Format");
// The base systems' notice has always been spelt this way; pupils and worksheets know it.
inline const QString kBaseBadFormat = QStringLiteral("Fehlerhaftes Fomat !");
// Why a number cannot be converted: below 0, or a numeral whose value passes 32 bits.
inline const QString kNegativeNumber =
    QStringLiteral("Negative Zahlen können nicht umgerechnet werden !");
inline const QString kValueTooLarge = QStringLiteral("Die Zahl ist zu groß (höchstens 2147483647) !");
// The longest text the numeral fields take: 31 binary digits and one more.
constexpr int kMaxSystemFieldLength = 32;


enum class ConvError {
    None,
    TooLarge,     // Roman: value above 3999
    BadFormat,    // foreign character or forbidden Roman sequence
    NotAnInteger, // negative value, or a digit text whose value passes 2147483647
};

struct TextResult {
    QString text;
    ConvError error = ConvError::None;
};

struct ValueResult {
    QString text; // the input, upper-cased (a-z only), as the field shows it afterwards
    qint32 value = 0;
    ConvError error = ConvError::None;
};

// The Roman digit tables, one per decimal place (units, tens, hundreds, thousands);
// entry d - 1 is the digit d, digit 0 writes nothing. Thousands stop at 3.
extern const std::array<std::array<const char*, 9>, 4> kRomanDigits;
// Sequences that make a Roman numeral invalid wherever they occur. The list is complete:
// anything else (X before D or M, I twice before V or X, C twice before D or M) passes
// and is valued by the left-to-right rule.
extern const std::array<QStringList, 3> kForbiddenRoman; // 2, 3 and 4 letters
inline const QString kRomanLetters = QStringLiteral("IVXLCDM");

QString upperAscii(const QString& text);

// Decimal -> Roman. 0 gives the empty numeral; above 3999 TooLarge; negative NotAnInteger.
TextResult DezimalZuRoemisch(qint32 value);
// Roman -> decimal. Each letter adds its value, except C before M or D, X before C or L
// and I before X or V, which subtract. BadFormat for a foreign letter or a forbidden
// sequence; NotAnInteger if the sum passes 2147483647 (only very long numerals).
ValueResult RoemischZuDezimal(const QString& text);
// Whether a (upper-cased) numeral contains a foreign letter or a forbidden sequence.
bool romanFormatBad(const QString& upper);

// The digit alphabet of a base: "01", "012", "01234567", "0123456789ABCDEF".
QString baseAlphabet(int base);
bool supportedBase(int base);
// Decimal -> base 2, 3, 8 or 16; 0 gives "0". Negative values give NotAnInteger.
TextResult DezimalZuSystem(qint32 value, int base);
// Base -> decimal; leading zeros are fine. BadFormat for a character outside the
// base's alphabet (or an empty text), NotAnInteger if the value passes 2147483647.
ValueResult SystemZuDezimal(const QString& text, int base);

// The decimal field read as a 32-bit integer: leading blanks and one sign allowed,
// then decimal digits only. Nothing for any other text or a value outside 32 bits.
std::optional<qint32> readInteger(const QString& text);

// The five systems of the calculator, in the order of their buttons.
enum class NumeralSystem { Roman = 0, Base2, Base3, Base8, Base16 };
constexpr int kSystemCount = 5;

struct SystemInfo {
    NumeralSystem system;
    int base;                 // 0 for Roman numerals
    const char* buttonName;   // BitBtnZSys01 ...
    const char* caption;      // the button's caption, also the page heading (PanelZSys04)
    const char* decimalLabel; // LabelZSys05
    const char* systemLabel;  // LabelZSys06
};
extern const std::array<SystemInfo, kSystemCount> kSystems;
const SystemInfo& systemInfo(NumeralSystem s);

// One press of "&Umrechnen": the texts of both fields afterwards and what the pupil is told.
struct CalcOutcome {
    QString decimalText;
    QString systemText;
    QString notice;  // message window (Information, OK), empty for none
    QString error;   // general error box, empty for none
    // What the fields show while the notice is on screen: the inputs before they are
    // emptied, or already upper-cased or emptied, as the step goes.
    QString noticeDecimalText;
    QString noticeSystemText;
    bool focusDecimal = false;

    bool converted() const { return notice.isEmpty() && error.isEmpty(); }
};

// The decimal field is filled: convert it into the selected system; otherwise the system
// field is converted into decimal. Both empty or both filled is refused.
CalcOutcome convertFields(NumeralSystem system, const QString& decimalText,
                          const QString& systemText);

} // namespace quorvel::numsys
