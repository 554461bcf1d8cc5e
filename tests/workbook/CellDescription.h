#pragma once

#include "CellValue.h"

#include <QString>

// A cell as a short text for test tables: "T:text", "N:number text", "D:date text=serial"
// (a number shown as a date or time), "B:TRUE", "X:#N/A" (error), "E" (empty), so a table
// row says both the kind and the value.
inline QString describeCell(const CellValue& v) {
    switch (v.kind()) {
    case CellValue::Kind::Empty:
        return QStringLiteral("E");
    case CellValue::Kind::Text:
        return QStringLiteral("T:") + v.rawText();
    case CellValue::Kind::Number:
        if (v.holdsDate()) {
            return QStringLiteral("D:") + v.textForm() + u'=' + numberText(v.numberValue());
        }
        return QStringLiteral("N:") + v.textForm();
    case CellValue::Kind::Boolean:
        return QStringLiteral("B:") + v.textForm();
    case CellValue::Kind::Error:
        return QStringLiteral("X:") + v.textForm();
    }
    return {};
}
