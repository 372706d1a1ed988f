#include "klassenuebersicht.h"

#include "messages.h"

#include <QCollator>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace quorvel {

using namespace stats;

// --- model ---------------------------------------------------------------------------

void ClassOverviewModel::setOverview(ClassOverview overview)
{
    beginResetModel();
    m_overview = std::move(overview);
    endResetModel();
}

int ClassOverviewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_overview.rows.size());
}

int ClassOverviewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : OverviewColumnCount;
}

QVariant ClassOverviewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const OverviewRow& r = row(index.row());
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return overviewCell(r, column);
    case Qt::TextAlignmentRole:
        if (column == ColName || column == ColPart || (r.damaged && column == ColGiven))
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        return int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (r.damaged)
            return QColor(0xb0, 0x00, 0x00);
        return {};
    default:
        return {};
    }
}

QVariant ClassOverviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && (role == Qt::DisplayRole || role == Qt::AccessibleTextRole))
        return overviewHeader(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

// --- window --------------------------------------------------------------------------

namespace {

// Names in German alphabetical order without regard to case ("anna" before "Ben", "Özlem"
// beside "Oskar"); numbers and days by value. Ties go by name, then by part, so every
// order is the same each time.
class OverviewProxy final : public QSortFilterProxyModel {
public:
    explicit OverviewProxy(QObject* parent) : QSortFilterProxyModel(parent)
    {
        m_names.setCaseSensitivity(Qt::CaseInsensitive);
        m_names.setNumericMode(true); // "Kind 2" before "Kind 10"
    }

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override
    {
        const auto* m = static_cast<const ClassOverviewModel*>(sourceModel());
        const OverviewRow& a = m->row(left.row());
        const OverviewRow& b = m->row(right.row());
        if (left.column() != ColName) {
            const qint64 ka = overviewSortKey(a, left.column());
            const qint64 kb = overviewSortKey(b, left.column());
            if (ka != kb)
                return ka < kb;
        }
        const int byName = m_names.compare(a.pupil, b.pupil);
        if (byName != 0)
            return byName < 0;
        if (a.pupil != b.pupil)
            return a.pupil < b.pupil;
        return a.part < b.part;
    }

private:
    QCollator m_names{QLocale(QLocale::German, QLocale::Germany)};
};

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    QString plain = caption;
    plain.remove(QLatin1Char('&'));
    plain.remove(QStringLiteral(" …"));
    b->setAccessibleName(plain);
    return b;
}

} // namespace

QString TFormKlassenuebersicht::askSavePathWithDialog(QWidget* parent, const QString& suggested)
{
    QFileDialog dialog(parent, QStringLiteral("Klassenübersicht als CSV speichern"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("CSV-Dateien (*.csv)"));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

TFormKlassenuebersicht::TFormKlassenuebersicht(std::function<QString()> dataDirectory,
                                               MessageSink& messages, QWidget* parent,
                                               stats::CardFileReader cards)
    : QWidget(parent, Qt::Window), m_dataDirectory(std::move(dataDirectory)),
      m_messages(messages), m_cards(std::move(cards))
{
    setObjectName(QStringLiteral("FormKlassenuebersicht"));
    setWindowTitle(QStringLiteral("Klassenübersicht"));
    resize(1000, 480);

    auto* column = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    column->addLayout(top);
    auto* filterLabel = new QLabel(QStringLiteral("&Name:"), this);
    filterLabel->setObjectName(QStringLiteral("lblKlassenFilter"));
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("edKlassenFilter"));
    m_filter->setAccessibleName(QStringLiteral("Name"));
    m_filter->setPlaceholderText(QStringLiteral("Teil des Namens"));
    m_filter->setClearButtonEnabled(true);
    filterLabel->setBuddy(m_filter);
    top->addWidget(filterLabel);
    top->addWidget(m_filter, 1);
    top->addStretch(1);
    QPushButton* refresh = makeButton(this, "btnKlassenAktualisieren", QStringLiteral("&Aktualisieren"));
    refresh->setToolTip(QStringLiteral("Die Statistikdateien neu lesen (F5)"));
    top->addWidget(refresh);
    QPushButton* save = makeButton(this, "btnKlassenCSV", QStringLiteral("Als &CSV speichern …"));
    save->setToolTip(QStringLiteral("Die angezeigten Zeilen für eine Tabellenkalkulation speichern"));
    top->addWidget(save);

    m_model = new ClassOverviewModel(this);
    m_proxy = new OverviewProxy(this);
    m_proxy->setSourceModel(m_model);
    m_proxy->setFilterKeyColumn(ColName);
    m_proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("TableKlassen"));
    m_table->setAccessibleName(QStringLiteral("Klassenübersicht"));
    m_table->setModel(m_proxy);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(ColName, Qt::AscendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(true);
    const int widths[OverviewColumnCount] = {120, 170, 70, 150, 100, 110, 90, 130};
    for (int c = 0; c < OverviewColumnCount; ++c)
        header->resizeSection(c, widths[c]);
    column->addWidget(m_table, 1);

    auto* bottom = new QHBoxLayout;
    column->addLayout(bottom);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblKlassenStand"));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
    bottom->addWidget(m_status, 1);
    QPushButton* close = makeButton(this, "btnKlassenSchliessen", QStringLiteral("&Schließen"));
    bottom->addWidget(close);

    connect(m_filter, &QLineEdit::textChanged, m_proxy, [this](const QString& text) {
        m_proxy->setFilterFixedString(text.trimmed());
        showStatus();
    });
    connect(refresh, &QPushButton::clicked, this,
            &TFormKlassenuebersicht::btnKlassenAktualisierenClick);
    connect(save, &QPushButton::clicked, this, &TFormKlassenuebersicht::btnKlassenCSVClick);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(f5, &QShortcut::activated, this, &TFormKlassenuebersicht::btnKlassenAktualisierenClick);

    btnKlassenAktualisierenClick();
}

void TFormKlassenuebersicht::btnKlassenAktualisierenClick()
{
    m_model->setOverview(readClassOverview(m_dataDirectory(), m_cards));
    showStatus();
}

QString TFormKlassenuebersicht::statusText() const { return m_status->text(); }

void TFormKlassenuebersicht::showStatus()
{
    const ClassOverview& o = m_model->overview();
    QString text;
    if (o.pupils == 0) {
        text = QStringLiteral("Im Datenverzeichnis gibt es noch keine Statistikdateien.");
    } else {
        text = QStringLiteral("Schülerinnen und Schüler: %1").arg(o.pupils);
        if (o.damagedFiles > 0)
            text += QStringLiteral(" · beschädigte Dateien: %1").arg(o.damagedFiles);
        if (m_proxy->rowCount() != m_model->rowCount())
            text += QStringLiteral(" · angezeigt: %1 Zeilen").arg(m_proxy->rowCount());
    }
    m_status->setText(text + QStringLiteral("\nDatenverzeichnis: ")
                      + QDir::toNativeSeparators(m_dataDirectory()));
}

QByteArray TFormKlassenuebersicht::csv() const
{
    std::vector<const OverviewRow*> rows;
    rows.reserve(std::size_t(m_proxy->rowCount()));
    for (int r = 0; r < m_proxy->rowCount(); ++r)
        rows.push_back(&m_model->row(m_proxy->mapToSource(m_proxy->index(r, 0)).row()));
    return overviewCsv(rows);
}

bool TFormKlassenuebersicht::writeCsv(const QString& path, QString* reason) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *reason = file.errorString();
        return false;
    }
    const QByteArray bytes = csv();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        *reason = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

bool TFormKlassenuebersicht::btnKlassenCSVClick()
{
    const QString folder = m_lastSaveFolder.isEmpty() ? QDir::homePath() : m_lastSaveFolder;
    const QString path = m_askSavePath(this, QDir(folder).filePath(QStringLiteral("Klassenübersicht.csv")));
    if (path.isEmpty())
        return false;
    m_lastSaveFolder = QFileInfo(path).absolutePath();
    QString reason;
    if (!writeCsv(path, &reason)) {
        m_messages.showError(QStringLiteral("Die Datei „%1“ konnte nicht gespeichert werden.\r%2")
                                 .arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    return true;
}

} // namespace quorvel
