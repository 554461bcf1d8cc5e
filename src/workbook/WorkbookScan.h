#pragma once

#include "Status.h"

#include <QList>
#include <QString>
#include <QStringList>

class WorkbookSource;
class Yielder;
struct WizardState;

inline constexpr int kPreviewRows = 1000; // grid rows 0..999; row 0 shows the header row
inline constexpr int kBlankRowsEndData = 5;

// What step 1 shows: the header row and the first 999 non-blank data rows, packed together,
// one text per header column.
struct PreviewTable {
    QList<QStringList> rows;
    int columns = 0;
};

struct WorkbookScanResult {
    Status status = Status::success();
    // False for a blank path: nothing was read and nothing changed.
    bool read = false;
    PreviewTable preview;
    // The status panel's text; empty when no non-blank row was found.
    QString itemsFound;
};

// "Items Found: " followed by a space and the number of data rows (itemCount - 1).
QString itemsFoundText(qint32 itemCount);

// Step 1's reading of a workbook: opens it through the source, reads the header row, walks
// the rows below (five blank rows in a row end the data) counting the non-blank ones into
// itemCount, fills the preview, and closes the source. The state changes only when the
// workbook could be read; a blank path changes nothing. The yielder is ticked per cell.
WorkbookScanResult scanWorkbook(WorkbookSource& source, const QString& path, WizardState& state,
                                Yielder& yielder);

// The progress bar's value: done / total x 100, to the nearest whole number, halves to
// even, kept within 0..100 (0 while total is not positive).
int progressPercent(qint32 done, qint32 total);
