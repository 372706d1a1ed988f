#pragma once
// The things a topic reaches outside itself: statistics counts, jingles, notices,
// random draws and today's date. Production wires the real store, sound library,
// message dialog and clock; tests hand in recorders and scripted draws.

#include <QDate>
#include <QString>
#include <cstdint>

namespace quorvel {

// Statistics topics and their number of task types. The order indexes the counts
// in memory, in the files and in the charts.
enum StatTopic : int {
    TopicFractions = 1,     // 11 types
    TopicUnits = 2,         // 6 types
    TopicBasic = 3,         // 12 types: plain 1-4, gaps 5-8, puzzle 9-12
    TopicPrimes = 4,        // 4 types
    TopicNumberSystems = 5, // 5 types
};

class StatsSink {
public:
    virtual ~StatsSink() = default;
    virtual void markStatsChanged(int topic) = 0;
    virtual void countTaskGiven(int topic, int type) = 0;
    virtual void countTaskCorrect(int topic, int type) = 0;
};

// The three calls of the sound library; soundOn is the program-wide switch (1 = on).
class SoundSink {
public:
    virtual ~SoundSink() = default;
    virtual void musik(const char* name, std::uint8_t soundOn) = 0;
    virtual void fehlerMusik(std::uint8_t soundOn) = 0;
    virtual void richtigMusik(std::uint8_t soundOn) = 0;
};

enum class MessageKind { Warning, Error, Information, Confirmation, Custom };

enum class MessageButton {
    Yes, No, OK, Cancel, Abort, Retry, Ignore, All, NoToAll, YesToAll, Help
};
using MessageButtons = std::uint16_t; // bit i = MessageButton i
constexpr MessageButtons buttonBit(MessageButton b) { return MessageButtons(1u << int(b)); }
constexpr MessageButtons OkButton = buttonBit(MessageButton::OK);

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // The program's own message window; returns the modal result of the button pressed.
    virtual int showMessage(const QString& text, MessageKind kind = MessageKind::Information,
                            MessageButtons buttons = OkButton, int helpContext = 0,
                            const QString& language = QStringLiteral("deutsch")) = 0;
    // The general error handler: an error box with the stop icon and the application's
    // title, used for conversion errors ("'12a' ist kein gültiger Integerwert.") and
    // file errors.
    virtual void showError(const QString& text) = 0;
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void randomize() = 0;      // seed from the clock
    virtual int random(int n) = 0;     // uniform 0 .. n-1; n <= 0 gives 0
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

// Program-wide state of the main window.
struct AppState {
    QString userName;
    QString programDirectory;
    QString dataDirectory;
    std::uint8_t soundOn = 1;
    std::uint8_t currentChart = 0;
    std::uint8_t statsSelectionTopic = 0;
    std::uint8_t statsSelectionPart = 0;
};

struct Services {
    AppState& state;
    StatsSink& stats;
    SoundSink& sound;
    MessageSink& messages;
    RandomSource& random;
    const Clock& clock;
};

} // namespace quorvel
