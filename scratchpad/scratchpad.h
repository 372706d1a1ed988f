#pragma once
// The scratch pad beside the task pages.

#include <QWidget>

namespace quorvel {

// The column above the number pad: top bar with the tools, and the white sheet, which
// takes whatever height the column is given.
QWidget* createScratchPad(QWidget* parent);

} // namespace quorvel
