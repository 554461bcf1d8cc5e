#include "SheetData.h"

#include "Limits.h"

#include <QLocale>

#include <algorithm>
#include <cstring>

namespace {
enum CellKind : quint8 { KText, KLongText, KNumber, KBoolean, KError };

constexpr int kCellChunkShift = 16; // 65,536 cells a chunk
constexpr qint64 kCellChunkSize = qint64(1) << kCellChunkShift;
constexpr int kCharChunkShift = 20; // 1 Mi characters a chunk
constexpr qint64 kCharChunkSize = qint64(1) << kCharChunkShift;
// Texts at least this long get a QString of their own instead of chunk space.
constexpr qsizetype kLongText = 1 << 16;
// A cell's key, from the top bit: row (21 bits), column (14), kind (3), format index (26).
// Keys shifted right by kColumnShift order cells by position.
constexpr int kKindShift = 26;
constexpr int kColumnShift = 29;
constexpr int kRowShift = 43;
constexpr quint64 kFormatMask = (quint64(1) << kKindShift) - 1;
static_assert(limits::kMaxRows < (1 << (64 - kRowShift)));
static_assert(limits::kMaxColumns <= (1 << (kRowShift - kColumnShift)));
constexpr qint64 kMaxFormats = 65535;
bool outsideSheet(qint32 row, qint32 column) {
    return row < 1 || row > limits::kMaxRows || column < 0 || column >= limits::kMaxColumns;
}
} // namespace

Sentence cellRefusalReason(CellRefusal refusal) {
    switch (refusal) {
    case CellRefusal::None:
        break;
    case CellRefusal::OutsideSheet:
        return E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook",
                                              "it has a cell beyond the last row or column a "
                                              "worksheet can hold (row 1,048,576, column XFD)."));
    case CellRefusal::TooManyCells:
        return E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook",
                                              "it holds more than %1 cells, more than this program "
                                              "reads."))
            .arg(QLocale(QLocale::English).toString(limits::kMaxCells));
    case CellRefusal::TextTooLong:
        return E2V_SENTENCE(
            QT_TRANSLATE_NOOP("Workbook", "it holds a text longer than any cell may be."));
    case CellRefusal::UnknownSharedText:
        return E2V_SENTENCE(QT_TRANSLATE_NOOP(
            "Workbook", "it is damaged (a cell refers to a shared text that does not exist)."));
    }
    return Sentence();
}

struct SheetData::Cell {
    quint64 payload; // number bits, or text location
    quint64 key;     // position, kind and format index

    quint32 row() const { return quint32(key >> kRowShift); }
    quint16 column() const {
        return quint16((key >> kColumnShift) & ((quint64(1) << (kRowShift - kColumnShift)) - 1));
    }
    quint64 position() const { return key >> kColumnShift; }
    quint8 kind() const { return quint8((key >> kKindShift) & 7); }
    FormatIndex format() const { return FormatIndex(key & kFormatMask); }
};

namespace {
struct SheetFormat {
    NumberFormat format;
    bool date;       // numbers are shown as dates or times
    bool altersText; // texts are shown with the literals of a text section
};
} // namespace

struct SheetData::Chunks {
    std::vector<std::unique_ptr<Cell[]>> cells;
    std::vector<std::unique_ptr<char16_t[]>> chars;
    qint64 charsUsedInLast = kCharChunkSize; // forces a first chunk
    std::vector<QString> longTexts;
    std::vector<SheetFormat> formats; // index 1 is formats[0]
};

SheetData::SheetData() : m_data(std::make_unique<Chunks>()) {}
SheetData::~SheetData() = default;
SheetData::SheetData(SheetData&&) noexcept = default;
SheetData& SheetData::operator=(SheetData&&) noexcept = default;

void SheetData::clear() {
    *this = SheetData();
}

const SheetData::Cell& SheetData::at(qint64 i) const {
    return m_data->cells[size_t(i >> kCellChunkShift)][size_t(i & (kCellChunkSize - 1))];
}

SheetData::FormatIndex SheetData::addFormat(const NumberFormat& format) {
    const bool altersText = format.altersText();
    if (format.isGeneral() || (format.isText() && !altersText)) {
        return 0;
    }
    std::vector<SheetFormat>& formats = m_data->formats;
    if (qint64(formats.size()) >= kMaxFormats) {
        return 0;
    }
    formats.push_back({format, format.isDateTime(), altersText});
    return FormatIndex(formats.size());
}

qint64 SheetData::formatCount() const {
    return qint64(m_data->formats.size());
}

SheetData::FormatIndex SheetData::textFormat(FormatIndex format) const {
    return format != 0 && format <= m_data->formats.size() && m_data->formats[format - 1].altersText
               ? format
               : 0;
}

CellWrite SheetData::append(qint32 row, qint32 column, quint8 kind, quint64 payload,
                            FormatIndex format) {
    if (outsideSheet(row, column)) {
        return {CellRefusal::OutsideSheet};
    }
    if (m_cellCount >= limits::kMaxCells) {
        return {CellRefusal::TooManyCells};
    }
    if (m_cellCount % kCellChunkSize == 0) {
        m_data->cells.push_back(std::make_unique<Cell[]>(size_t(kCellChunkSize)));
    }
    static_assert(sizeof(Cell) == 16);
    Cell& c = m_data->cells.back()[size_t(m_cellCount & (kCellChunkSize - 1))];
    if (format > m_data->formats.size()) {
        format = 0;
    }
    c.payload = payload;
    c.key = (quint64(row) << kRowShift) | (quint64(column) << kColumnShift) |
            (quint64(kind) << kKindShift) | quint64(format);
    ++m_cellCount;
    if (row < m_prevRow || (row == m_prevRow && column <= m_prevColumn)) {
        m_sorted = false;
    }
    m_prevRow = row;
    m_prevColumn = column;
    m_lastRow = std::max(m_lastRow, row);
    m_finished = false;
    return {};
}

bool SheetData::storeText(QStringView text, quint8& kind, quint64& payload) {
    const qsizetype n = text.size();
    if (n > limits::kMaxCellChars) {
        return false;
    }
    Chunks& d = *m_data;
    if (n == 0) {
        // The empty text takes no chunk space: there may be no chunk yet, or the last one may
        // be full, and its offset would not fit the payload.
        kind = KText;
        payload = 0;
        return true;
    }
    if (n >= kLongText) {
        kind = KLongText;
        payload = quint64(d.longTexts.size());
        d.longTexts.push_back(text.toString());
        return true;
    }
    if (d.charsUsedInLast + n > kCharChunkSize) {
        d.chars.push_back(std::make_unique<char16_t[]>(size_t(kCharChunkSize)));
        d.charsUsedInLast = 0;
    }
    const quint64 chunk = quint64(d.chars.size() - 1);
    std::memcpy(d.chars.back().get() + d.charsUsedInLast, text.utf16(), size_t(n) * 2);
    // chunk index : 27 bits | offset in chunk : 20 bits | length : 17 bits
    payload = (chunk << 37) | (quint64(d.charsUsedInLast) << 17) | quint64(n);
    d.charsUsedInLast += n;
    kind = KText;
    return true;
}

QString SheetData::textOf(quint8 kind, quint64 payload) const {
    if (kind == KLongText) {
        return m_data->longTexts[size_t(payload)];
    }
    const quint64 chunk = payload >> 37;
    const quint64 offset = (payload >> 17) & (kCharChunkSize - 1);
    const qsizetype len = qsizetype(payload & ((quint64(1) << 17) - 1));
    if (len == 0) {
        return QString();
    }
    return QString(reinterpret_cast<const QChar*>(m_data->chars[size_t(chunk)].get() + offset),
                   len);
}

CellWrite SheetData::setText(qint32 row, qint32 column, QStringView text, FormatIndex format) {
    if (outsideSheet(row, column)) {
        return {CellRefusal::OutsideSheet};
    }
    quint8 kind = KText;
    quint64 payload = 0;
    if (!storeText(text, kind, payload)) {
        return {CellRefusal::TextTooLong};
    }
    return append(row, column, kind, payload, textFormat(format));
}

CellWrite SheetData::setNumber(qint32 row, qint32 column, double value, FormatIndex format) {
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    return append(row, column, KNumber, bits, format);
}

CellWrite SheetData::setBoolean(qint32 row, qint32 column, bool value) {
    return append(row, column, KBoolean, value ? 1 : 0, 0);
}

CellWrite SheetData::setError(qint32 row, qint32 column, CellError error) {
    return append(row, column, KError, quint8(error), 0);
}

qint64 SheetData::addSharedText(QStringView text) {
    quint8 kind = KText;
    quint64 payload = 0;
    if (!storeText(text, kind, payload)) {
        return -1;
    }
    m_shared.push_back(payload);
    m_sharedKind.push_back(kind);
    return qint64(m_shared.size()) - 1;
}

CellWrite SheetData::setSharedText(qint32 row, qint32 column, qint64 index, FormatIndex format) {
    if (index < 0 || index >= qint64(m_shared.size())) {
        return {CellRefusal::UnknownSharedText};
    }
    return append(row, column, m_sharedKind[size_t(index)], m_shared[size_t(index)],
                  textFormat(format));
}

QString SheetData::sharedText(qint64 index) const {
    if (index < 0 || index >= qint64(m_shared.size())) {
        return QString();
    }
    return textOf(m_sharedKind[size_t(index)], m_shared[size_t(index)]);
}

void SheetData::finish() {
    if (m_finished) {
        return;
    }
    if (!m_sorted) {
        std::vector<Cell> all;
        all.reserve(size_t(m_cellCount));
        for (qint64 i = 0; i < m_cellCount; ++i) {
            all.push_back(at(i));
        }
        std::stable_sort(all.begin(), all.end(),
                         [](const Cell& a, const Cell& b) { return a.position() < b.position(); });
        // Keep the last write of each position.
        qint64 out = 0;
        for (size_t i = 0; i < all.size(); ++i) {
            if (i + 1 < all.size() && all[i + 1].position() == all[i].position()) {
                continue;
            }
            m_data->cells[size_t(out >> kCellChunkShift)][size_t(out & (kCellChunkSize - 1))] =
                all[i];
            ++out;
        }
        m_cellCount = out;
        m_data->cells.resize(size_t((out + kCellChunkSize - 1) >> kCellChunkShift));
        m_sorted = true;
        if (m_cellCount > 0) {
            m_prevRow = qint32(at(m_cellCount - 1).row());
            m_prevColumn = at(m_cellCount - 1).column();
        }
    }
    m_rowStart.assign(size_t(m_lastRow) + 2, m_cellCount);
    for (qint64 i = m_cellCount - 1; i >= 0; --i) {
        m_rowStart[at(i).row()] = i;
    }
    // Rows without cells start where the next row starts.
    for (qint64 r = qint64(m_lastRow); r >= 0; --r) {
        m_rowStart[size_t(r)] = std::min(m_rowStart[size_t(r)], m_rowStart[size_t(r) + 1]);
    }
    m_finished = true;
}

SheetData::Position SheetData::positionAt(qint64 i) const {
    const Cell& c = at(i);
    return {qint32(c.row()), qint32(c.column())};
}

CellValue SheetData::cell(qint32 row, qint32 column) const {
    if (!m_finished || row < 1 || row > m_lastRow || column < 0) {
        return CellValue::empty();
    }
    qint64 lo = m_rowStart[size_t(row)];
    qint64 hi = m_rowStart[size_t(row) + 1];
    while (lo < hi) {
        const qint64 mid = lo + (hi - lo) / 2;
        const Cell& c = at(mid);
        if (c.column() < column) {
            lo = mid + 1;
        } else if (c.column() > column) {
            hi = mid;
        } else {
            const FormatIndex format = c.format();
            switch (c.kind()) {
            case KText:
            case KLongText:
                if (format != 0) {
                    return CellValue::text(
                        m_data->formats[format - 1].format.formatText(textOf(c.kind(), c.payload)));
                }
                return CellValue::text(textOf(c.kind(), c.payload));
            case KNumber: {
                double v;
                std::memcpy(&v, &c.payload, sizeof v);
                if (format == 0) {
                    return CellValue::number(v);
                }
                const SheetFormat& f = m_data->formats[format - 1];
                if (f.date) {
                    return CellValue::dateNumber(v, m_dateSystem, f.format.format(v, m_dateSystem));
                }
                return CellValue::shownNumber(v, f.format.format(v, m_dateSystem));
            }
            case KBoolean:
                return CellValue::boolean(c.payload != 0);
            default:
                return CellValue::error(cellErrorText(CellError(c.payload)));
            }
        }
    }
    return CellValue::empty();
}
