// Rendering a parsed number format: the text a number or a text shows under it.

#include "NumberFormat.h"

#include "CellValue.h"
#include "NumberFormatSections.h"

#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

using namespace numberformat;

namespace {

bool matches(Op op, double limit, double v) {
    switch (op) {
    case Op::None:
        return true;
    case Op::Lt:
        return v < limit;
    case Op::Le:
        return v <= limit;
    case Op::Gt:
        return v > limit;
    case Op::Ge:
        return v >= limit;
    case Op::Eq:
        return v == limit;
    case Op::Ne:
        return v != limit;
    }
    return false;
}

using Out = QVarLengthArray<char16_t, 96>;

void append(Out& out, QStringView text) {
    out.append(reinterpret_cast<const char16_t*>(text.utf16()), text.size());
}
void appendLatin(Out& out, const char* text) {
    while (*text) {
        out.append(char16_t(*text++));
    }
}
void appendNumber(Out& out, qint64 value, int minDigits) {
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    for (int pad = int(res.ptr - buf); pad < minDigits; ++pad) {
        out.append(u'0');
    }
    for (const char* p = buf; p < res.ptr; ++p) {
        out.append(char16_t(*p));
    }
}

// A non-negative number as at most 15 significant decimal digits (the precision the
// spreadsheet keeps), so that 1.005 rounds like the 1.005 the user typed. d[0] stands at
// 10^exp; no trailing zeros; n == 0 is zero.
struct Decimal {
    std::array<char, 20> d{};
    int n = 0;
    int exp = 0;

    static Decimal of(double v) {
        Decimal out;
        if (!(v > 0) || !std::isfinite(v)) {
            return out;
        }
        char buf[32];
        const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
        // "d.ddddddddddddddde+XX"
        out.d[0] = buf[0];
        out.n = 1;
        const char* p = buf + 2;
        while (p < res.ptr && *p != 'e') {
            out.d[size_t(out.n++)] = *p++;
        }
        int e = 0;
        std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), res.ptr, e);
        out.exp = e;
        out.trim();
        return out;
    }
    void trim() {
        while (n > 0 && d[size_t(n - 1)] == '0') {
            --n;
        }
    }
    char digitAt(int pos) const {
        const int i = exp - pos;
        return i >= 0 && i < n ? d[size_t(i)] : '0';
    }
    int integerLength() const { return n > 0 && exp >= 0 ? exp + 1 : 0; }
    // Rounds half away from zero to the digit at 10^lowest.
    void roundAt(int lowest) {
        const int keep = exp - lowest + 1;
        if (keep >= n) {
            return;
        }
        if (keep < 0) {
            n = 0;
            return;
        }
        const bool up = d[size_t(keep)] >= '5';
        n = keep;
        if (up) {
            int i = keep - 1;
            while (i >= 0 && d[size_t(i)] == '9') {
                --i;
            }
            if (i < 0) {
                d[0] = '1';
                n = 1;
                exp = keep == 0 ? lowest : exp + 1;
            } else {
                ++d[size_t(i)];
                n = i + 1;
            }
        }
        trim();
    }
};

int floorDiv(int a, int b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// Placeholder output for a position without a digit.
void pad(Out& out, char16_t placeholder) {
    if (placeholder == u'0') {
        out.append(u'0');
    } else if (placeholder == u'?') {
        out.append(u' ');
    }
}

// Emits the integer placeholder at `index` (from the left) of `count`; the digits beyond the
// placeholders go before the first one.
void integerDigit(Out& out, const Section& s, const Decimal& v, char16_t placeholder, int index,
                  bool& started) {
    const int count = s.integerDigits;
    const int len = v.integerLength();
    auto separator = [&](int pos) {
        if (s.grouping && pos > 0 && pos % 3 == 0) {
            out.append(started ? u',' : u' ');
        }
    };
    if (index == 0) {
        for (int pos = len - 1; pos >= count; --pos) {
            out.append(char16_t(v.digitAt(pos)));
            started = true;
            separator(pos);
        }
    }
    const int pos = count - 1 - index;
    if (pos < len) {
        out.append(char16_t(v.digitAt(pos)));
        started = true;
    } else {
        pad(out, placeholder);
        started = started || placeholder == u'0';
        if (placeholder == u'#' && !started) {
            return;
        }
    }
    separator(pos);
}

// A whole number in `count` placeholders: right-aligned for the numerator, left-aligned for
// the denominator; digits beyond the placeholders widen the outer end.
void wholeDigits(Out& out, char16_t placeholder, int index, int count, qint64 value,
                 bool leftAligned) {
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    const int len = int(res.ptr - buf);
    if (leftAligned) {
        if (index < len) {
            for (int i = index; i < (index == count - 1 ? len : index + 1); ++i) {
                out.append(char16_t(buf[i]));
            }
        } else {
            pad(out, placeholder);
        }
        return;
    }
    if (index == 0) {
        for (int i = 0; i < len - count; ++i) {
            out.append(char16_t(buf[i]));
        }
    }
    const int pos = count - 1 - index; // from the right
    if (pos < len) {
        out.append(char16_t(buf[len - 1 - pos]));
    } else {
        pad(out, placeholder);
    }
}

void appendSpaces(Out& out, int count) {
    for (int i = 0; i < count; ++i) {
        out.append(u' ');
    }
}

// Best approximation of x in [0, 1) with a denominator up to maxDen: continued fractions,
// then the best semiconvergent.
std::pair<qint64, qint64> approximate(double x, qint64 maxDen) {
    qint64 p0 = 0, q0 = 1, p1 = 1, q1 = 0;
    double rest = x;
    for (int iter = 0; iter < 64; ++iter) {
        const double a = std::floor(rest);
        if (a > 1e15) {
            break;
        }
        const auto ai = qint64(a);
        const qint64 q2 = q0 + ai * q1;
        if (q2 > maxDen) {
            const qint64 k = (maxDen - q0) / q1;
            const qint64 pk = p0 + k * p1;
            const qint64 qk = q0 + k * q1;
            if (std::fabs(x - double(pk) / double(qk)) < std::fabs(x - double(p1) / double(q1))) {
                return {pk, qk};
            }
            break;
        }
        const qint64 p2 = p0 + ai * p1;
        p0 = p1, q0 = q1, p1 = p2, q1 = q2;
        const double frac = rest - a;
        if (frac < 1e-12) {
            break;
        }
        rest = 1.0 / frac;
    }
    return {p1, std::max<qint64>(q1, 1)};
}

// `value` is not negative; `negative` asks for a minus sign in front.
void renderNumberSection(Out& out, const Section& s, double value, bool negative) {
    Decimal v = Decimal::of(value);
    if (v.n > 0) {
        v.exp += s.scale;
    }
    int exponent = 0;
    qint64 numerator = 0;
    qint64 denominator = 1;
    if (s.kind == Kind::Scientific) {
        if (v.n > 0) {
            // One integer digit, none for ".0E+0"; engineering formats ("##0.0E+0") take an
            // exponent that is a multiple of the number of integer placeholders.
            const int step = s.engineering ? s.integerDigits : 1;
            const int x = v.exp;
            exponent = s.engineering ? floorDiv(x, step) * step : (s.integerDigits > 0 ? x : x + 1);
            v.exp = x - exponent;
            v.roundAt(-s.fractionDigits);
            const int highest = s.engineering ? step - 1 : (s.integerDigits > 0 ? 0 : -1);
            if (v.n > 0 && v.exp > highest) { // 9.99 rounded to 10.0
                exponent += step;
                v.exp -= step;
            }
        }
    } else if (s.kind == Kind::Fraction) {
        const double scaled = value * std::pow(10.0, s.scale);
        double whole = s.fractionHasInteger ? std::floor(scaled) : 0.0;
        const double frac = scaled - whole;
        if (s.fixedDenominator > 0) {
            denominator = s.fixedDenominator;
            numerator = std::llround(frac * double(denominator));
        } else {
            qint64 maxDen = 1;
            for (int i = 0; i < std::min(s.denominatorDigits, 7); ++i) {
                maxDen *= 10;
            }
            std::tie(numerator, denominator) =
                frac < 1e15 ? approximate(frac, std::max<qint64>(maxDen - 1, 1))
                            : std::pair<qint64, qint64>{0, 1};
        }
        if (s.fractionHasInteger && numerator >= denominator) {
            whole += double(numerator / denominator);
            numerator %= denominator;
        }
        v = Decimal::of(whole);
    } else {
        v.roundAt(-s.fractionDigits);
    }
    const bool nonZero = s.hasGeneral ? value != 0 : (v.n > 0 || numerator != 0);
    // A negative number that rounds to zero shows no sign ("0.00", not "-0.00"), as in
    // LibreOffice; its section was still chosen by the unrounded value.
    if (negative && nonZero && s.hasPlaceholder) {
        out.append(u'-');
    }
    // "# ?/?" shows a whole number with blanks for the fraction, and 0 as "0".
    const bool blankFraction = s.kind == Kind::Fraction && s.fractionHasInteger && numerator == 0;
    int lastFraction = -1; // the last fraction digit that is not a trailing zero
    for (int j = s.fractionDigits - 1; j >= 0; --j) {
        if (v.digitAt(-(j + 1)) != '0') {
            lastFraction = j;
            break;
        }
    }
    const char16_t* literals = reinterpret_cast<const char16_t*>(s.literals.utf16());
    int integerIndex = 0;
    int fractionIndex = 0;
    int numeratorIndex = 0;
    int denominatorIndex = 0;
    bool exponentShown = false;
    bool started = false;
    for (size_t i = 0; i < s.tokens.size(); ++i) {
        const Token& t = s.tokens[i];
        if (blankFraction && int(i) >= s.blankFrom && int(i) <= s.blankTo) {
            appendSpaces(out, t.type == Tok::Literal ? t.litLen
                              : t.type == Tok::FixedDenominator
                                  ? int(std::to_string(t.value).size())
                                  : 1);
            continue;
        }
        switch (t.type) {
        case Tok::Literal:
            out.append(literals + t.litPos, t.litLen);
            break;
        case Tok::Digit:
            switch (t.part) {
            case Part::Integer:
                if (blankFraction && v.n == 0 && integerIndex == s.integerDigits - 1 && !started) {
                    out.append(u'0');
                    ++integerIndex;
                } else {
                    integerDigit(out, s, v, t.ch, integerIndex++, started);
                }
                break;
            case Part::Fraction: {
                const int j = fractionIndex++;
                if (j <= lastFraction) {
                    out.append(char16_t(v.digitAt(-(j + 1))));
                } else {
                    pad(out, t.ch);
                }
                break;
            }
            case Part::ExponentDigits:
                if (!exponentShown) {
                    appendNumber(out, std::abs(exponent), std::max(s.exponentDigits, 1));
                    exponentShown = true;
                }
                break;
            case Part::Numerator:
                wholeDigits(out, t.ch, numeratorIndex++, s.numeratorDigits, numerator, false);
                break;
            case Part::Denominator:
                wholeDigits(out, t.ch, denominatorIndex++, s.denominatorDigits, denominator, true);
                break;
            }
            break;
        case Tok::Point:
            if (s.integerDigits == 0) {
                // No integer placeholder: the integer digits still show, before the point.
                for (int pos = v.integerLength() - 1; pos >= 0; --pos) {
                    out.append(char16_t(v.digitAt(pos)));
                }
            }
            out.append(u'.'); // kept without decimals ("3." for "0.#"), as Excel shows it
            break;
        case Tok::Percent:
            out.append(u'%');
            break;
        case Tok::Exponent:
            out.append(t.ch);
            if (exponent < 0) {
                out.append(u'-');
            } else if (t.count == 1) {
                out.append(u'+');
            }
            break;
        case Tok::Slash:
            out.append(u'/');
            break;
        case Tok::FixedDenominator:
            appendNumber(out, t.value, 1);
            break;
        case Tok::General:
            append(out, numberText(value));
            break;
        default:
            break;
        }
    }
}

constexpr const char* kMonthNames[12] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};
constexpr const char* kDayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                      "Thursday", "Friday", "Saturday"};

void appendName(Out& out, const char* name, int maxLength) {
    for (int i = 0; name[i] && i < maxLength; ++i) {
        out.append(char16_t(name[i]));
    }
}

bool renderDateSection(Out& out, const Section& s, double value, DateSystem system) {
    if (!(value >= 0) || value >= double(lastDateSerial(system) + 1)) {
        return false;
    }
    // Excel rounds to the smallest unit shown (a second, or the fraction of one) and then
    // shows every field truncated, so 23:59:59.6 is the next day's 00:00:00.
    static constexpr qint64 kPowers[4] = {1, 10, 100, 1000};
    const qint64 perSecond = kPowers[s.subSecondDigits];
    const qint64 total = std::llround(value * 86400.0 * double(perSecond));
    const qint64 seconds = total / perSecond;
    const qint64 sub = total % perSecond;
    const qint64 day = seconds / 86400;
    const qint64 secOfDay = seconds % 86400;
    ShownDate date;
    if (s.needsDate) {
        const auto shown = shownDate(day, system);
        if (!shown) {
            return false;
        }
        date = *shown;
    }
    const int hour = int(secOfDay / 3600);
    for (const Token& t : s.tokens) {
        switch (t.type) {
        case Tok::Literal:
            out.append(reinterpret_cast<const char16_t*>(s.literals.utf16()) + t.litPos, t.litLen);
            break;
        case Tok::Year:
            if (t.count <= 2) { // "y" too: Excel's two digits, where LibreOffice shows a "y"
                appendNumber(out, date.year % 100, 2);
            } else {
                appendNumber(out, date.year, 4);
            }
            break;
        case Tok::Month:
            if (t.count <= 2) {
                appendNumber(out, date.month, t.count);
            } else {
                appendName(out, kMonthNames[date.month - 1],
                           t.count == 3   ? 3
                           : t.count == 4 ? 99
                                          : 1);
            }
            break;
        case Tok::Day:
            if (t.count <= 2) {
                appendNumber(out, date.day, t.count);
            } else {
                appendName(out, kDayNames[date.weekday], t.count == 3 ? 3 : 99);
            }
            break;
        case Tok::Hour: {
            int h = hour;
            if (s.twelveHour) {
                h = h % 12 == 0 ? 12 : h % 12;
            }
            appendNumber(out, h, std::min<int>(t.count, 2));
            break;
        }
        case Tok::Minute:
            appendNumber(out, secOfDay / 60 % 60, std::min<int>(t.count, 2));
            break;
        case Tok::Second:
            appendNumber(out, secOfDay % 60, std::min<int>(t.count, 2));
            break;
        case Tok::ElapsedHours:
            appendNumber(out, seconds / 3600, t.count);
            break;
        case Tok::ElapsedMinutes:
            appendNumber(out, seconds / 60, t.count);
            break;
        case Tok::ElapsedSeconds:
            appendNumber(out, seconds, t.count);
            break;
        case Tok::SubSecond: {
            out.append(u'.');
            // The first `count` of the rounded sub-second digits.
            qint64 digits = sub;
            for (int i = t.count; i < s.subSecondDigits; ++i) {
                digits /= 10;
            }
            appendNumber(out, digits, t.count);
            break;
        }
        case Tok::AmPm:
            if (t.count == 2) {
                appendLatin(out, hour < 12 ? "AM" : "PM");
            } else {
                const bool upper = t.ch == u'A';
                out.append(hour < 12 ? (upper ? u'A' : u'a') : (upper ? u'P' : u'p'));
            }
            break;
        default:
            break;
        }
    }
    return true;
}

QString toString(const Out& out) {
    return QString(reinterpret_cast<const QChar*>(out.constData()), out.size());
}

} // namespace

QString NumberFormat::format(double value, DateSystem system) const {
    if (!m_data || m_data->numberSections == 0 || !std::isfinite(value)) {
        return numberText(value);
    }
    const Data& d = *m_data;
    const int n = d.numberSections;
    // Without conditions: one section takes all; two take >= 0 and < 0; three take > 0, < 0
    // and 0. A condition replaces the test of its section; a value that meets neither of the
    // first two tests goes to the third section, or to the second when there are two.
    int index = 0;
    const Section& first = d.sections[0];
    const bool inFirst = first.op != Op::None ? matches(first.op, first.limit, value)
                         : n == 1             ? true
                         : n == 2             ? value >= 0
                                              : value > 0;
    if (!inFirst) {
        if (n == 1) {
            return numberText(value); // Excel shows "#####"
        }
        const Section& second = d.sections[1];
        const bool inSecond =
            second.op != Op::None ? matches(second.op, second.limit, value) : value < 0;
        index = inSecond || n == 2 ? 1 : 2;
    }
    const Section& s = d.sections[size_t(index)];
    // Only the first section shows a minus sign of its own, unless it is a "[<0]" or "[<=0]"
    // section; the others show the number without its sign (as LibreOffice does; this also
    // gives the usual "0;(0)" its meaning).
    const bool negative =
        value < 0 && index == 0 && !((s.op == Op::Lt || s.op == Op::Le) && s.limit == 0);
    Out out;
    switch (s.kind) {
    case Kind::Date:
        if (!renderDateSection(out, s, value, system)) {
            return numberText(value);
        }
        break;
    case Kind::Text:
        return numberText(value);
    default:
        renderNumberSection(out, s, std::fabs(value), negative);
        break;
    }
    return toString(out);
}

QString NumberFormat::formatText(const QString& text) const {
    if (!m_data || m_data->textSection < 0) {
        return text;
    }
    const Section& s = m_data->sections[size_t(m_data->textSection)];
    Out out;
    int copies = 0;
    for (const Token& t : s.tokens) {
        if (t.type == Tok::At) {
            if (++copies <= kMaxTextCopies) {
                append(out, text);
            }
        } else if (t.type == Tok::Literal) {
            out.append(reinterpret_cast<const char16_t*>(s.literals.utf16()) + t.litPos, t.litLen);
        }
    }
    return toString(out);
}
