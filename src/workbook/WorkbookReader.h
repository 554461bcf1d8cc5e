#pragma once

#include "Limits.h"
#include "Sentence.h"
#include "SheetData.h"
#include "Status.h"

#include <QString>
#include <QStringList>

class Yielder;

enum class WorkbookFormat { Unknown, Xlsx, Xls, Csv, Ods };

// What a format reader hands back: the cells of the worksheet asked for, the number of rows
// its format can hold, the format it found, and the names of the workbook's worksheets.
struct LoadedSheet {
    SheetData sheet;
    qint32 rowLimit = limits::kMaxRows;
    WorkbookFormat format = WorkbookFormat::Unknown;
    // The worksheets a user can choose, in workbook order: chart, macro and dialog sheets are
    // left out, hidden worksheets are not (they hold data). A CSV file is one sheet named
    // after the file (its name without the extension).
    QStringList sheetNames;
};

// The sheet argument of a reader that only lists the worksheets: no cells are read.
inline constexpr qint32 kSheetNamesOnly = -1;

// Every format reader has the same shape,
//     Status readXxxWorkbook(const QString& path, qint32 sheet, LoadedSheet& out,
//                            Yielder& yielder);
// it reads the file at path into out, which starts empty: the names of its worksheets and the
// cells of worksheet number sheet (0 is the first of sheetNames), or no cells at all for
// kSheetNamesOnly. Only the worksheet asked for is read cell by cell; the limits apply to it.
// A failure carries only the reason clause ("it is damaged (...)."); out is then
// discarded, and the caller names the file with unreadableFileMessage.

// Readers' sentences are translated in the context "Workbook".

// The reason given for a sheet number the workbook does not have.
Sentence missingSheetReason(qint32 sheet, qsizetype sheetCount);

// "it is damaged (why)."
Sentence damagedReason(Sentence why);

// The message of a file that cannot be read: names the file, then the reason.
Sentence unreadableFileMessage(const QString& path, Sentence reason);
// The same with a reason already in words, as text in the current language.
QString unreadableFileMessage(const QString& path, const QString& reason);
