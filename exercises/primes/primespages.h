#pragma once

namespace quorvel {
struct TopicContext;
// Builds this topic's pages inside the exercise notebook and wires them: the start page
// 'Primfaktoren' (its left half "Berechnung") and the calculator page
// 'PrimfaktorenBerechnung' with its four tabs.
void installPrimesPages(TopicContext& ctx);
} // namespace quorvel
