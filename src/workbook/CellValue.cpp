#include "CellValue.h"

#include <cmath>

QString numberText(double value) {
    if (std::isnan(value)) {
        return QStringLiteral("NaN");
    }
    if (std::isinf(value)) {
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    }
    if (value == 0.0) {
        return QStringLiteral("0"); // also catches -0
    }
    // Qt's conversion ignores the locale. 'g' with 15 digits picks E notation when the
    // exponent is below -4 or reaches 15: the spreadsheet's own "General" rule.
    QString out = QString::number(value, 'g', 15);
    const qsizetype e = out.indexOf(QLatin1Char('e'));
    if (e >= 0) {
        out[e] = QLatin1Char('E');
    }
    return out;
}

namespace {
struct ErrorName {
    CellError error;
    std::string_view text;
};
constexpr ErrorName kErrorNames[] = {
    {CellError::Null, "#NULL!"},       {CellError::DivZero, "#DIV/0!"},
    {CellError::Value, "#VALUE!"},     {CellError::Ref, "#REF!"},
    {CellError::Name, "#NAME?"},       {CellError::Num, "#NUM!"},
    {CellError::NotAvailable, "#N/A"}, {CellError::GettingData, "#GETTING_DATA"},
};
} // namespace

QString cellErrorText(CellError error) {
    for (const ErrorName& e : kErrorNames) {
        if (e.error == error) {
            return QString::fromLatin1(e.text.data(), qsizetype(e.text.size()));
        }
    }
    return QString();
}

std::optional<CellError> cellErrorFromText(std::string_view text) {
    for (const ErrorName& e : kErrorNames) {
        if (e.text == text) {
            return e.error;
        }
    }
    return std::nullopt;
}

std::optional<CellError> cellErrorFromCode(quint8 code) {
    for (const ErrorName& e : kErrorNames) {
        if (quint8(e.error) == code) {
            return e.error;
        }
    }
    return std::nullopt;
}

QString CellValue::textForm() const {
    switch (m_kind) {
    case Kind::Text:
        return m_text;
    case Kind::Number:
        return (m_flags & kShown) != 0 ? m_text : numberText(m_number);
    case Kind::Boolean:
        return m_number != 0.0 ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case Kind::Error:
        return m_text;
    case Kind::Empty:
        break;
    }
    return QString();
}

std::optional<QDate> CellValue::dateValue() const {
    if (!holdsDate()) {
        return std::nullopt;
    }
    return dateFromSerial(m_number, dateSystem());
}

bool operator==(const CellValue& a, const CellValue& b) {
    if (a.m_kind != b.m_kind) {
        return false;
    }
    switch (a.m_kind) {
    case CellValue::Kind::Empty:
        return true;
    case CellValue::Kind::Text:
    case CellValue::Kind::Error:
        return a.m_text == b.m_text;
    case CellValue::Kind::Number:
        return a.m_flags == b.m_flags && a.m_text == b.m_text &&
               (a.m_number == b.m_number || (std::isnan(a.m_number) && std::isnan(b.m_number)));
    case CellValue::Kind::Boolean:
        return (a.m_number != 0.0) == (b.m_number != 0.0);
    }
    return false;
}

bool isBlankCell(const CellValue& value) {
    switch (value.kind()) {
    case CellValue::Kind::Empty:
        return true;
    case CellValue::Kind::Text:
        return value.rawText().isEmpty();
    case CellValue::Kind::Number:
    case CellValue::Kind::Boolean:
    case CellValue::Kind::Error:
        return false;
    }
    return true;
}
