#pragma once
// The windows are laid out in pixels for a few classic font families. They are mapped
// onto installed free families of matching metrics, so every layout holds.

namespace quorvel {

void installDesignedFonts();

} // namespace quorvel
