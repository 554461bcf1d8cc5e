#pragma once

#include "CellValue.h"
#include "NumberFormat.h"
#include "Sentence.h"

#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

// Why the sheet refused a cell.
enum class CellRefusal : quint8 {
    None,              // it was stored
    OutsideSheet,      // row or column beyond the sheet limits
    TooManyCells,      // the sheet already holds limits::kMaxCells cells
    TextTooLong,       // longer than limits::kMaxCellChars
    UnknownSharedText, // a shared-text index that was never added
};

// The outcome of storing one cell: true when stored, otherwise the refusal says why.
struct [[nodiscard]] CellWrite {
    CellRefusal refusal = CellRefusal::None;
    explicit operator bool() const { return refusal == CellRefusal::None; }
};

// The reason clause of a refusal, for unreadableFileMessage ("it holds more than ...").
Sentence cellRefusalReason(CellRefusal refusal);

// The cells of one worksheet, kept compactly: 16 bytes a cell plus its text, texts packed
// into fixed-size chunks so that growing never copies what is there (a million rows of
// twenty columns stay well under a gigabyte). Readers append cells in any order; cell()
// answers after finish().
//
// A cell may name one of the sheet's number formats; cell() shows the cell through it, so
// only the cells that are read pay for the rendering.
class SheetData {
public:
    SheetData();
    ~SheetData();
    SheetData(const SheetData&) = delete;
    SheetData& operator=(const SheetData&) = delete;
    SheetData(SheetData&&) noexcept;
    SheetData& operator=(SheetData&&) noexcept;

    // A sheet's number format, given to cells by its index; 0 is General. Formats that
    // show numbers and texts as General does get 0, as does any format past the first
    // 65,535 (more than any real workbook uses). Readers map their own style ids to these
    // indices and add each format once.
    using FormatIndex = quint32;
    FormatIndex addFormat(const NumberFormat& format);
    qint64 formatCount() const;
    // The workbook's date system, for the cells shown through date formats.
    void setDateSystem(DateSystem system) { m_dateSystem = system; }
    DateSystem dateSystem() const { return m_dateSystem; }

    // Row from 1, column from 0. A refused cell is not stored; the caller reports why.
    // A text cell keeps its format only when the format's text section adds to the text.
    CellWrite setText(qint32 row, qint32 column, QStringView text, FormatIndex format = 0);
    CellWrite setNumber(qint32 row, qint32 column, double value, FormatIndex format = 0);
    CellWrite setBoolean(qint32 row, qint32 column, bool value);
    CellWrite setError(qint32 row, qint32 column, CellError error);

    // A text stored once and referenced by many cells (shared-string tables).
    // Returns its index, or -1 when the text is too long.
    qint64 addSharedText(QStringView text);
    qint64 sharedTextCount() const { return qint64(m_shared.size()); }
    CellWrite setSharedText(qint32 row, qint32 column, qint64 index, FormatIndex format = 0);
    QString sharedText(qint64 index) const;

    // Sorts when needed (a later write to the same cell wins) and builds the row index.
    void finish();

    CellValue cell(qint32 row, qint32 column) const;
    // Where the i-th stored cell stands (0 <= i < cellCount()), row by row and left to right;
    // after finish().
    struct Position {
        qint32 row;
        qint32 column;
    };
    Position positionAt(qint64 i) const;
    // Number of the last row that holds any cell, 0 when the sheet is empty.
    qint32 lastRow() const { return m_lastRow; }
    qint64 cellCount() const { return m_cellCount; }
    void clear();

private:
    struct Cell;
    struct Chunks;
    CellWrite append(qint32 row, qint32 column, quint8 kind, quint64 payload, FormatIndex format);
    FormatIndex textFormat(FormatIndex format) const;
    bool storeText(QStringView text, quint8& kind, quint64& payload);
    QString textOf(quint8 kind, quint64 payload) const;
    const Cell& at(qint64 i) const;

    std::unique_ptr<Chunks> m_data;
    std::vector<quint64> m_shared; // payloads of shared texts
    std::vector<quint8> m_sharedKind;
    std::vector<qint64> m_rowStart; // first cell of each row, after finish()
    qint64 m_cellCount = 0;
    qint32 m_lastRow = 0;
    qint32 m_prevRow = 0;
    qint32 m_prevColumn = -1;
    bool m_sorted = true;
    bool m_finished = false;
    DateSystem m_dateSystem = DateSystem::Date1900;
};
