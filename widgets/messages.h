#pragma once
// Where notices and verdicts go: the program's own message window in production, a
// recorder in tests. Every caller passes kind Information and the OK button.

#include <QString>
#include <cstdint>

namespace quorvel {

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

} // namespace quorvel
