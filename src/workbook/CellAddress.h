#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// A cell position: row counts from 1 (row 1 is the header row), column from 0 (A).
struct CellPosition {
    qint32 row = 0;
    qint32 column = 0;
    friend bool operator==(const CellPosition&, const CellPosition&) = default;
};

// Letters of a 0-based column index: 0 is A, 25 is Z, 26 is AA, 100 is CW, 16383 is XFD.
QString columnLetters(qint32 index);

// 0-based index of column letters ("A" is 0); nullopt when not letters or past XFD.
std::optional<qint32> columnIndex(QStringView letters);

// A1 address: column letters immediately followed by the row number, no leading zeros.
QString cellAddress(qint32 column, qint32 row);

// Parses "B7", case-insensitive letters. nullopt for anything else or beyond the sheet limits.
std::optional<CellPosition> parseCellAddress(QStringView address);
