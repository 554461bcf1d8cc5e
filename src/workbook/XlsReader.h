#pragma once

#include "WorkbookReader.h"

// Reads one worksheet of a compound-file workbook (Excel 97-2003 BIFF8, Excel 5/95
// BIFF5/7); the row limit is that of the version found.
Status readXlsWorkbook(const QString& path, qint32 sheet, LoadedSheet& out, Yielder& yielder);
