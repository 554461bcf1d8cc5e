#pragma once

#include <QTableView>

class PreviewModel;
class QAccessibleInterface;

// The preview grid: a table view over PreviewModel that looks like the full 1000 x 100 grid
// but tells accessibility clients only about the cells that hold the workbook's header row and
// data rows. A screen reader walks those, not a hundred thousand empty cells.
class PreviewGrid final : public QTableView {
    Q_OBJECT
public:
    explicit PreviewGrid(QWidget* parent = nullptr) : QTableView(parent) {}

    PreviewModel* previewModel() const;
    // The accessible child that stands for a cell of the model: the header cells come first,
    // then the data rows; -1 for a cell outside the data.
    int accessibleChild(const QModelIndex& index) const;

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;
};

// The grid's accessibility interface (installed through installWindowAccessibility).
QAccessibleInterface* makePreviewGridAccessible(PreviewGrid* grid);
