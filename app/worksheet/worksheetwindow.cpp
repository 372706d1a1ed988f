#include "worksheetwindow.h"

#include "primetasks.h"
#include "unittables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

namespace quorvel::worksheet {

namespace {

constexpr double kPreviewDpi = 60;

QSpinBox* spinBox(const QString& name, int lo, int hi, int value, const QString& accessible)
{
    auto* s = new QSpinBox;
    s->setObjectName(name);
    s->setRange(lo, hi);
    s->setValue(value);
    s->setAccessibleName(accessible);
    return s;
}

QComboBox* comboBox(const QString& name, const QString& accessible)
{
    auto* c = new QComboBox;
    c->setObjectName(name);
    c->setAccessibleName(accessible);
    return c;
}

QPushButton* button(const QString& name, const QString& caption)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    return b;
}

} // namespace

QString TFormArbeitsblatt::askSavePathWithDialog(QWidget* parent, const QString& suggested)
{
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Arbeitsblatt als PDF speichern"), suggested,
                                        QStringLiteral("PDF-Dateien (*.pdf)"));
}

TFormArbeitsblatt::TFormArbeitsblatt(Notify notify, QWidget* parent)
    : QWidget(parent, Qt::Window), m_notify(std::move(notify))
{
    setObjectName(QStringLiteral("TFormArbeitsblatt"));
    setWindowTitle(QStringLiteral("Arbeitsblatt"));

    auto* form = new QFormLayout;
    // A row with a label whose words the control's accessible name repeats; the mnemonic
    // of the label moves the focus to its control.
    auto addRow = [&](const QString& caption, QWidget* control, unsigned choice) {
        auto* label = new QLabel(caption);
        label->setBuddy(control);
        form->addRow(label, control);
        if (choice)
            m_choiceRows.push_back({choice, {label, control}});
    };

    m_topic = comboBox(QStringLiteral("cbBlattThema"), QStringLiteral("Thema"));
    m_topic->addItems(topicNames());
    addRow(QStringLiteral("&Thema"), m_topic, 0);
    m_kind = comboBox(QStringLiteral("cbBlattArt"), QStringLiteral("Aufgabenart"));
    addRow(QStringLiteral("Aufgaben&art"), m_kind, 0);

    m_lower = spinBox(QStringLiteral("spBlattVon"), -kRangeLimit, kRangeLimit, 0, QStringLiteral("von"));
    addRow(QStringLiteral("v&on"), m_lower, ChoiceRange);
    m_upper = spinBox(QStringLiteral("spBlattBis"), -kRangeLimit, kRangeLimit, 100, QStringLiteral("bis"));
    addRow(QStringLiteral("&bis"), m_upper, ChoiceRange);
    m_range = comboBox(QStringLiteral("cbBlattBereich"), QStringLiteral("Zahlenbereich"));
    addRow(QStringLiteral("&Zahlenbereich"), m_range, ChoiceRangeKind);
    m_squares = spinBox(QStringLiteral("spBlattQuadrat"), 10, 100, 10, QStringLiteral("Quadratzahlen bis"));
    addRow(QStringLiteral("&Quadratzahlen bis"), m_squares, ChoiceSquares);
    m_level = comboBox(QStringLiteral("cbBlattStufe"), QStringLiteral("Schwierigkeitsgrad"));
    m_level->addItems({QStringLiteral("leicht"), QStringLiteral("mittel"), QStringLiteral("schwer")});
    addRow(QStringLiteral("&Schwierigkeitsgrad"), m_level, ChoiceDifficulty);
    m_target = comboBox(QStringLiteral("cbBlattZiel"), QStringLiteral("Umrechnen in"));
    addRow(QStringLiteral("Umrechnen &in"), m_target, ChoiceTarget);
    m_mixedTarget = comboBox(QStringLiteral("cbBlattZielArt"), QStringLiteral("Zieleinheit"));
    m_mixedTarget->addItems({QStringLiteral("wie oben"), QStringLiteral("zufällig")});
    addRow(QStringLiteral("Zielein&heit"), m_mixedTarget, ChoiceMixedTarget);
    m_direction = comboBox(QStringLiteral("cbBlattRichtung"), QStringLiteral("Umrechnen in das"));
    m_direction->addItems({QStringLiteral("gewählte Zahlensystem"), QStringLiteral("Dezimalsystem")});
    addRow(QStringLiteral("Umrechnen in &das"), m_direction, ChoiceDirection);
    m_divisor = comboBox(QStringLiteral("cbBlattTeiler"), QStringLiteral("Überprüfen auf Teilbarkeit durch"));
    for (int d : primes::kDivisors)
        m_divisor->addItem(QString::number(d));
    addRow(QStringLiteral("Teilbarkeit &durch"), m_divisor, ChoiceDivisor);
    m_numbers = comboBox(QStringLiteral("cbBlattZahlen"), QStringLiteral("ggT/kgV bestimmen von"));
    m_numbers->addItems({QStringLiteral("2 Zahlen"), QStringLiteral("3 Zahlen")});
    addRow(QStringLiteral("&ggT/kgV bestimmen von"), m_numbers, ChoiceNumberCount);

    m_count = spinBox(QStringLiteral("spBlattAnzahl"), kMinTasks, kMaxTasks, kDefaultTasks,
                      QStringLiteral("Anzahl der Aufgaben"));
    addRow(QStringLiteral("A&nzahl der Aufgaben"), m_count, 0);
    m_title = new QLineEdit;
    m_title->setObjectName(QStringLiteral("edBlattTitel"));
    m_title->setAccessibleName(QStringLiteral("Titel"));
    addRow(QStringLiteral("Tit&el"), m_title, 0);
    m_withKey = new QCheckBox(QStringLiteral("&Mit Lösungsblatt"));
    m_withKey->setObjectName(QStringLiteral("cbBlattLoesungen"));
    m_withKey->setChecked(true);
    form->addRow(QString(), m_withKey);
    // A new number for every window, so two sheets made one after the other differ; it is
    // shown, so the same sheet can be made again.
    m_number = spinBox(QStringLiteral("spBlattNummer"), 1, 999999999,
                       int(QDateTime::currentSecsSinceEpoch() % 9000) + 1000, QStringLiteral("Blattnummer"));
    addRow(QStringLiteral("B&lattnummer"), m_number, 0);

    auto* settingsBox = new QGroupBox(QStringLiteral("Einstellungen"));
    settingsBox->setLayout(form);

    auto* preview = button(QStringLiteral("btnBlattVorschau"), QStringLiteral("&Vorschau"));
    auto* pdf = button(QStringLiteral("btnBlattPdf"), QStringLiteral("Als &PDF speichern …"));
    auto* print = button(QStringLiteral("btnBlattDrucken"), QStringLiteral("Dr&ucken …"));
    auto* close = button(QStringLiteral("btnBlattSchliessen"), QStringLiteral("S&chließen"));
    preview->setDefault(true);
    connect(preview, &QPushButton::clicked, this, [this] { btnBlattVorschauClick(); });
    connect(pdf, &QPushButton::clicked, this, [this] { btnBlattPdfClick(); });
    connect(print, &QPushButton::clicked, this, [this] { btnBlattDruckenClick(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {preview, pdf, print, close})
        buttons->addWidget(b);

    auto* left = new QVBoxLayout;
    left->addWidget(settingsBox);
    left->addStretch(1);
    left->addLayout(buttons);

    auto* pages = new QWidget;
    pages->setObjectName(QStringLiteral("BlattSeiten"));
    m_pagesLayout = new QVBoxLayout(pages);
    m_pagesLayout->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("ScrollBlattVorschau"));
    scroll->setAccessibleName(QStringLiteral("Vorschau"));
    scroll->setWidget(pages);
    scroll->setWidgetResizable(true);
    scroll->setMinimumWidth(int(210 * kPreviewDpi / 25.4) + 40);
    scroll->setBackgroundRole(QPalette::Dark);

    auto* top = new QHBoxLayout(this);
    top->addLayout(left);
    top->addWidget(scroll, 1);
    resize(980, 700);

    connect(m_topic, &QComboBox::currentIndexChanged, this, [this] { fillKinds(); });
    connect(m_kind, &QComboBox::currentIndexChanged, this, [this] { kindChanged(); });
    connect(m_range, &QComboBox::currentIndexChanged, this, [this] {
        const bool squares = m_range->currentData().toInt() == 1;
        m_squares->setEnabled(squares);
        m_lower->setEnabled(!squares);
        m_upper->setEnabled(!squares);
    });
    fillKinds();
    btnBlattVorschauClick();
}

void TFormArbeitsblatt::fillKinds()
{
    const QSignalBlocker block(m_kind);
    m_kind->clear();
    for (int k : kindsOfTopic(m_topic->currentText()))
        m_kind->addItem(QString::fromUtf8(sheetKinds()[std::size_t(k)].kindName), k);
    m_kind->setCurrentIndex(0);
    kindChanged();
}

void TFormArbeitsblatt::selectKind(int kind)
{
    if (kind < 0 || kind >= int(sheetKinds().size()))
        return;
    m_topic->setCurrentText(QString::fromUtf8(sheetKinds()[std::size_t(kind)].topicName));
    m_kind->setCurrentIndex(m_kind->findData(kind));
}

void TFormArbeitsblatt::kindChanged()
{
    const int index = m_kind->currentData().toInt();
    const SheetKind& kind = sheetKinds()[std::size_t(std::max(0, index))];
    for (const auto& [choice, widgets] : m_choiceRows)
        for (QWidget* w : widgets)
            w->setVisible(kind.choices & choice);
    // The settings page's range buttons: times tables for multiplication and division,
    // squares for multiplication only.
    {
        const QSignalBlocker block(m_range);
        m_range->clear();
        m_range->addItem(QStringLiteral("Zahlenraum"), 0);
        for (int k = 2; k <= 9; ++k)
            m_range->addItem(QStringLiteral("%1er-Reihe").arg(k), k);
        if (kind.choices & ChoiceSquares)
            m_range->addItem(QStringLiteral("Quadratzahlen"), 1);
        m_range->setCurrentIndex(0);
    }
    m_squares->setEnabled(false);
    m_lower->setEnabled(true);
    m_upper->setEnabled(true);
    if (kind.choices & ChoiceTarget) {
        m_target->clear();
        m_target->addItems(units::unitNames(kind.item));
    }
    // The title follows the kind until the teacher writes one of his own.
    if (m_title->text().isEmpty() || m_title->text() == m_defaultTitle)
        m_title->setText(QString::fromUtf8(kind.kindName));
    m_defaultTitle = QString::fromUtf8(kind.kindName);
}

SheetSettings TFormArbeitsblatt::settings() const
{
    SheetSettings s;
    s.kind = m_kind->currentData().toInt();
    s.count = m_count->value();
    s.number = std::uint32_t(m_number->value());
    s.withKey = m_withKey->isChecked();
    s.title = m_title->text();
    s.lower = m_lower->value();
    s.upper = m_upper->value();
    s.difficulty = m_level->currentIndex();
    s.table = m_range->currentData().toInt();
    s.squareLimit = m_squares->value();
    s.target = std::max(0, m_target->currentIndex());
    s.randomTarget = m_mixedTarget->currentIndex() == 1;
    s.intoDecimal = m_direction->currentIndex() == 1;
    s.divisorIndex = m_divisor->currentIndex();
    s.numberCount = m_numbers->currentIndex() == 1 ? 3 : 2;
    return s;
}

std::optional<Sheet> TFormArbeitsblatt::checkedSheet()
{
    const SheetSettings s = settings();
    const QString refused = refusal(s);
    if (!refused.isEmpty()) {
        m_notify(refused);
        return std::nullopt;
    }
    return makeSheet(s);
}

bool TFormArbeitsblatt::btnBlattVorschauClick()
{
    const std::optional<Sheet> sheet = checkedSheet();
    if (!sheet)
        return false;
    while (QLayoutItem* item = m_pagesLayout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const SheetPainter painter(*sheet);
    for (int i = 0; i < painter.pageCount(); ++i) {
        auto* page = new QLabel;
        page->setObjectName(QStringLiteral("lblBlattSeite%1").arg(i + 1));
        page->setPixmap(QPixmap::fromImage(painter.pageImage(i, kPreviewDpi)));
        // A picture reaches a screen reader as the words on it.
        page->setAccessibleName(QStringLiteral("Seite %1 von %2").arg(i + 1).arg(painter.pageCount()));
        page->setAccessibleDescription(painter.pageDescription(i));
        page->setFocusPolicy(Qt::TabFocus);
        m_pagesLayout->addWidget(page);
    }
    return true;
}

int TFormArbeitsblatt::previewPageCount() const { return m_pagesLayout->count(); }

bool TFormArbeitsblatt::savePdf(const QString& path)
{
    const std::optional<Sheet> sheet = checkedSheet();
    if (!sheet)
        return false;
    QString error;
    if (!writeSheetPdf(*sheet, path, &error)) {
        m_notify(error);
        return false;
    }
    return true;
}

bool TFormArbeitsblatt::btnBlattPdfClick()
{
    if (!refusal(settings()).isEmpty())
        return savePdf(QString()); // reports the refusal
    const SheetKind& kind = sheetKinds()[std::size_t(settings().kind)];
    const QString suggested = QDir::home().filePath(
        QStringLiteral("Arbeitsblatt-%1-%2-%3.pdf")
            .arg(QString::fromUtf8(kind.topicWord), QString::fromUtf8(kind.kindWord))
            .arg(m_number->value()));
    const QString path = m_askSavePath(this, suggested);
    if (path.isEmpty())
        return false;
    return savePdf(path);
}

bool TFormArbeitsblatt::btnBlattDruckenClick()
{
    const std::optional<Sheet> sheet = checkedSheet();
    if (!sheet)
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setDocName(sheet->title);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Arbeitsblatt drucken"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    QPainter p;
    if (!p.begin(&printer)) {
        m_notify(QStringLiteral("Der Drucker kann nicht angesprochen werden."));
        return false;
    }
    SheetPainter(*sheet).paintAll(p, printer);
    return p.end();
}

} // namespace quorvel::worksheet
