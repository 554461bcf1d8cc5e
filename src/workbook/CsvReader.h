#pragma once

#include "WorkbookReader.h"

// Reads a delimited text file (RFC 4180). Every field stays verbatim text. The file is one
// sheet, named by csvSheetName.
Status readCsvWorkbook(const QString& path, qint32 sheet, LoadedSheet& out, Yielder& yielder);

// The name of a text file's one sheet: the file name without its extension, as spreadsheet
// programs name the sheet when they open it.
QString csvSheetName(const QString& path);
