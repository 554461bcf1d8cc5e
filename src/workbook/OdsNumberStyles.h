#pragma once

#include <QList>
#include <QString>

#include <utility>

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
