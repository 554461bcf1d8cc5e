#include "DateSerial.h"

#include <QTimeZone>

#include <cmath>

namespace {

// Days since 1970-01-01 of the day before serial 1 (1900 system: 1899-12-31), of the day
// of serial 61 minus 61 (1899-12-30, past the phantom leap day) and of serial 0 (1904-01-01).
constexpr qint64 kEpoch1900Early = -25568;
constexpr qint64 kEpoch1900 = -25569;
constexpr qint64 kEpoch1904 = -24107;
constexpr qint64 kLast1900 = 2958465; // 9999-12-31
constexpr qint64 kMsPerDay = 86400000;

// Proleptic Gregorian day numbers (days since 1970-01-01) and back, without QDate's checks,
// as the renderer calls this once per date cell.
qint64 daysFromCivil(int y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = int(y - era * 400);
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(qint64 z, int& y, int& m, int& d) {
    z += 719468;
    const qint64 era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = int(z - era * 146097);
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = int(yoe + era * 400) + (m <= 2 ? 1 : 0);
}

} // namespace

qint64 lastDateSerial(DateSystem system) {
    return system == DateSystem::Date1904 ? kLast1900 + kEpoch1900 - kEpoch1904 : kLast1900;
}

std::optional<ShownDate> shownDate(qint64 serialDay, DateSystem system) {
    if (serialDay < 0 || serialDay > lastDateSerial(system)) {
        return std::nullopt;
    }
    ShownDate out;
    if (system == DateSystem::Date1904) {
        const qint64 z = serialDay + kEpoch1904;
        civilFromDays(z, out.year, out.month, out.day);
        out.weekday = int(((z % 7) + 11) % 7); // 1970-01-01 was a Thursday
        return out;
    }
    // Excel's weekdays follow its serials, phantom day included: serial 1 is a Sunday.
    out.weekday = int((serialDay + 6) % 7);
    if (serialDay == 0) {
        out.year = 1900;
        out.month = 1;
        out.day = 0;
    } else if (serialDay == 60) {
        out.year = 1900;
        out.month = 2;
        out.day = 29;
    } else {
        civilFromDays(serialDay + (serialDay < 60 ? kEpoch1900Early : kEpoch1900), out.year,
                      out.month, out.day);
    }
    return out;
}

std::optional<QDateTime> dateTimeFromSerial(double serial, DateSystem system) {
    if (!std::isfinite(serial) || serial < 0 || serial >= double(lastDateSerial(system) + 1)) {
        return std::nullopt;
    }
    const qint64 total = std::llround(serial * double(kMsPerDay));
    const auto shown = shownDate(total / kMsPerDay, system);
    if (!shown) {
        return std::nullopt;
    }
    const QDate date(shown->year, shown->month, shown->day);
    if (!date.isValid()) {
        return std::nullopt; // 1900-01-00 and 1900-02-29
    }
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(int(total % kMsPerDay)),
                     QTimeZone::utc());
}

std::optional<QDate> dateFromSerial(double serial, DateSystem system) {
    const auto dateTime = dateTimeFromSerial(serial, system);
    if (!dateTime) {
        return std::nullopt;
    }
    return dateTime->date();
}

std::optional<double> serialFromDateTime(const QDateTime& dateTime, DateSystem system) {
    const QDate date = dateTime.date();
    if (!date.isValid()) {
        return std::nullopt;
    }
    const qint64 z = daysFromCivil(date.year(), date.month(), date.day());
    qint64 serial = 0;
    if (system == DateSystem::Date1904) {
        serial = z - kEpoch1904;
    } else {
        serial = z - (date < QDate(1900, 3, 1) ? kEpoch1900Early : kEpoch1900);
        if (serial < 1) {
            return std::nullopt;
        }
    }
    if (serial < 0 || serial > lastDateSerial(system)) {
        return std::nullopt;
    }
    return double(serial) + double(dateTime.time().msecsSinceStartOfDay()) / double(kMsPerDay);
}
