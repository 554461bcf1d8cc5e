#pragma once

#include "SheetData.h"
#include "Status.h"

#include <string>
#include <string_view>

class Yielder;
class ZipPackage;

// Reads the first worksheet of an Office Open XML package (transitional or Strict) into
// the sheet. The failure carries only the reason clause.
Status readXlsxPackage(const ZipPackage& zip, SheetData& sheet, Yielder& yielder);

// The part name a relationship target points to, from the folder of the part that holds
// the relationship ("xl/"): absolute targets start at the package root, "../" climbs,
// percent escapes are decoded. Empty when the target climbs above the root.
std::string resolvePartTarget(std::string_view sourceFolder, std::string_view target);
