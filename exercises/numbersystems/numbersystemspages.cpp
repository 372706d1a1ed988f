#include "numbersystemspages.h"

#include "gradientfill.h"
#include "inputfilter.h"
#include "numsyscore.h"
#include "numsystaskpages.h"
#include "pagekit.h"
#include "topiccontext.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quorvel {

namespace {

using numsys::NumeralSystem;

// Start page 'Zahlensysteme': the left part "Berechnung" (x 0 .. 268) holds the five
// calculator buttons and the Back button; the right part (x 280 .. 539, y 0 .. 430) is
// kept free for the task settings "Übungsaufgaben".
constexpr int kStartButtonX = 40;
constexpr int kStartButtonY = 64;
constexpr int kStartButtonW = 200;
constexpr int kStartButtonH = 30;
constexpr int kStartButtonStep = 38;
constexpr int kSeparatorX = 268;
// The other side of each calculator, for the buttons' status-bar hints.
const char* const kOtherSide[numsys::kSystemCount] = {
    "Römischen Zahlen", "dem Dualsystem", "dem Dreiersystem", "dem Oktalsystem",
    "dem Hexadezimalsystem"};

// Calculator page 'ZahlensystemeBerechnung'.
constexpr int kFieldX = 40;
constexpr int kFieldW = 459;
constexpr int kFieldH = 30;

// White at the top to silver at the bottom, as on the selection page.
void paintBackground(QWidget* page)
{
    addPageBackground(page);
}

// The calculator: binds the two fields and the buttons to numsys::convertFields.
class Calculator : public QObject {
public:
    Calculator(TopicContext& ctx, QWidget* startPage, QWidget* page)
        : QObject(page), m_ctx(ctx)
    {
        buildStartPage(startPage);
        buildCalculatorPage(page);
        selectSystem(NumeralSystem::Roman); // the page is designed with the Roman captions
    }

private:
    void buildStartPage(QWidget* start)
    {
        paintBackground(start);
        auto* heading = new QLabel(QStringLiteral("Berechnung"), start);
        heading->setObjectName(QStringLiteral("LabelZahlen01"));
        heading->setFont(headingFont());
        heading->setAlignment(Qt::AlignCenter);
        heading->setGeometry(20, 16, kSeparatorX - 40, 32);

        for (int i = 0; i < numsys::kSystemCount; ++i) {
            const numsys::SystemInfo& info = numsys::kSystems[std::size_t(i)];
            QPushButton* b = makeButton(start, QString::fromLatin1(info.buttonName),
                                        QString::fromUtf8(info.caption), kStartButtonX,
                                        kStartButtonY + i * kStartButtonStep, kStartButtonW,
                                        kStartButtonH);
            setHint(b, QString::fromUtf8(info.caption)
                           + QStringLiteral("|Zahlen zwischen dem Dezimalsystem und ")
                           + QString::fromUtf8(kOtherSide[i]) + QStringLiteral(" umrechnen"));
            const NumeralSystem system = info.system;
            connect(b, &QPushButton::clicked, this, [this, system] { open(system); });
        }

        auto* line = new QFrame(start);
        line->setObjectName(QStringLiteral("BevelZahlen01"));
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        line->setGeometry(kSeparatorX, 16, 3, 410);

        addBackButton(start, QStringLiteral("BitBtnBack03"), m_ctx);
    }

    void buildCalculatorPage(QWidget* page)
    {
        paintBackground(page);
        m_panel = new QLabel(page);
        m_panel->setObjectName(QStringLiteral("PanelZSys04"));
        // Silver to white, so the heading stands out against the page's white top.
        m_panel->setStyleSheet(QStringLiteral(
            "QLabel#PanelZSys04 { border: 1px solid #808080; border-radius: 4px;"
            " background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
            " stop:0 #C0C0C0, stop:1 #FFFFFF); }"));
        m_panel->setAlignment(Qt::AlignCenter);
        m_panel->setFont(headingFont());
        m_panel->setGeometry(20, 20, 499, 48);

        QFont fieldFont(QStringLiteral("Courier"));
        fieldFont.setPointSize(14);
        fieldFont.setBold(true);

        m_decimalLabel = makeLabel(page, QStringLiteral("LabelZSys05"), QString(), kFieldX, 100);
        m_decimalLabel->setFont(pointFont(QStringLiteral("MS Sans Serif"), 10));
        m_decimal = new QLineEdit(page);
        m_decimal->setObjectName(QStringLiteral("EditZahlen02"));
        m_decimal->setGeometry(kFieldX, 120, kFieldW, kFieldH);
        m_decimal->setFont(fieldFont);
        m_decimal->setMaxLength(kMaxSignedInt32Length); // a sign and ten digits
        m_decimalLabel->setBuddy(m_decimal);

        m_systemLabel = makeLabel(page, QStringLiteral("LabelZSys06"), QString(), kFieldX, 172);
        m_systemLabel->setFont(pointFont(QStringLiteral("MS Sans Serif"), 10));
        m_system = new QLineEdit(page);
        m_system->setObjectName(QStringLiteral("EditZahlen03"));
        m_system->setGeometry(kFieldX, 192, kFieldW, kFieldH);
        m_system->setFont(fieldFont);
        m_system->setMaxLength(numsys::kMaxSystemFieldLength);
        m_systemLabel->setBuddy(m_system);

        m_convert = makeButton(page, QStringLiteral("BitBtnZSysUmrechnen"),
                               QStringLiteral("&Umrechnen"), kFieldX, 252, 150, 32);
        m_convert->setFont(pointFont(QStringLiteral("MS Sans Serif"), 9));
        m_convert->setDefault(true);
        setHint(m_convert, QStringLiteral("Umrechnen|Die eingegebene Zahl umrechnen"));
        auto* back = makeButton(page, QStringLiteral("BitBtnZSysZurueck"),
                                QStringLiteral("&Zurück"), kFieldX + kFieldW - 150, 252, 150, 32);
        back->setFont(pointFont(QStringLiteral("MS Sans Serif"), 9));
        setHint(back, QStringLiteral("Zurück|Zurück zur Auswahl der Zahlensysteme"));

        QWidget::setTabOrder(m_decimal, m_system);
        QWidget::setTabOrder(m_system, m_convert);
        QWidget::setTabOrder(m_convert, back);

        // The default button: Enter in either field converts.
        connect(m_decimal, &QLineEdit::returnPressed, this, [this] { convert(); });
        connect(m_system, &QLineEdit::returnPressed, this, [this] { convert(); });
        connect(m_convert, &QPushButton::clicked, this, [this] { convert(); });
        connect(back, &QPushButton::clicked, this, [this] { m_ctx.showPage(m_ctx.page(QStringLiteral("Zahlensysteme"))); });
    }

    void selectSystem(NumeralSystem system)
    {
        m_selected = system;
        const numsys::SystemInfo& info = numsys::systemInfo(system);
        m_panel->setText(QString::fromUtf8(info.caption));
        m_panel->setAccessibleName(QString::fromUtf8(info.caption));
        const QString decimalLabel = QString::fromUtf8(info.decimalLabel);
        const QString systemLabel = QString::fromUtf8(info.systemLabel);
        m_decimalLabel->setText(decimalLabel);
        m_decimalLabel->adjustSize();
        m_systemLabel->setText(systemLabel);
        m_systemLabel->adjustSize();
        m_decimal->setAccessibleName(decimalLabel);
        m_system->setAccessibleName(systemLabel);
        const QString howTo = QStringLiteral(" eingeben und „Umrechnen“ wählen; das andere Feld bleibt leer");
        setHint(m_decimal, decimalLabel + QLatin1Char('|') + decimalLabel + howTo);
        setHint(m_system, systemLabel + QLatin1Char('|') + systemLabel + howTo);
    }

    // BitBtnZSysClick: the fields keep whatever they held.
    void open(NumeralSystem system)
    {
        m_ctx.services.sound.musik("MUSIN02");
        selectSystem(system);
        m_ctx.showPage(m_ctx.page(QStringLiteral("ZahlensystemeBerechnung")));
        m_decimal->setFocus();
    }

    // BitBtnZSysUmrechnenClick.
    void convert()
    {
        const numsys::CalcOutcome o =
            numsys::convertFields(m_selected, m_decimal->text(), m_system->text());
        setFields(o.noticeDecimalText, o.noticeSystemText);
        if (!o.error.isEmpty())
            m_ctx.services.messages.showError(o.error);
        if (!o.notice.isEmpty())
            m_ctx.services.messages.showMessage(o.notice);
        setFields(o.decimalText, o.systemText);
        if (o.focusDecimal)
            m_decimal->setFocus();
    }

    void setFields(const QString& decimal, const QString& system)
    {
        // Only real changes, so the cursor stays where it was in an untouched field.
        if (m_decimal->text() != decimal)
            m_decimal->setText(decimal);
        if (m_system->text() != system)
            m_system->setText(system);
    }

    TopicContext& m_ctx;
    NumeralSystem m_selected = NumeralSystem::Roman;
    QLabel* m_panel = nullptr;
    QLabel* m_decimalLabel = nullptr;
    QLabel* m_systemLabel = nullptr;
    QLineEdit* m_decimal = nullptr;
    QLineEdit* m_system = nullptr;
    QPushButton* m_convert = nullptr;
};

} // namespace

void installNumberSystemsPages(TopicContext& ctx)
{
    new Calculator(ctx, ctx.page(QStringLiteral("Zahlensysteme")), ctx.page(QStringLiteral("ZahlensystemeBerechnung")));
    installNumberSystemTaskPages(ctx);
}

} // namespace quorvel
