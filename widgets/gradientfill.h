#pragma once
// TGradientFill: a banded linear colour gradient used as the background of pages and panels.

#include "gradientbands.h"

#include <QColor>
#include <QImage>
#include <QWidget>

namespace quorvel {

// Renders the gradient into a W x H image (the off-screen picture the control copies).
QImage renderGradient(QSize size, const QColor& begin, const QColor& end,
                      FillDirection direction, int numberOfColors);

class TGradientFill : public QWidget {
    Q_OBJECT
public:
    explicit TGradientFill(QWidget* parent = nullptr);

    QColor BeginColor() const { return m_begin; }
    void setBeginColor(const QColor& c);
    QColor EndColor() const { return m_end; }
    void setEndColor(const QColor& c);
    int NumberOfColors() const { return m_numberOfColors; }
    void setNumberOfColors(int n); // 0..255
    FillDirection fillDirection() const { return m_direction; }
    void setFillDirection(FillDirection d);

    // The picture as it is painted at the current size.
    QImage render() const;

    QSize sizeHint() const override { return {105, 105}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void changed();

    mutable QImage m_picture; // last rendered picture; rebuilt when size or settings change
    QColor m_begin{0, 0, 255};     // clBlue
    QColor m_end{0, 0, 0};         // clBlack
    int m_numberOfColors = 16;
    FillDirection m_direction = fdTopToBottom;
};

// Puts a gradient behind all children of page, filling it and following its size.
// The gradient lets mouse clicks through to the page.
TGradientFill* addGradientBackground(QWidget* page, QColor begin, QColor end,
                                     FillDirection dir = fdTopToBottom,
                                     int numberOfColors = 255);

// The program's usual background: white to silver (#C0C0C0) in 255 steps.
inline const QColor kBackgroundSilver{0xC0, 0xC0, 0xC0};
inline TGradientFill* addPageBackground(QWidget* page, FillDirection dir = fdTopToBottom)
{
    return addGradientBackground(page, Qt::white, kBackgroundSilver, dir);
}

} // namespace quorvel
