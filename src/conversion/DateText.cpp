#include "DateText.h"

#include <QCoreApplication>

#include <QList>

namespace {

struct Token {
    QStringView text;
    bool digits; // otherwise letters
};

bool isSeparator(QChar c) {
    return c == u'/' || c == u'.' || c == u'-' || c == u',' || c.isSpace();
}

// Splits into runs of digits and runs of letters; false when anything else stands between
// them. A day may carry an English ordinal ending ("31st").
bool tokenize(QStringView text, QList<Token>& tokens) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const QChar c = text.at(i);
        if (isSeparator(c)) {
            ++i;
            continue;
        }
        const bool digit = c >= u'0' && c <= u'9';
        if (!digit && !c.isLetter()) {
            return false;
        }
        const qsizetype start = i;
        while (i < n &&
               (digit ? (text.at(i) >= u'0' && text.at(i) <= u'9') : text.at(i).isLetter())) {
            ++i;
        }
        tokens.append({text.mid(start, i - start), digit});
    }
    return true;
}

bool isOrdinalEnding(QStringView word) {
    for (const char16_t* e : {u"st", u"nd", u"rd", u"th"}) {
        if (word.compare(QStringView(e), Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

// 1-12 for a month name (full or short, English or the locale's), 0 otherwise.
int monthFromName(QStringView word, const QLocale& locale) {
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    // "Sept" is the one common short form that is not the first three letters.
    if (word.compare(u"sept", Qt::CaseInsensitive) == 0) {
        return 9;
    }
    for (const QLocale* l : {&english, &locale}) {
        for (int m = 1; m <= 12; ++m) {
            for (QLocale::FormatType f : {QLocale::LongFormat, QLocale::ShortFormat}) {
                for (const QString& name : {l->monthName(m, f), l->standaloneMonthName(m, f)}) {
                    QStringView v(name);
                    // Some locales end short names with a dot ("déc."), which the text may
                    // leave off.
                    if (v.endsWith(u'.')) {
                        v.chop(1);
                    }
                    if (!v.isEmpty() && word.compare(v, Qt::CaseInsensitive) == 0) {
                        return m;
                    }
                }
            }
        }
    }
    return 0;
}

// A year of two or four digits; 0 for any other length.
int yearFromDigits(QStringView digits) {
    const int value = digits.toInt();
    if (digits.size() == 4) {
        return value;
    }
    if (digits.size() == 2) {
        return value < 30 ? 2000 + value : 1900 + value;
    }
    return 0;
}

std::optional<CardDate> checked(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1) {
        return std::nullopt;
    }
    if (year == 0) {
        // Without a year, 29 February is a birthday like any other.
        if (day > QDate(2000, month, 1).daysInMonth()) {
            return std::nullopt;
        }
    } else if (year < 1 || !QDate::isValid(year, month, day)) {
        return std::nullopt;
    }
    return CardDate{year, month, day};
}

int twoDigits(QStringView s, qsizetype at) {
    return s.mid(at, 2).toInt();
}

bool allDigits(QStringView s) {
    for (QChar c : s) {
        if (c < u'0' || c > u'9') {
            return false;
        }
    }
    return !s.isEmpty();
}

// The ISO forms: "YYYY-MM-DD" (a time after "T" or a space is left aside), "YYYYMMDD",
// "--MM-DD", "--MMDD".
std::optional<CardDate> parseIso(QStringView s) {
    if (s.size() > 10 && s.at(4) == u'-' && (s.at(10) == u'T' || s.at(10) == u' ')) {
        const QStringView time = s.mid(11);
        if (time.size() < 5 || !allDigits(time.left(2)) || time.at(2) != u':') {
            return std::nullopt;
        }
        s = s.left(10);
    }
    if (s.size() == 10 && s.at(4) == u'-' && s.at(7) == u'-' && allDigits(s.left(4)) &&
        allDigits(s.mid(5, 2)) && allDigits(s.mid(8, 2))) {
        return checked(s.left(4).toInt(), twoDigits(s, 5), twoDigits(s, 8));
    }
    if (s.size() == 8 && allDigits(s)) {
        return checked(s.left(4).toInt(), twoDigits(s, 4), twoDigits(s, 6));
    }
    if (s.startsWith(u"--")) {
        const QStringView rest = s.mid(2);
        if (rest.size() == 5 && rest.at(2) == u'-' && allDigits(rest.left(2)) &&
            allDigits(rest.mid(3))) {
            return checked(0, twoDigits(rest, 0), twoDigits(rest, 3));
        }
        if (rest.size() == 4 && allDigits(rest)) {
            return checked(0, twoDigits(rest, 0), twoDigits(rest, 2));
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<DateOrder> parseDateOrder(QStringView text) {
    if (text == u"DMY") {
        return DateOrder::DMY;
    }
    if (text == u"MDY") {
        return DateOrder::MDY;
    }
    if (text == u"YMD") {
        return DateOrder::YMD;
    }
    return std::nullopt;
}

QString dateOrderDisplayText(DateOrder order) {
    switch (order) {
    case DateOrder::MDY:
        return QCoreApplication::translate("DateOrder", "M/D/Y");
    case DateOrder::YMD:
        return QCoreApplication::translate("DateOrder", "Y/M/D");
    case DateOrder::DMY:
        break;
    }
    return QCoreApplication::translate("DateOrder", "D/M/Y");
}

DateOrder localeDateOrder(const QLocale& locale) {
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype d = format.indexOf(u'd');
    const qsizetype m = format.indexOf(u'M');
    const qsizetype y = format.indexOf(u'y');
    if (d < 0 || m < 0 || y < 0) {
        return DateOrder::DMY;
    }
    if (y < m && m < d) {
        return DateOrder::YMD;
    }
    if (m < d) {
        return DateOrder::MDY;
    }
    return DateOrder::DMY;
}

DateOrder systemDateOrder() {
    return localeDateOrder(QLocale::system());
}

std::optional<CardDate> parseDateText(QStringView text, DateOrder order, const QLocale& locale) {
    text = text.trimmed();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    if (const std::optional<CardDate> iso = parseIso(text)) {
        return iso;
    }
    QList<Token> tokens;
    if (!tokenize(text, tokens)) {
        return std::nullopt;
    }
    // Numbers and at most one month name; an ordinal ending belongs to the number before it.
    QList<QStringView> numbers;
    int namedMonth = 0;
    qsizetype nameAt = -1; // how many numbers stood before the name
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens.at(i);
        if (t.digits) {
            if (t.text.size() > 4) {
                return std::nullopt;
            }
            numbers.append(t.text);
        } else if (i > 0 && tokens.at(i - 1).digits && tokens.at(i - 1).text.size() <= 2 &&
                   isOrdinalEnding(t.text) && t.text.data() == tokens.at(i - 1).text.end()) {
            continue;
        } else {
            const int m = monthFromName(t.text, locale);
            if (m == 0 || namedMonth != 0) {
                return std::nullopt;
            }
            namedMonth = m;
            nameAt = numbers.size();
        }
    }
    auto dayOf = [](QStringView s) { return s.size() <= 2 ? s.toInt() : 0; };
    if (namedMonth != 0) {
        if (numbers.size() == 1) {
            return checked(0, namedMonth, dayOf(numbers.at(0)));
        }
        if (numbers.size() != 2) {
            return std::nullopt;
        }
        // The year is the four-digit number; between two short ones, the order says which.
        int yearIndex = -1;
        if (numbers.at(0).size() > 2) {
            yearIndex = 0;
        } else if (numbers.at(1).size() > 2) {
            yearIndex = 1;
        } else {
            yearIndex = (order == DateOrder::YMD && nameAt != 0) ? 0 : 1;
        }
        const int year = yearFromDigits(numbers.at(yearIndex));
        const int day = dayOf(numbers.at(1 - yearIndex));
        if (year == 0) {
            return std::nullopt;
        }
        return checked(year, namedMonth, day);
    }
    for (QStringView n : numbers) {
        if (n.size() == 3) {
            return std::nullopt;
        }
    }
    if (numbers.size() == 2) {
        // Day and month without a year, in the order's own order of the two.
        if (numbers.at(0).size() > 2 || numbers.at(1).size() > 2) {
            return std::nullopt;
        }
        const bool dayFirst = order == DateOrder::DMY;
        return checked(0, numbers.at(dayFirst ? 1 : 0).toInt(),
                       numbers.at(dayFirst ? 0 : 1).toInt());
    }
    if (numbers.size() != 3) {
        return std::nullopt;
    }
    if (numbers.at(0).size() == 4) {
        order = DateOrder::YMD;
    }
    int y = 2;
    int m = 1;
    int d = 0;
    if (order == DateOrder::MDY) {
        m = 0;
        d = 1;
    } else if (order == DateOrder::YMD) {
        y = 0;
        m = 1;
        d = 2;
    }
    if (numbers.at(m).size() > 2 || numbers.at(d).size() > 2) {
        return std::nullopt;
    }
    const int year = yearFromDigits(numbers.at(y));
    if (year == 0) {
        return std::nullopt;
    }
    return checked(year, numbers.at(m).toInt(), numbers.at(d).toInt());
}

QString isoDateText(const CardDate& date) {
    // Written digit by digit: a run of many birthdays calls this once a row.
    auto digits = [](QString& out, int value, int width) {
        for (int i = width - 1; i >= 0; --i) {
            int v = value;
            for (int k = 0; k < i; ++k) {
                v /= 10;
            }
            out += QLatin1Char(char('0' + v % 10));
        }
    };
    QString text;
    text.reserve(10);
    if (date.hasYear()) {
        digits(text, date.year, 4);
        text += QLatin1Char('-');
    } else {
        text += QStringLiteral("--");
    }
    digits(text, date.month, 2);
    text += QLatin1Char('-');
    digits(text, date.day, 2);
    return text;
}

std::optional<CardDate> parseIsoDateText(QStringView text) {
    if (text.size() == 10 || (text.size() == 7 && text.startsWith(u"--"))) {
        return parseIso(text);
    }
    return std::nullopt;
}
