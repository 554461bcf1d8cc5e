#pragma once

#include "CellValue.h"
#include "SheetData.h"
#include "Status.h"
#include "WorkbookReader.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>

class Yielder;

// The one way the program reads a spreadsheet: open, read cells of one worksheet (the first
// unless another is chosen) by A1 address, close. Everything above it is written against
// this interface.
class WorkbookSource {
public:
    virtual ~WorkbookSource() = default;

    // Opens the workbook and selects worksheet number sheet (0 is the first of
    // sheetNames). On failure nothing is open and the message names the file and says why.
    // The yielder, when given, is ticked while reading.
    virtual Status openSheet(const QString& path, qint32 sheet, Yielder* yielder) = 0;
    // Opens the workbook at its first worksheet.
    Status openWorkbook(const QString& path, Yielder* yielder = nullptr) {
        return openSheet(path, 0, yielder);
    }
    // The worksheets of the open workbook, in workbook order (see LoadedSheet); empty when
    // none is open.
    virtual QStringList sheetNames() const = 0;
    // The value of one cell of the selected sheet; empty for an address that is not a cell.
    CellValue readCell(QStringView address) const;
    // Same, by position: row from 1, column from 0.
    virtual CellValue cellAt(qint32 row, qint32 column) const = 0;
    // Number of rows the sheet can hold.
    virtual qint32 sheetRowLimit() const = 0;
    virtual void closeWorkbook() = 0;
};

// Reads spreadsheet files: the format is told by the file's content, the extension only
// breaks ties (a text file is read as CSV whatever it is called).
//
// A closed workbook's cells are kept: opening the same sheet of the same file again while
// its size and modification time are unchanged gives them back without reading it twice
// (step 1 and the conversion open the same file). Any change to the file, or another sheet,
// reads it afresh.
class FileWorkbookSource final : public WorkbookSource {
public:
    using WorkbookSource::openWorkbook;
    Status openSheet(const QString& path, qint32 sheet, Yielder* yielder) override;
    QStringList sheetNames() const override { return m_open ? m_sheetNames : QStringList(); }
    CellValue cellAt(qint32 row, qint32 column) const override;
    qint32 sheetRowLimit() const override { return m_open ? m_rowLimit : 0; }
    void closeWorkbook() override { m_open = false; }

    // Frees the cells kept after closing.
    void releaseKept();
    // Whether the last open was answered from the kept cells (for tests and benches).
    bool lastOpenReused() const { return m_reused; }

    WorkbookFormat format() const { return m_format; }
    const SheetData& sheet() const { return m_sheet; }

    // What tells one state of a file from another.
    struct FileIdentity {
        QString path;
        qint64 size = -1;
        qint64 modified = 0; // nanoseconds
        friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
    };

private:
    SheetData m_sheet;
    FileIdentity m_identity; // the file m_sheet was read from
    qint32 m_sheetIndex = 0; // and which of its worksheets
    QStringList m_sheetNames;
    qint32 m_rowLimit = 0;
    WorkbookFormat m_format = WorkbookFormat::Unknown;
    bool m_open = false;
    bool m_kept = false;
    bool m_reused = false;
};

std::unique_ptr<WorkbookSource> makeFileWorkbookSource();

// The worksheets of the spreadsheet at path (see LoadedSheet), read without their cells. On
// failure the message names the file and says why, as openWorkbook's does.
Status listWorkbookSheets(const QString& path, QStringList& names, Yielder* yielder = nullptr);
