#pragma once
// The prime list of a range as a list model: one row per line, each line's text made
// when the view asks for it. Rows appear while the counting pass runs on its worker.

#include "primelines.h"

#include <QAbstractListModel>
#include <QElapsedTimer>

namespace quorvel {

class PrimeListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit PrimeListModel(QObject* parent = nullptr);
    ~PrimeListModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Lists the primes of [lo, hi] (swapped when lo > hi); rows come as they are counted.
    void start(std::uint32_t lo, std::uint32_t hi);
    // Stops counting; the lines known so far stay.
    void cancel();
    // Empties the list (and stops counting).
    void clear();

    bool counting() const { return m_counting; }
    bool cancelled() const { return m_cancelled; }
    bool finished() const { return m_started && !m_counting && !m_cancelled; }
    std::uint32_t lo() const { return m_count.lo(); }
    std::uint32_t hi() const { return m_count.hi(); }
    // How far the count has come: the number reached and the share done (0 .. 1).
    std::uint32_t reached() const { return m_count.reached(); }
    double progress() const;
    std::uint64_t primesCounted() const { return m_layout.primeCount(); }

    // Takes in what the worker has counted since the last call (the worker's notices
    // call it on this thread; tests may call it directly).
    void poll();

signals:
    void progressChanged();
    void countingFinished(bool completed);

private:
    void stopWorker();

    primes::PrimeRangeCount m_count;
    primes::PrimeLineLayout m_layout;
    mutable primes::PrimeLineSource m_source;
    int m_rows = 0;
    bool m_counting = false;
    bool m_cancelled = false;
    bool m_started = false;
    unsigned m_generation = 0;
};

} // namespace quorvel
