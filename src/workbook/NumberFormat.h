#pragma once

#include "DateSerial.h"

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
    // Decimal places a number section shows at most (Excel's own limit).
    static constexpr int kMaxDecimals = 30;

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
