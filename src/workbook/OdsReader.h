#pragma once

#include "SheetData.h"
#include "Status.h"

class Yielder;
class ZipPackage;

// Reads the first table of an OpenDocument spreadsheet (content.xml) into the sheet. The
// failure carries only the reason clause.
Status readOdsPackage(const ZipPackage& zip, SheetData& sheet, Yielder& yielder);
