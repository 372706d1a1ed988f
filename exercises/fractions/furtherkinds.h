#pragma once
// Erweitern, kürzen, ordnen, vergleichen, Bruchteile bestimmen and the two decimal
// conversions: their pages in NotebookBruch01, their kinds in the dispatch of the fraction
// pages, and their help (two help windows, three rule texts in the message window).

namespace quorvel::fractions {

class FractionsPages;

// Builds the five pages, registers the seven kinds and creates the two help windows
// (hidden, kept for the whole run).
void installSecondFractionKinds(FractionsPages& pages);

} // namespace quorvel::fractions
