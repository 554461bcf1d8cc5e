#pragma once

#include "SheetData.h"

#include <QString>
#include <QStringList>

class Yielder;

// The record layer of .xls workbooks: the bytes of the workbook stream, already taken out
// of its compound file, read into the cells of one worksheet.
namespace biff {

inline constexpr qint32 kBiff8Rows = 65536;
inline constexpr qint32 kBiff5Rows = 16384;
inline constexpr qint32 kColumns = 256;

struct ParseResult {
    // Empty on success; otherwise the clause for unreadableFileMessage, in the current language.
    QString reason;
    qint32 rowLimit = kBiff8Rows;
    bool biff8 = true;
    // The worksheets, in workbook order (charts, macro and dialog sheets left out); one empty
    // name for a lone worksheet stream, which names none.
    QStringList sheetNames;
};

// Fills sheet (which must be empty) from worksheet number sheetIndex of the stream, or lists
// the worksheets only (kSheetNamesOnly of WorkbookReader.h, any negative number); on failure
// the sheet is left cleared.
ParseResult readWorkbookStream(const uchar* data, qint64 size, SheetData& sheet, Yielder& yielder,
                               qint32 sheetIndex = 0);

} // namespace biff
