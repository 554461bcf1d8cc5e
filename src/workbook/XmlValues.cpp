#include "XmlValues.h"

#include <charconv>
#include <cstring>

namespace xmlvalues {
namespace {

std::string_view trimmed(std::string_view s) {
    while (!s.empty() &&
           (s.front() == ' ' || s.front() == '\t' || s.front() == '\n' || s.front() == '\r')) {
        s.remove_prefix(1);
    }
    while (!s.empty() &&
           (s.back() == ' ' || s.back() == '\t' || s.back() == '\n' || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's days_from_civil).
qint64 daysFromCivil(qint64 y, unsigned m, unsigned d) {
    y -= m <= 2;
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + qint64(doe) - 719468;
}

bool isLeap(qint64 y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

// Reads exactly `digits` decimal digits.
bool fixedDigits(std::string_view& s, int digits, int& out) {
    if (s.size() < size_t(digits)) {
        return false;
    }
    out = 0;
    for (int i = 0; i < digits; ++i) {
        const char c = s[size_t(i)];
        if (c < '0' || c > '9') {
            return false;
        }
        out = out * 10 + (c - '0');
    }
    s.remove_prefix(size_t(digits));
    return true;
}

// "HH:MM[:SS[.fff]]" as a fraction of a day; 24:00:00 is allowed.
bool timeOfDay(std::string_view& s, double& fraction) {
    int h = 0;
    int m = 0;
    double sec = 0;
    if (!fixedDigits(s, 2, h) || s.empty() || s.front() != ':') {
        return false;
    }
    s.remove_prefix(1);
    if (!fixedDigits(s, 2, m)) {
        return false;
    }
    if (!s.empty() && s.front() == ':') {
        s.remove_prefix(1);
        size_t n = 0;
        while (n < s.size() && ((s[n] >= '0' && s[n] <= '9') || s[n] == '.')) {
            ++n;
        }
        const auto r = std::from_chars(s.data(), s.data() + n, sec);
        if (r.ec != std::errc() || r.ptr != s.data() + n || sec < 0 || sec >= 61) {
            return false;
        }
        s.remove_prefix(n);
    }
    if (h > 24 || m > 59) {
        return false;
    }
    fraction = (h * 3600.0 + m * 60.0 + sec) / 86400.0;
    return true;
}

bool zoneSuffix(std::string_view s) {
    if (s.empty() || s == "Z") {
        return true;
    }
    if (s.front() != '+' && s.front() != '-') {
        return false;
    }
    s.remove_prefix(1);
    int h = 0;
    int m = 0;
    if (!fixedDigits(s, 2, h)) {
        return false;
    }
    if (!s.empty() && s.front() == ':') {
        s.remove_prefix(1);
    }
    return s.empty() || (fixedDigits(s, 2, m) && s.empty());
}

} // namespace

std::optional<double> parseNumber(std::string_view text) {
    std::string_view s = trimmed(text);
    if (!s.empty() && s.front() == '+') {
        s.remove_prefix(1);
    }
    if (s.empty()) {
        return std::nullopt;
    }
    double v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec == std::errc::result_out_of_range) {
        return std::nullopt;
    }
    if (r.ec != std::errc() || r.ptr != s.data() + s.size()) {
        return std::nullopt;
    }
    return v;
}

std::optional<qint64> parseCount(std::string_view text, qint64 cap) {
    const std::string_view s = trimmed(text);
    if (s.empty()) {
        return std::nullopt;
    }
    qint64 v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        if (v <= cap) {
            v = v * 10 + (c - '0');
        }
    }
    return std::min(v, cap);
}

std::optional<double> isoDateToSerial(std::string_view text, bool date1904) {
    std::string_view s = trimmed(text);
    double fraction = 0;
    const bool timeOnly = s.size() >= 3 && s[2] == ':';
    qint64 days = 0;
    if (timeOnly) {
        if (!timeOfDay(s, fraction) || !zoneSuffix(s)) {
            return std::nullopt;
        }
        return fraction;
    }
    bool negative = false;
    if (!s.empty() && s.front() == '-') {
        negative = true;
        s.remove_prefix(1);
    }
    int y = 0;
    int m = 0;
    int d = 0;
    if (!fixedDigits(s, 4, y) || s.empty() || s.front() != '-') {
        return std::nullopt;
    }
    s.remove_prefix(1);
    if (!fixedDigits(s, 2, m) || s.empty() || s.front() != '-') {
        return std::nullopt;
    }
    s.remove_prefix(1);
    if (!fixedDigits(s, 2, d)) {
        return std::nullopt;
    }
    const qint64 year = negative ? -qint64(y) : qint64(y);
    static constexpr int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12 || d < 1 || d > kMonthDays[m - 1] + ((m == 2 && isLeap(year)) ? 1 : 0)) {
        return std::nullopt;
    }
    if (!s.empty() && (s.front() == 'T' || s.front() == ' ')) {
        s.remove_prefix(1);
        if (!timeOfDay(s, fraction)) {
            return std::nullopt;
        }
    }
    if (!zoneSuffix(s)) {
        return std::nullopt;
    }
    const qint64 civil = daysFromCivil(year, unsigned(m), unsigned(d));
    if (date1904) {
        days = civil - daysFromCivil(1904, 1, 1);
    } else {
        days = civil - daysFromCivil(1899, 12, 31);
        if (days >= 60) {
            ++days; // the phantom 29 February 1900
        }
    }
    return double(days) + fraction;
}

std::optional<double> isoDurationToDays(std::string_view text) {
    std::string_view s = trimmed(text);
    bool negative = false;
    if (!s.empty() && s.front() == '-') {
        negative = true;
        s.remove_prefix(1);
    }
    if (s.empty() || s.front() != 'P') {
        return std::nullopt;
    }
    s.remove_prefix(1);
    double seconds = 0;
    bool inTime = false;
    bool any = false;
    while (!s.empty()) {
        if (s.front() == 'T') {
            if (inTime) {
                return std::nullopt;
            }
            inTime = true;
            s.remove_prefix(1);
            continue;
        }
        size_t n = 0;
        while (n < s.size() && ((s[n] >= '0' && s[n] <= '9') || s[n] == '.' || s[n] == ',')) {
            ++n;
        }
        if (n == 0 || n == s.size()) {
            return std::nullopt;
        }
        std::string number(s.substr(0, n));
        for (char& c : number) {
            if (c == ',') {
                c = '.';
            }
        }
        double v = 0;
        const auto r = std::from_chars(number.data(), number.data() + number.size(), v);
        if (r.ec != std::errc() || r.ptr != number.data() + number.size()) {
            return std::nullopt;
        }
        const char unit = s[n];
        s.remove_prefix(n + 1);
        if (!inTime && unit == 'D') {
            seconds += v * 86400.0;
        } else if (!inTime && unit == 'W') {
            seconds += v * 7 * 86400.0;
        } else if (inTime && unit == 'H') {
            seconds += v * 3600.0;
        } else if (inTime && unit == 'M') {
            seconds += v * 60.0;
        } else if (inTime && unit == 'S') {
            seconds += v;
        } else {
            return std::nullopt; // years and months have no fixed length
        }
        any = true;
    }
    if (!any) {
        return std::nullopt;
    }
    const double days = seconds / 86400.0;
    return negative ? -days : days;
}

void utf8ToUtf16(std::string_view in, std::u16string& out) {
    out.resize(in.size());
    size_t i = 0;
    for (; i < in.size(); ++i) {
        const auto c = static_cast<unsigned char>(in[i]);
        if (c >= 0x80) {
            break;
        }
        out[i] = char16_t(c);
    }
    if (i == in.size()) {
        return;
    }
    const QString rest = QString::fromUtf8(in.data() + i, qsizetype(in.size() - i));
    out.resize(i + size_t(rest.size()));
    std::memcpy(out.data() + i, rest.utf16(), size_t(rest.size()) * 2);
}

void decodeEscapes(std::u16string& text) {
    if (text.size() < 7 || text.find(u"_x") == std::u16string::npos) {
        return;
    }
    auto hex = [](char16_t c) -> int {
        if (c >= u'0' && c <= u'9') {
            return c - u'0';
        }
        if (c >= u'a' && c <= u'f') {
            return c - u'a' + 10;
        }
        if (c >= u'A' && c <= u'F') {
            return c - u'A' + 10;
        }
        return -1;
    };
    size_t out = 0;
    size_t i = 0;
    const size_t n = text.size();
    while (i < n) {
        if (text[i] == u'_' && i + 6 < n && text[i + 1] == u'x' && text[i + 6] == u'_') {
            const int a = hex(text[i + 2]);
            const int b = hex(text[i + 3]);
            const int c = hex(text[i + 4]);
            const int d = hex(text[i + 5]);
            if (a >= 0 && b >= 0 && c >= 0 && d >= 0) {
                text[out++] = char16_t((a << 12) | (b << 8) | (c << 4) | d);
                i += 7;
                continue;
            }
        }
        text[out++] = text[i++];
    }
    text.resize(out);
}

} // namespace xmlvalues
