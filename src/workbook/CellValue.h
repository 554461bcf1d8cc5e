#pragma once

#include "DateSerial.h"

#include <QDate>
#include <QString>

#include <optional>
#include <string_view>

// The error values a cell may hold, numbered as .xls files number them.
enum class CellError : quint8 {
    Null = 0x00,
    DivZero = 0x07,
    Value = 0x0F,
    Ref = 0x17,
    Name = 0x1D,
    Num = 0x24,
    NotAvailable = 0x2A,
    GettingData = 0x2B,
};

// The error as the spreadsheet shows it: "#NULL!", "#DIV/0!", "#VALUE!", "#REF!", "#NAME?",
// "#NUM!", "#N/A", "#GETTING_DATA".
QString cellErrorText(CellError error);
// The error that shown text names; none for any other text.
std::optional<CellError> cellErrorFromText(std::string_view text);
// The error an .xls error byte stands for; none for a byte that stands for no error.
std::optional<CellError> cellErrorFromCode(quint8 code);

// What one cell read yields. A number keeps its stored value and, when its cell has a number
// format, the text that format shows; a date is such a number that also says it is a date.
// Error cells (#N/A, #DIV/0!, ...) are kept as their own kind, with the error as the
// spreadsheet shows it.
class CellValue {
public:
    enum class Kind : quint8 { Empty, Text, Number, Boolean, Error };

    CellValue() = default;
    static CellValue empty() { return CellValue(); }
    static CellValue text(QString t) { return CellValue(Kind::Text, std::move(t), 0.0); }
    static CellValue number(double v) { return CellValue(Kind::Number, QString(), v); }
    // A number with the text its cell format shows (which may be empty: ";;;" hides it).
    static CellValue shownNumber(double v, QString shown) {
        CellValue c(Kind::Number, std::move(shown), v);
        c.m_flags = kShown;
        return c;
    }
    // A number shown through a date or time format: a serial of the workbook's date system.
    static CellValue dateNumber(double serial, DateSystem system, QString shown) {
        CellValue c(Kind::Number, std::move(shown), serial);
        c.m_flags = quint8(kShown | kDate | (system == DateSystem::Date1904 ? kDate1904 : 0));
        return c;
    }
    static CellValue boolean(bool b) { return CellValue(Kind::Boolean, QString(), b ? 1.0 : 0.0); }
    static CellValue error(QString code = QString()) {
        return CellValue(Kind::Error, std::move(code), 0.0);
    }

    Kind kind() const { return m_kind; }
    bool isEmpty() const { return m_kind == Kind::Empty; }
    bool isText() const { return m_kind == Kind::Text; }
    bool isNumber() const { return m_kind == Kind::Number; }
    bool isBoolean() const { return m_kind == Kind::Boolean; }
    bool isError() const { return m_kind == Kind::Error; }

    // Text of a text cell; the error code (such as "#N/A") of an error cell.
    const QString& rawText() const { return m_text; }
    double numberValue() const { return m_number; }
    // Whether the cell holds a date or time (a number shown through a date or time format),
    // whatever its text form.
    bool holdsDate() const { return (m_flags & kDate) != 0; }
    // The day a date cell shows; empty for other cells and for days that never were
    // (Excel's 1900-01-00 and 1900-02-29).
    std::optional<QDate> dateValue() const;
    bool booleanValue() const { return m_number != 0.0; }

    // The text callers work with: the text itself, a number as its format shows it (the
    // plain decimal text when it has no format), "TRUE"/"FALSE", the error as the spreadsheet
    // shows it ("#N/A"), and the empty text for an empty cell.
    QString textForm() const;

    friend bool operator==(const CellValue& a, const CellValue& b);

private:
    CellValue(Kind k, QString t, double n) : m_kind(k), m_text(std::move(t)), m_number(n) {}

    static constexpr quint8 kShown = 1;
    static constexpr quint8 kDate = 2;
    static constexpr quint8 kDate1904 = 4;
    DateSystem dateSystem() const {
        return (m_flags & kDate1904) != 0 ? DateSystem::Date1904 : DateSystem::Date1900;
    }

    Kind m_kind = Kind::Empty;
    quint8 m_flags = 0;
    QString m_text;
    double m_number = 0.0;
};

// Blank: empty or the empty text. Any number, 0 included, an error value and text of spaces
// are not blank.
bool isBlankCell(const CellValue& value);

// Up to 15 significant digits, plain decimal where it fits, E notation beyond
// ("1.23456789012346E+16", "1E-05"); -0 gives "0"; always "." as the decimal point.
QString numberText(double value);
