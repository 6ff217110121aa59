#include "ui/history/history_table.h"

#include "domain/exercise/numeric_text.h"
#include "io/csv_export.h"

#include <QCoreApplication>

#include <cmath>

namespace kavren {

namespace {

QString rounded(const std::optional<double> &value, int decimals) {
    if (!value || !std::isfinite(*value))
        return {};
    return writeNumber(roundHalfEven(*value, decimals));
}

QString speedCell(const HistoryEntry &entry, const IndexEstimate &estimate) {
    if (!estimate.value)
        return {};
    const auto text = disciplineSpeedText(entry.discipline, *estimate.value);
    return text ? *text + u' ' + disciplineSpeedUnit(entry.discipline) : QString();
}

QString qualityCell(const FitQuality &quality) {
    const QString lactate = rounded(quality.lactateR2, 3);
    const QString hr = rounded(quality.hrR2, 3);
    if (lactate.isEmpty() && hr.isEmpty())
        return {};
    return QStringLiteral("%1 / %2").arg(lactate.isEmpty() ? QStringLiteral("–") : lactate,
                                         hr.isEmpty() ? QStringLiteral("–") : hr);
}

QString isoDate(const HistoryEntry &entry) {
    return entry.when.isValid() ? entry.when.toString(Qt::ISODate) : entry.testDate.trimmed();
}

} // namespace

QStringList historyTableHeader() {
    QStringList header{QCoreApplication::translate("HistoryTable", "Date"),
                       QCoreApplication::translate("HistoryTable", "Discipline"),
                       QCoreApplication::translate("HistoryTable", "Steps")};
    for (HistoryIndex index : HistoryIndices)
        header << historyIndexName(index);
    return header << QCoreApplication::translate("HistoryTable", "Fit quality (R² lactate / Hr)");
}

QStringList historyTableCells(const HistoryEntry &entry) {
    QStringList cells{entry.testDate.trimmed(), entry.discipline,
                      entry.stepCount > 0 ? writeNumber(entry.stepCount) : QString()};
    for (HistoryIndex index : HistoryIndices) {
        const IndexEstimate &estimate = entry.estimate(index);
        cells << (isSpeedIndex(index) ? speedCell(entry, estimate) : rounded(estimate.value, 0));
    }
    return cells << qualityCell(entry.quality);
}

QStringList historyTableToolTips(const HistoryEntry &entry) {
    QStringList tips{QString(), QString(), QString()};
    for (HistoryIndex index : HistoryIndices) {
        const IndexEstimate &estimate = entry.estimate(index);
        const QString name = historyIndexName(index);
        tips << (isSpeedIndex(index) ? speedEstimateText(name, estimate, entry.discipline)
                                     : heartRateEstimateText(name, estimate));
    }
    return tips << fitQualityMessage(entry.quality);
}

HistoryTableModel::HistoryTableModel(QObject *parent)
    : QAbstractTableModel(parent), m_header(historyTableHeader()) {}

void HistoryTableModel::setEntries(std::vector<HistoryEntry> entries) {
    beginResetModel();
    m_entries = std::move(entries);
    m_texts.assign(m_entries.size(), std::nullopt);
    endResetModel();
}

std::optional<qint64> HistoryTableModel::rowIdAt(int row) const {
    if (row < 0 || row >= rowCount())
        return std::nullopt;
    return m_entries[std::size_t(row)].rowId;
}

int HistoryTableModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_entries.size());
}

int HistoryTableModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_header.size());
}

QVariant HistoryTableModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return texts(index.row()).cells.value(index.column());
    case Qt::ToolTipRole:
        return texts(index.row()).tips.value(index.column());
    case Qt::UserRole:
        return index.column() == 0 ? QVariant(m_entries[std::size_t(index.row())].rowId)
                                   : QVariant();
    default:
        return {};
    }
}

const HistoryTableModel::Texts &HistoryTableModel::texts(int row) const {
    std::optional<Texts> &texts = m_texts[std::size_t(row)];
    if (!texts) {
        const HistoryEntry &entry = m_entries[std::size_t(row)];
        texts = Texts{historyTableCells(entry), historyTableToolTips(entry)};
    }
    return *texts;
}

QVariant HistoryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_header.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

QStringList historyCsvHeader() {
    QStringList header{QStringLiteral("Test date"), QStringLiteral("Discipline"),
                       QStringLiteral("Steps")};
    for (HistoryIndex index : HistoryIndices) {
        const QString name = historyIndexName(index);
        const QString unit = isSpeedIndex(index) ? QStringLiteral("m/s") : QStringLiteral("b/min");
        header << QStringLiteral("%1 (%2)").arg(name, unit)
               << QStringLiteral("%1 95 % CI low (%2)").arg(name, unit)
               << QStringLiteral("%1 95 % CI high (%2)").arg(name, unit);
    }
    return header << QStringLiteral("Lactate fit R²") << QStringLiteral("Heart-rate line R²");
}

QStringList historyCsvFields(const HistoryEntry &entry) {
    QStringList fields{isoDate(entry), entry.discipline,
                       entry.stepCount > 0 ? writeNumber(entry.stepCount) : QString()};
    for (HistoryIndex index : HistoryIndices) {
        const IndexEstimate &estimate = entry.estimate(index);
        const bool speed = isSpeedIndex(index);
        const int decimals = speed ? 3 : 0;
        // A speed's bound at or below zero is no speed: left empty as an unbounded one.
        const auto bound = [&](const std::optional<double> &value) {
            return estimate.bounded() && (!speed || *value > 0) ? rounded(value, decimals)
                                                                : QString();
        };
        fields << rounded(estimate.value, decimals) << bound(estimate.lower)
               << bound(estimate.upper);
    }
    return fields << rounded(entry.quality.lactateR2, 3) << rounded(entry.quality.hrR2, 3);
}

QString historyCsvText(const std::vector<HistoryEntry> &entries) {
    QString text = csvRecord(historyCsvHeader());
    for (const HistoryEntry &entry : entries)
        text += csvRecord(historyCsvFields(entry));
    return text;
}

} // namespace kavren
