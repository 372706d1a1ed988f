#pragma once

namespace quorvel {

// a * b / c rounded to the nearest integer, halves away from zero; c == 0 gives -1.
// The dialog layout and the gradient bands both measure with it.
int mulDiv(int a, int b, int c);

} // namespace quorvel
