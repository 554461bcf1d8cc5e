#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <string>
#include <string_view>

// Value parsing shared by the package readers. Everything works on the raw UTF-8 bytes the
// XML parser hands over and never depends on the locale.
namespace xmlvalues {

// A decimal or E-notation number, surrounding ASCII blanks allowed.
std::optional<double> parseNumber(std::string_view text);
// A non-negative whole number, saturating at `cap` (repeat counts, indices).
std::optional<qint64> parseCount(std::string_view text, qint64 cap);

// An ISO 8601 date, date-time or time of day ("2024-01-31", "2024-01-31T13:45:30.5",
// "13:45:00") as a spreadsheet serial number: days since the epoch of the 1900 system
// (1900-01-01 is 1, and from 1900-03-01 on one more, as the 1900 system counts a
// 29 February 1900 that never was) or of the 1904 system (1904-01-01 is 0), with the
// time as a fraction of a day. A zone suffix is ignored: the wall-clock time is kept.
std::optional<double> isoDateToSerial(std::string_view text, bool date1904 = false);
// An ISO 8601 duration as used for times of day ("PT13H45M00S", "P1DT2H", "-PT0.5S")
// as a fraction of a day.
std::optional<double> isoDurationToDays(std::string_view text);

// Reusable UTF-8 to UTF-16 conversion: a fast path for ASCII, Qt's decoder otherwise.
void utf8ToUtf16(std::string_view in, std::u16string& out);
// Decodes the _xHHHH_ escapes spreadsheet XML uses for characters XML cannot hold
// (_x005F_ stands for a literal underscore), in place.
void decodeEscapes(std::u16string& text);

} // namespace xmlvalues
