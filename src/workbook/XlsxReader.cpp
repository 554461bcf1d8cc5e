#include "XlsxReader.h"

#include "BuiltinFormats.h"
#include "Limits.h"
#include "WorkbookReader.h"
#include "XmlStream.h"
#include "XmlValues.h"
#include "Yielder.h"
#include "ZipPackage.h"

#include <QByteArray>
#include <QUrl>

#include <cmath>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace {

constexpr std::string_view kRelNsTransitional =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr std::string_view kRelNsStrict = "http://purl.oclc.org/ooxml/officeDocument/relationships";

// The last segment of a relationship type URI: ".../worksheet" gives "worksheet"; the same
// for the transitional and the Strict URIs.
std::string_view typeName(std::string_view type) {
    const size_t slash = type.rfind('/');
    return slash == std::string_view::npos ? type : type.substr(slash + 1);
}

bool asciiEqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z') {
            x = char(x - 'A' + 'a');
        }
        if (y >= 'A' && y <= 'Z') {
            y = char(y - 'A' + 'a');
        }
        if (x != y) {
            return false;
        }
    }
    return true;
}

std::string folderOf(std::string_view part) {
    const size_t slash = part.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(part.substr(0, slash + 1));
}

// "xl/workbook.xml" has its relationships in "xl/_rels/workbook.xml.rels".
std::string relsPartOf(std::string_view part) {
    const size_t slash = part.rfind('/');
    const std::string_view folder =
        slash == std::string_view::npos ? std::string_view() : part.substr(0, slash + 1);
    const std::string_view file = slash == std::string_view::npos ? part : part.substr(slash + 1);
    return std::string(folder) + "_rels/" + std::string(file) + ".rels";
}

QString partText(std::string_view name) {
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

struct Relationship {
    std::string id;
    std::string type;
    std::string target;
};

class RelsHandler final : public XmlHandler {
public:
    std::vector<Relationship> rels;

    void startElement(const XmlName& name, const XmlAttributes& attrs) override {
        if (name.local != "Relationship") {
            return;
        }
        const char* mode = attrs.find("TargetMode");
        if (mode && std::string_view(mode) == "External") {
            return;
        }
        const char* id = attrs.find("Id");
        const char* type = attrs.find("Type");
        const char* target = attrs.find("Target");
        if (type && target) {
            rels.push_back({id ? id : "", type, target});
        }
    }
    void endElement(const XmlName&) override {}
};

class ContentTypesHandler final : public XmlHandler {
public:
    struct Entry {
        std::string key;
        std::string type;
    };
    std::vector<Entry> defaults;  // by extension
    std::vector<Entry> overrides; // by part name, "/xl/workbook.xml"

    void startElement(const XmlName& name, const XmlAttributes& attrs) override {
        const char* type = attrs.find("ContentType");
        if (!type) {
            return;
        }
        if (name.local == "Default") {
            if (const char* ext = attrs.find("Extension")) {
                defaults.push_back({ext, type});
            }
        } else if (name.local == "Override") {
            if (const char* part = attrs.find("PartName")) {
                overrides.push_back({part, type});
            }
        }
    }
    void endElement(const XmlName&) override {}

    std::string typeOf(std::string_view part) const {
        for (const Entry& e : overrides) {
            // Override names are absolute ("/xl/workbook.xml"), part names are not.
            const std::string_view key = e.key;
            if (key.starts_with('/') && asciiEqualNoCase(key.substr(1), part)) {
                return e.type;
            }
        }
        const size_t dot = part.rfind('.');
        if (dot != std::string_view::npos) {
            for (const Entry& e : defaults) {
                if (asciiEqualNoCase(e.key, part.substr(dot + 1))) {
                    return e.type;
                }
            }
        }
        return {};
    }
};

class WorkbookHandler final : public XmlHandler {
public:
    std::string root;
    bool date1904 = false;
    struct SheetEntry {
        std::string id;
        QString name;
    };
    std::vector<SheetEntry> sheets; // in document order

    void startElement(const XmlName& name, const XmlAttributes& attrs) override {
        ++m_depth;
        if (m_depth == 1) {
            root = std::string(name.local);
            return;
        }
        if (name.local == "workbookPr") {
            const char* v = attrs.find("date1904");
            date1904 = v && (std::string_view(v) == "1" || std::string_view(v) == "true");
        } else if (name.local == "sheet" && m_inSheets) {
            const char* id = attrs.find("id", kRelNsTransitional);
            if (!id) {
                id = attrs.find("id", kRelNsStrict);
            }
            if (!id) {
                id = attrs.findAnyNs("id");
            }
            if (id && qsizetype(sheets.size()) < limits::kMaxSheets) {
                const char* sheetName = attrs.find("name");
                sheets.push_back({id, QString::fromUtf8(sheetName ? sheetName : "")
                                          .left(limits::kMaxSheetNameChars)});
            }
        } else if (name.local == "sheets") {
            m_inSheets = true;
        }
    }
    void endElement(const XmlName& name) override {
        --m_depth;
        if (name.local == "sheets" && m_inSheets) {
            stopEarly(); // everything needed comes before the end of <sheets>
        }
    }

private:
    int m_depth = 0;
    bool m_inSheets = false;
};

class SharedStringsHandler final : public XmlHandler {
public:
    explicit SharedStringsHandler(SheetData& sheet, Yielder& yielder)
        : m_sheet(sheet), m_yielder(yielder) {}

    void startElement(const XmlName& name, const XmlAttributes&) override {
        ++m_depth;
        const std::string_view l = name.local;
        if (m_siDepth == 0) {
            if (l == "si") {
                m_siDepth = m_depth;
                m_bytes.clear();
            }
            return;
        }
        if (l == "t" && m_skipDepth == 0 && m_tDepth == 0) {
            m_tDepth = m_depth;
        } else if (l == "rPh" && m_skipDepth == 0) {
            m_skipDepth = m_depth; // phonetic reading: not part of the text
        }
    }
    void endElement(const XmlName&) override {
        if (m_depth == m_tDepth) {
            m_tDepth = 0;
        } else if (m_depth == m_skipDepth) {
            m_skipDepth = 0;
        } else if (m_depth == m_siDepth) {
            m_siDepth = 0;
            xmlvalues::utf8ToUtf16(m_bytes, m_text);
            xmlvalues::decodeEscapes(m_text);
            if (m_sheet.sharedTextCount() >= limits::kMaxCells) {
                fail(E2V_SENTENCE(QT_TRANSLATE_NOOP(
                    "Workbook", "it holds more shared texts than this program can keep.")));
            } else if (m_sheet.addSharedText(QStringView(m_text.data(), qsizetype(m_text.size()))) <
                       0) {
                fail(cellRefusalReason(CellRefusal::TextTooLong));
            }
            m_yielder.tick();
        }
        --m_depth;
    }
    void characters(const char* data, int len) override {
        if (m_tDepth == 0) {
            return;
        }
        if (m_bytes.size() + size_t(len) > size_t(limits::kMaxCellChars)) {
            fail(cellRefusalReason(CellRefusal::TextTooLong));
            return;
        }
        m_bytes.append(data, size_t(len));
    }

private:
    SheetData& m_sheet;
    Yielder& m_yielder;
    int m_depth = 0;
    int m_siDepth = 0;
    int m_tDepth = 0;
    int m_skipDepth = 0;
    std::string m_bytes;
    std::u16string m_text;
};

// The number formats of xl/styles.xml: the custom codes (numFmts) and, for each cell style
// (an index into cellXfs, the cells' s attribute), its format id.
class StylesHandler final : public XmlHandler {
public:
    std::unordered_map<qint64, QString> codes; // numFmtId -> formatCode
    std::vector<qint64> xfFormatIds;

    void startElement(const XmlName& name, const XmlAttributes& attrs) override {
        const std::string_view l = name.local;
        if (l == "numFmt" && m_in == In::NumFmts) {
            const char* id = attrs.find("numFmtId");
            const char* code = attrs.find("formatCode");
            const auto n = id ? xmlvalues::parseCount(id, kMaxFormatId) : std::nullopt;
            if (n && code && std::strlen(code) <= kMaxCodeBytes && codes.size() < kMaxCodes) {
                codes[*n] = QString::fromUtf8(code);
            }
        } else if (l == "xf" && m_in == In::CellXfs) {
            if (xfFormatIds.size() < kMaxXfs) {
                const char* id = attrs.find("numFmtId");
                xfFormatIds.push_back(id ? xmlvalues::parseCount(id, kMaxFormatId).value_or(0) : 0);
            }
        } else if (l == "numFmts") {
            m_in = In::NumFmts;
            m_sawNumFmts = true;
        } else if (l == "cellXfs") {
            m_in = In::CellXfs;
        }
    }
    void endElement(const XmlName& name) override {
        if (name.local == "cellXfs" && m_in == In::CellXfs) {
            m_in = In::None;
            if (m_sawNumFmts) {
                stopEarly(); // what follows (cell styles, colours) has no number format
            }
        } else if (name.local == "numFmts" && m_in == In::NumFmts) {
            m_in = In::None;
        }
    }

private:
    // Excel allows 64,000 cell styles and format codes of 255 characters; the caps only
    // keep a hostile part from filling the memory.
    static constexpr size_t kMaxXfs = size_t(1) << 20;
    static constexpr size_t kMaxCodes = size_t(1) << 16;
    static constexpr size_t kMaxCodeBytes = 4096;
    static constexpr qint64 kMaxFormatId = qint64(1) << 30;
    enum class In : quint8 { None, NumFmts, CellXfs };
    In m_in = In::None;
    bool m_sawNumFmts = false;
};

// Cell styles as the sheet's formats, each format parsed once, when a cell first uses it.
class CellFormats {
public:
    CellFormats(SheetData& sheet, const StylesHandler& styles)
        : m_sheet(sheet), m_styles(styles), m_byStyle(styles.xfFormatIds.size(), kUnknown) {}

    // A cell without a style attribute has style 0, the workbook's default.
    SheetData::FormatIndex ofStyle(qint64 style) {
        if (style < 0 || style >= qint64(m_byStyle.size())) {
            return 0;
        }
        qint64& known = m_byStyle[size_t(style)];
        if (known == kUnknown) {
            known = ofId(m_styles.xfFormatIds[size_t(style)]);
        }
        return SheetData::FormatIndex(known);
    }

    SheetData::FormatIndex ofId(qint64 id) {
        const auto known = m_byId.find(id);
        if (known != m_byId.end()) {
            return known->second;
        }
        QString code;
        // The short date ids follow the reading machine's locale in Excel: ISO here, whatever
        // code a producer wrote for them.
        if (id != 14 && id != 22) {
            if (const auto custom = m_styles.codes.find(id); custom != m_styles.codes.end()) {
                code = custom->second;
            }
        }
        if (code.isNull()) {
            code = builtinFormatCode(int(std::min<qint64>(id, 1000)));
        }
        const SheetData::FormatIndex index = m_sheet.addFormat(NumberFormat::parse(code));
        m_byId.emplace(id, index);
        return index;
    }

private:
    static constexpr qint64 kUnknown = -1;
    SheetData& m_sheet;
    const StylesHandler& m_styles;
    std::vector<qint64> m_byStyle;
    std::unordered_map<qint64, SheetData::FormatIndex> m_byId;
};

class WorksheetHandler final : public XmlHandler {
public:
    WorksheetHandler(SheetData& sheet, Yielder& yielder, CellFormats& formats, bool date1904)
        : m_sheet(sheet), m_yielder(yielder), m_formats(formats), m_date1904(date1904) {}

    std::string root;

    void startElement(const XmlName& name, const XmlAttributes& attrs) override {
        ++m_depth;
        const std::string_view l = name.local;
        if (m_cellDepth != 0) {
            if (m_depth != m_cellDepth + 1 && m_isDepth == 0) {
                return;
            }
            if (m_isDepth != 0) {
                // Inline rich text: <t> runs, directly or inside <r>; <rPh> is phonetic.
                if (l == "t" && m_skipDepth == 0 && m_collectDepth == 0) {
                    m_collectDepth = m_depth;
                } else if (l == "rPh" && m_skipDepth == 0) {
                    m_skipDepth = m_depth;
                }
            } else if (l == "v") {
                m_collectDepth = m_depth;
                m_value.clear();
                m_haveValue = true;
            } else if (l == "is") {
                m_isDepth = m_depth;
                m_inline.clear();
                m_haveInline = true;
            }
            return;
        }
        if (m_sheetDataDepth == 0) {
            if (m_depth == 1) {
                root = std::string(l);
            } else if (l == "sheetData" && m_depth == 2) {
                m_sheetDataDepth = m_depth;
            }
            return;
        }
        if (l == "row" && m_depth == m_sheetDataDepth + 1) {
            startRow(attrs);
        } else if (l == "c" && m_depth == m_sheetDataDepth + 2) {
            startCell(attrs);
        }
    }

    void endElement(const XmlName&) override {
        if (m_depth == m_collectDepth) {
            m_collectDepth = 0;
        } else if (m_depth == m_skipDepth) {
            m_skipDepth = 0;
        } else if (m_depth == m_isDepth) {
            m_isDepth = 0;
        } else if (m_depth == m_cellDepth) {
            m_cellDepth = 0;
            endCell();
        } else if (m_depth == m_sheetDataDepth) {
            m_sheetDataDepth = 0;
            stopEarly(); // what follows the cells (merges, formats) is not needed
        }
        --m_depth;
    }

    void characters(const char* data, int len) override {
        if (m_collectDepth == 0) {
            return;
        }
        std::string& target = m_isDepth != 0 ? m_inline : m_value;
        if (target.size() + size_t(len) > size_t(limits::kMaxCellChars)) {
            fail(cellRefusalReason(CellRefusal::TextTooLong));
            return;
        }
        target.append(data, size_t(len));
    }

private:
    enum class Type : quint8 { Number, Shared, Str, Inline, Boolean, Error, Date };

    void startRow(const XmlAttributes& attrs) {
        qint64 row = m_row + 1;
        for (const char** a = attrs.raw(); *a; a += 2) {
            if (a[0][0] == 'r' && a[0][1] == 0) {
                if (const auto n = xmlvalues::parseCount(a[1], qint64(limits::kMaxRows) + 1)) {
                    row = *n;
                }
            }
        }
        m_row = row;
        m_column = -1;
    }

    // "BC12": column letters, then the row; either part may be missing.
    void parseReference(const char* ref, qint64& row, qint64& column) {
        qint64 c = 0;
        const char* p = ref;
        bool letters = false;
        for (; *p; ++p) {
            char ch = *p;
            if (ch >= 'a' && ch <= 'z') {
                ch = char(ch - 'a' + 'A');
            }
            if (ch < 'A' || ch > 'Z') {
                break;
            }
            letters = true;
            if (c <= limits::kMaxColumns) {
                c = c * 26 + (ch - 'A' + 1);
            }
        }
        if (*p == '$') {
            ++p;
        }
        if (letters) {
            column = c - 1;
        }
        if (*p) {
            if (const auto n = xmlvalues::parseCount(p, qint64(limits::kMaxRows) + 1)) {
                row = *n;
            }
        }
    }

    void startCell(const XmlAttributes& attrs) {
        m_cellDepth = m_depth;
        m_type = Type::Number;
        m_style = 0;
        m_haveValue = false;
        m_haveInline = false;
        qint64 row = m_row;
        qint64 column = m_column + 1;
        for (const char** a = attrs.raw(); *a; a += 2) {
            const char* n = a[0];
            if (n[1] != 0) {
                continue;
            }
            if (n[0] == 'r') {
                parseReference(a[1], row, column);
            } else if (n[0] == 's') {
                m_style = xmlvalues::parseCount(a[1], kMaxStyle).value_or(0);
            } else if (n[0] == 't') {
                const std::string_view t(a[1]);
                if (t == "s") {
                    m_type = Type::Shared;
                } else if (t == "str") {
                    m_type = Type::Str;
                } else if (t == "inlineStr") {
                    m_type = Type::Inline;
                } else if (t == "b") {
                    m_type = Type::Boolean;
                } else if (t == "e") {
                    m_type = Type::Error;
                } else if (t == "d") {
                    m_type = Type::Date;
                }
            }
        }
        m_cellRow = row;
        m_column = column;
        m_row = row; // a row without r follows the row its cells named
    }

    bool checkPosition() {
        if (m_cellRow < 1 || m_cellRow > limits::kMaxRows || m_column < 0 ||
            m_column >= limits::kMaxColumns) {
            fail(cellRefusalReason(CellRefusal::OutsideSheet));
            return false;
        }
        return true;
    }

    void stored(CellWrite written) {
        if (!written) {
            fail(cellRefusalReason(written.refusal));
        }
    }

    void storeText(std::string_view bytes) {
        xmlvalues::utf8ToUtf16(bytes, m_text);
        xmlvalues::decodeEscapes(m_text);
        stored(m_sheet.setText(qint32(m_cellRow), qint32(m_column),
                               QStringView(m_text.data(), qsizetype(m_text.size())),
                               m_formats.ofStyle(m_style)));
    }

    void endCell() {
        m_yielder.tick();
        if (m_type == Type::Inline || (m_haveInline && !m_haveValue)) {
            if (m_haveInline && checkPosition()) {
                storeText(m_inline);
            }
            return;
        }
        if (!m_haveValue) {
            return; // no value, or a formula whose result was never stored
        }
        if (!checkPosition()) {
            return;
        }
        const qint32 row = qint32(m_cellRow);
        const qint32 column = qint32(m_column);
        switch (m_type) {
        case Type::Number:
            if (const auto v = xmlvalues::parseNumber(m_value)) {
                stored(m_sheet.setNumber(row, column, *v, m_formats.ofStyle(m_style)));
            } else if (!m_value.empty()) {
                storeText(m_value);
            }
            return;
        case Type::Shared: {
            // An index past the table (or none at all) names no text: the cell is empty, as
            // spreadsheet programs show it.
            const auto index = xmlvalues::parseCount(m_value, limits::kMaxCells);
            if (index && *index < m_sheet.sharedTextCount()) {
                stored(m_sheet.setSharedText(row, column, *index, m_formats.ofStyle(m_style)));
            }
            return;
        }
        case Type::Str:
        case Type::Inline:
            storeText(m_value);
            return;
        case Type::Boolean:
            if (m_value == "1" || m_value == "true") {
                stored(m_sheet.setBoolean(row, column, true));
            } else if (m_value == "0" || m_value == "false") {
                stored(m_sheet.setBoolean(row, column, false));
            } else {
                storeText(m_value);
            }
            return;
        case Type::Error:
            if (const auto error = cellErrorFromText(m_value)) {
                stored(m_sheet.setError(row, column, *error));
            } else if (!m_value.empty()) {
                storeText(m_value); // an error this program has no name for: shown as written
            }
            return;
        case Type::Date:
            if (const auto v = xmlvalues::isoDateToSerial(m_value, m_date1904)) {
                // A date cell in the General format still shows a date.
                SheetData::FormatIndex format = m_formats.ofStyle(m_style);
                if (format == 0) {
                    format = m_formats.ofId(*v == std::floor(*v) ? 14 : *v < 1 ? 21 : 22);
                }
                stored(m_sheet.setNumber(row, column, *v, format));
            } else if (!m_value.empty()) {
                storeText(m_value);
            }
            return;
        }
    }

    static constexpr qint64 kMaxStyle = qint64(1) << 30;

    SheetData& m_sheet;
    Yielder& m_yielder;
    CellFormats& m_formats;
    bool m_date1904;
    int m_depth = 0;
    int m_sheetDataDepth = 0;
    int m_cellDepth = 0;
    int m_collectDepth = 0;
    int m_isDepth = 0;
    int m_skipDepth = 0;
    qint64 m_row = 0;
    qint64 m_column = -1;
    qint64 m_cellRow = 0;
    Type m_type = Type::Number;
    qint64 m_style = 0;
    bool m_haveValue = false;
    bool m_haveInline = false;
    std::string m_value;
    std::string m_inline;
    std::u16string m_text;
};

Status fail(Sentence reason) {
    return Status::failure(std::move(reason));
}

// The sheet read is named "first worksheet", or "worksheet number 3", in whole sentences that
// a translation can word as its language needs.
Status missingSheetPart(qint32 sheetIndex, std::string_view part) {
    if (sheetIndex == 0) {
        return fail(
            E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook",
                                           "it is damaged (its first worksheet, %1, is missing)."))
                .arg(partText(part)));
    }
    return fail(
        E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook",
                                       "it is damaged (its worksheet number %1, %2, is missing)."))
            .arg(sheetIndex + 1)
            .arg(partText(part)));
}

Status notAWorksheet(qint32 sheetIndex, std::string_view part) {
    if (sheetIndex == 0) {
        return fail(E2V_SENTENCE(
                        QT_TRANSLATE_NOOP(
                            "Workbook", "it is damaged (its first sheet, %1, is not a worksheet)."))
                        .arg(partText(part)));
    }
    return fail(E2V_SENTENCE(
                    QT_TRANSLATE_NOOP(
                        "Workbook", "it is damaged (its sheet number %1, %2, is not a worksheet)."))
                    .arg(sheetIndex + 1)
                    .arg(partText(part)));
}

Status parseRels(const ZipPackage& zip, qint64 index, std::vector<Relationship>& out,
                 Yielder& yielder) {
    RelsHandler h;
    const Status s = parseZipPart(
        zip, index, h, E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "the package relationships")),
        yielder);
    out = std::move(h.rels);
    return s;
}

// What kind of document the main part's content type says, when it is not a workbook.
Sentence notAWorkbook(std::string_view contentType) {
    if (contentType.find("wordprocessingml") != std::string_view::npos ||
        contentType.find("ms-word") != std::string_view::npos) {
        return E2V_SENTENCE(
            QT_TRANSLATE_NOOP("Workbook", "it is a word-processing document, not a spreadsheet."));
    }
    if (contentType.find("presentationml") != std::string_view::npos ||
        contentType.find("ms-powerpoint") != std::string_view::npos) {
        return E2V_SENTENCE(
            QT_TRANSLATE_NOOP("Workbook", "it is a presentation, not a spreadsheet."));
    }
    if (contentType.find("sheet.binary") != std::string_view::npos) {
        return E2V_SENTENCE(QT_TRANSLATE_NOOP(
            "Workbook",
            "it is a binary workbook (.xlsb), which this program does not read. Save it as "
            ".xlsx and try again."));
    }
    // Anything else is judged by the main part's root element.
    return {};
}

} // namespace

std::string resolvePartTarget(std::string_view sourceFolder, std::string_view target) {
    std::string t(target);
    for (char& c : t) {
        if (c == '\\') {
            c = '/';
        }
    }
    if (t.find('%') != std::string::npos) {
        t = QUrl::fromPercentEncoding(QByteArray::fromStdString(t)).toStdString();
    }
    std::string path = (!t.empty() && t.front() == '/') ? t : std::string(sourceFolder) + t;
    std::vector<std::string_view> segments;
    std::string_view rest(path);
    while (!rest.empty()) {
        const size_t slash = rest.find('/');
        const std::string_view seg = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
        if (seg.empty() || seg == ".") {
            continue;
        }
        if (seg == "..") {
            if (segments.empty()) {
                return {};
            }
            segments.pop_back();
            continue;
        }
        segments.push_back(seg);
    }
    std::string out;
    for (const std::string_view seg : segments) {
        if (!out.empty()) {
            out.push_back('/');
        }
        out.append(seg);
    }
    return out;
}

Status readXlsxPackage(const ZipPackage& zip, qint32 sheetIndex, SheetData& sheet,
                       QStringList& names, Yielder& yielder) {
    ContentTypesHandler types;
    const qint64 typesIndex = zip.find("[Content_Types].xml");
    if (typesIndex >= 0) {
        if (Status s = parseZipPart(
                zip, typesIndex, types,
                E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "the content types")), yielder);
            !s) {
            return s;
        }
    }

    // The main part: the package's officeDocument relationship, or the usual name.
    std::string workbookPart;
    const qint64 rootRels = zip.find("_rels/.rels");
    if (rootRels >= 0) {
        std::vector<Relationship> rels;
        if (Status s = parseRels(zip, rootRels, rels, yielder); !s) {
            return s;
        }
        for (const Relationship& r : rels) {
            if (typeName(r.type) == "officeDocument") {
                workbookPart = resolvePartTarget("", r.target);
                break;
            }
        }
    }
    if (workbookPart.empty() && zip.contains("xl/workbook.xml")) {
        workbookPart = "xl/workbook.xml";
    }
    if (workbookPart.empty()) {
        return fail(E2V_SENTENCE(QT_TRANSLATE_NOOP(
            "Workbook",
            "it is damaged or not a spreadsheet (its package names no main document).")));
    }
    if (const std::string type = types.typeOf(workbookPart); !type.empty()) {
        if (Sentence why = notAWorkbook(type); !why.isEmpty()) {
            return fail(std::move(why));
        }
    }
    const qint64 workbookIndex = zip.find(workbookPart);
    if (workbookIndex < 0) {
        return fail(
            E2V_SENTENCE(
                QT_TRANSLATE_NOOP("Workbook", "it is damaged (its workbook part, %1, is missing)."))
                .arg(partText(workbookPart)));
    }
    WorkbookHandler workbook;
    if (Status s =
            parseZipPart(zip, workbookIndex, workbook,
                         E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "the workbook part")), yielder);
        !s) {
        return s;
    }
    if (workbook.root != "workbook") {
        if (workbook.root == "document") {
            return fail(E2V_SENTENCE(QT_TRANSLATE_NOOP(
                "Workbook", "it is a word-processing document, not a spreadsheet.")));
        }
        if (workbook.root == "presentation") {
            return fail(E2V_SENTENCE(
                QT_TRANSLATE_NOOP("Workbook", "it is a presentation, not a spreadsheet.")));
        }
        return fail(E2V_SENTENCE(QT_TRANSLATE_NOOP(
            "Workbook", "it is damaged or not a spreadsheet (its main part is not a workbook).")));
    }

    // The workbook's relationships lead to the sheets and the shared texts.
    const std::string workbookFolder = folderOf(workbookPart);
    const qint64 relsIndex = zip.find(relsPartOf(workbookPart));
    if (relsIndex < 0) {
        return fail(E2V_SENTENCE(QT_TRANSLATE_NOOP(
            "Workbook", "it is damaged (the relationships of its workbook part are missing).")));
    }
    std::vector<Relationship> rels;
    if (Status s = parseRels(zip, relsIndex, rels, yielder); !s) {
        return s;
    }
    // The worksheets, by the type of the relationship each sheet entry names: chart sheets,
    // dialog and macro sheets are not offered.
    std::vector<std::string> sheetParts;
    for (const WorkbookHandler::SheetEntry& entry : workbook.sheets) {
        for (const Relationship& r : rels) {
            if (r.id == entry.id) {
                if (typeName(r.type) == "worksheet") {
                    sheetParts.push_back(resolvePartTarget(workbookFolder, r.target));
                    names.append(entry.name);
                }
                break;
            }
        }
    }
    if (sheetParts.empty()) {
        return fail(E2V_SENTENCE(QT_TRANSLATE_NOOP(
            "Workbook", "it holds no worksheet (only charts or other kinds of sheets).")));
    }
    if (sheetIndex < 0) {
        return Status::success();
    }
    if (size_t(sheetIndex) >= sheetParts.size()) {
        return fail(missingSheetReason(sheetIndex, names.size()));
    }
    const std::string& sheetPart = sheetParts[size_t(sheetIndex)];
    std::string sharedPart;
    std::string stylesPart;
    for (const Relationship& r : rels) {
        if (typeName(r.type) == "sharedStrings" && sharedPart.empty()) {
            sharedPart = resolvePartTarget(workbookFolder, r.target);
        } else if (typeName(r.type) == "styles" && stylesPart.empty()) {
            stylesPart = resolvePartTarget(workbookFolder, r.target);
        }
    }
    // Without its shared-text part the cells that name shared texts are empty; the rest of
    // the sheet still reads.
    const qint64 sharedIndex = sharedPart.empty() ? -1 : zip.find(sharedPart);
    if (sharedIndex >= 0) {
        SharedStringsHandler shared(sheet, yielder);
        if (Status s = parseZipPart(zip, sharedIndex, shared,
                                    E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "the shared texts")),
                                    yielder);
            !s) {
            return s;
        }
    }

    const qint64 sheetEntry = zip.find(sheetPart);
    if (sheetEntry < 0) {
        return missingSheetPart(sheetIndex, sheetPart);
    }
    // Without its styles a sheet still reads, every cell in the General format.
    StylesHandler styles;
    if (const qint64 stylesIndex = stylesPart.empty() ? -1 : zip.find(stylesPart);
        stylesIndex >= 0) {
        if (Status s =
                parseZipPart(zip, stylesIndex, styles,
                             E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "the styles")), yielder);
            !s) {
            return s;
        }
    }
    sheet.setDateSystem(workbook.date1904 ? DateSystem::Date1904 : DateSystem::Date1900);
    CellFormats formats(sheet, styles);
    WorksheetHandler worksheet(sheet, yielder, formats, workbook.date1904);
    if (Status s =
            parseZipPart(zip, sheetEntry, worksheet,
                         E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "the worksheet")), yielder);
        !s) {
        return s;
    }
    if (worksheet.root != "worksheet") {
        return notAWorksheet(sheetIndex, sheetPart);
    }
    return Status::success();
}
