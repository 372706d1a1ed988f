#include "handbookwindow.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace quorvel {

THandbuch::THandbuch(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FormHandbuch"));
    setWindowTitle(QStringLiteral("Quorvel – Handbuch"));
    setAccessibleName(QStringLiteral("Quorvel – Handbuch"));
    resize(760, 560);

    auto* column = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    column->addLayout(bar);

    auto addButton = [&](const char* name, const QString& caption, const QString& hint) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(hint);
        b->setAutoDefault(false);
        bar->addWidget(b);
        return b;
    };
    m_back = addButton("btnHandbuchZurueck", QStringLiteral("◀ &Zurück"),
                       QStringLiteral("Vorige Seite (Alt+Links)"));
    m_back->setAccessibleName(QStringLiteral("Zurück"));
    m_forward = addButton("btnHandbuchVor", QStringLiteral("&Vor ▶"),
                          QStringLiteral("Nächste Seite (Alt+Rechts)"));
    m_forward->setAccessibleName(QStringLiteral("Vor"));
    QPushButton* home = addButton("btnHandbuchStart", QStringLiteral("&Startseite"),
                                  QStringLiteral("Zur Startseite des Handbuchs"));
    bar->addSpacing(16);
    auto* searchLabel = new QLabel(QStringLiteral("S&uchen:"), this);
    bar->addWidget(searchLabel);
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("edHandbuchSuche"));
    m_search->setAccessibleName(QStringLiteral("Suchen"));
    m_search->setClearButtonEnabled(true);
    m_search->setPlaceholderText(QStringLiteral("Wort auf dieser Seite"));
    searchLabel->setBuddy(m_search);
    bar->addWidget(m_search, 1);
    QPushButton* next = addButton("btnHandbuchWeiter", QStringLiteral("&Weitersuchen"),
                                  QStringLiteral("Nächste Fundstelle (F3)"));
    QPushButton* closeButton = addButton("btnHandbuchSchliessen", QStringLiteral("S&chließen"),
                                   QStringLiteral("Handbuch schließen (Esc)"));
    m_searchState = new QLabel(this);
    m_searchState->setObjectName(QStringLiteral("lblHandbuchSuche"));
    column->addWidget(m_searchState);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("TextBrowserHandbuch"));
    m_browser->setAccessibleName(QStringLiteral("Handbuchseite"));
    m_browser->setOpenExternalLinks(true);
    m_browser->setSearchPaths({QStringLiteral(":/handbook")});
    column->insertWidget(1, m_browser, 1);

    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(home, &QPushButton::clicked, m_browser, &QTextBrowser::home);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = m_browser->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Quorvel – Handbuch")
                                       : QStringLiteral("Quorvel – Handbuch: ") + title);
        m_searchState->clear();
    });
    auto search = [this] { findNext(m_search->text()); };
    connect(m_search, &QLineEdit::returnPressed, this, search);
    connect(next, &QPushButton::clicked, this, search);

    auto shortcut = [this](const QKeySequence& keys, auto&& slot) {
        auto* a = new QAction(this);
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, slot);
        addAction(a);
    };
    shortcut(QKeySequence(Qt::ALT | Qt::Key_Left), [this] { m_browser->backward(); });
    shortcut(QKeySequence(Qt::ALT | Qt::Key_Right), [this] { m_browser->forward(); });
    shortcut(QKeySequence::FindNext, search);
    shortcut(QKeySequence::FindPrevious, [this] { findNext(m_search->text(), true); });
    shortcut(QKeySequence::Find, [this] {
        m_search->setFocus();
        m_search->selectAll();
    });
    shortcut(QKeySequence(Qt::Key_Escape), [this] { close(); });

    m_browser->setSource(startPage());
}

QUrl THandbuch::startPage() { return QUrl(QStringLiteral("qrc:/handbook/index.html")); }

void THandbuch::showPage(const QUrl& page)
{
    const QUrl target = page.isEmpty() ? startPage() : page;
    if (m_browser->source() != target)
        m_browser->setSource(target);
    show();
    raise();
    activateWindow();
    m_browser->setFocus();
}

bool THandbuch::findNext(const QString& text, bool backwards)
{
    if (text.trimmed().isEmpty()) {
        m_searchState->setText(QStringLiteral("Bitte ein Suchwort eingeben."));
        return false;
    }
    const QTextDocument::FindFlags flags =
        backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    bool found = m_browser->find(text, flags);
    if (!found) {
        // Once more from the other end of the page.
        QTextCursor c = m_browser->textCursor();
        c.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
        m_browser->setTextCursor(c);
        found = m_browser->find(text, flags);
    }
    m_searchState->setText(found ? QString()
                                 : QStringLiteral("„%1“ steht nicht auf dieser Seite.").arg(text));
    return found;
}

} // namespace quorvel
