#include "numberpad.h"

#include <QLineEdit>
#include <QPushButton>

namespace quorvel {

namespace {
struct PadKey {
    const char* name;
    const char* caption;
    int tag; // digit, or -1 for the comma that does nothing
    int x, y;
};
// Three rows of digits like a phone pad, the zero and the comma below.
constexpr PadKey kKeys[] = {
    {"SB07", "7", 7, 8, 8},   {"SB08", "8", 8, 48, 8},   {"SB09", "9", 9, 88, 8},
    {"SB04", "4", 4, 8, 46},  {"SB05", "5", 5, 48, 46},  {"SB06", "6", 6, 88, 46},
    {"SB01", "1", 1, 8, 84},  {"SB02", "2", 2, 48, 84},  {"SB03", "3", 3, 88, 84},
    {"SB10", "0", 0, 8, 122}, {"SB11", ",", -1, 88, 122},
};
constexpr int kKeyW = 36, kKeyH = 34;
} // namespace

NumberPad::NumberPad(std::function<const QWidget*()> currentPage, QWidget* parent)
    : QWidget(parent), m_currentPage(std::move(currentPage))
{
    setObjectName(QStringLiteral("PanelHaupt02"));
    setFixedSize(250, 173);
    for (const PadKey& k : kKeys) {
        auto* b = new QPushButton(QString::fromUtf8(k.caption), this);
        b->setObjectName(QString::fromLatin1(k.name));
        b->setAccessibleName(k.tag >= 0 ? QStringLiteral("Ziffer %1").arg(k.tag)
                                        : QStringLiteral("Komma"));
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(k.x, k.y, k.tag == 0 ? 2 * kKeyW + 4 : kKeyW, kKeyH);
        b->setProperty("tag", k.tag);
        if (k.tag >= 0)
            connect(b, &QPushButton::clicked, this, [this, t = k.tag] { digitClicked(t); });
        m_controls << b;
    }
    struct Cmd {
        const char* name;
        const char* caption;
        void (NumberPad::*slot)();
        int y;
    };
    const Cmd cmds[] = {
        {"BitBtnAbbruch01", "Abbruch", &NumberPad::abortClicked, 8},
        {"BitBtnUeberspringen01", "Überspringen", &NumberPad::skipClicked, 54},
        {"BitBtnErgebnis01", "Ergebnis bestätigen", &NumberPad::confirmClicked, 100},
    };
    for (const Cmd& c : cmds) {
        auto* b = new QPushButton(QString::fromUtf8(c.caption), this);
        b->setObjectName(QString::fromLatin1(c.name));
        b->setAccessibleName(QString::fromUtf8(c.caption));
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(132, c.y, 110, 40);
        connect(b, &QPushButton::clicked, this, c.slot);
        m_controls << b;
    }
    setPadEnabled(false);
}

void NumberPad::registerTarget(const QWidget* page, PadTarget target)
{
    m_targets[page] = std::move(target);
}

void NumberPad::setPadEnabled(bool enabled)
{
    for (QWidget* w : m_controls)
        w->setEnabled(enabled);
}

bool NumberPad::padEnabled() const { return !m_controls.isEmpty() && m_controls.front()->isEnabled(); }

const PadTarget* NumberPad::target() const
{
    const auto it = m_targets.find(m_currentPage ? m_currentPage() : nullptr);
    return it == m_targets.end() ? nullptr : &it->second;
}

void NumberPad::digitClicked(int digit)
{
    if (const PadTarget* t = target(); t && t->digitsInto)
        t->digitsInto->setText(t->digitsInto->text() + QString::number(digit));
}

void NumberPad::abortClicked()
{
    if (const PadTarget* t = target(); t && t->abort)
        t->abort();
}

void NumberPad::skipClicked()
{
    if (const PadTarget* t = target(); t && t->skip)
        t->skip();
}

void NumberPad::confirmClicked()
{
    if (const PadTarget* t = target(); t && t->confirm)
        t->confirm();
}

} // namespace quorvel
