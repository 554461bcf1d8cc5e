#include "OdsReader.h"

#include "Limits.h"
#include "OdsNumberStyles.h"
#include "WorkbookReader.h"
#include "XmlStream.h"
#include "XmlValues.h"
#include "Yielder.h"
#include "ZipPackage.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr std::string_view kOffice = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
constexpr std::string_view kTable = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
constexpr std::string_view kText = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";
constexpr std::string_view kStyle = "urn:oasis:names:tc:opendocument:xmlns:style:1.0";
constexpr std::string_view kNumber = "urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0";
// Where LibreOffice notes that a formula's result is an error.
constexpr std::string_view kCalcExt =
    "urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0";

// Spaces a single <text:s text:c="n"/> may stand for; far above any real use.
constexpr qint64 kMaxSpaceRun = 65536;

bool isTrue(const char* v) {
    return v && std::string_view(v) == "true";
}

int intAttr(const XmlAttributes& attrs, std::string_view local, int absent) {
    // Attributes of the number namespace; LibreOffice writes some of them in its own
    // extension namespace first.
    const char* v = attrs.find(local, kNumber);
    if (!v) {
        v = attrs.findAnyNs(local);
    }
    if (!v) {
        return absent;
    }
    return int(xmlvalues::parseCount(v, 1000).value_or(qint64(absent)));
}

// The document's data styles (number:*-style) and cell styles (style:style of the
// table-cell family), collected from styles.xml and the automatic styles of content.xml,
// and the sheet's format for each cell style, made when a cell first uses it.
class OdsStyles {
public:
    // Every element inside office:styles or office:automatic-styles, with its depth.
    void startElement(const XmlName& name, const XmlAttributes& attrs, int depth) {
        if (m_dataDepth != 0) {
            dataStyleChild(name, attrs, depth);
            return;
        }
        if (name.ns == kNumber && name.local.ends_with("-style")) {
            startDataStyle(name.local, attrs, depth);
        } else if (name.ns == kStyle && name.local == "style") {
            const char* family = attrs.find("family", kStyle);
            const char* styleName = attrs.find("name", kStyle);
            if (family && std::string_view(family) == "table-cell" && styleName &&
                m_cellStyles.size() < kMaxStyles) {
                CellStyle& c = m_cellStyles[styleName];
                const char* parent = attrs.find("parent-style-name", kStyle);
                const char* data = attrs.find("data-style-name", kStyle);
                c.parent = parent ? parent : "";
                c.dataStyle = data ? data : "";
            }
        }
    }

    void endElement(int depth) {
        if (depth == m_textDepth) {
            m_textDepth = 0;
        }
        if (depth == m_dataDepth) {
            m_dataDepth = 0;
            if (m_dataStyles.size() < kMaxStyles) {
                m_dataStyles[m_name] = std::move(m_current);
            }
            m_current = DataStyle();
        }
    }

    void characters(const char* data, int len) {
        if (m_textDepth != 0 && m_text && m_text->size() < kMaxLiteral) {
            m_text->append(QString::fromUtf8(data, len));
        }
    }

    struct CellFormat {
        SheetData::FormatIndex index = 0;
        bool truthValue = false; // a true/false data style: numbers show as TRUE or FALSE
    };

    // The sheet's format of a cell style: its data style, or the one it inherits.
    CellFormat formatOf(const std::string& cellStyle, SheetData& sheet) {
        if (cellStyle.empty()) {
            return {};
        }
        if (cellStyle == m_lastStyle) {
            return m_lastFormat;
        }
        CellFormat format;
        if (const auto known = m_formats.find(cellStyle); known != m_formats.end()) {
            format = known->second;
        } else {
            format = makeFormat(cellStyle, sheet);
            if (m_formats.size() < kMaxStyles) {
                m_formats.emplace(cellStyle, format);
            }
        }
        m_lastStyle = cellStyle;
        m_lastFormat = format;
        return format;
    }

private:
    // Far above what real documents hold; the caps only bound a hostile one.
    static constexpr size_t kMaxStyles = size_t(1) << 16;
    static constexpr size_t kMaxParts = 256;
    static constexpr qsizetype kMaxLiteral = 1024;
    static constexpr int kMaxInheritance = 32;

    struct CellStyle {
        std::string dataStyle;
        std::string parent;
    };
    struct DataStyle {
        OdsFormatStyle style;
        std::vector<std::pair<QString, std::string>> maps; // condition, data style name
    };

    void startDataStyle(std::string_view local, const XmlAttributes& attrs, int depth) {
        using F = OdsFormatStyle::Family;
        const char* styleName = attrs.find("name", kStyle);
        if (!styleName) {
            return;
        }
        m_dataDepth = depth;
        m_name = styleName;
        m_current = DataStyle();
        OdsFormatStyle& s = m_current.style;
        s.family = local == "percentage-style" ? F::Percentage
                   : local == "currency-style" ? F::Currency
                   : local == "date-style"     ? F::Date
                   : local == "time-style"     ? F::Time
                   : local == "boolean-style"  ? F::Boolean
                   : local == "text-style"     ? F::Text
                                               : F::Number;
        const char* truncate = attrs.find("truncate-on-overflow", kNumber);
        s.truncateOnOverflow = !(truncate && std::string_view(truncate) == "false");
        const char* source = attrs.find("format-source", kNumber);
        s.localeFormat = source && std::string_view(source) == "language";
    }

    void dataStyleChild(const XmlName& name, const XmlAttributes& attrs, int depth) {
        using K = OdsFormatPart::Kind;
        if (name.ns == kStyle && name.local == "map" && depth == m_dataDepth + 1) {
            const char* condition = attrs.find("condition", kStyle);
            const char* apply = attrs.find("apply-style-name", kStyle);
            if (condition && apply && m_current.maps.size() < 3) {
                m_current.maps.emplace_back(QString::fromUtf8(condition), apply);
            }
            return;
        }
        if (name.ns != kNumber) {
            return;
        }
        QList<OdsFormatPart>& parts = m_current.style.parts;
        if (name.local == "embedded-text" && depth == m_dataDepth + 2 && !parts.isEmpty() &&
            parts.back().kind == K::Number && parts.back().embeddedTexts.size() < 32) {
            parts.back().embeddedTexts.append({intAttr(attrs, "position", 0), QString()});
            collectText(&parts.back().embeddedTexts.back().second, depth);
            return;
        }
        if (depth != m_dataDepth + 1 || parts.size() >= qsizetype(kMaxParts)) {
            return;
        }
        static const std::pair<std::string_view, K> kKinds[] = {
            {"number", K::Number},
            {"scientific-number", K::Scientific},
            {"fraction", K::Fraction},
            {"text", K::Text},
            {"text-content", K::TextContent},
            {"currency-symbol", K::CurrencySymbol},
            {"year", K::Year},
            {"month", K::Month},
            {"day", K::Day},
            {"day-of-week", K::DayOfWeek},
            {"hours", K::Hours},
            {"minutes", K::Minutes},
            {"seconds", K::Seconds},
            {"am-pm", K::AmPm},
            {"boolean", K::Boolean},
        };
        const auto kind = std::find_if(std::begin(kKinds), std::end(kKinds),
                                       [&](const auto& k) { return k.first == name.local; });
        if (kind == std::end(kKinds)) {
            return; // fill characters, quarters, weeks, eras: nothing the format language has
        }
        OdsFormatPart p;
        p.kind = kind->second;
        const char* style = attrs.find("style", kNumber);
        p.longStyle = style && std::string_view(style) == "long";
        p.textual = isTrue(attrs.find("textual", kNumber));
        p.grouping = isTrue(attrs.find("grouping", kNumber));
        p.decimalPlaces = intAttr(attrs, "decimal-places", p.kind == K::Number ? -1 : 0);
        p.minDecimalPlaces = intAttr(attrs, "min-decimal-places", -1);
        p.minIntegerDigits = intAttr(attrs, "min-integer-digits", p.kind == K::Fraction ? -1 : 1);
        p.minExponentDigits = intAttr(attrs, "min-exponent-digits", 2);
        p.exponentInterval = intAttr(attrs, "exponent-interval", 1);
        const char* sign = attrs.findAnyNs("forced-exponent-sign");
        p.forcedExponentSign = !(sign && std::string_view(sign) == "false");
        p.numeratorDigits = std::max(intAttr(attrs, "min-numerator-digits", 1),
                                     intAttr(attrs, "max-numerator-digits", 1));
        p.denominatorDigits = intAttr(attrs, "min-denominator-digits", 1);
        if (const char* most = attrs.findAnyNs("max-denominator-value")) {
            p.denominatorDigits = std::max(p.denominatorDigits, int(std::string_view(most).size()));
        }
        p.denominatorValue = intAttr(attrs, "denominator-value", 0);
        if (const char* factor = attrs.find("display-factor", kNumber)) {
            const double f = xmlvalues::parseNumber(factor).value_or(1);
            p.displayFactor = std::isfinite(f) && f > 0 ? f : 1;
        }
        parts.append(p);
        if (p.kind == K::Text || p.kind == K::CurrencySymbol) {
            collectText(&parts.back().text, depth);
        }
    }

    void collectText(QString* target, int depth) {
        m_text = target;
        m_textDepth = depth;
    }

    CellFormat makeFormat(const std::string& cellStyle, SheetData& sheet) {
        // The data style of the style itself, else of its parents.
        const DataStyle* data = nullptr;
        std::string name = cellStyle;
        for (int i = 0; i < kMaxInheritance && !data; ++i) {
            const auto style = m_cellStyles.find(name);
            if (style == m_cellStyles.end()) {
                break;
            }
            if (!style->second.dataStyle.empty()) {
                const auto found = m_dataStyles.find(style->second.dataStyle);
                if (found == m_dataStyles.end()) {
                    break;
                }
                data = &found->second;
            }
            name = style->second.parent;
        }
        if (!data) {
            return {};
        }
        if (data->style.family == OdsFormatStyle::Family::Boolean) {
            return {0, true};
        }
        QList<OdsFormatMap> maps;
        for (const auto& [condition, applied] : data->maps) {
            const auto found = m_dataStyles.find(applied);
            if (found != m_dataStyles.end()) {
                maps.append({condition, found->second.style});
            }
        }
        return {sheet.addFormat(NumberFormat::parse(odsFormatCode(data->style, maps))), false};
    }

    std::unordered_map<std::string, CellStyle> m_cellStyles;
    std::unordered_map<std::string, DataStyle> m_dataStyles;
    std::unordered_map<std::string, CellFormat> m_formats;
    std::string m_lastStyle;
    CellFormat m_lastFormat;
    // The data style being read.
    int m_dataDepth = 0;
    std::string m_name;
    DataStyle m_current;
    QString* m_text = nullptr;
    int m_textDepth = 0;
};

// styles.xml: the common styles (office:styles), which the cells' automatic styles name as
// parents and which hold the data styles of formats a user defined.
class StylesPartHandler final : public XmlHandler {
public:
    explicit StylesPartHandler(OdsStyles& styles) : m_styles(styles) {}

    void startElement(const XmlName& name, const XmlAttributes& attrs) override {
        ++m_depth;
        if (m_stylesDepth != 0) {
            m_styles.startElement(name, attrs, m_depth);
        } else if (name.ns == kOffice && name.local == "styles") {
            m_stylesDepth = m_depth;
        }
    }
    void endElement(const XmlName&) override {
        if (m_depth == m_stylesDepth) {
            stopEarly(); // the rest (page layouts, master pages) has no cell formats
        } else if (m_stylesDepth != 0) {
            m_styles.endElement(m_depth);
        }
        --m_depth;
    }
    void characters(const char* data, int len) override {
        if (m_stylesDepth != 0) {
            m_styles.characters(data, len);
        }
    }

private:
    OdsStyles& m_styles;
    int m_depth = 0;
    int m_stylesDepth = 0;
};

class ContentHandler final : public XmlHandler {
public:
    // Reads table number wanted (none when negative) and lists every table's name.
    ContentHandler(SheetData& sheet, Yielder& yielder, OdsStyles& styles, qint32 wanted,
                   QStringList& names)
        : m_sheet(sheet), m_yielder(yielder), m_styles(styles), m_wanted(wanted), m_names(names) {}

    bool sawSpreadsheet() const { return m_sawSpreadsheet; }
    qint64 tableCount() const { return m_tables; }

    void startElement(const XmlName& name, const XmlAttributes& attrs) override {
        ++m_depth;
        if (m_cellDepth != 0) {
            cellContentStart(name, attrs);
            return;
        }
        if (m_autoStylesDepth != 0) {
            m_styles.startElement(name, attrs, m_depth);
            return;
        }
        if (m_tableDepth == 0) {
            if (name.ns == kOffice && name.local == "automatic-styles" && m_depth == 2) {
                m_autoStylesDepth = m_depth;
            } else if (name.ns == kOffice && name.local == "spreadsheet") {
                m_sawSpreadsheet = true;
                m_spreadsheetDepth = m_depth;
            } else if (m_spreadsheetDepth != 0 && name.ns == kTable && name.local == "table") {
                startTable(attrs);
            }
            return;
        }
        if (!m_readingTable || name.ns != kTable) {
            // The cells of the other tables are passed over unread.
            return;
        }
        if (name.local == "table-row" && m_rowDepth == 0) {
            startRow(attrs);
        } else if (name.local == "table-column" && m_rowDepth == 0) {
            addColumns(attrs);
        } else if (m_rowDepth != 0 && m_depth == m_rowDepth + 1 &&
                   (name.local == "table-cell" || name.local == "covered-table-cell")) {
            startCell(attrs, name.local == "covered-table-cell");
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
        } else if (m_depth == m_autoStylesDepth) {
            m_autoStylesDepth = 0;
        } else if (m_autoStylesDepth != 0) {
            m_styles.endElement(m_depth);
        } else if (m_depth == m_tableDepth) {
            m_tableDepth = 0;
            m_readingTable = false;
        } else if (m_depth == m_spreadsheetDepth) {
            stopEarly(); // every table has been seen
        }
        --m_depth;
    }

    void characters(const char* data, int len) override {
        if (m_paragraphDepth != 0 && m_skipDepth == 0) {
            appendText(data, size_t(len));
        } else if (m_autoStylesDepth != 0) {
            m_styles.characters(data, len);
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
        SheetData::FormatIndex format;
    };

    // Columns with a default cell style, for the cells that name none.
    struct ColumnRun {
        qint64 end; // one past the last column of the run
        std::string cellStyle;
    };

    void startTable(const XmlAttributes& attrs) {
        m_tableDepth = m_depth;
        m_readingTable = m_tables == m_wanted;
        ++m_tables;
        if (m_names.size() < limits::kMaxSheets) {
            const char* tableName = attrs.find("name", kTable);
            m_names.append(
                QString::fromUtf8(tableName ? tableName : "").left(limits::kMaxSheetNameChars));
        }
    }

    void appendText(const char* data, size_t len) {
        if (m_cellText.size() + len > size_t(limits::kMaxCellChars)) {
            fail(cellRefusalReason(CellRefusal::TextTooLong));
            return;
        }
        m_cellText.append(data, len);
    }

    void addColumns(const XmlAttributes& attrs) {
        qint64 repeat = 1;
        if (const char* r = attrs.find("number-columns-repeated", kTable)) {
            repeat = std::max<qint64>(
                1, xmlvalues::parseCount(r, qint64(limits::kMaxColumns) + 1).value_or(1));
        }
        const qint64 start = m_columns.empty() ? 0 : m_columns.back().end;
        if (start >= limits::kMaxColumns) {
            return;
        }
        const char* style = attrs.find("default-cell-style-name", kTable);
        m_columns.push_back({std::min(start + repeat, qint64(limits::kMaxColumns)),
                             style ? std::string(style) : std::string()});
    }

    const std::string& columnStyle(qint64 column) const {
        static const std::string none;
        const auto run = std::upper_bound(m_columns.begin(), m_columns.end(), column,
                                          [](qint64 c, const ColumnRun& r) { return c < r.end; });
        return run == m_columns.end() ? none : run->cellStyle;
    }

    // A date, time or percentage without a data style of its kind still shows as one:
    // dates and times in ISO 8601, percentages as LibreOffice shows them.
    SheetData::FormatIndex defaultFormat(std::string_view type, double value) {
        int which;
        if (type == "date") {
            which = value == std::floor(value) ? 0 : 1;
        } else if (type == "time") {
            which = 2;
        } else if (type == "percentage") {
            which = 3;
        } else {
            return 0;
        }
        static const char16_t* const kCodes[] = {u"yyyy-mm-dd", u"yyyy-mm-dd hh:mm", u"[hh]:mm:ss",
                                                 u"0.00%"};
        if (m_defaultFormats[which] < 0) {
            m_defaultFormats[which] = m_sheet.addFormat(NumberFormat::parse(kCodes[which]));
        }
        return SheetData::FormatIndex(m_defaultFormats[which]);
    }

    void startRow(const XmlAttributes& attrs) {
        m_rowDepth = m_depth;
        m_rowRepeat = 1;
        const char* style = attrs.find("default-cell-style-name", kTable);
        m_rowStyle.assign(style ? style : "");
        if (const char* r = attrs.find("number-rows-repeated", kTable)) {
            m_rowRepeat = std::max<qint64>(
                1, xmlvalues::parseCount(r, qint64(limits::kMaxRows) + 1).value_or(1));
        }
        m_column = 0;
        m_pending.clear();
        m_rowText.clear();
    }

    void startCell(const XmlAttributes& attrs, bool covered) {
        m_cellDepth = m_depth;
        m_covered = covered;
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
        m_cellStyle.clear();
        const char** raw = attrs.raw();
        for (int i = 0; raw[i]; i += 2) {
            const XmlName n = attrs.name(i);
            const std::string_view ns = n.ns;
            const std::string_view local = n.local;
            const char* const value = raw[i + 1];
            if (ns == kTable && local == "number-columns-repeated") {
                m_columnRepeat = std::max<qint64>(
                    1, xmlvalues::parseCount(value, qint64(limits::kMaxColumns) + 1).value_or(1));
            } else if (ns == kTable && local == "style-name") {
                m_cellStyle.assign(value);
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
        if (name.ns != kText || m_covered) {
            // Comments (office:annotation), shapes and frames: not the cell's content. A
            // covered cell's content lies hidden under the merged cell.
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
        Pending p{m_column, m_columnRepeat, Kind::Empty, 0.0, 0, 0, 0};
        m_column += m_columnRepeat;
        if (m_covered) {
            return; // hidden under a merged cell, whatever it holds: shown as nothing
        }
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
            if (v && type == "date" && *v < 1 && !m_cellText.empty()) {
                // Before 1900: no serial shows it, so the text the producer showed stands.
                v.reset();
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
        if (p.kind == Kind::Number || p.kind == Kind::Text) {
            // The cell's own style, else the row's default, else the column's.
            const std::string& style = !m_cellStyle.empty()  ? m_cellStyle
                                       : !m_rowStyle.empty() ? m_rowStyle
                                                             : columnStyle(p.column);
            const OdsStyles::CellFormat format = m_styles.formatOf(style, m_sheet);
            p.format = format.index;
            if (p.kind == Kind::Number && format.truthValue) {
                // Any number shows as TRUE or FALSE there; some producers store a formula's
                // truth value (=A2>5) so.
                p.kind = Kind::Boolean;
                p.number = p.number != 0 ? 1 : 0;
            } else if (p.kind == Kind::Number && p.format == 0) {
                p.format = defaultFormat(type, p.number);
            }
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
            fail(E2V_SENTENCE(QT_TRANSLATE_NOOP(
                "Workbook",
                "it has a cell beyond the last row a worksheet can hold (row 1,048,576).")));
            return;
        }
        // Repeats that carry content are applied up to the sheet's edges.
        const qint64 rows = std::min(m_rowRepeat, qint64(limits::kMaxRows) - firstRow + 1);
        qint64 cellsPerRow = 0;
        for (Pending& p : m_pending) {
            if (p.column >= limits::kMaxColumns) {
                fail(E2V_SENTENCE(QT_TRANSLATE_NOOP(
                    "Workbook", "it has a cell beyond the last column a worksheet can hold (column "
                                "XFD).")));
                return;
            }
            p.repeat = std::min(p.repeat, qint64(limits::kMaxColumns) - p.column);
            cellsPerRow += p.repeat;
        }
        if (cellsPerRow * rows > limits::kMaxCells - m_sheet.cellCount()) {
            fail(E2V_SENTENCE(QT_TRANSLATE_NOOP(
                "Workbook", "it holds more cells than this program can keep (its repeated rows and "
                            "columns add up to tens of millions of cells).")));
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
                                      ? m_sheet.setSharedText(row, column, shared, p.format)
                                      : m_sheet.setText(
                                            row, column,
                                            QStringView(m_text.data(), qsizetype(m_text.size())),
                                            p.format);
                        break;
                    case Kind::Number:
                        written = m_sheet.setNumber(row, column, p.number, p.format);
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
    OdsStyles& m_styles;
    const qint32 m_wanted;
    QStringList& m_names;
    qint64 m_tables = 0;
    bool m_readingTable = false;
    std::vector<ColumnRun> m_columns;
    std::string m_rowStyle;
    std::string m_cellStyle;
    qint64 m_defaultFormats[4] = {-1, -1, -1, -1};
    int m_depth = 0;
    int m_autoStylesDepth = 0;
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
    bool m_covered = false;
    std::string m_cellText;
    std::string m_rowText;
    std::vector<Pending> m_pending;
    std::u16string m_text;
};

} // namespace

Status readOdsPackage(const ZipPackage& zip, qint32 sheetIndex, SheetData& sheet,
                      QStringList& names, Yielder& yielder) {
    const qint64 content = zip.find("content.xml");
    if (content < 0) {
        return Status::failure(E2V_SENTENCE(QT_TRANSLATE_NOOP(
            "Workbook", "it is damaged (its content part, content.xml, is missing).")));
    }
    // Without styles.xml the cells still read, with the data styles content.xml holds.
    OdsStyles styles;
    if (const qint64 stylesPart = zip.find("styles.xml"); stylesPart >= 0 && sheetIndex >= 0) {
        StylesPartHandler stylesHandler(styles);
        if (Status s = parseZipPart(zip, stylesPart, stylesHandler, u"styles.xml"_s, yielder); !s) {
            return s;
        }
    }
    ContentHandler handler(sheet, yielder, styles, sheetIndex, names);
    if (Status s = parseZipPart(zip, content, handler, u"content.xml"_s, yielder); !s) {
        return s;
    }
    if (!handler.sawSpreadsheet()) {
        return Status::failure(E2V_SENTENCE(QT_TRANSLATE_NOOP(
            "Workbook", "it is not a spreadsheet (its content holds no table body).")));
    }
    // A spreadsheet without a table reads as one empty sheet, as it always has.
    if (sheetIndex > 0 && sheetIndex >= handler.tableCount()) {
        return Status::failure(missingSheetReason(sheetIndex, names.size()));
    }
    return Status::success();
}
