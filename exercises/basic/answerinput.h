#pragma once
// The typed answer of the basic-arithmetic task pages: which keys reach the field, and
// how its text becomes a whole number.

#include <QString>
#include <cstdint>
#include <optional>

namespace quorvel::basic {

enum class KeyVerdict {
    Pass,    // the key reaches the field
    Drop,    // the character is discarded
    Confirm, // Enter: the page's default button
};

// Digits, "-" and Backspace pass; every other character is dropped. Keys that type no
// character (arrows, Home, End, Delete, Tab) pass, Enter confirms. `key` is a Qt::Key.
KeyVerdict answerKeyVerdict(int key, const QString& text);

// The text as a signed 32-bit decimal integer: an optional sign and digits, blanks around
// it allowed; nothing else.
std::optional<std::int32_t> parseInt32(const QString& text);

} // namespace quorvel::basic
