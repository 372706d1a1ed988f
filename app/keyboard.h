#pragma once
// Keyboard use without a mouse: Enter presses the focused push button in every window of
// the program, as Space does (Qt leaves Enter to dialogs' default buttons only).

class QObject;

namespace quorvel {

// Installs the filter on the application once; it lives as long as `owner`.
void installEnterPressesButtons(QObject* owner);

} // namespace quorvel
