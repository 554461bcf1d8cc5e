#pragma once

#include "SheetData.h"
#include "Status.h"

#include <QStringList>

#include <string>
#include <string_view>

class Yielder;
class ZipPackage;

// Lists the worksheets of an Office Open XML package (transitional or Strict) into names and
// reads worksheet number sheetIndex into the sheet (none for a negative number). The
// failure carries only the reason clause.
Status readXlsxPackage(const ZipPackage& zip, qint32 sheetIndex, SheetData& sheet,
                       QStringList& names, Yielder& yielder);

// The part name a relationship target points to, from the folder of the part that holds
// the relationship ("xl/"): absolute targets start at the package root, "../" climbs,
// percent escapes are decoded. Empty when the target climbs above the root.
std::string resolvePartTarget(std::string_view sourceFolder, std::string_view target);
