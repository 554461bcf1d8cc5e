#pragma once

#include "WorkbookReader.h"

// Reads the first worksheet of a zip package: Office Open XML (.xlsx, .xlsm) or
// OpenDocument (.ods), told apart by the package's content.
Status readPackageWorkbook(const QString& path, LoadedSheet& out, Yielder& yielder);
