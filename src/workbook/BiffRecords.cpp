#include "BiffRecords.h"

#include "BiffDecryption.h"
#include "BuiltinFormats.h"
#include "Limits.h"
#include "WorkbookReader.h"
#include "Yielder.h"

#include <QStringDecoder>

#include <cstring>
#include <iconv.h>
#include <string>
#include <unordered_map>
#include <vector>

using namespace Qt::StringLiterals;

namespace biff {
namespace {

enum Record : quint16 {
    kFormula = 0x0006,
    kEof = 0x000A,
    kDateMode = 0x0022,
    kFilePass = 0x002F,
    kContinue = 0x003C,
    kCodePage = 0x0042,
    kBoundSheet = 0x0085,
    kWsBool = 0x0081,
    kMulRk = 0x00BD,
    kMulBlank = 0x00BE,
    kRString = 0x00D6,
    kXf = 0x00E0,
    kSst = 0x00FC,
    kLabelSst = 0x00FD,
    kDimensions = 0x0200,
    kBlank = 0x0201,
    kNumber = 0x0203,
    kLabel = 0x0204,
    kBoolErr = 0x0205,
    kString = 0x0207,
    kRk = 0x027E,
    kFormat = 0x041E,
    kBof = 0x0809,
    // Beginnings of files older than Excel 5 (BIFF2 to BIFF4).
    kBof2 = 0x0009,
    kBof3 = 0x0209,
    kBof4 = 0x0409,
};

enum SubstreamType : quint16 {
    kGlobals = 0x0005,
    kWorksheet = 0x0010,
};

// An error byte that names no error still marks an error cell; it reads as "not available".
constexpr CellError kUnknownError = CellError::NotAvailable;

// Records looked through for a sheet's WSBOOL before its cells begin.
constexpr int kMaxSettingRecords = 64;

inline quint16 u16(const uchar* p) {
    return quint16(p[0] | (p[1] << 8));
}
inline quint32 u32(const uchar* p) {
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}
inline double f64(const uchar* p) {
    const quint64 bits = quint64(u32(p)) | (quint64(u32(p + 4)) << 32);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

double rkValue(quint32 rk) {
    double v;
    if (rk & 2) {
        v = double(qint32(rk) >> 2);
    } else {
        const quint64 bits = quint64(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&v, &bits, sizeof v);
    }
    return (rk & 1) ? v / 100.0 : v;
}

// 8-bit texts of Excel 5/95 files, in the code page the CODEPAGE record names.
class CodePageDecoder {
public:
    CodePageDecoder() { setCodePage(1252); }
    ~CodePageDecoder() { closeIconv(); }
    CodePageDecoder(const CodePageDecoder&) = delete;
    CodePageDecoder& operator=(const CodePageDecoder&) = delete;

    void setCodePage(quint16 cp) {
        closeIconv();
        m_utf16 = cp == 1200 || cp == 21010;
        if (m_utf16) {
            return;
        }
        const QByteArray name = qtName(cp);
        m_qt = QStringDecoder(name.constData(), QStringConverter::Flag::Stateless);
        if (m_qt.isValid()) {
            return;
        }
        const QByteArray iconvName = "CP" + QByteArray::number(cp);
        m_iconv = iconv_open("UTF-16LE", iconvName.constData());
        if (m_iconv == iconv_t(-1)) {
            // An unknown code page: the common Western one reads most of it right.
            m_qt = QStringDecoder("windows-1252", QStringConverter::Flag::Stateless);
        }
    }

    void decode(const char* bytes, qsizetype n, QString& out) {
        if (m_utf16) {
            out = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes), n / 2);
            if (n % 2 != 0) {
                out.append(QChar::ReplacementCharacter);
            }
        } else if (m_iconv != iconv_t(-1)) {
            decodeIconv(bytes, n, out);
        } else {
            out = m_qt.decode(QByteArrayView(bytes, n));
        }
    }

private:
    static QByteArray qtName(quint16 cp) {
        switch (cp) {
        case 367:
            return "US-ASCII";
        case 874:
            return "windows-874";
        case 932:
            return "windows-31j";
        case 936:
            return "GBK";
        case 949:
            return "windows-949";
        case 950:
            return "Big5";
        case 10000:
        case 32768:
            return "macintosh";
        case 32769:
            return "windows-1252";
        case 65001:
            return "UTF-8";
        default:
            if (cp >= 1250 && cp <= 1258) {
                return "windows-" + QByteArray::number(cp);
            }
            return "CP" + QByteArray::number(cp);
        }
    }

    void decodeIconv(const char* bytes, qsizetype n, QString& out) {
        iconv(m_iconv, nullptr, nullptr, nullptr, nullptr);
        out.resize(n + 1); // an 8-bit or double-byte code page never needs more
        char* in = const_cast<char*>(bytes);
        size_t inLeft = size_t(n);
        char* dst = reinterpret_cast<char*>(out.data());
        size_t dstLeft = size_t(out.size()) * 2;
        while (inLeft > 0) {
            if (iconv(m_iconv, &in, &inLeft, &dst, &dstLeft) != size_t(-1)) {
                break;
            }
            if (dstLeft < 2) {
                break;
            }
            // A byte the code page does not define: mark it and go on.
            const char16_t r = 0xFFFD;
            std::memcpy(dst, &r, 2);
            dst += 2;
            dstLeft -= 2;
            ++in;
            --inLeft;
        }
        out.resize(qsizetype((reinterpret_cast<QChar*>(dst) - out.data())));
    }

    void closeIconv() {
        if (m_iconv != iconv_t(-1)) {
            iconv_close(m_iconv);
            m_iconv = iconv_t(-1);
        }
    }

    QStringDecoder m_qt;
    iconv_t m_iconv = iconv_t(-1);
    bool m_utf16 = false;
};

// Reads one record's body and the CONTINUE records after it as one run of bytes, never
// past what the stream holds.
class Cursor {
public:
    Cursor(const uchar* data, qint64 size, qint64 body, qint64 length)
        : m_data(data), m_size(size), m_pos(body), m_end(body + length), m_next(body + length) {}

    // No byte left here or in a CONTINUE record after it.
    bool atEnd() {
        while (m_pos == m_end) {
            if (!nextSegment()) {
                return true;
            }
        }
        return false;
    }

    bool read(uchar* out, qint64 n) {
        while (n > 0) {
            if (m_pos == m_end && !nextSegment()) {
                return false;
            }
            const qint64 k = std::min(n, m_end - m_pos);
            std::memcpy(out, m_data + m_pos, size_t(k));
            out += k;
            m_pos += k;
            n -= k;
        }
        return true;
    }

    bool skip(qint64 n) {
        while (n > 0) {
            if (m_pos == m_end && !nextSegment()) {
                return false;
            }
            const qint64 k = std::min(n, m_end - m_pos);
            m_pos += k;
            n -= k;
        }
        return true;
    }

    bool readU8(quint8& v) { return read(&v, 1); }
    bool readU16(quint16& v) {
        uchar b[2];
        if (!read(b, 2)) {
            return false;
        }
        v = u16(b);
        return true;
    }
    bool readU32(quint32& v) {
        uchar b[4];
        if (!read(b, 4)) {
            return false;
        }
        v = u32(b);
        return true;
    }

    // cch characters, one or two bytes each; where they break into a CONTINUE record, that
    // record begins with a fresh flag byte saying which.
    bool readChars(qint64 cch, bool twoBytes, std::u16string& out) {
        out.resize(size_t(cch));
        char16_t* dst = out.data();
        qint64 got = 0;
        while (got < cch) {
            if (m_pos == m_end) {
                if (!nextSegment()) {
                    return false;
                }
                if (m_pos == m_end) {
                    continue; // an empty CONTINUE record carries no flag byte
                }
                twoBytes = (m_data[m_pos++] & 1) != 0;
            }
            const qint64 avail = m_end - m_pos;
            const qint64 k = std::min(cch - got, twoBytes ? avail / 2 : avail);
            if (k == 0) {
                return false; // half a character before a record boundary
            }
            const uchar* src = m_data + m_pos;
            if (twoBytes) {
                for (qint64 i = 0; i < k; ++i) {
                    dst[got + i] = char16_t(src[2 * i] | (src[2 * i + 1] << 8));
                }
                m_pos += 2 * k;
            } else {
                for (qint64 i = 0; i < k; ++i) {
                    dst[got + i] = char16_t(src[i]);
                }
                m_pos += k;
            }
            got += k;
        }
        return true;
    }

    // A BIFF8 string: length (8 or 16 bits), flags, optional run count and far-east block
    // size, the characters, then the runs and the block, which are skipped.
    bool readUnicodeString(bool longLength, std::u16string& out) {
        qint64 cch;
        if (longLength) {
            quint16 n;
            if (!readU16(n)) {
                return false;
            }
            cch = n;
        } else {
            quint8 n;
            if (!readU8(n)) {
                return false;
            }
            cch = n;
        }
        quint8 flags;
        if (!readU8(flags)) {
            return false;
        }
        quint16 runs = 0;
        quint32 extBytes = 0;
        if ((flags & 0x08) && !readU16(runs)) {
            return false;
        }
        if ((flags & 0x04) && !readU32(extBytes)) {
            return false;
        }
        return readChars(cch, (flags & 0x01) != 0, out) && skip(qint64(runs) * 4) &&
               skip(qint64(extBytes));
    }

private:
    bool nextSegment() {
        if (m_next + 4 > m_size || u16(m_data + m_next) != kContinue) {
            return false;
        }
        const qint64 len = u16(m_data + m_next + 2);
        if (m_next + 4 + len > m_size) {
            return false;
        }
        m_pos = m_next + 4;
        m_end = m_pos + len;
        m_next = m_end;
        return true;
    }

    const uchar* m_data;
    qint64 m_size;
    qint64 m_pos;
    qint64 m_end;
    qint64 m_next;
};

class Parser {
public:
    Parser(const uchar* data, qint64 size, SheetData& sheet, Yielder& yielder)
        : m_data(data), m_size(size), m_sheet(sheet), m_yielder(yielder) {}

    ParseResult run(qint32 sheetIndex) {
        m_namesOnly = sheetIndex < 0;
        std::vector<BoundSheet> candidates;
        qint64 loneSheet = -1;
        if (!readGlobals(candidates, loneSheet)) {
            return failed();
        }
        std::vector<qint64> sheetStarts;
        if (loneSheet >= 0) {
            sheetStarts.push_back(loneSheet);
            m_result.sheetNames.append(QString());
        }
        bool wrongOffset = false;
        for (const BoundSheet& candidate : candidates) {
            const qint64 offset = candidate.offset;
            if (offset < 0 || offset + 8 > m_size || u16(m_data + offset) != kBof) {
                // Left out; a workbook whose every sheet is misplaced is damaged.
                wrongOffset = true;
                continue;
            }
            if (u16(m_data + offset + 2) >= 4 && u16(m_data + offset + 6) == kWorksheet &&
                !isDialogSheet(offset)) {
                sheetStarts.push_back(offset);
                m_result.sheetNames.append(candidate.name);
            }
        }
        if (sheetStarts.empty()) {
            m_failure = wrongOffset
                            ? damagedReason(E2V_SENTENCE(QT_TRANSLATE_NOOP(
                                  "Workbook", "a sheet's position in the workbook is wrong")))
                            : E2V_SENTENCE(QT_TRANSLATE_NOOP(
                                  "Workbook", "it holds no worksheet (only charts or macros)."));
            return failed();
        }
        if (m_namesOnly) {
            return m_result;
        }
        if (size_t(sheetIndex) >= sheetStarts.size()) {
            m_failure = missingSheetReason(sheetIndex, m_result.sheetNames.size());
            return failed();
        }
        if (!readSheet(sheetStarts[size_t(sheetIndex)])) {
            return failed();
        }
        return m_result;
    }

private:
    ParseResult failed() {
        m_sheet.clear();
        m_result.reason = m_failure.toString();
        return m_result;
    }

    bool fail(Sentence why) {
        m_failure = damagedReason(std::move(why));
        return false;
    }

    // The record at pos: type, body start and length, checked against the stream.
    bool record(qint64 pos, quint16& type, qint64& body, qint64& length) {
        if (pos + 4 > m_size) {
            return fail(E2V_SENTENCE(
                QT_TRANSLATE_NOOP("Workbook", "the workbook ends before its last record")));
        }
        type = u16(m_data + pos);
        length = u16(m_data + pos + 2);
        body = pos + 4;
        if (body + length > m_size) {
            return fail(E2V_SENTENCE(
                QT_TRANSLATE_NOOP("Workbook", "a record runs past the end of the workbook")));
        }
        return true;
    }

    // A worksheet as the workbook's globals list it: where its records start, and its name.
    struct BoundSheet {
        qint64 offset;
        QString name;
    };

    // A dialog sheet has a worksheet's BOF; its WSBOOL record, among the settings ahead of
    // its cells, says what it is.
    bool isDialogSheet(qint64 start) {
        qint64 pos = start;
        for (int n = 0; n < kMaxSettingRecords && pos + 4 <= m_size; ++n) {
            const quint16 type = u16(m_data + pos);
            const qint64 length = u16(m_data + pos + 2);
            const qint64 body = pos + 4;
            if (body + length > m_size || type == kEof || type == kDimensions ||
                (n > 0 && type == kBof)) {
                return false;
            }
            if (type == kWsBool && length >= 1) {
                return (m_data[body] & 0x10) != 0;
            }
            pos = body + length;
        }
        return false;
    }

    bool readGlobals(std::vector<BoundSheet>& candidates, qint64& sheetStart) {
        quint16 type;
        qint64 body;
        qint64 len;
        if (m_size < 4) {
            m_failure =
                damagedReason(E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "the workbook is empty")));
            return false;
        }
        type = u16(m_data);
        if (type != kBof && type != kBof2 && type != kBof3 && type != kBof4) {
            m_failure = E2V_SENTENCE(QT_TRANSLATE_NOOP(
                "Workbook", "it is not a spreadsheet (its workbook does not begin like an "
                            "Excel workbook)."));
            return false;
        }
        if (!record(0, type, body, len)) {
            return false;
        }
        if (type == kBof2 || type == kBof3 || type == kBof4) {
            m_failure = E2V_SENTENCE(QT_TRANSLATE_NOOP(
                "Workbook", "it is in the format of Excel 4 or older, which this program does "
                            "not read. Open it in your spreadsheet program and save it as "
                            ".xlsx."));
            return false;
        }
        if (type != kBof || len < 4) {
            m_failure = E2V_SENTENCE(QT_TRANSLATE_NOOP(
                "Workbook", "it is not a spreadsheet (its workbook does not begin like an "
                            "Excel workbook)."));
            return false;
        }
        const quint16 version = u16(m_data + body);
        const quint16 dt = u16(m_data + body + 2);
        if (version == 0x0600) {
            m_result.biff8 = true;
            m_result.rowLimit = kBiff8Rows;
        } else if (version == 0x0500) {
            m_result.biff8 = false;
            m_result.rowLimit = kBiff5Rows;
        } else {
            m_failure = E2V_SENTENCE(QT_TRANSLATE_NOOP(
                "Workbook", "it is in an Excel format this program does not read. Open it in "
                            "your spreadsheet program and save it as .xlsx."));
            return false;
        }
        if (dt == kWorksheet) {
            sheetStart = 0; // a lone worksheet without workbook globals
            return true;
        }
        if (dt != kGlobals) {
            m_failure = E2V_SENTENCE(QT_TRANSLATE_NOOP(
                "Workbook", "it is not a workbook this program reads (it holds no worksheet)."));
            return false;
        }
        qint64 pos = body + len;
        while (true) {
            m_yielder.tick();
            if (!record(pos, type, body, len)) {
                return false;
            }
            const uchar* p = m_data + body;
            switch (type) {
            case kEof:
                return true;
            case kFilePass:
                if (!decrypt(body, len)) {
                    return false;
                }
                break;
            case kCodePage:
                if (len < 2) {
                    return fail(E2V_SENTENCE(
                        QT_TRANSLATE_NOOP("Workbook", "a code-page record is too short")));
                }
                if (!m_result.biff8) {
                    m_decoder.setCodePage(u16(p));
                }
                break;
            case kDateMode:
                if (len < 2) {
                    return fail(E2V_SENTENCE(
                        QT_TRANSLATE_NOOP("Workbook", "a date-mode record is too short")));
                }
                m_sheet.setDateSystem(u16(p) == 1 ? DateSystem::Date1904 : DateSystem::Date1900);
                break;
            case kFormat:
                readFormat(body, len);
                break;
            case kXf:
                // Font, then the format id: the same in Excel 5 and 97.
                if (len >= 4 && m_xfFormatIds.size() < kMaxXfs) {
                    m_xfFormatIds.push_back(u16(p + 2));
                }
                break;
            case kBoundSheet:
                if (!readBoundSheet(p, len, candidates)) {
                    return false;
                }
                break;
            case kSst:
                if (m_result.biff8 && !m_namesOnly && !readSst(body, len)) {
                    return false;
                }
                break;
            case kBof:
                return fail(E2V_SENTENCE(
                    QT_TRANSLATE_NOOP("Workbook", "the workbook's global part does not end")));
            default:
                break;
            }
            pos = body + len;
        }
    }

    // A workbook encrypted with the password Excel gives write-protected files is read in
    // clear from here on; any other password, and Excel 95's obfuscation, is refused.
    bool decrypt(qint64 body, qint64 len) {
        if (m_result.biff8 && m_plain.isEmpty()) {
            switch (decryptWorkbookStream(m_data, m_size, body, len, m_plain, m_yielder)) {
            case Decryption::Decrypted:
                m_data = reinterpret_cast<const uchar*>(m_plain.constData());
                return true;
            case Decryption::Damaged:
                return fail(E2V_SENTENCE(
                    QT_TRANSLATE_NOOP("Workbook", "its password record is malformed")));
            case Decryption::Protected:
                break;
            }
        }
        m_failure = E2V_SENTENCE(QT_TRANSLATE_NOOP(
            "Workbook", "it is protected with a password. Open it in your spreadsheet "
                        "program, remove the password and save it again."));
        return false;
    }

    bool readBoundSheet(const uchar* p, qint64 len, std::vector<BoundSheet>& candidates) {
        if (len < 8) {
            return fail(E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "a sheet record is too short")));
        }
        const qint64 offset = u32(p);
        const quint8 sheetType = p[5];
        const qint64 cch = p[6];
        qint64 need = 7 + cch;
        const bool wide = m_result.biff8 && (p[7] & 1);
        if (m_result.biff8) {
            need = 8 + cch * (wide ? 2 : 1);
        }
        if (need > len) {
            return fail(
                E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "a sheet name runs past its record")));
        }
        // Type 0 is a worksheet (or dialog); charts (2), macro sheets (1) and VB modules (6)
        // are passed over. The visibility byte is not looked at: hidden sheets hold data too.
        if (sheetType != 0 || qsizetype(candidates.size()) >= limits::kMaxSheets) {
            return true;
        }
        QString name;
        if (!m_result.biff8) {
            m_decoder.decode(reinterpret_cast<const char*>(p + 7), qsizetype(cch), name);
        } else if (wide) {
            name.resize(qsizetype(cch));
            for (qint64 i = 0; i < cch; ++i) {
                name[qsizetype(i)] = QChar(u16(p + 8 + 2 * i));
            }
        } else {
            name = QString::fromLatin1(reinterpret_cast<const char*>(p + 8), qsizetype(cch));
        }
        candidates.push_back({offset, name});
        return true;
    }

    // A number format's id and code: a Unicode string in Excel 97, 8-bit text in the code
    // page before. A record that cannot be read leaves its id General.
    void readFormat(qint64 body, qint64 len) {
        Cursor c(m_data, m_size, body, len);
        quint16 id;
        if (!c.readU16(id)) {
            return;
        }
        if (m_result.biff8) {
            if (c.readUnicodeString(true, m_chars)) {
                // A code longer than any real one is General; it need not be kept.
                m_formatCodes[id] =
                    qsizetype(m_chars.size()) > NumberFormat::kMaxCodeLength
                        ? u"General"_s
                        : QString::fromUtf16(m_chars.data(), qsizetype(m_chars.size()));
            }
            return;
        }
        quint8 cch;
        m_bytes.resize(256);
        if (c.readU8(cch) && c.read(reinterpret_cast<uchar*>(m_bytes.data()), cch)) {
            m_decoder.decode(m_bytes.constData(), cch, m_decoded);
            m_formatCodes[id] = m_decoded;
        }
    }

    // The sheet's format of a cell style (XF index), parsed once, when a cell first uses it.
    SheetData::FormatIndex cellFormat(quint16 xf) {
        if (xf >= m_xfFormatIds.size()) {
            return 0;
        }
        if (m_byXf.empty()) {
            m_byXf.assign(m_xfFormatIds.size(), kUnknownFormat);
        }
        qint64& known = m_byXf[xf];
        if (known != kUnknownFormat) {
            return SheetData::FormatIndex(known);
        }
        const quint16 id = m_xfFormatIds[xf];
        if (const auto same = m_byFormatId.find(id); same != m_byFormatId.end()) {
            known = same->second;
            return same->second;
        }
        QString code;
        // The short date ids follow the reading machine's locale in Excel: ISO here, whatever
        // code the file names for them.
        if (id != 14 && id != 22) {
            if (const auto written = m_formatCodes.find(id); written != m_formatCodes.end()) {
                code = written->second;
            }
        }
        if (code.isNull()) {
            code = builtinFormatCode(id);
        }
        const SheetData::FormatIndex index = m_sheet.addFormat(NumberFormat::parse(code));
        m_byFormatId.emplace(id, index);
        known = index;
        return index;
    }

    // The XF index of a cell record (row, column, XF index, ...).
    SheetData::FormatIndex cellFormat(const uchar* p) { return cellFormat(u16(p + 4)); }

    bool readSst(qint64 body, qint64 len) {
        if (m_haveSst) {
            return fail(
                E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "it holds two shared-string tables")));
        }
        m_haveSst = true;
        Cursor c(m_data, m_size, body, len);
        quint32 total;
        quint32 unique;
        if (!c.readU32(total) || !c.readU32(unique)) {
            return fail(E2V_SENTENCE(
                QT_TRANSLATE_NOOP("Workbook", "the shared-string table is too short")));
        }
        // The count is only an upper bound: the strings are read while bytes are there.
        for (quint32 i = 0; i < unique; ++i) {
            m_yielder.tick();
            if (c.atEnd()) {
                break;
            }
            if (!c.readUnicodeString(true, m_chars)) {
                return fail(E2V_SENTENCE(
                    QT_TRANSLATE_NOOP("Workbook", "a shared string runs past its records")));
            }
            if (m_sheet.addSharedText(nonNull(view(m_chars))) < 0) {
                return fail(
                    E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "a shared string is too long")));
            }
        }
        m_sstCount = m_sheet.sharedTextCount();
        return true;
    }

    static QStringView view(const std::u16string& s) {
        return QStringView(s.data(), qsizetype(s.size()));
    }

    bool position(const uchar* p, qint32& row, qint32& col) {
        row = qint32(u16(p)) + 1;
        col = qint32(u16(p + 2));
        if (row > m_result.rowLimit || col >= kColumns) {
            return beyondSheet();
        }
        return true;
    }

    bool beyondSheet() {
        m_failure =
            E2V_SENTENCE(
                QT_TRANSLATE_NOOP(
                    "Workbook",
                    "it holds a cell beyond the %1 rows and %2 columns an .xls sheet can have, "
                    "so the file is damaged."))
                .arg(m_result.rowLimit)
                .arg(kColumns);
        return false;
    }

    bool stored(CellWrite written) {
        if (!written) {
            m_failure = cellRefusalReason(written.refusal);
            return false;
        }
        return true;
    }

    // A text record's string: BIFF8 Unicode string, or BIFF5 8-bit text in the code page.
    // The cell store copies from the text's data, so an empty text must still point at
    // something.
    static QStringView nonNull(QStringView v) { return v.isEmpty() ? QStringView(u"") : v; }

    bool readText(Cursor& c, QStringView& text) {
        if (m_result.biff8) {
            if (!c.readUnicodeString(true, m_chars)) {
                return fail(
                    E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "a text runs past its record")));
            }
            text = nonNull(view(m_chars));
            return true;
        }
        quint16 cch;
        if (!c.readU16(cch)) {
            return fail(E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "a text runs past its record")));
        }
        m_bytes.resize(cch);
        if (!c.read(reinterpret_cast<uchar*>(m_bytes.data()), cch)) {
            return fail(E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "a text runs past its record")));
        }
        m_decoder.decode(m_bytes.constData(), cch, m_decoded);
        text = nonNull(m_decoded);
        return true;
    }

    bool readSheet(qint64 start) {
        quint16 type;
        qint64 body;
        qint64 len;
        if (!record(start, type, body, len)) {
            return false;
        }
        qint64 pos = body + len;
        int depth = 0; // charts embedded in the sheet have BOF..EOF blocks of their own
        bool pendingString = false;
        qint32 pendingRow = 0;
        qint32 pendingCol = 0;
        SheetData::FormatIndex pendingFormat = 0;
        while (true) {
            m_yielder.tick();
            if (!record(pos, type, body, len)) {
                return false;
            }
            pos = body + len;
            const uchar* p = m_data + body;
            if (depth > 0) {
                if (type == kBof) {
                    ++depth;
                } else if (type == kEof) {
                    --depth;
                }
                continue;
            }
            qint32 row;
            qint32 col;
            switch (type) {
            case kEof:
                return true;
            case kBof:
                ++depth;
                break;
            case kNumber:
                if (len < 14) {
                    return fail(E2V_SENTENCE(
                        QT_TRANSLATE_NOOP("Workbook", "a number record is too short")));
                }
                if (!position(p, row, col) ||
                    !stored(m_sheet.setNumber(row, col, f64(p + 6), cellFormat(p)))) {
                    return false;
                }
                pendingString = false;
                break;
            case kRk:
                if (len < 10) {
                    return fail(E2V_SENTENCE(
                        QT_TRANSLATE_NOOP("Workbook", "a number record is too short")));
                }
                if (!position(p, row, col) ||
                    !stored(m_sheet.setNumber(row, col, rkValue(u32(p + 6)), cellFormat(p)))) {
                    return false;
                }
                pendingString = false;
                break;
            case kMulRk: {
                if (len < 12 || (len - 6) % 6 != 0) {
                    return fail(E2V_SENTENCE(QT_TRANSLATE_NOOP(
                        "Workbook", "a multiple-number record has a wrong length")));
                }
                const qint64 n = (len - 6) / 6;
                if (!position(p, row, col)) {
                    return false;
                }
                // The record's length says how many numbers it holds; the last column it
                // names as well is not needed, and a wrong one harms nothing.
                if (col + n > kColumns) {
                    return beyondSheet();
                }
                for (qint64 i = 0; i < n; ++i) {
                    const uchar* cell = p + 4 + 6 * i; // XF index, then the RK value
                    if (!stored(m_sheet.setNumber(row, col + qint32(i), rkValue(u32(cell + 2)),
                                                  cellFormat(u16(cell))))) {
                        return false;
                    }
                }
                pendingString = false;
                break;
            }
            case kLabelSst: {
                if (len < 10) {
                    return fail(
                        E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "a text record is too short")));
                }
                if (!position(p, row, col)) {
                    return false;
                }
                // An index past the table names no text: the cell is empty, as spreadsheet
                // programs show it.
                const qint64 index = u32(p + 6);
                if (index < m_sstCount &&
                    !stored(m_sheet.setSharedText(row, col, index, cellFormat(p)))) {
                    return false;
                }
                pendingString = false;
                break;
            }
            case kLabel:
            case kRString: {
                if (len < 8) {
                    return fail(
                        E2V_SENTENCE(QT_TRANSLATE_NOOP("Workbook", "a text record is too short")));
                }
                if (!position(p, row, col)) {
                    return false;
                }
                Cursor c(m_data, m_size, body + 6, len - 6);
                QStringView text;
                if (!readText(c, text) || !stored(m_sheet.setText(row, col, text, cellFormat(p)))) {
                    return false;
                }
                pendingString = false;
                break;
            }
            case kBoolErr:
                if (len < 8) {
                    return fail(E2V_SENTENCE(
                        QT_TRANSLATE_NOOP("Workbook", "a truth-value record is too short")));
                }
                if (!position(p, row, col)) {
                    return false;
                }
                if (!stored(p[7] ? storeError(row, col, p[6])
                                 : m_sheet.setBoolean(row, col, p[6] != 0))) {
                    return false;
                }
                pendingString = false;
                break;
            case kFormula:
                if (len < 20) {
                    return fail(E2V_SENTENCE(
                        QT_TRANSLATE_NOOP("Workbook", "a formula record is too short")));
                }
                if (!position(p, row, col) || !readFormulaResult(p, row, col, pendingString)) {
                    return false;
                }
                pendingRow = row;
                pendingCol = col;
                pendingFormat = cellFormat(p);
                break;
            case kString:
                if (pendingString) {
                    Cursor c(m_data, m_size, body, len);
                    QStringView text;
                    if (!readText(c, text) ||
                        !stored(m_sheet.setText(pendingRow, pendingCol, text, pendingFormat))) {
                        return false;
                    }
                    pendingString = false;
                }
                break;
            case kBlank:
            case kMulBlank:
                pendingString = false; // nothing to store: a blank cell reads as empty
                break;
            default:
                break; // formats, shared formulas, arrays, tables, drawing: not cell values
            }
        }
    }

    CellWrite storeError(qint32 row, qint32 col, quint8 code) {
        return m_sheet.setError(row, col, cellErrorFromCode(code).value_or(kUnknownError));
    }

    // The 8 result bytes of a FORMULA record: a number, or a marker with the result's type.
    bool readFormulaResult(const uchar* p, qint32 row, qint32 col, bool& pendingString) {
        const uchar* r = p + 6;
        pendingString = false;
        if (u16(r + 6) != 0xFFFF) {
            return stored(m_sheet.setNumber(row, col, f64(r), cellFormat(p)));
        }
        switch (r[0]) {
        case 0:
            pendingString = true; // the text is in the STRING record that follows
            return true;
        case 1:
            return stored(m_sheet.setBoolean(row, col, r[2] != 0));
        case 2:
            return stored(storeError(row, col, r[2]));
        case 3:
            return stored(m_sheet.setText(row, col, u"", cellFormat(p)));
        default:
            return true; // an unknown result type: nothing to show
        }
    }

    // Excel writes at most 4,000 XF records; the cap only bounds a hostile stream.
    static constexpr size_t kMaxXfs = 65536;
    static constexpr qint64 kUnknownFormat = -1;

    const uchar* m_data;
    qint64 m_size;
    SheetData& m_sheet;
    Yielder& m_yielder;
    ParseResult m_result;
    Sentence m_failure;
    std::unordered_map<quint16, QString> m_formatCodes; // FORMAT records by id
    std::vector<quint16> m_xfFormatIds;                 // XF records in order
    std::vector<qint64> m_byXf;
    std::unordered_map<quint16, SheetData::FormatIndex> m_byFormatId;
    CodePageDecoder m_decoder;
    bool m_namesOnly = false;
    bool m_haveSst = false;
    qint64 m_sstCount = 0;
    std::u16string m_chars;
    QByteArray m_plain; // the decrypted stream, when the workbook is encrypted
    QByteArray m_bytes;
    QString m_decoded;
};

} // namespace

ParseResult readWorkbookStream(const uchar* data, qint64 size, SheetData& sheet, Yielder& yielder,
                               qint32 sheetIndex) {
    Parser parser(data, size, sheet, yielder);
    return parser.run(sheetIndex);
}

} // namespace biff
