#include "notizblatt.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QTabletEvent>
#include <QTouchEvent>

namespace quorvel {

namespace {

// A screen reader hears the sheet as a picture with its name and whether it holds notes,
// not as an empty filler.
QAccessibleInterface* sheetAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("quorvel::Notizblatt") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

Notizblatt::Notizblatt(QWidget* parent) : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(sheetAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setObjectName(QStringLiteral("Notizblatt"));
    setAccessibleName(QStringLiteral("Notizblatt"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_AcceptTouchEvents);
    // The right button rubs out; no menu may get in the way.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setCursor(penCursor());
    describe();
}

const QCursor& Notizblatt::penCursor()
{
    static const QCursor c(QPixmap::fromImage(scratch::penCursorImage()), scratch::kPenHotSpot.x(),
                           scratch::kPenHotSpot.y());
    return c;
}

const QCursor& Notizblatt::eraserCursor()
{
    static const QCursor c(QPixmap::fromImage(scratch::eraserCursorImage()),
                           scratch::kEraserHotSpot.x(), scratch::kEraserHotSpot.y());
    return c;
}

void Notizblatt::SBNotizClick(scratch::Tool tool)
{
    m_sheet.setTool(tool);
    setCursor(tool == scratch::Tool::Eraser ? eraserCursor() : penCursor());
}

void Notizblatt::SBNotizLoeschenClick()
{
    m_sheet.clear();
    describe();
    update();
}

void Notizblatt::describe()
{
    setAccessibleDescription(m_sheet.isBlank() ? QStringLiteral("Das Blatt ist leer.")
                                               : QStringLiteral("Auf dem Blatt stehen Notizen."));
}

void Notizblatt::NotizblattMouseDown(scratch::StrokeButton button, QPointF at)
{
    m_sheet.beginStroke(button, at);
}

void Notizblatt::NotizblattMouseMove(QPointF at)
{
    const QRect changed = m_sheet.continueStroke(at);
    if (!changed.isEmpty())
        update(changed);
}

void Notizblatt::NotizblattMouseUp()
{
    if (!m_sheet.drawing())
        return;
    m_sheet.endStroke();
    describe();
}

void Notizblatt::paintEvent(QPaintEvent* e)
{
    // The screen may have changed its pixel ratio since the last paint.
    m_sheet.fitTo(size(), devicePixelRatioF());
    QPainter p(this);
    p.setClipRegion(e->region());
    p.drawImage(QPointF(0, 0), m_sheet.image());
}

void Notizblatt::resizeEvent(QResizeEvent* e)
{
    m_sheet.fitTo(size(), devicePixelRatioF());
    QWidget::resizeEvent(e);
}

void Notizblatt::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        NotizblattMouseDown(scratch::StrokeButton::Left, e->position());
    else if (e->button() == Qt::RightButton)
        NotizblattMouseDown(scratch::StrokeButton::Right, e->position());
    else
        QWidget::mousePressEvent(e);
}

void Notizblatt::mouseMoveEvent(QMouseEvent* e) { NotizblattMouseMove(e->position()); }

void Notizblatt::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton || e->button() == Qt::RightButton)
        NotizblattMouseUp();
    else
        QWidget::mouseReleaseEvent(e);
}

void Notizblatt::tabletEvent(QTabletEvent* e)
{
    // The stylus tip writes like the left button; its eraser end rubs out like the right.
    const auto button = e->pointerType() == QPointingDevice::PointerType::Eraser
                            ? scratch::StrokeButton::Right
                            : scratch::StrokeButton::Left;
    switch (e->type()) {
    case QEvent::TabletPress:
        NotizblattMouseDown(button, e->position());
        break;
    case QEvent::TabletMove:
        NotizblattMouseMove(e->position());
        break;
    case QEvent::TabletRelease:
        NotizblattMouseUp();
        break;
    default:
        break;
    }
    e->accept(); // no mouse events made up from the stylus on top
}

void Notizblatt::touchEvent(QTouchEvent* e)
{
    if (e->type() == QEvent::TouchCancel) {
        NotizblattMouseUp();
        m_touchPoint = -1;
        return;
    }
    for (const QEventPoint& point : e->points()) {
        if (m_touchPoint < 0 && point.state() == QEventPoint::Pressed) {
            m_touchPoint = point.id();
            NotizblattMouseDown(scratch::StrokeButton::Left, point.position());
        } else if (point.id() == m_touchPoint) {
            NotizblattMouseMove(point.position());
            if (point.state() == QEventPoint::Released) {
                NotizblattMouseUp();
                m_touchPoint = -1;
            }
        }
    }
}

bool Notizblatt::event(QEvent* e)
{
    switch (e->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        touchEvent(static_cast<QTouchEvent*>(e));
        e->accept();
        return true;
    default:
        return QWidget::event(e);
    }
}

} // namespace quorvel
