#pragma once

// What the benchmarks share: the generated contact sheet (the same rows every time), its
// .xlsx writer, and the peak memory of the running process.

#include "CellAddress.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QString>
#include <QTemporaryDir>
#include <QTextStream>

#include <zip.h>

#include <list>
#include <vector>

namespace benchsheets {

using namespace Qt::StringLiterals;

constexpr int kColumns = 20;

// ---------------------------------------------------------------------------------------
// The contact sheet: row 0 holds the headers. Cells are texts, except two number columns.

struct Cell {
    QString text;
    bool number = false;
};
using Row = std::vector<Cell>;

const char* const kHeaders[kColumns] = {"First Name",     "Last Name",   "E-mail",    "Mobile",
                                        "Business Phone", "Company",     "Job Title", "Department",
                                        "Street",         "City",        "State",     "ZIP",
                                        "Country",        "Home Phone",  "Web Page",  "Birthday",
                                        "Score",          "Middle Name", "Title",     "Notes"};

const char* const kFirst[] = {"James",  "Mary",   "Jos\u00e9", "Ren\u00e9e", "Zo\u00eb",
                              "Liam",   "Olivia", "Noah",      "Emma",       "Sophia",
                              "Lucas",  "Mia",    "Ethan",     "Amelia",     "Fran\u00e7ois",
                              "Ingrid", "Kenji",  "Aisha"};
const char* const kLast[] = {"Smith",  "Johnson",  "M\u00fcller", "Garc\u00eda", "O'Brien",
                             "Nguyen", "Kowalski", "Rossi",       "Andersson",   "Brown",
                             "Dubois", "Tanaka",   "Williams",    "Silva",       "Novak"};
const char* const kCompanies[] = {"Acme Corp",       "Globex & Partners", "Initech",
                                  "Umbrella Health", "Stark Industries",  "Wayne Logistics",
                                  "Contoso Ltd.",    "Northwind Traders", "Fabrikam, Inc.",
                                  "Tailspin Toys"};
const char* const kTitles[] = {"Sales Manager", "Accountant", "Engineer",         "Designer",
                               "Director",      "Consultant", "Support Engineer", "CEO"};
const char* const kDepartments[] = {"Sales", "Finance", "R&D", "Marketing", "Operations", "HR"};
const char* const kStreets[] = {"Main St",   "Oak Avenue", "Maple Drive", "Elm Street",
                                "Park Lane", "Cedar Road", "Hill Street", "Lake View"};
struct Place {
    const char* city;
    const char* state;
    const char* zip;
};
const Place kPlaces[] = {{"Boston", "MA", "02134"},  {"Austin", "TX", "73301"},
                         {"Seattle", "WA", "98101"}, {"Denver", "CO", "80202"},
                         {"Newark", "NJ", "07102"},  {"Portland", "OR", "97201"},
                         {"Chicago", "IL", "60601"}, {"Miami", "FL", "33101"}};
const char* const kMiddle[] = {"", "A.", "J.", "Marie", "Lee", ""};
const char* const kCourtesy[] = {"Mr.", "Ms.", "Dr.", "", "Mrs.", ""};
const char* const kNotes[] = {"",
                              "Met at the trade fair, follow up in spring",
                              "Prefers e-mail",
                              "",
                              "VIP \u2013 handle with care",
                              "Call after 5 pm"};

template <class T, size_t N> const T& pick(const T (&pool)[N], quint64 r) {
    return pool[r % N];
}

class ContactSheet {
public:
    explicit ContactSheet(qint32 rows) : m_rows(rows) {}
    qint32 dataRows() const { return m_rows; }

    // Row 0 is the header row; rows are made on demand, the same every time.
    Row row(qint32 index) const {
        Row r(kColumns);
        if (index == 0) {
            for (int c = 0; c < kColumns; ++c) {
                r[size_t(c)].text = QString::fromUtf8(kHeaders[c]);
            }
            return r;
        }
        quint64 s = quint64(index) * 0x9E3779B97F4A7C15ULL;
        auto next = [&s] {
            s ^= s >> 12;
            s ^= s << 25;
            s ^= s >> 27;
            return s * 0x2545F4914F6CDD1DULL;
        };
        const QString first = QString::fromUtf8(pick(kFirst, next()));
        const QString last = QString::fromUtf8(pick(kLast, next()));
        const Place& place = pick(kPlaces, next());
        const QString company = QString::fromUtf8(pick(kCompanies, next()));
        const auto phone = [&next] {
            const quint64 v = next();
            return u"(%1) %2-%3"_s.arg(200 + v % 800)
                .arg(100 + (v >> 10) % 900)
                .arg((v >> 20) % 10000, 4, 10, QLatin1Char('0'));
        };
        QString mailName = (first + u'.' + last).toLower();
        mailName.remove(u'\'');
        r[0].text = first;
        r[1].text = last;
        r[2].text = u"%1%2@example.com"_s.arg(mailName).arg(index);
        r[3].text = u"+1 "_s + phone();
        r[4].text = phone();
        r[5].text = company;
        r[6].text = QString::fromUtf8(pick(kTitles, next()));
        r[7].text = QString::fromUtf8(pick(kDepartments, next()));
        r[8].text =
            u"%1 %2"_s.arg(1 + next() % 9999).arg(QString::fromUtf8(pick(kStreets, next())));
        r[9].text = QString::fromUtf8(place.city);
        r[10].text = QString::fromUtf8(place.state);
        r[11].text = QString::fromUtf8(place.zip);
        r[12].text = u"USA"_s;
        r[13].text = next() % 3 == 0 ? QString() : phone();
        r[14].text = next() % 4 == 0 ? u"https://www.example.com/~%1"_s.arg(index) : QString();
        r[15] = {QString::number(20000 + next() % 20000), true}; // a date serial
        r[16] = {QString::number(double(next() % 1000) / 4.0), true};
        r[17].text = QString::fromUtf8(pick(kMiddle, next()));
        r[18].text = QString::fromUtf8(pick(kCourtesy, next()));
        r[19].text = QString::fromUtf8(pick(kNotes, next()));
        return r;
    }

private:
    qint32 m_rows;
};

// The two number columns: a birthday (a date serial) and a score.
constexpr int kBirthdayColumn = 15;
constexpr int kScoreColumn = 16;

// ---------------------------------------------------------------------------------------
// The .xlsx writer. Styled, every cell names a style as spreadsheet programs write them:
// texts the default look, the birthday the short date (id 14), the score "0.00" (id 2).

inline QByteArray xmlEscaped(const QString& text) {
    QByteArray out = text.toUtf8();
    if (out.contains('&')) {
        out.replace("&", "&amp;");
    }
    if (out.contains('<')) {
        out.replace("<", "&lt;");
    }
    if (out.contains('>')) {
        out.replace(">", "&gt;");
    }
    if (out.contains('"')) {
        out.replace("\"", "&quot;");
    }
    return out;
}

// A zip package being written; the parts' bytes stay alive until close().
class ZipWriter {
public:
    bool open(const QString& path) {
        int error = 0;
        m_zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
        return m_zip != nullptr;
    }
    bool add(const char* name, QByteArray bytes, bool stored = false) {
        m_parts.push_back(std::move(bytes));
        const QByteArray& b = m_parts.back();
        zip_source_t* src = zip_source_buffer(m_zip, b.constData(), zip_uint64_t(b.size()), 0);
        if (!src) {
            return false;
        }
        const zip_int64_t index = zip_file_add(m_zip, name, src, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(src);
            return false;
        }
        return zip_set_file_compression(m_zip, zip_uint64_t(index),
                                        stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0) == 0;
    }
    bool close() {
        const bool ok = zip_close(m_zip) == 0;
        if (!ok) {
            zip_discard(m_zip);
        }
        m_zip = nullptr;
        m_parts.clear();
        return ok;
    }

private:
    zip_t* m_zip = nullptr;
    std::list<QByteArray> m_parts;
};

inline bool writeXlsx(const ContactSheet& sheet, const QString& path, bool styled = false) {
    QHash<QString, qint64> index;
    QByteArray strings;
    qint64 stringRefs = 0;
    QByteArray data = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                      "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/"
                      "main\"><dimension ref=\"A1:" +
                      cellAddress(kColumns - 1, sheet.dataRows() + 1).toLatin1() +
                      "\"/><sheetData>";
    for (qint32 i = 0; i <= sheet.dataRows(); ++i) {
        const Row r = sheet.row(i);
        data += "<row r=\"" + QByteArray::number(i + 1) + "\">";
        for (int c = 0; c < kColumns; ++c) {
            const Cell& cell = r[size_t(c)];
            if (cell.text.isEmpty()) {
                continue;
            }
            QByteArray ref = cellAddress(c, i + 1).toLatin1();
            if (styled) {
                ref += c == kBirthdayColumn ? "\" s=\"2"
                       : c == kScoreColumn  ? "\" s=\"3"
                                            : "\" s=\"1";
            }
            if (cell.number) {
                data += "<c r=\"" + ref + "\"><v>" + cell.text.toLatin1() + "</v></c>";
                continue;
            }
            auto it = index.find(cell.text);
            if (it == index.end()) {
                it = index.insert(cell.text, index.size());
                strings += "<si><t xml:space=\"preserve\">" + xmlEscaped(cell.text) + "</t></si>";
            }
            ++stringRefs;
            data +=
                "<c r=\"" + ref + "\" t=\"s\"><v>" + QByteArray::number(it.value()) + "</v></c>";
        }
        data += "</row>";
    }
    data += "</sheetData></worksheet>";
    const QByteArray sst = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                           "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/"
                           "main\" count=\"" +
                           QByteArray::number(stringRefs) + "\" uniqueCount=\"" +
                           QByteArray::number(index.size()) + "\">" + strings + "</sst>";

    const QByteArray styles =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
        "<fonts count=\"2\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font><font><b/>"
        "<sz val=\"11\"/><name val=\"Calibri\"/></font></fonts><cellStyleXfs count=\"1\"><xf "
        "numFmtId=\"0\" fontId=\"0\"/></cellStyleXfs><cellXfs count=\"4\"><xf numFmtId=\"0\" "
        "fontId=\"0\" xfId=\"0\"/><xf numFmtId=\"0\" fontId=\"1\" xfId=\"0\"/><xf "
        "numFmtId=\"14\" fontId=\"0\" xfId=\"0\" applyNumberFormat=\"1\"/><xf numFmtId=\"2\" "
        "fontId=\"0\" xfId=\"0\" applyNumberFormat=\"1\"/></cellXfs></styleSheet>";
    const QByteArray stylesRelationship =
        styled ? "<Relationship Id=\"rId3\" Type=\"http://schemas.openxmlformats.org/"
                 "officeDocument/2006/relationships/styles\" Target=\"styles.xml\"/>"
               : "";
    ZipWriter zip;
    return zip.open(path) && (!styled || zip.add("xl/styles.xml", styles)) &&
           zip.add("[Content_Types].xml",
                   "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                   "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                   "<Default Extension=\"rels\" ContentType=\"application/"
                   "vnd.openxmlformats-package.relationships+xml\"/>"
                   "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
                   "<Override PartName=\"/xl/workbook.xml\" ContentType=\"application/"
                   "vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
                   "<Override PartName=\"/xl/worksheets/sheet1.xml\" ContentType=\"application/"
                   "vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
                   "<Override PartName=\"/xl/sharedStrings.xml\" ContentType=\"application/"
                   "vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml\"/>"
                   "</Types>") &&
           zip.add("_rels/.rels",
                   "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                   "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                   "relationships\"><Relationship Id=\"rId1\" Type=\"http://"
                   "schemas.openxmlformats.org/officeDocument/2006/relationships/"
                   "officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>") &&
           zip.add("xl/workbook.xml",
                   "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                   "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                   "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                   "relationships\"><sheets><sheet name=\"Contacts\" sheetId=\"1\" "
                   "r:id=\"rId1\"/></sheets></workbook>") &&
           zip.add("xl/_rels/workbook.xml.rels",
                   "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                   "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                   "relationships\"><Relationship Id=\"rId1\" Type=\"http://"
                   "schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
                   "Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" Type=\"http://"
                   "schemas.openxmlformats.org/officeDocument/2006/relationships/"
                   "sharedStrings\" Target=\"sharedStrings.xml\"/>" +
                       stylesRelationship + "</Relationships>") &&
           zip.add("xl/worksheets/sheet1.xml", std::move(data)) &&
           zip.add("xl/sharedStrings.xml", sst) && zip.close();
}

// ---------------------------------------------------------------------------------------
// Where a bench writes: the folder to keep, or else the temporary one.

inline bool workFolder(const QString& keepFolder, const QTemporaryDir& temporary, QTextStream& err,
                       QDir& dir) {
    if (keepFolder.isEmpty() && !temporary.isValid()) {
        err << "Cannot create a temporary folder." << Qt::endl;
        return false;
    }
    if (!keepFolder.isEmpty() && !QDir().mkpath(keepFolder)) {
        err << "Cannot create " << keepFolder << Qt::endl;
        return false;
    }
    dir = QDir(keepFolder.isEmpty() ? temporary.path() : keepFolder);
    return true;
}

// ---------------------------------------------------------------------------------------
// The peak resident size of this process so far, in KB (-1 when unknown).

inline qint64 peakKilobytes() {
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
        }
    }
    return -1;
}

} // namespace benchsheets
