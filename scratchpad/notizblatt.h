#pragma once
// Notizblatt: the white sheet of the scratch pad. It hands mouse, touch and stylus input
// to the ScratchSheet and copies the backing image to the screen.

#include "scratchsheet.h"

#include <QWidget>

class QTouchEvent;

namespace quorvel {

class Notizblatt : public QWidget {
    Q_OBJECT
public:
    explicit Notizblatt(QWidget* parent = nullptr);

    scratch::ScratchSheet& sheet() { return m_sheet; }
    const scratch::ScratchSheet& sheet() const { return m_sheet; }

    // Tool buttons: choose pen or eraser (the sheet's cursor follows), or a new sheet.
    void SBNotizClick(scratch::Tool tool);
    void SBNotizLoeschenClick();

    // The pointer shapes of the two tools, made once for the whole program.
    static const QCursor& penCursor();
    static const QCursor& eraserCursor();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void tabletEvent(QTabletEvent* e) override;
    bool event(QEvent* e) override;

private:
    void NotizblattMouseDown(scratch::StrokeButton button, QPointF at);
    void NotizblattMouseMove(QPointF at);
    void NotizblattMouseUp();
    void touchEvent(QTouchEvent* e);
    void describe();

    scratch::ScratchSheet m_sheet;
    int m_touchPoint = -1; // the finger that draws; others are ignored
};

} // namespace quorvel
