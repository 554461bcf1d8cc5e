#include "MemoryWorkbookSource.h"

MemoryWorkbookSource::MemoryWorkbookSource(QList<QList<CellValue>> rows, qint32 rowLimit)
    : m_rows(std::move(rows)), m_rowLimit(rowLimit) {}

MemoryWorkbookSource MemoryWorkbookSource::fromTexts(const QList<QStringList>& rows) {
    QList<QList<CellValue>> cells;
    for (const QStringList& row : rows) {
        QList<CellValue> r;
        for (const QString& t : row) {
            r.append(t.isEmpty() ? CellValue::empty() : CellValue::text(t));
        }
        cells.append(r);
    }
    return MemoryWorkbookSource(std::move(cells));
}

Status MemoryWorkbookSource::openSheet(const QString&, qint32 sheet, Yielder*) {
    ++m_opens;
    if (!m_openFailure.isEmpty() || sheet != 0) {
        m_open = false;
        return Status::failure(sheet != 0 ? QStringLiteral("no such worksheet") : m_openFailure);
    }
    m_open = true;
    return Status::success();
}

QStringList MemoryWorkbookSource::sheetNames() const {
    return m_open ? QStringList{QStringLiteral("Sheet1")} : QStringList();
}

CellValue MemoryWorkbookSource::cellAt(qint32 row, qint32 column) const {
    if (row < 1 || row > m_rows.size() || column < 0) {
        return CellValue::empty();
    }
    const QList<CellValue>& r = m_rows[row - 1];
    return column < r.size() ? r[column] : CellValue::empty();
}
