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

void MemoryWorkbookSource::addSheet(const QString& name, QList<QList<CellValue>> rows) {
    m_moreSheets.append({name, std::move(rows)});
}

Status MemoryWorkbookSource::openSheet(const QString&, qint32 sheet, Yielder*) {
    ++m_opens;
    m_lastSheet = sheet;
    m_open = false;
    if (!m_openFailure.isEmpty()) {
        return Status::failure(m_openFailure);
    }
    if (sheet < 0 || sheet > m_moreSheets.size()) {
        return Status::failure(QStringLiteral("no such sheet"));
    }
    m_open = true;
    return Status::success();
}

QStringList MemoryWorkbookSource::sheetNames() const {
    if (!m_open) {
        return {};
    }
    QStringList names{QStringLiteral("Sheet1")};
    for (const auto& sheet : m_moreSheets) {
        names.append(sheet.first);
    }
    return names;
}

CellValue MemoryWorkbookSource::cellAt(qint32 row, qint32 column) const {
    const QList<QList<CellValue>>& rows =
        m_lastSheet > 0 ? m_moreSheets[m_lastSheet - 1].second : m_rows;
    if (row < 1 || row > rows.size() || column < 0) {
        return CellValue::empty();
    }
    const QList<CellValue>& r = rows[row - 1];
    return column < r.size() ? r[column] : CellValue::empty();
}
