#include "OdsReader.h"

#include "Limits.h"
#include "XmlStream.h"
#include "XmlValues.h"
#include "Yielder.h"
#include "ZipPackage.h"

#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr std::string_view kOffice = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
constexpr std::string_view kTable = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
constexpr std::string_view kText = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";
// Where LibreOffice notes that a formula's result is an error.
constexpr std::string_view kCalcExt =
    "urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0";

// Spaces a single <text:s text:c="n"/> may stand for; far above any real use.
constexpr qint64 kMaxSpaceRun = 65536;

class ContentHandler final : public XmlHandler {
public:
    ContentHandler(SheetData& sheet, Yielder& yielder) : m_sheet(sheet), m_yielder(yielder) {}

    bool sawSpreadsheet() const { return m_sawSpreadsheet; }

    void startElement(const XmlName& name, const XmlAttributes& attrs) override {
        ++m_depth;
        if (m_cellDepth != 0) {
            cellContentStart(name, attrs);
            return;
        }
        if (m_tableDepth == 0) {
            if (name.ns == kOffice && name.local == "spreadsheet") {
                m_sawSpreadsheet = true;
                m_spreadsheetDepth = m_depth;
            } else if (m_spreadsheetDepth != 0 && name.ns == kTable && name.local == "table") {
                m_tableDepth = m_depth;
            }
            return;
        }
        if (name.ns != kTable) {
            return;
        }
        if (name.local == "table-row" && m_rowDepth == 0) {
            startRow(attrs);
        } else if (m_rowDepth != 0 && m_depth == m_rowDepth + 1 &&
                   (name.local == "table-cell" || name.local == "covered-table-cell")) {
            startCell(attrs);
        }
    }

    void endElement(const XmlName&) override {
        if (m_cellDepth != 0) {
            if (m_depth == m_cellDepth) {
                endCell();
                m_cellDepth = 0;
            } else if (m_depth == m_skipDepth) {
                m_skipDepth = 0;
            } else if (m_depth == m_paragraphDepth) {
                m_paragraphDepth = 0;
            }
        } else if (m_depth == m_rowDepth) {
            endRow();
            m_rowDepth = 0;
        } else if (m_depth == m_tableDepth) {
            stopEarly(); // only the first table is read
        }
        --m_depth;
    }

    void characters(const char* data, int len) override {
        if (m_paragraphDepth != 0 && m_skipDepth == 0) {
            appendText(data, size_t(len));
        }
    }

private:
    enum class Kind : quint8 { Empty, Text, Number, Boolean, Error };

    struct Pending {
        qint64 column;
        qint64 repeat;
        Kind kind;
        double number; // the number, the truth value, or the code of an error
        size_t textStart;
        size_t textLength;
    };

    void appendText(const char* data, size_t len) {
        if (m_cellText.size() + len > size_t(limits::kMaxCellChars)) {
            fail(cellRefusalReason(CellRefusal::TextTooLong));
            return;
        }
        m_cellText.append(data, len);
    }

    void startRow(const XmlAttributes& attrs) {
        m_rowDepth = m_depth;
        m_rowRepeat = 1;
        if (const char* r = attrs.find("number-rows-repeated", kTable)) {
            m_rowRepeat = std::max<qint64>(
                1, xmlvalues::parseCount(r, qint64(limits::kMaxRows) + 1).value_or(1));
        }
        m_column = 0;
        m_pending.clear();
        m_rowText.clear();
    }

    void startCell(const XmlAttributes& attrs) {
        m_cellDepth = m_depth;
        m_cellText.clear();
        m_paragraphs = 0;
        m_columnRepeat = 1;
        // Attribute texts live only during this call: copied into buffers kept across cells.
        m_valueType.clear();
        m_value.clear();
        m_stringValue.clear();
        m_hasValue = false;
        m_hasStringValue = false;
        m_isError = false;
        const char** raw = attrs.raw();
        for (int i = 0; raw[i]; i += 2) {
            const XmlName n = attrs.name(i);
            const std::string_view ns = n.ns;
            const std::string_view local = n.local;
            const char* const value = raw[i + 1];
            if (ns == kTable && local == "number-columns-repeated") {
                m_columnRepeat = std::max<qint64>(
                    1, xmlvalues::parseCount(value, qint64(limits::kMaxColumns) + 1).value_or(1));
            } else if (ns == kOffice) {
                if (local == "value-type") {
                    m_valueType.assign(value);
                } else if (local == "value" || local == "date-value" || local == "time-value" ||
                           local == "boolean-value") {
                    m_value.assign(value);
                    m_hasValue = true;
                } else if (local == "string-value") {
                    m_stringValue.assign(value);
                    m_hasStringValue = true;
                }
            } else if (ns == kCalcExt && local == "value-type" &&
                       std::string_view(value) == "error") {
                m_isError = true;
            }
        }
    }

    void cellContentStart(const XmlName& name, const XmlAttributes& attrs) {
        if (m_skipDepth != 0) {
            return;
        }
        if (name.ns != kText) {
            // Comments (office:annotation), shapes and frames: not the cell's content.
            m_skipDepth = m_depth;
            return;
        }
        const std::string_view l = name.local;
        if (m_paragraphDepth == 0) {
            if (l == "p" || l == "h") {
                if (m_paragraphs++ > 0) {
                    appendText("\n", 1);
                }
                m_paragraphDepth = m_depth;
            }
            return;
        }
        if (l == "s") {
            qint64 count = 1;
            if (const char* c = attrs.find("c", kText)) {
                count = xmlvalues::parseCount(c, kMaxSpaceRun).value_or(1);
            }
            for (qint64 i = 0; i < count; ++i) {
                appendText(" ", 1);
            }
        } else if (l == "tab") {
            appendText("\t", 1);
        } else if (l == "line-break") {
            appendText("\n", 1);
        } else if (l == "note" || l == "ruby-text") {
            m_skipDepth = m_depth;
        }
    }

    void endCell() {
        m_yielder.tick();
        Pending p{m_column, m_columnRepeat, Kind::Empty, 0.0, 0, 0};
        m_column += m_columnRepeat;
        const std::string_view type = m_valueType;
        if (m_isError) {
            // The error as shown; one this program has no name for ("Err:502") stays text.
            if (const auto error = cellErrorFromText(m_cellText)) {
                p.kind = Kind::Error;
                p.number = double(quint8(*error));
            } else {
                p.kind = m_cellText.empty() ? Kind::Empty : Kind::Text;
            }
        } else if (type == "float" || type == "percentage" || type == "currency" ||
                   type == "date" || type == "time") {
            std::optional<double> v;
            if (m_hasValue) {
                v = type == "date"   ? xmlvalues::isoDateToSerial(m_value)
                    : type == "time" ? xmlvalues::isoDurationToDays(m_value)
                                     : xmlvalues::parseNumber(m_value);
            }
            if (v) {
                p.kind = Kind::Number;
                p.number = *v;
            } else {
                p.kind = m_cellText.empty() ? Kind::Empty : Kind::Text;
            }
        } else if (type == "boolean") {
            const std::string_view b = m_value;
            if (b == "true" || b == "1") {
                p.kind = Kind::Boolean;
                p.number = 1;
            } else if (b == "false" || b == "0") {
                p.kind = Kind::Boolean;
            } else {
                p.kind = m_cellText.empty() ? Kind::Empty : Kind::Text;
            }
        } else if (m_hasStringValue && !m_stringValue.empty()) {
            // The stored text wins over the shown one; an empty one does not hide it.
            m_cellText = m_stringValue;
            p.kind = m_cellText.empty() ? Kind::Empty : Kind::Text;
        } else {
            // Strings, and cells with text but no value type (as some producers write the
            // shown result of a formula that failed): the text as shown.
            p.kind = m_cellText.empty() ? Kind::Empty : Kind::Text;
        }
        if (p.kind == Kind::Empty) {
            return; // an empty cell, however often repeated, costs nothing
        }
        if (p.kind == Kind::Text) {
            p.textStart = m_rowText.size();
            p.textLength = m_cellText.size();
            m_rowText.append(m_cellText);
        }
        m_pending.push_back(p);
    }

    void endRow() {
        const qint64 firstRow = m_row + 1;
        m_row += m_rowRepeat;
        if (m_pending.empty()) {
            return;
        }
        if (firstRow > limits::kMaxRows) {
            fail(u"it has a cell beyond the last row a worksheet can hold (row 1,048,576)."_s);
            return;
        }
        // Repeats that carry content are applied up to the sheet's edges.
        const qint64 rows = std::min(m_rowRepeat, qint64(limits::kMaxRows) - firstRow + 1);
        qint64 cellsPerRow = 0;
        for (Pending& p : m_pending) {
            if (p.column >= limits::kMaxColumns) {
                fail(u"it has a cell beyond the last column a worksheet can hold (column "
                     "XFD)."_s);
                return;
            }
            p.repeat = std::min(p.repeat, qint64(limits::kMaxColumns) - p.column);
            cellsPerRow += p.repeat;
        }
        if (cellsPerRow * rows > limits::kMaxCells - m_sheet.cellCount()) {
            fail(u"it holds more cells than this program can keep (its repeated rows and "
                 "columns add up to tens of millions of cells)."_s);
            return;
        }
        for (const Pending& p : m_pending) {
            qint64 shared = -1;
            if (p.kind == Kind::Text) {
                xmlvalues::utf8ToUtf16(
                    std::string_view(m_rowText).substr(p.textStart, p.textLength), m_text);
                if (p.repeat > 1 || rows > 1) {
                    // One copy of a repeated text, referenced by every repeat.
                    shared =
                        m_sheet.addSharedText(QStringView(m_text.data(), qsizetype(m_text.size())));
                    if (shared < 0) {
                        fail(cellRefusalReason(CellRefusal::TextTooLong));
                        return;
                    }
                }
            }
            for (qint64 r = firstRow; r < firstRow + rows; ++r) {
                for (qint64 c = p.column; c < p.column + p.repeat; ++c) {
                    CellWrite written;
                    const auto row = qint32(r);
                    const auto column = qint32(c);
                    switch (p.kind) {
                    case Kind::Text:
                        written = shared >= 0
                                      ? m_sheet.setSharedText(row, column, shared)
                                      : m_sheet.setText(
                                            row, column,
                                            QStringView(m_text.data(), qsizetype(m_text.size())));
                        break;
                    case Kind::Number:
                        written = m_sheet.setNumber(row, column, p.number);
                        break;
                    case Kind::Boolean:
                        written = m_sheet.setBoolean(row, column, p.number != 0);
                        break;
                    case Kind::Error:
                        written = m_sheet.setError(row, column, CellError(quint8(p.number)));
                        break;
                    case Kind::Empty:
                        break;
                    }
                    if (!written) {
                        fail(cellRefusalReason(written.refusal));
                        return;
                    }
                }
                m_yielder.tick();
            }
        }
    }

    SheetData& m_sheet;
    Yielder& m_yielder;
    int m_depth = 0;
    int m_spreadsheetDepth = 0;
    int m_tableDepth = 0;
    int m_rowDepth = 0;
    int m_cellDepth = 0;
    int m_paragraphDepth = 0;
    int m_skipDepth = 0;
    bool m_sawSpreadsheet = false;
    qint64 m_row = 0;
    qint64 m_rowRepeat = 1;
    qint64 m_column = 0;
    qint64 m_columnRepeat = 1;
    int m_paragraphs = 0;
    std::string m_valueType;
    std::string m_value;
    std::string m_stringValue;
    bool m_hasValue = false;
    bool m_hasStringValue = false;
    bool m_isError = false;
    std::string m_cellText;
    std::string m_rowText;
    std::vector<Pending> m_pending;
    std::u16string m_text;
};

} // namespace

Status readOdsPackage(const ZipPackage& zip, SheetData& sheet, Yielder& yielder) {
    const qint64 content = zip.find("content.xml");
    if (content < 0) {
        return Status::failure(u"it is damaged (its content part, content.xml, is missing)."_s);
    }
    ContentHandler handler(sheet, yielder);
    if (Status s = parseZipPart(zip, content, handler, u"content.xml"_s, yielder); !s) {
        return s;
    }
    if (!handler.sawSpreadsheet()) {
        return Status::failure(u"it is not a spreadsheet (its content holds no table body)."_s);
    }
    return Status::success();
}
