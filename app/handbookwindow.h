#pragma once
// The handbook: German HTML pages built into the program, shown in a window of its own
// with links, back and forward, a start page and a search within the page. It needs no
// viewer on the machine; F1 and "Datei > Hilfe" open it.

#include <QUrl>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;


namespace quorvel {

class THandbuch : public QWidget {
    Q_OBJECT
public:
    explicit THandbuch(QWidget* parent = nullptr);

    static QUrl startPage();
    // Shows the window with `page` (the start page when empty), raised and focused.
    void showPage(const QUrl& page = QUrl());
    // Searches the page from the current place on, wrapping once; false when not found.
    bool findNext(const QString& text, bool backwards = false);

    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser = nullptr;
    QLineEdit* m_search = nullptr;
    QLabel* m_searchState = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_forward = nullptr;
};

} // namespace quorvel
