#include "PreviewModel.h"

#include <QColor>

void PreviewModel::setTable(PreviewTable table) {
    beginResetModel();
    m_table = std::move(table);
    m_loaded = true;
    endResetModel();
}

int PreviewModel::dataRows() const {
    return qBound(0, int(m_table.rows.size()) - 1, kGridRows - 1);
}

int PreviewModel::dataColumns() const {
    return m_table.rows.isEmpty() ? 0 : qBound(0, m_table.columns, columnCount());
}

int PreviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kGridRows - 1;
}

int PreviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : qMax(kGridColumns - 1, m_table.columns);
}

QString PreviewModel::cellText(int tableRow, int column) const {
    if (tableRow < 0 || tableRow >= m_table.rows.size()) {
        return QString();
    }
    const QStringList& row = m_table.rows.at(tableRow);
    return column >= 0 && column < row.size() ? row.at(column) : QString();
}

QVariant PreviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return QVariant();
    }
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.row() + 1, index.column());
    case Qt::BackgroundRole:
        // The cells turn yellow once a workbook has been previewed.
        return m_loaded ? QVariant(QColor(255, 255, 0)) : QVariant();
    case Qt::ForegroundRole:
        return m_loaded ? QVariant(QColor(Qt::black)) : QVariant();
    default:
        return QVariant();
    }
}

QVariant PreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QVariant();
    }
    return cellText(0, section);
}
