#include "PreviewGrid.h"

#include "PreviewModel.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QHeaderView>
#include <QPointer>
#include <QWindow>

namespace {

int dataRows(const PreviewGrid* grid) {
    const PreviewModel* model = grid->previewModel();
    return model ? model->dataRows() : 0;
}

int dataColumns(const PreviewGrid* grid) {
    const PreviewModel* model = grid->previewModel();
    return model ? model->dataColumns() : 0;
}

// One cell that holds data, or (row -1) the heading of a column that does.
class PreviewCellAccessible final : public QAccessibleInterface,
                                    public QAccessibleTableCellInterface {
public:
    PreviewCellAccessible(PreviewGrid* grid, int row, int column)
        : m_grid(grid), m_row(row), m_column(column) {}

    bool isValid() const override {
        return m_grid && m_row < dataRows(m_grid) && m_column < dataColumns(m_grid);
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_grid ? m_grid->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_grid.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override {
        return isHeading() ? QAccessible::ColumnHeader : QAccessible::Cell;
    }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid()) {
            return QString();
        }
        if (isHeading()) {
            return m_grid->model()->headerData(m_column, Qt::Horizontal).toString();
        }
        return modelIndex().data().toString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid()) {
            return QRect();
        }
        if (isHeading()) {
            const QHeaderView* header = m_grid->horizontalHeader();
            const QPoint corner(header->sectionViewportPosition(m_column), 0);
            return QRect(header->viewport()->mapToGlobal(corner),
                         QSize(header->sectionSize(m_column), header->height()));
        }
        const QRect cell = m_grid->visualRect(modelIndex());
        return QRect(m_grid->viewport()->mapToGlobal(cell.topLeft()), cell.size());
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.invisible = !m_grid->isVisible();
        if (isHeading()) {
            return s;
        }
        const QModelIndex index = modelIndex();
        const QRect cell = m_grid->visualRect(index);
        s.offscreen = !m_grid->viewport()->rect().intersects(cell);
        s.readOnly = true;
        s.focusable = true;
        s.focused = m_grid->hasFocus() && m_grid->currentIndex() == index;
        s.selectable = m_grid->selectionMode() != QAbstractItemView::NoSelection;
        s.selected = isSelected();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface && !isHeading()) {
            return static_cast<QAccessibleTableCellInterface*>(this);
        }
        return nullptr;
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override {
        return isValid() && !isHeading() && m_grid->selectionModel() &&
               m_grid->selectionModel()->isSelected(modelIndex());
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    int row() const { return m_row; }

private:
    bool isHeading() const { return m_row < 0; }
    QModelIndex modelIndex() const { return m_grid->model()->index(m_row, m_column); }

    QPointer<PreviewGrid> m_grid;
    int m_row;
    int m_column;
};

// The grid as a table of the data rows and header columns only. Children are the column
// headings, then the data cells row by row.
class PreviewGridAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit PreviewGridAccessible(PreviewGrid* grid)
        : QAccessibleWidget(grid, QAccessible::Table) {}
    ~PreviewGridAccessible() override { forgetCells(); }

    PreviewGrid* grid() const { return static_cast<PreviewGrid*>(object()); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return columnCount() * (rowCount() + 1); }
    QAccessibleInterface* child(int index) const override {
        const int columns = columnCount();
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        return cell(index / columns - 1, index % columns);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child || child->parent() != this ||
            (child->role() != QAccessible::Cell && child->role() != QAccessible::ColumnHeader)) {
            return -1;
        }
        const auto* cell = static_cast<const PreviewCellAccessible*>(child);
        return (cell->row() + 1) * columnCount() + cell->columnIndex();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QHeaderView* header = grid()->horizontalHeader();
        const QPoint inHeader = header->viewport()->mapFromGlobal(QPoint(x, y));
        if (header->viewport()->rect().contains(inHeader)) {
            return cell(-1, header->logicalIndexAt(inHeader));
        }
        const QPoint inView = grid()->viewport()->mapFromGlobal(QPoint(x, y));
        const QModelIndex index = grid()->indexAt(inView);
        return index.isValid() ? cell(index.row(), index.column()) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const QModelIndex current = grid()->currentIndex();
        return grid()->hasFocus() && current.isValid() ? cell(current.row(), current.column())
                                                       : nullptr;
    }

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override { return cell(row, column); }
    int selectedCellCount() const override { return int(selectedIndexes().size()); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        for (const QModelIndex& index : selectedIndexes()) {
            cells.append(cell(index.row(), index.column()));
        }
        return cells;
    }
    int columnCount() const override { return dataColumns(grid()); }
    int rowCount() const override { return dataRows(grid()); }
    QString columnDescription(int column) const override {
        return grid()->model()->headerData(column, Qt::Horizontal).toString();
    }
    QString rowDescription(int) const override { return QString(); }
    // The grid selects cells, never whole rows or columns.
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { forgetCells(); }

    // The interface of a cell in the data (row -1: a column heading); null outside it.
    QAccessibleInterface* cell(int row, int column) const {
        if (row < -1 || row >= rowCount() || column < 0 || column >= columnCount()) {
            return nullptr;
        }
        const qint64 key = (qint64(row) << 32) | quint32(column);
        if (const QAccessible::Id id = m_cells.value(key)) {
            return QAccessible::accessibleInterface(id);
        }
        auto* made = new PreviewCellAccessible(grid(), row, column);
        m_cells.insert(key, QAccessible::registerAccessibleInterface(made));
        return made;
    }

private:
    QModelIndexList selectedIndexes() const {
        QModelIndexList inData;
        if (!grid()->selectionModel()) {
            return inData;
        }
        for (const QModelIndex& index : grid()->selectionModel()->selectedIndexes()) {
            if (index.row() < rowCount() && index.column() < columnCount()) {
                inData.append(index);
            }
        }
        return inData;
    }
    void forgetCells() {
        for (QAccessible::Id id : std::as_const(m_cells)) {
            QAccessible::deleteAccessibleInterface(id);
        }
        m_cells.clear();
    }

    mutable QHash<qint64, QAccessible::Id> m_cells;
};

QList<QAccessibleInterface*> PreviewCellAccessible::columnHeaderCells() const {
    auto* table = static_cast<PreviewGridAccessible*>(parent());
    QAccessibleInterface* heading = table ? table->cell(-1, m_column) : nullptr;
    return heading ? QList<QAccessibleInterface*>{heading} : QList<QAccessibleInterface*>{};
}

} // namespace

PreviewModel* PreviewGrid::previewModel() const {
    return qobject_cast<PreviewModel*>(model());
}

int PreviewGrid::accessibleChild(const QModelIndex& index) const {
    const int columns = dataColumns(this);
    if (!index.isValid() || index.row() >= dataRows(this) || index.column() >= columns) {
        return -1;
    }
    return (index.row() + 1) * columns + index.column();
}

// QTableView's own events number the cells of the whole grid; these number the cells the
// grid's interface presents. Cells outside the data report the grid itself.
void PreviewGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (QAccessible::isActive() && current.isValid()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        const int child = accessibleChild(current);
        if (child >= 0) {
            event.setChild(child);
        }
        QAccessible::updateAccessibility(&event);
    }
    QAbstractItemView::currentChanged(current, previous);
}

void PreviewGrid::selectionChanged(const QItemSelection& selected,
                                   const QItemSelection& deselected) {
    if (QAccessible::isActive()) {
        for (auto [range, type] : {std::pair{&selected, QAccessible::SelectionAdd},
                                   std::pair{&deselected, QAccessible::SelectionRemove}}) {
            const int child = accessibleChild(range->indexes().value(0));
            if (child >= 0) {
                QAccessibleEvent event(this, type);
                event.setChild(child);
                QAccessible::updateAccessibility(&event);
            }
        }
    }
    QAbstractItemView::selectionChanged(selected, deselected);
}

QAccessibleInterface* makePreviewGridAccessible(PreviewGrid* grid) {
    return new PreviewGridAccessible(grid);
}
