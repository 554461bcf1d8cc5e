#pragma once

#include "Status.h"

#include <QList>
#include <QString>
#include <QStringList>

class WorkbookSource;
class Yielder;

inline constexpr int kPreviewRows = 1000; // grid rows 0..999; row 0 shows the header row
inline constexpr int kBlankRowsEndData = 5;

// What step 1 shows: the header row and the first 999 non-blank data rows, packed together,
// one text per header column.
struct PreviewTable {
    QList<QStringList> rows;
    int columns = 0;
};

// Row 1 up to its first blank cell: the header texts and their column letters, at most
// kMaxHeaders of them (column CW); header cells beyond are counted in leftOut, not kept.
struct HeaderRow {
    QStringList names;
    QStringList letters;
    qint32 leftOut = 0;
    qint32 count() const { return qint32(names.size()); }
};

HeaderRow readHeaderRow(const WorkbookSource& sheet);

struct WorkbookScanResult {
    Status status = Status::success();
    // False for a blank path: nothing was read and nothing changed.
    bool read = false;
    PreviewTable preview;
    // The status panel's text; empty when no non-blank row was found.
    QString itemsFound;
    HeaderRow header;
    // Non-blank rows counted, the header row included.
    qint32 itemCount = 0;
    // Row number of the last row counted (0 when none).
    qint32 lastItemRow = 0;
    // The workbook's worksheets, and which of them was read.
    QStringList sheetNames;
    qint32 sheetIndex = 0;
};

// "Items Found: " followed by a space and the number of data rows (itemCount - 1, never
// below 0).
QString itemsFoundText(qint32 itemCount);
// The same line in English whatever the user's language, as --list-headers prints it for
// scripts to read.
QString itemsFoundLine(qint32 itemCount);

// Step 1's reading of a workbook: opens it through the source, reads the header row, walks
// the rows below (five blank rows in a row end the data) counting the non-blank ones,
// fills the preview, and closes the source. A blank path reads nothing (read is false).
// The yielder is ticked per cell. Reads worksheet number sheet (0, the first, unless given).
WorkbookScanResult scanWorkbook(WorkbookSource& source, const QString& path, Yielder& yielder);
WorkbookScanResult scanWorkbook(WorkbookSource& source, const QString& path, qint32 sheet,
                                Yielder& yielder);

// The progress bar's value: done / total x 100, to the nearest whole number, halves to
// even, kept within 0..100 (0 while total is not positive).
int progressPercent(qint32 done, qint32 total);
