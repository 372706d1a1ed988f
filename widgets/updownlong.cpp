#include "updownlong.h"

#include "conversionerror.h"
#include "inputfilter.h"
#include "messages.h"
#include "updownvalue.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTimer>

namespace quorvel {

namespace {
constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 60;
} // namespace

TUpDownLong::TUpDownLong(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    resize(kButtonWidth, 21);
    m_repeat = new QTimer(this);
    connect(m_repeat, &QTimer::timeout, this, [this] {
        m_repeat->setInterval(kRepeatMs);
        if (m_pressed != 0)
            step(m_pressed);
    });
}

void TUpDownLong::setAssociate(QLineEdit* edit)
{
    if (m_edit) {
        m_edit->removeEventFilter(this);
        disconnect(m_edit, nullptr, this, nullptr);
    }
    m_edit = edit;
    m_editObject = edit;
    if (!edit)
        return;
    if (parentWidget() != edit->parentWidget())
        setParent(edit->parentWidget());
    edit->resize(std::max(0, edit->width() - kButtonWidth), edit->height());
    placeAtEdit();
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (const auto v = parseUpDownText(text.toStdString()))
            m_position = clampPosition(*v, std::min(m_min, m_max), std::max(m_min, m_max));
    });
    // Leaving the edit shows the value it stands for, in the spinner's own form.
    connect(edit, &QLineEdit::editingFinished, this, [this] {
        if (m_tidyOnLeave)
            setPosition(Position());
    });
    writeEdit();
    show();
}

QLineEdit* TUpDownLong::Associate() const { return m_edit.data(); }

void TUpDownLong::placeAtEdit()
{
    if (m_edit)
        placeAt(m_edit);
}

void TUpDownLong::placeAt(const QWidget* edit)
{
    const QRect g = edit->geometry();
    setGeometry(g.right() + 1, g.top(), kButtonWidth, g.height());
}

void TUpDownLong::setMin(std::int32_t v)
{
    m_min = v;
    setPosition(m_position);
}

void TUpDownLong::setMax(std::int32_t v)
{
    m_max = v;
    setPosition(m_position);
}

void TUpDownLong::setThousands(bool on)
{
    m_thousands = on;
    writeEdit();
}

std::int32_t TUpDownLong::Position() const
{
    const std::int32_t lo = std::min(m_min, m_max);
    const std::int32_t hi = std::max(m_min, m_max);
    if (!m_edit)
        return clampPosition(m_position, lo, hi);
    return positionFromText(m_edit->text().toStdString(), lo, hi, m_position);
}

void TUpDownLong::setPosition(std::int32_t v)
{
    const std::int32_t old = m_position;
    m_position = clampPosition(v, std::min(m_min, m_max), std::max(m_min, m_max));
    writeEdit();
    if (m_position != old)
        emit positionChanged(m_position);
}

void TUpDownLong::writeEdit()
{
    if (!m_edit)
        return;
    const QString text = QString::fromStdString(formatUpDownValue(m_position, m_thousands));
    if (m_edit->text() != text)
        m_edit->setText(text);
}

void TUpDownLong::stepUp() { step(+1); }
void TUpDownLong::stepDown() { step(-1); }

void TUpDownLong::step(int direction)
{
    const std::int32_t from = Position();
    const std::int32_t lo = std::min(m_min, m_max);
    const std::int32_t hi = std::max(m_min, m_max);
    const std::int64_t delta = static_cast<std::int64_t>(m_increment) * direction;
    m_position = from; // the text as read, so the step starts from what is shown
    setPosition(m_wrap ? wrapStepPosition(from, delta, lo, hi) : stepPosition(from, delta, lo, hi));
    if (m_edit)
        m_edit->selectAll();
}

void TUpDownLong::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int half = height() / 2;
    const QRect rects[2] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int i = 0; i < 2; ++i) {
        const bool down = (i == 0 && m_pressed > 0) || (i == 1 && m_pressed < 0);
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = rects[i];
        button.state |= down ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &p, this);
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = rects[i].adjusted(3, 2, -3, -2);
        if (down)
            arrow.rect.translate(1, 1);
        style()->drawPrimitive(i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown,
                               &arrow, &p, this);
    }
}

void TUpDownLong::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    m_pressed = e->position().y() < height() / 2 ? +1 : -1;
    step(m_pressed);
    m_repeat->start(kFirstRepeatMs);
    update();
}

void TUpDownLong::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    m_pressed = 0;
    m_repeat->stop();
    update();
}

bool TUpDownLong::eventFilter(QObject* watched, QEvent* event)
{
    // Compared as plain objects: while the edit is being destroyed it sends events as a
    // mere QWidget, and turning it into a QLineEdit then would be a wrong downcast.
    if (watched == m_editObject.data()) {
        auto* editWidget = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (m_arrowKeys && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
                step(key->key() == Qt::Key_Up ? +1 : -1);
                return true;
            }
            break;
        }
        case QEvent::Move:
        case QEvent::Resize:
            placeAt(editWidget);
            break;
        case QEvent::ShowToParent:
            show();
            break;
        case QEvent::HideToParent:
            hide();
            break;
        case QEvent::EnabledChange:
            setEnabled(editWidget->isEnabled());
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

TUpDownLong* addUpDownLong(QWidget* parent, const QRect& geometry, const QString& editName,
                           const QString& upDownName, const UpDownSetup& setup,
                           const QString& spoken)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(editName);
    edit->setAccessibleName(spoken.isEmpty() ? editName : spoken);
    edit->setGeometry(geometry);
    auto* upDown = new TUpDownLong(parent);
    upDown->setObjectName(upDownName);
    upDown->setAccessibleName(spoken.isEmpty() ? upDownName : spoken + QStringLiteral(" ändern"));
    upDown->setMin(setup.min);
    upDown->setMax(setup.max);
    upDown->setIncrement(setup.increment);
    upDown->setThousands(setup.thousands);
    upDown->setTidyOnLeave(setup.tidyOnLeave);
    upDown->setPosition(setup.position);
    upDown->setAssociate(edit);
    const QString lo = QString::fromStdString(formatUpDownValue(setup.min, true));
    const QString hi = QString::fromStdString(formatUpDownValue(setup.max, true));
    restrictInput(edit, kDigitCharacters + (setup.min < 0 ? QStringLiteral(".-") : QStringLiteral(".")),
                  int(std::max(lo.size(), hi.size())));
    return upDown;
}

std::optional<std::int32_t> taskCountForStart(TUpDownLong* spinner, MessageSink& messages)
{
    const QLineEdit* edit = spinner->Associate();
    const QString text = edit ? edit->text() : QString();
    const QString range = QStringLiteral("Bitte geben Sie eine Zahl von %1 bis %2 ein !")
                              .arg(std::min(spinner->Min(), spinner->Max()))
                              .arg(std::max(spinner->Min(), spinner->Max()));
    if (edit && text.trimmed().isEmpty()) {
        messages.showMessage(QStringLiteral("Es wurde keine Aufgabenanzahl eingegeben.\r") + range);
        return std::nullopt;
    }
    if (edit && !parseUpDownText(text.toStdString())) {
        messages.showMessage(QStringLiteral("„%1“ ist keine Aufgabenanzahl.\r").arg(quotedInput(text))
                             + range);
        return std::nullopt;
    }
    const std::int32_t count = spinner->Position();
    spinner->setPosition(count); // "0" becomes "1", "5000" "1.000": what the series uses
    return count;
}

} // namespace quorvel
