#pragma once
// Page "Statistik": the black drawing area on the left, which shows the lime word
// "Statistik" until a chart is chosen, and on the right the seven chart buttons, saving
// and printing the chart, and "Zurück". Each paint recomputes the chart from the store.

#include "chartgeometry.h"
#include "messages.h"

#include <QWidget>
#include <functional>

class QPrinter;
class QPushButton;

namespace quorvel {

class StatisticsStore;

// PaintBoxStatistik01: paints the current chart; its accessible name and description say
// which chart it is and its figures.
class ChartArea final : public QWidget {
    Q_OBJECT
public:
    using OpsSource = std::function<std::vector<stats::ChartOp>()>;
    ChartArea(OpsSource ops, QWidget* parent);
    // Right click, the menu key or Shift+F10 offer saving and printing.
    QList<QAction*> contextActions;

protected:
    void paintEvent(QPaintEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    OpsSource m_ops;
};

// Asks for the file to write the picture to; empty when cancelled.
using ImageFileAsker = std::function<QString(QWidget* parent, const QString& suggested)>;
QString askImageFileWithDialog(QWidget* parent, const QString& suggested);
// Shows the print dialog and prints the picture.
enum class PrintResult { Printed, Cancelled, Failed };
using ImagePrinter = std::function<PrintResult(QWidget* parent, const QImage& image)>;
PrintResult printWithDialog(QWidget* parent, const QImage& image);
// The picture as large as it fits on the printer's page, at the top, centred.
bool printImage(QPrinter& printer, const QImage& image);

class StatisticsPage final : public QWidget {
    Q_OBJECT
public:
    StatisticsPage(const StatisticsStore& store, MessageSink& messages, QWidget* parent = nullptr);

    // StatsSelection: the topic and part a statistics button of the selection page chose.
    void setSelection(std::uint8_t topic, std::uint8_t part);
    // CurrentChart: 0 for none, 1..7.
    int currentChart() const { return m_currentChart; }
    int selectionTopic() const { return m_selectionTopic; }
    int selectionPart() const { return m_selectionPart; }

    // What "Zurück" does after CurrentChart is set to 0 (the main window shows the selection).
    std::function<void()> onBack;

    // CurrentChart := k (1..7) and draw it; the buttons BitBtnStat02 .. BitBtnStat08.
    void showChart(int chart);
    // The selection or the data changed (the page was opened): draw again.
    void refresh();

    // The chart of the current selection and CurrentChart, computed afresh; empty for none.
    std::vector<stats::ChartOp> currentOps() const;
    QImage currentImage() const;

    // "Als Bild speichern …" and "Drucken …"; false when nothing was written or printed.
    bool saveImage();
    bool printChart();
    void setImageFileAsker(ImageFileAsker a) { m_askFile = std::move(a); }
    void setImagePrinter(ImagePrinter p) { m_print = std::move(p); }

    ChartArea* chartArea() const { return m_area; }

private:
    // The selection whose chart is shown, or nullptr while no chart is chosen.
    const stats::SelectionLayout* shownSelection() const;
    void updateAccessibleText();
    QString suggestedFileName() const;

    const StatisticsStore& m_store;
    std::uint8_t m_currentChart = 0;
    std::uint8_t m_selectionTopic = 0;
    std::uint8_t m_selectionPart = 0;
    MessageSink& m_messages;
    ChartArea* m_area = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_printButton = nullptr;
    ImageFileAsker m_askFile = askImageFileWithDialog;
    ImagePrinter m_print = printWithDialog;
};

} // namespace quorvel
