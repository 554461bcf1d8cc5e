#pragma once

#include "SheetData.h"
#include "Status.h"

class Yielder;

// Reads a delimited text file (RFC 4180) into the sheet. Every field stays verbatim text.
Status readCsvWorkbook(const QString& path, SheetData& sheet, Yielder& yielder);
