#include "aboutwindow.h"

#include "gradientfill.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#ifndef QUORVEL_HOMEPAGE
#define QUORVEL_HOMEPAGE "https://quorvel.example.org/"
#endif
#ifndef QUORVEL_EMAIL
#define QUORVEL_EMAIL "quorvel@example.org"
#endif

namespace quorvel {

namespace {

// Panel01: raised outer and lowered inner bevel of one pixel each; takes the mouse so
// that only the frame around it drags the window.
class InfoPanel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QColor light = palette().color(QPalette::Light);
        const QColor dark = palette().color(QPalette::Dark);
        QRect r = rect();
        for (const bool raised : {true, false}) {
            const QColor tl = raised ? light : dark;
            const QColor br = raised ? dark : light;
            p.fillRect(r.right(), r.top(), 1, r.height(), br);
            p.fillRect(r.left(), r.bottom(), r.width(), 1, br);
            p.fillRect(r.left(), r.top(), r.width() - 1, 1, tl);
            p.fillRect(r.left(), r.top(), 1, r.height() - 1, tl);
            r.adjust(1, 1, -1, -1);
        }
    }
    void mousePressEvent(QMouseEvent* e) override { e->accept(); }
};

QLabel* makeCentredLabel(QWidget* parent, const char* name, const QString& text, int y, int h,
                         int pointSize, bool bold)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(10, y, 380, h);
    l->setAlignment(Qt::AlignCenter);
    QFont f(QStringLiteral("Comic Sans MS"), pointSize);
    f.setBold(bold);
    l->setFont(f);
    return l;
}

TURLLabel* makeLink(QWidget* parent, const char* name, const QString& caption, const QString& url,
                    int y)
{
    auto* l = new TURLLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setText(caption);
    l->setAccessibleName(caption);
    l->setURL(url);
    QFont f(QStringLiteral("Tahoma"), 10);
    f.setBold(true);
    f.setUnderline(true);
    l->setFont(f);
    l->setColorNormal(Qt::black);
    l->setColorMoveOver(Qt::black);
    l->setCursor(Qt::PointingHandCursor);
    l->setToolTip(url);
    l->move(10, y);
    l->adjustSize();
    return l;
}

} // namespace

QColor aboutFrameColour(int ring)
{
    const int v = 255 - 6 * ring;
    return QColor(v, v, 0);
}

void paintAboutFrame(QPainter& p, int w, int h)
{
    // Each ring i: top row and left column in full, bottom row and right column one
    // pixel in from the far edge, so the rings nest without overlapping.
    for (int i = 0; i <= 20; ++i) {
        const QColor c = aboutFrameColour(i);
        p.fillRect(i, i, w - 2 * i, 1, c);
        p.fillRect(i, h - i - 1, w - 2 * i, 1, c);
        p.fillRect(i, i, 1, h - 2 * i, c);
        p.fillRect(w - i - 1, i, 1, h - 2 * i, c);
    }
}

QString aboutHomepage() { return QStringLiteral(QUORVEL_HOMEPAGE); }

QString aboutMailTarget()
{
    const QString mail = QStringLiteral(QUORVEL_EMAIL);
    return mail.startsWith(QStringLiteral("mailto:")) ? mail : QStringLiteral("mailto:") + mail;
}

TFormInfo::TFormInfo(QWidget* parent, UrlOpener opener)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FormInfo"));
    setWindowTitle(QStringLiteral("Information"));
    setModal(true);
    setFixedSize(kWidth, kHeight);
    setFont(QFont(QStringLiteral("MS Shell Dlg 2"), 8));

    auto* panel = new InfoPanel(this);
    panel->setObjectName(QStringLiteral("Panel01"));
    panel->setGeometry(kFrame, kFrame, 400, 200);
    auto* fill = new TGradientFill(panel);
    fill->setObjectName(QStringLiteral("GradientFill01"));
    fill->setBeginColor(QColor(0xC0, 0xC0, 0xC0));
    fill->setEndColor(Qt::white);
    fill->setNumberOfColors(255);
    fill->setFillDirection(fdTopToBottom);
    fill->setAttribute(Qt::WA_TransparentForMouseEvents);
    fill->setGeometry(panel->rect().adjusted(2, 2, -2, -2)); // inside the two bevels

    m_title = makeCentredLabel(panel, "Label01", QStringLiteral("Quorvel V1.5"), 10, 29, 16, true);
    makeCentredLabel(panel, "Label02", QStringLiteral("Programm und Aufgaben: das Quorvel-Team"),
                     45, 23, 12, false);
    makeCentredLabel(panel, "Label03",
                     QStringLiteral("Danke allen Schülerinnen und Schülern fürs Testen!"), 70, 23,
                     12, false);

    m_homepage = makeLink(panel, "URLLabel1", QStringLiteral("Homepage"), aboutHomepage(), 150);
    m_mail = makeLink(panel, "URLLabel2", QStringLiteral("EMail"), aboutMailTarget(), 170);
    setOpener(opener);

    m_close = new QPushButton(QStringLiteral("Schliessen"), panel);
    m_close->setObjectName(QStringLiteral("BitBtnClose"));
    m_close->setAccessibleName(QStringLiteral("Schliessen"));
    m_close->setGeometry(264, 160, 125, 30);
    m_close->setFont(QFont(QStringLiteral("Comic Sans MS"), 10));
    m_close->setDefault(true);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormInfo::setOpener(const UrlOpener& opener)
{
    m_homepage->setOpener(opener);
    m_mail->setOpener(opener);
}

void TFormInfo::showEvent(QShowEvent* e)
{
    m_title->setText(QStringLiteral("Quorvel V1.51"));
    if (!e->spontaneous()) {
        const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
        if (s)
            move(s->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(e);
}

void TFormInfo::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintAboutFrame(p, width(), height());
}

void TFormInfo::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) {
        QDialog::mousePressEvent(e);
        return;
    }
    // Let the window manager move the window as if its title bar had been grabbed;
    // where it cannot (no window manager), follow the pointer ourselves.
    QWindow* w = windowHandle();
    if (w && w->startSystemMove()) {
        m_dragging = false;
    } else {
        m_dragging = true;
        m_dragOffset = e->globalPosition().toPoint() - frameGeometry().topLeft();
    }
    e->accept();
}

void TFormInfo::mouseMoveEvent(QMouseEvent* e)
{
    if (m_dragging && (e->buttons() & Qt::LeftButton))
        move(e->globalPosition().toPoint() - m_dragOffset);
    e->accept();
}

void TFormInfo::mouseReleaseEvent(QMouseEvent* e)
{
    m_dragging = false;
    e->accept();
}

} // namespace quorvel
