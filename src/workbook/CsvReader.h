#pragma once

#include "WorkbookReader.h"

// Reads a delimited text file (RFC 4180). Every field stays verbatim text.
Status readCsvWorkbook(const QString& path, LoadedSheet& out, Yielder& yielder);
