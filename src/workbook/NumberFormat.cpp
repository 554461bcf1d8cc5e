// Parsing a number format: the code split into sections, each tokenised and then settled
// into a number, fraction, scientific, date or text section.

#include "NumberFormat.h"

#include "NumberFormatSections.h"

#include <QVarLengthArray>

#include <algorithm>

using namespace numberformat;

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
                s.fractionDigits = std::min(s.fractionDigits + 1, NumberFormat::kMaxDecimals);
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
