#pragma once

#include <QString>

// The format code of one of Excel's built-in format ids 0 to 49, empty for ids without one.
// Ids 14 and 22, which follow the machine's short date format in Excel, are ISO 8601 here
// ("yyyy-mm-dd", "yyyy-mm-dd hh:mm") so that a date never depends on the reading machine;
// ids 5 to 8 and 41 to 44 take the US forms that Excel uses in an English installation.
QString builtinFormatCode(int id);
