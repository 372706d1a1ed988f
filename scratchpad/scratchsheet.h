#pragma once
// The scratch sheet without a window: the backing image the pupil scribbles on and the
// state of the stroke in progress. The widget only feeds it pointer events and copies the
// image to the screen, so the drawing outlives page changes and covering windows.

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QSize>

#include <cstdint>

namespace quorvel::scratch {

// Tool byte of the pad: 0 pen, 8 eraser (the eraser's line width).
enum class Tool : std::uint8_t { Pen = 0, Eraser = 8 };

// Which mouse button began a stroke; a finger or a stylus counts as the left button.
enum class StrokeButton { Left, Right };

constexpr int kSheetWidth = 250;
constexpr int kSheetHeight = 274; // in the fixed-size main window
constexpr int kPenWidth = 1;
constexpr int kEraserWidth = 8;

class ScratchSheet {
public:
    // A white image of `logical` pixels, stored at `dpr` device pixels per pixel.
    explicit ScratchSheet(QSize logical = {kSheetWidth, kSheetHeight}, qreal dpr = 1.0);

    // Makes the image cover `logical` pixels at `dpr`. It grows but never shrinks, so a
    // layout that briefly makes the sheet smaller loses nothing; a new pixel ratio keeps
    // the drawing, scaled to the new resolution. New area is white.
    void fitTo(QSize logical, qreal dpr);

    // The backing image; its devicePixelRatio is set, so size()/dpr is the logical size.
    const QImage& image() const { return m_image; }
    QSize logicalSize() const;
    qreal devicePixelRatio() const { return m_image.devicePixelRatio(); }

    Tool tool() const { return m_tool; }
    // Takes effect with the next stroke.
    void setTool(Tool t) { m_tool = t; }
    bool drawing() const { return m_drawing; }

    // A stroke: begin where the button went down, one straight segment per move from the
    // last point to the new one, end when the button is released. The pen draws black
    // lines one pixel wide with the left button and white ones with the right; the eraser
    // draws white lines eight pixels wide with either. A segment leaves its end point for
    // the next one, and a segment of no length draws nothing, so a plain click leaves no
    // mark. A move returns the logical area that changed (empty if none); beginning and
    // ending draw nothing, since every move already drew up to the pointer.
    void beginStroke(StrokeButton button, QPointF at);
    QRect continueStroke(QPointF to);
    void endStroke();

    // "Neues Blatt": the whole image white again; the tool stays.
    void clear();

    // True while every pixel is white.
    bool isBlank() const;

private:
    QRect drawSegment(QPointF from, QPointF to);

    QImage m_image;
    Tool m_tool = Tool::Pen;
    bool m_drawing = false;
    QPointF m_start; // last point drawn to
    QColor m_colour = Qt::black;
    int m_width = kPenWidth;
};

// The two tool cursors, 32 x 32, black on white with a transparent surround, and their
// hot spots: the pen's tip and the eraser's top left corner.
constexpr int kCursorSize = 32;
constexpr QPoint kPenHotSpot{3, 3};
constexpr QPoint kEraserHotSpot{4, 4};
QImage penCursorImage();
QImage eraserCursorImage();

// The glyphs of the three tool buttons, `size` logical pixels square at `dpr`.
enum class Glyph { Pen, Eraser, NewSheet };
QImage toolGlyph(Glyph glyph, int size, qreal dpr);

} // namespace quorvel::scratch
