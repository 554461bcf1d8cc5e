#pragma once

#include "SheetData.h"
#include "Status.h"

class Yielder;

// Reads the first worksheet of a compound-file workbook (Excel 97-2003 BIFF8, Excel 5/95
// BIFF5/7). rowLimit receives the number of rows the format can hold.
Status readXlsWorkbook(const QString& path, SheetData& sheet, Yielder& yielder, qint32& rowLimit);
