#pragma once

#include "SheetData.h"
#include "Status.h"

#include <QStringList>

class Yielder;
class ZipPackage;

// Lists the tables of an OpenDocument spreadsheet (content.xml) into names and reads table
// number sheetIndex into the sheet (none for a negative number). The failure carries only
// the reason clause.
Status readOdsPackage(const ZipPackage& zip, qint32 sheetIndex, SheetData& sheet,
                      QStringList& names, Yielder& yielder);
