#pragma once
// TLEDPaint: a small lamp, lit or dark, inside optional bevels.

#include <QColor>
#include <QWidget>

namespace quorvel {

enum LedColor { lcRed, lcGreen, lcBlue, lcYellow, lcNone };
enum LedType { ltRound, ltRect };
enum class Bevel { None, Lowered, Raised, Space };

// Lit and dark colour of a lamp; lcNone gives buttonFace in both states.
QColor ledLampColour(LedColor colour, bool on, const QColor& buttonFace);

class TLEDPaint : public QWidget {
    Q_OBJECT
public:
    explicit TLEDPaint(QWidget* parent = nullptr);

    QColor BackGround() const { return m_background; }
    void setBackGround(const QColor& c);
    Bevel BevelOuter() const { return m_outer; }
    void setBevelOuter(Bevel b);
    Bevel BevelInner() const { return m_inner; }
    void setBevelInner(Bevel b);
    int BevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(int w); // 0..255
    LedColor LEDColor() const { return m_color; }
    void setLEDColor(LedColor c);
    bool LEDOn() const { return m_on; }
    void setLEDOn(bool on);
    LedType LEDType() const { return m_type; }
    void setLEDType(LedType t);

    // BevelWidth for each bevel that is not none.
    int totalBevelWidth() const;
    // The rectangle inside the bevels, where the lamp sits.
    QRect lampRect() const;

    QSize sizeHint() const override { return {19, 19}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void paintBevel(class QPainter& p, QRect& r, Bevel bevel) const;
    void paintLamp(class QPainter& p, const QRect& r) const;

    QColor m_background;
    Bevel m_outer = Bevel::Raised;
    Bevel m_inner = Bevel::Raised;
    int m_bevelWidth = 1;
    LedColor m_color = lcRed;
    bool m_on = false;
    LedType m_type = ltRound;
};

} // namespace quorvel
