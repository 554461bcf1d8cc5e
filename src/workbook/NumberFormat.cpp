#include "NumberFormat.h"

#include "CellValue.h"

#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <vector>

namespace {

enum class Tok : quint8 {
    Literal,          // literals[litPos, litPos + litLen)
    Digit,            // placeholder '0', '#' or '?' in `ch`
    Point,            // decimal point
    Comma,            // thousands separator or scaling, settled after tokenising
    Percent,          // shows "%" and scales by 100
    Exponent,         // 'E' or 'e' in `ch`, sign rule in `count`: 1 for "+", 0 for "-"
    Slash,            // fraction bar
    FixedDenominator, // the number in `value`
    General,
    At,
    Year,  // count: letters
    Month, // also minutes, once settled (see `Minute`)
    Minute,
    Day,
    Hour,
    Second,
    ElapsedHours,
    ElapsedMinutes,
    ElapsedSeconds,
    SubSecond, // count: digits after the point
    AmPm,      // count 2: "AM"/"PM"; count 1: `ch` is 'A' or 'a'
};

// Where a digit placeholder stands in a number section.
enum class Part : quint8 { Integer, Fraction, ExponentDigits, Numerator, Denominator };

struct Token {
    Tok type = Tok::Literal;
    Part part = Part::Integer;
    char16_t ch = 0;
    quint16 count = 0;
    int litPos = 0;
    int litLen = 0;
    int value = 0;
};

enum class Op : quint8 { None, Lt, Le, Gt, Ge, Eq, Ne };

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

enum class Kind : quint8 { Number, Fraction, Scientific, Date, Text };

constexpr int kMaxDecimals = 30; // Excel's own limit
constexpr int kMaxScale = 60;    // a power of ten: twenty commas, thirty percent signs

struct Section {
    Kind kind = Kind::Number;
    Op op = Op::None;
    double limit = 0;
    std::vector<Token> tokens;
    QString literals;

    // Number, fraction and scientific sections.
    int integerDigits = 0;
    int fractionDigits = 0;
    int exponentDigits = 0;
    int scale = 0; // power of ten: +2 per %, -3 per scaling comma
    bool grouping = false;
    bool engineering = false;
    bool hasPlaceholder = false; // digits or General: a sign may be shown
    bool hasGeneral = false;
    int numeratorDigits = 0;
    int denominatorDigits = 0;
    int fixedDenominator = 0;
    bool fractionHasInteger = false;
    int blankFrom = 0; // tokens blanked when a fraction is 0: after the whole part ...
    int blankTo = -1;  // ... to the denominator

    // Date sections.
    int subSecondDigits = 0;
    bool twelveHour = false;
    bool needsDate = false;
};

} // namespace

struct NumberFormat::Data {
    std::vector<Section> sections;
    int numberSections = 0; // sections used for numbers (up to 3)
    int textSection = -1;   // section used for text, -1: text stays as it is
};

namespace {

// ---- Tokenising --------------------------------------------------------------------------

bool isDateLetter(char16_t c) {
    switch (c) {
    case u'y':
    case u'Y':
    case u'm':
    case u'M':
    case u'd':
    case u'D':
    case u'h':
    case u'H':
    case u's':
    case u'S':
        return true;
    default:
        return false;
    }
}

class SectionBuilder {
public:
    explicit SectionBuilder(Section& s) : m_s(s) {}

    void literal(QStringView text) {
        if (text.isEmpty()) {
            return;
        }
        if (!m_s.tokens.empty() && m_s.tokens.back().type == Tok::Literal) {
            m_s.tokens.back().litLen += int(text.size());
        } else {
            Token t;
            t.type = Tok::Literal;
            t.litPos = int(m_s.literals.size());
            t.litLen = int(text.size());
            m_s.tokens.push_back(t);
        }
        m_s.literals += text;
    }
    void literal(char16_t c) { literal(QStringView(&c, 1)); }
    void token(Tok type, quint16 count = 0, char16_t ch = 0, int value = 0) {
        Token t;
        t.type = type;
        t.count = count;
        t.ch = ch;
        t.value = value;
        m_s.tokens.push_back(t);
    }

private:
    Section& m_s;
};

bool equalsNoCase(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A bracketed item: colour, condition, elapsed time, currency and locale, or ignored.
void bracket(QStringView inner, Section& s, SectionBuilder& out) {
    if (inner.isEmpty()) {
        return;
    }
    const char16_t c0 = inner[0].unicode();
    if (c0 == u'$') {
        // [$€-407]: the symbol is shown, the locale id after the dash is not.
        const qsizetype dash = inner.indexOf(u'-', 1);
        out.literal(inner.mid(1, dash < 0 ? -1 : dash - 1));
        return;
    }
    if (c0 == u'<' || c0 == u'>' || c0 == u'=') {
        Op op = Op::Eq;
        qsizetype at = 1;
        if (c0 == u'<' && inner.size() > 1 && inner[1] == u'=') {
            op = Op::Le, at = 2;
        } else if (c0 == u'<' && inner.size() > 1 && inner[1] == u'>') {
            op = Op::Ne, at = 2;
        } else if (c0 == u'>' && inner.size() > 1 && inner[1] == u'=') {
            op = Op::Ge, at = 2;
        } else if (c0 == u'<') {
            op = Op::Lt;
        } else if (c0 == u'>') {
            op = Op::Gt;
        }
        bool ok = false;
        const double limit = inner.mid(at).trimmed().toDouble(&ok); // the C locale's number
        if (ok) {
            s.op = op;
            s.limit = limit;
        }
        return;
    }
    const char16_t lower = QChar::toLower(c0);
    if (lower == u'h' || lower == u'm' || lower == u's') {
        for (QChar c : inner) {
            if (QChar::toLower(c.unicode()) != lower) {
                return; // not an elapsed-time item: ignored like colours
            }
        }
        const Tok type = lower == u'h'   ? Tok::ElapsedHours
                         : lower == u'm' ? Tok::ElapsedMinutes
                                         : Tok::ElapsedSeconds;
        out.token(type, quint16(std::min<qsizetype>(inner.size(), 30)));
    }
    // Colours ([Red], [Color12]) and other items ([DBNum1]) change nothing in the text.
}

void tokenise(QStringView code, Section& s) {
    SectionBuilder out(s);
    const qsizetype n = code.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = code[i].unicode();
        switch (c) {
        case u'"': {
            const qsizetype end = code.indexOf(u'"', i + 1);
            const qsizetype stop = end < 0 ? n : end;
            out.literal(code.mid(i + 1, stop - i - 1));
            i = stop;
            continue;
        }
        case u'\\':
            if (i + 1 < n) {
                out.literal(code[++i].unicode());
            }
            continue;
        case u'_':
            // The width of the next character: one space.
            ++i;
            out.literal(u' ');
            continue;
        case u'*':
            ++i; // fill character: there is no column width to fill
            continue;
        case u'[': {
            const qsizetype end = code.indexOf(u']', i + 1);
            if (end < 0) {
                out.literal(code.mid(i));
                i = n;
                continue;
            }
            bracket(code.mid(i + 1, end - i - 1), s, out);
            i = end;
            continue;
        }
        case u'0':
        case u'#':
        case u'?':
            out.token(Tok::Digit, 1, c);
            continue;
        case u'.':
            out.token(Tok::Point);
            continue;
        case u',':
            out.token(Tok::Comma);
            continue;
        case u'%':
            out.token(Tok::Percent);
            continue;
        case u'@':
            out.token(Tok::At);
            continue;
        case u'/': {
            out.token(Tok::Slash);
            qsizetype j = i + 1;
            if (j < n && code[j] >= u'1' && code[j] <= u'9') {
                int value = 0;
                while (j < n && code[j].isDigit() && value < 100000000) {
                    value = value * 10 + (code[j].unicode() - u'0');
                    ++j;
                }
                out.token(Tok::FixedDenominator, 0, 0, value);
                i = j - 1;
            }
            continue;
        }
        case u'E':
        case u'e':
            if (i + 1 < n && (code[i + 1] == u'+' || code[i + 1] == u'-')) {
                out.token(Tok::Exponent, code[i + 1] == u'+' ? 1 : 0, c);
                ++i;
                continue;
            }
            break;
        case u'G':
        case u'g':
            if (equalsNoCase(code.mid(i, 7), u"General")) {
                out.token(Tok::General);
                i += 6;
                continue;
            }
            break;
        case u'A':
        case u'a':
            if (equalsNoCase(code.mid(i, 5), u"AM/PM")) {
                out.token(Tok::AmPm, 2);
                i += 4;
                continue;
            }
            if (equalsNoCase(code.mid(i, 3), u"A/P")) {
                out.token(Tok::AmPm, 1, c);
                i += 2;
                continue;
            }
            break;
        default:
            break;
        }
        if (isDateLetter(c)) {
            const char16_t lower = QChar::toLower(c);
            qsizetype j = i + 1;
            while (j < n && QChar::toLower(code[j].unicode()) == lower) {
                ++j;
            }
            const auto count = quint16(std::min<qsizetype>(j - i, 30));
            const Tok type = lower == u'y'   ? Tok::Year
                             : lower == u'm' ? Tok::Month
                             : lower == u'd' ? Tok::Day
                             : lower == u'h' ? Tok::Hour
                                             : Tok::Second;
            out.token(type, count);
            i = j - 1;
            continue;
        }
        out.literal(c);
    }
}

// ---- Settling a section ------------------------------------------------------------------

// Turns a token into text shown as it stands.
void makeLiteral(Section& s, Token& t, QStringView text) {
    t.type = Tok::Literal;
    t.litPos = int(s.literals.size());
    t.litLen = int(text.size());
    s.literals += text;
}

bool isDateToken(Tok t) {
    return t >= Tok::Year && t <= Tok::AmPm;
}

// A point or a placeholder in a date section is plain text, except the point after seconds
// followed by zeros (fractions of a second); m and mm are minutes after hours or before
// seconds.
void settleDate(Section& s) {
    s.kind = Kind::Date;
    std::vector<Token> tokens;
    tokens.reserve(s.tokens.size());
    for (size_t i = 0; i < s.tokens.size(); ++i) {
        Token t = s.tokens[i];
        if (t.type == Tok::Point) {
            size_t j = i + 1;
            while (j < s.tokens.size() && s.tokens[j].type == Tok::Digit &&
                   s.tokens[j].ch == u'0') {
                ++j;
            }
            if (j > i + 1) {
                t.type = Tok::SubSecond;
                t.count = quint16(std::min<size_t>(j - i - 1, 3));
                s.subSecondDigits = std::max<int>(s.subSecondDigits, t.count);
                tokens.push_back(t);
                i = j - 1;
                continue;
            }
        }
        if (!isDateToken(t.type) && t.type != Tok::Literal) {
            // Shown as the character it was written with.
            const char16_t ch = t.type == Tok::Digit     ? t.ch
                                : t.type == Tok::Point   ? u'.'
                                : t.type == Tok::Comma   ? u','
                                : t.type == Tok::Percent ? u'%'
                                : t.type == Tok::Slash   ? u'/'
                                                         : 0;
            if (ch == 0) {
                continue;
            }
            makeLiteral(s, t, QStringView(&ch, 1));
        }
        tokens.push_back(t);
    }
    s.tokens = std::move(tokens);
    for (size_t i = 0; i < s.tokens.size(); ++i) {
        Token& t = s.tokens[i];
        if (t.type == Tok::AmPm) {
            s.twelveHour = true;
        }
        if (t.type == Tok::Year || t.type == Tok::Day) {
            s.needsDate = true;
        }
        if (t.type != Tok::Month) {
            continue;
        }
        bool minute = false;
        if (t.count <= 2) {
            for (size_t j = i; j-- > 0;) {
                const Tok p = s.tokens[j].type;
                if (isDateToken(p) && p != Tok::SubSecond) {
                    minute = p == Tok::Hour || p == Tok::ElapsedHours;
                    break;
                }
            }
            for (size_t j = i + 1; !minute && j < s.tokens.size(); ++j) {
                const Tok p = s.tokens[j].type;
                if (isDateToken(p)) {
                    minute = p == Tok::Second || p == Tok::ElapsedSeconds;
                    break;
                }
            }
        }
        if (minute) {
            t.type = Tok::Minute;
        } else {
            s.needsDate = true;
        }
    }
}

void settleNumber(Section& s) {
    std::vector<Token>& tk = s.tokens;
    // Fractions: the placeholders right before '/' are the numerator, the ones before those
    // (behind some text) the whole part, the ones after '/' the denominator.
    size_t slash = tk.size();
    for (size_t i = 0; i < tk.size(); ++i) {
        if (tk[i].type == Tok::Slash) {
            const bool digitBefore = i > 0 && tk[i - 1].type == Tok::Digit;
            const bool after = i + 1 < tk.size() && (tk[i + 1].type == Tok::Digit ||
                                                     tk[i + 1].type == Tok::FixedDenominator);
            if (digitBefore && after && slash == tk.size()) {
                slash = i;
                continue;
            }
        }
        const bool ownDenominator = tk[i].type == Tok::FixedDenominator && i > 0 && i - 1 == slash;
        if (tk[i].type == Tok::Slash || (tk[i].type == Tok::FixedDenominator && !ownDenominator)) {
            // A '/' that is no fraction bar is text.
            makeLiteral(s, tk[i],
                        tk[i].type == Tok::Slash ? QStringLiteral("/")
                                                 : QString::number(tk[i].value));
        }
    }
    for (const Token& t : tk) {
        s.hasPlaceholder = s.hasPlaceholder || t.type == Tok::Digit || t.type == Tok::General;
        s.hasGeneral = s.hasGeneral || t.type == Tok::General;
    }
    if (slash < tk.size()) {
        s.kind = Kind::Fraction;
        size_t numStart = slash;
        while (numStart > 0 && tk[numStart - 1].type == Tok::Digit) {
            --numStart;
        }
        for (size_t i = 0; i < tk.size(); ++i) {
            Token& t = tk[i];
            if (t.type == Tok::Digit) {
                t.part = i < numStart ? Part::Integer
                         : i < slash  ? Part::Numerator
                                      : Part::Denominator;
                if (t.part == Part::Integer) {
                    ++s.integerDigits;
                    s.fractionHasInteger = true;
                    s.blankFrom = int(i) + 1;
                } else if (t.part == Part::Numerator) {
                    ++s.numeratorDigits;
                } else {
                    ++s.denominatorDigits;
                    s.blankTo = int(i);
                }
            } else if (t.type == Tok::FixedDenominator) {
                s.fixedDenominator = t.value;
                s.blankTo = int(i);
            } else if (t.type == Tok::Percent) {
                s.scale = std::min(s.scale + 2, kMaxScale);
            } else if (t.type == Tok::Point || t.type == Tok::Comma || t.type == Tok::Exponent) {
                const char16_t ch = t.type == Tok::Point   ? u'.'
                                    : t.type == Tok::Comma ? u','
                                                           : t.ch;
                makeLiteral(s, t, QStringView(&ch, 1));
            }
        }
        return;
    }

    Part part = Part::Integer;
    int pointIndex = -1;
    bool seenExponent = false;
    int lastIntegerDigit = -1;
    int lastFractionDigit = -1;
    int firstIntegerDigit = -1;
    for (size_t i = 0; i < tk.size(); ++i) {
        Token& t = tk[i];
        if (t.type == Tok::Point && pointIndex < 0 && !seenExponent) {
            pointIndex = int(i);
            part = Part::Fraction;
        } else if (t.type == Tok::Point) {
            makeLiteral(s, t, u".");
        } else if (t.type == Tok::Exponent && !seenExponent) {
            seenExponent = true;
            part = Part::ExponentDigits;
            s.kind = Kind::Scientific;
        } else if (t.type == Tok::Digit) {
            t.part = part;
            if (part == Part::Integer) {
                ++s.integerDigits;
                lastIntegerDigit = int(i);
                if (firstIntegerDigit < 0) {
                    firstIntegerDigit = int(i);
                }
                if (t.ch == u'#') {
                    s.engineering = true;
                }
            } else if (part == Part::Fraction) {
                s.fractionDigits = std::min(s.fractionDigits + 1, kMaxDecimals);
                lastFractionDigit = int(i);
            } else {
                if (t.ch == u'0') {
                    ++s.exponentDigits;
                }
            }
        } else if (t.type == Tok::Percent) {
            s.scale = std::min(s.scale + 2, kMaxScale);
        }
    }
    s.engineering = s.engineering && s.kind == Kind::Scientific && s.integerDigits > 1;
    // Commas: between integer placeholders they group thousands; after the last placeholder
    // of their part each one divides by 1000; elsewhere they are text.
    for (size_t i = 0; i < tk.size(); ++i) {
        Token& t = tk[i];
        if (t.type != Tok::Comma) {
            continue;
        }
        const int at = int(i);
        const bool inFraction = pointIndex >= 0 && at > pointIndex;
        const int lastDigit = inFraction ? lastFractionDigit : lastIntegerDigit;
        if (!inFraction && firstIntegerDigit >= 0 && at > firstIntegerDigit &&
            at < lastIntegerDigit) {
            s.grouping = true;
            makeLiteral(s, t, {}); // shows nothing where it stands
        } else if (lastDigit >= 0 && at > lastDigit) {
            s.scale = std::max(s.scale - 3, -kMaxScale);
            makeLiteral(s, t, {});
        } else {
            makeLiteral(s, t, u",");
        }
    }
}

void settle(Section& s) {
    bool date = false;
    bool text = false;
    for (const Token& t : s.tokens) {
        date = date || isDateToken(t.type);
        text = text || t.type == Tok::At;
    }
    if (text) {
        s.kind = Kind::Text;
        // Only the text and literals count; placeholders are shown as written.
        for (Token& t : s.tokens) {
            if (t.type == Tok::Literal || t.type == Tok::At) {
                continue;
            }
            t.type = Tok::Literal;
            t.litLen = 0;
        }
    } else if (date) {
        settleDate(s);
    } else {
        settleNumber(s);
    }
}

// Splits at the ';' that are not quoted, escaped or bracketed.
QVarLengthArray<QStringView, 4> splitSections(QStringView code) {
    QVarLengthArray<QStringView, 4> out;
    qsizetype start = 0;
    bool quoted = false;
    bool bracketed = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const char16_t c = code[i].unicode();
        if (quoted) {
            quoted = c != u'"';
        } else if (bracketed) {
            bracketed = c != u']';
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u'[') {
            bracketed = true;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;
        } else if (c == u';') {
            out.append(code.mid(start, i - start));
            start = i + 1;
        }
    }
    out.append(code.mid(start));
    return out;
}

// ---- Rendering ---------------------------------------------------------------------------

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

NumberFormat NumberFormat::parse(QStringView code) {
    NumberFormat out;
    if (code.trimmed().isEmpty() || equalsNoCase(code.trimmed(), u"General") ||
        code.size() > kMaxCodeLength) {
        return out;
    }
    auto data = std::make_shared<Data>();
    const auto parts = splitSections(code);
    for (qsizetype i = 0; i < std::min<qsizetype>(parts.size(), 4); ++i) {
        Section s;
        tokenise(parts[i], s);
        settle(s);
        data->sections.push_back(std::move(s));
    }
    const int count = int(data->sections.size());
    if (count == 4) {
        data->textSection = 3;
    } else {
        for (int i = 0; i < count; ++i) {
            if (data->sections[size_t(i)].kind == Kind::Text) {
                data->textSection = i;
                break;
            }
        }
    }
    // Number sections: up to three, never the text section.
    data->numberSections = std::min(count, 3);
    if (data->textSection >= 0 && data->textSection < data->numberSections) {
        data->numberSections = data->textSection;
    }
    out.m_data = std::move(data);
    return out;
}

bool NumberFormat::isDateTime() const {
    return m_data && m_data->numberSections > 0 && m_data->sections[0].kind == Kind::Date;
}

bool NumberFormat::isText() const {
    return m_data && m_data->numberSections == 0 && m_data->textSection == 0;
}

bool NumberFormat::altersText() const {
    if (!m_data || m_data->textSection < 0) {
        return false;
    }
    int texts = 0;
    for (const Token& t : m_data->sections[size_t(m_data->textSection)].tokens) {
        if (t.type == Tok::At) {
            ++texts;
        } else if (t.type == Tok::Literal && t.litLen > 0) {
            return true;
        }
    }
    return texts != 1;
}

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

QString builtinFormatCode(int id) {
    // Ids without a code of their own: Excel fills them from the installation's language.
    static constexpr const char16_t* kCodes[50] = {
        /* 0 */ u"General",
        /* 1 */ u"0",
        /* 2 */ u"0.00",
        /* 3 */ u"#,##0",
        /* 4 */ u"#,##0.00",
        /* 5 */ u"\"$\"#,##0_);\\(\"$\"#,##0\\)",
        /* 6 */ u"\"$\"#,##0_);[Red]\\(\"$\"#,##0\\)",
        /* 7 */ u"\"$\"#,##0.00_);\\(\"$\"#,##0.00\\)",
        /* 8 */ u"\"$\"#,##0.00_);[Red]\\(\"$\"#,##0.00\\)",
        /* 9 */ u"0%",
        /* 10 */ u"0.00%",
        /* 11 */ u"0.00E+00",
        /* 12 */ u"# ?/?",
        /* 13 */ u"# ?\?/?\?",
        /* 14 */ u"yyyy-mm-dd",
        /* 15 */ u"d-mmm-yy",
        /* 16 */ u"d-mmm",
        /* 17 */ u"mmm-yy",
        /* 18 */ u"h:mm AM/PM",
        /* 19 */ u"h:mm:ss AM/PM",
        /* 20 */ u"h:mm",
        /* 21 */ u"h:mm:ss",
        /* 22 */ u"yyyy-mm-dd hh:mm",
        /* 23 */ nullptr,
        /* 24 */ nullptr,
        /* 25 */ nullptr,
        /* 26 */ nullptr,
        /* 27 */ nullptr,
        /* 28 */ nullptr,
        /* 29 */ nullptr,
        /* 30 */ nullptr,
        /* 31 */ nullptr,
        /* 32 */ nullptr,
        /* 33 */ nullptr,
        /* 34 */ nullptr,
        /* 35 */ nullptr,
        /* 36 */ nullptr,
        /* 37 */ u"#,##0 ;(#,##0)",
        /* 38 */ u"#,##0 ;[Red](#,##0)",
        /* 39 */ u"#,##0.00;(#,##0.00)",
        /* 40 */ u"#,##0.00;[Red](#,##0.00)",
        /* 41 */ u"_(* #,##0_);_(* \\(#,##0\\);_(* \"-\"_);_(@_)",
        /* 42 */ u"_(\"$\"* #,##0_);_(\"$\"* \\(#,##0\\);_(\"$\"* \"-\"_);_(@_)",
        /* 43 */ u"_(* #,##0.00_);_(* \\(#,##0.00\\);_(* \"-\"??_);_(@_)",
        /* 44 */ u"_(\"$\"* #,##0.00_);_(\"$\"* \\(#,##0.00\\);_(\"$\"* \"-\"??_);_(@_)",
        /* 45 */ u"mm:ss",
        /* 46 */ u"[h]:mm:ss",
        /* 47 */ u"mm:ss.0",
        /* 48 */ u"##0.0E+0",
        /* 49 */ u"@",
    };
    return id >= 0 && id < 50 && kCodes[id] ? QString::fromUtf16(kCodes[id]) : QString();
}

// ---- ODS data styles -----------------------------------------------------------------------

namespace {

void appendQuoted(QString& out, QStringView text) {
    // Quoted as a whole; a quote mark itself cannot stand inside quotes.
    bool open = false;
    for (QChar c : text) {
        if (c == u'"') {
            if (open) {
                out += u'"';
                open = false;
            }
            out += QStringLiteral("\\\"");
            continue;
        }
        if (!open) {
            out += u'"';
            open = true;
        }
        out += c;
    }
    if (open) {
        out += u'"';
    }
}

QString repeated(char16_t c, int count) {
    return QString(std::clamp(count, 0, 255), QChar(c));
}

void appendDecimals(QString& out, const OdsFormatPart& p) {
    const int places = std::clamp(p.decimalPlaces, 0, kMaxDecimals);
    if (places == 0) {
        return;
    }
    const int fixed = p.minDecimalPlaces < 0 ? places : std::min(p.minDecimalPlaces, places);
    out += u'.';
    out += repeated(u'0', fixed);
    out += repeated(u'#', places - fixed);
}

void appendNumberPart(QString& out, const OdsFormatPart& p) {
    if (p.decimalPlaces < 0) {
        out += QStringLiteral("General");
        return;
    }
    // Integer placeholders from the right, embedded texts between them.
    int count = std::clamp(p.minIntegerDigits, 0, 255);
    for (const auto& [position, text] : p.embeddedTexts) {
        count = std::max(count, std::clamp(position, 0, 255));
    }
    if (p.grouping) {
        count = std::max(count, 4);
    }
    QString integer;
    for (int pos = count - 1; pos >= 0; --pos) {
        integer += pos < p.minIntegerDigits ? u'0' : u'#';
        if (p.grouping && pos == count - 1) {
            integer += u',';
        }
        for (const auto& [position, text] : p.embeddedTexts) {
            if (position == pos && pos > 0) {
                appendQuoted(integer, text);
            }
        }
    }
    for (const auto& [position, text] : p.embeddedTexts) {
        if (position <= 0) {
            appendQuoted(integer, text); // right after the integer digits
        }
    }
    if (integer.isEmpty() && p.decimalPlaces == 0) {
        integer = QStringLiteral("#");
    }
    out += integer;
    appendDecimals(out, p);
    // One comma per thousand; a factor no number reaches (infinity) scales no further.
    int commas = 0;
    for (double f = p.displayFactor; f >= 999.5 && commas < 20; f /= 1000) {
        out += u',';
        ++commas;
    }
}

void appendScientific(QString& out, const OdsFormatPart& p) {
    const int integer = std::clamp(p.minIntegerDigits, 0, 255);
    const int interval = std::clamp(p.exponentInterval, 1, 255);
    if (interval > 1) {
        out += repeated(u'#', interval - std::max(integer, 1));
    }
    out += repeated(u'0', std::max(integer, 1));
    appendDecimals(out, p);
    out += p.forcedExponentSign ? QStringLiteral("E+") : QStringLiteral("E-");
    out += repeated(u'0', std::max(p.minExponentDigits, 1));
}

void appendFraction(QString& out, const OdsFormatPart& p) {
    if (p.minIntegerDigits >= 0) {
        out += p.minIntegerDigits == 0 ? QStringLiteral("#") : repeated(u'0', p.minIntegerDigits);
        out += u' ';
    }
    out += repeated(u'?', std::max(p.numeratorDigits, 1));
    out += u'/';
    if (p.denominatorValue > 0) {
        out += QString::number(p.denominatorValue);
    } else {
        out += repeated(u'?', std::max(p.denominatorDigits, 1));
    }
}

// The ISO form of a date style that follows the locale: with the time when it shows hours.
QString localeDateCode(const OdsFormatStyle& style) {
    QString out = QStringLiteral("yyyy-mm-dd");
    for (const OdsFormatPart& p : style.parts) {
        if (p.kind == OdsFormatPart::Kind::Hours) {
            out += QStringLiteral(" hh:mm");
        } else if (p.kind == OdsFormatPart::Kind::Seconds) {
            out += QStringLiteral(":ss");
        }
    }
    return out;
}

QString sectionCode(const OdsFormatStyle& style) {
    using K = OdsFormatPart::Kind;
    if (style.localeFormat && style.family == OdsFormatStyle::Family::Date) {
        return localeDateCode(style);
    }
    QString out;
    bool elapsedDone = style.truncateOnOverflow;
    auto elapsed = [&](QString code) {
        if (!elapsedDone) {
            elapsedDone = true;
            return u'[' + code + u']';
        }
        return code;
    };
    for (const OdsFormatPart& p : style.parts) {
        switch (p.kind) {
        case K::Number:
            appendNumberPart(out, p);
            break;
        case K::Scientific:
            appendScientific(out, p);
            break;
        case K::Fraction:
            appendFraction(out, p);
            break;
        case K::Text:
            if (style.family == OdsFormatStyle::Family::Percentage && p.text.contains(u'%')) {
                // The percent sign of a percentage style is the one that scales.
                const qsizetype at = p.text.indexOf(u'%');
                appendQuoted(out, QStringView(p.text).left(at));
                out += u'%';
                appendQuoted(out, QStringView(p.text).mid(at + 1));
            } else {
                appendQuoted(out, p.text);
            }
            break;
        case K::TextContent:
            out += u'@';
            break;
        case K::CurrencySymbol:
            // An empty symbol means the document locale's; there is no locale here.
            appendQuoted(out, p.text);
            break;
        case K::Year:
            out += p.longStyle ? QStringLiteral("yyyy") : QStringLiteral("yy");
            break;
        case K::Month:
            out += p.textual ? (p.longStyle ? QStringLiteral("mmmm") : QStringLiteral("mmm"))
                             : (p.longStyle ? QStringLiteral("mm") : QStringLiteral("m"));
            break;
        case K::Day:
            out += p.longStyle ? QStringLiteral("dd") : QStringLiteral("d");
            break;
        case K::DayOfWeek:
            out += p.longStyle ? QStringLiteral("dddd") : QStringLiteral("ddd");
            break;
        case K::Hours:
            out += elapsed(p.longStyle ? QStringLiteral("hh") : QStringLiteral("h"));
            break;
        case K::Minutes:
            out += elapsed(p.longStyle ? QStringLiteral("mm") : QStringLiteral("m"));
            break;
        case K::Seconds:
            out += elapsed(p.longStyle ? QStringLiteral("ss") : QStringLiteral("s"));
            if (p.decimalPlaces > 0) {
                out += u'.' + repeated(u'0', std::min(p.decimalPlaces, 3));
            }
            break;
        case K::AmPm:
            out += QStringLiteral("AM/PM");
            break;
        case K::Boolean:
            out += QStringLiteral("General");
            break;
        }
    }
    return out.isEmpty() && style.family == OdsFormatStyle::Family::Text ? QStringLiteral("@")
                                                                         : out;
}

// "value()>=0" as "[>=0]"; empty when the condition is not understood.
QString conditionCode(QStringView condition) {
    QString c = condition.toString().remove(u' ');
    if (!c.startsWith(QLatin1String("value()"))) {
        return QString();
    }
    c.remove(0, 7);
    if (c.startsWith(QLatin1String("!="))) {
        c.replace(0, 2, QStringLiteral("<>"));
    } else if (c.startsWith(QLatin1String("=="))) {
        c.remove(0, 1);
    }
    return u'[' + c + u']';
}

} // namespace

QString odsFormatCode(const OdsFormatStyle& style, const QList<OdsFormatMap>& maps) {
    const QString main = sectionCode(style);
    if (maps.isEmpty()) {
        return main;
    }
    QStringList conditions;
    QStringList sections;
    for (const OdsFormatMap& map : maps.mid(0, 3)) {
        conditions << conditionCode(map.condition);
        sections << sectionCode(map.style);
    }
    // The usual splits need no condition: ">=0" then the rest; ">0", "<0", then the rest.
    const bool usual = (conditions == QStringList{QStringLiteral("[>=0]")}) ||
                       (conditions.size() >= 2 && conditions[0] == QLatin1String("[>0]") &&
                        conditions[1] == QLatin1String("[<0]"));
    if (!usual) {
        for (qsizetype i = 0; i < sections.size() && i < 2; ++i) {
            sections[i].prepend(conditions[i]);
        }
    }
    if (style.family == OdsFormatStyle::Family::Text) {
        while (sections.size() < 3) {
            sections << (sections.size() == 1 ? QStringLiteral("-General")
                                              : QStringLiteral("General"));
        }
        sections = sections.mid(0, 3);
    } else if (sections.size() == 3) {
        return sections.join(u';'); // three maps leave nothing to the main style
    }
    sections << main;
    return sections.join(u';');
}
