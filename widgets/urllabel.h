#pragma once
// TURLLabel: a text label that opens a web or mail address when clicked, or when it has
// the focus (Tab) and Enter or Space is pressed; a screen reader reads it as a link.

#include <QColor>
#include <QLabel>

#include <functional>

namespace quorvel {

// Opens an address with the desktop's default handler (browser, mail program).
using UrlOpener = std::function<void(const QString& target)>;
UrlOpener desktopUrlOpener();

class TURLLabel : public QLabel {
    Q_OBJECT
public:
    static inline const QString kDefaultUrl = QStringLiteral("https://www.qt.io/");

    explicit TURLLabel(QWidget* parent = nullptr);

    QColor ColorNormal() const { return m_normal; }
    void setColorNormal(const QColor& c);
    QColor ColorMoveOver() const { return m_moveOver; }
    void setColorMoveOver(const QColor& c) { m_moveOver = c; }
    QColor ColorClick() const { return m_click; }
    void setColorClick(const QColor& c) { m_click = c; }
    QString URL() const { return m_url; }
    void setURL(const QString& url) { m_url = url; }

    // What a click opens: URL, or the caption when URL is empty.
    QString target() const;
    void setOpener(UrlOpener opener) { m_opener = std::move(opener); }

    QColor textColour() const;
    bool pressed() const { return m_pressed; }
    void open();

protected:
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void paintEvent(QPaintEvent*) override;

private:
    void setTextColour(const QColor& c);

    QColor m_normal{0, 0, 255};
    QColor m_moveOver{0, 0, 255};
    QColor m_click{255, 0, 0};
    QString m_url = kDefaultUrl;
    bool m_pressed = false;
    UrlOpener m_opener;
};

} // namespace quorvel
