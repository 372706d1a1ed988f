#pragma once
// What a screen reader gets from the painted prime list: a list whose items are the lines
// on screen, each with its text, the current line marked focused and selected.

namespace quorvel {

class LineListView;

// Installs the interface factory for LineListView once; safe to call again.
void installLineListAccessibility();

// Tells a screen reader that `row` became the current line.
void announceCurrentLine(LineListView* view, int row);

} // namespace quorvel
