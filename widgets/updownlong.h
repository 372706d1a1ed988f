#pragma once
// TUpDownLong: an up/down spinner with a 32-bit range, bound to an edit field that
// shows its position. The buttons sit at the right edge of the edit.

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <cstdint>
#include <optional>

class QLineEdit;
class QTimer;

namespace quorvel {

class MessageSink;

class TUpDownLong : public QWidget {
    Q_OBJECT
public:
    static constexpr int kButtonWidth = 16;

    explicit TUpDownLong(QWidget* parent = nullptr);

    // Binds the edit: the spinner moves to the edit's right edge (the edit gives up
    // the room), writes the position into it and takes the arrow keys pressed there.
    void setAssociate(QLineEdit* edit);
    QLineEdit* Associate() const;

    std::int32_t Min() const { return m_min; }
    void setMin(std::int32_t v);
    std::int32_t Max() const { return m_max; }
    void setMax(std::int32_t v);
    std::int32_t Increment() const { return m_increment; }
    void setIncrement(std::int32_t v) { m_increment = v; }
    bool Thousands() const { return m_thousands; }
    void setThousands(bool on);
    bool Wrap() const { return m_wrap; }
    void setWrap(bool on) { m_wrap = on; }
    bool ArrowKeys() const { return m_arrowKeys; }
    void setArrowKeys(bool on) { m_arrowKeys = on; }
    // Whether leaving the edit rewrites it in the spinner's own form. Fields whose text
    // is checked by the page itself (an empty field, a value past Max) keep what was typed.
    bool TidyOnLeave() const { return m_tidyOnLeave; }
    void setTidyOnLeave(bool on) { m_tidyOnLeave = on; }

    // The value shown: the edit's text read as a whole number and held to Min..Max.
    // A text that is no whole number gives the last good position.
    std::int32_t Position() const;
    // Clamps to Min..Max and writes the value into the edit.
    void setPosition(std::int32_t v);

    // One click on the upper (+Increment) or lower (-Increment) button.
    void stepUp();
    void stepDown();

    QSize sizeHint() const override { return {kButtonWidth, 21}; }

signals:
    void positionChanged(std::int32_t position);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(int direction);
    void writeEdit();
    void placeAtEdit();
    void placeAt(const QWidget* edit);

    QPointer<QLineEdit> m_edit;
    QPointer<QObject> m_editObject; // the same edit, for comparing without a downcast
    std::int32_t m_min = 0;
    std::int32_t m_max = 100;
    std::int32_t m_position = 0;
    std::int32_t m_increment = 1;
    bool m_thousands = true;
    bool m_arrowKeys = true;
    bool m_wrap = false;
    bool m_tidyOnLeave = true;
    int m_pressed = 0; // +1 upper button held, -1 lower, 0 none
    QTimer* m_repeat = nullptr;
};

struct UpDownSetup {
    std::int32_t min = 0;
    std::int32_t max = 100;
    std::int32_t position = 0;
    std::int32_t increment = 1;
    bool thousands = true;
    bool tidyOnLeave = true;
};

// The task-count spinners of the topics and the range spinners of the prime calculator.
inline constexpr UpDownSetup kTaskCountSpinner{1, 1000, 10, 1, true};
inline constexpr UpDownSetup kPrimeRangeSpinner{0, 2147400000, 0, 1000, false, false};

// Creates an edit with a spinner at its right edge; together they take `geometry`
// (the edit is kButtonWidth narrower). Both get their names as objectName; a screen
// reader announces the edit by `spoken` (the words of its label, such as
// "Aufgabenanzahl") and the arrows as "`spoken` ändern". The edit is reachable through Associate(). It takes digits and the
// group separator (a minus too when Min is negative), typed or pasted, and no more of
// them than the longest value of the range needs.
TUpDownLong* addUpDownLong(QWidget* parent, const QRect& geometry, const QString& editName,
                           const QString& upDownName, const UpDownSetup& setup,
                           const QString& spoken = QString());

// The task count when a series starts: a field that holds no whole number (emptied,
// say) is refused with a German notice and nothing is returned; a number outside
// Min..Max is held to the range, and the field shows the value used.
std::optional<std::int32_t> taskCountForStart(TUpDownLong* spinner, MessageSink& messages);

} // namespace quorvel
