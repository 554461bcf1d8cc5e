#pragma once

#include "DateSerial.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <memory>

// A cell's number format in the spreadsheet format language ("#,##0.00", "yyyy-mm-dd",
// "0;[Red]-0;\"zero\";@"), parsed once and then applied to many values: the text a cell shows.
// Nothing here depends on the machine's locale: the format's "." and "," are the decimal point
// and the thousands separator of the output, and month and day names are English.
//
// Where a value cannot be shown by its format (a negative or too large serial under a date
// format, a value no conditional section takes: Excel shows "#####"), the General text of the
// value is given instead, so the value is not lost.
//
// Numbers are rounded on their first 15 significant digits, half away from zero, so 1.005
// under "0.00" is "1.01" as the user typed it. Dates and times are rounded to the smallest
// unit shown (a second, or the fraction of one) before the fields are split, as Excel does.
// Not rendered: other calendars (B1, B2, e, g), [DBNum] and [NatNum] digit sets (ignored), and
// a system format marker such as [$-F800] (the code as written is used).
class NumberFormat {
public:
    // The General format.
    NumberFormat() = default;

    // Any text is accepted: what the language does not know is shown as it stands. Empty
    // text, "General" and codes longer than kMaxCodeLength give the General format.
    static NumberFormat parse(QStringView code);
    // Four times the longest code Excel accepts: a cell's text stays small, whatever a file
    // holds.
    static constexpr qsizetype kMaxCodeLength = 1024;
    // "@" shows the text at most this many times.
    static constexpr int kMaxTextCopies = 16;

    bool isGeneral() const { return !m_data; }
    // Numbers are shown as dates or times (by the first section): the cell holds a date.
    bool isDateTime() const;
    // The text format "@": numbers are shown as General, text as it stands.
    bool isText() const;
    // A text cell shows more than its text: the format's text section holds literals.
    bool altersText() const;

    QString format(double value, DateSystem system = DateSystem::Date1900) const;
    // A text cell under this format: the text section's literals around the text, or the
    // text as it stands when the format has no text section.
    QString formatText(const QString& text) const;

    struct Data;

private:
    std::shared_ptr<const Data> m_data;
};

// The format code of one of Excel's built-in format ids 0 to 49, empty for ids without one.
// Ids 14 and 22, which follow the machine's short date format in Excel, are ISO 8601 here
// ("yyyy-mm-dd", "yyyy-mm-dd hh:mm") so that a date never depends on the reading machine;
// ids 5 to 8 and 41 to 44 take the US forms that Excel uses in an English installation.
QString builtinFormatCode(int id);

// An ODS data style as the ods reader collects it from the number:*-style elements, turned
// into a format code that NumberFormat::parse accepts. Elements without a counterpart in the
// format language (number:fill-character, number:quarter, number:week-of-year, number:era,
// style:text-properties) are left out by the reader.
struct OdsFormatPart {
    enum class Kind : quint8 {
        Number,         // number:number
        Scientific,     // number:scientific-number
        Fraction,       // number:fraction
        Text,           // number:text: the literal in `text`
        TextContent,    // number:text-content: the cell's text
        CurrencySymbol, // number:currency-symbol: the symbol in `text` (may be empty)
        Year,
        Month, // textual: the name
        Day,
        DayOfWeek,
        Hours,
        Minutes,
        Seconds, // decimalPlaces: fractions of a second
        AmPm,
        Boolean,
    };
    Kind kind = Kind::Text;
    QString text;
    bool longStyle = false; // number:style="long"
    bool textual = false;   // number:textual="true"
    bool grouping = false;  // number:grouping="true"
    // -1 on a number: number:decimal-places is absent, as LibreOffice writes its General.
    int decimalPlaces = 0;
    int minDecimalPlaces = -1; // number:min-decimal-places; -1: as many as decimalPlaces
    // number:min-integer-digits; for a fraction -1 when the attribute is absent (no whole part).
    int minIntegerDigits = 1;
    int minExponentDigits = 2;
    int exponentInterval = 1; // number:exponent-interval (3: engineering notation)
    bool forcedExponentSign = true;
    int numeratorDigits = 1;   // the larger of number:min- and loext:max-numerator-digits
    int denominatorDigits = 1; // number:min-denominator-digits, or the digits of
                               // number:max-denominator-value when larger
    int denominatorValue = 0;  // number:denominator-value; 0 when the denominator varies
    double displayFactor = 1;  // number:display-factor (1000: thousands)
    // number:embedded-text children: (number:position, text), the position counted in
    // integer digits from the decimal point.
    QList<std::pair<int, QString>> embeddedTexts;
};

struct OdsFormatStyle {
    enum class Family : quint8 { Number, Percentage, Currency, Date, Time, Boolean, Text };
    Family family = Family::Number;
    // number:truncate-on-overflow="false": hours (or minutes) beyond the day, "[h]".
    bool truncateOnOverflow = true;
    // number:format-source="language": the locale's own short date (Excel's ids 14 and 22),
    // shown as ISO 8601 like those.
    bool localeFormat = false;
    QList<OdsFormatPart> parts;
};

// A style:map of the main style: its condition ("value()<0", "value()>=1000") and the style
// it applies.
struct OdsFormatMap {
    QString condition;
    OdsFormatStyle style;
};

QString odsFormatCode(const OdsFormatStyle& style, const QList<OdsFormatMap>& maps = {});
