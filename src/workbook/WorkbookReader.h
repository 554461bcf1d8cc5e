#pragma once

#include "Limits.h"
#include "SheetData.h"
#include "Status.h"

#include <QString>

class Yielder;

enum class WorkbookFormat { Unknown, Xlsx, Xls, Csv, Ods };

// What a format reader hands back: the cells of the first worksheet, the number of rows its
// format can hold, and the format it found.
struct LoadedSheet {
    SheetData sheet;
    qint32 rowLimit = limits::kMaxRows;
    WorkbookFormat format = WorkbookFormat::Unknown;
};

// Every format reader has the same shape,
//     Status readXxxWorkbook(const QString& path, LoadedSheet& out, Yielder& yielder);
// it reads the file at path into out, which starts empty. A failure carries only the reason
// clause ("it is damaged (...)."); out is then discarded, and the caller names the file
// with unreadableFileMessage.

// The message of a file that cannot be read: names the file, then the reason.
QString unreadableFileMessage(const QString& path, const QString& reason);
