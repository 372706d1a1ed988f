#pragma once
// The puzzle page 'GrundGleichungen' (page 1): thirty read-only fields in three columns,
// the signs between them, three "Schieben" buttons, "&Bestätigen", "&Abbrechen", the
// check button and two stacks of five lamps, bound to the puzzle logic.

#include "equationpuzzle.h"
#include "plaintopic.h"

#include <QObject>
#include <array>
#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace quorvel {

struct TopicContext;
class TLEDPaint;

class PuzzlePage : public QObject {
    Q_OBJECT
public:
    using SettingsReader = std::function<basic::GrundPageSettings()>;

    PuzzlePage(TopicContext& ctx, SettingsReader readSettings);
    ~PuzzlePage() override;

    // "&Start" with "Gleichungen" and the count of the settings page.
    bool start(int taskCount);

    basic::EquationPuzzle& puzzle() { return *m_puzzle; }

    // Handlers.
    void GrundGleichSpalteEinsClick() { m_puzzle->shiftColumn(1); }
    void GrundGleichSpalteZweiClick() { m_puzzle->shiftColumn(2); }
    void GrundGleichSpalteDreiClick() { m_puzzle->shiftColumn(3); }
    void GrundGleichOKClick() { m_puzzle->confirm(); }
    void GrundGleichPruefungClick() { m_puzzle->checkSolvable(); }
    void GrundGleichAbbruchClick() { m_puzzle->abort(); }

private:
    void build(QWidget* page);
    void showBoard();

    class Board;
    SettingsReader m_read;
    std::unique_ptr<Board> m_view;
    std::unique_ptr<basic::EquationPuzzle> m_puzzle;
    std::array<QLineEdit*, 30> m_fields{};   // edGrundGleich1 .. 30, column by column
    std::array<QLabel*, 10> m_signs{};       // lblGrundGleich1 .. 10
    std::array<QPushButton*, 3> m_shift{};   // GrundGleichSpalteEins .. Drei
    std::array<TLEDPaint*, 10> m_lamps{};    // LEDPaint1 .. 10
    QPushButton* m_ok = nullptr;             // GrundGleichOK
};

} // namespace quorvel
