#pragma once
// TFormInfo: the about window with name, version, credits and two links, inside a
// yellow frame by which it can be dragged.

#include "urllabel.h"

#include <QColor>
#include <QDialog>
#include <QPoint>

class QLabel;
class QPainter;
class QPushButton;

namespace quorvel {

class TGradientFill;

// Colour of frame ring i (0 = outer edge .. 20 = next to the panel).
QColor aboutFrameColour(int ring);
// Paints the 21 rings into a width x height client area.
void paintAboutFrame(QPainter& p, int width, int height);

// Build-time link targets ("mailto:" is added to a bare mail address).
QString aboutHomepage();
QString aboutMailTarget();

class TFormInfo : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 442;
    static constexpr int kHeight = 242;
    static constexpr int kFrame = 21;

    explicit TFormInfo(QWidget* parent = nullptr, UrlOpener opener = desktopUrlOpener());

    void setOpener(const UrlOpener& opener);

    QLabel* Label01() const { return m_title; }
    TURLLabel* URLLabel1() const { return m_homepage; }
    TURLLabel* URLLabel2() const { return m_mail; }
    QPushButton* BitBtnClose() const { return m_close; }

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QLabel* m_title = nullptr;
    TURLLabel* m_homepage = nullptr;
    TURLLabel* m_mail = nullptr;
    QPushButton* m_close = nullptr;
    bool m_dragging = false;  // manual move when the system cannot move the window
    QPoint m_dragOffset;      // pointer position relative to the window's top-left
};

} // namespace quorvel
