#pragma once

#include <QtGlobal>

// Limits every reader enforces while it reads, never trusting sizes a file claims.
namespace limits {
inline constexpr qint32 kMaxRows = 1048576;
inline constexpr qint32 kMaxColumns = 16384;
// Header row and mapping arrays: indices 0..100, columns A..CW.
inline constexpr qint32 kMaxHeaders = 101;
// Inflated bytes of one part of a zip package.
inline constexpr qint64 kMaxPartBytes = qint64(2) * 1024 * 1024 * 1024;
// A part may inflate at most this many times its compressed size once past kRatioFloor bytes.
inline constexpr qint64 kMaxInflateRatio = 100;
inline constexpr qint64 kRatioFloor = qint64(10) * 1024 * 1024;
// Longest single cell text we keep (far above the 32,767 characters spreadsheets allow).
inline constexpr qint64 kMaxCellChars = qint64(64) * 1024 * 1024 - 1;
// Cells one sheet may hold (a full 1,048,576 x 20 list is about 21 million); guards against
// repeat counts that would multiply a few bytes into billions of cells.
inline constexpr qint64 kMaxCells = 60000000;
// Worksheets listed from one workbook, and the characters of a name kept; far above real
// workbooks, the caps only bound what a hostile file can make the program hold.
inline constexpr qsizetype kMaxSheets = 4096;
inline constexpr qsizetype kMaxSheetNameChars = 1024;
} // namespace limits
