#pragma once

#include <QDate>
#include <QDateTime>

#include <optional>

// Which day a spreadsheet's serial number 0 stands for: the workbook-wide date1904 flag of
// .xlsx, the DATEMODE record of .xls.
enum class DateSystem : quint8 { Date1900, Date1904 };

// The largest serial a date is shown for (9999-12-31), per date system.
qint64 lastDateSerial(DateSystem system);

// The calendar day a whole serial shows as, the way Excel counts: in the 1900 system serial 1
// is 1900-01-01 and serial 60 the 29 February 1900 that never was, so serials below 61 are one
// day off the real calendar; serial 0 is the "1900-01-00" Excel shows. In the 1904 system
// serial 0 is 1904-01-01. `weekday` is 0 for Sunday, counted the way Excel counts (its phantom
// leap day included). Empty for negative serials and beyond 9999-12-31.
struct ShownDate {
    int year = 0;
    int month = 0;
    int day = 0;
    int weekday = 0;
};
std::optional<ShownDate> shownDate(qint64 serialDay, DateSystem system);

// The date a serial shows as, for callers that need a real date (a birthday). Empty where the
// shown day is no real day (1900-01-00, 1900-02-29), for negative, non-finite and too large
// serials. The time of day is dropped.
std::optional<QDate> dateFromSerial(double serial, DateSystem system);
// Date and time to the millisecond. The wall-clock fields are kept as shown; the result is in
// UTC only so that no daylight-saving gap of the machine's zone can move them.
std::optional<QDateTime> dateTimeFromSerial(double serial, DateSystem system);
// The inverse: the serial Excel stores for this wall-clock date and time (the 1900 system
// counts the phantom 29 February for every date from 1900-03-01 on). Empty for dates the
// system cannot hold (before 1900-01-01 or 1904-01-01, after 9999-12-31).
std::optional<double> serialFromDateTime(const QDateTime& dateTime, DateSystem system);
