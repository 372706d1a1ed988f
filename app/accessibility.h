#pragma once
// Screen-reader details that hold for every window of the program.

namespace quorvel {

// Help windows and other top-level windows of the program that are neither dialogs nor
// the main window are read as windows (with their title), not as an anonymous client
// area. Safe to call more than once.
void installWindowAccessibility();

} // namespace quorvel
