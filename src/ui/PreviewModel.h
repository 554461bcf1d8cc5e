#pragma once

#include "WorkbookScan.h"

#include <QAbstractTableModel>

// The preview grid's content: the header row in the fixed heading row (the view's horizontal
// header) and the data rows below it. The grid keeps its 1000 x 100 size whatever was read;
// a sheet with more than 99 header columns widens it.
class PreviewModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kGridRows = kPreviewRows; // the heading row included
    static constexpr int kGridColumns = 100;       // the heading column included

    using QAbstractTableModel::QAbstractTableModel;

    // Replaces what the grid shows; rows[0] is the header row.
    void setTable(PreviewTable table);
    // The part of the grid that holds the workbook: the data rows read and the header columns.
    int dataRows() const;
    int dataColumns() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString cellText(int tableRow, int column) const;

    PreviewTable m_table;
    bool m_loaded = false;
};
