#include "primelistmodel.h"

#include <QMetaObject>
#include <QPointer>

#include <algorithm>
#include <climits>

namespace quorvel {

PrimeListModel::PrimeListModel(QObject* parent) : QAbstractListModel(parent) {}

PrimeListModel::~PrimeListModel() { stopWorker(); }

int PrimeListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant PrimeListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows)
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return QString::fromStdString(m_source.lineText(m_layout.line(std::uint64_t(index.row()))));
    return {};
}

void PrimeListModel::stopWorker() { m_count.cancel(); }

void PrimeListModel::start(std::uint32_t lo, std::uint32_t hi)
{
    if (lo > hi)
        std::swap(lo, hi);
    beginResetModel();
    stopWorker();
    ++m_generation;
    m_rows = 0;
    m_started = true;
    m_counting = true;
    m_cancelled = false;
    std::uint64_t none[11] = {};
    m_layout.build(none, false);
    m_source.reset(&m_count);
    // The worker's notices come back to this thread as queued calls; a notice from an
    // earlier run finds another generation and only polls.
    QPointer<PrimeListModel> self(this);
    const unsigned generation = m_generation;
    m_count.start(lo, hi, [self, generation] {
        QMetaObject::invokeMethod(
            self.data(),
            [self, generation] {
                if (self && self->m_generation == generation)
                    self->poll();
            },
            Qt::QueuedConnection);
    });
    endResetModel();
    emit progressChanged();
}

void PrimeListModel::poll()
{
    if (!m_started)
        return;
    const std::uint32_t done = m_count.segmentsDone();
    const bool complete = done == m_count.segmentTotal();
    std::uint64_t byDigits[11];
    m_count.primesByDigits(done, byDigits);
    m_source.update(done);
    m_layout.build(byDigits, complete && !m_cancelled);
    const int rows = int(std::min<std::uint64_t>(m_layout.lineCount(), INT_MAX));
    if (rows > m_rows) {
        beginInsertRows({}, m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    }
    const bool wasCounting = m_counting;
    if (complete && m_counting)
        m_counting = false;
    emit progressChanged();
    if (wasCounting && !m_counting && !m_cancelled)
        emit countingFinished(true);
}

void PrimeListModel::cancel()
{
    if (!m_counting)
        return;
    stopWorker();
    if (m_count.finished()) { // the end came before the cancel
        poll();
        return;
    }
    m_cancelled = true;
    poll();
    m_counting = false;
    emit progressChanged();
    emit countingFinished(false);
}

void PrimeListModel::clear()
{
    beginResetModel();
    stopWorker();
    ++m_generation;
    m_rows = 0;
    m_started = false;
    m_counting = false;
    m_cancelled = false;
    m_source.reset(nullptr);
    endResetModel();
    emit progressChanged();
}

double PrimeListModel::progress() const
{
    if (!m_started)
        return 0.0;
    const std::uint32_t total = m_count.segmentTotal();
    return total == 0 ? 1.0 : double(m_count.segmentsDone()) / total;
}

} // namespace quorvel
