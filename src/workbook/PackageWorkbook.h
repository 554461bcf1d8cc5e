#pragma once

#include "WorkbookReader.h"

// Reads one worksheet of a zip package: Office Open XML (.xlsx, .xlsm) or OpenDocument
// (.ods), told apart by the package's content.
Status readPackageWorkbook(const QString& path, qint32 sheet, LoadedSheet& out, Yielder& yielder);
