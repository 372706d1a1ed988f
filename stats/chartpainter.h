#pragma once
// Replays the operations of a chart onto a painter: solid and hatched fills with a
// transparent background (black shows between the hatch lines), pixel-exact lines and
// rectangles without smoothing, texts with their top left corner at the given point.

#include "chartgeometry.h"

#include <QFont>
#include <QImage>

class QPainter;

namespace quorvel::stats {

// The fonts of the drawing area, sized in pixels as the design's point sizes come out
// at 96 dots per inch, so a chart looks alike on screen, in a file and on paper.
QFont chartFont(ChartFont f);

// Paints `ops` with the chart's top left corner at the painter's origin.
void paintChart(QPainter& p, const std::vector<ChartOp>& ops);

// The chart as a 570 x 485 picture on black.
QImage chartImage(const std::vector<ChartOp>& ops);

} // namespace quorvel::stats
