#pragma once
// TFormKlassenuebersicht: the teacher's window over every pupil's statistics files, one
// row per pupil and part, sortable, filtered by name, saved as CSV. It only reads.

#include "classoverview.h"

#include <QAbstractTableModel>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QSortFilterProxyModel;
class QTableView;

namespace quorvel {

class MessageSink;

class ClassOverviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ClassOverviewModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void setOverview(stats::ClassOverview overview);
    const stats::ClassOverview& overview() const { return m_overview; }
    const stats::OverviewRow& row(int r) const { return m_overview.rows[std::size_t(r)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    stats::ClassOverview m_overview;
};

class TFormKlassenuebersicht : public QWidget {
    Q_OBJECT
public:
    // Asks where to save the CSV file; empty when cancelled. Injected so tests need no dialog.
    using SavePathAsker = std::function<QString(QWidget* parent, const QString& suggested)>;
    static QString askSavePathWithDialog(QWidget* parent, const QString& suggested);

    // `dataDirectory` is asked at every refresh, so the window follows the program's folder;
    // `cards` reads the pupils' Fehlerkarteien for their two columns.
    TFormKlassenuebersicht(std::function<QString()> dataDirectory, MessageSink& messages,
                           QWidget* parent = nullptr, stats::CardFileReader cards = {});

    // "Aktualisieren" and F5: reads the files again; sort order and filter stay.
    void btnKlassenAktualisierenClick();
    // "Als CSV speichern …": asks for a file and writes the rows as shown. False when
    // cancelled or failed (a failure is reported).
    bool btnKlassenCSVClick();
    // Writes the rows as shown (filtered, sorted) to `path`, replacing it whole.
    bool writeCsv(const QString& path, QString* reason) const;
    QByteArray csv() const;

    void setSavePathAsker(SavePathAsker asker) { m_askSavePath = std::move(asker); }

    ClassOverviewModel* model() const { return m_model; }
    QSortFilterProxyModel* proxy() const { return m_proxy; }
    QTableView* table() const { return m_table; }
    QLineEdit* filterEdit() const { return m_filter; }
    QString statusText() const;

private:
    void showStatus();

    std::function<QString()> m_dataDirectory;
    MessageSink& m_messages;
    stats::CardFileReader m_cards;
    SavePathAsker m_askSavePath = askSavePathWithDialog;
    ClassOverviewModel* m_model = nullptr;
    QSortFilterProxyModel* m_proxy = nullptr;
    QTableView* m_table = nullptr;
    QLineEdit* m_filter = nullptr;
    QLabel* m_status = nullptr;
    QString m_lastSaveFolder;
};

} // namespace quorvel
