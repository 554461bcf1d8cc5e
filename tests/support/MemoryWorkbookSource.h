#pragma once

#include "WorkbookSource.h"

#include <QList>

// A workbook held in memory, standing in for a file in tests of what reads a workbook.
// rows[0] is row 1. Counts the opens so tests can check when a caller reads again.
class MemoryWorkbookSource final : public WorkbookSource {
public:
    MemoryWorkbookSource() = default;
    explicit MemoryWorkbookSource(QList<QList<CellValue>> rows, qint32 rowLimit = 1048576);

    // Builds rows of texts; an empty text becomes an empty cell.
    static MemoryWorkbookSource fromTexts(const QList<QStringList>& rows);

    void setRows(QList<QList<CellValue>> rows) { m_rows = std::move(rows); }
    // The next openWorkbook fails with this message (empty: succeeds).
    void setOpenFailure(QString message) { m_openFailure = std::move(message); }

    using WorkbookSource::openWorkbook;
    // One worksheet, "Sheet1": any other number fails to open.
    Status openSheet(const QString& path, qint32 sheet, Yielder* yielder) override;
    QStringList sheetNames() const override;
    CellValue cellAt(qint32 row, qint32 column) const override;
    qint32 sheetRowLimit() const override { return m_rowLimit; }
    void closeWorkbook() override { m_open = false; }

    bool isOpen() const { return m_open; }
    int opens() const { return m_opens; }

private:
    QList<QList<CellValue>> m_rows;
    qint32 m_rowLimit = 1048576;
    QString m_openFailure;
    bool m_open = false;
    int m_opens = 0;
};
