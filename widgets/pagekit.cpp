#include "pagekit.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace quorvel {

QPushButton* makeButton(QWidget* parent, const QString& objectName, const QString& caption,
                        int x, int y, int w, int h)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(objectName);
    QString plain = caption;
    plain.remove(QLatin1Char('&'));
    b->setAccessibleName(plain);
    b->setGeometry(x, y, w, h);
    return b;
}

QPushButton* addStartButton(QWidget* page, const QString& objectName, int x, int width)
{
    QPushButton* start = makeButton(page, objectName, QStringLiteral("&Start"), x, 440, width, 30);
    QFont bold = start->font();
    bold.setBold(true);
    bold.setPointSize(10);
    start->setFont(bold);
    setHint(start, QStringLiteral("Zu den Übungsaufgaben"));
    return start;
}

void showBesideTheTasks(QWidget* window, bool& placed)
{
    if (!placed) {
        if (QScreen* screen = QGuiApplication::primaryScreen())
            window->move(screen->availableGeometry().center()
                         - QPoint(window->width() / 2, window->height() / 2));
        placed = true;
    }
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

QLabel* makeLabel(QWidget* parent, const QString& objectName, const QString& text, int x, int y)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(objectName);
    l->move(x, y);
    l->adjustSize();
    return l;
}

QFont pixelFont(const QString& family, int pixels, bool bold)
{
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QFont courierPoints(int points, bool bold)
{
    QFont f = pointFont(QStringLiteral("Courier"), points, bold);
    f.setStyleHint(QFont::TypeWriter);
    return f;
}

QFont courierPixels(int pixels, bool bold)
{
    QFont f = pixelFont(QStringLiteral("Courier"), pixels, bold);
    f.setStyleHint(QFont::TypeWriter);
    return f;
}

QFont pointFont(const QString& family, int points, bool bold)
{
    QFont f(family);
    f.setPointSize(points);
    f.setBold(bold);
    return f;
}

QFont headingFont()
{
    QFont f(QStringLiteral("Comic Sans MS"), 16);
    f.setBold(true);
    return f;
}

QLabel* makeHeading(QWidget* parent, const QString& objectName, const QString& text, int left,
                    int right)
{
    QLabel* l = makeLabel(parent, objectName, text, left, 16);
    l->setFont(headingFont());
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setGeometry(left, 16, right - left, 34);
    return l;
}

QString longHint(const QString& hint)
{
    const int bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

QString shortHint(const QString& hint)
{
    const int bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

void setHint(QWidget* w, const QString& hint)
{
    w->setToolTip(shortHint(hint));
    w->setStatusTip(longHint(hint));
}

} // namespace quorvel
