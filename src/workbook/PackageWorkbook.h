#pragma once

#include "SheetData.h"
#include "Status.h"
#include "WorkbookSource.h"

class Yielder;

// Reads the first worksheet of a zip package: Office Open XML (.xlsx, .xlsm) or
// OpenDocument (.ods), told apart by the package's content. Sets *format to what it found.
Status readPackageWorkbook(const QString& path, SheetData& sheet, Yielder& yielder,
                           WorkbookFormat* format);
