#pragma once
// TFormHaupt: the fixed-size main window with its page stacks, the selection page, the
// choice of the pupil and the status bar.

#include "services.h"
#include "exercisepages.h"
#include "topiccontext.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QUrl;

namespace quorvel {

namespace review {
class ReviewRecorder;
class ReviewSeries;
} // namespace review

class NumberPad;
class StatisticsPage;
class StatisticsStore;
class THandbuch;

// Asks for the pupil's name; returns false when cancelled. Injected so tests need no dialog.
using NameAsker = std::function<bool(QWidget* parent, const QString& current, QString* name)>;
bool askNameWithDialog(QWidget* parent, const QString& current, QString* name);

// Hands a document to the desktop's default application (QDesktopServices::openUrl in the
// program); injected so tests can see what would be opened.
using DocumentOpener = std::function<void(const QUrl& url)>;
void openWithDesktop(const QUrl& url);

// Main pages (NotebookHaupt01).
enum MainPage : int { PageAuswahl = 0, PageAufgaben = 1, PageStatistik = 2, PageVersteckt = 3 };

class TFormHaupt : public QMainWindow {
    Q_OBJECT
public:
    TFormHaupt(Services services, StatisticsStore& store, NameAsker askName = askNameWithDialog,
               QWidget* parent = nullptr);
    ~TFormHaupt() override;

    Services& services() { return m_services; }

    QStackedWidget* notebookHaupt01() const { return m_notebook01; }
    QStackedWidget* notebookHaupt01a() const { return m_notebook01a; }
    NumberPad* numberPad() const { return m_pad; }
    QString statusPanel(int index) const;

    // The handlers of the selection page.
    bool RequireUserName();
    void BitBtnBenutzernameClick();
    void openTopic(int exercisePage);
    void openStatistics(int button);
    void backToSelection();
    // "Fehler üben": the pupil's due cards, each on its own topic's task page.
    void BitBtnFehlerUebenClick();
    // The button's count of due cards (and its hint when none is due), read anew.
    void showDueCards();

    // Menu "Datei" > "Hilfe" and F1: Quorvel.chm beside the program when there is one,
    // otherwise the built-in handbook.
    void HMenuDateiHilfeClick();
    THandbuch* handbook() const { return m_handbook; }
    // The selection page's line naming the class folder in use ("Klassenordner: …"); empty
    // hides it.
    void showDataFolder(const QString& line);
    void setDocumentOpener(DocumentOpener opener) { m_openDocument = std::move(opener); }

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void buildMenu();
    void buildTopBar(QWidget* central);
    void buildSelectionPage(QWidget* page);
    void buildExerciseArea(QWidget* page);
    void buildStatisticsPage(QWidget* page);
    void saveOnExit();
    void showUserName();
    QString reviewFilePath() const;

    Services m_services;
    StatisticsStore& m_store;
    QString m_programDirectory; // where the program lies, with a trailing slash
    NameAsker m_askName;
    std::unique_ptr<TopicContext> m_ctx;
    QStackedWidget* m_notebook01 = nullptr;
    QStackedWidget* m_notebook01a = nullptr;
    NumberPad* m_pad = nullptr;
    QLabel* m_panel0 = nullptr;
    QLabel* m_panel1 = nullptr;
    QLabel* m_userLabel = nullptr; // "Angemeldet: Anna"
    QLabel* m_folderLabel = nullptr; // "Klassenordner: /var/lib/quorvel/…"
    QPushButton* m_reviewButton = nullptr; // "Fehler üben (3)"
    QLabel* m_reviewHint = nullptr;        // shown while nothing is due
    std::unique_ptr<review::ReviewRecorder> m_recorder;
    std::unique_ptr<review::ReviewSeries> m_review;
    StatisticsPage* m_statsPage = nullptr;
    QCheckBox* m_sound = nullptr;
    bool m_saved = false;
    DocumentOpener m_openDocument = openWithDesktop;
    THandbuch* m_handbook = nullptr;
};

} // namespace quorvel
