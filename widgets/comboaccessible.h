#pragma once
// Combo boxes for screen readers: announced by what they choose, their item as value.

namespace quorvel {

// From then on every QComboBox is announced by its accessible name (or, without one, by
// the words of the label whose buddy it is), and its current item is its value. Qt's own
// interface on Linux gives the current item as the name, so a box beside "Umrechnen in:"
// was read as "mg". Safe to call more than once.
void installComboAccessibility();

} // namespace quorvel
