#include "statisticspage.h"

#include "chartpainter.h"
#include "pagekit.h"
#include "statisticsstore.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>

namespace quorvel {

namespace {

struct ChartButton {
    const char* name;
    const char* caption;
    int y;
    int chart;
    const char* data; // which records the chart reads, for the screen reader
};
constexpr ChartButton kChartButtons[] = {
    {"BitBtnStat02", "Gesamtüberblick", 24, 1, "Tabelle der letzten zehn Tage"},
    {"BitBtnStat03", "Aufgaben", 88, 2, "Tagesdaten"},
    {"BitBtnStat04", "Aufgabenverteilung", 136, 3, "Tagesdaten"},
    {"BitBtnStat05", "Fehlerverteilung", 184, 4, "Tagesdaten"},
    {"BitBtnStat06", "Aufgaben", 240, 5, "Gesamtdaten"},
    {"BitBtnStat07", "Aufgabenverteilung", 288, 6, "Gesamtdaten"},
    {"BitBtnStat08", "Fehlerverteilung", 336, 7, "Gesamtdaten"},
};

QAccessibleInterface* chartAccessible(const QString& key, QObject* o)
{
    if (key == QLatin1String("quorvel::ChartArea") && o && o->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(o), QAccessible::Graphic);
    return nullptr;
}

} // namespace

ChartArea::ChartArea(OpsSource ops, QWidget* parent) : QWidget(parent), m_ops(std::move(ops))
{
    static const bool installed = (QAccessible::installFactory(chartAccessible), true);
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("PaintBoxStatistik01"));
    setFixedSize(stats::kChartWidth, stats::kChartHeight);
    // Reachable by Tab, so the menu key opens saving and printing.
    setFocusPolicy(Qt::StrongFocus);
}

void ChartArea::paintEvent(QPaintEvent*)
{
    // Nothing is kept between paints: the chart is computed from the store every time.
    const std::vector<stats::ChartOp> ops = m_ops();
    if (ops.empty())
        return; // no chart: the word "Statistik" below shows through
    QPainter p(this);
    stats::paintChart(p, ops);
    if (hasFocus()) {
        p.setPen(QPen(Qt::white, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void ChartArea::contextMenuEvent(QContextMenuEvent* e)
{
    QMenu menu(this);
    menu.addActions(contextActions);
    menu.exec(e->reason() == QContextMenuEvent::Mouse ? e->globalPos()
                                                      : mapToGlobal(QPoint(20, 20)));
}

QString askImageFileWithDialog(QWidget* parent, const QString& suggested)
{
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Diagramm als Bild speichern"),
                                        suggested, QStringLiteral("PNG-Bild (*.png)"));
}

bool printImage(QPrinter& printer, const QImage& image)
{
    QPainter p;
    if (!p.begin(&printer))
        return false;
    const QRect page = p.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    p.drawImage(QRect(QPoint(page.x() + (page.width() - size.width()) / 2, page.y()), size), image);
    return p.end();
}

PrintResult printWithDialog(QWidget* parent, const QImage& image)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Diagramm drucken"));
    if (dialog.exec() != QDialog::Accepted)
        return PrintResult::Cancelled;
    return printImage(printer, image) ? PrintResult::Printed : PrintResult::Failed;
}

StatisticsPage::StatisticsPage(const StatisticsStore& store, MessageSink& messages,
                               QWidget* parent)
    : QWidget(parent), m_store(store), m_messages(messages)
{
    setObjectName(QStringLiteral("StatistikSeite"));

    auto* left = new QFrame(this);
    left->setObjectName(QStringLiteral("PanelStatistik01"));
    left->setFrameShape(QFrame::NoFrame);
    left->setGeometry(0, 0, stats::kChartWidth, stats::kChartHeight);
    QPalette black = left->palette();
    black.setColor(QPalette::Window, Qt::black);
    left->setPalette(black);
    left->setAutoFillBackground(true);

    auto* word = new QLabel(QStringLiteral("Statistik"), left);
    word->setObjectName(QStringLiteral("lblStat01"));
    word->setFont(pixelFont(QStringLiteral("Times New Roman"), 96));
    QPalette lime = word->palette();
    lime.setColor(QPalette::WindowText, QColor(0x00, 0xFF, 0x00));
    word->setPalette(lime);
    word->move(115, 188);
    word->adjustSize();

    m_area = new ChartArea([this] { return currentOps(); }, left);
    m_area->move(0, 0);
    m_area->raise();

    auto* right = new QFrame(this);
    right->setObjectName(QStringLiteral("PanelStatistik02"));
    right->setFrameStyle(QFrame::Panel | QFrame::Raised);
    right->setLineWidth(2);
    right->setGeometry(578, 0, 222, 515);
    auto* box = new QFrame(right);
    box->setObjectName(QStringLiteral("BevelStatistik01"));
    box->setFrameStyle(QFrame::Box | QFrame::Sunken);
    box->setGeometry(10, 10, 202, 370);
    const struct {
        const char* name;
        const char* text;
        int x, y;
    } captions[] = {{"LabelTagesdaten", "Tagesdaten", 81, 68},
                    {"LabelGesamtdaten", "Gesamtdaten", 76, 220}};
    for (const auto& c : captions) {
        QLabel* l = makeLabel(right, QString::fromLatin1(c.name), QString::fromLatin1(c.text), c.x, c.y);
        l->setFont(pixelFont(QStringLiteral("Times New Roman"), 12));
        l->adjustSize();
    }

    for (const ChartButton& c : kChartButtons) {
        QPushButton* b = makeButton(right, QString::fromLatin1(c.name), QString::fromUtf8(c.caption),
                                    12, c.y, 182, 30);
        b->setAccessibleDescription(QString::fromUtf8(c.data));
        connect(b, &QPushButton::clicked, this, [this, k = c.chart] { showChart(k); });
    }

    // Saving and printing: buttons, the drawing area's context menu and Ctrl+S / Ctrl+P.
    m_save = makeButton(right, QStringLiteral("BitBtnStatBild"),
                        QStringLiteral("Als Bild &speichern …"), 12, 390, 120, 28);
    m_printButton = makeButton(right, QStringLiteral("BitBtnStatDrucken"),
                               QStringLiteral("&Drucken …"), 134, 390, 60, 28);
    setHint(m_save, QStringLiteral("Als Bild speichern|Das Diagramm als PNG-Bild speichern"));
    setHint(m_printButton, QStringLiteral("Drucken|Das Diagramm drucken"));
    connect(m_save, &QPushButton::clicked, this, [this] { saveImage(); });
    connect(m_printButton, &QPushButton::clicked, this, [this] { printChart(); });
    auto* saveAction = new QAction(QStringLiteral("Als Bild speichern …"), this);
    saveAction->setObjectName(QStringLiteral("ActionStatBild"));
    saveAction->setShortcut(QKeySequence::Save);
    saveAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(saveAction, &QAction::triggered, this, [this] { saveImage(); });
    auto* printAction = new QAction(QStringLiteral("Drucken …"), this);
    printAction->setObjectName(QStringLiteral("ActionStatDrucken"));
    printAction->setShortcut(QKeySequence::Print);
    printAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(printAction, &QAction::triggered, this, [this] { printChart(); });
    addAction(saveAction);
    addAction(printAction);
    m_area->contextActions = {saveAction, printAction};

    QPushButton* back = makeButton(right, QStringLiteral("BitBtnStat01"), QStringLiteral("Zurück"),
                                   12, 432, 182, 30);
    back->setFont(pixelFont(QStringLiteral("Times New Roman"), 15));
    connect(back, &QPushButton::clicked, this, [this] {
        m_currentChart = 0;
        refresh();
        if (onBack)
            onBack();
    });
    refresh();
}

const stats::SelectionLayout* StatisticsPage::shownSelection() const
{
    const stats::SelectionLayout* s =
        stats::selectionLayout(m_selectionTopic, m_selectionPart);
    if (!s || m_currentChart < 1 || m_currentChart > stats::kChartCount)
        return nullptr;
    return s;
}

std::vector<stats::ChartOp> StatisticsPage::currentOps() const
{
    const stats::SelectionLayout* s = shownSelection();
    if (!s)
        return {};
    const stats::ChartData d =
        stats::chartData(m_store.topic(s->topic), *s, m_store.todayDateText());
    return stats::buildChart(m_currentChart, *s, d);
}

QImage StatisticsPage::currentImage() const { return stats::chartImage(currentOps()); }

void StatisticsPage::setSelection(std::uint8_t topic, std::uint8_t part)
{
    m_selectionTopic = topic;
    m_selectionPart = part;
}

void StatisticsPage::showChart(int chart)
{
    m_currentChart = std::uint8_t(chart);
    refresh();
}

void StatisticsPage::refresh()
{
    const bool shown = shownSelection() != nullptr;
    m_save->setEnabled(shown);
    m_printButton->setEnabled(shown);
    for (QAction* a : m_area->contextActions)
        a->setEnabled(shown);
    updateAccessibleText();
    m_area->update();
}

void StatisticsPage::updateAccessibleText()
{
    const stats::SelectionLayout* s = shownSelection();
    const int chart = m_currentChart;
    if (!s) {
        m_area->setAccessibleName(QStringLiteral("Diagrammfläche"));
        m_area->setAccessibleDescription(QStringLiteral("Noch kein Diagramm gewählt."));
        return;
    }
    const stats::ChartData d = stats::chartData(m_store.topic(s->topic), *s, m_store.todayDateText());
    m_area->setAccessibleName(QStringLiteral("Diagramm ") + stats::chartName(chart));
    m_area->setAccessibleDescription(stats::chartDescription(chart, *s, d));
}

QString StatisticsPage::suggestedFileName() const
{
    QString name = QStringLiteral("Statistik %1 %2.png")
                       .arg(m_store.userName(), stats::chartName(m_currentChart));
    // A pupil's name may hold characters no file name takes.
    name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("_"));
    return QDir::home().filePath(name);
}

bool StatisticsPage::saveImage()
{
    if (!shownSelection())
        return false;
    QString path = m_askFile(this, suggestedFileName());
    if (path.isEmpty())
        return false;
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        path += QStringLiteral(".png");
    // Taken after the dialog, so the picture is the chart as it is now.
    const QImage image = currentImage();
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit())
        return true;
    m_messages.showMessage(QStringLiteral("Das Bild konnte nicht gespeichert werden:\n%1\n%2")
                               .arg(QDir::toNativeSeparators(path), file.errorString()));
    return false;
}

bool StatisticsPage::printChart()
{
    if (!shownSelection())
        return false;
    switch (m_print(this, currentImage())) {
    case PrintResult::Printed: return true;
    case PrintResult::Cancelled: return false;
    case PrintResult::Failed: break;
    }
    m_messages.showMessage(QStringLiteral("Das Diagramm konnte nicht gedruckt werden."));
    return false;
}

} // namespace quorvel
