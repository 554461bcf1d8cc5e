#include "CsvReader.h"

#include "Limits.h"
#include "SheetData.h"
#include "TextDecoding.h"
#include "Yielder.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSysInfo>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

// Reading choices that are ours to make:
// - Field text is kept exactly as written: a CR LF inside quotes stays CR LF, nothing is
//   trimmed, nothing becomes a number.
// - An opening quote that is never closed keeps everything up to the end of the file as the
//   last field, as a spreadsheet program does, rather than refusing the whole list.
// - A NUL character anywhere refuses the file: a list of contacts never holds one, and a
//   NUL in a name would only end up cutting cards short.
// - Empty lines are rows without cells (they count towards the five blank rows that end the
//   data); a line end at the very end of the file does not start another row.
// - A byte-order mark settles the encoding: ill-formed bytes after a UTF-8 mark become
//   U+FFFD instead of switching the file to Windows-1252.

namespace {

constexpr char16_t kQuote = u'"';
constexpr char16_t kCr = u'\r';
constexpr char16_t kLf = u'\n';
// Records looked at to guess the delimiter.
constexpr int kSniffRecords = 20;

inline bool endsField(char16_t c, char16_t delimiter) {
    return c == delimiter || c == kLf || c == kCr;
}

// Units of a file encoded one byte at a time (UTF-8, Windows-1252). Every structural
// character (quote, delimiter, line ends) is ASCII and never part of a multi-byte sequence,
// so the bytes can be split at them before decoding.
class ByteUnits {
public:
    ByteUnits(const uchar* data, qsizetype size, bool utf8) : m_d(data), m_n(size), m_utf8(utf8) {}
    qsizetype size() const { return m_n; }
    char16_t at(qsizetype i) const { return m_d[i]; }
    qsizetype findQuote(qsizetype from) const {
        const void* q = std::memchr(m_d + from, '"', size_t(m_n - from));
        return q ? qsizetype(static_cast<const uchar*>(q) - m_d) : m_n;
    }
    // First delimiter or line end from `from` on (size() when none).
    qsizetype fieldEnd(qsizetype from, char16_t delimiter) const {
        if (delimiter >= 0x100) {
            return m_n; // a byte can never be it; only line ends end fields
        }
        const uchar d = uchar(delimiter);
        const uchar* p = m_d + from;
        const uchar* const end = m_d + m_n;
        while (p < end && *p != d && *p != '\n' && *p != '\r') {
            ++p;
        }
        return qsizetype(p - m_d);
    }
    qsizetype decode(qsizetype from, qsizetype to, char16_t* out) const {
        return qsizetype(m_utf8
                             ? textdecoding::decodeUtf8(m_d + from, size_t(to - from), out)
                             : textdecoding::decodeWindows1252(m_d + from, size_t(to - from), out));
    }

private:
    const uchar* m_d;
    qsizetype m_n;
    bool m_utf8;
};

// Units of UTF-16 text, read in the given byte order. Lone surrogates become U+FFFD.
template <bool BigEndian> class Utf16Units {
public:
    Utf16Units(const uchar* data, qsizetype units) : m_d(data), m_n(units) {}
    qsizetype size() const { return m_n; }
    char16_t at(qsizetype i) const {
        return BigEndian ? qFromBigEndian<quint16>(m_d + 2 * i)
                         : qFromLittleEndian<quint16>(m_d + 2 * i);
    }
    qsizetype findQuote(qsizetype from) const {
        while (from < m_n && at(from) != kQuote) {
            ++from;
        }
        return from;
    }
    qsizetype fieldEnd(qsizetype from, char16_t delimiter) const {
        while (from < m_n && !endsField(at(from), delimiter)) {
            ++from;
        }
        return from;
    }
    qsizetype decode(qsizetype from, qsizetype to, char16_t* out) const {
        char16_t* o = out;
        for (qsizetype i = from; i < to; ++i) {
            const char16_t c = at(i);
            if (QChar::isHighSurrogate(c) && i + 1 < to && QChar::isLowSurrogate(at(i + 1))) {
                *o++ = c;
                *o++ = at(++i);
            } else if (QChar::isSurrogate(c)) {
                *o++ = 0xFFFD;
            } else {
                *o++ = c;
            }
        }
        return qsizetype(o - out);
    }

private:
    const uchar* m_d;
    qsizetype m_n;
};

using Utf16Host = Utf16Units<QSysInfo::ByteOrder == QSysInfo::BigEndian>;

// Walks the records from pos, telling the sink about records, fields and the pieces of
// field text between quotes. Any sink call may return false to stop.
template <class Units, class Sink>
void scanRecords(const Units& src, qsizetype pos, char16_t delimiter, Sink& sink) {
    const qsizetype n = src.size();
    while (pos < n) {
        const char16_t first = src.at(pos);
        if (!sink.beginRecord(first == kCr || first == kLf)) {
            return;
        }
        for (;;) {
            if (!sink.beginField()) {
                return;
            }
            if (pos < n && src.at(pos) == kQuote) {
                ++pos;
                qsizetype piece = pos;
                for (;;) {
                    const qsizetype q = src.findQuote(pos);
                    if (q >= n) { // never closed: the rest of the file is this field
                        if (!sink.piece(piece, n)) {
                            return;
                        }
                        pos = n;
                        break;
                    }
                    if (q + 1 < n && src.at(q + 1) == kQuote) { // "" stands for one quote
                        if (!sink.piece(piece, q + 1)) {
                            return;
                        }
                        pos = q + 2;
                        piece = pos;
                        continue;
                    }
                    if (!sink.piece(piece, q)) {
                        return;
                    }
                    pos = q + 1;
                    break;
                }
            }
            // Unquoted text, or text after a closing quote: taken literally, quotes included.
            const qsizetype start = pos;
            pos = src.fieldEnd(pos, delimiter);
            if (pos > start && !sink.piece(start, pos)) {
                return;
            }
            if (!sink.endField()) {
                return;
            }
            if (pos >= n) {
                break;
            }
            const char16_t c = src.at(pos++);
            if (c == delimiter) {
                continue; // a delimiter at the very end still opens an (empty) last field
            }
            if (c == kCr && pos < n && src.at(pos) == kLf) {
                ++pos;
            }
            break;
        }
        if (!sink.endRecord()) {
            return;
        }
    }
}

// Counts the fields of the first non-empty records, to guess the delimiter.
struct CountingSink {
    std::array<qint64, kSniffRecords> counts{};
    int records = 0;
    qint64 current = 0;
    bool emptyLine = false;

    bool beginRecord(bool empty) {
        emptyLine = empty;
        current = 0;
        return true;
    }
    bool beginField() { return true; }
    bool piece(qsizetype, qsizetype) { return true; }
    bool endField() {
        ++current;
        return true;
    }
    bool endRecord() {
        if (!emptyLine) {
            counts[size_t(records++)] = current;
        }
        return records < kSniffRecords;
    }
};

template <class Units> char16_t guessDelimiter(const Units& src, qsizetype start) {
    constexpr char16_t candidates[] = {u',', u';', u'\t'};
    char16_t best = 0;
    qint64 bestCount = 1;
    char16_t widest = 0; // fallback: the one that splits the first record the most
    qint64 widestCount = 1;
    for (const char16_t d : candidates) {
        CountingSink counter;
        scanRecords(src, start, d, counter);
        if (counter.records == 0) {
            continue;
        }
        bool consistent = true;
        for (int i = 1; i < counter.records; ++i) {
            consistent = consistent && counter.counts[size_t(i)] == counter.counts[0];
        }
        if (consistent && counter.counts[0] > bestCount) {
            best = d;
            bestCount = counter.counts[0];
        }
        if (counter.counts[0] > widestCount) {
            widest = d;
            widestCount = counter.counts[0];
        }
    }
    if (best != 0) {
        return best;
    }
    return widest != 0 ? widest : u',';
}

QString number(qint64 n) {
    return QLocale(QLocale::English).toString(n);
}

// Stores each non-empty field as a text cell and enforces the sheet's limits.
template <class Units> class SheetSink {
public:
    SheetSink(const Units& src, SheetData& sheet, Yielder& yielder)
        : m_src(src), m_sheet(sheet), m_yielder(yielder) {}

    bool beginRecord(bool emptyLine) {
        ++m_row;
        m_column = 0;
        // Empty lines past the last row hold nothing, so they are no reason to refuse.
        if (m_row > limits::kMaxRows && !emptyLine) {
            return fail(E2V_SENTENCE(QT_TRANSLATE_NOOP(
                                         "Workbook",
                                         "it has more than %1 rows, more than a worksheet holds."))
                            .arg(number(limits::kMaxRows)));
        }
        return true;
    }
    bool beginField() {
        if (m_column >= limits::kMaxColumns) {
            return fail(
                E2V_SENTENCE(
                    QT_TRANSLATE_NOOP(
                        "Workbook",
                        "row %1 has more than %2 fields, more than a worksheet has columns."))
                    .arg(number(m_row))
                    .arg(number(limits::kMaxColumns)));
        }
        m_length = 0;
        return true;
    }
    bool piece(qsizetype from, qsizetype to) {
        reserve(m_length + (to - from));
        m_length += m_src.decode(from, to, m_buffer.get() + m_length);
        if (m_length > limits::kMaxCellChars) {
            return fail(
                E2V_SENTENCE(QT_TRANSLATE_NOOP(
                                 "Workbook",
                                 "a field in row %1 is longer than %2 characters, more than a cell "
                                 "may hold."))
                    .arg(number(m_row))
                    .arg(number(limits::kMaxCellChars)));
        }
        return true;
    }
    bool endField() {
        if (m_length > 0) {
            const CellWrite w = m_sheet.setText(qint32(m_row), qint32(m_column),
                                                QStringView(m_buffer.get(), m_length));
            if (!w) {
                return fail(cellRefusalReason(w.refusal));
            }
        }
        ++m_column;
        m_yielder.tick();
        return true;
    }
    bool endRecord() { return true; }

    const Sentence& failure() const { return m_failure; }

private:
    bool fail(Sentence reason) {
        m_failure = std::move(reason);
        return false;
    }
    void reserve(qsizetype needed) {
        if (needed <= m_capacity) {
            return;
        }
        const qsizetype capacity = std::max(needed, std::max<qsizetype>(m_capacity * 2, 256));
        auto grown = std::make_unique_for_overwrite<char16_t[]>(size_t(capacity));
        if (m_length > 0) {
            std::memcpy(grown.get(), m_buffer.get(), size_t(m_length) * sizeof(char16_t));
        }
        m_buffer = std::move(grown);
        m_capacity = capacity;
    }

    const Units& m_src;
    SheetData& m_sheet;
    Yielder& m_yielder;
    std::unique_ptr<char16_t[]> m_buffer;
    qsizetype m_capacity = 0;
    qsizetype m_length = 0;
    qint64 m_row = 0;
    qint64 m_column = 0;
    Sentence m_failure;
};

// A first line "sep=X" names the delimiter and is not data. Returns the delimiter in the
// file's units and moves pos past the line; 0 when the first line is something else.
template <class Units> char16_t sepLine(const Units& src, qsizetype& pos) {
    const qsizetype n = src.size();
    if (n - pos < 5) {
        return 0;
    }
    const auto lower = [&](qsizetype i) { return char16_t(src.at(i) | 0x20); };
    if (lower(pos) != u's' || lower(pos + 1) != u'e' || lower(pos + 2) != u'p' ||
        src.at(pos + 3) != u'=') {
        return 0;
    }
    const char16_t d = src.at(pos + 4);
    if (d == kQuote || d == kCr || d == kLf) {
        return 0;
    }
    qsizetype end = pos + 5;
    if (end < n && src.at(end) != kCr && src.at(end) != kLf) {
        return 0;
    }
    if (end < n && src.at(end) == kCr) {
        ++end;
    }
    if (end < n && src.at(end) == kLf) {
        ++end;
    }
    pos = end;
    return d;
}

template <class Units>
Status readUnits(const Units& src, qsizetype start, char16_t delimiter, SheetData& sheet,
                 Yielder& yielder) {
    if (delimiter == 0) {
        delimiter = guessDelimiter(src, start);
    }
    SheetSink<Units> sink(src, sheet, yielder);
    scanRecords(src, start, delimiter, sink);
    if (!sink.failure().isEmpty()) {
        return Status::failure(sink.failure());
    }
    return Status::success();
}

// Line number (from 1) of a unit, for messages.
template <class Units> qint64 lineOf(const Units& src, qsizetype unit) {
    qint64 line = 1;
    for (qsizetype i = 0; i < unit; ++i) {
        line += src.at(i) == kLf ? 1 : 0;
    }
    return line;
}

Status nulFailure(qint64 line) {
    return Status::failure(
        E2V_SENTENCE(QT_TRANSLATE_NOOP(
                         "Workbook",
                         "it contains a NUL character (line %1), so it is not a plain text list."))
            .arg(number(line)));
}

template <bool BigEndian>
Status readUtf16(const uchar* data, qsizetype size, SheetData& sheet, Yielder& yielder) {
    if (size % 2 != 0) {
        return Status::failure(E2V_SENTENCE(QT_TRANSLATE_NOOP(
            "Workbook", "it is damaged (its UTF-16 text ends in the middle of a character).")));
    }
    const Utf16Units<BigEndian> src(data, size / 2);
    for (qsizetype i = 0; i < src.size(); ++i) {
        if (src.at(i) == 0) {
            return nulFailure(lineOf(src, i));
        }
    }
    qsizetype start = 0;
    const char16_t delimiter = sepLine(src, start);
    return readUnits(src, start, delimiter, sheet, yielder);
}

// The delimiter of a UTF-8 "sep=" line whose character is not ASCII; 0 when there is none.
char16_t wideSepCharacter(const uchar* data, qsizetype size) {
    if (size < 5 || (data[0] | 0x20) != 's' || (data[1] | 0x20) != 'e' || (data[2] | 0x20) != 'p' ||
        data[3] != '=' || data[4] < 0x80) {
        return 0;
    }
    qsizetype eol = 4;
    while (eol < size && data[eol] != '\r' && data[eol] != '\n') {
        ++eol;
    }
    char16_t one[4];
    if (eol - 4 > 3 || !textdecoding::isValidUtf8(data + 4, size_t(eol - 4)) ||
        textdecoding::decodeUtf8(data + 4, size_t(eol - 4), one) != 1) {
        return 0; // several characters, or one beyond the 16-bit range: an ordinary line
    }
    return one[0];
}

Status readBytes(const uchar* data, qsizetype size, bool utf8, SheetData& sheet, Yielder& yielder) {
    const ByteUnits src(data, size, utf8);
    if (const void* nul = std::memchr(data, 0, size_t(size))) {
        return nulFailure(lineOf(src, static_cast<const uchar*>(nul) - data));
    }
    if (utf8 && wideSepCharacter(data, size) != 0) {
        // A delimiter of several bytes: split the decoded text instead. Costs a copy of the
        // text, for a kind of file that is rare.
        auto text = std::make_unique_for_overwrite<char16_t[]>(size_t(size));
        const auto units = qsizetype(textdecoding::decodeUtf8(data, size_t(size), text.get()));
        const Utf16Host wide(reinterpret_cast<const uchar*>(text.get()), units);
        qsizetype start = 0;
        const char16_t delimiter = sepLine(wide, start);
        return readUnits(wide, start, delimiter, sheet, yielder);
    }
    qsizetype start = 0;
    const char16_t delimiter = sepLine(src, start);
    return readUnits(src, start, delimiter, sheet, yielder);
}

} // namespace

QString csvSheetName(const QString& path) {
    return QFileInfo(path).completeBaseName();
}

Status readCsvWorkbook(const QString& path, qint32 sheet, LoadedSheet& out, Yielder& yielder) {
    out.format = WorkbookFormat::Csv;
    out.sheetNames = {csvSheetName(path)};
    if (sheet == kSheetNamesOnly) {
        return Status::success();
    }
    if (sheet != 0) {
        return Status::failure(missingSheetReason(sheet, 1));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Status::failure(
            E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "the file cannot be opened (%1)."))
                .arg(file.errorString()));
    }
    const qint64 size = file.size();
    if (size == 0) {
        return Status::success();
    }
    // Mapped rather than read: the file's pages are the only copy of its bytes we hold.
    QByteArray whole;
    const uchar* data = file.map(0, size);
    qsizetype n = qsizetype(size);
    if (!data) { // not a regular file (a pipe, say): read it instead
        whole = file.readAll();
        data = reinterpret_cast<const uchar*>(whole.constData());
        n = whole.size();
    }
    if (n >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) {
        return readBytes(data + 3, n - 3, true, out.sheet, yielder);
    }
    if (n >= 2 && data[0] == 0xFF && data[1] == 0xFE) {
        return readUtf16<false>(data + 2, n - 2, out.sheet, yielder);
    }
    if (n >= 2 && data[0] == 0xFE && data[1] == 0xFF) {
        return readUtf16<true>(data + 2, n - 2, out.sheet, yielder);
    }
    // Without a byte-order mark: UTF-8 when every byte sequence is, else the Windows code
    // page spreadsheet programs write on Western systems.
    const bool utf8 = textdecoding::isValidUtf8(data, size_t(n));
    return readBytes(data, n, utf8, out.sheet, yielder);
}
